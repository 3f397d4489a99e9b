#include "shell/tape_panel.h"

#include <QAccessible>
#include <QAccessibleWidget>
#include <QApplication>
#include <QCoreApplication>
#include <QClipboard>
#include <QKeyEvent>
#include <QMenu>
#include <QPainter>
#include <QScrollBar>
#include <QToolTip>
#include <map>

#include "document/number_reading.h"
#include "view/qt_text.h"
#include "view/translated_text.h"

namespace tabrix {

namespace {

// The labels take this many columns before the main line.
constexpr int kLabelColumn = 14;
// Pixels left and right of a row's text.
constexpr int kTextMargin = 4;

// A line's label in the user's language: the session's sentences in it
// (the commands' words, Delete and Escape) translated, the keys' labels
// and the values (a program's name, a pasted text) as they are.
QString LabelText(std::string_view label) { return Translated(label); }

void AnnounceLine(TapeView* view, int row) {
    if (!QAccessible::isActive() || row < 0) return;
    view->setAccessibleDescription(view->RowSpeech(row));
    QAccessibleEvent event(view, QAccessible::DescriptionChanged);
    QAccessible::updateAccessibility(&event);
}

}  // namespace

TapeView::TapeView(CTape& tape, QWidget* parent) : QAbstractScrollArea(parent), m_tape(tape) {
    InstallTapeAccessibility();
    // A click selects a line and leaves the keyboard with the calculator;
    // the list takes keys only when Tab brings the focus to it on purpose.
    setFocusPolicy(Qt::TabFocus);
    setContextMenuPolicy(Qt::CustomContextMenu);
    setAccessibleName(CTapePanel::tr("Tape"));
    verticalScrollBar()->setSingleStep(1);
    connect(verticalScrollBar(), &QScrollBar::valueChanged, this, [this](int value) {
        if (!m_adjusting) m_followEnd = value >= verticalScrollBar()->maximum();
    });
    m_tape.SetChangedCallback([this](std::size_t first) { Follow(first); });
    Refit();
}

TapeView::~TapeView() { m_tape.SetChangedCallback(nullptr); }

QString TapeView::RowText(int row) const {
    const TapeLine line = m_tape.Line(static_cast<std::size_t>(row));
    return LabelText(line.label).leftJustified(kLabelColumn) + QLatin1Char(' ') + QtText(line.shown);
}

QString TapeView::DrawnText(int row) const {
    const TapeLine line = m_tape.Line(static_cast<std::size_t>(row));
    const QFontMetrics metrics = fontMetrics();
    const QString shown = QLatin1Char(' ') + QtText(line.shown);
    const int room = viewport()->width() - 2 * kTextMargin - metrics.horizontalAdvance(shown);
    const QString label = LabelText(line.label).leftJustified(kLabelColumn);
    if (metrics.horizontalAdvance(label) <= room) return label + shown;
    return TranslatedWithin(line.label, metrics, room) + shown;
}

QString TapeView::RowSpeech(int row) const {
    const TapeLine line = m_tape.Line(static_cast<std::size_t>(row));
    return LabelText(line.label) + QStringLiteral(", X ") + QtText(line.shown).trimmed();
}

int TapeView::RowAt(int y) const {
    const int row = verticalScrollBar()->value() + y / m_rowHeight;
    return row >= 0 && row < RowCount() ? row : -1;
}

void TapeView::Select(int anchor, int current) {
    const int last = RowCount() - 1;
    m_anchor = last < 0 ? -1 : std::clamp(anchor, 0, last);
    m_current = last < 0 ? -1 : std::clamp(current, 0, last);
    viewport()->update();
}

QString TapeView::SelectedScript() const {
    if (m_anchor < 0) return {};
    return QtText(m_tape.Script(static_cast<std::size_t>(SelectionFirst()),
                           static_cast<std::size_t>(SelectionLast() - SelectionFirst() + 1)));
}

void TapeView::ScrollToEnd() { verticalScrollBar()->setValue(verticalScrollBar()->maximum()); }

void TapeView::Follow(std::size_t first) {
    if (m_current >= RowCount()) Select(-1, -1);
    Refit();
    viewport()->update();
    if (static_cast<int>(first) < RowCount()) AnnounceLine(this, RowCount() - 1);
}

void TapeView::Refit() {
    const bool follow = m_followEnd;
    m_adjusting = true;
    UpdateScrollBar();
    if (follow) ScrollToEnd();
    m_adjusting = false;
}

void TapeView::UpdateScrollBar() {
    // The bar counts rows: a million lines stay within its range.
    const int visible = std::max(1, viewport()->height() / m_rowHeight);
    verticalScrollBar()->setPageStep(visible);
    verticalScrollBar()->setRange(0, std::max(0, RowCount() - visible));
}

void TapeView::paintEvent(QPaintEvent*) {
    QPainter painter(viewport());
    const QPalette& colors = palette();
    painter.fillRect(viewport()->rect(), colors.base());
    const int first = verticalScrollBar()->value();
    const int ascent = painter.fontMetrics().ascent();
    for (int row = first, y = 0; row < RowCount() && y < viewport()->height(); ++row, y += m_rowHeight) {
        const bool selected = m_anchor >= 0 && row >= SelectionFirst() && row <= SelectionLast();
        if (selected) painter.fillRect(0, y, viewport()->width(), m_rowHeight, colors.highlight());
        painter.setPen(selected ? colors.highlightedText().color() : colors.text().color());
        painter.drawText(kTextMargin, y + ascent, DrawnText(row));
        if (row == m_current && hasFocus()) {
            painter.setPen(QPen(colors.highlight().color(), 1, Qt::DotLine));
            painter.drawRect(0, y, viewport()->width() - 1, m_rowHeight - 1);
        }
    }
    // With the keyboard, the list says so all round.
    if (hasFocus()) {
        painter.setPen(QPen(colors.highlight().color(), 2));
        painter.setBrush(Qt::NoBrush);
        painter.drawRect(viewport()->rect().adjusted(1, 1, -1, -1));
    }
}

void TapeView::resizeEvent(QResizeEvent* event) {
    QAbstractScrollArea::resizeEvent(event);
    Refit();
}

void TapeView::changeEvent(QEvent* event) {
    if (event->type() == QEvent::FontChange) {
        m_rowHeight = std::max(1, fontMetrics().height());
        Refit();
    }
    QAbstractScrollArea::changeEvent(event);
}

void TapeView::MoveCurrent(int row, bool extend) {
    if (RowCount() == 0) return;
    row = std::clamp(row, 0, RowCount() - 1);
    Select(extend && m_anchor >= 0 ? m_anchor : row, row);
    QScrollBar* bar = verticalScrollBar();
    if (row < bar->value()) bar->setValue(row);
    if (row >= bar->value() + bar->pageStep()) bar->setValue(row - bar->pageStep() + 1);
    if (QAccessible::isActive()) AnnounceLine(this, row);
}

void TapeView::focusInEvent(QFocusEvent* event) {
    // Something to show where the keyboard is: the newest line, unless one is chosen.
    if (m_current < 0 && RowCount() > 0) MoveCurrent(RowCount() - 1, false);
    viewport()->update();
    QAbstractScrollArea::focusInEvent(event);
}

void TapeView::focusOutEvent(QFocusEvent* event) {
    viewport()->update();
    QAbstractScrollArea::focusOutEvent(event);
}

void TapeView::mousePressEvent(QMouseEvent* event) {
    const int row = RowAt(qRound(event->position().y()));
    if (row < 0) return;
    if (event->button() == Qt::RightButton && m_anchor >= 0 && row >= SelectionFirst() && row <= SelectionLast()) {
        return;  // the context menu acts on the selection as it is
    }
    MoveCurrent(row, event->modifiers().testFlag(Qt::ShiftModifier));
}

void TapeView::mouseMoveEvent(QMouseEvent* event) {
    if (!event->buttons().testFlag(Qt::LeftButton)) return;
    const int y = qRound(event->position().y());
    MoveCurrent(y < 0 ? m_current - 1 : (RowAt(y) < 0 ? RowCount() - 1 : RowAt(y)), true);
}

void TapeView::mouseDoubleClickEvent(QMouseEvent* event) {
    const int row = RowAt(qRound(event->position().y()));
    if (row >= 0 && onActivated) onActivated(row);
}

bool TapeView::event(QEvent* event) {
    // The list's Copy and Select All keys are its own, not the main window's
    // Edit > Copy (which copies X).
    if (event->type() == QEvent::ShortcutOverride) {
        auto* key = static_cast<QKeyEvent*>(event);
        if (key->matches(QKeySequence::Copy) || key->matches(QKeySequence::SelectAll)) {
            event->accept();
            return true;
        }
    }
    if (event->type() == QEvent::ToolTip) {
        auto* help = static_cast<QHelpEvent*>(event);
        const int row = RowAt(viewport()->mapFrom(this, help->pos()).y());
        if (row >= 0) {
            QToolTip::showText(help->globalPos(), QtText(CTape::ScriptLine(m_tape.Line(static_cast<std::size_t>(row)))));
        } else {
            QToolTip::hideText();
        }
        return true;
    }
    return QAbstractScrollArea::event(event);
}

void TapeView::keyPressEvent(QKeyEvent* event) {
    const bool extend = event->modifiers().testFlag(Qt::ShiftModifier);
    const int page = verticalScrollBar()->pageStep();
    if (event->matches(QKeySequence::Copy)) {
        if (const QString script = SelectedScript(); !script.isEmpty()) QApplication::clipboard()->setText(script);
    } else if (event->matches(QKeySequence::SelectAll)) {
        SelectAll();
    } else if (event->key() == Qt::Key_Up || event->key() == Qt::Key_Down) {
        MoveCurrent(m_current < 0 ? RowCount() - 1 : m_current + (event->key() == Qt::Key_Up ? -1 : 1), extend);
    } else if (event->key() == Qt::Key_PageUp || event->key() == Qt::Key_PageDown) {
        MoveCurrent(m_current + (event->key() == Qt::Key_PageUp ? -page : page), extend);
    } else if (event->key() == Qt::Key_Home || event->key() == Qt::Key_End) {
        MoveCurrent(event->key() == Qt::Key_Home ? 0 : RowCount() - 1, extend);
    } else if ((event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) && m_current >= 0 && onActivated) {
        onActivated(m_current);
    } else {
        event->ignore();  // the calculator's
    }
}

CTapePanel::CTapePanel(CTape& tape, QAction* clear, QAction* saveAs, std::function<void(double)> pasteValue,
                       QWidget* parent)
    : QDockWidget(tr("Tape"), parent),
      m_tape(tape),
      m_list(new TapeView(tape, this)),
      m_clear(clear),
      m_saveAs(saveAs) {
    setObjectName(QStringLiteral("tape"));
    setFeatures(QDockWidget::DockWidgetClosable);
    setAllowedAreas(Qt::RightDockWidgetArea);
    setWidget(m_list);
    m_list->onActivated = [this, paste = std::move(pasteValue)](int row) {
        paste(m_tape.Line(static_cast<std::size_t>(row)).value);
    };
    connect(m_list, &QWidget::customContextMenuRequested, this, &CTapePanel::ShowContextMenu);
    SetZoom(1.0);
}

void CTapePanel::SetZoom(qreal zoom) {
    QFont font(QStringLiteral("DejaVu Sans Mono"));
    font.setPixelSize(qRound(11 * zoom));
    m_list->setFont(font);
    // Wide enough for the labels and a main line, at this zoom.
    m_list->setMinimumWidth(QFontMetrics(font).horizontalAdvance(QString(kLabelColumn + 16, QLatin1Char('0'))));
}

void CTapePanel::CopyValue(int row) {
    if (row < 0 || row >= m_list->RowCount()) return;
    const double value = m_tape.Line(static_cast<std::size_t>(row)).value;
    QApplication::clipboard()->setText(QString::fromStdString(ExactText(value)));
}

void CTapePanel::ShowContextMenu(const QPoint& position) {
    const int row = m_list->RowAt(m_list->viewport()->mapFrom(m_list, position).y());
    QMenu menu(this);
    QAction* copy = menu.addAction(tr("&Copy"), this, [this] {
        QApplication::clipboard()->setText(m_list->SelectedScript());
    });
    copy->setShortcut(QKeySequence::Copy);
    copy->setEnabled(m_list->SelectionFirst() >= 0);
    menu.addAction(tr("Copy &Value"), this, [this, row] { CopyValue(row); })->setEnabled(row >= 0);
    menu.addSeparator();
    menu.addAction(m_clear);
    menu.addAction(m_saveAs);
    menu.exec(m_list->mapToGlobal(position));
}

// --- Accessibility: the list and its lines --------------------------------------

namespace {

class TapeAccessible;

// One line of the tape. Made when a screen reader asks for it, and kept.
class TapeLineItem final : public QAccessibleInterface {
public:
    TapeLineItem(TapeView* view, QAccessibleInterface* list, int row) : m_view(view), m_list(list), m_row(row) {}
    bool isValid() const override { return m_view != nullptr && m_row < m_view->RowCount(); }
    QObject* object() const override { return nullptr; }
    QWindow* window() const override { return m_list->window(); }
    QAccessibleInterface* parent() const override { return m_list; }
    QAccessibleInterface* child(int) const override { return nullptr; }
    int childCount() const override { return 0; }
    int indexOfChild(const QAccessibleInterface*) const override { return -1; }
    QAccessibleInterface* childAt(int, int) const override { return nullptr; }
    QAccessible::Role role() const override { return QAccessible::ListItem; }
    QString text(QAccessible::Text t) const override {
        return t == QAccessible::Name && isValid() ? m_view->RowSpeech(m_row) : QString();
    }
    void setText(QAccessible::Text, const QString&) override {}
    QAccessible::State state() const override {
        QAccessible::State state;
        state.selectable = true;
        state.selected = m_row >= m_view->SelectionFirst() && m_row <= m_view->SelectionLast();
        state.focused = m_view->hasFocus() && m_row == m_view->CurrentRow();
        return state;
    }
    QRect rect() const override {
        const int top = (m_row - m_view->verticalScrollBar()->value()) * m_view->RowHeight();
        const QRect local(0, top, m_view->viewport()->width(), m_view->RowHeight());
        if (!m_view->viewport()->rect().intersects(local)) return {};
        return QRect(m_view->viewport()->mapToGlobal(local.topLeft()), local.size());
    }
    int Row() const { return m_row; }

private:
    TapeView* m_view;
    QAccessibleInterface* m_list;
    int m_row;
};

class TapeAccessible final : public QAccessibleWidget {
public:
    explicit TapeAccessible(TapeView* view) : QAccessibleWidget(view, QAccessible::List) {}
    ~TapeAccessible() override {
        for (const auto& [row, item] : m_items) QAccessible::deleteAccessibleInterface(QAccessible::uniqueId(item));
    }
    int childCount() const override { return View()->RowCount(); }
    QAccessibleInterface* child(int index) const override {
        if (index < 0 || index >= childCount()) return nullptr;
        auto& item = m_items[index];
        if (item == nullptr) {
            item = new TapeLineItem(View(), const_cast<TapeAccessible*>(this), index);
            QAccessible::registerAccessibleInterface(item);
        }
        return item;
    }
    int indexOfChild(const QAccessibleInterface* child) const override {
        const auto* item = dynamic_cast<const TapeLineItem*>(child);
        return item != nullptr && item->isValid() ? item->Row() : -1;
    }
    QAccessibleInterface* childAt(int x, int y) const override {
        return child(View()->RowAt(View()->viewport()->mapFromGlobal(QPoint(x, y)).y()));
    }
    QAccessibleInterface* focusChild() const override { return child(View()->CurrentRow()); }

private:
    TapeView* View() const { return static_cast<TapeView*>(widget()); }
    mutable std::map<int, QAccessibleInterface*> m_items;
};

QAccessibleInterface* TapeFactory(const QString&, QObject* object) {
    if (auto* view = dynamic_cast<TapeView*>(object)) return new TapeAccessible(view);
    return nullptr;
}

}  // namespace

void InstallTapeAccessibility() {
    static const bool installed = [] {
        QAccessible::installFactory(TapeFactory);
        return true;
    }();
    (void)installed;
}

}  // namespace tabrix
