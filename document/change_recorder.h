// What runs the user's keys on the calculator, so that they can be taken
// back (undo) and written down (the tape).
#pragma once

#include <cstdint>
#include <functional>

namespace tabrix {

// A key the user pressed on the picture, or released on the keyboard.
struct UserKey {
    enum class Kind { Keypad, Keyboard };
    Kind kind;
    std::uint32_t code;  // Keypad: the key code ExecuteKey runs; Keyboard: the virtual-key code
};

// Called by the view for every key it executes, with `change` doing it; an
// implementation runs `change` once, remembering what it needs around it.
class IChangeRecorder {
public:
    virtual ~IChangeRecorder() = default;
    virtual void RecordKey(const UserKey& key, const std::function<void()>& change) = 0;
};

}  // namespace tabrix
