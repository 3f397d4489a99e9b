// The two pictures of the calculator face, drawn once at start-up: every key
// at rest, and every key lit. The view shows the first and copies a held key's
// rectangle from the second.
#pragma once

#include <QImage>
#include <QString>
#include <array>

#include "engine/key_table.h"
#include "view/face_layout.h"

namespace tabrix {

enum class FaceState { Resting, Lit };

// A short text for each key code (the keyboard key that presses it), drawn
// in the key's corner; empty texts draw nothing.
using KeyCaptions = std::array<QString, 31>;

// The picture, 240 x 268 times `scale` pixels, drawn afresh at that size so
// that edges and labels stay crisp: speckled dark background, the LCD bezel
// and window, and the 29 keys with their labels and shifted labels above,
// and `captions` when given.
QImage PaintFace(FaceState state, qreal scale = 1.0, const KeyCaptions* captions = nullptr);

// In HEX the top row's keys type A to F: they are drawn anew with those
// labels over the face (in picture coordinates), the held one lit.
void PaintLayerKeys(QPainter& painter, KeyLayer layer, std::uint32_t heldKey);

// The height, in picture pixels, of the band above each key that holds its
// shifted function: between two rows it is the whole gap.
inline constexpr int kShiftedBand = face::kShiftedBand;

// The colour around the picture when the window is larger than it.
inline const QColor kSurroundColor(60, 60, 60);

}  // namespace tabrix
