// The tape beside the calculator: a dock on the right of the main window with
// one row per tape line, "12 ENTER" on the left and the main line after it
// on the right.
//
// The list is drawn straight from the tape: every row has the same height,
// so the view knows where any line is without measuring or laying out rows,
// and a million lines scroll, grow and paint as fast as ten. (Qt's own list
// view lays out every row again when one is added.)
#pragma once

#include <QAbstractScrollArea>
#include <QCoreApplication>
#include <QDockWidget>
#include <functional>

#include "document/tape.h"

class QAction;

namespace tabrix {

class TapeView final : public QAbstractScrollArea {
public:
    explicit TapeView(CTape& tape, QWidget* parent = nullptr);
    ~TapeView() override;

    int RowCount() const { return static_cast<int>(m_tape.Size()); }
    // A row in full: the labels, then the main line after them.
    QString RowText(int row) const;
    // A row as it is drawn in the list's width: a label too long for it
    // loses its middle ("paste:12…89"), never the main line after it.
    QString DrawnText(int row) const;
    // A row as a screen reader says it: "3 +, X 1.5".
    QString RowSpeech(int row) const;
    int RowAt(int y) const;
    int RowHeight() const { return m_rowHeight; }

    // The selected lines, one run of rows from `first` to `last`; none when
    // first is -1.
    int SelectionFirst() const { return m_anchor < 0 ? -1 : std::min(m_anchor, m_current); }
    int SelectionLast() const { return m_anchor < 0 ? -1 : std::max(m_anchor, m_current); }
    void Select(int anchor, int current);
    void SelectAll() { Select(0, RowCount() - 1); }
    // The selected lines as the saved tape has them.
    QString SelectedScript() const;
    int CurrentRow() const { return m_current; }

    void ScrollToEnd();
    // Called with a row when it is double-clicked.
    std::function<void(int row)> onActivated;

protected:
    bool event(QEvent* event) override;
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    // Only its own keys (arrows, pages, Home, End, Return, Ctrl+C, Ctrl+A);
    // every other key goes on to the window, and so to the calculator.
    void keyPressEvent(QKeyEvent* event) override;
    void focusInEvent(QFocusEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;
    void changeEvent(QEvent* event) override;

private:
    // The tape's lines changed from `first` on.
    void Follow(std::size_t first);
    // The bar's range for the rows and the height; the newest line stays in
    // sight as long as the list showed it (opened, grown, zoomed).
    void Refit();
    void UpdateScrollBar();
    void MoveCurrent(int row, bool extend);

    CTape& m_tape;
    int m_rowHeight = 16;
    bool m_followEnd = true;   // the list shows the newest line, and keeps it in sight
    bool m_adjusting = false;  // the bar is moved by the list itself, not by the user
    int m_anchor = -1;
    int m_current = -1;
};

class CTapePanel final : public QDockWidget {
    Q_DECLARE_TR_FUNCTIONS(CTapePanel)

public:
    // `clear` and `saveAs` are the main window's actions, offered again in the
    // list's context menu; `pasteValue` puts a line's value into X.
    CTapePanel(CTape& tape, QAction* clear, QAction* saveAs, std::function<void(double)> pasteValue,
               QWidget* parent = nullptr);

    // The text follows the calculator's zoom.
    void SetZoom(qreal zoom);
    TapeView* List() const { return m_list; }
    // The value of the line at `row` at full precision, on the clipboard.
    void CopyValue(int row);

private:
    void ShowContextMenu(const QPoint& position);

    CTape& m_tape;
    TapeView* m_list;
    QAction* m_clear;
    QAction* m_saveAs;
};

// Screen readers see a TapeView as a list whose items are its lines.
void InstallTapeAccessibility();

}  // namespace tabrix
