#include "document/program.h"

#include <algorithm>
#include <array>
#include <utility>

#include "document/token_reader.h"

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

struct Test {
    std::string_view token;
    ProgramStep::Kind kind;
    ProgramStep::Compare compare;
};

using Kind = ProgramStep::Kind;
using Compare = ProgramStep::Compare;

constexpr std::array<Test, 12> kTests = {{
    {"X=0?", Kind::TestX, Compare::Equal},        {"X!=0?", Kind::TestX, Compare::NotEqual},
    {"X<0?", Kind::TestX, Compare::Less},         {"X>0?", Kind::TestX, Compare::Greater},
    {"X<=0?", Kind::TestX, Compare::LessOrEqual}, {"X>=0?", Kind::TestX, Compare::GreaterOrEqual},
    {"X=Y?", Kind::TestXY, Compare::Equal},       {"X!=Y?", Kind::TestXY, Compare::NotEqual},
    {"X<Y?", Kind::TestXY, Compare::Less},        {"X>Y?", Kind::TestXY, Compare::Greater},
    {"X<=Y?", Kind::TestXY, Compare::LessOrEqual}, {"X>=Y?", Kind::TestXY, Compare::GreaterOrEqual},
}};

const Test* FindTest(std::string_view upper) {
    for (const Test& test : kTests) {
        if (test.token == upper) return &test;
    }
    return nullptr;
}

constexpr const char* kNoName = QT_TRANSLATE_NOOP(
    "Programs", "\u201C%1\u201D is no program name: a letter, then letters, digits or _, 32 at most");

// The name a gsb: or run: step calls, upper-cased.
std::optional<std::string_view> CalledName(std::string_view upper) {
    if (auto called = Argument(upper, "GSB")) return called;
    return Argument(upper, "RUN");
}

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

