// What a finder does with what is typed and chosen, the same on the desktop
// and the page: the rows it lists, what Return or a tapped row performs, and
// the recent list kept as tokens.
#include <gtest/gtest.h>

#include "document/function_search.h"
#include "document/notice.h"

namespace tabrix {
namespace {

TEST(FunctionSearchTest, WhatTakingAFunctionDoes) {
    using Id = FunctionId;
    const struct {
        const char* typed;
        Id chosen;
        std::optional<Action> action;
        const char* text;
    } cases[] = {
        {"sto+:3", Id::None, Action::Function(Id::StoreAdd, 3), ""},
        {"STO+:3", Id::Abs, Action::Function(Id::StoreAdd, 3), ""},   // the box names it: the box wins
        {"sin", Id::Sinh, Action::Function(Id::Sin), ""},
        {"", Id::Sinh, Action::Function(Id::Sinh), ""},             // a row tapped
        {"hyperbolic", Id::Tanh, Action::Function(Id::Tanh), ""},
        {"sto+", Id::StoreAdd, std::nullopt, "sto+:"},                // its register first
        {"sto+:", Id::StoreAdd, std::nullopt, "sto+:"},
        {"sto+:12", Id::StoreAdd, std::nullopt, "sto+:"},
        {"qqq", Id::None, std::nullopt, ""},
        {"7", Id::None, std::nullopt, ""},                           // digits are typed, not found
        {"F", Id::None, std::nullopt, ""},
    };
    for (const auto& c : cases) {
        const FunctionSearch::Choice choice = FunctionSearch::Choose(c.typed, c.chosen);
        EXPECT_EQ(choice.action, c.action) << c.typed;
        EXPECT_EQ(choice.text, c.text) << c.typed;
        EXPECT_EQ(choice.hint.empty(), std::string(c.text).empty()) << c.typed;
    }
    EXPECT_EQ(EnglishText(FunctionSearch::Choose("", Id::StoreDivide).hint),
              "STO÷ takes a register: type its digit, 0 to 9, then Return.");
}

TEST(FunctionSearchTest, RowsSayWhatAFunctionDoesItsTokenAndItsKey) {
    EXPECT_EQ(EnglishText(FunctionSearch::Row(FunctionId::Tanh)), "TANH (hyperbolic tangent)   tanh");
    EXPECT_EQ(EnglishText(FunctionSearch::Row(FunctionId::ArcSin)), "SIN\u207B\u00B9 (arc sine)   ASIN \u2014 key F SIN");
    EXPECT_EQ(EnglishText(FunctionSearch::Row(FunctionId::StoreAdd)), "STO+ (add x to a register)   sto+:N");
    EXPECT_EQ(EnglishText(FunctionSearch::Hint(0)), "No function matches.");
    EXPECT_EQ(FunctionSearch::Hint(3), "");
}

TEST(FunctionSearchTest, TheRecentListComesBackFromItsTokens) {
    const std::vector<FunctionId> recent =
        FunctionSearch::RecentOf({"abs", "sto+", "bogus", "ABS", "7", "lbl", "TANH", ""});
    EXPECT_EQ(recent, (std::vector<FunctionId>{FunctionId::Abs, FunctionId::StoreAdd, FunctionId::Tanh}));
    EXPECT_EQ(FunctionSearch::TokensOf(recent), (std::vector<std::string>{"abs", "sto+", "tanh"}));
    EXPECT_EQ(FunctionSearch::Used(recent, FunctionId::Tanh),
              (std::vector<FunctionId>{FunctionId::Tanh, FunctionId::Abs, FunctionId::StoreAdd}));
}

}  // namespace
}  // namespace tabrix
