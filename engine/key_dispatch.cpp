// ExecuteKey: runs the catalogue's function of the key in m_nKey, then the
// ending every key shares, which settles the shift and the prefix; and the
// two-key prefix commands that a digit completes.
#include "engine/calculator_state.h"
#include "engine/function_catalogue.h"
#include "engine/key_codes.h"
#include "engine/key_table.h"
#include "engine/mode_words.h"

namespace tabrix {

void CTabrixDoc::ExecuteKey() { ExecuteFunction(KeyFunctionOf(m_nKey, m_bShift, KeyLayerOf(*this))); }

void CTabrixDoc::ExecuteFunction(const catalogue::Function& function, int argument) {
    m_failure = StatisticsError::None;
    if (function.IsPrefix()) {
        // The word waits for the next key; the common ending does not run.
        m_bShift = false;
        m_strPrefix = function.prefix;
        UpdateDisplay();
        return;
    }
    m_refused = false;
    if (m_integer.window != 0 && !function.KeepsWindow()) m_integer.window = 0;
    if (function.entry == EntryRule::Commits) CommitEntry();
    if (function.savesLastX) {
        // Kept for a refusal to put back.
        m_lastXBefore = m_dLastX;
        m_lastXWordBefore = m_integer.words[kSlotLastX];
        m_dLastX = m_dX;
        m_integer.words[kSlotLastX] = m_integer.words[kSlotX];
    }
    if (function.onWords != nullptr && (m_integer.On() || !function.HasFloatMeaning())) {
        RunOnWords(function, argument);
    } else {
        if (function.digit >= 0) OnDigit(function.digit);
        if (function.unary != nullptr) m_dX = function.unary(*this, m_dX);
        if (function.binary != nullptr) {
            m_dX = function.binary(m_dY, m_dX);
            DropStack();
        }
        if (function.act != nullptr) function.act(*this);
        if (function.actOn != nullptr) function.actOn(*this, argument);
    }
    if (m_refused) [[unlikely]] {
        // A refusal changes nothing: LAST X as it was.
        if (function.savesLastX) {
            m_dLastX = m_lastXBefore;
            m_integer.words[kSlotLastX] = m_lastXWordBefore;
        }
    } else if (function.lift != LiftRule::Untouched) {
        m_bLift = function.lift == LiftRule::Enables;
    }
    FinishKey();
}

void CTabrixDoc::FinishKey() {
    // F toggles the shift and keeps only a HYP prefix (so that HYP F SIN is the
    // inverse hyperbolic sine); every other key ends the shift and the prefix.
    if (m_nKey == keys::kShift) {
        m_bShift = !m_bShift;
        if (m_strPrefix != words::kHyp) m_strPrefix.clear();
    } else {
        CancelShiftAndPrefix();
    }
    UpdateDisplay();
}

void CTabrixDoc::PressKey(std::uint32_t code) {
    m_nKey = code;
    ExecuteKey();
    m_nKey = 0;
}

void CTabrixDoc::CancelShiftAndPrefix() {
    m_bShift = false;
    m_strPrefix.clear();
}

bool CTabrixDoc::Hyperbolic() const { return m_strPrefix == words::kHyp; }

void CTabrixDoc::OnDigit(int nDigit) {
    if (nDigit < 0 || nDigit > 15) return;
    if (nDigit > 9 && !m_strPrefix.empty()) return Refuse();  // no register or digit count beyond 9
    if (m_strPrefix == words::kFix || m_strPrefix == words::kSci || m_strPrefix == words::kEng) {
        LeaveIntegerMode();  // a display format is a float mode
        m_strFormat = m_strPrefix;
        m_nDigits = nDigit;
    } else if (m_strPrefix == words::kSto) {
        StoreRegister(nDigit);
    } else if (m_strPrefix == words::kRcl) {
        RecallRegister(nDigit);
    } else {
        AppendDigit(nDigit);
    }
}

void CTabrixDoc::Fail(StatisticsError why) {
    m_failure = why;
    m_showFailure = true;
}

void CTabrixDoc::RequestAbout() {
    if (m_pShell != nullptr) m_pShell->RequestAbout();
}

}  // namespace tabrix
