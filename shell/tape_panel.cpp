#include "shell/tape_panel.h"

#include <QAccessible>
#include <QApplication>
#include <QClipboard>
#include <QKeyEvent>
#include <QMenu>
#include <QScrollBar>

#include "document/number_reading.h"

namespace tabrix {

namespace {

QString Q(std::string_view text) { return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size())); }

// A row: the labels, padded to a column, then the main line.
constexpr int kLabelColumn = 14;

}  // namespace

TapeModel::TapeModel(CTape& tape, QObject* parent) : QAbstractListModel(parent), m_tape(tape) {
    m_rows = static_cast<int>(tape.Size());
    m_tape.SetChangedCallback([this](std::size_t first) { Follow(first); });
}

TapeModel::~TapeModel() { m_tape.SetChangedCallback(nullptr); }

int TapeModel::rowCount(const QModelIndex& parent) const { return parent.isValid() ? 0 : m_rows; }

QVariant TapeModel::data(const QModelIndex& index, int role) const {
    if (!index.isValid() || index.row() >= m_rows) return {};
    const TapeLine line = m_tape.Line(static_cast<std::size_t>(index.row()));
    switch (role) {
        case Qt::DisplayRole: return Q(line.label).leftJustified(kLabelColumn) + QLatin1Char(' ') + Q(line.shown);
        case Qt::ToolTipRole: return Q(CTape::ScriptLine(line));
        case Qt::AccessibleTextRole: return Q(line.label) + QStringLiteral(", X ") + Q(line.shown).trimmed();
        default: return {};
    }
}

void TapeModel::Follow(std::size_t first) {
    const int size = static_cast<int>(m_tape.Size());
    const int changed = static_cast<int>(first);
    if (size == 0 && m_rows > 0) {
        beginResetModel();
        m_rows = 0;
        endResetModel();
        return;
    }
    if (size < m_rows) {  // the open line went away
        beginRemoveRows({}, size, m_rows - 1);
        m_rows = size;
        endRemoveRows();
    }
    if (changed < std::min(size, m_rows)) emit dataChanged(index(changed), index(std::min(size, m_rows) - 1));
    if (size > m_rows) {
        beginInsertRows({}, m_rows, size - 1);
        m_rows = size;
        endInsertRows();
    }
}

QString TapeListView::SelectedScript() const {
    QModelIndexList rows = selectionModel() != nullptr ? selectionModel()->selectedRows() : QModelIndexList();
    std::sort(rows.begin(), rows.end(), [](const QModelIndex& a, const QModelIndex& b) { return a.row() < b.row(); });
    QString script;
    for (const QModelIndex& row : rows) script += row.data(Qt::ToolTipRole).toString() + QLatin1Char('\n');
    return script;
}

bool TapeListView::event(QEvent* event) {
    // The list's Copy key is its own, not the main window's Edit > Copy.
    if (event->type() == QEvent::ShortcutOverride && static_cast<QKeyEvent*>(event)->matches(QKeySequence::Copy)) {
        event->accept();
        return true;
    }
    return QListView::event(event);
}

void TapeListView::keyPressEvent(QKeyEvent* event) {
    if (event->matches(QKeySequence::Copy)) {
        if (const QString script = SelectedScript(); !script.isEmpty()) QApplication::clipboard()->setText(script);
        return;
    }
    QListView::keyPressEvent(event);
}

CTapePanel::CTapePanel(CTape& tape, QAction* clear, QAction* saveAs, std::function<void(double)> pasteValue,
                       QWidget* parent)
    : QDockWidget(QStringLiteral("Tape"), parent),
      m_tape(tape),
      m_model(new TapeModel(tape, this)),
      m_list(new TapeListView(this)),
      m_clear(clear),
      m_saveAs(saveAs),
      m_pasteValue(std::move(pasteValue)) {
    setObjectName(QStringLiteral("tape"));
    setFeatures(QDockWidget::DockWidgetClosable);
    setAllowedAreas(Qt::RightDockWidgetArea);
    m_list->setModel(m_model);
    m_list->setUniformItemSizes(true);  // no row is measured: a million lines cost nothing
    m_list->setSelectionMode(QAbstractItemView::ExtendedSelection);
    m_list->setContextMenuPolicy(Qt::CustomContextMenu);
    m_list->setAccessibleName(QStringLiteral("Tape"));
    setWidget(m_list);
    connect(m_list, &QWidget::customContextMenuRequested, this, &CTapePanel::ShowContextMenu);
    connect(m_list, &QAbstractItemView::doubleClicked, this, [this](const QModelIndex& index) {
        if (index.isValid()) m_pasteValue(m_tape.Line(static_cast<std::size_t>(index.row())).value);
    });
    // A new line: the list follows to the end (when it was there) and a
    // screen reader hears of it.
    connect(m_model, &QAbstractItemModel::rowsInserted, this, [this] {
        QScrollBar* bar = m_list->verticalScrollBar();
        if (bar->value() >= bar->maximum() - 1) m_list->scrollToBottom();
        AnnounceLastLine();
    });
    SetZoom(1.0);
}

void CTapePanel::SetZoom(qreal zoom) {
    QFont font(QStringLiteral("DejaVu Sans Mono"));
    font.setPixelSize(qRound(11 * zoom));
    m_list->setFont(font);
    // Wide enough for the labels and a main line, at this zoom.
    m_list->setMinimumWidth(QFontMetrics(font).horizontalAdvance(QString(kLabelColumn + 15, QLatin1Char('0'))));
}

void CTapePanel::CopyValue(int row) {
    if (row < 0 || row >= static_cast<int>(m_tape.Size())) return;
    QApplication::clipboard()->setText(QString::fromStdString(ExactText(m_tape.Line(static_cast<std::size_t>(row)).value)));
}

void CTapePanel::ShowContextMenu(const QPoint& position) {
    const QModelIndex index = m_list->indexAt(position);
    QMenu menu(this);
    QAction* copy = menu.addAction(QStringLiteral("&Copy"), this, [this] {
        QApplication::clipboard()->setText(m_list->SelectedScript());
    });
    copy->setShortcut(QKeySequence::Copy);
    copy->setEnabled(m_list->selectionModel()->hasSelection());
    menu.addAction(QStringLiteral("Copy &Value"), this, [this, index] { CopyValue(index.row()); })
        ->setEnabled(index.isValid());
    menu.addSeparator();
    menu.addAction(m_clear);
    menu.addAction(m_saveAs);
    menu.exec(m_list->viewport()->mapToGlobal(position));
}

void CTapePanel::AnnounceLastLine() {
    if (!QAccessible::isActive() || m_tape.Size() == 0) return;
    const QModelIndex last = m_model->index(static_cast<int>(m_tape.Size()) - 1);
    m_list->setAccessibleDescription(last.data(Qt::AccessibleTextRole).toString());
    QAccessibleEvent event(m_list, QAccessible::DescriptionChanged);
    QAccessible::updateAccessibility(&event);
}

}  // namespace tabrix
