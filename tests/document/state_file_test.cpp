// The state file: its byte layout checked against written-out bytes, the
// reader's tolerance of both string forms and its refusal of anything short,
// long or malformed, and Save / Load / Open through real files. These tests
// run with an allocation limit (allocation_limit.cpp).
#include <gtest/gtest.h>

#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <array>
#include <bit>
#include <cmath>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <functional>
#include <iterator>
#include <new>
#include <random>
#include <string>
#include <string_view>
#include <vector>


#include "document/state_file.h"
#include "fakes/document_fakes.h"

namespace {

namespace fs = std::filesystem;
namespace keys = tabrix::keys;
using tabrix::CalculatorState;
using tabrix::CTabrixDoc;
using tabrix::DecodeState;
using tabrix::EncodeState;
using tabrix::EncodeString;
using tabrix::FileDialogRequest;
using tabrix::testing::DocumentHarness;
using tabrix::testing::TestDoc;
using Bytes = std::vector<std::uint8_t>;

// "FF FE 0a" -> {0xFF, 0xFE, 0x0A}; blanks are ignored.
Bytes Hex(std::string_view text) {
    Bytes out;
    int pending = -1;
    for (char c : text) {
        if (c == ' ') continue;
        const int v = c <= '9' ? c - '0' : (c | 0x20) - 'a' + 10;
        if (pending < 0) {
            pending = v;
        } else {
            out.push_back(static_cast<std::uint8_t>(pending * 16 + v));
            pending = -1;
        }
    }
    return out;
}

Bytes Cat(std::initializer_list<Bytes> parts) {
    Bytes out;
    for (const Bytes& p : parts) out.insert(out.end(), p.begin(), p.end());
    return out;
}

Bytes Repeat(std::string_view hex, std::size_t count) {
    const Bytes one = Hex(hex);
    Bytes out;
    for (std::size_t i = 0; i < count; ++i) out.insert(out.end(), one.begin(), one.end());
    return out;
}

// A file with zero flags and doubles, its eight string fields (in file order)
// and the digit count given as raw bytes.
Bytes FileWith(const std::array<std::string_view, 8>& s, std::string_view digits = "06 00 00 00",
               std::string_view flags = "00 00 00 00 00 00 00 00 00 00 01 00") {
    return Cat({Hex(flags), Hex(s[0]), Hex(s[1]), Hex(s[2]), Hex(s[3]), Hex(s[4]), Bytes(112, 0), Hex(s[5]),
                Hex(digits), Hex(s[6]), Hex(s[7])});
}
constexpr std::string_view kEmpty = "FF FE FF 00";
constexpr std::string_view kBlank = "FF FE FF 01 20 00";
constexpr std::string_view kSci = "FF FE FF 03 53 00 43 00 49 00";
constexpr std::string_view kDeg = "FF FE FF 03 44 00 45 00 47 00";
constexpr std::array<std::string_view, 8> kDefaultStrings = {kEmpty, kEmpty, kEmpty, kBlank,
                                                             kBlank, kSci,   kEmpty, kDeg};

double FromBits(std::uint64_t bits) { return std::bit_cast<double>(bits); }

// Every stored field away from its default; doubles chosen for their bits.
CalculatorState RichState() {
    CalculatorState s;
    s.m_nKey = 5;  // not stored: DecodeState takes these three from its base
    s.m_strDisplay = "shown";
    s.m_nPointPos = 7;
    s.m_bDecimal = s.m_bEntering = s.m_bExponent = true;
    s.m_bLift = false;
    s.m_strMantissa = "12";
    s.m_strFraction = "5";
    s.m_strExponent = "03";
    s.m_strMantSign = "-";
    s.m_strExpSign = " ";
    s.m_dX = 1.0;
    s.m_dY = -0.0;
    s.m_dZ = FromBits(0x7FF80000DEADBEEF);  // quiet NaN with a payload
    s.m_dT = FromBits(0x0000000000000001);  // smallest subnormal
    s.m_dReg = {0.1, FromBits(0xFFF0000000000000), FromBits(0xFFF4000000000001), FromBits(0x000FFFFFFFFFFFFF),
                FromBits(0x7FEFFFFFFFFFFFFF), 5, 6, 7, 8, 9};
    s.m_strFormat = "ENG";
    s.m_nDigits = 3;
    s.m_strPrefix = "STO";
    s.m_strAngle = "GRD";
    return s;
}

const Bytes kRichFile = Hex(
    "01 00 01 00 01 00 00 00 00 00 00 00"  // decimal, entering, exponent, shift, spare, lift
    "FF FE FF 02 31 00 32 00  FF FE FF 01 35 00  FF FE FF 02 30 00 33 00  FF FE FF 01 2D 00  FF FE FF 01 20 00"
    "00 00 00 00 00 00 F0 3F  00 00 00 00 00 00 00 80  EF BE AD DE 00 00 F8 7F  01 00 00 00 00 00 00 00"
    "9A 99 99 99 99 99 B9 3F  00 00 00 00 00 00 F0 FF  01 00 00 00 00 00 F4 FF  FF FF FF FF FF FF 0F 00"
    "FF FF FF FF FF FF EF 7F  00 00 00 00 00 00 14 40  00 00 00 00 00 00 18 40  00 00 00 00 00 00 1C 40"
    "00 00 00 00 00 00 20 40  00 00 00 00 00 00 22 40"
    "FF FE FF 03 45 00 4E 00 47 00  03 00 00 00  FF FE FF 03 53 00 54 00 4F 00  FF FE FF 03 47 00 52 00 44 00");

CalculatorState BaseOf(const CalculatorState& s) {
    CalculatorState base;
    base.m_nKey = s.m_nKey;
    base.m_strDisplay = s.m_strDisplay;
    base.m_nPointPos = s.m_nPointPos;
    return base;
}

// --- Layout -----------------------------------------------------------------

TEST(StateFileLayoutTest, DefaultStateFile) {
    TestDoc t;
    const Bytes bytes = EncodeState(t.doc.State());
    ASSERT_GE(bytes.size(), 12u);
    EXPECT_EQ(Bytes(bytes.begin(), bytes.begin() + 12), Hex("00 00 00 00 00 00 00 00 00 00 01 00"));
    EXPECT_EQ(bytes, FileWith(kDefaultStrings));
    const auto decoded = DecodeState(bytes, CalculatorState{});
    ASSERT_TRUE(decoded);
    EXPECT_EQ(EncodeState(*decoded), bytes);
}

// Every member of the state record is in the file, but for the three a
// file does not keep: a member added to the record is stored, or knowingly not.
TEST(StateFileLayoutTest, EveryMemberIsStoredOrKnowinglyNot) {
    std::vector<std::string_view> members;
    const CalculatorState state;
    tabrix::ForEachMember([&](const char* name, const auto&) { members.push_back(name); }, state);
    EXPECT_EQ(members.size(), tabrix::kStateMemberCount);
    std::vector<std::string_view> stored = tabrix::StateFileFieldNames();
    const std::vector<std::string_view> extension = tabrix::ExtensionFieldMembers();
    stored.insert(stored.end(), extension.begin(), extension.end());
    stored.insert(stored.end(), {"m_nKey", "m_strDisplay", "m_nPointPos"});
    std::sort(members.begin(), members.end());
    std::sort(stored.begin(), stored.end());
    EXPECT_EQ(stored, members);
}

TEST(StateFileLayoutTest, EveryFieldInItsPlaceAndDoublesBitForBit) {
    const CalculatorState rich = RichState();
    EXPECT_EQ(EncodeState(rich), kRichFile);
    const auto decoded = DecodeState(kRichFile, BaseOf(rich));
    ASSERT_TRUE(decoded);
    EXPECT_EQ(*decoded, rich);  // doubles compared by their bits
    EXPECT_TRUE(std::signbit(decoded->m_dY));
}

TEST(StateFileLayoutTest, EachFlagHasItsOwnWordWithLiftAfterSpare) {
    const struct {
        bool CalculatorState::*member;
        const char* first12;
    } rows[] = {
        {&CalculatorState::m_bDecimal, "01 00 00 00 00 00 00 00 00 00 00 00"},
        {&CalculatorState::m_bEntering, "00 00 01 00 00 00 00 00 00 00 00 00"},
        {&CalculatorState::m_bExponent, "00 00 00 00 01 00 00 00 00 00 00 00"},
        {&CalculatorState::m_bShift, "00 00 00 00 00 00 01 00 00 00 00 00"},
        {&CalculatorState::m_bSpare, "00 00 00 00 00 00 00 00 01 00 00 00"},
        {&CalculatorState::m_bLift, "00 00 00 00 00 00 00 00 00 00 01 00"},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.first12);
        CalculatorState s;
        s.m_bLift = false;  // every flag off but the one of the row
        s.*row.member = true;
        const Bytes bytes = EncodeState(s);
        EXPECT_EQ(Bytes(bytes.begin(), bytes.begin() + 12), Hex(row.first12));
        const auto decoded = DecodeState(bytes, CalculatorState{});
        ASSERT_TRUE(decoded);
        EXPECT_EQ(*decoded, s);
    }
}

