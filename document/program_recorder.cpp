#include "document/program_recorder.h"

namespace tabrix {

void ProgramRecorder::Start(std::string name) {
    m_name = std::move(name);
    m_items.clear();
    m_undone.clear();
    m_on = true;
}

void ProgramRecorder::Add(std::string token, bool changed, bool lineEnds, bool digit) {
    // A new step after an undo: what was undone cannot come back.
    if (changed) m_undone.clear();
    const bool joins = digit && !m_items.empty() && m_items.back().digit && !m_items.back().lineEnds;
    m_items.push_back({std::move(token), changed, lineEnds, digit, joins});
}

bool ProgramRecorder::LastIsLoneShift(std::string_view shiftToken) const {
    return !m_items.empty() && m_items.back().token == shiftToken && m_items.back().changed;
}

void ProgramRecorder::ReplaceLast(std::string token, bool changed, bool lineEnds) {
    Item& last = m_items.back();
    last.token = std::move(token);
    last.changed = changed;
    last.lineEnds = lineEnds;
}

void ProgramRecorder::Undo() {
    // Undo took back the last step that changed the calculator: it leaves
    // the program, and with it what came after it and changed nothing.
    while (!m_items.empty()) {
        const bool step = m_items.back().changed;
        m_undone.push_back(std::move(m_items.back()));
        m_items.pop_back();
        if (step) return;
    }
}

void ProgramRecorder::Redo() {
    // The step comes back, and what changed nothing after it.
    bool stepBack = false;
    while (!m_undone.empty() && !(stepBack && m_undone.back().changed)) {
        stepBack = stepBack || m_undone.back().changed;
        m_items.push_back(std::move(m_undone.back()));
        m_undone.pop_back();
    }
}

std::string ProgramRecorder::Body() const {
    std::string body;
    bool lineStart = true;
    for (const Item& item : m_items) {
        if (!lineStart && !item.joins) body += ' ';
        body += item.token;
        lineStart = item.lineEnds;
        if (lineStart) body += '\n';
    }
    while (!body.empty() && body.back() == '\n') body.pop_back();
    return body;
}

}  // namespace tabrix
