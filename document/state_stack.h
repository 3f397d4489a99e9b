// A bounded stack of calculator states for undo and redo. Its slots are
// reused, and a slot's strings keep their storage, so that once the stack has
// grown a push copies a state without allocating. One slot more than the
// capacity is kept, so that a state can be pushed before it is known whether
// it is wanted: Pop takes it back, DropBeyondCapacity keeps it and lets the
// oldest go.
#pragma once

#include <cstddef>
#include <vector>

#include "engine/calculator_state.h"

namespace tabrix {

class StateStack {
public:
    explicit StateStack(std::size_t capacity) : m_capacity(capacity == 0 ? 1 : capacity) {}

    // The slot for a new newest state, to be filled by the caller.
    CalculatorState& PushSlot() {
        if (m_size == m_capacity + 1) DropOldest();
        const std::size_t index = (m_first + m_size++) % (m_capacity + 1);
        if (index == m_slots.size()) m_slots.emplace_back();
        return m_slots[index];
    }
    // The oldest states beyond the capacity are forgotten.
    void DropBeyondCapacity() {
        while (m_size > m_capacity) DropOldest();
    }
    CalculatorState& Top() { return m_slots[(m_first + m_size - 1) % (m_capacity + 1)]; }
    void Pop() { --m_size; }
    void Clear() { m_size = 0; }
    bool Empty() const { return m_size == 0; }
    std::size_t Size() const { return m_size; }

private:
    void DropOldest() {
        m_first = (m_first + 1) % (m_capacity + 1);
        --m_size;
    }

    std::vector<CalculatorState> m_slots;
    std::size_t m_capacity;
    std::size_t m_first = 0;  // the oldest state's slot
    std::size_t m_size = 0;
};

}  // namespace tabrix
