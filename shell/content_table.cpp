#include "shell/content_table.h"

#include <QHeaderView>
#include <QGuiApplication>
#include <QLayout>
#include <QScreen>
#include <QScrollBar>

namespace tabrix {

CContentTable::CContentTable(int columns, int shownRows, QWidget* parent)
    : QTableWidget(0, columns, parent), m_shownRows(shownRows) {
    verticalHeader()->hide();
    setWordWrap(false);
    horizontalHeader()->setStretchLastSection(true);
    for (int column = 0; column + 1 < columns; ++column) {
        horizontalHeader()->setSectionResizeMode(column, QHeaderView::ResizeToContents);
    }
}

void CContentTable::FitColumns() {
    resizeColumnsToContents();
    updateGeometry();
}

void CContentTable::OpenAtContentSize(QWidget& dialog) {
    const QScreen* screen = dialog.screen() != nullptr ? dialog.screen() : QGuiApplication::primaryScreen();
    // The dialog's own hint takes its height for its width from the page
    // shown (a tab widget with wrapped text asks that of its current page
    // only); its layout's hint has every page's.
    dialog.ensurePolished();
    QSize size = dialog.sizeHint();
    if (const QLayout* layout = dialog.layout()) size = size.expandedTo(layout->sizeHint());
    if (screen != nullptr) size = size.boundedTo(screen->availableGeometry().size());
    dialog.resize(size);
}

QSize CContentTable::sizeHint() const {
    int width = 2 * frameWidth() + verticalScrollBar()->sizeHint().width();
    for (int column = 0; column < columnCount(); ++column) {
        width += std::max(horizontalHeader()->sectionSizeHint(column), sizeHintForColumn(column));
    }
    const int row = rowCount() > 0 ? rowHeight(0) : verticalHeader()->defaultSectionSize();
    const int height = 2 * frameWidth() + horizontalHeader()->sizeHint().height() + m_shownRows * row;
    return {width, height};
}

QSize CContentTable::minimumSizeHint() const {
    // Small enough for any screen: the table scrolls.
    return {horizontalHeader()->sizeHint().width() / 2, horizontalHeader()->sizeHint().height() * 4};
}

}  // namespace tabrix