// The register of "dsz:N" or "isz:N": one digit.
std::optional<std::uint32_t> RegisterOf(std::string_view argument) {
    if (argument.size() != 1 || argument[0] < '0' || argument[0] > '9') return std::nullopt;
    return static_cast<std::uint32_t>(argument[0] - '0');
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

bool IsProgramName(std::string_view name) {
    if (name.empty() || name.size() > kLongestProgramName) return false;
    const char first = name.front();
    if (!((first >= 'A' && first <= 'Z') || (first >= 'a' && first <= 'z'))) return false;
    return std::all_of(name.begin(), name.end(), IsWordChar);
}

std::string ProgramKey(std::string_view name) { return Upper(name); }

bool IsProgramOnlyToken(std::string_view token) {
    const std::string upper = Upper(token);
    return Argument(upper, "LBL") || Argument(upper, "GTO") || Argument(upper, "DSZ") || Argument(upper, "ISZ") ||
           upper == "RTN" || upper == "STOP" || upper == "PSE" || FindTest(upper) != nullptr;
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

std::shared_ptr<const Program> CompileProgram(const Definition& definition,
                                              const std::function<bool(std::string_view key)>& known,
                                              std::vector<ProgramProblem>& problems) {
    auto program = std::make_shared<Program>();
    program->name = definition.name;
    program->key = ProgramKey(definition.name);
    program->body = definition.body;
    const std::size_t problemsBefore = problems.size();
    std::unordered_map<std::string, std::uint32_t> labels;
    struct PendingGoto {
        std::size_t step;
        std::string label;    // as looked up
        std::string written;  // as the problem names it
        std::size_t line;
    };
    std::vector<PendingGoto> gotos;
    std::vector<Action> actions;

    const std::string_view body = program->body;
    std::size_t lineOffset = 0;
    for (std::size_t start = 0, line = definition.bodyLine; start <= body.size(); ++line) {
        const std::size_t end = std::min(body.find('\n', start), body.size());
        const std::string_view text = body.substr(start, end - start);
        lineOffset = start;
        ForEachWord(text, [&](std::string_view word) {
            ProgramStep step;
            step.line = static_cast<std::uint32_t>(line - definition.bodyLine + 1);
            step.tokenStart = static_cast<std::uint32_t>(lineOffset + static_cast<std::size_t>(word.data() - text.data()));
            step.tokenLength = static_cast<std::uint32_t>(word.size());
            const std::string upper = Upper(word);
            const auto refuse = [&](const char* reason, std::vector<std::string> values = {}) {
                problems.push_back(Problem(line, reason, std::move(values)));
            };
            if (const auto label = Argument(upper, "LBL")) {
                step.kind = Kind::Label;
                if (!IsLabel(*label)) {
                    refuse(QT_TRANSLATE_NOOP("Programs", "\u201C%1\u201D is no label: letters, digits or _"),
                           {std::string(word.substr(4))});
                } else if (!labels.emplace(std::string(*label), static_cast<std::uint32_t>(program->steps.size())).second) {
                    refuse(QT_TRANSLATE_NOOP("Programs", "the label %1 stands twice in %2"),
                           {std::string(word.substr(4)), program->name});
                }
            } else if (const auto target = Argument(upper, "GTO")) {
                step.kind = Kind::Goto;
                gotos.push_back({program->steps.size(), std::string(*target), std::string(word.substr(4)), line});
            } else if (const auto called = CalledName(upper)) {
                step.kind = Kind::Call;
                const std::string name(word.substr(4));
                if (!IsProgramName(name)) {
                    refuse(kNoName, {name});
                } else if (*called != program->key && !known(*called)) {
                    refuse(QT_TRANSLATE_NOOP("Programs", "no program %1 is defined"), {name});
                }
                step.first = static_cast<std::uint32_t>(program->calls.size());
                program->calls.emplace_back(*called);
            } else if (upper == "RTN") {
                step.kind = Kind::Return;
            } else if (upper == "STOP") {
                step.kind = Kind::Stop;
            } else if (upper == "PSE") {
                step.kind = Kind::Pause;
            } else if (const Test* test = FindTest(upper)) {
                step.kind = test->kind;
                step.compare = test->compare;
            } else if (const auto counter = Argument(upper, "DSZ"), increment = Argument(upper, "ISZ");
                       counter || increment) {
                step.kind = counter ? Kind::Decrement : Kind::Increment;
                const auto reg = RegisterOf(counter ? *counter : *increment);
                if (!reg) refuse(QT_TRANSLATE_NOOP("Programs", "%1 takes a register, 0 to 9"), {std::string(word)});
                step.first = reg.value_or(0);
            } else {
                actions.clear();
                if (!ParseToken(word, actions)) {
                    refuse(QT_TRANSLATE_NOOP("Programs", "\u201C%1\u201D is no token"), {std::string(word)});
                } else if (const char* why = WhyNoStep(actions)) {
                    refuse(why, {std::string(word)});
                } else if (std::all_of(actions.begin(), actions.end(),
                                       [](const Action& a) { return a.kind == Action::Kind::Key; })) {
                    step.kind = Kind::Keys;
                    step.first = static_cast<std::uint32_t>(program->keys.size());
                    step.count = static_cast<std::uint32_t>(actions.size());
                    for (const Action& action : actions) program->keys.push_back(action.code);
                } else {
                    step.kind = Kind::Actions;
                    step.first = static_cast<std::uint32_t>(program->actions.size());
                    step.count = static_cast<std::uint32_t>(actions.size());
                    program->actions.insert(program->actions.end(), actions.begin(), actions.end());
                }
            }
            program->steps.push_back(step);
            return true;
        });
        start = end + 1;
    }
    for (const PendingGoto& jump : gotos) {
        const auto found = labels.find(jump.label);
        if (found == labels.end()) {
            problems.push_back(Problem(jump.line, QT_TRANSLATE_NOOP("Programs", "no label %1 in %2"),
                                       {jump.written, program->name}));
        } else {
            program->steps[jump.step].first = found->second;
        }
    }
    if (problems.size() != problemsBefore) return nullptr;
    return program;
}

std::string Program::OneLine() const {
    std::string line = "def:" + name;
    for (const ProgramStep& step : steps) line.append(1, ' ').append(Token(step));
    return line + " end";
}

std::string Program::Text() const { return "def:" + name + "\n" + IndentedBody(body) + "end\n"; }

// --- The library ------------------------------------------------------------------

void ProgramLibrary::Define(std::shared_ptr<const Program> program) {
    ++m_revision;
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
    ++m_revision;
    return true;
}

void ProgramLibrary::Clear() {
    m_programs.clear();
    m_index.clear();
    ++m_revision;
}

std::string ProgramLibrary::Text() const {
    std::string text;
    for (const auto& program : m_programs) text += (text.empty() ? "" : "\n") + program->Text();
    return text;
}

ReadPrograms ReadProgramFile(std::string_view text, const std::function<bool(std::string_view key)>& alsoKnown) {
    ReadPrograms read;
    ReadProgramText definitions = ReadDefinitions(text, false);
    read.problems = std::move(definitions.problems);
    std::unordered_map<std::string, std::size_t> names;
    for (const Definition& definition : definitions.definitions) {
        if (!names.emplace(ProgramKey(definition.name), definition.line).second) {
            read.problems.push_back(
                Problem(definition.line, QT_TRANSLATE_NOOP("Programs", "%1 is defined twice"), {definition.name}));
        }
    }
    const auto known = [&](std::string_view key) {
        return names.count(std::string(key)) > 0 || (alsoKnown && alsoKnown(key));
    };
    for (const Definition& definition : definitions.definitions) {
        if (auto program = CompileProgram(definition, known, read.problems)) read.programs.push_back(std::move(program));
    }
    std::stable_sort(read.problems.begin(), read.problems.end(),
                     [](const ProgramProblem& a, const ProgramProblem& b) { return a.line < b.line; });
    return read;
}

std::string ProblemText(const ProgramProblem& problem) {
    return std::to_string(problem.line) + ": " + FillIn(problem.reason.text, problem.reason.values);
}

}  // namespace tabrix
