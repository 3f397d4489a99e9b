// The state record's defaults, the three reset scopes and the stack movements.
#include <algorithm>
#include <cstdint>

#include "engine/calculator_state.h"
#include "platform/random_source.h"

namespace tabrix {

CTabrixDoc::CTabrixDoc(IRandomSource* random, IShellRequests* shell) : m_pShell(shell) {
    SetRandomSource(random);
    InitializeState();
}

CTabrixDoc::~CTabrixDoc() = default;

void CTabrixDoc::SetRandomSource(IRandomSource* random) {
    if (random == nullptr && !m_pOwnRandom) {
        m_pOwnRandom = std::make_unique<MersenneRandomSource>(MersenneRandomSource::UnpredictableSeed());
    }
    m_pRandom = random != nullptr ? random : m_pOwnRandom.get();
}

void CTabrixDoc::SetShellRequests(IShellRequests* shell) { m_pShell = shell; }

void CTabrixDoc::AddView(IView* view) {
    if (view != nullptr && std::find(m_views.begin(), m_views.end(), view) == m_views.end()) {
        m_views.push_back(view);
    }
}

void CTabrixDoc::RemoveView(IView* view) { std::erase(m_views, view); }

void CTabrixDoc::UpdateAllViews() {
    if (m_deferDisplay) return;  // a program runs: the views are told when it ends
    // A copy, so that a view may unregister itself while being told.
    const std::vector<IView*> views = m_views;
    for (IView* view : views) view->OnUpdate();
}

void CTabrixDoc::Refresh() {
    UpdateDisplay();
    UpdateAllViews();
}

void CTabrixDoc::ReplaceX(double value) {
    m_bEntering = false;  // a number being typed is abandoned, not committed
    m_dX = value;
    Refresh();  // in integer mode the refresh makes it a word
}

void CTabrixDoc::ReplaceXWord(std::uint64_t bits) {
    m_bEntering = false;
    SetWord(kSlotX, bits);
    Refresh();
}

bool CTabrixDoc::OnNewDocument() {
    InitializeState();
    return true;
}

void CTabrixDoc::OnResetState() {
    InitializeState();
    UpdateAllViews();
}

void CTabrixDoc::InitializeState() {
    m_displayPending = false;
    const std::uint32_t key = m_nKey;
    SetState(CalculatorState{});
    m_nKey = key;
}

void CTabrixDoc::ResetEntry() {
    m_bDecimal = m_bEntering = m_bExponent = false;
    m_strMantissa.clear();
    m_strFraction.clear();
    m_strExponent.clear();
    // Most entries begin with blank signs already: no copy then.
    if (m_strMantSign != " ") m_strMantSign.assign(1, ' ');
    if (m_strExpSign != " ") m_strExpSign.assign(1, ' ');
}

void CTabrixDoc::ClearAll() {
    m_displayPending = false;  // the main line is set here, whole
    ResetEntry();
    m_bShift = m_bSpare = false;
    m_bLift = true;
    m_dX = m_dY = m_dZ = m_dT = 0;
    m_dLastX = 0;  // it belongs to the stack that is cleared
    m_dReg.fill(0);
    m_integer.words.fill(0);
    m_strDisplay = kZeroDisplay;
    m_nPointPos = kZeroPointPos;
}

void CTabrixDoc::ClearX() {
    FlushDisplay();  // the point stays where the last refresh put it
    ResetEntry();
    m_bLift = false;
    m_dX = 0;
    m_integer.words[kSlotX] = 0;
    m_strDisplay = kZeroDisplay;
}

void CTabrixDoc::LiftStack() {
    m_dT = m_dZ;
    m_dZ = m_dY;
    m_dY = m_dX;
    auto& w = m_integer.words;
    w[kSlotT] = w[kSlotZ];
    w[kSlotZ] = w[kSlotY];
    w[kSlotY] = w[kSlotX];
}

void CTabrixDoc::SwapXY() {
    std::swap(m_dX, m_dY);
    std::swap(m_integer.words[kSlotX], m_integer.words[kSlotY]);
}

void CTabrixDoc::StoreRegister(int n) {
    if (n < 0 || n > 9) return;
    CommitEntry();
    m_dReg[static_cast<std::size_t>(n)] = m_dX;
    m_integer.words[kSlotRegister0 + static_cast<std::size_t>(n)] = m_integer.words[kSlotX];
}

void CTabrixDoc::RecallRegister(int n) {
    if (n < 0 || n > 9) return;
    CommitEntry();
    LiftStack();
    m_dX = m_dReg[static_cast<std::size_t>(n)];
    m_integer.words[kSlotX] = m_integer.words[kSlotRegister0 + static_cast<std::size_t>(n)];
}

void CTabrixDoc::RecallLastX() {
    LiftStack();
    m_dX = m_dLastX;
    m_integer.words[kSlotX] = m_integer.words[kSlotLastX];
}

void CTabrixDoc::CombineRegister(int n, double (*op)(double reg, double x)) {
    if (n < 0 || n > 9) return;
    double& reg = m_dReg[static_cast<std::size_t>(n)];
    reg = op(reg, m_dX);
}

void CTabrixDoc::DropStack() {
    m_dY = m_dZ;
    m_dZ = m_dT;
    m_integer.words[kSlotY] = m_integer.words[kSlotZ];
    m_integer.words[kSlotZ] = m_integer.words[kSlotT];
    m_bLift = true;
}

}  // namespace tabrix