TEST(StateFileLayoutTest, AnyNonZeroFlagWordReadsAsTrue) {
    const auto s = DecodeState(FileWith(kDefaultStrings, "06 00 00 00", "00 01 02 00 FF FF 00 00 00 00 00 80"),
                               CalculatorState{});
    ASSERT_TRUE(s);
    EXPECT_TRUE(s->m_bDecimal && s->m_bEntering && s->m_bExponent && s->m_bLift);
    EXPECT_FALSE(s->m_bShift || s->m_bSpare);
}

TEST(StateFileLayoutTest, StringLengthPrefixes) {
    const struct {
        std::size_t length;
        const char* prefix;
    } rows[] = {
        {0, "FF FE FF 00"},
        {254, "FF FE FF FE"},
        {255, "FF FE FF FF FF 00"},
        {0xFFFD, "FF FE FF FF FD FF"},
        {0xFFFE, "FF FE FF FF FF FF FE FF 00 00"},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.length);
        const std::string text(row.length, '7');
        EXPECT_EQ(EncodeString(text), Cat({Hex(row.prefix), Repeat("37 00", row.length)}));
        CalculatorState s;
        s.m_strFormat = text;
        const auto decoded = DecodeState(EncodeState(s), CalculatorState{});
        ASSERT_TRUE(decoded);
        EXPECT_EQ(decoded->m_strFormat, text);
    }
}

