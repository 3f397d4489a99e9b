#include "cli/script_check.h"

#include <ostream>
#include <unordered_map>
#include <unordered_set>

#include "document/token_reader.h"

namespace tabrix::cli {

namespace {

// The programs defined so far, each with the names it calls.
class DefinedNow {
public:
    void Add(const Program& program) { m_calls[program.key] = program.calls; }
    // Why running `key` now cannot work, or empty when it can.
    std::string WhyNot(const std::string& key, std::string_view name) const {
        if (!m_calls.contains(key)) return "no program " + std::string(name) + " is defined before this line";
        std::vector<const std::string*> todo{&key};
        std::unordered_set<std::string> seen{key};
        while (!todo.empty()) {
            const std::string& caller = *todo.back();
            todo.pop_back();
            for (const std::string& called : m_calls.at(caller)) {
                if (!seen.insert(called).second) continue;
                if (!m_calls.contains(called)) {
                    return caller + " calls " + called + ", which is not defined before this line";
                }
                todo.push_back(&m_calls.find(called)->first);
            }
        }
        return {};
    }

private:
    std::unordered_map<std::string, std::vector<std::string>> m_calls;
};

// Whether `text` may hold a def: somewhere "def:", in any case.
bool MayDefine(std::string_view text) {
    for (std::size_t colon = text.find(':'); colon != std::string_view::npos; colon = text.find(':', colon + 1)) {
        if (colon < 3) continue;
        const auto lower = [&](std::size_t i) { return static_cast<char>(text[i] | 0x20); };
        if (lower(colon - 3) == 'd' && lower(colon - 2) == 'e' && lower(colon - 1) == 'f') return true;
    }
    return false;
}

}  // namespace

namespace {

// One check of a whole run: its problems go to `err`, one line each.
class RunCheck {
public:
    RunCheck(std::ostream& err, CheckedRun& checked) : m_err(err), m_checked(checked) {}

    // Every name defined anywhere: a definition may call one defined later.
    void LearnNames(const std::vector<NamedText>& programFiles, const NamedText& script, bool scriptDefines) {
        for (const NamedText& file : programFiles) {
            for (const Definition& definition : ReadDefinitions(file.text, false).definitions) {
                m_anywhere.insert(ProgramKey(definition.name));
            }
        }
        m_script = scriptDefines ? ReadDefinitions(script.text, true) : ReadProgramText{};
        for (const Definition& definition : m_script.definitions) m_anywhere.insert(ProgramKey(definition.name));
    }

    // A --program file, as every front end checks one; a name a file before
    // it defined is refused too.
    void ProgramFile(const NamedText& file) {
        const CheckedFile read = CheckProgramFile(file.text, [&](std::string_view key) { return Known(key); });
        ReportAll(file.name, read.Problems());
        for (std::size_t i = 0; i < read.definitions.size(); ++i) {
            const Definition& definition = read.definitions[i];
            const std::string where = file.name + ":" + std::to_string(definition.line);
            const auto [first, fresh] = m_fileNames.emplace(ProgramKey(definition.name), where);
            if (!fresh && !first->second.starts_with(file.name + ":")) {
                Report(file.name, definition.line,
                       definition.name + " is defined twice (also at " + first->second + ")");
            }
            if (read.programs[i]) {
                m_defined.Add(*read.programs[i]);
                m_checked.programs.push_back(read.programs[i]);
            }
        }
    }

    // The script's definitions, each defined where the script reaches it.
    void ScriptDefinitions(const NamedText& script) {
        ReportAll(script.name, m_script.problems);
        for (const Definition& definition : m_script.definitions) {
            std::vector<ProgramProblem> problems;
            auto program = CompileProgram(definition, [&](std::string_view key) { return Known(key); }, problems);
            ReportAll(script.name, problems);
            m_checked.scriptPrograms.push_back(std::move(program));  // null after a problem
        }
    }

    // The script's tokens in order, then the command line's: a token may
    // run only what is defined by then.
    void Tokens(const NamedText& script, bool scriptDefines, const std::vector<std::string>& tokens) {
        std::size_t nextProgram = 0;
        ProgramTextReader reader(
            [&](std::string_view word, std::size_t line) { return Token(word, script.name, line); },
            [&](Definition) { m_defined.Add(*m_checked.scriptPrograms[nextProgram++]); },
            [&](ProgramProblem problem) {
                // Read and told already, unless the script was taken to hold no def.
                if (!scriptDefines) Report(script.name, problem.line, NoticeText({problem.reason}));
            });
        ForEachLine(script.text, [&](std::string_view text, std::size_t line) {
            if (scriptDefines) {
                reader.ReadLine(text, line);
            } else {
                ForEachWord(text, [&](std::string_view word) { return Token(word, script.name, line); });
            }
            return m_good;
        });
        for (const std::string& token : tokens) {
            if (!m_good || !Token(token, {}, 0)) break;
        }
    }

    bool Good() const { return m_good; }

private:
    bool Known(std::string_view key) const { return m_anywhere.contains(std::string(key)); }

    void Report(const std::string& name, std::size_t line, const std::string& reason) {
        m_err << "tabrix-cli: " << (line > 0 ? name + ":" + std::to_string(line) + ": " : "") << reason << "\n";
        m_good = false;
    }
    void ReportAll(const std::string& name, const std::vector<ProgramProblem>& problems) {
        for (const ProgramProblem& problem : problems) Report(name, problem.line, NoticeText({problem.reason}));
    }

    bool Token(std::string_view word, const std::string& name, std::size_t line) {
        if (!m_good) return false;  // the first refusal is enough
        m_keys.clear();
        if (ParseKeys(word, m_keys)) return true;  // keys alone: nothing to check
        m_actions.clear();
        if (!ParseToken(word, m_actions)) {
            Report(name, line, BadTokenText(word));
            return false;
        }
        for (const Action& action : m_actions) {
            m_checked.usesHistory = m_checked.usesHistory || action.kind == Action::Kind::Undo ||
                                    action.kind == Action::Kind::Redo;
            if ((action.kind == Action::Kind::Run || action.kind == Action::Kind::Step) && !action.text.empty()) {
                const std::string why = m_defined.WhyNot(ProgramKey(action.text), action.text);
                if (!why.empty()) {
                    Report(name, line, why);
                    return false;
                }
            }
        }
        return true;
    }

    std::ostream& m_err;
    CheckedRun& m_checked;
    bool m_good = true;
    std::unordered_set<std::string> m_anywhere;
    std::unordered_map<std::string, std::string> m_fileNames;  // key -> where a file first defined it
    ReadProgramText m_script;
    DefinedNow m_defined;
    std::vector<Action> m_actions;
    std::vector<std::uint32_t> m_keys;
};

}  // namespace

bool CheckRun(const std::vector<NamedText>& programFiles, const NamedText& script,
              const std::vector<std::string>& tokens, std::ostream& err, CheckedRun& checked) {
    // A script without a def (a long tape, say) is read once less.
    const bool defines = MayDefine(script.text);
    RunCheck check(err, checked);
    check.LearnNames(programFiles, script, defines);
    for (const NamedText& file : programFiles) check.ProgramFile(file);
    check.ScriptDefinitions(script);
    if (!check.Good()) return false;
    check.Tokens(script, defines, tokens);
    return check.Good();
}

}  // namespace tabrix::cli
