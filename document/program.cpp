#include "document/program.h"

#include <algorithm>
#include <array>
#include <cstring>
#include <utility>

#include "document/token_reader.h"
#include "engine/function_catalogue.h"

namespace tabrix {

namespace {

constexpr const char* kContext = "Programs";

ProgramProblem Problem(std::size_t line, const char* text, std::vector<std::string> values = {}) {
    return {line, {kContext, text, std::move(values)}};
}

std::string Upper(std::string_view text) {
    std::string upper(text);
    for (char& c : upper) {
        if (c >= 'a' && c <= 'z') c = static_cast<char>(c - 'a' + 'A');
    }
    return upper;
}

bool IsWordChar(char c) {
    return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || (c >= '0' && c <= '9') || c == '_';
}

// A token taken apart at its first colon, and the catalogue's function of
// its word (null for none): "dsz:3" is dsz with "3".
struct WordOfToken {
    const catalogue::Function* function;
    std::string_view argument;
};
WordOfToken SplitToken(std::string_view token) {
    const std::size_t colon = token.find(':');
    const bool withArgument = colon != std::string_view::npos && colon > 0;
    return {catalogue::Find(withArgument ? token.substr(0, colon) : token, withArgument),
            withArgument ? token.substr(colon + 1) : std::string_view()};
}

// A label: letters, digits or _, at most as long as a name.
bool IsLabel(std::string_view label) {
    return !label.empty() && label.size() <= kLongestProgramName && std::all_of(label.begin(), label.end(), IsWordChar);
}

// The argument of "WORD:ARG" in an upper-cased token, when it has that word.
std::optional<std::string_view> Argument(std::string_view upper, std::string_view word) {
    if (upper.size() <= word.size() || upper.substr(0, word.size()) != word || upper[word.size()] != ':') {
        return std::nullopt;
    }
    return upper.substr(word.size() + 1);
}

using Kind = ProgramStep::Kind;

constexpr const char* kNoName = QT_TRANSLATE_NOOP(
    "Programs", "\u201C%1\u201D is no program name: a letter, then letters, digits or _, 32 at most");

// Why a token's actions cannot be a step of a program, or null when they can.
const char* WhyNoStep(const std::vector<Action>& actions) {
    for (const Action& action : actions) {
        switch (action.kind) {
            case Action::Kind::Undo:
            case Action::Kind::Redo:
                return QT_TRANSLATE_NOOP("Programs", "%1 is no step: a whole run is undone at once");
            case Action::Kind::Continue:
            case Action::Kind::Step:
            case Action::Kind::Resume:
            case Action::Kind::Interrupt:
                return QT_TRANSLATE_NOOP("Programs", "%1 goes on with a stopped run: it is no step");
            case Action::Kind::Draw:
                return QT_TRANSLATE_NOOP("Programs", "%1 is for replaying a tape: a program draws with RAN#");
            default: break;
        }
    }
    return nullptr;
}

bool IsBlank(char c) { return c == ' ' || c == '\t' || c == '\r'; }

}  // namespace

std::size_t TidyBody(std::string& body) {
    // Tokens right after the def's name stand on its line: their blanks only
    // part them from it, and their line has no indentation of its own.
    const std::size_t firstEnd = std::min(body.find('\n'), body.size());
    const bool onDefLine = !std::all_of(body.begin(), body.begin() + static_cast<std::ptrdiff_t>(firstEnd), IsBlank);
    // Blank lines before and after go.
    std::size_t dropped = 0;
    std::size_t start = 0;
    for (std::size_t end; !onDefLine && (end = body.find('\n', start)) != std::string::npos; start = end + 1) {
        if (!std::all_of(body.begin() + static_cast<std::ptrdiff_t>(start),
                         body.begin() + static_cast<std::ptrdiff_t>(end), IsBlank)) {
            break;
        }
        ++dropped;
    }
    body.erase(0, start);
    // The lines, without blanks at their ends and without the indentation
    // they all share: a body reads the same however deep it stands.
    std::vector<std::string_view> lines;
    for (std::size_t from = 0; from <= body.size();) {
        const std::size_t end = std::min(body.find('\n', from), body.size());
        std::string_view line(body.data() + from, end - from);
        while (!line.empty() && IsBlank(line.back())) line.remove_suffix(1);
        lines.push_back(line);
        from = end + 1;
    }
    if (onDefLine) {
        while (!lines.front().empty() && IsBlank(lines.front().front())) lines.front().remove_prefix(1);
    }
    while (!lines.empty() && lines.back().empty()) lines.pop_back();
    std::size_t common = std::string::npos;
    for (std::size_t i = onDefLine ? 1 : 0; i < lines.size(); ++i) {
        std::size_t indent = 0;
        while (indent < lines[i].size() && IsBlank(lines[i][indent])) ++indent;
        if (indent < lines[i].size()) common = std::min(common, indent);
    }
    std::string kept;
    kept.reserve(body.size());
    for (std::size_t i = 0; i < lines.size(); ++i) {
        if (i > 0) kept += '\n';
        const bool dedent = common != std::string::npos && !(onDefLine && i == 0);
        kept += dedent && lines[i].size() >= common ? lines[i].substr(common) : lines[i];
    }
    body = std::move(kept);
    return dropped;
}

std::string IndentedBody(std::string_view body) {
    std::string text;
    for (std::size_t from = 0; from < body.size();) {
        const std::size_t end = std::min(body.find('\n', from), body.size());
        if (end > from) text.append("  ").append(body.substr(from, end - from));
        text += '\n';
        from = end + 1;
    }
    return text;
}

bool MayHoldDefinition(std::string_view line) {
    // Each place a d or an e stands, found a block at a time (a long line of
    // numbers and operators has none).
    const auto lower = [&](std::size_t i) { return static_cast<char>(line[i] | 0x20); };
    for (const char first : {'d', 'D', 'e', 'E'}) {
        const char* at = line.data();
        const char* const end = line.data() + line.size();
        while (end - at > 2 && (at = static_cast<const char*>(std::memchr(at, first, static_cast<std::size_t>(end - at) - 2)))) {
            const auto i = static_cast<std::size_t>(at - line.data());
            if ((first | 0x20) == 'd' && lower(i + 1) == 'e' && lower(i + 2) == 'f') return true;
            if ((first | 0x20) == 'e' && lower(i + 1) == 'n' && lower(i + 2) == 'd') return true;
            ++at;
        }
    }
    return false;
}

bool IsProgramName(std::string_view name) {
    if (name.empty() || name.size() > kLongestProgramName) return false;
    const char first = name.front();
    if (!((first >= 'A' && first <= 'Z') || (first >= 'a' && first <= 'z'))) return false;
    return std::all_of(name.begin(), name.end(), IsWordChar);
}

std::string ProgramKey(std::string_view name) { return Upper(name); }

bool IsProgramOnlyToken(std::string_view token) {
    const WordOfToken word = SplitToken(token);
    return word.function != nullptr && !word.function->AtTopLevel();
}

// --- Reading def blocks -------------------------------------------------------

ProgramTextReader::ProgramTextReader(OnToken onToken, OnDefinition onDefinition, OnProblem onProblem)
    : m_onToken(std::move(onToken)), m_onDefinition(std::move(onDefinition)), m_onProblem(std::move(onProblem)) {}

void ProgramTextReader::ReadLine(std::string_view text, std::size_t line) {
    // Where the part of this line that belongs to an open body begins.
    std::size_t bodyFrom = 0;
    ForEachWord(text, [&](std::string_view word) {
        const std::size_t at = static_cast<std::size_t>(word.data() - text.data());
        // Most words are tokens: only one that begins as def or end is looked at twice.
        const char first = word.front();
        const bool maybe = first == 'd' || first == 'D' || first == 'e' || first == 'E';
        const std::string upper = maybe ? Upper(word) : std::string();
        const std::optional<std::string_view> defined = maybe ? Argument(upper, "DEF") : std::nullopt;
        if (defined) {
            const std::string name(word.substr(4));
            if (m_open) {
                // The open definition is given up; the new one is read, so
                // that one slip is reported once.
                m_onProblem(Problem(line, QT_TRANSLATE_NOOP("Programs", "a def inside the definition of %1"),
                                    {m_open->name}));
            }
            if (!IsProgramName(name)) m_onProblem(Problem(line, kNoName, {name}));
            m_open = Definition{name, {}, line, line};
            bodyFrom = at + word.size();
            return true;
        }
        if (upper == "END") {
            if (!m_open) {
                m_onProblem(Problem(line, QT_TRANSLATE_NOOP("Programs", "an end without a def")));
                return true;
            }
            m_open->body.append(text.substr(bodyFrom, at - bodyFrom));
            Definition done = std::move(*m_open);
            m_open.reset();
            done.bodyLine += TidyBody(done.body);
            m_onDefinition(std::move(done));
            bodyFrom = at + word.size();
            return true;
        }
        if (!m_open) return m_onToken(word, line);
        return true;
    });
    if (m_open) m_open->body.append(text.substr(std::min(bodyFrom, text.size()))).append(1, '\n');
}

void ProgramTextReader::Finish() {
    if (!m_open) return;
    m_onProblem(Problem(m_open->line, QT_TRANSLATE_NOOP("Programs", "the definition of %1 has no end"),
                        {m_open->name}));
    m_open.reset();
}

ReadProgramText ReadDefinitions(std::string_view text, bool tokensAllowed) {
    ReadProgramText read;
    ProgramTextReader reader(
        [&](std::string_view word, std::size_t line) {
            if (!tokensAllowed) {
                read.problems.push_back(Problem(
                    line, QT_TRANSLATE_NOOP("Programs", "\u201C%1\u201D stands outside a definition"), {std::string(word)}));
            }
            return true;
        },
        [&](Definition definition) { read.definitions.push_back(std::move(definition)); },
        [&](ProgramProblem problem) { read.problems.push_back(std::move(problem)); });
    std::size_t line = 1;
    for (std::size_t start = 0; start <= text.size(); ++line) {
        const std::size_t end = std::min(text.find('\n', start), text.size());
        reader.ReadLine(text.substr(start, end - start), line);
        start = end + 1;
    }
    reader.Finish();
    return read;
}

// --- Compiling ------------------------------------------------------------------

namespace {

// Turns one definition's words into steps, one word at a time; the jumps are
// resolved once every label is known.
class Compiler {
public:
    Compiler(const Definition& definition, const std::function<bool(std::string_view key)>& known,
             std::vector<ProgramProblem>& problems)
        : m_program(std::make_shared<Program>()), m_known(known), m_problems(problems) {
        m_program->name = definition.name;
        m_program->key = ProgramKey(definition.name);
        m_program->body = definition.body;
    }

