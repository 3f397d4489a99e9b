// Where the keys are on the 240 x 268 calculator picture, and which key a
// point of the picture falls on. Plain integers; no toolkit.
#pragma once

#include <cstdint>

namespace tabrix {

inline constexpr int kFaceWidth = 240;
inline constexpr int kFaceHeight = 268;

// A key's rectangle in picture pixels; right and bottom are exclusive.
struct KeyRect {
    int left = 0;
    int top = 0;
    int right = 0;
    int bottom = 0;

    bool Contains(int x, int y) const { return left <= x && x < right && top <= y && y < bottom; }
    int Width() const { return right - left; }
    int Height() const { return bottom - top; }
    friend bool operator==(const KeyRect&, const KeyRect&) = default;
};

// The LCD's window in the picture, where every text of the LCD is drawn;
// the bezel around it is part of the face.
inline constexpr KeyRect kLcdWindow{17, 11, 224, 69};

// The rectangle of key code k: six 35 x 30 keys to a row, 39 px apart across
// and 35 px down, from (5, 92); ENTER (20) is two rows tall. Codes below 1 give
// the empty rectangle.
KeyRect GetKeyRect(int k);

// The key code (1..30) whose rectangle holds the point, lowest code first (so
// the lower half of ENTER gives 20, never 26), or 0.
int KeyFromPoint(int x, int y);

}  // namespace tabrix
