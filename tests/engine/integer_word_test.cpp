// Word arithmetic against Python's unbounded integers: for every word size
// 1 to 64 and every sign mode, each operation on the same edge and random
// words as integer_word_reference.py, compared by a digest of all results
// and case by case.
#include <gtest/gtest.h>

#include <bit>
#include <cmath>
#include <cstring>
#include <limits>
#include <string>
#include <string_view>
#include <vector>

#include "engine/integer_word.h"

namespace tabrix {
namespace {

struct WordDigest {
    int size;
    int sign;
    const char* op;
    std::uint64_t digest;
};

struct WordCase {
    int size;
    int sign;
    const char* op;
    std::uint64_t y, x;
    int n;
    double d;
    std::uint64_t word, word2;
    int carry, overflow, error;
};

constexpr double kNaN = std::numeric_limits<double>::quiet_NaN();
constexpr double kInf = std::numeric_limits<double>::infinity();

#include "tests/engine/integer_word_table.inc"

struct Result {
    std::uint64_t word = 0;
    bool carry = false, overflow = false, error = false;
    std::uint64_t word2 = 0;
};

Result From(const WordResult& r) { return {r.word, r.carry, r.overflow}; }
Result From(const std::optional<WordResult>& r, std::uint64_t y) { return r ? From(*r) : Result{y, false, false, true}; }

Result Apply(std::string_view op, WordFormat f, std::uint64_t y, std::uint64_t x, int n, double d) {
    using namespace word;
    if (op == "add") return From(Add(y, x, f));
    if (op == "sub") return From(Subtract(y, x, f));
    if (op == "mul") return From(Multiply(y, x, f));
    if (op == "div") return From(Divide(y, x, f), y);
    if (op == "rmd") return From(Remainder(y, x, f), y);
    if (op == "and") return From(And(y, x, f));
    if (op == "or") return From(Or(y, x, f));
    if (op == "xor") return From(Xor(y, x, f));
    if (op == "not") return From(Not(x, f));
    if (op == "neg") return From(Negate(x, f));
    if (op == "sl") return From(ShiftLeft(x, n, f));
    if (op == "sr") return From(ShiftRight(x, n, f));
    if (op == "asr") return From(ShiftArithmetic(x, n, f));
    if (op == "rl") return From(RotateLeft(x, n, f));
    if (op == "rr") return From(RotateRight(x, n, f));
    if (op == "maskl") return From(MaskLeft(n, f));
    if (op == "maskr") return From(MaskRight(n, f));
    if (op == "bits") return From(BitCount(x, f));
    if (op == "lj") {
        const Justified j = LeftJustify(x, f);
        Result r = From(j.places);
        r.word2 = j.word;
        return r;
    }
    if (op == "resize") return {Resize(x, f, n)};
    if (op == "fromdouble") return From(FromDouble(d, f));
    ADD_FAILURE() << "no operation " << op;
    return {};
}

struct Fnv {
    std::uint64_t h = 0xcbf29ce484222325ULL;
    void Byte(std::uint8_t b) { h = (h ^ b) * 0x100000001b3ULL; }
    void Word(std::uint64_t w) {
        for (int i = 0; i < 8; ++i) Byte(static_cast<std::uint8_t>(w >> (8 * i)));
    }
};

std::uint64_t SplitMix(std::uint64_t& state) {
    state += 0x9E3779B97F4A7C15ULL;
    std::uint64_t z = state;
    z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ULL;
    z = (z ^ (z >> 27)) * 0x94D049BB133111EBULL;
    return z ^ (z >> 31);
}

// The edge words (0, 1, 2, all ones, the top bit, below it, the largest and
// smallest values) and four random ones, each masked to the word.
std::vector<std::uint64_t> Operands(WordFormat f) {
    std::uint64_t state = static_cast<std::uint64_t>(f.size) * 1000003 + static_cast<std::uint64_t>(f.sign) * 7919;
    std::vector<std::uint64_t> e = {0, 1, 2, f.Mask(), f.TopBit(), f.TopBit() - 1, word::Wrap(f.Max(), f).word,
                                    word::Wrap(f.Min(), f).word};
    for (int i = 0; i < 4; ++i) e.push_back(SplitMix(state));
    for (std::uint64_t& w : e) w &= f.Mask();
    return e;
}

std::vector<int> Counts(std::string_view op, int size) {
    if (op == "sl" || op == "sr" || op == "asr" || op == "rl" || op == "rr") return {0, 1, 2, 3, size - 1, size, size + 1, 63, 64};
    if (op == "maskl" || op == "maskr") return {0, 1, size - 1, size, 64};
    if (op == "resize") return {1, 8, 16, 31, 32, 33, 63, 64};
    return {0};
}

std::vector<double> Doubles(int size) {
    const double p = std::ldexp(1.0, size - 1);
    const double q = std::ldexp(1.0, size);
    return {0.0, -0.0, 0.5, -0.5, 1.0, -1.0, 1.9, -1.9, p, -p, q, -q, q - 1, 1e30, -1e30, 123456789.75,
            -123456789.75, kNaN, kInf, -kInf, 18446744073709549568.0, 9007199254740993.0};
}

bool Binary(std::string_view op) {
    return op == "add" || op == "sub" || op == "mul" || op == "div" || op == "rmd" || op == "and" || op == "or" ||
           op == "xor";
}

std::uint64_t Digest(std::string_view op, WordFormat f) {
    const std::vector<std::uint64_t> e = Operands(f);
    Fnv fnv;
    if (op == "todouble") {
        for (const std::uint64_t x : e) fnv.Word(std::bit_cast<std::uint64_t>(word::ToDouble(x, f)));
        return fnv.h;
    }
    const auto add = [&](const Result& r) {
        fnv.Word(r.word);
        fnv.Byte(static_cast<std::uint8_t>(r.carry | (r.overflow << 1) | (r.error << 2)));
        if (op == "lj") fnv.Word(r.word2);
    };
    if (op == "fromdouble") {
        for (const double d : Doubles(f.size)) add(Apply(op, f, 0, 0, 0, d));
    } else if (op == "maskl" || op == "maskr") {
        for (const int n : Counts(op, f.size)) add(Apply(op, f, 0, 0, n, 0));
    } else {
        const std::vector<std::uint64_t> ys = Binary(op) ? e : std::vector<std::uint64_t>{0};
        for (const std::uint64_t y : ys) {
            for (const std::uint64_t x : e) {
                for (const int n : Counts(op, f.size)) add(Apply(op, f, y, x, n, 0));
            }
        }
    }
    return fnv.h;
}

TEST(IntegerWord, EveryOperationInEveryWordSizeAndSignModeAgreesWithArbitraryPrecision) {
    ASSERT_EQ(std::size(kWordDigests), 64u * 3u * 22u);
    int failures = 0;
    for (const WordDigest& row : kWordDigests) {
        const WordFormat f{row.size, static_cast<SignMode>(row.sign)};
        if (Digest(row.op, f) != row.digest && ++failures <= 20) {
            ADD_FAILURE() << row.op << " in " << row.size << " bits, sign mode " << row.sign;
        }
    }
    EXPECT_EQ(failures, 0);
}

TEST(IntegerWord, EachCaseGivesItsWordAndAnnunciators) {
    int failures = 0;
    for (const WordCase& c : kWordCases) {
        const WordFormat f{c.size, static_cast<SignMode>(c.sign)};
        const Result r = Apply(c.op, f, c.y, c.x, c.n, c.d);
        const bool same = r.word == c.word && r.carry == (c.carry != 0) && r.overflow == (c.overflow != 0) &&
                          r.error == (c.error != 0) && r.word2 == c.word2;
        if (!same && ++failures <= 20) {
            ADD_FAILURE() << c.op << " in " << c.size << " bits, sign " << c.sign << ": y=" << c.y << " x=" << c.x
                          << " n=" << c.n << " d=" << c.d << " gave " << r.word << " C" << r.carry << " G"
                          << r.overflow << " E" << r.error << ", expected " << c.word << " C" << c.carry << " G"
                          << c.overflow << " E" << c.error;
        }
    }
    EXPECT_EQ(failures, 0);
}

TEST(IntegerWord, TextsAndLiteralsInEveryBase) {
    const WordFormat u64{64, SignMode::Unsigned};
    const WordFormat s8{8, SignMode::TwosComplement};
    const WordFormat o8{8, SignMode::OnesComplement};
    const struct {
        std::uint64_t bits;
        WordFormat format;
        int base;
        const char* text;
    } rows[] = {
        {~0ULL, u64, 10, "18446744073709551615"}, {~0ULL, u64, 16, "FFFFFFFFFFFFFFFF"},
        {~0ULL, u64, 8, "1777777777777777777777"}, {0x8000000000000000ULL, {64, SignMode::TwosComplement}, 10, "-9223372036854775808"},
        {0xFF, s8, 10, "-1"}, {0xFF, s8, 16, "FF"}, {0x80, s8, 2, "10000000"}, {0xFF, o8, 10, "-0"},
        {0xFE, o8, 10, "-1"}, {0, s8, 16, "0"}, {0x1FF, s8, 16, "FF"},  // bits beyond the word are not shown
    };
    for (const auto& row : rows) EXPECT_EQ(word::Text(row.bits, row.format, row.base), row.text) << row.text;

    EXPECT_EQ(word::ParseLiteral("0xFFFFFFFFFFFFFFFF")->bits, ~0ULL);
    EXPECT_EQ(word::ParseLiteral("0o17")->bits, 15u);
    EXPECT_EQ(word::ParseLiteral("0B1011")->bits, 11u);
    EXPECT_EQ(word::ParseLiteral("0x1f")->base, 16);
    for (const char* bad : {"0x", "0x1G", "0b102", "0o8", "0x10000000000000000", "x1F", "01F", "0e5"}) {
        EXPECT_FALSE(word::ParseLiteral(bad)) << bad;
    }
    // Every 64-bit word comes back from its text in every base.
    std::uint64_t state = 7;
    for (int i = 0; i < 2000; ++i) {
        const std::uint64_t bits = SplitMix(state) >> (i % 64);
        for (const int base : {2, 8, 16}) EXPECT_EQ(word::ParseDigits(word::Text(bits, u64, base), base), bits);
        EXPECT_EQ(word::ParseDigits(word::Text(bits, u64, 10), 10), bits);
    }
}

}  // namespace
}  // namespace tabrix
