#include "engine/exact_sum.h"

#include <cstring>

namespace tabrix {

namespace {

constexpr std::int64_t kDigitMask = 0xFFFFFFFF;
constexpr std::uint32_t kNormalizeEvery = 1U << 30;

// A finite double as m·2^exponent with m a whole number below 2^53.
struct Parts {
    std::uint64_t m;
    int exponent;
};
Parts PartsOf(double v) {
    std::uint64_t bits = 0;
    std::memcpy(&bits, &v, sizeof bits);
    const auto field = static_cast<int>((bits >> 52) & 0x7FF);
    const std::uint64_t fraction = bits & ((std::uint64_t{1} << 52) - 1);
    if (field == 0) return {fraction, -1074};
    return {fraction | (std::uint64_t{1} << 52), field - 1075};
}

int SignOf(double v, int sign) { return v < 0 ? -sign : sign; }

}  // namespace

void ExactSum::AddAt(std::uint64_t m, int position, int sign) {
    if (m == 0) return;
    const auto index = static_cast<std::size_t>(position / kDigitBits);
    const unsigned __int128 shifted = static_cast<unsigned __int128>(m) << (position % kDigitBits);
    const auto low = static_cast<std::int64_t>(static_cast<std::uint64_t>(shifted) & kDigitMask);
    const auto middle = static_cast<std::int64_t>(static_cast<std::uint64_t>(shifted >> 32) & kDigitMask);
    const auto high = static_cast<std::int64_t>(static_cast<std::uint64_t>(shifted >> 64));
    m_digits[index] += sign * low;
    m_digits[index + 1] += sign * middle;
    if (high != 0) m_digits[index + 2] += sign * high;
    if (++m_additions >= kNormalizeEvery) {
        m_digits = Normalized();
        m_additions = 0;
    }
}

void ExactSum::Add(double v, int sign) {
    const Parts p = PartsOf(v);
    AddAt(p.m, p.exponent + kUnitBits, SignOf(v, sign));
}

void ExactSum::AddProduct(double a, double b, int sign) {
    const Parts pa = PartsOf(a);
    const Parts pb = PartsOf(b);
    const unsigned __int128 product = static_cast<unsigned __int128>(pa.m) * pb.m;
    const int position = pa.exponent + pb.exponent + kUnitBits;
    const int s = SignOf(a, SignOf(b, sign));
    AddAt(static_cast<std::uint64_t>(product), position, s);
    AddAt(static_cast<std::uint64_t>(product >> 64), position + 64, s);
}

std::array<std::int64_t, ExactSum::kDigits> ExactSum::Normalized() const {
    std::array<std::int64_t, kDigits> out{};
    std::int64_t carry = 0;
    for (std::size_t i = 0; i + 1 < kDigits; ++i) {
        const std::int64_t t = m_digits[i] + carry;
        out[i] = t & kDigitMask;
        carry = t >> kDigitBits;  // arithmetic: a negative digit borrows
    }
    out[kDigits - 1] = m_digits[kDigits - 1] + carry;
    return out;
}

bool ExactSum::IsZero() const {
    const auto digits = Normalized();
    for (const std::int64_t d : digits) {
        if (d != 0) return false;
    }
    return true;
}

bool operator==(const ExactSum& a, const ExactSum& b) { return a.Normalized() == b.Normalized(); }

ExactSum::Canonical ExactSum::Value() const {
    Canonical value;
    auto digits = Normalized();
    if (digits[kDigits - 1] < 0) {
        // The magnitude of a negative sum: its digits negated, carried again.
        value.negative = true;
        ExactSum negated;
        for (std::size_t i = 0; i < kDigits; ++i) negated.m_digits[i] = -digits[i];
        digits = negated.Normalized();
    }
    std::size_t low = 0;
    while (low < kDigits && digits[low] == 0) ++low;
    std::size_t high = kDigits;
    while (high > low && digits[high - 1] == 0) --high;
    value.low = static_cast<int>(low);
    for (std::size_t i = low; i < high; ++i) value.digits.push_back(static_cast<std::uint32_t>(digits[i]));
    if (value.digits.empty()) value.negative = false;
    return value;
}

void ExactSum::AppendBytes(std::vector<std::uint8_t>& out) const {
    const Canonical value = Value();
    const auto put = [&out](std::uint64_t v, int bytes) {
        for (int i = 0; i < bytes; ++i) out.push_back(static_cast<std::uint8_t>(v >> (8 * i)));
    };
    put(value.negative ? 1 : 0, 1);
    put(static_cast<std::uint64_t>(value.low), 2);
    put(value.digits.size(), 2);
    for (const std::uint32_t digit : value.digits) put(digit, 4);
}

std::optional<ExactSum> ExactSum::FromBytes(std::span<const std::uint8_t>& bytes) {
    const auto take = [&bytes](int count) -> std::optional<std::uint64_t> {
        if (bytes.size() < static_cast<std::size_t>(count)) return std::nullopt;
        std::uint64_t v = 0;
        for (int i = 0; i < count; ++i) v |= std::uint64_t{bytes[static_cast<std::size_t>(i)]} << (8 * i);
        bytes = bytes.subspan(static_cast<std::size_t>(count));
        return v;
    };
    const auto negative = take(1);
    const auto low = take(2);
    const auto count = take(2);
    if (!negative || !low || !count || *negative > 1 || *low + *count > kDigits) return std::nullopt;
    // The top digit keeps the sign: a magnitude reaching it is no sum of this accumulator.
    if (*count != 0 && *low + *count == kDigits) return std::nullopt;
    ExactSum sum;
    const int sign = *negative != 0 ? -1 : 1;
    for (std::uint64_t i = 0; i < *count; ++i) {
        const auto digit = take(4);
        if (!digit) return std::nullopt;
        const bool end = i == 0 || i + 1 == *count;
        if (end && *digit == 0) return std::nullopt;  // not canonical
        sum.m_digits[*low + i] = sign * static_cast<std::int64_t>(*digit);
    }
    if (*count == 0 && *negative != 0) return std::nullopt;
    return sum;
}

}  // namespace tabrix
