// Test doubles for the engine's services.
#pragma once

#include <cstdint>
#include <deque>

#include "platform/services.h"

namespace tabrix::testing {

// Hands out the numbers it was given, in order, then 0.
class ScriptedRandom final : public IRandomSource {
public:
    void Push(std::uint32_t value) { m_values.push_back(value); }
    std::uint32_t NextUInt32() override {
        if (m_values.empty()) return 0;
        const std::uint32_t value = m_values.front();
        m_values.pop_front();
        return value;
    }

private:
    std::deque<std::uint32_t> m_values;
};

// Counts the About requests.
class CountingShell final : public IShellRequests {
public:
    void RequestAbout() override { ++aboutRequests; }
    int aboutRequests = 0;
};

// Counts the redraw requests.
class CountingView final : public IView {
public:
    void OnUpdate() override { ++updates; }
    int updates = 0;
};

}  // namespace tabrix::testing
