#include "shell/function_plot_view.h"

#include <QPainter>
#include <QPainterPath>
#include <algorithm>
#include <charconv>
#include <cmath>

namespace tabrix {

namespace {

QString ShortNumber(double value) {
    // Four significant digits, in the C notation the console writes, whatever the locale.
    char text[32];
    const double rounded = std::fabs(value) < 1e-12 ? 0 : value;
    const auto written = std::to_chars(text, text + sizeof text, rounded, std::chars_format::general, 4);
    return QString::fromLatin1(text, static_cast<qsizetype>(written.ptr - text));
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
    m_name = QString::fromStdString(function->name);
    m_samples = SampleProgram(function, library, state, PlotRangeOf(a, b));
    int changes = 0, gaps = 0;
    for (std::size_t i = 1; i < m_samples.size(); ++i) {
        const double p = m_samples[i - 1].fx, q = m_samples[i].fx;
        if ((p < 0 && q > 0) || (p > 0 && q < 0)) ++changes;
        if (std::isnan(q) && !std::isnan(p)) ++gaps;
    }
    setAccessibleDescription(tr("%1 from %2 to %3: %4 sign changes, %5 gaps where f gives no value")
                                 .arg(m_name, ShortNumber(m_samples.front().x), ShortNumber(m_samples.back().x))
                                 .arg(changes)
                                 .arg(gaps));
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
    const PlotScale scale = PlotScaleOf(m_samples);
    const double from = m_samples.front().x, to = m_samples.back().x;
    const auto px = [&](double x) { return area.left() + (x - from) / (to - from) * area.width(); };
    const auto py = [&](double y) {
        const double clamped = std::clamp(y, scale.low - (scale.high - scale.low), scale.high + (scale.high - scale.low));
        return area.bottom() - (clamped - scale.low) / (scale.high - scale.low) * area.height();
    };
    painter.save();
    painter.setClipRect(area);
    // f = 0, and the guesses or limits.
    const QColor axis = palette().text().color();
    if (scale.low <= 0 && scale.high >= 0) {
        painter.setPen(QPen(axis, 1));
        painter.drawLine(QPointF(area.left(), py(0)), QPointF(area.right(), py(0)));
    }
    painter.setPen(QPen(palette().mid().color(), 1, Qt::DashLine));
    for (const double guess : {m_a, m_b}) {
        if (guess >= from && guess <= to) painter.drawLine(QPointF(px(guess), area.top()), QPointF(px(guess), area.bottom()));
    }
    // The curve, broken where f gives no value and where it leaves the
    // scale on one side and comes back on the other (a pole).
    QPainterPath curve;
    bool open = false;
    for (std::size_t i = 0; i < m_samples.size(); ++i) {
        const PlotSample& s = m_samples[i];
        if (!std::isfinite(s.fx)) {
            open = false;
            continue;
        }
        const bool jumps = open && i > 0 && std::isfinite(m_samples[i - 1].fx) &&
                           ((m_samples[i - 1].fx > scale.high && s.fx < scale.low) ||
                            (m_samples[i - 1].fx < scale.low && s.fx > scale.high));
        const QPointF point(px(s.x), py(s.fx));
        if (!open || jumps) {
            curve.moveTo(point);
            open = true;
        } else {
            curve.lineTo(point);
        }
    }
    painter.setPen(QPen(palette().highlight().color(), 1.6));
    painter.drawPath(curve);
    // Sign changes on the axis; gaps as red marks along the foot.
    for (std::size_t i = 1; i < m_samples.size(); ++i) {
        const double p = m_samples[i - 1].fx, q = m_samples[i].fx;
        const double x = (m_samples[i - 1].x + m_samples[i].x) / 2;
        if ((p < 0 && q > 0) || (p > 0 && q < 0)) {
            painter.setPen(QPen(axis, 1.4));
            const double y = scale.low <= 0 && scale.high >= 0 ? py(0) : area.bottom();
            painter.drawLine(QPointF(px(x), y - 4), QPointF(px(x), y + 4));
        }
        if (std::isnan(q)) {
            painter.setPen(QPen(QColor(200, 40, 40), 2));
            painter.drawLine(QPointF(px(m_samples[i].x) - 1, area.bottom() - 2), QPointF(px(m_samples[i].x) + 1, area.bottom() - 2));
        }
    }
    painter.restore();
    // The range's ends under it.
    painter.setPen(palette().text().color());
    QFont small = font();
    small.setPointSizeF(small.pointSizeF() * 0.85);
    painter.setFont(small);
    const QRectF foot(area.left(), area.bottom() + 1, area.width(), 14);
    painter.drawText(foot, Qt::AlignLeft | Qt::AlignVCenter, ShortNumber(from));
    painter.drawText(foot, Qt::AlignRight | Qt::AlignVCenter, ShortNumber(to));
    painter.drawText(foot, Qt::AlignHCenter | Qt::AlignVCenter,
                     QStringLiteral("f: %1 \u2026 %2").arg(ShortNumber(scale.low), ShortNumber(scale.high)));
}

}  // namespace tabrix