TEST(StateFileLayoutTest, NonAsciiTextTravelsAsUtf16) {
    const std::string text = "\xC3\xA9\xE2\x82\xAC\xF0\x9D\x84\x9E";  // e-acute, euro, G clef
    EXPECT_EQ(EncodeString(text), Hex("FF FE FF 04 E9 00 AC 20 34 D8 1E DD"));
    CalculatorState s;
    s.m_strAngle = text;
    const auto decoded = DecodeState(EncodeState(s), CalculatorState{});
    ASSERT_TRUE(decoded);
    EXPECT_EQ(decoded->m_strAngle, text);
}

// --- Reading: accepted and refused forms --------------------------------------

TEST(StateFileReadTest, AcceptsUntaggedAndLongLengthForms) {
    const struct {
        const char* encoding;
        const char* text;
    } rows[] = {
        {"03 46 49 58", "FIX"},                                              // untagged, byte length
        {"00", ""},                                                          // untagged, empty
        {"FF 03 00 46 49 58", "FIX"},                                        // untagged, 16-bit length
        {"FF FF FF 03 00 00 00 46 49 58", "FIX"},                            // untagged, 32-bit length
        {"FF FE FF FF 03 00 46 00 49 00 58 00", "FIX"},                      // tagged, 16-bit length
        {"FF FE FF FF FF FF 03 00 00 00 46 00 49 00 58 00", "FIX"},          // tagged, 32-bit length
        {"FF FE FF FF FF FF FF FF FF FF 03 00 00 00 00 00 00 00 46 00 49 00 58 00", "FIX"},  // 64-bit
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.encoding);
        auto strings = kDefaultStrings;
        strings[5] = row.encoding;
        const auto s = DecodeState(FileWith(strings), CalculatorState{});
        ASSERT_TRUE(s);
        EXPECT_EQ(s->m_strFormat, row.text);
        EXPECT_EQ(s->m_strAngle, "DEG");  // and the fields after it still line up
    }

    // A whole file of untagged strings, as older programs wrote it.
    const auto old = DecodeState(
        FileWith({"02 31 32", "01 35", "00", "01 2D", "01 20", "03 46 49 58", "03 53 54 4F", "03 52 41 44"}),
        CalculatorState{});
    ASSERT_TRUE(old);
    EXPECT_EQ(old->m_strMantissa + "." + old->m_strFraction, "12.5");
    EXPECT_EQ(old->m_strMantSign, "-");
    EXPECT_EQ(old->m_strFormat + old->m_strPrefix + old->m_strAngle, "FIXSTORAD");
}

TEST(StateFileReadTest, RefusesEveryTruncation) {
    for (const Bytes& file : {kRichFile, FileWith(kDefaultStrings)}) {
        for (std::size_t n = 0; n < file.size(); ++n) {
            EXPECT_FALSE(DecodeState(std::span(file.data(), n), CalculatorState{})) << "length " << n;
        }
    }
}

TEST(StateFileReadTest, RefusesTrailingBytesAndImpossibleLengths) {
    EXPECT_FALSE(DecodeState(Cat({kRichFile, Hex("00")}), CalculatorState{}));
    EXPECT_FALSE(DecodeState(Cat({kRichFile, kRichFile}), CalculatorState{}));

    const struct {
        int field;
        const char* encoding;
    } rows[] = {
        {0, "FF FE FF FF FF FF FF FF FF 7F"},                    // 0x7FFFFFFF units
        {0, "FF FF FF FF FF FF 7F"},                             // 0x7FFFFFFF bytes, untagged
        {0, "FF FE FF FF FF FF FF FF FF FF FF FF FF FF FF FF FF 7F"},  // 64-bit length
        {7, "FF FE FF 04 44 00 45 00 47 00"},                    // one unit past the end
        {7, "04 44 45 47"},                                      // one byte past the end
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.encoding);
        auto strings = kDefaultStrings;
        strings[row.field] = row.encoding;
        EXPECT_FALSE(DecodeState(FileWith(strings), CalculatorState{}));
    }
}

