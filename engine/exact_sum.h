// An exact sum of doubles and of products of two doubles: every addition
// is carried out without rounding, in one fixed-point accumulator wide
// enough for the smallest product (2^-2148) and the largest (2^2048) with
// room for 2^63 of them. Adding a number and subtracting it again gives
// back exactly the sum before, and the order of additions never matters.
//
// The accumulator keeps its digits in carry-save form, so that an addition
// touches three of them whatever the size of the sum; its value is read as
// a canonical big integer (Value) when a result is wanted.
#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <span>
#include <vector>

namespace tabrix {

class ExactSum {
public:
    // The place of 2^0: the accumulator holds integers in units of 2^-kUnitBits.
    static constexpr int kUnitBits = 2176;
    static constexpr int kDigitBits = 32;
    static constexpr int kDigits = 136;

    // Adds `sign` (+1 or -1) times v, or times a·b. Finite numbers only.
    void Add(double v, int sign);
    void AddProduct(double a, double b, int sign);

    bool IsZero() const;
    friend bool operator==(const ExactSum& a, const ExactSum& b);

    // The sum as sign and magnitude: the magnitude's 32-bit digits from the
    // lowest that is not zero (`low`, in digits above 2^-kUnitBits) up.
    struct Canonical {
        bool negative = false;
        int low = 0;
        std::vector<std::uint32_t> digits;  // empty for zero
    };
    Canonical Value() const;

    // The canonical form as bytes (u8 negative, u16 low, u16 count, the
    // digits little-endian) and back; nothing for bytes that are no such form
    // or hold more than the accumulator does.
    void AppendBytes(std::vector<std::uint8_t>& out) const;
    static std::optional<ExactSum> FromBytes(std::span<const std::uint8_t>& bytes);

private:
    // Adds `sign` times m·2^position to the digits (m below 2^64).
    void AddAt(std::uint64_t m, int position, int sign);
    // Every digit but the top one in [0, 2^32), the top one signed.
    std::array<std::int64_t, kDigits> Normalized() const;

    std::array<std::int64_t, kDigits> m_digits{};
    // Additions since the digits were last normalized: a digit takes 2^31
    // of them before it could overflow.
    std::uint32_t m_additions = 0;
};

}  // namespace tabrix
