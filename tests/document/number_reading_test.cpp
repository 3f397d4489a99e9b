// Paste Number's reading of text: one table of texts and their readings,
// under the C locale and under a locale with a decimal comma (the reading
// must not depend on the process locale, only on the separator passed in).
#include "document/number_reading.h"

#include <gtest/gtest.h>

#include <clocale>
#include <cmath>
#include <string>

#include "fakes/document_fakes.h"

namespace tabrix {
namespace {

using Outcome = PastedNumber::Outcome;

struct Row {
    const char* text;
    char locale;  // the locale's decimal separator
    Outcome outcome;
    double value;
    const char* match;
};

constexpr char kPoint = '.', kComma = ',';

const Row kRows[] = {
    // Plain numbers, signs, and text around them.
    {"42", kPoint, Outcome::Read, 42, "42"},
    {"  -1.5  ", kPoint, Outcome::Read, -1.5, "-1.5"},
    {"+3", kPoint, Outcome::Read, 3, "+3"},
    {"\u221212", kPoint, Outcome::Read, -12, "\u221212"},
    {"Total: $1,234.50", kPoint, Outcome::Read, 1234.5, "1,234.50"},
    {"12.5 kg", kPoint, Outcome::Read, 12.5, "12.5"},
    {"42 %", kComma, Outcome::Read, 42, "42"},
    {".5", kPoint, Outcome::Read, 0.5, ".5"},
    {"-.25", kPoint, Outcome::Read, -0.25, "-.25"},
    {"EUR\u00A0-7,5", kComma, Outcome::Read, -7.5, "-7,5"},
    {"area 12 m\u00B2", kPoint, Outcome::Read, 12, "12"},
    {"1.", kPoint, Outcome::Read, 1, "1"},
    // Grouping and the decimal separator: both present, the last decides.
    {"1.234,50", kPoint, Outcome::Read, 1234.5, "1.234,50"},
    {"1,234.50", kComma, Outcome::Read, 1234.5, "1,234.50"},
    {"1 234,50", kPoint, Outcome::Read, 1234.5, "1 234,50"},
    {"1\u00A0234\u00A0567,89", kPoint, Outcome::Read, 1234567.89, "1\u00A0234\u00A0567,89"},
    {"1\u2009234.5", kPoint, Outcome::Read, 1234.5, "1\u2009234.5"},
    {"1\u202F234", kComma, Outcome::Read, 1234, "1\u202F234"},
    {"1'234'567.5", kPoint, Outcome::Read, 1234567.5, "1'234'567.5"},
    {"1\u2019234.5", kComma, Outcome::Read, 1234.5, "1\u2019234.5"},
    {"1,234,567", kComma, Outcome::Read, 1234567, "1,234,567"},
    {"1.234.567", kPoint, Outcome::Read, 1234567, "1.234.567"},
    {"1.234.567,891", kPoint, Outcome::Read, 1234567.891, "1.234.567,891"},
    {"12,34,567.89", kPoint, Outcome::Read, 1234567.89, "12,34,567.89"},
    {"1,23,45,678", kPoint, Outcome::Read, 12345678, "1,23,45,678"},
    {"1,5", kPoint, Outcome::Read, 1.5, "1,5"},
    {"1.2345", kComma, Outcome::Read, 1.2345, "1.2345"},
    {"0,123", kPoint, Outcome::Read, 0.123, "0,123"},
    // A single "," or "." before exactly three digits: the locale decides.
    {"1,234", kPoint, Outcome::Read, 1234, "1,234"},
    {"1,234", kComma, Outcome::Read, 1.234, "1,234"},
    {"1.234", kPoint, Outcome::Read, 1.234, "1.234"},
    {"1.234", kComma, Outcome::Read, 1234, "1.234"},
    {"-12.500 EUR", kComma, Outcome::Read, -12500, "-12.500"},
    // Exponents.
    {"1.5e3", kPoint, Outcome::Read, 1500, "1.5e3"},
    {"1.5E-03", kPoint, Outcome::Read, 0.0015, "1.5E-03"},
    {"1.5\u00D710^3", kPoint, Outcome::Read, 1500, "1.5\u00D710^3"},
    {"1.5 x 10^3", kPoint, Outcome::Read, 1500, "1.5 x 10^3"},
    {"1,5\u00B710\u207B\u00B3", kComma, Outcome::Read, 0.0015, "1,5\u00B710\u207B\u00B3"},
    {"6.022\u00D710\u00B2\u00B3 per mol", kPoint, Outcome::Read, 6.022e23, "6.022\u00D710\u00B2\u00B3"},
    {"2.5 \u00D7 10^\u22122", kPoint, Outcome::Read, 0.025, "2.5 \u00D7 10^\u22122"},
    {"1e999", kPoint, Outcome::OutOfRange, 0, "1e999"},
    {"1e-400", kPoint, Outcome::TooSmall, 0, "1e-400"},
    // Negatives as money is written: a sign before the currency, parentheses
    // (with or without a currency inside), a trailing minus.
    {"-$1,234.50", kPoint, Outcome::Read, -1234.5, "-$1,234.50"},
    {"Balance: -$20.00", kPoint, Outcome::Read, -20, "-$20.00"},
    {"\u2212\u00A312.50", kPoint, Outcome::Read, -12.5, "\u2212\u00A312.50"},
    {"-\u20AC5", kComma, Outcome::Read, -5, "-\u20AC5"},
    {"-USD 5", kPoint, Outcome::Read, -5, "-USD 5"},
    {"(1,234.50)", kPoint, Outcome::Read, -1234.5, "(1,234.50)"},
    {"($1,234.50)", kPoint, Outcome::Read, -1234.5, "($1,234.50)"},
    {"(1.234,50 \u20AC)", kComma, Outcome::Read, -1234.5, "(1.234,50 \u20AC)"},
    {"1234-", kPoint, Outcome::Read, -1234, "1234-"},
    {"Saldo 1.234,50- EUR", kComma, Outcome::Read, -1234.5, "1.234,50-"},
    {"+$3", kPoint, Outcome::Read, 3, "3"},
    {"$-3", kPoint, Outcome::Read, -3, "-3"},
    {"(12 apples", kPoint, Outcome::Read, 12, "12"},
    {"ABCD-5", kPoint, Outcome::Read, -5, "-5"},
    // Texts that hold no number, or not one.
    {"", kPoint, Outcome::NoNumber, 0, ""},
    {"no digits here", kPoint, Outcome::NoNumber, 0, ""},
    {"3 apples and 4 pears", kPoint, Outcome::TwoNumbers, 0, "3"},
    {"3 4", kPoint, Outcome::TwoNumbers, 0, "3"},
    {"2 x 3", kPoint, Outcome::TwoNumbers, 0, "2"},
    {"2024-05-01", kPoint, Outcome::TwoNumbers, 0, "2024"},
    {"1,2,3", kPoint, Outcome::NotANotation, 0, "1,2,3"},
    {"12,3456,789", kPoint, Outcome::NotANotation, 0, "12,3456,789"},
    {"1,234.567,8", kPoint, Outcome::NotANotation, 0, "1,234.567,8"},
    {"1'234,567'8", kPoint, Outcome::NotANotation, 0, "1'234,567'8"},
};

void CheckTable() {
    for (const Row& row : kRows) {
        SCOPED_TRACE(std::string(row.text) + " with " + row.locale);
        const PastedNumber reading = ReadPastedNumber(row.text, row.locale);
        EXPECT_EQ(reading.outcome, row.outcome);
        EXPECT_EQ(reading.match, row.match);
        if (row.outcome == Outcome::Read) {
            EXPECT_EQ(reading.value, row.value);
        }
    }
}

TEST(NumberReading, TableOfTextsInTheCLocale) {
    std::setlocale(LC_ALL, "C");
    CheckTable();
}

TEST(NumberReading, TableOfTextsUnderAGermanLocale) {
    if (std::setlocale(LC_ALL, "de_DE.UTF-8") == nullptr) GTEST_SKIP() << "de_DE.UTF-8 is not installed";
    CheckTable();
    std::setlocale(LC_ALL, "C");
}

TEST(NumberReading, TheUserIsToldHowTheTextWasRead) {
    EXPECT_EQ(DescribePastedNumber(ReadPastedNumber("1.234,50", '.')),
              "Pasted 1234.5 \u2014 read \u201C1.234,50\u201D as 1234.5");
    EXPECT_EQ(DescribePastedNumber(ReadPastedNumber("1,234", '.')),
              "Pasted 1234 \u2014 read \u201C1,234\u201D as 1234 (\u201C,\u201D groups digits in your locale)");
    EXPECT_EQ(DescribePastedNumber(ReadPastedNumber("1,234", ',')),
              "Pasted 1.234 \u2014 read \u201C1,234\u201D as 1.234 (\u201C,\u201D is the decimal separator in your "
              "locale)");
    EXPECT_EQ(DescribePastedNumber(ReadPastedNumber("3 apples and 4 pears", '.')),
              "Nothing pasted: \u201C3\u201D and \u201C4\u201D are two numbers");
    EXPECT_EQ(DescribePastedNumber(ReadPastedNumber("none", '.')), "Nothing pasted: the clipboard text holds no number");
    EXPECT_EQ(DescribePastedNumber(ReadPastedNumber("1e999", '.')),
              "Nothing pasted: \u201C1e999\u201D is beyond the range of numbers");
    EXPECT_EQ(DescribePastedNumber(ReadPastedNumber("1e-400", '.')),
              "Nothing pasted: \u201C1e-400\u201D is too small: it would be 0");
    // More digits than a double holds: the nearest number, and said so.
    EXPECT_EQ(DescribePastedNumber(ReadPastedNumber("12345678901234567890", '.')),
              "Pasted 12345678901234567168 \u2014 read \u201C12345678901234567890\u201D as 12345678901234567168 "
              "(rounded to the nearest number the calculator holds)");
    for (const char* exact : {"0.1", "1.5e3", "0.00012", "-0", "1234.500"}) {
        EXPECT_FALSE(ReadPastedNumber(exact, '.').rounded) << exact;
    }
    EXPECT_EQ(DescribePastedNumber(ReadPastedNumber("-$1,234.50", '.')),
              "Pasted -1234.5 \u2014 read \u201C-$1,234.50\u201D as -1234.5");
}

TEST(NumberReading, ValuesGoInOnceWhateverTheyHold) {
    // A translation may put the values in another order; a value is not read again.
    EXPECT_EQ(FillIn("%2 from %1 (%3)", {"a%2b", "7%1"}), "7%1 from a%2b (%3)");
}

TEST(NumberReading, ExactTextReadsBackToTheSameDouble) {
    EXPECT_EQ(ExactText(3.141592653589793), "3.141592653589793");
    EXPECT_EQ(ExactText(0.1), "0.1");
    EXPECT_EQ(ExactText(1e-300), "1e-300");
    EXPECT_EQ(ExactText(-2.5e100), "-2.5e+100");
    EXPECT_EQ(ExactText(1.0 / 3), "0.3333333333333333");
    EXPECT_EQ(ExactText(8), "8");
}

// Copy Exact takes what Copy takes and changes nothing; Paste Number puts its
// reading into X as Paste does, and a text it refuses changes nothing.
TEST(NumberReading, CopyExactAndPasteNumberCommands) {
    testing::DocumentHarness h;
    h.t.Type("12.5");
    const CalculatorState typing = h.doc().State();
    ASSERT_TRUE(h.commands.OnEditCopyExact());
    EXPECT_EQ(h.clipboard.text, "12.5");
    EXPECT_EQ(h.doc().State(), typing);

    h.clipboard.text = "Total: 1.234,50 \u20AC";
    const PastedNumber read = h.commands.OnEditPasteNumber('.');
    EXPECT_EQ(read.outcome, Outcome::Read);
    EXPECT_FALSE(h.doc().m_bEntering);  // the typed number is abandoned, not committed
    EXPECT_EQ(h.doc().m_dX, 1234.5);
    EXPECT_EQ(h.doc().m_dY, 0);  // nothing is lifted
    EXPECT_EQ(h.view.updates, 1);

    const CalculatorState before = h.doc().State();
    h.clipboard.text = "3 apples and 4 pears";
    EXPECT_EQ(h.commands.OnEditPasteNumber('.').outcome, Outcome::TwoNumbers);
    h.clipboard.text.reset();
    EXPECT_EQ(h.commands.OnEditPasteNumber('.').outcome, Outcome::NoNumber);
    EXPECT_EQ(h.doc().State(), before);
    EXPECT_TRUE(h.messages.messages.empty());  // no modal box
    EXPECT_EQ(h.clipboard.misuse, 0);
}

}  // namespace
}  // namespace tabrix
