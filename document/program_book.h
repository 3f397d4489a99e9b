// The programs a person keeps, as they wrote them: each a name and a body,
// one with a problem too, so that nothing typed is ever lost. The programs
// without problems are defined in the calculator session and run; one with
// a problem is not (running it says so). The book is what the desktop keeps
// in programs.txt, imports and exports, and what its editor edits.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "document/calculator_session.h"
#include "document/program.h"

namespace tabrix {

class ProgramBook {
public:
    struct Entry {
        std::string name;  // as written
        std::string body;
        std::vector<ProgramProblem> problems;  // lines counted in the body

        // How a list of programs names it: "tri", or "tri (has problems)",
        // as a marked text (document/notice.h).
        std::string ListLabel() const;
    };

    explicit ProgramBook(CalculatorSession& session) : m_session(session) {}

    const std::vector<Entry>& Entries() const { return m_entries; }
    const Entry* Find(std::string_view name) const;

    // Adds program `name`, or gives the one of that name (without regard to
    // case) the new body and name. False for a name no program may have.
    bool Set(std::string_view name, std::string body);
    // Renames; false when `to` is no name or names another program.
    bool Rename(std::string_view from, std::string_view to);
    bool Remove(std::string_view name);

    // Every program as a file keeps them: def blocks, one after another.
    std::string Text() const;
    // One program's def block, as Text() writes it; empty for no such program.
    std::string TextOf(const std::string& name) const;
    // Reads such a file: each of its programs is added, or replaces the one
    // of its name (`replaceAll`: the book holds the file's programs alone).
    // Problems of the file itself (a def without an end, a token outside a
    // definition, a name defined twice) come back with their lines in the
    // file; such a file adds nothing. Problems inside a program stay with it.
    std::vector<ProgramProblem> Read(std::string_view text, bool replaceAll);

    // Goes up with every change.
    std::uint64_t Revision() const { return m_revision; }
    // Defines the programs in the session again, after a run that kept it
    // from taking a change: those with problems as programs that do not run.
    void Sync();

private:
    Entry* FindEntry(std::string_view name);
    // Checks every program against the others and defines those that run.
    void Changed();

    CalculatorSession& m_session;
    std::vector<Entry> m_entries;
    std::uint64_t m_revision = 0;
};

}  // namespace tabrix
