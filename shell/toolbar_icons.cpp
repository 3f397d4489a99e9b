#include "shell/toolbar_icons.h"

#include <QGuiApplication>
#include <QPainter>
#include <QPainterPath>

namespace tabrix {

namespace {

// Draws on a 16 x 16 grid, at the screen's pixel density.
template <typename Paint>
QIcon DrawIcon(Paint paint) {
    const qreal ratio = qApp != nullptr ? qApp->devicePixelRatio() : 1.0;
    QPixmap pixmap(qRound(16 * ratio), qRound(16 * ratio));
    pixmap.setDevicePixelRatio(ratio);
    pixmap.fill(Qt::transparent);
    QPainter painter(&pixmap);
    painter.setRenderHint(QPainter::Antialiasing);
    paint(painter);
    painter.end();
    return QIcon(pixmap);
}

void Page(QPainter& painter, const QRectF& rect) {
    painter.setPen(QPen(QColor(60, 60, 60), 1));
    painter.setBrush(Qt::white);
    painter.drawRect(rect);
    painter.setPen(QPen(QColor(120, 120, 120), 1));
    for (qreal y = rect.top() + 2.5; y < rect.bottom() - 1; y += 2) {
        painter.drawLine(QPointF(rect.left() + 2, y), QPointF(rect.right() - 2, y));
    }
}

}  // namespace

QIcon CutIcon() {
    return DrawIcon([](QPainter& painter) {
        painter.setPen(QPen(QColor(40, 40, 40), 1.4));
        painter.drawLine(QPointF(4.5, 1.5), QPointF(10.5, 11));
        painter.drawLine(QPointF(11.5, 1.5), QPointF(5.5, 11));
        painter.setBrush(Qt::NoBrush);
        painter.drawEllipse(QPointF(4.5, 12.5), 2.3, 2.3);
        painter.drawEllipse(QPointF(11.5, 12.5), 2.3, 2.3);
    });
}

QIcon CopyIcon() {
    return DrawIcon([](QPainter& painter) {
        Page(painter, QRectF(1.5, 1.5, 8, 10));
        Page(painter, QRectF(6.5, 4.5, 8, 10));
    });
}

QIcon PasteIcon() {
    return DrawIcon([](QPainter& painter) {
        painter.setPen(QPen(QColor(90, 60, 20), 1));
        painter.setBrush(QColor(190, 140, 70));
        painter.drawRoundedRect(QRectF(1.5, 2.5, 10, 12), 1.5, 1.5);
        painter.setBrush(QColor(160, 160, 160));
        painter.drawRect(QRectF(4.5, 1.5, 4, 2.5));
        Page(painter, QRectF(6.5, 6.5, 8, 8.5));
    });
}

QIcon MoreIcon(const QColor& color) {
    return DrawIcon([&](QPainter& painter) {
        painter.setPen(QPen(color, 2, Qt::SolidLine, Qt::FlatCap));
        for (const qreal y : {4.0, 8.0, 12.0}) painter.drawLine(QPointF(2, y), QPointF(14, y));
    });
}

QIcon AboutIcon() {
    // A question mark drawn as strokes, not as text: no font is loaded for
    // it while the window is being made.
    return DrawIcon([](QPainter& painter) {
        QPainterPath mark;
        mark.moveTo(4.5, 5);
        mark.arcTo(QRectF(4.5, 1.5, 7, 7), 180, -270);
        mark.quadTo(QPointF(8, 8.5), QPointF(8, 11));
        const auto draw = [&](const QColor& color, QPointF offset) {
            painter.setPen(QPen(color, 2.2, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
            painter.setBrush(Qt::NoBrush);
            painter.drawPath(mark.translated(offset));
            painter.setPen(Qt::NoPen);
            painter.setBrush(color);
            painter.drawEllipse(QPointF(8, 14) + offset, 1.3, 1.3);
        };
        draw(QColor(120, 100, 0), QPointF(0.7, 0.7));
        draw(QColor(240, 200, 0), QPointF(0, 0));
    });
}

}  // namespace tabrix
