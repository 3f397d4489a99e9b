#include "shell/function_plot_view.h"

#include <QPainter>
#include <QPainterPath>
#include <algorithm>
#include <cmath>

#include "engine/number_text.h"
#include "view/translated_text.h"

namespace tabrix {

namespace {

QString Short(double value) { return QString::fromStdString(ShortText(std::fabs(value) < 1e-12 ? 0 : value, 4)); }

bool SignChange(double p, double q) { return (p < 0 && q > 0) || (p > 0 && q < 0); }

// Where a sample stands in the plot's rectangle.
struct Mapping {
    QRectF area;
    double from, to;
    PlotScale scale;
    double X(double x) const { return area.left() + (x - from) / (to - from) * area.width(); }
    double Y(double y) const {
        // Far beyond the scale a value still draws, just off the edge.
        const double span = scale.high - scale.low;
        const double clamped = std::clamp(y, scale.low - span, scale.high + span);
        return area.bottom() - (clamped - scale.low) / span * area.height();
    }
    bool ShowsZero() const { return scale.low <= 0 && scale.high >= 0; }
};

// The curve, broken where f gives no value and where it leaves the scale
// on one side and comes back on the other (a pole).
QPainterPath Curve(const std::vector<PlotSample>& samples, const Mapping& map) {
    QPainterPath curve;
    bool open = false;
    for (std::size_t i = 0; i < samples.size(); ++i) {
        const PlotSample& s = samples[i];
        if (!std::isfinite(s.fx)) {
            open = false;
            continue;
        }
        const double before = i > 0 ? samples[i - 1].fx : std::nan("");
        const bool jumps = open && ((before > map.scale.high && s.fx < map.scale.low) ||
                                    (before < map.scale.low && s.fx > map.scale.high));
        const QPointF point(map.X(s.x), map.Y(s.fx));
        if (!open || jumps) {
            curve.moveTo(point);
        } else {
            curve.lineTo(point);
        }
        open = true;
    }
    return curve;
}

}  // namespace

CFunctionPlotView::CFunctionPlotView(QWidget* parent) : QWidget(parent) {
    setObjectName(QStringLiteral("functionPlot"));
    setMinimumSize(200, 90);
    setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Preferred);
    setAccessibleName(tr("Plot of f(x)"));
}

void CFunctionPlotView::Show(const std::shared_ptr<const Program>& function, const ProgramLibrary& library,
                             const CalculatorState& state, double a, double b) {
    if (!function) return Clear();
    m_a = a;
    m_b = b;
    m_samples = SampleProgram(function, library, state, PlotRangeOf(a, b));
    setAccessibleDescription(Translated(PlotDescription(function->name, m_samples)));
    update();
}

void CFunctionPlotView::Clear() {
    m_samples.clear();
    setAccessibleDescription({});
    update();
}

void CFunctionPlotView::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    const QRectF area = QRectF(rect()).adjusted(4, 4, -4, -16);
    painter.fillRect(rect(), palette().base());
    painter.setPen(palette().mid().color());
    painter.drawRect(area);
    if (m_samples.size() < 2) return;
    const Mapping map{area, m_samples.front().x, m_samples.back().x, PlotScaleOf(m_samples)};
    const QColor ink = palette().text().color();
    painter.save();
    painter.setClipRect(area);
    // f = 0, and the guesses or limits.
    if (map.ShowsZero()) {
        painter.setPen(QPen(ink, 1));
        painter.drawLine(QPointF(area.left(), map.Y(0)), QPointF(area.right(), map.Y(0)));
    }
    painter.setPen(QPen(palette().mid().color(), 1, Qt::DashLine));
    for (const double guess : {m_a, m_b}) {
        if (guess >= map.from && guess <= map.to) {
            painter.drawLine(QPointF(map.X(guess), area.top()), QPointF(map.X(guess), area.bottom()));
        }
    }
    painter.setPen(QPen(palette().highlight().color(), 1.6));
    painter.drawPath(Curve(m_samples, map));
    // Sign changes on the axis; gaps as red marks along the foot.
    for (std::size_t i = 1; i < m_samples.size(); ++i) {
        const PlotSample& before = m_samples[i - 1];
        const PlotSample& now = m_samples[i];
        if (SignChange(before.fx, now.fx)) {
            const double x = map.X((before.x + now.x) / 2);
            const double y = map.ShowsZero() ? map.Y(0) : area.bottom();
            painter.setPen(QPen(ink, 1.4));
            painter.drawLine(QPointF(x, y - 4), QPointF(x, y + 4));
        }
        if (std::isnan(now.fx)) {
            painter.setPen(QPen(QColor(200, 40, 40), 2));
            painter.drawLine(QPointF(map.X(now.x) - 1, area.bottom() - 2), QPointF(map.X(now.x) + 1, area.bottom() - 2));
        }
    }
    painter.restore();
    // The range's ends under it, and the scale between them.
    painter.setPen(ink);
    QFont small = font();
    small.setPointSizeF(small.pointSizeF() * 0.85);
    painter.setFont(small);
    const QRectF foot(area.left(), area.bottom() + 1, area.width(), 14);
    painter.drawText(foot, Qt::AlignLeft | Qt::AlignVCenter, Short(map.from));
    painter.drawText(foot, Qt::AlignRight | Qt::AlignVCenter, Short(map.to));
    painter.drawText(foot, Qt::AlignHCenter | Qt::AlignVCenter,
                     QStringLiteral("f: %1 \u2026 %2").arg(Short(map.scale.low), Short(map.scale.high)));
}

}  // namespace tabrix
