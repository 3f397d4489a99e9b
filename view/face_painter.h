// The two pictures of the calculator face, drawn once at start-up: every key
// at rest, and every key lit. The view shows the first and copies a held key's
// rectangle from the second.
#pragma once

#include <QImage>

namespace tabrix {

enum class FaceState { Resting, Lit };

// A 240 x 268 picture: speckled dark background, the LCD bezel and window,
// and the 29 keys with their labels and the shifted labels above them.
QImage PaintFace(FaceState state);

}  // namespace tabrix
