#include "document/token_runner.h"

#include "document/token_reader.h"

namespace tabrix {

TokenRunner::TokenRunner(CalculatorSession& session, Handler& handler, bool definitions)
    : m_session(session),
      m_handler(handler),
      m_reader([this](std::string_view word, std::size_t line) { return Token(word, line); },
               [this](Definition definition) { m_handler.Defined(std::move(definition)); },
               [this](ProgramProblem problem) { m_handler.Problem(problem); }),
      m_definitions(definitions) {}

bool TokenRunner::Line(std::string_view text, std::size_t number) {
    m_tokens = false;
    if (!m_going) return false;
    if (m_definitions) {
        m_reader.ReadLine(text, number);
    } else {
        ForEachWord(text, [&](std::string_view word) { return Token(word, number); });
    }
    return m_going;
}

bool TokenRunner::Word(std::string_view word) {
    m_tokens = false;
    if (!m_going) return false;
    Token(word, 0);
    return m_going;
}

void TokenRunner::Finish() {
    if (m_definitions) m_reader.Finish();
}

bool TokenRunner::Token(std::string_view word, std::size_t line) {
    if (!m_going) return false;
    m_tokens = true;
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
