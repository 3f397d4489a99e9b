#include "web/web_session.h"


#include "document/state_file.h"
#include "document/state_json.h"
#include "document/token_reader.h"
#include "engine/main_line.h"
#include "engine/number_text.h"
#include "view/spoken_lcd.h"

namespace tabrix::web {

namespace {

std::string Bool(bool value) { return value ? "true" : "false"; }

std::string Number(double value) {
    if (std::isnan(value) || std::isinf(value)) return JsonText(ExactText(value));
    return ExactText(value);
}

std::string SentencesJson(const Notice& notice) {
    std::string json = "[";
    for (const Sentence& sentence : notice) {
        if (json.size() > 1) json += ',';
        json += "{\"context\":" + JsonText(sentence.context) + ",\"text\":" + JsonText(sentence.text) + ",\"values\":[";
        for (std::size_t i = 0; i < sentence.values.size(); ++i) json += (i > 0 ? "," : "") + JsonText(sentence.values[i]);
        json += "]}";
    }
    return json + "]";
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
    }
    return "none";
}

std::string ProblemsJson(const std::vector<ProgramProblem>& problems) {
    std::string json = "[";
    for (const ProgramProblem& problem : problems) {
        if (json.size() > 1) json += ',';
        json += "{\"line\":" + std::to_string(problem.line) + ",\"sentence\":" + SentencesJson({problem.reason}) + "}";
    }
    return json + "]";
}

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
    const std::uint64_t writes = m_clipboard.Writes();
    m_messages.m_text.clear();
    m_shell.asked = false;
    const Outcome outcome = m_session->Perform(action);
    const RunReport& run = outcome.run;
    std::string json = "{\"changed\":" + Bool(outcome.changed) + ",\"failed\":" + Bool(outcome.failed) +
                       ",\"refused\":" + Bool(outcome.refused) + ",\"notice\":" + SentencesJson(outcome.notice);
    json += ",\"run\":{\"state\":\"" + std::string(RunStateName(run.state)) + "\",\"program\":" + JsonText(run.program) +
            ",\"step\":" + std::to_string(run.step) + ",\"token\":" + JsonText(run.token) +
            ",\"steps\":" + std::to_string(run.steps) + "}";
    json += ",\"message\":" + (m_messages.m_text.empty() ? std::string("null") : JsonText(m_messages.m_text));
    const bool copied = m_clipboard.Writes() != writes && m_clipboard.HasText() && action.kind != Action::Kind::PutText;
    json += ",\"copied\":" + (copied ? JsonText(*m_clipboard.GetText()) : std::string("null"));
    json += ",\"about\":" + Bool(m_shell.asked) + ",\"deepestCall\":" + std::to_string(kDeepestCall) + "}";
    return json;
}

std::string WebSession::Run(const std::string& tokens) {
    std::vector<Action> actions;
    std::string error;
    ProgramTextReader reader(
        [&](std::string_view word, std::size_t) {
            actions.clear();
            if (!ParseToken(word, actions)) {
                error = "bad token '" + std::string(word) + "'";
                return false;
            }
            for (const Action& action : actions) m_session->Perform(action);
            // A run given as tokens goes on to its end, as in the console.
            while (m_session->Running()) m_session->Perform(Action::Command(Action::Kind::Resume));
            return true;
        },
        [&](Definition definition) {
            // Kept with the page's programs, as Edit Programs would keep it.
            m_book.Set(definition.name, definition.body);
            const ProgramBook::Entry* entry = m_book.Find(definition.name);
            if (entry != nullptr && !entry->problems.empty() && error.empty()) {
                error = FillIn(entry->problems.front().reason.text, entry->problems.front().reason.values);
            }
        },
        [&](ProgramProblem problem) {
            if (error.empty()) error = FillIn(problem.reason.text, problem.reason.values);
        });
    std::size_t line = 1;
    for (std::size_t start = 0; start <= tokens.size() && error.empty(); ++line) {
        const std::size_t end = std::min(tokens.find('\n', start), tokens.size());
        reader.ReadLine(std::string_view(tokens).substr(start, end - start), line);
        start = end + 1;
    }
    reader.Finish();
    if (error.empty()) return "{\"ok\":true}";
    return "{\"ok\":false,\"error\":" + JsonText(error) + "}";
}

