#include "web/web_session.h"

#include <algorithm>
#include <cmath>

#include <nlohmann/json.hpp>

#include "document/bit_view.h"
#include "document/function_help.h"
#include "document/function_plot.h"
#include "document/number_reading.h"
#include "document/numeric_report.h"
#include "document/statistics_report.h"
#include "document/function_search.h"
#include "document/keyboard_letters.h"
#include "document/state_file.h"
#include "document/state_json.h"
#include "document/token_completion.h"
#include "document/token_reader.h"
#include "document/token_runner.h"
#include "engine/key_table.h"
#include "engine/main_line.h"
#include "engine/number_text.h"
#include "view/spoken_lcd.h"

namespace tabrix::web {

namespace {

using Json = nlohmann::ordered_json;

// Texts as JSON: bytes that are not UTF-8 (a damaged state could hold some)
// become U+FFFD instead of failing.
std::string Dump(const Json& json) { return json.dump(-1, ' ', false, Json::error_handler_t::replace); }

// JSON has no NaN or infinities: those are strings, as the console writes them.
Json Number(double value) {
    if (std::isnan(value) || std::isinf(value)) return ExactText(value);
    return value;
}

Json Sentences(const Notice& notice) {
    Json list = Json::array();
    for (const Sentence& sentence : notice) {
        list.push_back({{"context", sentence.context}, {"text", sentence.text}, {"values", sentence.values}});
    }
    return list;
}

const char* RunStateName(RunReport::State state) {
    switch (state) {
        case RunReport::State::None: return "none";
        case RunReport::State::Finished: return "finished";
        case RunReport::State::Stopped: return "stopped";
        case RunReport::State::Paused: return "paused";
        case RunReport::State::Running: return "running";
        case RunReport::State::Interrupted: return "interrupted";
        case RunReport::State::StepLimit: return "step-limit";
        case RunReport::State::TooDeep: return "too-deep";
        case RunReport::State::Missing: return "missing";
        case RunReport::State::Failed: return "failed";
    }
    return "none";
}

Json Problems(const std::vector<ProgramProblem>& problems) {
    Json list = Json::array();
    for (const ProgramProblem& problem : problems) {
        list.push_back({{"line", problem.line}, {"sentence", ProblemSentence(problem)}});
    }
    return list;
}

// The page's scripting hook: lines as the console reads them on standard
// input, whose first refusal ends them; def blocks kept with the page's
// programs, as Edit Programs would keep them.
class HookLines final : public TokenRunner::Handler {
public:
    explicit HookLines(ProgramBook& book) : m_book(book) {}
    bool BadToken(std::string_view word, std::size_t) override {
        Refuse(BadTokenText(word));
        return false;
    }
    void Defined(Definition definition) override {
        m_book.Set(definition.name, definition.body);
        const ProgramBook::Entry* entry = m_book.Find(definition.name);
        if (entry != nullptr && !entry->problems.empty()) Refuse(NoticeText({entry->problems.front().reason}));
    }
    void Problem(const ProgramProblem& problem) override { Refuse(NoticeText({problem.reason})); }
    bool Performed(const Action&, const Outcome& outcome) override {
        // A run cut short (the step limit, too many calls) ends the lines, as in the console.
        if (outcome.run.Ended() && outcome.run.state != RunReport::State::Finished) Refuse(NoticeText(outcome.notice));
        return m_error.empty();
    }
    const std::string& Error() const { return m_error; }

private:
    void Refuse(const std::string& error) {
        if (m_error.empty()) m_error = error;
    }
    ProgramBook& m_book;
    std::string m_error;
};

}  // namespace

WebSession::WebSession(std::optional<std::uint64_t> seed)
    : m_random(seed ? std::make_unique<MersenneRandomSource>(*seed) : nullptr),
      m_session(std::make_unique<CalculatorSession>(
          SessionServices{{nullptr, &m_messages, nullptr, &m_clipboard}, &m_shell, m_random.get()})),
      m_book(*m_session) {
    // The page runs a program in slices between its frames, as the desktop
    // does between events; pse shows the calculator a moment.
    m_session->SetTimeSlice(std::chrono::milliseconds(10));
    m_session->SetStepLimit(0);
    m_session->HonourPauses(true);
}

std::string WebSession::Perform(int kind, std::uint32_t code, const std::string& text, double value) {
    Action action{static_cast<Action::Kind>(kind), code, text, value, m_pendingName};
    if (action.kind == Action::Kind::Function) action.argument = static_cast<std::uint32_t>(value);
    return Dump(Performed(action));
}

nlohmann::ordered_json WebSession::Performed(const Action& action) {
    const std::uint64_t writes = m_clipboard.Writes();
    m_messages.m_text.clear();
    m_messages.m_details.clear();
    m_shell.asked = m_shell.clicked = false;
    const Outcome outcome = m_session->Perform(action);
    const RunReport& run = outcome.run;
    const bool copied = m_clipboard.Writes() != writes && m_clipboard.HasText() && action.kind != Action::Kind::PutText;
    return {
        {"changed", outcome.changed},
        {"failed", outcome.failed},
        {"refused", outcome.refused},
        {"notice", Sentences(outcome.notice)},
        {"noticeLasts", outcome.noticeLasts},
        {"run",
         {{"state", RunStateName(run.state)},
          {"program", run.program},
          {"step", run.step},
          {"token", run.token},
          {"steps", run.steps}}},
        {"message", m_messages.m_text.empty() ? Json(nullptr) : Json(m_messages.m_text)},
        {"details", m_messages.m_text.empty() ? Json(nullptr) : Json(m_messages.m_details)},
        {"copied", copied ? Json(*m_clipboard.GetText()) : Json(nullptr)},
        {"about", m_shell.asked},
        {"click", m_shell.clicked},
    };
}

std::string WebSession::Run(const std::string& tokens) {
    HookLines handler(m_book);
    TokenRunner runner(*m_session, handler);
    // Bounded as the console bounds a run, in one go: an endless program
    // comes back at the step limit.
    m_session->SetStepLimit(kDefaultStepLimit);
    m_session->SetTimeSlice(std::chrono::nanoseconds(0));
    std::size_t line = 1;
    for (std::size_t start = 0; start <= tokens.size() && runner.Going(); ++line) {
        const std::size_t end = std::min(tokens.find('\n', start), tokens.size());
        runner.Line(std::string_view(tokens).substr(start, end - start), line);
        start = end + 1;
    }
    runner.Finish();
    m_session->SetStepLimit(0);
    m_session->SetTimeSlice(std::chrono::milliseconds(10));
    if (handler.Error().empty()) return Dump({{"ok", true}});
    return Dump({{"ok", false}, {"error", handler.Error()}});
}

std::string WebSession::State() { return StateToJson(m_session->Doc(), m_session->Commands(), m_clipboard); }

std::string WebSession::Display(const std::string& timesTenToThe, const std::string& shift,
                                const std::string& shifted) const {
    const CTabrixDoc& doc = m_session->Doc();
    const Json json = {
        {"main", doc.m_strDisplay},
        {"point", PointCellOf(doc)},
        {"stack", {doc.SlotText(kSlotY), doc.SlotText(kSlotZ), doc.SlotText(kSlotT)}},
        {"format", FormatIndicator(doc)},
        {"keyLayer", static_cast<int>(KeyLayerOf(doc))},
        {"angle", doc.m_strAngle},
        {"shift", doc.m_bShift},
        {"prefix", doc.m_strPrefix},
        {"statistics", !doc.m_stats.Empty()},
        {"lcd", MainLineAsRead(doc)},
        {"spoken", SpokenLcd(doc, {timesTenToThe, shift, shifted})},
        {"canUndo", CanUndo()},
        {"canRedo", CanRedo()},
        {"running", m_session->Running()},
        {"recording", m_session->Recording()},
        {"stopped", !m_session->Running() && m_session->RunPosition().program != nullptr},
    };
    return Dump(json);
}

std::string WebSession::TypedInMode(const std::string& typed) const {
    const std::optional<Action> action = tabrix::TypedInMode(m_session->Doc(), typed);
    if (!action) return "null";
    return Dump({{"kind", kActionKindNames[static_cast<std::size_t>(action->kind)]},
                 {"code", action->code},
                 {"argument", action->argument}});
}

std::string WebSession::Bits() const {
    const BitRows bits = DescribeBits(m_session->Doc());
    Json rows = Json::array();
    for (const auto& row : bits.rows) {
        Json cells = Json::array();
        for (const BitCell& cell : row) cells.push_back({{"position", cell.position}, {"set", cell.set}, {"inWord", cell.inWord}});
        rows.push_back(cells);
    }
    return Dump({{"rows", rows}, {"summary", bits.summary}});
}

std::string WebSession::KeyName(int code, const std::string& shifted) const {
    // Marked, so that the page says the functions in the reader's language.
    SpokenWords words{"", "", shifted};
    words.describe = [](std::string_view description) { return Marked("Functions", std::string(description).c_str()); };
    return KeyAccessibleName(code, words);
}

std::string WebSession::KeyboardHelp(const std::string& keyboard) const {
    return tabrix::KeyboardHelp(keyboard.empty() ? std::vector<std::string>{} : std::vector{keyboard});
}

std::string WebSession::KeyHelp(int code, const std::string& keyboard) const {
    return tabrix::KeyHelp(static_cast<std::uint32_t>(code), KeyboardHelp(keyboard));
}

std::string WebSession::FunctionHelp(int id) const {
    return tabrix::FunctionHelp(catalogue::At(static_cast<FunctionId>(id)));
}

void WebSession::SetFunctionWords(const std::string& json) {
    const Json words = Json::parse(json, nullptr, false);
    if (!words.is_array()) return;
    for (const Json& entry : words) {
        if (!entry.is_array() || entry.size() != 3 || !entry[0].is_number_integer() || !entry[1].is_string() ||
            !entry[2].is_string()) {
            continue;
        }
        m_finder.SetTranslation(static_cast<FunctionId>(entry[0].get<int>()), entry[1].get<std::string>(),
                                entry[2].get<std::string>());
    }
}

void WebSession::SetRecentFunctions(const std::string& json) {
    const Json tokens = Json::parse(json, nullptr, false);
    std::vector<std::string> list;
    if (tokens.is_array()) {
        for (const Json& token : tokens) {
            if (token.is_string()) list.push_back(token);
        }
    }
    m_recent = FunctionSearch::RecentOf(list);
}

std::string WebSession::RecentFunctions() const { return Dump(FunctionSearch::TokensOf(m_recent)); }

std::string WebSession::FindFunctions(const std::string& query) const {
    const std::vector<FunctionId> found = m_finder.Find(query, m_recent);
    Json rows = Json::array();
    for (const FunctionId id : found) rows.push_back({{"id", static_cast<int>(id)}, {"text", FunctionSearch::Row(id)}});
    return Dump({{"rows", rows}, {"hint", FunctionSearch::Hint(found.size())}});
}

std::string WebSession::ChooseFunction(const std::string& typed, int id) {
    const auto chosen = id > 0 && id < static_cast<int>(FunctionId::Count) ? static_cast<FunctionId>(id) : FunctionId::None;
    const FunctionSearch::Choice choice = FunctionSearch::Choose(typed, chosen);
    Json outcome = nullptr;
    if (choice.action) {
        m_recent = FunctionSearch::Used(m_recent, FunctionSearch::FunctionOf(*choice.action));
        outcome = Performed(*choice.action);
    }
    return Dump({{"outcome", outcome}, {"text", choice.text}, {"hint", choice.hint}});
}

std::string WebSession::CompleteToken(const std::string& word) const {
    Json list = Json::array();
    for (const TokenCompletion& c : tabrix::CompleteToken(word)) {
        list.push_back({{"text", c.text}, {"pattern", c.pattern}, {"help", c.help}});
    }
    return Dump(list);
}

namespace {

Json TapeLinesFrom(const CTape& tape, std::size_t first) {
    Json lines = Json::array();
    for (std::size_t i = first; i < tape.Size(); ++i) {
        const TapeLine line = tape.Line(i);
        lines.push_back({{"tokens", std::string(line.tokens)},
                         {"label", std::string(line.label)},
                         {"shown", std::string(line.shown)},
                         {"value", Number(line.value)}});
    }
    return lines;
}

}  // namespace

std::string WebSession::TapeLines() const { return Dump(TapeLinesFrom(m_session->Tape(), 0)); }

std::string WebSession::StatisticsRows() const {
    Json rows = Json::array();
    for (const StatisticsRow& row : tabrix::StatisticsRows(m_session->Doc().m_stats)) {
        rows.push_back({{"name", row.name},
                        {"meaning", Marked("Statistics", row.meaning)},
                        {"value", row.value},
                        {"why", row.why != nullptr ? Marked("Statistics", row.why) : std::string()}});
    }
    return Dump(rows);
}

std::string WebSession::NumericGuesses() const {
    const CTabrixDoc& doc = m_session->Doc();
    const double x = doc.m_bEntering ? doc.GetEntryValue() : doc.m_dX;
    const bool none = m_session->Programs().All().empty();
    return Dump(Json{{"y", ExactText(doc.m_dY)},
                     {"x", ExactText(x)},
                     {"none", none ? Marked("Programs", kNoProgramText) : std::string()}});
}

std::string WebSession::ReadGuess(const std::string& text) const {
    if (const auto exact = ReadExactText(text)) return Dump(Json{{"value", *exact}, {"why", ""}});
    const PastedNumber read = ReadPastedNumber(text, m_localeDecimal);
    if (read.outcome == PastedNumber::Outcome::Read) return Dump(Json{{"value", read.value}, {"why", ""}});
    return Dump(Json{{"value", nullptr}, {"why", Marked("Programs", kNoGuessText)}});
}

std::string WebSession::Plot(const std::string& name, double a, double b) const {
    const auto* program = m_session->Programs().Find(name);
    if (program == nullptr) return "null";
    const std::vector<PlotSample> samples =
        SampleProgram(*program, m_session->Programs(), m_session->Doc().State(), PlotRangeOf(a, b));
    Json points = Json::array();
    for (const PlotSample& sample : samples) {
        points.push_back({sample.x, std::isfinite(sample.fx) ? Json(sample.fx) : Json(nullptr)});
    }
    const PlotScale scale = PlotScaleOf(samples);
    const auto text = [](double value) { return ShortText(std::fabs(value) < 1e-12 ? 0 : value, 4); };
    return Dump(Json{{"samples", points},
                     {"low", scale.low},
                     {"high", scale.high},
                     {"texts", {{"from", text(samples.front().x)}, {"to", text(samples.back().x)},
                                {"low", text(scale.low)}, {"high", text(scale.high)}}},
                     {"description", PlotDescription((*program)->name, samples)}});
}

std::string WebSession::TapeTail(int count) const {
    const CTape& tape = m_session->Tape();
    const std::size_t wanted = static_cast<std::size_t>(std::max(0, count));
    const std::size_t first = tape.Size() > wanted ? tape.Size() - wanted : 0;
    return Dump(Json{{"total", tape.Size()}, {"first", first}, {"lines", TapeLinesFrom(tape, first)}});
}

std::string WebSession::TapeScript() const { return m_session->Tape().Script(); }
std::string WebSession::TapeSaved() const { return m_session->Tape().Save(); }

std::string WebSession::RegisterLabels() {
    DocumentCommands& commands = m_session->Commands();
    Json sto = Json::array();
    Json rcl = Json::array();
    for (int n = 0; n < 10; ++n) {
        sto.push_back(commands.StoreLabel(n));
        rcl.push_back(commands.RecallLabel(n));
    }
    return Dump({{"sto", sto}, {"rcl", rcl}});
}

bool WebSession::Restore(const std::string& kept) { return m_session->RestoreKept(kept).restored; }

std::string WebSession::SavedStateFile() const {
    const std::vector<std::uint8_t> bytes = EncodeState(m_session->Doc().State());
    return std::string(bytes.begin(), bytes.end());
}

std::string WebSession::LoadStateFile(const std::string& bytes, const std::string& name) {
    // Loaded as the desktop loads a file: one undo step, one tape line.
    m_pendingName = name;
    const std::string outcome = Perform(static_cast<int>(Action::Kind::LoadBytes), 0, bytes, 0);
    m_pendingName.clear();
    return outcome;
}

std::string WebSession::SetPrograms(const std::string& text) { return Dump(Problems(m_book.Read(text, true))); }

std::string WebSession::SetProgram(const std::string& name, const std::string& body) {
    if (!m_book.Set(name, body)) return "null";
    return Dump(Problems(m_book.Find(name)->problems));
}

std::string WebSession::Programs() const {
    Json list = Json::array();
    for (const ProgramBook::Entry& entry : m_book.Entries()) {
        list.push_back({{"name", entry.name},
                        {"body", entry.body},
                        {"label", entry.ListLabel()},
                        {"problems", Problems(entry.problems)}});
    }
    return Dump(list);
}

}  // namespace tabrix::web
