// Services the calculator engine asks of whoever runs it. The engine owns no
// window, clock or entropy of its own; the desktop program, the console front
// end and the tests each pass in their own implementations.
#pragma once

#include <cstdint>

namespace tabrix {

// Source of the RAN# key's numbers.
// Called by the engine once per RAN# key, on the thread that executes keys.
// It cannot fail: an implementation always returns a number.
class IRandomSource {
public:
    virtual ~IRandomSource() = default;
    // A fresh pseudo-random number, uniformly spread over the whole 32-bit range.
    virtual std::uint32_t NextUInt32() = 0;
};

// Requests the engine makes of the program's shell.
// Called by the engine while it executes a key; the shell may act at once or
// queue the request. Nothing is returned and the engine changes no state for it.
class IShellRequests {
public:
    virtual ~IShellRequests() = default;
    // The ? key: show the About box (the same as the Help menu's About item).
    virtual void RequestAbout() = 0;
    // A key was refused (a digit outside the base): a click, where the shell has one.
    virtual void RequestClick() {}
};

// A view of the calculator that repaints itself when the document changes.
// Registered with CTabrixDoc::AddView; called by UpdateAllViews after every
// change that the user should see. Must not change the document.
class IView {
public:
    virtual ~IView() = default;
    virtual void OnUpdate() = 0;
};

}  // namespace tabrix