std::string WebSession::State() {
    return StateToJson(m_session->Doc(), m_session->Commands(), m_clipboard);
}

std::string WebSession::Display(const std::string& timesTenToThe, const std::string& shift,
                                const std::string& shifted) const {
    const CTabrixDoc& doc = m_session->Doc();
    const std::string digits = doc.m_nDigits >= 0 && doc.m_nDigits <= 9 ? std::to_string(doc.m_nDigits) : "?";
    return "{\"main\":" + JsonText(doc.m_strDisplay) + ",\"point\":" + std::to_string(PointCellOf(doc)) +
           ",\"stack\":[" + JsonText(doc.FormatNumber(doc.m_dY)) + "," + JsonText(doc.FormatNumber(doc.m_dZ)) + "," +
           JsonText(doc.FormatNumber(doc.m_dT)) + "],\"format\":" + JsonText(doc.m_strFormat + "." + digits) +
           ",\"angle\":" + JsonText(doc.m_strAngle) + ",\"shift\":" + Bool(doc.m_bShift) +
           ",\"prefix\":" + JsonText(doc.m_strPrefix) + ",\"lcd\":" + JsonText(MainLineAsRead(doc)) +
           ",\"spoken\":" + JsonText(SpokenLcd(doc, {timesTenToThe, shift, shifted})) +
           ",\"canUndo\":" + Bool(CanUndo()) + ",\"canRedo\":" + Bool(CanRedo()) +
           ",\"running\":" + Bool(m_session->Running()) + ",\"recording\":" + Bool(m_session->Recording()) +
           ",\"stopped\":" + Bool(!m_session->Running() && m_session->RunPosition().program != nullptr) + "}";
}

std::string WebSession::KeyName(int code, const std::string& shifted) const {
    return KeyAccessibleName(code, SpokenWords{"", "", shifted});
}

std::string WebSession::TapeLines() const {
    const CTape& tape = m_session->Tape();
    std::string json = "[";
    for (std::size_t i = 0; i < tape.Size(); ++i) {
        const TapeLine line = tape.Line(i);
        if (i > 0) json += ',';
        json += "{\"tokens\":" + JsonText(std::string(line.tokens)) + ",\"label\":" + JsonText(std::string(line.label)) +
                ",\"shown\":" + JsonText(std::string(line.shown)) + ",\"value\":" + Number(line.value) + "}";
    }
    return json + "]";
}

std::string WebSession::TapeScript() const { return m_session->Tape().Script(); }
std::string WebSession::TapeSaved() const { return m_session->Tape().Save(); }

std::string WebSession::RegisterLabels() {
    DocumentCommands& commands = m_session->Commands();
    std::string sto = "[", rcl = "[";
    for (int n = 0; n < 10; ++n) {
        sto += (n > 0 ? "," : "") + JsonText(commands.StoreLabel(n));
        rcl += (n > 0 ? "," : "") + JsonText(commands.RecallLabel(n));
    }
    return "{\"sto\":" + sto + "],\"rcl\":" + rcl + "]}";
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

std::string WebSession::SetPrograms(const std::string& text) { return ProblemsJson(m_book.Read(text, true)); }

std::string WebSession::SetProgram(const std::string& name, const std::string& body) {
    if (!m_book.Set(name, body)) return "null";
    return ProblemsJson(m_book.Find(name)->problems);
}

std::string WebSession::Programs() const {
    std::string json = "[";
    for (const ProgramBook::Entry& entry : m_book.Entries()) {
        if (json.size() > 1) json += ',';
        json += "{\"name\":" + JsonText(entry.name) + ",\"body\":" + JsonText(entry.body) +
                ",\"problems\":" + ProblemsJson(entry.problems) + "}";
    }
    return json + "]";
}

}  // namespace tabrix::web
