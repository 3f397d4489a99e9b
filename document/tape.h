// The tape: a running record of the session that a person reads and the
// console replays. One line for each completed operation: the keys and
// commands that made it, and X after it as the main line showed it.
//
// Keys that leave something pending (a number being typed, the F shift, a
// prefix) open a line that the next keys and commands continue; the line is
// complete once nothing is pending, so that "12 ENTER", "3 +", "f SIN⁻¹",
// "FIX 2" and "STO 3" are lines. Every key that changed something is on
// it, since Undo steps through each of them: "F F" is a line, while a tap
// beside the keys with nothing pending is not. Undo and Redo add lines;
// nothing ever takes a line away but Clear.
//
// Each line is kept twice in words: the console's tokens that replay it
// ("ASIN", "draw:123 RAN", "paste:\"1 234,50\"") and the labels a person
// reads ("f SIN⁻¹", "f RAN#", "Paste 1 234,50"). The lines are packed into one
// buffer, so that a million of them stay small.
#pragma once

#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "document/function_ref.h"
#include "document/random_draws.h"
#include "engine/calculator_state.h"
#include "engine/function_catalogue.h"

namespace tabrix {

// A menu command as the tape writes it.
struct TapeStep {
    std::string tokens;  // console tokens that replay it
    std::string label;   // what a person reads
    // The line ends with it even while something is pending: Undo and Redo
    // are lines of their own.
    bool endsLine = false;
};

struct TapeLine {
    std::string_view tokens;
    std::string_view label;
    std::string_view shown;  // the main line after it, as the LCD shows it
    double value = 0;        // X after it (on an open line: the number being typed)
};

class CTape {
public:
    // `draws`, when given, tells which numbers RAN# drew. The tape reads the
    // main line as shown: one waiting to be made (DeferDisplay) is made first.
    CTape(CTabrixDoc& doc, const RandomDraws* draws);

    // A keypad key pressed: `run` executes it (code as ExecuteKey takes it).
    void RecordKey(std::uint32_t code, FunctionRef<void()> run);
    // A function no key gives (abs, sto+:3, with its register in
    // `argument`): `run` carries it out.
    void RecordFunction(const catalogue::Function& function, std::uint32_t argument, FunctionRef<void()> run);
    // A keyboard key released: `run` passes its virtual-key code on.
    void RecordKeyRelease(std::uint32_t virtualKey, FunctionRef<void()> run);
    // A command: `run` carries it out and returns what the tape writes for it,
    // or nothing when it did nothing worth a line (a paste without text).
    void RecordCommand(FunctionRef<std::optional<TapeStep>()> run);

    // A completed line of its own ahead of the open one (a program's
    // definition, written before the run that continues the open line); it
    // shows no main line.
    void AddLineAhead(std::string_view tokens, std::string_view label);
    // The open line ends here, showing no main line, and the next item
    // begins a line of its own: a definition written after it then stands
    // between them (a program defined anew after a step of its old
    // definition that left a number being typed).
    void BreakOpenLine();

    // The lines, oldest first; the last is the open one while keys are pending.
    std::size_t Size() const { return m_lines.size() + (m_open.empty() ? 0 : 1); }
    bool HasOpenLine() const { return !m_open.empty(); }
    TapeLine Line(std::size_t index) const;
    // Forgets every line, the open one too.
    void Clear();

    // Lines as a script the console runs: "TOKENS    # SHOWN", one per line
    // ("TOKENS" alone for a line that shows nothing).
    static std::string ScriptLine(const TapeLine& line);
    std::string Script(std::size_t first, std::size_t count) const;
    std::string Script() const { return Script(0, Size()); }

    // Every line in full (the open one too, as a line), one per text line:
    // tokens, labels, main line and X's exact value, separated by tabs; and
    // the lines such a text holds, added after the completed lines. A text
    // line that is not such a line is skipped, and the others are kept;
    // returns how many were skipped.
    std::string Save() const;
    std::size_t Load(std::string_view saved);

    // Called after every change of the lines with the index of the first line
    // that changed (it may be Size(): a line went away).
    void SetChangedCallback(std::function<void(std::size_t firstChanged)> callback) { m_changed = std::move(callback); }

    // Goes up with every change of the lines.
    std::uint64_t Revision() const { return m_revision; }

    // The bytes the lines take, for measuring.
    std::size_t MemoryBytes() const;

private:
    // Digits join into one number; an F that turns the shift on may join the
    // key after it.
    enum class ItemKind : std::uint8_t { Digit, Shift, Key, Command };
    // An item of the open line: where its words begin in the line's texts
    // (before the blank that parts it from the item in front).
    struct Item {
        ItemKind kind;
        std::uint32_t tokenStart;
        std::uint32_t labelStart;
    };
    struct Record {
        double value;
        std::size_t offset;
        std::uint32_t tokens;
        std::uint32_t label;  // kSameAsTokens: the label reads as the tokens ("3 +"), kept once
        std::uint32_t shown;
    };
    static constexpr std::uint32_t kSameAsTokens = 0xFFFFFFFF;

    void EndStep();
    void AddKeyItem(std::uint32_t code, bool shifted, std::uint64_t drawsBefore);
    // "draw:N " for the number RAN# drew since `drawsBefore`, when it drew one.
    std::string DrawnSince(std::uint64_t drawsBefore) const;
    void AddItem(ItemKind kind, std::string_view token, std::string_view label);
    void DropLastItem();
    // A completed line into the packed buffer: its words, then the main line
    // as `shown` gives it, or else as the calculator shows it now.
    void StoreLine(std::string_view tokens, std::string_view label, std::optional<std::string_view> shown,
                   double value);
    static void AppendScriptLine(std::string& out, const TapeLine& line);
    void Notify(std::size_t firstChanged);

    CTabrixDoc& m_doc;
    const RandomDraws* m_draws;
    std::vector<Item> m_open;
    bool m_endLine = false;  // the last step ends its line whatever is pending
    std::string m_openTokens, m_openLabel;
    // The open line's main line and value, found when first asked for.
    mutable std::string m_openShown;
    mutable double m_openValue = 0;
    mutable bool m_openStale = false;
    std::string m_chars;  // tokens, label and shown of every completed line, one after another
    std::vector<Record> m_lines;
    std::function<void(std::size_t)> m_changed;
    std::uint64_t m_revision = 0;
};

}  // namespace tabrix
