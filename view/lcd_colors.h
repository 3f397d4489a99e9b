// Colours of the calculator picture that the face and the LCD text share,
// as Qt's, from the picture's layout.
#pragma once

#include <QColor>

#include "view/face_layout.h"

namespace tabrix {

inline QColor ToQColor(face::Rgb rgb) { return QColor(rgb.r, rgb.g, rgb.b); }

inline const QColor kLcdColor = ToQColor(face::kLcd);
inline const QColor kBezelColor = ToQColor(face::kBezelColor);
inline const QColor kShiftedLabelColor = ToQColor(face::kShiftedLabel);
inline const QColor kLcdTextColor = ToQColor(face::kLcdText);
inline const QColor kLcdStackColor = ToQColor(face::kLcdStack);

}  // namespace tabrix