TEST(StateFileReadTest, DigitCountIsHeldToZeroToNineOtherWordsAsRead) {
    const struct {
        const char* digits;
        int expected;
    } rows[] = {{"39 00 00 00", 9}, {"FD FF FF FF", 0}, {"0A 00 00 00", 9}, {"FF FF FF 7F", 9},
                {"00 00 00 80", 0}, {"09 00 00 00", 9}, {"00 00 00 00", 0}, {"04 00 00 00", 4}};
    for (const auto& row : rows) {
        SCOPED_TRACE(row.digits);
        const auto s = DecodeState(FileWith(kDefaultStrings, row.digits), CalculatorState{});
        ASSERT_TRUE(s);
        EXPECT_EQ(s->m_nDigits, row.expected);
    }
    const auto odd = DecodeState(FileWith({kEmpty, kEmpty, kEmpty, kEmpty, "01 2A", "03 58 59 5A", "01 51", "00"}),
                                 CalculatorState{});
    ASSERT_TRUE(odd);
    EXPECT_EQ(odd->m_strMantSign, "");
    EXPECT_EQ(odd->m_strExpSign, "*");
    EXPECT_EQ(odd->m_strFormat, "XYZ");
    EXPECT_EQ(odd->m_strPrefix, "Q");
    EXPECT_EQ(odd->m_strAngle, "");
}

// --- The extension block: state beyond the fields ------------------------------

// "TBX" 0, version, size of the entries, then the entries (name, payload).
Bytes Block(std::uint16_t version, const Bytes& entries) {
    const auto size = static_cast<std::uint32_t>(entries.size());
    return Cat({Hex("54 42 58 00"), {static_cast<std::uint8_t>(version), static_cast<std::uint8_t>(version >> 8)},
                {static_cast<std::uint8_t>(size), static_cast<std::uint8_t>(size >> 8),
                 static_cast<std::uint8_t>(size >> 16), static_cast<std::uint8_t>(size >> 24)},
                entries});
}
// An entry: its name, then its payload's length and the payload.
Bytes Entry(std::string_view name, const Bytes& payload) {
    Bytes out{static_cast<std::uint8_t>(name.size())};
    out.insert(out.end(), name.begin(), name.end());
    out.insert(out.end(), {static_cast<std::uint8_t>(payload.size()), 0, 0, 0});
    return Cat({out, payload});
}
const Bytes kLastX1p5 = Entry("last_x", Hex("00 00 00 00 00 00 F8 3F"));  // 1.5

// State the fields hold alone keeps their bytes; LAST X away from its
// default follows them as the block.
TEST(StateFileExtensionTest, TheBlockFollowsTheFieldsOnlyForStateBeyondThem) {
    CalculatorState s = RichState();
    EXPECT_EQ(EncodeState(s), kRichFile);
    s.m_dLastX = 1.5;
    EXPECT_EQ(EncodeState(s), Cat({kRichFile, Block(1, kLastX1p5)}));
    const auto decoded = DecodeState(EncodeState(s), BaseOf(s));
    ASSERT_TRUE(decoded);
    EXPECT_EQ(*decoded, s);
    // A file without a block has LAST X at its default, whatever was there.
    CalculatorState base = BaseOf(s);
    base.m_dLastX = 7;
    EXPECT_EQ(DecodeState(kRichFile, base)->m_dLastX, 0);
    // -0 is not the default: it is kept, bit for bit.
    s.m_dLastX = -0.0;
    EXPECT_TRUE(std::signbit(DecodeState(EncodeState(s), CalculatorState{})->m_dLastX));
}

// A newer version's block is left out whole and named; an entry this
// version does not know is left out and named; the fields load either way.
TEST(StateFileExtensionTest, WhatANewerVersionWroteIsLeftOutAndNamed) {
    const struct {
        Bytes block;
        double lastX;
        std::vector<std::string> leftOut;
    } rows[] = {
        {Block(2, Cat({kLastX1p5, Entry("word_size", Hex("40"))})), 0, {"last_x", "word_size"}},
        {Block(1, Cat({Entry("stats", Hex("01 02 03")), kLastX1p5})), 1.5, {"stats"}},
        {Block(1, {}), 0, {}},
    };
    for (const auto& row : rows) {
        std::vector<std::string> leftOut{"stale"};
        const auto decoded = DecodeState(Cat({kRichFile, row.block}), BaseOf(RichState()), nullptr, &leftOut);
        ASSERT_TRUE(decoded);
        EXPECT_EQ(decoded->m_dX, 1.0);  // the fields
        EXPECT_EQ(decoded->m_dLastX, row.lastX);
        EXPECT_EQ(leftOut, row.leftOut);
    }
}

TEST(StateFileExtensionTest, ADamagedBlockIsRefusedWithItsReason) {
    const struct {
        Bytes after;
        const char* why;
    } rows[] = {
        {Hex("00"), "not a state file (it goes on after its last field)"},
        {Hex("54 42 58 01 01 00 00 00 00 00"), "not a state file (it goes on after its last field)"},
        {Cat({Block(1, kLastX1p5), Hex("00")}), "its extension block is damaged (its size"},
        {Hex("54 42 58 00 01 00 FF FF FF FF 00"), "its extension block is damaged (its size"},
        {Block(0, {}), "its extension block is damaged (its size"},
        {Block(1, Hex("06 6C 61 73 74 5F 78 08 00 00 00 00 00")), "its extension block is damaged (an entry ends early)"},
        {Block(1, Entry("last_x", Hex("00 00 F8 3F"))), "its extension block is damaged (last_x has the wrong size)"},
        {Hex("54 42 58"), "not a state file (it goes on after its last field)"},
    };
    for (const auto& row : rows) {
        std::string why;
        EXPECT_FALSE(DecodeState(Cat({kRichFile, row.after}), CalculatorState{}, &why));
        EXPECT_EQ(tabrix::EnglishText(why).substr(0, std::string_view(row.why).size()), row.why);
    }
}

