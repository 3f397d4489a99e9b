// The calculator picture's layout and colours, as plain numbers: where the
// LCD's texts stand and in which fonts, the bezel, the keys' colours. The
// desktop's painters draw with them, and the web page's face is made from
// them at build time. No toolkit.
#pragma once

#include <cstdint>

#include "view/key_labels.h"
#include "view/keypad_geometry.h"

namespace tabrix::face {

struct Rgb {
    std::uint8_t r, g, b;
};

// The LCD's panel: the white bezel, and the window (kLcdWindow) in the LCD colour.
inline constexpr KeyRect kBezel{7, 4, 233, 74};
inline constexpr Rgb kLcd{180, 241, 235};
inline constexpr Rgb kBezelColor{252, 254, 255};
inline constexpr Rgb kLcdText{0, 0, 0};
inline constexpr Rgb kLcdStack{128, 128, 128};
inline constexpr Rgb kShiftedLabel{211, 211, 42};

// A text of the LCD: its cell's top left corner, and its font.
struct Font {
    const char* family;
    int cellHeight;  // ascent + descent, in picture pixels
    int weight;      // CSS weights: 100 thin, 200 extra light, 700 bold
};
inline constexpr Font kMainLineFont{"Liberation Sans Narrow", 26, 200};
inline constexpr Font kStackFont{"DejaVu Sans", 11, 100};
inline constexpr Font kIndicatorFont{"DejaVu Sans", 14, 100};

// The main line: one cell of kMainLineStep pixels for each character from
// kMainLineLeft; the point is drawn kPointOffset into the cell it follows,
// and a minus sign kMinusOffset into its own.
inline constexpr int kMainLineLeft = 28;
inline constexpr int kMainLineStep = 17;
inline constexpr int kMainLineTop = 11;
inline constexpr int kPointOffset = 11;
inline constexpr int kMinusOffset = 5;

struct Place {
    int x, y;
};
inline constexpr Place kStackY{92, 37};
inline constexpr Place kStackZ{92, 47};
inline constexpr Place kStackT{92, 57};
inline constexpr Place kAngle{190, 45};
inline constexpr Place kFormat{190, 57};
inline constexpr Place kShiftIndicator{24, 52};
inline constexpr Place kPrefixIndicator{45, 52};
inline constexpr Place kStatisticsIndicator{24, 36};

// The keys' colours by family, resting and lit (pressed), and their labels'.
struct KeyColors {
    Rgb resting, lit, text;
};
constexpr KeyColors ColorsOf(KeyFamily family) {
    switch (family) {
        case KeyFamily::Digit: return {{44, 44, 252}, {132, 132, 255}, {255, 255, 255}};
        case KeyFamily::Shift: return {{247, 247, 44}, {255, 255, 133}, {0, 0, 0}};
        case KeyFamily::Function: break;
    }
    return {{93, 93, 91}, {213, 213, 210}, {255, 255, 255}};
}

// The keys' labels: bold, a lone digit larger, a long label smaller; ENTER's
// letters one above the other. The shifted labels stand in a band of
// kShiftedBand pixels above their key.
inline constexpr const char* kLabelFamily = "DejaVu Sans";
inline constexpr int kDigitLabelSize = 15;
inline constexpr int kShortLabelSize = 13;
inline constexpr int kLongLabelSize = 10;
inline constexpr int kShiftedBand = 5;

}  // namespace tabrix::face
