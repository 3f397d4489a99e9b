// Record Program: while it is on, every key and menu command a person uses is
// carried out and also written down as the tokens of a new program. Undo
// takes the last of them back out of the program as well, Redo puts it
// back; a new line starts wherever the calculator has nothing pending.
#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace tabrix {

class ProgramRecorder {
public:
    void Start(std::string name);
    void Stop() { m_on = false; }
    bool On() const { return m_on; }
    const std::string& Name() const { return m_name; }

    // An action was carried out: `token` is what replays it ("SIN", "sto:3",
    // "paste"), `changed` whether it was a step Undo takes back, `lineEnds`
    // whether nothing is left pending after it. `digit`: a digit or point
    // key, which joins a digit or point just before it into one number
    // ("12.5"), and stands apart after any other token ("EEX 2", "FIX 2").
    void Add(std::string token, bool changed, bool lineEnds, bool digit = false);
    // F and the key after it read as one word ("F" then "SIN" is "ASIN"):
    // the lone F just added is replaced by `token`.
    bool LastIsLoneShift(std::string_view shiftToken) const;
    void ReplaceLast(std::string token, bool changed, bool lineEnds);

    // An Undo or a Redo was carried out.
    void Undo();
    void Redo();

    // The program's body: its tokens, one line for each completed calculation.
    std::string Body() const;

private:
    struct Item {
        std::string token;
        bool changed;
        bool lineEnds;
        bool digit;
        bool joins;
    };
    std::string m_name;
    std::vector<Item> m_items;
    std::vector<Item> m_undone;  // most recently undone last
    bool m_on = false;
};

}  // namespace tabrix
