// The tape beside the calculator: a dock on the right of the main window with
// one row per tape line, "12 ENTER" on the left and the main line after it
// on the right. A list model over the tape with rows of one height, so that
// a million lines scroll and paint as fast as ten.
#pragma once

#include <QAbstractListModel>
#include <QDockWidget>
#include <QListView>
#include <functional>

#include "document/tape.h"

class QAction;

namespace tabrix {

class TapeModel final : public QAbstractListModel {
public:
    explicit TapeModel(CTape& tape, QObject* parent = nullptr);
    ~TapeModel() override;

    int rowCount(const QModelIndex& parent = {}) const override;
    // Display: the labels and, after them, the main line; tooltip: the line
    // as the saved tape has it; accessible text: the labels and the value.
    QVariant data(const QModelIndex& index, int role) const override;

private:
    // Brings the rows in line with the tape from its line `first` on.
    void Follow(std::size_t first);

    CTape& m_tape;
    int m_rows = 0;
};

// The list: Ctrl+C (the platform's Copy key) copies the selected lines as the
// saved tape has them, rather than Edit > Copy copying X.
class TapeListView final : public QListView {
public:
    using QListView::QListView;
    // The selected lines, oldest first, as a script.
    QString SelectedScript() const;

protected:
    bool event(QEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
};

class CTapePanel final : public QDockWidget {
public:
    // `clear` and `saveAs` are the main window's actions, offered again in the
    // list's context menu; `pasteValue` puts a line's value into X.
    CTapePanel(CTape& tape, QAction* clear, QAction* saveAs, std::function<void(double)> pasteValue,
               QWidget* parent = nullptr);

    // The text follows the calculator's zoom.
    void SetZoom(qreal zoom);
    TapeListView* List() const { return m_list; }
    // The value of the line at `row` at full precision, on the clipboard.
    void CopyValue(int row);

private:
    void ShowContextMenu(const QPoint& position);
    void AnnounceLastLine();

    CTape& m_tape;
    TapeModel* m_model;
    TapeListView* m_list;
    QAction* m_clear;
    QAction* m_saveAs;
    std::function<void(double)> m_pasteValue;
};

}  // namespace tabrix
