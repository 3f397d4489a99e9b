#include "document/token_reader.h"

#include <gtest/gtest.h>

#include <cctype>
#include <set>

#include "engine/key_codes.h"
#include "engine/key_table.h"

namespace tabrix {
namespace {

using Kind = Action::Kind;

std::vector<Action> Keys(std::initializer_list<std::uint32_t> codes) {
    std::vector<Action> actions;
    for (std::uint32_t code : codes) actions.push_back({Kind::Key, code});
    return actions;
}

struct TokenRow {
    const char* token;
    std::vector<Action> actions;
};

class TokenTable : public ::testing::TestWithParam<TokenRow> {};

TEST_P(TokenTable, PressesItsKeys) {
    const auto actions = ParseToken(GetParam().token);
    ASSERT_TRUE(actions.has_value()) << GetParam().token;
    EXPECT_EQ(*actions, GetParam().actions) << GetParam().token;
}

INSTANTIATE_TEST_SUITE_P(
    Tokens, TokenTable,
    ::testing::Values(
        TokenRow{"12.5", Keys({keys::kOne, keys::kTwo, keys::kPoint, keys::kFive})},
        TokenRow{"007", Keys({keys::kZero, keys::kZero, keys::kSeven})},
        TokenRow{"9876543", Keys({keys::kNine, keys::kEight, keys::kSeven, keys::kSix, keys::kFive, keys::kFour,
                                  keys::kThree})},
        TokenRow{"enter", Keys({keys::kEnter})}, TokenRow{"Sin", Keys({keys::kSin})},
        TokenRow{">r", Keys({keys::kShift, keys::kTwo})}, TokenRow{"bs", Keys({keys::kBackspace})},
        TokenRow{"#26", Keys({keys::kUnderEnter})}, TokenRow{"#0", Keys({keys::kNone})}, TokenRow{"#31", Keys({31})},
        TokenRow{"#-1", Keys({4294967295u})}, TokenRow{"vk:13", {{Kind::KeyRelease, 13}}},
        TokenRow{"VK:0x1b", {{Kind::KeyRelease, 0x1B}}}, TokenRow{"copy", {{Kind::Copy}}},
        TokenRow{"CUT", {{Kind::Cut}}}, TokenRow{"Paste", {{Kind::Paste}}},
        TokenRow{"PASTE:Hello 1", {{Kind::PutText, 0, "Hello 1"}, {Kind::Paste}}},
        TokenRow{"paste:", {{Kind::PutText, 0, ""}, {Kind::Paste}}}, TokenRow{"sto:9", {{Kind::Store, 9}}},
        TokenRow{"RCL:0", {{Kind::Recall, 0}}}, TokenRow{"undo", {{Kind::Undo}}}, TokenRow{"Redo", {{Kind::Redo}}},
        TokenRow{"copy-exact", {{Kind::CopyExact}}}, TokenRow{"Paste-Number", {{Kind::PasteNumber}}},
        TokenRow{"reset", {{Kind::Reset}}}, TokenRow{"draw:4294967295", {{Kind::Draw, 4294967295u}}},
        TokenRow{"load:w.rpn", {{Kind::Load, 0, "w.rpn"}}},
        TokenRow{"LOAD:\"a b\\\"c.rpn\"", {{Kind::Load, 0, "a b\"c.rpn"}}},
        TokenRow{"paste:\"1 2\\n\\x07#\"", {{Kind::PutText, 0, "1 2\n\a#"}, {Kind::Paste}}},
        TokenRow{"paste-number:1 234,5", {{Kind::PutText, 0, "1 234,5"}, {Kind::PasteNumber}}},
        // Numbers as people write them: the keys a person would press.
        TokenRow{"-5", Keys({keys::kFive, keys::kChs})}, TokenRow{"+5", Keys({keys::kFive})},
        TokenRow{"1.5e3", Keys({keys::kOne, keys::kPoint, keys::kFive, keys::kEex, keys::kThree})},
        TokenRow{"2e-3", Keys({keys::kTwo, keys::kEex, keys::kThree, keys::kChs})},
        TokenRow{"-2E+03", Keys({keys::kTwo, keys::kChs, keys::kEex, keys::kZero, keys::kThree})},
        TokenRow{"-.5", Keys({keys::kPoint, keys::kFive, keys::kChs})},
        // Programs at the top: the name keeps its case, as it is shown.
        TokenRow{"run:Tri", {{Kind::Run, 0, "Tri"}}}, TokenRow{"GSB:tri", {{Kind::Run, 0, "tri"}}},
        TokenRow{"Cont", {{Kind::Continue}}}, TokenRow{"sst", {{Kind::Step}}},
        TokenRow{"SST:a_1", {{Kind::Step, 0, "a_1"}}}, TokenRow{"clip:\"a b\"", {{Kind::PutText, 0, "a b"}}},
        TokenRow{"clip:", {{Kind::PutText, 0, ""}}},
        // Functions no key gives: the function itself, with its register.
        TokenRow{"abs", {Action::Function(FunctionId::Abs)}}, TokenRow{"LastX", {Action::Function(FunctionId::LastX)}},
        TokenRow{"sto+:3", {Action::Function(FunctionId::StoreAdd, 3)}},
        TokenRow{"STO/:0", {Action::Function(FunctionId::StoreDivide, 0)}},
        TokenRow{">hms", {Action::Function(FunctionId::ToHms)}}, TokenRow{"tanh", {Action::Function(FunctionId::Tanh)}}));

// Every word of the key table presses its key, after F for a shifted one, in
// any case; no two functions share a word.
TEST(Tokens, EveryKeyWordPressesItsKey) {
    std::set<std::string> words;
    for (const KeyRow& row : KeyTable()) {
        for (const bool shifted : {false, true}) {
            const catalogue::Function& function = shifted ? row.Shifted() : row.Plain();
            if (function.token.empty()) continue;
            const std::string word(function.token);
            EXPECT_TRUE(words.insert(word).second) << word;
            const auto expected = shifted ? Keys({keys::kShift, row.code}) : Keys({row.code});
            EXPECT_EQ(ParseToken(word), expected) << word;
            std::string lower = word;
            for (char& c : lower) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
            EXPECT_EQ(ParseToken(lower), expected) << lower;
        }
    }
    EXPECT_EQ(words.size(), 57u);  // 29 keys, 28 of them with a shifted function
}

TEST(Tokens, UnknownOrMalformedTokensAreRejected) {
    for (const char* token : {"", "1e", "e5", "1e5x", "--5", "-1e-", "1.5.e3", "12a", "#", "#x", "#4294967296",
                              "#-2147483649", "vk:", "vk:0x",
                              "vk:12z", "vk:-1", "vk:4294967296", "sto:10", "rcl:a", "sto:", "ENTERR", "++",
                              "load", "load:", "load:\"x", "paste:\"a\"b", "paste:\"\\q\"", "draw:-1", "draw:",
                              "copy:x", "undo:1", "state:", "state:0g", "state:00",
                              "--", ">", "pastes", "run:", "run:1x", "gsb:a-b", "sst:", "sst:_a", "cont:x",
                              "clip:\"x", "lbl:x", "gto:x", "rtn", "x=0?", "dsz:1", "stop", "pse", "def:f", "end",
                              "sto+", "sto+:", "sto+:10", "sto-:x", "abs:1", "lbl", ":abs"}) {
        EXPECT_FALSE(ParseToken(token).has_value()) << "'" << token << "'";
    }
}

TEST(Tokens, SplitLineDropsCommentsButKeepsKeyCodeTokens) {
    using Words = std::vector<std::string_view>;
    EXPECT_EQ(SplitLine("  1 2\t+  "), (Words{"1", "2", "+"}));
    EXPECT_EQ(SplitLine("3 ENTER # push three"), (Words{"3", "ENTER"}));
    EXPECT_EQ(SplitLine("#26 #0 #"), (Words{"#26", "#0"}));
    EXPECT_EQ(SplitLine("# only a comment"), Words{});
    EXPECT_EQ(SplitLine("+# trailing"), Words{"+"});
    EXPECT_EQ(SplitLine(""), Words{});
    // A quoted part keeps its blanks and "#"s, and \" inside it.
    EXPECT_EQ(SplitLine("paste:\"a # b\" 3 # c"), (Words{"paste:\"a # b\"", "3"}));
    EXPECT_EQ(SplitLine("paste:\"say \\\"hi\\\" #\"   +"), (Words{"paste:\"say \\\"hi\\\" #\"", "+"}));
}

}  // namespace
}  // namespace tabrix
