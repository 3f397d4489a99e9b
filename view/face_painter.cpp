#include "view/face_painter.h"

#include <QFont>
#include <QFontMetrics>
#include <QPainter>
#include <QPainterPath>
#include <QtMath>
#include <algorithm>
#include <array>

#include "engine/key_codes.h"
#include "view/key_labels.h"
#include "view/keypad_geometry.h"
#include "view/lcd_colors.h"
#include "view/picture_rect.h"
#include "view/qt_text.h"

namespace tabrix {

namespace {

struct KeyColors {
    QColor resting;
    QColor lit;
    QColor text;
};

KeyColors ColorsOf(KeyFamily family) {
    const face::KeyColors colors = face::ColorsOf(family);
    return {ToQColor(colors.resting), ToQColor(colors.lit), ToQColor(colors.text)};
}

// Dark grey speckles between RGB(44, 44, 45) and RGB(76, 76, 75), from a fixed
// sequence so that every start draws the same picture.
void PaintBackground(QImage& image) {
    std::uint32_t seed = 0x2545F491u;
    for (int y = 0; y < image.height(); ++y) {
        auto* line = reinterpret_cast<QRgb*>(image.scanLine(y));
        for (int x = 0; x < image.width(); ++x) {
            seed = seed * 1664525u + 1013904223u;
            const int grey = 44 + static_cast<int>((seed >> 24) % 33);
            line[x] = qRgb(grey, grey, grey + (grey < 60 ? 1 : -1));
        }
    }
}

void PaintLcdPanel(QPainter& painter) {
    painter.fillRect(PictureRect(face::kBezel), kBezelColor);
    painter.fillRect(PictureRect(kLcdWindow), kLcdColor);
}

QFont LabelFont(int pixelSize, bool bold) {
    QFont font(QString::fromLatin1(face::kLabelFamily));
    font.setPixelSize(pixelSize);
    font.setBold(bold);
    font.setHintingPreference(QFont::PreferFullHinting);
    return font;
}

void PaintKey(QPainter& painter, int code, FaceState state, const QString& label = {}) {
    const KeyFamily family = KeyFamilyOf(code);
    const KeyRect r = GetKeyRect(code);
    const QRect rect(r.left, r.top, r.Width(), r.Height());
    const KeyColors colors = ColorsOf(family);
    const QColor body = state == FaceState::Lit ? colors.lit : colors.resting;

    // The key fills its rectangle exactly; corners softened, edges bevelled.
    painter.setPen(Qt::NoPen);
    painter.setBrush(body.darker(150));
    painter.drawRoundedRect(QRectF(rect), 4, 4);
    painter.setBrush(body.lighter(125));
    painter.drawRoundedRect(QRectF(rect.adjusted(0, 0, -1, -1)), 4, 4);
    painter.setBrush(body);
    painter.drawRoundedRect(QRectF(rect.adjusted(1, 1, -2, -2)), 3, 3);

    painter.setPen(colors.text);
    const std::string_view faceLabel = FaceLabel(code);
    const QString face = label.isEmpty() ? QtText(faceLabel) : label;
    if (code == static_cast<int>(keys::kEnter)) {
        // ENTER is two rows tall: its letters stand one above the other.
        painter.setFont(LabelFont(face::kLongLabelSize, true));
        const int step = rect.height() / (face.size() + 1);
        for (int i = 0; i < face.size(); ++i) {
            painter.drawText(QRect(rect.left(), rect.top() + step * i + step / 2, rect.width(), step),
                             Qt::AlignCenter, face.mid(i, 1));
        }
    } else {
        const bool digit = family == KeyFamily::Digit && face.size() == 1;
        painter.setFont(LabelFont(digit ? face::kDigitLabelSize
                                        : (face.size() > 2 ? face::kLongLabelSize : face::kShortLabelSize),
                                  true));
        painter.drawText(rect, Qt::AlignCenter, face);
    }
}

// A shifted label's size and the ink it makes at that size.
struct LabelFit {
    int pixelSize = 0;
    QRect ink;
};

// The largest size, up to twice the band's height, whose ink (capitals,
// superscripts and descenders alike) fits `bandHeight` and `widest` device
// pixels. The ink grows nearly in proportion to the size, so the search
// starts just above the proportional size rather than stepping down from
// the top: each size measured means hinting the label's glyphs anew.
LabelFit FitLabel(const QString& label, int bandHeight, int widest) {
    const auto inkAt = [&](int size) { return QFontMetrics(LabelFont(size, false)).tightBoundingRect(label); };
    const auto fits = [&](const QRect& ink) { return ink.height() <= bandHeight && ink.width() <= widest; };
    LabelFit fit{bandHeight * 2, inkAt(bandHeight * 2)};
    if (fits(fit.ink)) return fit;
    const double ratio = std::min(double(bandHeight) / std::max(1, fit.ink.height()),
                                  double(widest) / std::max(1, fit.ink.width()));
    fit.pixelSize = std::clamp(static_cast<int>(fit.pixelSize * ratio) + 2, 1, fit.pixelSize - 1);
    fit.ink = inkAt(fit.pixelSize);
    while (!fits(fit.ink) && fit.pixelSize > 1) fit.ink = inkAt(--fit.pixelSize);
    // Hinting may make the ink grow unevenly: a larger size may still fit.
    for (QRect larger; fit.pixelSize + 1 < bandHeight * 2 && fits(larger = inkAt(fit.pixelSize + 1));) {
        fit = {fit.pixelSize + 1, larger};
    }
    return fit;
}

// The shifted labels' sizes at `scale`, by key code. Both faces are drawn at
// the same scale one after the other: the sizes are found once for the two.
const std::array<LabelFit, keys::kLastKey + 1>& ShiftedLabelFits(qreal scale) {
    static qreal fittedScale = 0;
    static std::array<LabelFit, keys::kLastKey + 1> fits;
    if (scale == fittedScale) return fits;
    for (int code = static_cast<int>(keys::kFirstKey); code <= static_cast<int>(keys::kLastKey); ++code) {
        const std::string_view text = ShiftedLabel(code);
        if (text.empty()) continue;
        const KeyRect key = GetKeyRect(code);
        const int bandHeight = qRound(key.top * scale) - qRound((key.top - kShiftedBand) * scale);
        fits[static_cast<std::size_t>(code)] = FitLabel(QtText(text),
                                                        bandHeight, qRound((key.Width() + 4) * scale));
    }
    fittedScale = scale;
    return fits;
}

// The shifted functions above the keys, each in the band of kShiftedBand
// logical pixels just above its key's top edge: between two rows that is the
// gap, so a label never touches the key above. Drawn in device pixels, hinted,
// each label at the largest size whose ink fits the band's height and the
// key's width with the gaps beside it, so that even "x²" or "yˣ" fills the
// band at 100 % and every label stays crisp at every zoom.
void PaintShiftedLabels(QPainter& painter, qreal scale) {
    painter.save();
    painter.resetTransform();
    painter.setPen(kShiftedLabelColor);
    const auto& fits = ShiftedLabelFits(scale);
    for (int code = static_cast<int>(keys::kFirstKey); code <= static_cast<int>(keys::kLastKey); ++code) {
        const std::string_view text = ShiftedLabel(code);
        if (text.empty()) continue;
        const LabelFit& fit = fits[static_cast<std::size_t>(code)];
        const KeyRect key = GetKeyRect(code);
        painter.setFont(LabelFont(fit.pixelSize, false));
        // The ink's lowest row on the band's lowest row, centred over the key.
        const int baseline = qRound(key.top * scale) - 1 - fit.ink.bottom();
        const int centre = qRound((key.left + key.right) * scale / 2);
        painter.drawText(QPoint(centre - fit.ink.left() - fit.ink.width() / 2, baseline),
                         QtText(text));
    }
    painter.restore();
}

}  // namespace

// The keyboard key of each key in its lower right corner, small, in the
// key's label colour made quieter, drawn in device pixels like the shifted
// labels so that it is legible at every zoom.
void PaintKeyCaptions(QPainter& painter, qreal scale, const KeyCaptions& captions) {
    painter.save();
    painter.resetTransform();
    QFont font = LabelFont(qMax(6, qRound(7 * scale)), false);
    painter.setFont(font);
    const QFontMetrics metrics(font);
    for (int code = static_cast<int>(keys::kFirstKey); code <= static_cast<int>(keys::kLastKey); ++code) {
        const QString& caption = captions[static_cast<std::size_t>(code)];
        if (caption.isEmpty()) continue;
        const KeyRect key = GetKeyRect(code);
        const QColor text = ColorsOf(KeyFamilyOf(code)).text;
        painter.setPen(KeyFamilyOf(code) == KeyFamily::Shift ? text.lighter(300) : text.darker(130));
        const int right = qRound((key.right - 3) * scale);
        const int bottom = qRound((key.bottom - 2) * scale);
        painter.drawText(QPoint(right - metrics.horizontalAdvance(caption), bottom - metrics.descent()), caption);
    }
    painter.restore();
}

QImage PaintFace(FaceState state, qreal scale, const KeyCaptions* captions) {
    QImage image(qCeil(kFaceWidth * scale), qCeil(kFaceHeight * scale), QImage::Format_RGB32);
    PaintBackground(image);
    QPainter painter(&image);
    painter.scale(scale, scale);
    PaintLcdPanel(painter);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setRenderHint(QPainter::TextAntialiasing);
    for (int code = static_cast<int>(keys::kFirstKey); code <= static_cast<int>(keys::kLastKey); ++code) {
        if (code != static_cast<int>(keys::kUnderEnter)) PaintKey(painter, code, state);
    }
    PaintShiftedLabels(painter, scale);
    if (captions != nullptr) PaintKeyCaptions(painter, scale, *captions);
    return image;
}

void PaintLayerKeys(QPainter& painter, KeyLayer layer, std::uint32_t heldKey) {
    if (layer == KeyLayer::Scientific) return;
    // F e^x and F 10^x move the main line's window: their band says so, over
    // the background's mean grey.
    for (const std::uint32_t code : {keys::kExp, keys::kAlog}) {
        const KeyRect key = GetKeyRect(static_cast<int>(code));
        const QRectF band(key.left - 2, key.top - kShiftedBand - 1, key.Width() + 4, kShiftedBand + 1);
        painter.fillRect(band, QColor(60, 60, 60));
        painter.setPen(kShiftedLabelColor);
        painter.setFont(LabelFont(kShiftedBand + 3, false));
        painter.drawText(band.adjusted(0, -2, 0, 1), Qt::AlignCenter,
                         QtText(KeyFunctionOf(code, true, layer).label));
    }
    if (layer != KeyLayer::Hex) return;
    for (std::uint32_t code = keys::kExp; code <= keys::kInverse; ++code) {
        const QString digit(QLatin1Char(static_cast<char>('A' + (code - keys::kExp))));
        PaintKey(painter, static_cast<int>(code), code == heldKey ? FaceState::Lit : FaceState::Resting, digit);
    }
}

}  // namespace tabrix
