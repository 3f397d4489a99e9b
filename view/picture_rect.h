// A rectangle of the picture (a key, the LCD's window) as Qt's, in the
// picture's logical pixels.
#pragma once

#include <QRectF>

#include "view/keypad_geometry.h"

namespace tabrix {

inline QRectF PictureRect(const KeyRect& r) { return QRectF(r.left, r.top, r.Width(), r.Height()); }

}  // namespace tabrix
