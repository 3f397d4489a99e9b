#include "document/token_runner.h"

#include "document/token_reader.h"

#include <algorithm>

namespace tabrix {

TokenRunner::TokenRunner(CalculatorSession& session, Handler& handler, bool definitions)
    : m_session(session),
      m_handler(handler),
      m_reader([this](std::string_view word, std::size_t line) { return Token(word, line); },
               [this](Definition definition) { m_handler.Defined(std::move(definition)); },
               [this](ProgramProblem problem) { m_handler.Problem(problem); }),
      m_definitions(definitions) {}

bool TokenRunner::KeyWords::Append(std::string_view word, std::vector<std::uint32_t>& codes) {
    if (word.empty() || word.size() > sizeof(std::uint64_t)) return ParseKeys(word, codes);
    std::uint64_t bytes = 0;
    for (std::size_t i = 0; i < word.size(); ++i) bytes |= std::uint64_t{static_cast<unsigned char>(word[i])} << (8 * i);
    Slot& slot = m_slots[((bytes + word.size()) * 0x9E3779B97F4A7C15u) >> 56];
    if (slot.count > 0 && slot.word == bytes && slot.size == word.size()) {
        for (std::uint8_t i = 0; i < slot.count; ++i) codes.push_back(slot.keys[i]);
        return true;
    }
    const std::size_t before = codes.size();
    if (!ParseKeys(word, codes)) return false;
    const std::size_t count = codes.size() - before;
    if (count <= std::size(slot.keys)) {
        slot = {bytes, static_cast<std::uint8_t>(word.size()), static_cast<std::uint8_t>(count), {}};
        std::copy(codes.begin() + static_cast<std::ptrdiff_t>(before), codes.end(), slot.keys);
    }
    return true;
}

bool TokenRunner::Line(std::string_view text, std::size_t number) {
    m_tokens = false;
    if (!m_going) return false;
    m_everyToken = m_handler.EveryToken();
    // Outside a definition, a line that cannot begin or end one is words alone.
    if (m_definitions && (m_reader.InDefinition() || MayHoldDefinition(text))) {
        m_reader.ReadLine(text, number);
    } else {
        ForEachWord(text, [&](std::string_view word) {
            // Words that only press keys, as most are, wait for the line's end.
            if (!m_everyToken && m_keyWords.Append(word, m_keys)) return m_tokens = true;
            return Token(word, number);
        });
    }
    // The line's keys are pressed before anything looks at the calculator.
    PressHeldKeys();
    return m_going;
}

void TokenRunner::PressHeldKeys() {
    if (m_keys.empty()) return;
    m_session.PressKeys(m_keys);
    m_keys.clear();
}

bool TokenRunner::Word(std::string_view word) {
    m_tokens = false;
    if (!m_going) return false;
    m_everyToken = m_handler.EveryToken();
    Token(word, 0);
    PressHeldKeys();
    return m_going;
}

void TokenRunner::Finish() {
    if (m_definitions) m_reader.Finish();
    PressHeldKeys();
}

bool TokenRunner::Token(std::string_view word, std::size_t line) {
    if (!m_going) return false;
    m_tokens = true;
    // Keys wait, to be pressed together at the line's end: they are told no outcome.
    if (!m_everyToken && m_keyWords.Append(word, m_keys)) return true;
    PressHeldKeys();
    m_actions.clear();
    if (!ParseToken(word, m_actions)) {
        m_going = m_handler.BadToken(word, line);
        return false;  // the rest of the line is skipped
    }
    for (const Action& action : m_actions) {
        Outcome outcome = m_session.Perform(action);
        // A run given as tokens goes on to its end before the next token.
        while (m_session.Running()) outcome = m_session.Perform(Action::Command(Action::Kind::Resume));
        if (!m_handler.Performed(action, outcome)) {
            m_going = false;
            break;
        }
    }
    m_handler.TokenDone(word);
    return m_going;
}

}  // namespace tabrix