// Random states, LAST X among their members, come back exactly from the
// file and from the snapshot the tape's state lines and the kept session
// are made of.
TEST(StateFileExtensionTest, RandomExtendedStatesRoundTrip) {
    std::mt19937_64 random(42);
    const auto anyDouble = [&] {
        switch (random() % 4) {
            case 0: return static_cast<double>(static_cast<std::int64_t>(random() % 2000) - 1000);
            case 1: return FromBits(random());
            case 2: return 0.0;
            default: return std::ldexp(static_cast<double>(random() % 1000000), static_cast<int>(random() % 200) - 100);
        }
    };
    for (int i = 0; i < 2000; ++i) {
        CalculatorState s = RichState();
        s.m_dX = anyDouble();
        s.m_dLastX = anyDouble();
        s.m_bShift = random() % 2 == 0;
        const auto file = DecodeState(EncodeState(s), BaseOf(s));
        ASSERT_TRUE(file) << i;
        EXPECT_EQ(*file, s) << i;
        const auto snapshot = tabrix::ReadSnapshotText(tabrix::SnapshotText(s));
        ASSERT_TRUE(snapshot) << i;
        EXPECT_EQ(*snapshot, tabrix::WithoutHeldKey(s)) << i;
    }
}

// --- Files and commands -------------------------------------------------------

class StateFileTest : public ::testing::Test {
protected:
    void SetUp() override {
        char pattern[] = "/tmp/tabrix-state-XXXXXX";
        ASSERT_NE(::mkdtemp(pattern), nullptr);
        m_dir = pattern;
    }
    void TearDown() override {
        std::error_code ec;
        fs::remove_all(m_dir, ec);
    }
    std::string Path(const std::string& name) const { return (m_dir / name).string(); }
    std::vector<std::string> Entries() const { return Entries(m_dir); }
    static std::vector<std::string> Entries(const fs::path& dir) {
        std::vector<std::string> names;
        for (const auto& e : fs::directory_iterator(dir)) names.push_back(e.path().filename().string());
        std::sort(names.begin(), names.end());
        return names;
    }
    static Bytes ReadAll(const std::string& path) {
        std::ifstream in(path, std::ios::binary);
        return Bytes(std::istreambuf_iterator<char>(in), {});
    }
    static void WriteAll(const std::string& path, const Bytes& bytes) {
        std::ofstream out(path, std::ios::binary);
        out.write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
    }
    fs::path m_dir;
};

TEST_F(StateFileTest, SaveThenLoadRestoresEveryStoredMember) {
    DocumentHarness saver;
    saver.doc().SetState(RichState());
    const CalculatorState saved = saver.doc().State();
    ASSERT_TRUE(saver.commands.SaveStateFile(Path("a.rpn")));
    EXPECT_EQ(ReadAll(Path("a.rpn")), kRichFile);
    EXPECT_EQ(saver.doc().State(), saved);  // saving changes nothing, redraws nothing
    EXPECT_EQ(saver.view.updates, 0);
    EXPECT_EQ(Entries(), std::vector<std::string>{"a.rpn"});

    DocumentHarness loader;
    ASSERT_TRUE(loader.commands.LoadStateFile(Path("a.rpn")));
    CalculatorState expected = saved;
    expected.m_nKey = 0;
    expected.m_strDisplay = loader.doc().GetEntryText();
    expected.m_nPointPos = 4;  // "12" and the point typed
    EXPECT_EQ(loader.doc().State(), expected);
    EXPECT_TRUE(loader.messages.messages.empty());
    EXPECT_EQ(loader.view.updates, 1);
}