    // The word that stands at `offset` of the body, on `line` of the text.
    void Add(std::string_view word, std::size_t offset, std::size_t line, std::size_t bodyLine) {
        ProgramStep step;
        step.line = static_cast<std::uint32_t>(line - bodyLine + 1);
        step.tokenStart = static_cast<std::uint32_t>(offset);
        step.tokenLength = static_cast<std::uint32_t>(word.size());
        m_line = line;
        const WordOfToken parts = SplitToken(word);
        if (parts.function != nullptr && parts.function->word != ProgramWord::None) {
            ProgramWordStep(word, parts, step);
        } else {
            TokenStep(word, step);
        }
        m_program->steps.push_back(step);
    }

    std::shared_ptr<const Program> Finish(std::size_t problemsBefore) {
        for (const PendingGoto& jump : m_gotos) {
            const auto found = m_labels.find(jump.label);
            if (found == m_labels.end()) {
                m_problems.push_back(Problem(jump.line, QT_TRANSLATE_NOOP("Programs", "no label %1 in %2"),
                                             {jump.written, m_program->name}));
            } else {
                m_program->steps[jump.step].first = found->second;
            }
        }
        if (m_problems.size() != problemsBefore) return nullptr;
        return m_program;
    }

    std::string_view Body() const { return m_program->body; }

private:
    struct PendingGoto {
        std::size_t step;
        std::string label;    // as looked up
        std::string written;  // as the problem names it
        std::size_t line;
    };

