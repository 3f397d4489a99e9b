#include "engine/integer_word.h"

#include <algorithm>
#include <bit>
#include <cmath>

namespace tabrix {

namespace {

using Unsigned128 = unsigned __int128;

bool TopSet(std::uint64_t bits, WordFormat f) { return (bits & f.TopBit()) != 0; }

// A true result wrapped, its sign and magnitude apart: a product of two
// 64-bit words needs all 128 bits of the magnitude.
WordResult WrapMagnitude(bool negative, Unsigned128 magnitude, WordFormat f) {
    const bool ones = f.sign == SignMode::OnesComplement;
    const Unsigned128 modulus = ones ? Unsigned128{f.Mask()} : Unsigned128{f.Mask()} + 1;
    Unsigned128 r = modulus == 0 ? 0 : magnitude % modulus;
    if (negative && r != 0) r = modulus - r;
    WordResult result{static_cast<std::uint64_t>(r), false, false};
    const WideInt max = f.Max();
    const WideInt min = f.Min();
    if (negative) {
        // -magnitude < min, without forming a value beyond 128 bits.
        result.overflow = magnitude > static_cast<Unsigned128>(-min);
    } else {
        result.overflow = magnitude > static_cast<Unsigned128>(max);
    }
    return result;
}

Unsigned128 Magnitude(WideInt v) { return v < 0 ? static_cast<Unsigned128>(-(v + 1)) + 1 : static_cast<Unsigned128>(v); }

std::uint64_t Ones(int count) { return count >= 64 ? ~std::uint64_t{0} : (std::uint64_t{1} << count) - 1; }

int Clamp(int count) { return std::clamp(count, 0, 65); }

}  // namespace

WideInt WordFormat::Min() const {
    switch (sign) {
        case SignMode::Unsigned: return 0;
        case SignMode::OnesComplement: return -static_cast<WideInt>(TopBit() - 1);
        case SignMode::TwosComplement: break;
    }
    return -static_cast<WideInt>(TopBit());
}

WideInt WordFormat::Max() const {
    return sign == SignMode::Unsigned ? static_cast<WideInt>(Mask()) : static_cast<WideInt>(TopBit() - 1);
}

namespace word {

WideInt ValueOf(std::uint64_t bits, WordFormat f) {
    bits &= f.Mask();
    if (f.sign == SignMode::Unsigned || !TopSet(bits, f)) return static_cast<WideInt>(bits);
    if (f.sign == SignMode::OnesComplement) return -static_cast<WideInt>(~bits & f.Mask());
    return static_cast<WideInt>(bits) - (static_cast<WideInt>(f.Mask()) + 1);
}

WordResult Wrap(WideInt value, WordFormat f) { return WrapMagnitude(value < 0, Magnitude(value), f); }

WordResult Add(std::uint64_t y, std::uint64_t x, WordFormat f) {
    WordResult r = Wrap(ValueOf(y, f) + ValueOf(x, f), f);
    r.carry = Unsigned128{y & f.Mask()} + (x & f.Mask()) > f.Mask();
    return r;
}

WordResult Subtract(std::uint64_t y, std::uint64_t x, WordFormat f) {
    WordResult r = Wrap(ValueOf(y, f) - ValueOf(x, f), f);
    r.carry = (y & f.Mask()) < (x & f.Mask());  // a borrow
    return r;
}

WordResult Multiply(std::uint64_t y, std::uint64_t x, WordFormat f) {
    const WideInt a = ValueOf(y, f);
    const WideInt b = ValueOf(x, f);
    return WrapMagnitude((a < 0) != (b < 0) && a != 0 && b != 0, Magnitude(a) * Magnitude(b), f);
}

std::optional<WordResult> Divide(std::uint64_t y, std::uint64_t x, WordFormat f) {
    const WideInt a = ValueOf(y, f);
    const WideInt b = ValueOf(x, f);
    if (b == 0) return std::nullopt;
    WordResult r = Wrap(a / b, f);  // C++ truncates toward zero
    r.carry = a % b != 0;
    return r;
}

std::optional<WordResult> Remainder(std::uint64_t y, std::uint64_t x, WordFormat f) {
    const WideInt b = ValueOf(x, f);
    if (b == 0) return std::nullopt;
    WordResult r = Wrap(ValueOf(y, f) % b, f);
    r.overflow = false;
    return r;
}

WordResult Negate(std::uint64_t x, WordFormat f) { return Wrap(-ValueOf(x, f), f); }

WordResult And(std::uint64_t y, std::uint64_t x, WordFormat f) { return {y & x & f.Mask()}; }
WordResult Or(std::uint64_t y, std::uint64_t x, WordFormat f) { return {(y | x) & f.Mask()}; }
WordResult Xor(std::uint64_t y, std::uint64_t x, WordFormat f) { return {(y ^ x) & f.Mask()}; }
WordResult Not(std::uint64_t x, WordFormat f) { return {~x & f.Mask()}; }

WordResult ShiftLeft(std::uint64_t x, int count, WordFormat f) {
    x &= f.Mask();
    count = Clamp(count);
    WordResult r;
    r.word = count >= f.size ? 0 : (x << count) & f.Mask();
    if (count >= 1 && count <= f.size) r.carry = ((x >> (f.size - count)) & 1) != 0;
    return r;
}

WordResult ShiftRight(std::uint64_t x, int count, WordFormat f) {
    x &= f.Mask();
    count = Clamp(count);
    WordResult r;
    r.word = count >= 64 ? 0 : x >> count;
    if (count >= 1 && count <= f.size) r.carry = ((x >> (count - 1)) & 1) != 0;
    return r;
}

WordResult ShiftArithmetic(std::uint64_t x, int count, WordFormat f) {
    x &= f.Mask();
    count = Clamp(count);
    const bool top = TopSet(x, f);
    if (count == 0) return {x};
    if (count > f.size) return {top ? f.Mask() : 0, top};
    WordResult r = ShiftRight(x, count, f);
    // The vacated high bits take the top bit.
    if (top) r.word |= f.Mask() & ~(count >= f.size ? 0 : f.Mask() >> count);
    return r;
}

WordResult RotateLeft(std::uint64_t x, int count, WordFormat f) {
    x &= f.Mask();
    if (count <= 0) return {x};
    const int n = count % f.size;
    const std::uint64_t word = n == 0 ? x : ((x << n) | (x >> (f.size - n))) & f.Mask();
    return {word, (word & 1) != 0};
}

WordResult RotateRight(std::uint64_t x, int count, WordFormat f) {
    x &= f.Mask();
    if (count <= 0) return {x};
    const int n = count % f.size;
    const std::uint64_t word = n == 0 ? x : ((x >> n) | (x << (f.size - n))) & f.Mask();
    return {word, TopSet(word, f)};
}

WordResult MaskLeft(int count, WordFormat f) {
    const int n = std::clamp(count, 0, f.size);
    return {n == 0 ? 0 : Ones(n) << (f.size - n)};
}

WordResult MaskRight(int count, WordFormat f) { return {Ones(std::clamp(count, 0, f.size))}; }

WordResult BitCount(std::uint64_t x, WordFormat f) { return Wrap(std::popcount(x & f.Mask()), f); }

Justified LeftJustify(std::uint64_t x, WordFormat f) {
    x &= f.Mask();
    if (x == 0) return {0, Wrap(0, f)};
    const int places = std::countl_zero(x) - (64 - f.size);
    return {x << places, Wrap(places, f)};
}

std::uint64_t Resize(std::uint64_t x, WordFormat from, int size) {
    x &= from.Mask();
    const WordFormat to{size, from.sign};
    if (size <= from.size || from.sign == SignMode::Unsigned || !TopSet(x, from)) return x & to.Mask();
    return (x | ~from.Mask()) & to.Mask();
}

WordResult FromDouble(double value, WordFormat f) {
    if (std::isnan(value)) return {};
    const double t = std::trunc(value);
    // Beyond 2^64 nothing fits any word: saturate before converting.
    if (t >= 18446744073709551616.0) return {static_cast<std::uint64_t>(Wrap(f.Max(), f).word), false, true};
    if (t <= -18446744073709551616.0) return {Wrap(f.Min(), f).word, false, true};
    const WideInt v = t < 0 ? -static_cast<WideInt>(static_cast<std::uint64_t>(-t)) : static_cast<WideInt>(static_cast<std::uint64_t>(t));
    if (v > f.Max()) return {Wrap(f.Max(), f).word, false, true};
    if (v < f.Min()) return {Wrap(f.Min(), f).word, false, true};
    return {Wrap(v, f).word};
}

double ToDouble(std::uint64_t bits, WordFormat f) {
    bits &= f.Mask();
    if (f.sign == SignMode::OnesComplement && bits == f.Mask() && TopSet(bits, f)) return -0.0;
    const WideInt v = ValueOf(bits, f);
    // A word's magnitude is at most 2^64 - 1: one conversion, one rounding.
    const double d = static_cast<double>(static_cast<std::uint64_t>(Magnitude(v)));
    return v < 0 ? -d : d;
}

int DigitValue(char c, int base) {
    int v = -1;
    if (c >= '0' && c <= '9') v = c - '0';
    if (c >= 'A' && c <= 'F') v = c - 'A' + 10;
    if (c >= 'a' && c <= 'f') v = c - 'a' + 10;
    return v < base ? v : -1;
}

std::string Text(std::uint64_t bits, WordFormat f, int base) {
    bits &= f.Mask();
    bool negative = false;
    Unsigned128 m = bits;
    if (base == 10 && f.sign != SignMode::Unsigned && TopSet(bits, f)) {
        negative = true;
        m = Magnitude(ValueOf(bits, f));
    }
    if (base != 2 && base != 8 && base != 10 && base != 16) base = 10;
    std::string text;
    do {
        text += "0123456789ABCDEF"[static_cast<int>(m % static_cast<unsigned>(base))];
        m /= static_cast<unsigned>(base);
    } while (m != 0);
    if (negative) text += '-';
    std::reverse(text.begin(), text.end());
    return text;
}

std::optional<std::uint64_t> ParseDigits(std::string_view digits, int base) {
    if (digits.empty()) return std::nullopt;
    Unsigned128 value = 0;
    for (const char c : digits) {
        const int d = DigitValue(c, base);
        if (d < 0) return std::nullopt;
        value = value * static_cast<unsigned>(base) + static_cast<unsigned>(d);
        if (value > ~std::uint64_t{0}) return std::nullopt;
    }
    return static_cast<std::uint64_t>(value);
}

std::optional<Literal> ParseLiteral(std::string_view text) {
    if (text.size() < 3 || text[0] != '0') return std::nullopt;
    int base = 0;
    switch (text[1]) {
        case 'x': case 'X': base = 16; break;
        case 'o': case 'O': base = 8; break;
        case 'b': case 'B': base = 2; break;
        default: return std::nullopt;
    }
    const std::optional<std::uint64_t> bits = ParseDigits(text.substr(2), base);
    if (!bits) return std::nullopt;
    return Literal{base, *bits};
}

}  // namespace word
}  // namespace tabrix
