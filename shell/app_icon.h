// The program icon, drawn rather than loaded: a small calculator with a
// white-framed LCD above a grid of keys, blue keys and one yellow key.
#pragma once

#include <QIcon>
#include <QImage>

namespace tabrix {

QImage PaintAppIcon(int size);
QIcon AppIcon();

}  // namespace tabrix