// A state saved part-way and loaded into a fresh calculator continues exactly
// as the uninterrupted calculator does.
TEST_F(StateFileTest, WorkContinuesAfterSaveAndLoad) {
    using Keys = std::vector<std::uint32_t>;
    const struct {
        const char* name;
        Keys before;
        Keys after;
        std::function<void(const CTabrixDoc&)> check;
    } rows[] = {
        {"12.5 | 3 ENTER", {keys::kOne, keys::kTwo, keys::kPoint, keys::kFive}, {keys::kThree, keys::kEnter},
         [](const CTabrixDoc& d) { EXPECT_EQ(d.m_dX, 12.53); }},
        {"7 ENTER | 9", {keys::kSeven, keys::kEnter}, {keys::kNine},
         [](const CTabrixDoc& d) { EXPECT_EQ(d.m_dZ, 0.0); }},  // 9 replaced X, nothing pushed
        {"42 F 0 | 5", {keys::kFour, keys::kTwo, keys::kShift, keys::kZero}, {keys::kFive},
         [](const CTabrixDoc& d) { EXPECT_EQ(d.m_dReg[5], 42.0); }},
        {"12 | 3 ENTER", {keys::kOne, keys::kTwo}, {keys::kThree, keys::kEnter},
         [](const CTabrixDoc& d) { EXPECT_EQ(d.m_dX, 123.0); }},
        {".5 | 1 ENTER", {keys::kPoint, keys::kFive}, {keys::kOne, keys::kEnter},
         [](const CTabrixDoc& d) { EXPECT_EQ(d.m_dX, 0.51); }},
        {"1.5 EEX 2 CHS | 3 ENTER", {keys::kOne, keys::kPoint, keys::kFive, keys::kEex, keys::kTwo, keys::kChs},
         {keys::kThree, keys::kEnter}, [](const CTabrixDoc& d) { EXPECT_DOUBLE_EQ(d.m_dX, 1.5e-23); }},
        {"F | 7 2", {keys::kShift}, {keys::kSeven, keys::kTwo},
         [](const CTabrixDoc& d) { EXPECT_EQ(d.m_strFormat + std::to_string(d.m_nDigits), "FIX2"); }},
        {"1 F ? | SIN", {keys::kOne, keys::kShift, keys::kAbout}, {keys::kSin},
         [](const CTabrixDoc& d) { EXPECT_DOUBLE_EQ(d.m_dX, std::sinh(1.0)); }},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.name);
        TestDoc reference;
        for (auto k : row.before) reference.Press(k);
        const CalculatorState atSave = reference.doc.State();
        ASSERT_TRUE(tabrix::WriteFileBytes(Path("w.rpn"), EncodeState(atSave)));
        for (auto k : row.after) reference.Press(k);

        DocumentHarness h;
        ASSERT_TRUE(h.commands.LoadStateFile(Path("w.rpn")));
        EXPECT_EQ(h.doc().State(), atSave);  // main line and point column included
        for (auto k : row.after) h.t.Press(k);
        EXPECT_EQ(h.doc().State(), reference.doc.State());
        row.check(h.doc());
    }
}

TEST_F(StateFileTest, FailedLoadShowsFileErrorAndChangesNothing) {
    Bytes good = EncodeState(RichState());
    Bytes huge = FileWith(kDefaultStrings);
    huge.insert(huge.begin() + 12, {0xFF, 0xFE, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0x7F});
    const std::string endsEarly = "not a state file (it ends early)";
    const struct {
        const char* name;
        std::function<void(const std::string&)> make;
        std::string why;
    } rows[] = {
        {"missing", [](const std::string&) {}, "No such file or directory"},
        {"empty", [](const std::string& p) { WriteAll(p, {}); }, "not a state file (it is empty)"},
        {"text", [](const std::string& p) { std::ofstream(p) << "not a state file at all, but some words"; },
         "not a state file (it does not begin as one)"},
        {"short by one", [&](const std::string& p) { WriteAll(p, Bytes(good.begin(), good.end() - 1)); }, endsEarly},
        {"one byte over", [&](const std::string& p) { WriteAll(p, Cat({good, Hex("00")})); },
         "not a state file (it goes on after its last field)"},
        {"huge string length", [&](const std::string& p) { WriteAll(p, huge); }, endsEarly},
        {"a folder", [](const std::string& p) { fs::create_directory(p); }, "not a regular file"},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.name);
        const std::string path = Path(std::string(row.name) + ".rpn");
        row.make(path);
        DocumentHarness h;
        h.t.Type("12.5");
        h.t.Press(keys::kShift);
        const CalculatorState before = h.doc().State();
        EXPECT_FALSE(h.commands.LoadStateFile(path));
        EXPECT_EQ(h.messages.messages, std::vector<std::string>{"File Error"});
        EXPECT_EQ(h.messages.details, std::vector<std::string>{path + ": " + row.why});
        EXPECT_EQ(h.doc().State(), before);
        EXPECT_EQ(h.view.updates, 0);
    }
}

TEST_F(StateFileTest, FilesOverOneMebibyteAreRefused) {
    CalculatorState big;
    big.m_strMantissa = std::string(0x80000, '1');  // a well-formed state, 2 bytes a digit
    const Bytes bytes = EncodeState(big);
    ASSERT_GT(bytes.size(), 1u << 20);
    ASSERT_TRUE(DecodeState(bytes, CalculatorState{}));
    WriteAll(Path("big.rpn"), bytes);
    DocumentHarness h;
    const CalculatorState before = h.doc().State();
    EXPECT_FALSE(h.commands.LoadStateFile(Path("big.rpn")));
    EXPECT_EQ(h.messages.messages, std::vector<std::string>{"File Error"});
    EXPECT_EQ(h.doc().State(), before);

    WriteAll(Path("limit"), Bytes(1u << 20, 0));
    WriteAll(Path("over"), Bytes((1u << 20) + 1, 0));
    const auto limit = tabrix::ReadStateBytes(Path("limit"));
    ASSERT_TRUE(limit);
    EXPECT_EQ(limit->size(), 1u << 20);
    EXPECT_FALSE(tabrix::ReadStateBytes(Path("over")));
}