    void Refuse(const char* reason, std::vector<std::string> values = {}) {
        m_problems.push_back(Problem(m_line, reason, std::move(values)));
    }

    // lbl:, gto:, gsb: and run:, rtn, the tests, dsz: and isz:, stop and pse.
    void ProgramWordStep(std::string_view word, const WordOfToken& parts, ProgramStep& step) {
        const catalogue::Function& function = *parts.function;
        const std::string argument(parts.argument);
        switch (function.word) {
            case ProgramWord::Label: step.kind = Kind::Label; AddLabel(argument); return;
            case ProgramWord::Goto:
                step.kind = Kind::Goto;
                m_gotos.push_back({m_program->steps.size(), Upper(argument), argument, m_line});
                return;
            case ProgramWord::Call: step.kind = Kind::Call; AddCall(argument, step); return;
            case ProgramWord::Solve:
            case ProgramWord::Integrate:
                step.kind = function.word == ProgramWord::Solve ? Kind::Solve : Kind::Integrate;
                AddCall(argument, step);
                return;
            case ProgramWord::Return: step.kind = Kind::Return; return;
            case ProgramWord::Stop: step.kind = Kind::Stop; return;
            case ProgramWord::Pause: step.kind = Kind::Pause; return;
            case ProgramWord::TestX:
            case ProgramWord::TestXY:
                step.kind = function.word == ProgramWord::TestX ? Kind::TestX : Kind::TestXY;
                step.compare = function.compare;
                return;
            case ProgramWord::Decrement:
            case ProgramWord::Increment: {
                step.kind = function.word == ProgramWord::Decrement ? Kind::Decrement : Kind::Increment;
                const std::optional<int> reg = catalogue::RegisterArgument(argument);
                if (!reg) Refuse(QT_TRANSLATE_NOOP("Programs", "%1 takes a register, 0 to 9"), {std::string(word)});
                step.first = static_cast<std::uint32_t>(reg.value_or(0));
                return;
            }
            case ProgramWord::Continue:
            case ProgramWord::Step:
                Refuse(QT_TRANSLATE_NOOP("Programs", "%1 goes on with a stopped run: it is no step"),
                       {std::string(word)});
                return;
            case ProgramWord::None: return;
        }
    }

