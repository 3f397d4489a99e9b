// The finder's search over the catalogue, for the desktop's Find Function
// and the web page's: which functions a few typed letters match, best
// first, the last few used before the others. A person may type a token
// ("tanh", "sto+:3"), a label ("SINH"), or words of the description, in
// English or in their own language.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "document/session_action.h"
#include "engine/function_catalogue.h"

namespace tabrix {

class FunctionSearch {
public:
    // The functions a finder offers: every function of the calculator but
    // those of number entry (CHS aside) and the keypad's own (F, ?); the
    // programs' own words are steps, not actions.
    static bool Offered(const catalogue::Function& function);

    // Each function's description and family in the user's language, when
    // it is not English (the desktop translates them, the page gives them).
    void SetTranslation(FunctionId id, std::string description, std::string family);

    // The functions `query` matches, best first; with an empty query, all
    // of them. Among equal matches the most recently used (`recent`, most
    // recent first) come first, then the catalogue's order.
    std::vector<FunctionId> Find(std::string_view query, const std::vector<FunctionId>& recent = {}) const;

    // What performing the function a query names exactly does: "tanh",
    // "sto+:3" (a function and its register), "SIN". Nothing when the query
    // is no function's token, or one without the argument it needs.
    static std::optional<Action> Exact(std::string_view query);

    // The recent list after `used` was used: it first, at most `keep`.
    static std::vector<FunctionId> Used(std::vector<FunctionId> recent, FunctionId used, std::size_t keep = 5);
    // The recent list from tokens a front end kept ("abs", "tanh"), those
    // no longer offered left out; and back.
    static std::vector<FunctionId> RecentOf(const std::vector<std::string>& tokens);
    static std::vector<std::string> TokensOf(const std::vector<FunctionId>& recent);

    // A match as a finder lists it, a marked text: "TANH (hyperbolic
    // tangent)   tanh — key F TAN".
    static std::string Row(FunctionId id);
    // What a finder says under its list for `matches` found: nothing, or
    // that nothing matches (marked).
    static std::string Hint(std::size_t matches);

    // What a finder does when a person takes a function: Return with
    // `typed` in the box and `chosen` the highlighted match, or a match
    // tapped or double-clicked (`typed` then empty). A box that names a
    // function exactly ("sto+:3") performs it; else the chosen match, but a
    // function of a register first asks for its digit: the box becomes
    // "sto+:" and the hint says so. Nothing at all without a match.
    struct Choice {
        std::optional<Action> action;  // to perform, the finder closing
        std::string text;              // else the box's new text, when it changes
        std::string hint;              // and what the finder says (marked)
    };
    static Choice Choose(std::string_view typed, FunctionId chosen);
    // The function an action a finder performed is (for the recent list):
    // a Function's, or solve's and integrate's; None for any other.
    static FunctionId FunctionOf(const Action& action);

private:
    struct Words {
        std::string description;
        std::string family;
    };
    std::vector<Words> m_translations = std::vector<Words>(static_cast<std::size_t>(FunctionId::Count));
};

}  // namespace tabrix