TEST_F(StateFileTest, OpenReportsSuccessAlwaysAndStartsFromTheDefaults) {
    const CalculatorState defaults = TestDoc{}.doc.State();
    DocumentHarness fresh;
    EXPECT_TRUE(fresh.commands.OnOpenDocument(Path("missing.rpn")));
    EXPECT_EQ(fresh.messages.messages, std::vector<std::string>{"File Error"});
    EXPECT_EQ(fresh.doc().State(), defaults);

    WriteAll(Path("good.rpn"), kRichFile);
    DocumentHarness h;
    EXPECT_TRUE(h.commands.OnOpenDocument(Path("good.rpn")));
    EXPECT_EQ(h.doc().m_strPrefix, "STO");
    EXPECT_TRUE(h.messages.messages.empty());
}

TEST_F(StateFileTest, FailedSaveShowsFileErrorAndKeepsTheOldFile) {
    const Bytes old = Hex("01 02 03");
    const struct {
        const char* name;
        const char* target;
        std::function<void(const std::string&)> make;
        std::vector<std::string> entriesAfter;
        const char* why;
    } rows[] = {
        {"missing folder", "nowhere/s.rpn", [](const std::string&) {}, {}, "No such file or directory"},
        {"read-only file", "ro.rpn",
         [&](const std::string& p) {
             WriteAll(p, old);
             fs::permissions(p, fs::perms(0444));
         },
         {"ro.rpn"}, "Permission denied"},
        {"a folder", "dir.rpn", [](const std::string& p) { fs::create_directory(p); }, {"dir.rpn"},
         "not a regular file"},
    };
    int round = 0;
    for (const auto& row : rows) {
        SCOPED_TRACE(row.name);
        const fs::path folder = m_dir / std::to_string(round++);
        fs::create_directory(folder);
        const std::string path = (folder / row.target).string();
        row.make(path);
        DocumentHarness h;
        h.t.Type("42");
        const CalculatorState before = h.doc().State();
        EXPECT_FALSE(h.commands.SaveStateFile(path));
        EXPECT_EQ(h.messages.messages, std::vector<std::string>{"File Error"});
        EXPECT_EQ(h.messages.details, std::vector<std::string>{path + ": " + row.why});
        EXPECT_EQ(h.doc().State(), before);
        EXPECT_EQ(Entries(folder), row.entriesAfter);  // no temporary file left behind
    }
    const std::string readOnly = (m_dir / "1" / "ro.rpn").string();
    EXPECT_EQ(ReadAll(readOnly), old);
    EXPECT_EQ(fs::status(readOnly).permissions(), fs::perms(0444));
}

// A folder the user may not write, holding a file the user may: the save
// cannot make its temporary file there, and writes the file in place. A new
// file there, or a read-only one, still fails. Permissions mean nothing to
// root, so as root the saves run in a child process as the user "nobody".
TEST_F(StateFileTest, InAReadOnlyFolderAWritableFileIsWrittenInPlace) {
    const fs::path folder = m_dir / "locked";
    fs::create_directory(folder);
    const std::string writable = (folder / "w.rpn").string(), readOnly = (folder / "r.rpn").string();
    WriteAll(writable, Hex("01 02 03"));
    WriteAll(readOnly, Hex("04 05"));
    fs::permissions(writable, fs::perms(0666));
    fs::permissions(readOnly, fs::perms(0444));
    fs::permissions(folder, fs::perms(0555));
    fs::permissions(m_dir, fs::perms(0755));
    DocumentHarness h;
    h.t.Type("42");
    const Bytes expected = EncodeState(h.doc().State());

    // Each condition that holds sets one bit of the result.
    auto attempt = [&] {
        int held = 0;
        if (h.commands.SaveStateFile(writable)) held |= 1;
        if (!h.commands.SaveStateFile((folder / "new.rpn").string())) held |= 2;
        if (!h.commands.SaveStateFile(readOnly)) held |= 4;
        const std::vector<std::string> details = {folder.string() + "/new.rpn: Permission denied",
                                                  readOnly + ": Permission denied"};
        if (h.messages.details == details) held |= 8;
        return held;
    };
    int held = 0;
    if (::geteuid() != 0) {
        held = attempt();
    } else {
        constexpr uid_t kNobody = 65534;
        ASSERT_EQ(::chown(folder.c_str(), kNobody, kNobody), 0);
        ASSERT_EQ(::chown(writable.c_str(), kNobody, kNobody), 0);
        const pid_t child = ::fork();
        ASSERT_GE(child, 0);
        if (child == 0) {
            if (::setgid(kNobody) != 0 || ::setuid(kNobody) != 0) ::_exit(100);
            ::_exit(attempt());
        }
        int status = 0;
        ASSERT_EQ(::waitpid(child, &status, 0), child);
        ASSERT_TRUE(WIFEXITED(status));
        if (WEXITSTATUS(status) == 100) GTEST_SKIP() << "cannot become the user nobody to test without root's rights";
        held = WEXITSTATUS(status);
    }
    EXPECT_EQ(held, 1 | 2 | 4 | 8);
    EXPECT_EQ(ReadAll(writable), expected);
    EXPECT_EQ(ReadAll(readOnly), Hex("04 05"));
    EXPECT_EQ(Entries(folder), (std::vector<std::string>{"r.rpn", "w.rpn"}));  // no temporary file left
    fs::permissions(folder, fs::perms(0755));
}

