#include "shell/notice.h"

#include <QAccessible>
#include <QToolTip>

namespace tabrix {

CNotice::CNotice(QWidget* window) : QLabel(window, Qt::ToolTip | Qt::FramelessWindowHint) {
    setObjectName(QStringLiteral("notice"));
    setWordWrap(true);
    setMargin(4);
    setFrameShape(QFrame::Box);
    setPalette(QToolTip::palette());
    setAutoFillBackground(true);
    setFont(QToolTip::font());
    setAccessibleName(tr("Notice"));
    m_timer.setSingleShot(true);
    connect(&m_timer, &QTimer::timeout, this, &QWidget::hide);
}

void CNotice::Show(const QString& text, const QPoint& topLeft, int width, int milliseconds) {
    setText(text);
    // As wide as the text needs, and never wider than the window gives.
    const int needed = fontMetrics().horizontalAdvance(text) + 2 * (margin() + frameWidth()) + 2;
    setFixedWidth(std::max(1, std::min(needed, width)));
    setFixedHeight(heightForWidth(this->width()));
    move(topLeft);
    show();
    raise();
    if (milliseconds > 0) {
        m_timer.start(milliseconds);
    } else {
        m_timer.stop();
    }
    QAccessibleEvent alert(this, QAccessible::Alert);
    QAccessible::updateAccessibility(&alert);
}

}  // namespace tabrix
