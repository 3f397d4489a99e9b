#include "view/lcd_painter.h"

#include <QFontMetrics>

#include "engine/main_line.h"
#include "view/lcd_colors.h"
#include "view/qt_text.h"

namespace tabrix {

namespace {

// A font whose character cell (ascent + descent) is `cellHeight` pixels tall.
QFont FontWithCellHeight(const QString& family, int cellHeight, QFont::Weight weight) {
    QFont font(family);
    font.setWeight(weight);
    font.setPixelSize(cellHeight);
    const int height = QFontMetrics(font).height();
    if (height > 0 && height != cellHeight) font.setPixelSize(std::max(1, cellHeight * cellHeight / height));
    return font;
}

// Draws `text` with its cell's top-left corner at (x, y), background opaque.
void DrawCellText(QPainter& painter, int x, int y, const QString& text) {
    painter.drawText(QPoint(x, y + painter.fontMetrics().ascent()), text);
}

void BeginLayer(QPainter& painter, const QFont& font, const QColor& color) {
    painter.setFont(font);
    painter.setPen(color);
    painter.setBackgroundMode(Qt::OpaqueMode);
    painter.setBackground(kLcdColor);
}

QFont FontOf(const face::Font& font) {
    return FontWithCellHeight(QString::fromLatin1(font.family), font.cellHeight, static_cast<QFont::Weight>(font.weight));
}

void DrawAt(QPainter& painter, face::Place place, const QString& text) { DrawCellText(painter, place.x, place.y, text); }

}  // namespace

QFont MainLineFont() { return FontOf(face::kMainLineFont); }
QFont StackFont() { return FontOf(face::kStackFont); }
QFont IndicatorFont() { return FontOf(face::kIndicatorFont); }

void DrawMainLine(QPainter& painter, const CTabrixDoc& doc) {
    painter.save();
    BeginLayer(painter, MainLineFont(), kLcdTextColor);
    const int pointCell = PointCellOf(doc);
    const std::string& display = doc.m_strDisplay;
    for (std::size_t i = 0; i < display.size(); ++i) {
        const int x = face::kMainLineLeft + face::kMainLineStep * static_cast<int>(i);
        if (static_cast<int>(i) == pointCell) {
            DrawCellText(painter, x + face::kPointOffset, face::kMainLineTop, QStringLiteral("."));
        }
        const char c = display[i];
        DrawCellText(painter, c == '-' ? x + face::kMinusOffset : x, face::kMainLineTop, QString(QLatin1Char(c)));
    }
    painter.restore();
}

void DrawStackLines(QPainter& painter, const CTabrixDoc& doc, bool highContrast) {
    painter.save();
    BeginLayer(painter, StackFont(), highContrast ? kLcdTextColor : kLcdStackColor);
    DrawAt(painter, face::kStackY, QtText(doc.SlotText(kSlotY)));
    DrawAt(painter, face::kStackZ, QtText(doc.SlotText(kSlotZ)));
    DrawAt(painter, face::kStackT, QtText(doc.SlotText(kSlotT)));
    DrawAt(painter, face::kFormat, QtText(FormatIndicator(doc)));
    DrawAt(painter, face::kAngle, QtText(doc.m_strAngle));
    painter.restore();
}

void DrawIndicators(QPainter& painter, const CTabrixDoc& doc) {
    painter.save();
    BeginLayer(painter, IndicatorFont(), kLcdTextColor);
    if (doc.m_bShift) DrawAt(painter, face::kShiftIndicator, QStringLiteral("f"));
    if (!doc.m_strPrefix.empty()) DrawAt(painter, face::kPrefixIndicator, QtText(doc.m_strPrefix));
    // Σ while the statistics hold points.
    if (!doc.m_stats.Empty()) DrawAt(painter, face::kStatisticsIndicator, QStringLiteral("\u03A3"));
    painter.restore();
}

}  // namespace tabrix
