#include "document/program_book.h"

#include <unordered_set>

namespace tabrix {

ProgramBook::Entry* ProgramBook::FindEntry(std::string_view name) {
    const std::string key = ProgramKey(name);
    for (Entry& entry : m_entries) {
        if (ProgramKey(entry.name) == key) return &entry;
    }
    return nullptr;
}

const ProgramBook::Entry* ProgramBook::Find(std::string_view name) const {
    return const_cast<ProgramBook*>(this)->FindEntry(name);
}

bool ProgramBook::Set(std::string_view name, std::string body) {
    if (!IsProgramName(name)) return false;
    if (Entry* entry = FindEntry(name)) {
        entry->name = std::string(name);
        entry->body = std::move(body);
    } else {
        m_entries.push_back({std::string(name), std::move(body), {}});
    }
    Changed();
    return true;
}

bool ProgramBook::Rename(std::string_view from, std::string_view to) {
    Entry* entry = FindEntry(from);
    if (entry == nullptr || !IsProgramName(to)) return false;
    const Entry* other = FindEntry(to);
    if (other != nullptr && other != entry) return false;
    m_session.RemoveProgram(entry->name);
    entry->name = std::string(to);
    Changed();
    return true;
}

bool ProgramBook::Remove(std::string_view name) {
    Entry* entry = FindEntry(name);
    if (entry == nullptr) return false;
    m_session.RemoveProgram(entry->name);
    m_entries.erase(m_entries.begin() + (entry - m_entries.data()));
    Changed();
    return true;
}

namespace {

std::string Block(const std::string& name, const std::string& body) {
    return "def:" + name + "\n" + IndentedBody(body) + "end\n";
}

}  // namespace

std::string ProgramBook::Text() const {
    std::string text;
    for (const Entry& entry : m_entries) {
        if (!text.empty()) text += '\n';
        text += Block(entry.name, entry.body);
    }
    return text;
}

std::string ProgramBook::TextOf(const std::string& name) const {
    for (const Entry& entry : m_entries) {
        if (entry.name == name) return Block(entry.name, entry.body);
    }
    return {};
}

std::vector<ProgramProblem> ProgramBook::Read(std::string_view text, bool replaceAll) {
    // The one checker of a file: the programs' own problems stay with them.
    CheckedFile read = CheckProgramFile(text);
    if (!read.fileProblems.empty()) return read.fileProblems;
    if (replaceAll) {
        for (const Entry& entry : m_entries) m_session.RemoveProgram(entry.name);
        m_entries.clear();
    }
    for (Definition& definition : read.definitions) {
        if (Entry* entry = FindEntry(definition.name)) {
            entry->name = std::move(definition.name);
            entry->body = std::move(definition.body);
        } else {
            m_entries.push_back({std::move(definition.name), std::move(definition.body), {}});
        }
    }
    Changed();
    return {};
}

void ProgramBook::Changed() {
    ++m_revision;
    Sync();
}

void ProgramBook::Sync() {
    std::unordered_set<std::string> names;
    for (const Entry& entry : m_entries) names.insert(ProgramKey(entry.name));
    const auto known = [&](std::string_view key) { return names.contains(std::string(key)); };
    for (Entry& entry : m_entries) {
        entry.problems.clear();
        auto program = CompileProgram(Definition{entry.name, entry.body, 0, 1}, known, entry.problems);
        if (program) {
            m_session.DefineProgram(std::move(program));
        } else {
            m_session.DefineBroken(entry.name, entry.problems.front());
        }
    }
}

std::string ProgramBook::Entry::ListLabel() const {
    if (problems.empty()) return name;
    return Marked("Programs", QT_TRANSLATE_NOOP("Programs", "%1 (has problems)"), {name});
}

}  // namespace tabrix
