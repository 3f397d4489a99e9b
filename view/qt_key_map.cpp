#include "view/qt_key_map.h"

#include <QKeyEvent>

#include "engine/key_codes.h"

namespace tabrix {

namespace {

// X11 key codes of the top-row digit keys 1..9, 0 (the physical keys, whatever
// Shift makes of them).
constexpr quint32 kX11TopRowOne = 10;
constexpr quint32 kX11TopRowZero = 19;

}  // namespace

std::uint32_t VirtualKeyOf(const QKeyEvent& event) {
    const int key = event.key();
    const bool keypad = event.modifiers().testFlag(Qt::KeypadModifier);

    if (keypad) {
        if (key >= Qt::Key_0 && key <= Qt::Key_9) return vk::kNumpad0 + static_cast<std::uint32_t>(key - Qt::Key_0);
        switch (key) {
            case Qt::Key_Plus: return vk::kAdd;
            case Qt::Key_Minus: return vk::kSubtract;
            case Qt::Key_Asterisk: return vk::kMultiply;
            case Qt::Key_Slash: return vk::kDivide;
            case Qt::Key_Period:
            case Qt::Key_Comma: return vk::kDecimal;  // the keypad's separator key in many layouts
            case Qt::Key_Enter: return vk::kReturn;
            case Qt::Key_Delete: return vk::kDelete;
            default: return 0;
        }
    }

    const quint32 scanCode = event.nativeScanCode();
    if (scanCode >= kX11TopRowOne && scanCode <= kX11TopRowZero) {
        return scanCode == kX11TopRowZero ? vk::kDigit0 : vk::kDigit0 + (scanCode - kX11TopRowOne + 1);
    }
    if (key >= Qt::Key_0 && key <= Qt::Key_9) return vk::kDigit0 + static_cast<std::uint32_t>(key - Qt::Key_0);
    switch (key) {
        case Qt::Key_Return:
        case Qt::Key_Enter: return vk::kReturn;
        case Qt::Key_F: return vk::kLetterF;
        case Qt::Key_E: return vk::kLetterE;
        case Qt::Key_Period: return vk::kOemPeriod;
        case Qt::Key_Backspace: return vk::kBack;
        case Qt::Key_Space: return vk::kSpace;
        case Qt::Key_Delete: return vk::kDelete;
        case Qt::Key_Escape: return vk::kEscape;
        default: return 0;
    }
}

}  // namespace tabrix
