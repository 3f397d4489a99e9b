// The program editors' completions: which tokens a word offers, in which
// order, and what takes its place.
#include <gtest/gtest.h>

#include "document/notice.h"
#include "document/token_completion.h"

namespace tabrix {
namespace {

std::vector<std::string> Texts(std::string_view word) {
    std::vector<std::string> texts;
    for (const TokenCompletion& c : CompleteToken(word)) texts.push_back(c.text);
    return texts;
}

TEST(TokenCompletionTest, AWordOffersTheTokensItBegins) {
    const struct {
        const char* word;
        std::vector<std::string> offered;
    } cases[] = {
        {"ta", {"TAN", "tanh"}},
        {"TA", {"TAN", "tanh"}},
        {"sto+", {"sto+:"}},              // a token that takes an argument, typed whole, still wants its colon
        {"lb", {"lbl:"}},
        {"tanh", {}},                     // typed whole
        {"sto+:", {}}, {"gto:lo", {}},    // an argument is no token
        {"", {}}, {"1", {}}, {"-2", {}}, {".5", {}}, {"-.5", {}},
        {"qq", {}},
        {"cont", {}}, {"sst", {}},        // not a program's steps
    };
    for (const auto& c : cases) EXPECT_EQ(Texts(c.word), c.offered) << c.word;
    EXPECT_EQ(Texts("s").size(), 12u) << "at most a dozen";
    EXPECT_EQ(Texts("s").front().size(), 2u) << "the shortest first: SQ";
    const std::vector<TokenCompletion> sto = CompleteToken("sto-");
    ASSERT_EQ(sto.size(), 1u);
    EXPECT_EQ(sto[0].pattern, "sto-:N");
    EXPECT_EQ(EnglishText(sto[0].help), "STO\u2212 (subtract x from a register)");
}

}  // namespace
}  // namespace tabrix
