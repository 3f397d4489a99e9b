#include "view/keypad_geometry.h"

#include "engine/key_codes.h"

namespace tabrix {

KeyRect GetKeyRect(int k) {
    if (k < 1) return {};
    const int row = k <= 6 ? 0 : (k - 7) / 6 + 1;
    const int column = k - 6 * row;
    KeyRect rect{39 * column - 34, 35 * row + 92, 39 * column + 1, 35 * row + 122};
    if (k == static_cast<int>(keys::kEnter)) rect.bottom = 35 * row + 157;
    return rect;
}

int KeyFromPoint(int x, int y) {
    for (int k = static_cast<int>(keys::kFirstKey); k <= static_cast<int>(keys::kLastKey); ++k) {
        if (GetKeyRect(k).Contains(x, y)) return k;
    }
    return 0;
}

}  // namespace tabrix
