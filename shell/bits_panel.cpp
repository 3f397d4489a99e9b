#include "shell/bits_panel.h"

#include <QMouseEvent>
#include <QPainter>

#include "view/translated_text.h"

namespace tabrix {

namespace {

constexpr int kCell = 16;      // a bit's square
constexpr int kGroupGap = 8;   // between groups of 4
constexpr int kRowHeight = 34; // a row of bits and its positions
constexpr int kMargin = 6;

}  // namespace

class CBitsGrid final : public QWidget {
public:
    explicit CBitsGrid(std::function<void(int)> toggle, QWidget* parent) : QWidget(parent), m_toggle(std::move(toggle)) {
        setFocusPolicy(Qt::NoFocus);
        setMinimumSize(SizeNeeded());
    }

    void Show(const BitRows& bits) {
        m_bits = bits;
        setAccessibleDescription(Translated(bits.summary));
        setToolTip(Translated(bits.summary));
        update();
    }

    QRect CellOf(int row, int column) const {
        const int x = kMargin + column * kCell + (column / 4) * kGroupGap;
        return {x, kMargin + row * kRowHeight, kCell - 2, kCell};
    }

    QPoint CenterOf(int position) const {
        const int index = 63 - position;
        return CellOf(index / BitRows::kPerRow, index % BitRows::kPerRow).center();
    }

    static QSize SizeNeeded() {
        return {2 * kMargin + BitRows::kPerRow * kCell + 3 * kGroupGap, 2 * kMargin + BitRows::kRows * kRowHeight};
    }

protected:
    void paintEvent(QPaintEvent*) override {
        QPainter painter(this);
        QFont small = font();
        small.setPixelSize(9);
        // A set bit in the digit keys' blue, the same in every style.
        const QColor on(44, 44, 252);
        const QColor text = palette().color(QPalette::WindowText);
        for (int row = 0; row < BitRows::kRows; ++row) {
            for (int column = 0; column < BitRows::kPerRow; ++column) {
                const BitCell& cell = m_bits.rows[static_cast<std::size_t>(row)][static_cast<std::size_t>(column)];
                const QRect r = CellOf(row, column);
                painter.setOpacity(cell.inWord ? 1.0 : 0.3);
                painter.setPen(text);
                painter.setBrush(cell.set ? on : palette().color(QPalette::Base));
                painter.drawRect(r.adjusted(0, 0, -1, -1));
                painter.setPen(cell.set ? QColor(Qt::white) : text);
                painter.drawText(r, Qt::AlignCenter, cell.set ? QStringLiteral("1") : QStringLiteral("0"));
                // Each group's highest and lowest positions under it.
                if (column % 4 == 0 || column % 4 == 3) {
                    painter.setFont(small);
                    painter.setPen(text);
                    painter.drawText(QRect(r.left() - 4, r.bottom() + 1, r.width() + 8, 12), Qt::AlignCenter,
                                     QString::number(cell.position));
                    painter.setFont(font());
                }
            }
        }
    }

    void mouseReleaseEvent(QMouseEvent* event) override {
        for (int row = 0; row < BitRows::kRows; ++row) {
            for (int column = 0; column < BitRows::kPerRow; ++column) {
                if (!CellOf(row, column).contains(event->position().toPoint())) continue;
                const BitCell& cell = m_bits.rows[static_cast<std::size_t>(row)][static_cast<std::size_t>(column)];
                if (cell.inWord && m_toggle) m_toggle(cell.position);
                return;
            }
        }
    }

private:
    std::function<void(int)> m_toggle;
    BitRows m_bits;
};

CBitsPanel::CBitsPanel(std::function<void(int)> toggle, QWidget* parent) : QDockWidget(tr("Bits"), parent) {
    setObjectName(QStringLiteral("BitsPanel"));
    setFocusPolicy(Qt::NoFocus);
    m_grid = new CBitsGrid(std::move(toggle), this);
    setWidget(m_grid);
}

void CBitsPanel::Show(const BitRows& bits) { m_grid->Show(bits); }

QPoint CBitsPanel::CenterOf(int position) const { return m_grid->CenterOf(position); }

QWidget* CBitsPanel::Grid() const { return m_grid; }

}  // namespace tabrix