    void AddLabel(const std::string& label) {
        if (!IsLabel(label)) {
            Refuse(QT_TRANSLATE_NOOP("Programs", "\u201C%1\u201D is no label: letters, digits or _"), {label});
        } else if (!m_labels.emplace(Upper(label), static_cast<std::uint32_t>(m_program->steps.size())).second) {
            Refuse(QT_TRANSLATE_NOOP("Programs", "the label %1 stands twice in %2"), {label, m_program->name});
        }
    }

    void AddCall(const std::string& name, ProgramStep& step) {
        const std::string key = ProgramKey(name);
        if (!IsProgramName(name)) {
            Refuse(kNoName, {name});
        } else if (key != m_program->key && !m_known(key)) {
            Refuse(QT_TRANSLATE_NOOP("Programs", "no program %1 is defined"), {name});
        }
        step.first = static_cast<std::uint32_t>(m_program->calls.size());
        m_program->calls.push_back(key);
    }

    // Any other token: the keys it presses, one function, or the commands it gives.
    void TokenStep(std::string_view word, ProgramStep& step) {
        m_actions.clear();
        if (!ParseToken(word, m_actions)) {
            Refuse(QT_TRANSLATE_NOOP("Programs", "\u201C%1\u201D is no token"), {std::string(word)});
        } else if (const char* why = WhyNoStep(m_actions)) {
            Refuse(why, {std::string(word)});
        } else if (m_actions.size() == 1 && m_actions.front().kind == Action::Kind::Function) {
            step.kind = Kind::Function;
            step.first = m_actions.front().code;
            step.count = m_actions.front().argument;
        } else if (std::all_of(m_actions.begin(), m_actions.end(),
                               [](const Action& a) { return a.kind == Action::Kind::Key; })) {
            step.kind = Kind::Keys;
            step.first = static_cast<std::uint32_t>(m_program->keys.size());
            step.count = static_cast<std::uint32_t>(m_actions.size());
            for (const Action& action : m_actions) m_program->keys.push_back(action.code);
        } else {
            step.kind = Kind::Actions;
            step.first = static_cast<std::uint32_t>(m_program->actions.size());
            step.count = static_cast<std::uint32_t>(m_actions.size());
            m_program->actions.insert(m_program->actions.end(), m_actions.begin(), m_actions.end());
        }
    }

