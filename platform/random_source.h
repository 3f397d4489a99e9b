// Standard-library implementations of IRandomSource.
#pragma once

#include <cstdint>
#include <random>

#include "platform/services.h"

namespace tabrix {

// A 32-bit Mersenne Twister. Constructed with a seed it repeats its sequence,
// which the console's --seed option and the tests rely on; UnpredictableSeed()
// gives the seed for ordinary use.
class MersenneRandomSource final : public IRandomSource {
public:
    explicit MersenneRandomSource(std::uint64_t seed);
    std::uint32_t NextUInt32() override;

    // A seed drawn from the operating system's entropy source.
    static std::uint64_t UnpredictableSeed();

private:
    std::mt19937 m_engine;
};

}  // namespace tabrix
