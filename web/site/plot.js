// A small plot of a program's f(x), as the session samples it (its plot()):
// the curve, the line f = 0, the guesses as dashed lines, each sign change
// marked on the axis and the gaps where f gives no value in red, so that
// roots and poles show at a glance. The same picture as the desktop's.

export function drawPlot(canvas, plot, a, b) {
    const context = canvas.getContext('2d');
    const ratio = window.devicePixelRatio || 1;
    const width = canvas.clientWidth || canvas.width;
    const height = canvas.clientHeight || canvas.height;
    if (canvas.width !== Math.round(width * ratio)) canvas.width = Math.round(width * ratio);
    if (canvas.height !== Math.round(height * ratio)) canvas.height = Math.round(height * ratio);
    context.setTransform(ratio, 0, 0, ratio, 0, 0);
    const style = getComputedStyle(canvas);
    context.clearRect(0, 0, width, height);
    const area = { left: 4, top: 4, width: width - 8, height: height - 22 };
    context.strokeStyle = style.borderColor || '#999';
    context.lineWidth = 1;
    context.strokeRect(area.left, area.top, area.width, area.height);
    canvas.dataset.samples = plot ? String(plot.samples.length) : '0';
    if (!plot || plot.samples.length < 2) {
        canvas.setAttribute('aria-label', '');
        return;
    }
    const samples = plot.samples;
    const from = samples[0][0];
    const to = samples[samples.length - 1][0];
    const { low, high } = plot;
    const px = (x) => area.left + (x - from) / (to - from) * area.width;
    const py = (y) => {
        const clamped = Math.min(Math.max(y, low - (high - low)), high + (high - low));
        return area.top + area.height - (clamped - low) / (high - low) * area.height;
    };
    context.save();
    context.beginPath();
    context.rect(area.left, area.top, area.width, area.height);
    context.clip();
    const ink = style.color;
    if (low <= 0 && high >= 0) {
        context.strokeStyle = ink;
        context.beginPath();
        context.moveTo(area.left, py(0));
        context.lineTo(area.left + area.width, py(0));
        context.stroke();
    }
    context.setLineDash([3, 3]);
    context.strokeStyle = '#999';
    for (const guess of [a, b]) {
        if (guess < from || guess > to) continue;
        context.beginPath();
        context.moveTo(px(guess), area.top);
        context.lineTo(px(guess), area.top + area.height);
        context.stroke();
    }
    context.setLineDash([]);
    // The curve, broken where f gives no value and where it jumps across the scale (a pole).
    context.strokeStyle = style.getPropertyValue('--plot-curve').trim() || '#1f77b4';
    context.lineWidth = 1.6;
    context.beginPath();
    let open = false;
    let changes = 0;
    let gaps = 0;
    samples.forEach(([x, y], i) => {
        const before = i > 0 ? samples[i - 1][1] : null;
        if (y === null) {
            if (before !== null && i > 0) gaps += 1;
            open = false;
            return;
        }
        const jumps = open && before !== null && ((before > high && y < low) || (before < low && y > high));
        if (!open || jumps) context.moveTo(px(x), py(y));
        else context.lineTo(px(x), py(y));
        open = true;
    });
    context.stroke();
    context.lineWidth = 1.4;
    for (let i = 1; i < samples.length; i += 1) {
        const p = samples[i - 1][1];
        const q = samples[i][1];
        const x = (samples[i - 1][0] + samples[i][0]) / 2;
        if (p !== null && q !== null && ((p < 0 && q > 0) || (p > 0 && q < 0))) {
            changes += 1;
            const y = low <= 0 && high >= 0 ? py(0) : area.top + area.height;
            context.strokeStyle = ink;
            context.beginPath();
            context.moveTo(px(x), y - 4);
            context.lineTo(px(x), y + 4);
            context.stroke();
        }
        if (q === null) {
            context.strokeStyle = '#c82828';
            context.lineWidth = 2;
            context.beginPath();
            context.moveTo(px(samples[i][0]) - 1, area.top + area.height - 2);
            context.lineTo(px(samples[i][0]) + 1, area.top + area.height - 2);
            context.stroke();
        }
    }
    context.restore();
    context.fillStyle = ink;
    context.font = `${Math.round(11)}px sans-serif`;
    context.textBaseline = 'middle';
    const footY = area.top + area.height + 9;
    context.textAlign = 'left';
    context.fillText(plot.texts.from, area.left, footY);
    context.textAlign = 'right';
    context.fillText(plot.texts.to, area.left + area.width, footY);
    context.textAlign = 'center';
    context.fillText(`f: ${plot.texts.low} \u2026 ${plot.texts.high}`, area.left + area.width / 2, footY);
    canvas.dataset.signChanges = String(changes);
    canvas.dataset.gaps = String(gaps);
}
