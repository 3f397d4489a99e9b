#include "cli/cli_tokens.h"

#include <gtest/gtest.h>

#include "engine/key_codes.h"

namespace tabrix::cli {
namespace {

using Kind = CliAction::Kind;

std::vector<CliAction> Keys(std::initializer_list<std::uint32_t> codes) {
    std::vector<CliAction> actions;
    for (std::uint32_t code : codes) actions.push_back({Kind::Key, code});
    return actions;
}

struct TokenRow {
    const char* token;
    std::vector<CliAction> actions;
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
        TokenRow{"12.5", Keys({21, 22, 28, 16})}, TokenRow{"007", Keys({27, 27, 9})},
        TokenRow{"9876543", Keys({11, 10, 9, 17, 16, 15, 23})}, TokenRow{".", Keys({28})},
        TokenRow{"ENTER", Keys({20})}, TokenRow{"enter", Keys({20})}, TokenRow{"+", Keys({30})},
        TokenRow{"-", Keys({24})}, TokenRow{"*", Keys({18})}, TokenRow{"/", Keys({12})},
        TokenRow{"CHS", Keys({14})}, TokenRow{"EEX", Keys({8})}, TokenRow{"F", Keys({25})},
        TokenRow{"bs", Keys({29})}, TokenRow{"SWAP", Keys({13})}, TokenRow{"?", Keys({19})},
        TokenRow{"EXP", Keys({1})}, TokenRow{"ALOG", Keys({2})}, TokenRow{"Sin", Keys({3})},
        TokenRow{"COS", Keys({4})}, TokenRow{"TAN", Keys({5})}, TokenRow{"INV", Keys({6})},
        TokenRow{"SQRT", Keys({7})}, TokenRow{"LN", Keys({25, 1})}, TokenRow{"LOG", Keys({25, 2})},
        TokenRow{"ASIN", Keys({25, 3})}, TokenRow{"ACOS", Keys({25, 4})}, TokenRow{"ATAN", Keys({25, 5})},
        TokenRow{"POW", Keys({25, 6})}, TokenRow{"SQ", Keys({25, 7})}, TokenRow{"PI", Keys({25, 8})},
        TokenRow{"FIX", Keys({25, 9})}, TokenRow{"SCI", Keys({25, 10})}, TokenRow{"ENG", Keys({25, 11})},
        TokenRow{"%", Keys({25, 12})}, TokenRow{"RDN", Keys({25, 13})}, TokenRow{"RUP", Keys({25, 14})},
        TokenRow{"DEG", Keys({25, 15})}, TokenRow{"RAD", Keys({25, 16})}, TokenRow{"GRD", Keys({25, 17})},
        TokenRow{"FACT", Keys({25, 18})}, TokenRow{"HYP", Keys({25, 19})}, TokenRow{"RAN", Keys({25, 20})},
        TokenRow{">P", Keys({25, 21})}, TokenRow{">r", Keys({25, 22})}, TokenRow{">DEG", Keys({25, 23})},
        TokenRow{">RAD", Keys({25, 24})}, TokenRow{"STO", Keys({25, 27})}, TokenRow{"RCL", Keys({25, 28})},
        TokenRow{"CLX", Keys({25, 29})}, TokenRow{"CLR", Keys({25, 30})}, TokenRow{"#26", Keys({26})},
        TokenRow{"#0", Keys({0})}, TokenRow{"#31", Keys({31})}, TokenRow{"#-1", Keys({4294967295u})},
        TokenRow{"vk:13", {{Kind::HardwareKey, 13}}}, TokenRow{"VK:0x1b", {{Kind::HardwareKey, 0x1B}}},
        TokenRow{"copy", {{Kind::Copy}}}, TokenRow{"CUT", {{Kind::Cut}}}, TokenRow{"Paste", {{Kind::Paste}}},
        TokenRow{"PASTE:Hello 1", {{Kind::PutText, 0, "Hello 1"}, {Kind::Paste}}},
        TokenRow{"paste:", {{Kind::PutText, 0, ""}, {Kind::Paste}}}, TokenRow{"sto:9", {{Kind::Store, 9}}},
        TokenRow{"RCL:0", {{Kind::Recall, 0}}}, TokenRow{"undo", {{Kind::Undo}}}, TokenRow{"Redo", {{Kind::Redo}}}));

TEST(Tokens, UnknownOrMalformedTokensAreRejected) {
    for (const char* token : {"", "1e5", "12a", "#", "#x", "#4294967296", "#-2147483649", "vk:", "vk:0x",
                              "vk:12z", "vk:-1", "vk:4294967296", "sto:10", "rcl:a", "sto:", "ENTERR", "++",
                              "--", ">", "pastes"}) {
        EXPECT_FALSE(ParseToken(token).has_value()) << "'" << token << "'";
    }
}

TEST(Tokens, SplitLineDropsCommentsButKeepsKeyCodeTokens) {
    using Words = std::vector<std::string>;
    EXPECT_EQ(SplitLine("  1 2\t+  "), (Words{"1", "2", "+"}));
    EXPECT_EQ(SplitLine("3 ENTER # push three"), (Words{"3", "ENTER"}));
    EXPECT_EQ(SplitLine("#26 #0 #"), (Words{"#26", "#0"}));
    EXPECT_EQ(SplitLine("# only a comment"), Words{});
    EXPECT_EQ(SplitLine("+# trailing"), Words{"+"});
    EXPECT_EQ(SplitLine(""), Words{});
}

}  // namespace
}  // namespace tabrix::cli
