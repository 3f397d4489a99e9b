// Words of integer mode: a bit pattern of 1 to 64 bits, read as unsigned,
// ones' complement or two's complement. Every operation works on the exact
// value (in 128 bits), wraps the result into the word and says whether it
// carried and whether the true result did not fit. Nothing here knows the
// stack: the calculator keeps one word beside each of its numbers.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace tabrix {

enum class SignMode : std::uint8_t { Unsigned, OnesComplement, TwosComplement };

// A value wider than any word, or a result before it is wrapped.
using WideInt = __int128;

struct WordFormat {
    int size = 64;  // bits, 1 to 64
    SignMode sign = SignMode::TwosComplement;

    std::uint64_t Mask() const { return size >= 64 ? ~std::uint64_t{0} : (std::uint64_t{1} << size) - 1; }
    std::uint64_t TopBit() const { return std::uint64_t{1} << (size - 1); }
    WideInt Min() const;
    WideInt Max() const;
    bool Fits(WideInt value) const { return value >= Min() && value <= Max(); }
};

struct WordResult {
    std::uint64_t word = 0;
    bool carry = false;
    bool overflow = false;  // the true result lies outside the word's range
};

namespace word {

// What the bits mean in the format (ones' complement all-ones is -0, value 0).
WideInt ValueOf(std::uint64_t bits, WordFormat format);
// The value wrapped into the word: modulo 2^size, or 2^size - 1 in ones' complement.
WordResult Wrap(WideInt value, WordFormat format);

WordResult Add(std::uint64_t y, std::uint64_t x, WordFormat format);
WordResult Subtract(std::uint64_t y, std::uint64_t x, WordFormat format);
WordResult Multiply(std::uint64_t y, std::uint64_t x, WordFormat format);
// Truncated toward zero; carry when there is a remainder. None for x = 0.
std::optional<WordResult> Divide(std::uint64_t y, std::uint64_t x, WordFormat format);
// With the sign of the dividend. None for x = 0.
std::optional<WordResult> Remainder(std::uint64_t y, std::uint64_t x, WordFormat format);
WordResult Negate(std::uint64_t x, WordFormat format);

WordResult And(std::uint64_t y, std::uint64_t x, WordFormat format);
WordResult Or(std::uint64_t y, std::uint64_t x, WordFormat format);
WordResult Xor(std::uint64_t y, std::uint64_t x, WordFormat format);
WordResult Not(std::uint64_t x, WordFormat format);

// Shifts and rotates by `count` places; carry is the last bit out (for a
// rotate, the last bit carried round).
WordResult ShiftLeft(std::uint64_t x, int count, WordFormat format);
WordResult ShiftRight(std::uint64_t x, int count, WordFormat format);
WordResult ShiftArithmetic(std::uint64_t x, int count, WordFormat format);
WordResult RotateLeft(std::uint64_t x, int count, WordFormat format);
WordResult RotateRight(std::uint64_t x, int count, WordFormat format);

// `count` ones at the top or the bottom of the word.
WordResult MaskLeft(int count, WordFormat format);
WordResult MaskRight(int count, WordFormat format);
// The number of 1 bits, as a word.
WordResult BitCount(std::uint64_t x, WordFormat format);
// x shifted left until its top bit is set, and the places it moved (as a word).
struct Justified {
    std::uint64_t word = 0;
    WordResult places;
};
Justified LeftJustify(std::uint64_t x, WordFormat format);

// The word in another size: the low bits kept, or extended with copies of
// the top bit (zeros when unsigned), so that a value that fits is kept.
std::uint64_t Resize(std::uint64_t x, WordFormat from, int size);

// A number on entering integer mode: truncated toward zero, saturated to
// the word's range (overflow then); NaN is 0.
WordResult FromDouble(double value, WordFormat format);
// The word's value as the nearest double (-0 for ones' complement all-ones).
double ToDouble(std::uint64_t bits, WordFormat format);

// The word in base 2, 8, 10 or 16: the bits as digits (upper-case), or in
// base 10 the value with a leading '-' when negative.
std::string Text(std::uint64_t bits, WordFormat format, int base);
// Digits in `base` (either case), as an unsigned number: none for an empty
// text, a digit outside the base, or more than 64 bits.
std::optional<std::uint64_t> ParseDigits(std::string_view digits, int base);
// "0x1F", "0o17", "0b1011" (prefix in either case): the base and the digits'
// number; none for anything else.
struct Literal {
    int base = 0;
    std::uint64_t bits = 0;
};
std::optional<Literal> ParseLiteral(std::string_view text);
// The value of a digit character in `base`, or -1.
int DigitValue(char c, int base);

}  // namespace word
}  // namespace tabrix
