#include "platform/random_source.h"

namespace tabrix {

namespace {
// Feeds both halves of a 64-bit seed into the engine, so that every seed a
// user can give on the command line starts its own sequence.
std::mt19937 MakeEngine(std::uint64_t seed) {
    std::seed_seq sequence{static_cast<std::uint32_t>(seed), static_cast<std::uint32_t>(seed >> 32)};
    return std::mt19937(sequence);
}
}  // namespace

MersenneRandomSource::MersenneRandomSource(std::uint64_t seed) : m_engine(MakeEngine(seed)) {}

std::uint32_t MersenneRandomSource::NextUInt32() {
    // mt19937 yields exactly 32 random bits per call.
    return static_cast<std::uint32_t>(m_engine());
}

std::uint64_t MersenneRandomSource::UnpredictableSeed() {
    std::random_device device;
    return (static_cast<std::uint64_t>(device()) << 32) | device();
}

}  // namespace tabrix
