// The random source of RAN# as the tape and a replayed tape need it: it
// tells which number the last RAN# drew, so that the tape can write it down,
// and it can be given the number the next RAN# is to draw, so that the tape
// replays exactly. Other numbers come from the source it wraps.
#pragma once

#include <cstdint>
#include <deque>
#include <vector>

#include "platform/services.h"

namespace tabrix {

class RandomDraws final : public IRandomSource {
public:
    explicit RandomDraws(IRandomSource& source) : m_source(&source) {}

    std::uint32_t NextUInt32() override {
        if (m_queued.empty()) {
            m_last = m_source->NextUInt32();
        } else {
            m_last = m_queued.front();
            m_queued.pop_front();
        }
        ++m_count;
        if (m_log != nullptr) m_log->push_back(m_last);
        return m_last;
    }

    // The next RAN# draws `number` (after any given before it).
    void Queue(std::uint32_t number) { m_queued.push_back(number); }
    // How many numbers were drawn so far, and the last of them.
    std::uint64_t Count() const { return m_count; }
    std::uint32_t Last() const { return m_last; }
    IRandomSource& Source() const { return *m_source; }
    // Every number drawn from now on is added to `log` too, until LogInto(nullptr).
    void LogInto(std::vector<std::uint32_t>* log) { m_log = log; }

private:
    IRandomSource* m_source;
    std::deque<std::uint32_t> m_queued;
    std::uint64_t m_count = 0;
    std::uint32_t m_last = 0;
    std::vector<std::uint32_t>* m_log = nullptr;
};

}  // namespace tabrix