    std::shared_ptr<Program> m_program;
    const std::function<bool(std::string_view key)>& m_known;
    std::vector<ProgramProblem>& m_problems;
    std::unordered_map<std::string, std::uint32_t> m_labels;
    std::vector<PendingGoto> m_gotos;
    std::vector<Action> m_actions;
    std::size_t m_line = 0;
};

}  // namespace

std::shared_ptr<const Program> CompileProgram(const Definition& definition,
                                              const std::function<bool(std::string_view key)>& known,
                                              std::vector<ProgramProblem>& problems) {
    const std::size_t problemsBefore = problems.size();
    Compiler compiler(definition, known, problems);
    const std::string_view body = compiler.Body();
    for (std::size_t start = 0, line = definition.bodyLine; start <= body.size(); ++line) {
        const std::size_t end = std::min(body.find('\n', start), body.size());
        const std::string_view text = body.substr(start, end - start);
        ForEachWord(text, [&](std::string_view word) {
            compiler.Add(word, start + static_cast<std::size_t>(word.data() - text.data()), line, definition.bodyLine);
            return true;
        });
        start = end + 1;
    }
    return compiler.Finish(problemsBefore);
}

std::string Program::OneLine() const {
    std::string line = "def:" + name;
    for (const ProgramStep& step : steps) line.append(1, ' ').append(Token(step));
    return line + " end";
}

// --- The library ------------------------------------------------------------------

void ProgramLibrary::Define(std::shared_ptr<const Program> program) {
    const auto [found, fresh] = m_index.emplace(program->key, m_programs.size());
    if (fresh) {
        m_programs.push_back(std::move(program));
    } else {
        m_programs[found->second] = std::move(program);
    }
}

const std::shared_ptr<const Program>* ProgramLibrary::Find(std::string_view name) const {
    const auto found = m_index.find(ProgramKey(name));
    return found == m_index.end() ? nullptr : &m_programs[found->second];
}

bool ProgramLibrary::Remove(std::string_view name) {
    const auto found = m_index.find(ProgramKey(name));
    if (found == m_index.end()) return false;
    m_programs.erase(m_programs.begin() + static_cast<std::ptrdiff_t>(found->second));
    m_index.clear();
    for (std::size_t i = 0; i < m_programs.size(); ++i) m_index.emplace(m_programs[i]->key, i);
    return true;
}

std::vector<ProgramProblem> CheckedFile::Problems() const {
    std::vector<ProgramProblem> all = fileProblems;
    for (const auto& problems : programProblems) all.insert(all.end(), problems.begin(), problems.end());
    std::stable_sort(all.begin(), all.end(),
                     [](const ProgramProblem& a, const ProgramProblem& b) { return a.line < b.line; });
    return all;
}

CheckedFile CheckProgramFile(std::string_view text, const std::function<bool(std::string_view key)>& alsoKnown) {
    CheckedFile checked;
    ReadProgramText read = ReadDefinitions(text, false);
    checked.fileProblems = std::move(read.problems);
    checked.definitions = std::move(read.definitions);
    std::unordered_map<std::string, std::size_t> names;
    for (const Definition& definition : checked.definitions) {
        const auto [first, fresh] = names.emplace(ProgramKey(definition.name), definition.line);
        if (!fresh) {
            checked.fileProblems.push_back(
                Problem(definition.line, QT_TRANSLATE_NOOP("Programs", "%1 is defined twice (also on line %2)"),
                        {definition.name, std::to_string(first->second)}));
        }
    }
    const auto known = [&](std::string_view key) {
        return names.count(std::string(key)) > 0 || (alsoKnown && alsoKnown(key));
    };
    for (const Definition& definition : checked.definitions) {
        checked.programProblems.emplace_back();
        checked.programs.push_back(CompileProgram(definition, known, checked.programProblems.back()));
    }
    return checked;
}

std::string ProblemText(const ProgramProblem& problem) {
    return std::to_string(problem.line) + ": " + NoticeText({problem.reason});
}

std::string ProblemSentence(const ProgramProblem& problem) {
    return Marked(kContext, QT_TRANSLATE_NOOP("Programs", "line %1: %2"),
                  {std::to_string(problem.line), Marked(problem.reason)});
}

}  // namespace tabrix
