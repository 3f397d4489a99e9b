// A table for a dialog that must show its content in every language: it
// asks for the width of all its columns, each as wide as its widest cell or
// its header, and for the height of a number of rows, so that the dialog
// opens at a size where nothing is cut; it can still be made smaller or
// larger, and then scrolls.
#pragma once

#include <QTableWidget>

namespace tabrix {

class CContentTable final : public QTableWidget {
public:
    // `shownRows`: how many rows the table asks room for.
    CContentTable(int columns, int shownRows, QWidget* parent = nullptr);

    // After the cells change: every column as wide as its content.
    void FitColumns();
    // Opens `dialog` at the size its content asks for, as far as the screen
    // has room (Qt would stop at two thirds of the screen's width).
    static void OpenAtContentSize(QWidget& dialog);

    QSize sizeHint() const override;
    QSize minimumSizeHint() const override;

private:
    int m_shownRows;
};

}  // namespace tabrix
