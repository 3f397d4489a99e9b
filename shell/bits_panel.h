// The Bits panel: every bit of X in rows of 16, groups of 4 with their
// positions, the bits beyond the word size dimmed. A click on a bit toggles
// it through the session (flip:N), one undo step and one tape line. It takes
// no keyboard focus: keys still go to the calculator.
#pragma once

#include <QCoreApplication>
#include <QDockWidget>
#include <functional>

#include "document/bit_view.h"

namespace tabrix {

class CBitsGrid;

class CBitsPanel final : public QDockWidget {
    Q_DECLARE_TR_FUNCTIONS(CBitsPanel)

public:
    CBitsPanel(std::function<void(int position)> toggle, QWidget* parent = nullptr);
    void Show(const BitRows& bits);
    // Where bit `position` is drawn, in the panel's grid (for tests and clicks).
    QPoint CenterOf(int position) const;
    QWidget* Grid() const;

private:
    CBitsGrid* m_grid = nullptr;
};

}  // namespace tabrix