TEST_F(StateFileTest, SaveOverAnExistingFileRewritesItWhole) {
    WriteAll(Path("s.rpn"), Bytes(5000, 0xAB));
    fs::permissions(Path("s.rpn"), fs::perms(0640));
    DocumentHarness h;
    ASSERT_TRUE(h.commands.SaveStateFile(Path("s.rpn")));
    EXPECT_EQ(ReadAll(Path("s.rpn")), EncodeState(h.doc().State()));
    EXPECT_EQ(fs::status(Path("s.rpn")).permissions(), fs::perms(0640));
    EXPECT_EQ(Entries(), std::vector<std::string>{"s.rpn"});
}

TEST_F(StateFileTest, SaveThroughASymbolicLinkKeepsTheLink) {
    WriteAll(Path("real.rpn"), Hex("01 02"));
    fs::create_symlink(Path("real.rpn"), Path("link.rpn"));
    DocumentHarness h;
    ASSERT_TRUE(h.commands.SaveStateFile(Path("link.rpn")));
    EXPECT_TRUE(fs::is_symlink(Path("link.rpn")));
    EXPECT_EQ(ReadAll(Path("real.rpn")), EncodeState(h.doc().State()));
}

TEST_F(StateFileTest, LoadingANamedPipeFailsInsteadOfBlocking) {
    ASSERT_EQ(::mkfifo(Path("pipe.rpn").c_str(), 0600), 0);
    DocumentHarness h;
    EXPECT_FALSE(h.commands.LoadStateFile(Path("pipe.rpn")));
    EXPECT_EQ(h.messages.messages, std::vector<std::string>{"File Error"});
}

TEST_F(StateFileTest, SaveStateCommand) {
    DocumentHarness h;
    h.t.Type("2.5");
    const CalculatorState before = h.doc().State();

    h.commands.OnSaveState();  // cancelled
    ASSERT_EQ(h.dialog.requests.size(), 1u);
    const FileDialogRequest& r = h.dialog.requests[0];
    EXPECT_EQ(r.mode, FileDialogRequest::Mode::Save);
    EXPECT_EQ(r.title, "Save State File");
    EXPECT_EQ(r.filter, "Tabrix settings (*.rpn)|*.rpn");
    EXPECT_EQ(r.defaultExtension, "*.rpn");
    EXPECT_TRUE(r.confirmOverwrite);
    EXPECT_TRUE(h.recent.paths.empty());
    EXPECT_TRUE(h.messages.messages.empty());
    EXPECT_TRUE(Entries().empty());

    bool existedWhenListed = true;
    h.recent.onAdd = [&](const std::string& p) { existedWhenListed = fs::exists(p); };
    h.dialog.answer = Path("s.rpn");
    h.commands.OnSaveState();
    EXPECT_EQ(h.recent.paths, std::vector<std::string>{Path("s.rpn")});
    EXPECT_FALSE(existedWhenListed);  // listed before the file is written
    EXPECT_EQ(ReadAll(Path("s.rpn")), EncodeState(before));
    EXPECT_EQ(h.doc().State(), before);
    EXPECT_EQ(h.view.updates, 0);

    h.dialog.answer = Path("nowhere/s.rpn");
    h.commands.OnSaveState();
    EXPECT_EQ(h.recent.paths.back(), Path("nowhere/s.rpn"));  // listed although the write failed
    EXPECT_EQ(h.messages.messages, std::vector<std::string>{"File Error"});
}

TEST_F(StateFileTest, LoadStateCommand) {
    WriteAll(Path("good.rpn"), kRichFile);
    DocumentHarness h;
    const CalculatorState before = h.doc().State();

    h.commands.OnLoadState();  // cancelled
    ASSERT_EQ(h.dialog.requests.size(), 1u);
    const FileDialogRequest& r = h.dialog.requests[0];
    EXPECT_EQ(r.mode, FileDialogRequest::Mode::Open);
    EXPECT_EQ(r.title, "Load State File");
    EXPECT_EQ(r.filter, "Tabrix settings (*.rpn)|*.rpn");
    EXPECT_EQ(r.defaultExtension, "*.rpn");
    EXPECT_FALSE(r.confirmOverwrite);
    EXPECT_TRUE(h.recent.paths.empty());
    EXPECT_EQ(h.doc().State(), before);

    h.dialog.answer = Path("missing.rpn");
    h.commands.OnLoadState();
    EXPECT_EQ(h.recent.paths, std::vector<std::string>{Path("missing.rpn")});
    EXPECT_EQ(h.messages.messages, std::vector<std::string>{"File Error"});
    EXPECT_EQ(h.doc().State(), before);

    h.dialog.answer = Path("good.rpn");
    h.commands.OnLoadState();
    EXPECT_EQ(h.recent.paths.back(), Path("good.rpn"));
    EXPECT_EQ(h.doc().m_strFormat, "ENG");
    EXPECT_EQ(h.view.updates, 1);
}

}  // namespace
