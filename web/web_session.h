// The calculator session as the web page drives it: the one session every
// front end has, with a clipboard of its own (the page carries texts between
// it and the browser's), and every answer as JSON text for the page's
// JavaScript. The page holds no rule of its own: it turns taps, keys and
// menu items into actions and shows what comes back. Texts for people come
// as sentences ({"context","text","values"}) or as marked texts (strings
// with sentences inside, document/notice.h), which the page translates.
#pragma once

#include <cstdint>
#include <memory>
#include <optional>
#include <string>

#include <nlohmann/json.hpp>

#include "document/calculator_session.h"
#include "document/function_search.h"
#include "document/private_clipboard.h"
#include "document/program_book.h"
#include "platform/random_source.h"

namespace tabrix::web {

// A message box the page shows: the last message, until the page takes it.
class PageMessages final : public IMessageBox {
public:
    void ShowMessage(const std::string& text, const std::string& details) override {
        m_text = text;
        m_details = details;
    }
    std::string m_text, m_details;
};

// The ? key's About request, for the page to show its About box after the
// action, and a refused key's click.
class PageShell final : public IShellRequests {
public:
    void RequestAbout() override { asked = true; }
    void RequestClick() override { clicked = true; }
    bool asked = false;
    bool clicked = false;  // a key was refused: the page clicks
};

class WebSession {
public:
    // With a seed, RAN# draws as tabrix-cli --seed SEED does; without, it is
    // unpredictable.
    explicit WebSession(std::optional<std::uint64_t> seed = std::nullopt);

    // An action: Action::Kind as a number, its code, text and value (for a
    // Function, `code` is the function's id and `value` its argument). The
    // outcome as JSON: {"changed","failed","refused","notice":[sentence...],
    // "noticeLasts","run":{"state","program","step","token","steps"},
    // "message","details","copied","about"}. "copied" is the text a command
    // put on the clipboard, for the page to hand on to the browser; "message"
    // the text of a message box (translated with context "Document"), and
    // "details" what it says more (a marked text: the file and why).
    std::string Perform(int kind, std::uint32_t code, const std::string& text, double value);
    // Lines of console tokens (def blocks too), as tabrix-cli reads them on
    // standard input, every run bounded by the console's default step limit:
    // {"ok":true} or {"ok":false,"error":"bad token 'x'"}.
    std::string Run(const std::string& tokens);

    // What the page shows and says.
    std::string State();  // the fields of tabrix-cli --json
    std::string Display(const std::string& timesTenToThe, const std::string& shift,
                        const std::string& shifted) const;
    std::string KeyName(int code, const std::string& shifted) const;
    // What a typed key means in the calculator's mode beyond the key map (A
    // to F in HEX, a lone "Shift", the arrows "Left" and "Right" in integer
    // mode): {"kind","code","argument"}, or null.
    std::string TypedInMode(const std::string& typed) const;
    // The bit view of X: {"rows":[[{"position","set","inWord"}...]...],"summary"}.
    std::string Bits() const;
    // A key's help as a marked text; `keyboard` names its keyboard keys as
    // the page calls them ("7, keypad 7"), empty for none.
    std::string KeyHelp(int code, const std::string& keyboard) const;
    // A function as the help writes it ("SIN⁻¹ (arc sine)"), by its id, and
    // a key's keyboard keys ("none" for an empty text): marked texts.
    std::string FunctionHelp(int id) const;
    std::string KeyboardHelp(const std::string& keyboard) const;

    // Find Function (document/function_search.h). Each function's words in
    // the reader's language, given once: [[id, description, family], ...].
    void SetFunctionWords(const std::string& json);
    // The last few used, as tokens the page keeps (["abs", "sto+"]).
    void SetRecentFunctions(const std::string& json);
    std::string RecentFunctions() const;
    // The matches of `query`, best first: {"rows":[{id,text}],"hint"}, the
    // texts marked.
    std::string FindFunctions(const std::string& query) const;
    // Return with `typed` in the box and match `id` highlighted, or a match
    // tapped (`typed` empty): {"outcome": Perform's, or null when nothing
    // was performed, "text": the box's new text when it changes, "hint"}.
    std::string ChooseFunction(const std::string& typed, int id);
    // The program editor's completions of `word`: [{text,pattern,help}],
    // help marked (document/token_completion.h).
    std::string CompleteToken(const std::string& word) const;
    std::string TapeLines() const;    // [{tokens,label,shown,value}], the open line last; label marked
    // The last `count` lines, as TapeLines writes them: {total, first, lines}.
    std::string TapeTail(int count) const;
    std::string TapeScript() const;   // the tape as tabrix-cli --script runs it
    std::string TapeSaved() const;    // the tape's saved text
    bool CanUndo() const { return m_session->CanUndo(); }
    bool CanRedo() const { return m_session->CanRedo(); }
    std::string RegisterLabels();     // {"sto":[...],"rcl":[...]}
    // The Statistics panel's rows: [{"name","meaning","value","why"}], the
    // meaning and a reason as marked sentences ("why" empty with a value).
    std::string StatisticsRows() const;
    // Solve and Integrate: the guesses Y and X as the dialog prefills them
    // ({"y","x"}, exact texts, and "none": why there is nothing to choose,
    // marked, when there are no programs); a guess as typed, read as the
    // desktop reads it (C notation, or as Paste Number reads it):
    // {"value": the number or null, "why": marked}; and the plot of program
    // `name` over the guesses a and b: {"samples":[[x, f(x) or null]...],
    // "low", "high", "texts":{from,to,low,high}, "description" (marked)},
    // or null for no such program.
    std::string NumericGuesses() const;
    std::string ReadGuess(const std::string& text) const;
    std::string Plot(const std::string& name, double a, double b) const;

    // What the page keeps in the browser's storage, and brings back.
    std::string Kept() const { return m_session->KeptText(); }
    bool Restore(const std::string& kept);

    // State files: the bytes Save State writes; Load State of such bytes.
    std::string SavedStateFile() const;
    std::string LoadStateFile(const std::string& bytes, const std::string& name);

    // Programs, as a file of def blocks keeps them.
    std::string ProgramsText() const { return m_book.Text(); }
    std::string ProgramText(const std::string& name) const { return m_book.TextOf(name); }
    // Problems of a whole file (its form, a name twice): [{line,sentence}],
    // empty when it was taken; the programs' own problems stay with them.
    std::string SetPrograms(const std::string& text);
    // The program's problems, or null for a name no program may have.
    std::string SetProgram(const std::string& name, const std::string& body);
    bool RemoveProgram(const std::string& name) { return m_book.Remove(name); }
    // The reader's decimal separator, for Paste Number's lone "," or ".".
    void SetLocaleDecimal(const std::string& decimal) {
        m_localeDecimal = decimal == "," ? ',' : '.';
        m_session->SetLocaleDecimal(m_localeDecimal);
    }
    // [{name,body,label,problems:[{line,sentence}]}]: the label as the list
    // shows it, each problem's sentence ("line 2: ...") marked.
    std::string Programs() const;

private:
    nlohmann::ordered_json Performed(const Action& action);

    std::unique_ptr<MersenneRandomSource> m_random;
    // The text the page last gave it, or that Copy put there for the page
    // to hand on to the browser.
    PrivateClipboard m_clipboard;
    PageMessages m_messages;
    PageShell m_shell;
    std::unique_ptr<CalculatorSession> m_session;
    ProgramBook m_book;
    std::string m_pendingName;  // the name of the file LoadStateFile loads
    char m_localeDecimal = '.';
    FunctionSearch m_finder;
    std::vector<FunctionId> m_recent;
};

}  // namespace tabrix::web
