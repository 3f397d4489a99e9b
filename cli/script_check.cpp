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

std::string BadTokenText(std::string_view token) {
    if (IsProgramOnlyToken(token)) {
        return "'" + std::string(token) + "' stands only in a program (def:NAME ... end)";
    }
    return "bad token '" + std::string(token) + "'";
}

bool CheckRun(const std::vector<NamedText>& programFiles, const NamedText& script,
              const std::vector<std::string>& tokens, std::ostream& err, CheckedRun& checked) {
    bool good = true;
    const auto report = [&](const std::string& name, std::size_t line, const std::string& reason) {
        err << "tabrix-cli: " << (line > 0 ? name + ":" + std::to_string(line) + ": " : "") << reason << "\n";
        good = false;
    };
    const auto reportAll = [&](const std::string& name, const std::vector<ProgramProblem>& problems) {
        for (const ProgramProblem& problem : problems) {
            report(name, problem.line, FillIn(problem.reason.text, problem.reason.values));
        }
    };

    // Every name defined anywhere: a definition may call one defined later.
    struct FileDefinitions {
        const NamedText* file;
        std::vector<Definition> definitions;
    };
    std::vector<FileDefinitions> files;
    std::unordered_map<std::string, std::string> fileNames;  // key -> where it was first defined
    std::unordered_set<std::string> anywhere;
    for (const NamedText& file : programFiles) {
        ReadProgramText read = ReadDefinitions(file.text, false);
        reportAll(file.name, read.problems);
        for (const Definition& definition : read.definitions) {
            const std::string key = ProgramKey(definition.name);
            const std::string where = file.name + ":" + std::to_string(definition.line);
            const auto [first, fresh] = fileNames.emplace(key, where);
            if (!fresh) report(file.name, definition.line, definition.name + " is defined twice (also at " + first->second + ")");
            anywhere.insert(key);
        }
        files.push_back({&file, std::move(read.definitions)});
    }
    // A script without a def (a long tape, say) is read once less.
    const bool defines = MayDefine(script.text);
    ReadProgramText scriptRead = defines ? ReadDefinitions(script.text, true) : ReadProgramText{};
    reportAll(script.name, scriptRead.problems);
    for (const Definition& definition : scriptRead.definitions) anywhere.insert(ProgramKey(definition.name));
    const auto known = [&](std::string_view key) { return anywhere.contains(std::string(key)); };

    DefinedNow defined;
    for (const FileDefinitions& file : files) {
        for (const Definition& definition : file.definitions) {
            std::vector<ProgramProblem> problems;
            if (auto program = CompileProgram(definition, known, problems)) {
                defined.Add(*program);
                checked.programs.push_back(std::move(program));
            }
            reportAll(file.file->name, problems);
        }
    }
    for (const Definition& definition : scriptRead.definitions) {
        std::vector<ProgramProblem> problems;
        auto program = CompileProgram(definition, known, problems);
        reportAll(script.name, problems);
        checked.scriptPrograms.push_back(std::move(program));  // null after a problem
    }
    if (!good) return false;

    // The script in order: a token may run only what is defined by then.
    std::vector<Action> actions;
    const auto checkToken = [&](std::string_view word, const std::string& name, std::size_t line) {
        if (!good) return false;  // the first refusal is enough
        actions.clear();
        if (!ParseToken(word, actions)) {
            report(name, line, BadTokenText(word));
            return false;
        }
        for (const Action& action : actions) {
            checked.usesHistory = checked.usesHistory || action.kind == Action::Kind::Undo ||
                                  action.kind == Action::Kind::Redo;
            if ((action.kind == Action::Kind::Run || action.kind == Action::Kind::Step) && !action.text.empty()) {
                const std::string why = defined.WhyNot(ProgramKey(action.text), action.text);
                if (!why.empty()) {
                    report(name, line, why);
                    return false;
                }
            }
        }
        return true;
    };
    std::size_t nextProgram = 0;
    ProgramTextReader reader(
        [&](std::string_view word, std::size_t line) { return checkToken(word, script.name, line); },
        [&](Definition) { defined.Add(*checked.scriptPrograms[nextProgram++]); },
        [&](ProgramProblem problem) {
            // Read and told already, unless the script was taken to hold no def.
            if (!defines) report(script.name, problem.line, FillIn(problem.reason.text, problem.reason.values));
        });
    ForEachLine(script.text, [&](std::string_view text, std::size_t line) {
        if (defines) {
            reader.ReadLine(text, line);
        } else {
            ForEachWord(text, [&](std::string_view word) { return checkToken(word, script.name, line); });
        }
        return good;
    });
    for (const std::string& token : tokens) {
        if (!good || !checkToken(token, {}, 0)) break;
    }
    return good;
}

}  // namespace tabrix::cli
