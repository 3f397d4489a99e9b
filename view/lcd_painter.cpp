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

}  // namespace

QFont MainLineFont() { return FontWithCellHeight(QStringLiteral("Liberation Sans Narrow"), 26, QFont::ExtraLight); }
QFont StackFont() { return FontWithCellHeight(QStringLiteral("DejaVu Sans"), 11, QFont::Thin); }
QFont IndicatorFont() { return FontWithCellHeight(QStringLiteral("DejaVu Sans"), 14, QFont::Thin); }

void DrawMainLine(QPainter& painter, const CTabrixDoc& doc) {
    painter.save();
    BeginLayer(painter, MainLineFont(), kLcdTextColor);
    const int pointCell = PointCellOf(doc);
    const std::string& display = doc.m_strDisplay;
    for (std::size_t i = 0; i < display.size(); ++i) {
        const int x = 28 + 17 * static_cast<int>(i);
        if (static_cast<int>(i) == pointCell) DrawCellText(painter, x + 11, 11, QStringLiteral("."));
        const char c = display[i];
        DrawCellText(painter, c == '-' ? x + 5 : x, 11, QString(QLatin1Char(c)));
    }
    painter.restore();
}

void DrawStackLines(QPainter& painter, const CTabrixDoc& doc) {
    painter.save();
    BeginLayer(painter, StackFont(), kLcdStackColor);
    DrawCellText(painter, 92, 37, QtText(doc.FormatNumber(doc.m_dY)));
    DrawCellText(painter, 92, 47, QtText(doc.FormatNumber(doc.m_dZ)));
    DrawCellText(painter, 92, 57, QtText(doc.FormatNumber(doc.m_dT)));
    // The digit count as one character, as the LCD has room for; a count no key
    // can set (from a damaged file) shows as "?".
    const QChar digit = doc.m_nDigits >= 0 && doc.m_nDigits <= 9 ? QChar('0' + doc.m_nDigits) : QChar('?');
    DrawCellText(painter, 190, 57, QtText(doc.m_strFormat) + QLatin1Char('.') + digit);
    DrawCellText(painter, 190, 45, QtText(doc.m_strAngle));
    painter.restore();
}

void DrawIndicators(QPainter& painter, const CTabrixDoc& doc) {
    painter.save();
    BeginLayer(painter, IndicatorFont(), kLcdTextColor);
    if (doc.m_bShift) DrawCellText(painter, 24, 52, QStringLiteral("f"));
    if (!doc.m_strPrefix.empty()) DrawCellText(painter, 45, 52, QtText(doc.m_strPrefix));
    painter.restore();
}

}  // namespace tabrix
