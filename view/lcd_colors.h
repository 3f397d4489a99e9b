// Colours of the calculator picture that the face and the LCD text share.
#pragma once

#include <QColor>

namespace tabrix {

inline const QColor kLcdColor(180, 241, 235);
inline const QColor kBezelColor(252, 254, 255);
inline const QColor kShiftedLabelColor(211, 211, 42);
inline const QColor kLcdTextColor(0, 0, 0);
inline const QColor kLcdStackColor(128, 128, 128);

}  // namespace tabrix
