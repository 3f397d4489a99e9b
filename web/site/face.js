// The calculator's picture, made from face.json as the desktop draws it:
// the speckled body, the white bezel round the LCD window, the main line in
// its cells, the small grey stack lines and the modes, the keys with their
// labels and the shifted labels in the band above each key. Everything is
// placed in picture pixels (240 x 268) times --u, the CSS pixels of one
// picture pixel, so one number scales the whole face and it stays crisp at
// any zoom. The keys are buttons; the rest is one SVG.

const SVG = 'http://www.w3.org/2000/svg';

// The desktop's families first; each falls back to a look-alike.
const NARROW = '"Arial Narrow", "Roboto Condensed", "sans-serif-condensed", "Helvetica Neue", Arial, sans-serif';
const SANS = '"Bitstream Vera Sans", Verdana, "Segoe UI", Roboto, "Helvetica Neue", Arial, sans-serif';

export function fontStack(family) {
    return `"${family}", ${/narrow|condensed/i.test(family) ? NARROW : SANS}`;
}

export function css([r, g, b]) {
    return `rgb(${r}, ${g}, ${b})`;
}

// QColor's HSV value scaled as lighter()/darker() do: a value past 255
// takes saturation away instead.
function toHsv([r, g, b]) {
    const max = Math.max(r, g, b);
    const min = Math.min(r, g, b);
    const d = max - min;
    let h = 0;
    if (d > 0) {
        if (max === r) h = ((g - b) / d) % 6;
        else if (max === g) h = (b - r) / d + 2;
        else h = (r - g) / d + 4;
        h = (h * 60 + 360) % 360;
    }
    return [h, max === 0 ? 0 : (d * 255) / max, max];
}

function fromHsv(h, s, v) {
    const c = (v * s) / 255;
    const x = c * (1 - Math.abs(((h / 60) % 2) - 1));
    const m = v - c;
    const [r, g, b] = h < 60 ? [c, x, 0] : h < 120 ? [x, c, 0] : h < 180 ? [0, c, x]
        : h < 240 ? [0, x, c] : h < 300 ? [x, 0, c] : [c, 0, x];
    return [r + m, g + m, b + m].map((n) => Math.round(Math.min(255, Math.max(0, n))));
}

export function lighter(rgb, factor) {
    let [h, s, v] = toHsv(rgb);
    v = (v * factor) / 100;
    if (v > 255) {
        s = Math.max(0, s - (v - 255));
        v = 255;
    }
    return fromHsv(h, s, v);
}

export function darker(rgb, factor) {
    const [h, s, v] = toHsv(rgb);
    return fromHsv(h, s, (v * 100) / factor);
}

// A key label's size, as the desktop chooses it: a lone digit larger, a
// long label smaller.
// The display's key layer in HEX (engine/key_table.h: Scientific, Integer, Hex),
// and the keys of the top row that type A to F there.
const INTEGER_LAYER = 1;
const HEX_LAYER = 2;
const HEX_KEYS = 6;

export function labelSize(key, sizes) {
    const text = key.plain.label;
    if (key.family === 'digit' && text.length === 1) return sizes.digit;
    return text.length > 2 ? sizes.long : sizes.short;
}

let measurer = null;
function context2d() {
    measurer ||= document.createElement('canvas').getContext('2d');
    return measurer;
}

// The share of a font's size that its cell (ascent + descent) takes, and
// the ascent's share of the cell: a cell of `cellHeight` pixels then puts
// the baseline `ascent` below its top, as the desktop's LCD does.
function cellMetrics(font) {
    const ctx = context2d();
    ctx.font = `${font.weight} 100px ${fontStack(font.family)}`;
    const m = ctx.measureText('0');
    const ascent = m.fontBoundingBoxAscent || 90;
    const descent = m.fontBoundingBoxDescent || 22;
    const size = (font.cellHeight * 100) / (ascent + descent);
    return { size, ascent: (ascent * size) / 100 };
}

// The shifted label's size: the largest, up to twice the band, whose ink
// fits the band's height and the key's width with the gaps beside it.
function fitShiftedLabel(text, band, widest, family) {
    const ctx = context2d();
    ctx.font = `400 100px ${fontStack(family)}`;
    const m = ctx.measureText(text);
    const inkHeight = (m.actualBoundingBoxAscent + m.actualBoundingBoxDescent) || 72;
    const inkWidth = (m.actualBoundingBoxLeft + m.actualBoundingBoxRight) || m.width;
    const size = Math.min(band * 2, (band * 100) / inkHeight, (widest * 100) / inkWidth);
    const k = size / 100;
    return { size, descent: m.actualBoundingBoxDescent * k, shift: ((m.actualBoundingBoxRight - m.actualBoundingBoxLeft) * k) / 2 };
}

function svg(name, attributes, parent) {
    const element = document.createElementNS(SVG, name);
    for (const [key, value] of Object.entries(attributes)) element.setAttribute(key, value);
    if (parent) parent.append(element);
    return element;
}

function rectOf(r) {
    return { x: r.left, y: r.top, width: r.right - r.left, height: r.bottom - r.top };
}

// The same speckles as the desktop's, one per device pixel, from a fixed
// sequence so every start draws the same picture.
export function paintSpeckles(canvas, width, height) {
    canvas.width = width;
    canvas.height = height;
    const ctx = canvas.getContext('2d');
    const image = ctx.createImageData(width, height);
    const data = image.data;
    let seed = 0x2545f491;
    for (let i = 0; i < data.length; i += 4) {
        seed = (Math.imul(seed, 1664525) + 1013904223) >>> 0;
        const grey = 44 + ((seed >>> 24) % 33);
        data[i] = grey;
        data[i + 1] = grey;
        data[i + 2] = grey + (grey < 60 ? 1 : -1);
        data[i + 3] = 255;
    }
    ctx.putImageData(image, 0, 0);
}

export class Face {
    constructor(root, face) {
        this.root = root;
        this.face = face;
        this.keys = new Map(); // code → button
        this.shown = {};
        this.scale = 0;
        this.build();
    }

    build() {
        const { face, root } = this;
        root.style.setProperty('--face-width', face.width);
        root.style.setProperty('--face-height', face.height);

        this.speckles = document.createElement('canvas');
        this.speckles.className = 'speckles';
        this.speckles.setAttribute('aria-hidden', 'true');

        const picture = svg('svg', {
            class: 'picture', viewBox: `0 0 ${face.width} ${face.height}`, 'aria-hidden': 'true', focusable: 'false',
        });
        svg('rect', { ...rectOf(face.bezel), fill: css(face.colors.bezel) }, picture);
        svg('rect', { ...rectOf(face.lcdWindow), fill: css(face.colors.lcd) }, picture);
        this.buildLcd(picture);
        this.buildShiftedLabels(picture);

        // What a screen reader reads of the LCD, over the LCD window.
        this.live = document.createElement('div');
        this.live.id = 'lcd';
        this.live.setAttribute('role', 'status');
        this.live.setAttribute('aria-live', 'polite');
        this.live.className = 'lcd-live';
        this.liveText = document.createElement('span');
        this.liveText.className = 'visually-hidden';
        this.live.append(this.liveText);
        place(this.live, face.lcdWindow);

        const keys = document.createElement('div');
        keys.className = 'keys';
        for (const key of face.keys) keys.append(this.buildKey(key));

        this.notice = document.createElement('div');
        this.notice.id = 'notice';
        this.notice.className = 'notice';
        this.notice.style.setProperty('--l', face.lcdWindow.left);
        this.notice.style.setProperty('--t', face.lcdWindow.bottom + 1);
        this.noticeText = document.createElement('span');
        this.noticeText.setAttribute('aria-live', 'polite');
        // While a program runs, the notice carries the way to stop it by touch.
        this.stopButton = document.createElement('button');
        this.stopButton.type = 'button';
        this.stopButton.className = 'notice-stop';
        this.stopButton.hidden = true;
        this.notice.append(this.noticeText, this.stopButton);

        root.replaceChildren(this.speckles, picture, this.live, keys, this.notice);
    }

    buildLcd(picture) {
        const { face } = this;
        const group = (font, color) => svg('g', {
            'font-family': fontStack(font.family), 'font-weight': font.weight, fill: css(color),
        }, picture);
        const main = cellMetrics(face.fonts.mainLine);
        const small = cellMetrics(face.fonts.stack);
        const indicator = cellMetrics(face.fonts.indicator);
        const line = face.mainLine;

        const mainGroup = group(face.fonts.mainLine, face.colors.lcdText);
        mainGroup.setAttribute('font-size', main.size.toFixed(3));
        this.cells = [];
        this.mainBaseline = line.top + main.ascent;
        this.mainGroup = mainGroup;
        for (let i = 0; i < line.cells; ++i) this.addCell();
        this.point = svg('text', { y: this.mainBaseline, visibility: 'hidden' }, mainGroup);
        this.point.textContent = '.';

        const stackGroup = group(face.fonts.stack, face.colors.lcdStack);
        stackGroup.classList.add('lcd-stack');
        stackGroup.setAttribute('font-size', small.size.toFixed(3));
        const at = (parent, [x, y], ascent) => svg('text', { x, y: (y + ascent).toFixed(3) }, parent);
        this.stack = ['stackY', 'stackZ', 'stackT'].map((name) => at(stackGroup, face.places[name], small.ascent));
        this.format = at(stackGroup, face.places.format, small.ascent);
        this.angle = at(stackGroup, face.places.angle, small.ascent);

        const indicatorGroup = group(face.fonts.indicator, face.colors.lcdText);
        indicatorGroup.setAttribute('font-size', indicator.size.toFixed(3));
        this.shift = at(indicatorGroup, face.places.shift, indicator.ascent);
        this.prefix = at(indicatorGroup, face.places.prefix, indicator.ascent);
        this.statistics = at(indicatorGroup, face.places.statistics, indicator.ascent);
    }

    addCell() {
        const line = this.face.mainLine;
        const x = line.left + line.step * this.cells.length;
        const cell = svg('text', { x, y: this.mainBaseline.toFixed(3) }, this.mainGroup);
        this.cells.push({ element: cell, x, text: '' });
    }

    buildShiftedLabels(picture) {
        const { face } = this;
        this.shiftedLabels = new Map();
        const family = face.fonts.label.family;
        const group = svg('g', { 'font-family': fontStack(family), fill: css(face.colors.shiftedLabel) }, picture);
        for (const key of face.keys) {
            const text = key.shifted.label;
            if (!text) continue;
            const width = key.rect.right - key.rect.left;
            const fit = fitShiftedLabel(text, face.shiftedBand, width + 4, family);
            const centre = (key.rect.left + key.rect.right) / 2;
            const label = svg('text', {
                x: (centre - fit.shift).toFixed(3),
                y: (key.rect.top - 0.4 - fit.descent).toFixed(3),
                'font-size': fit.size.toFixed(3),
            }, group);
            label.textContent = text;
            this.shiftedLabels.set(key.code, label);
        }
    }

    buildKey(key) {
        const { face } = this;
        const button = document.createElement('button');
        button.type = 'button';
        button.className = `key ${key.family}`;
        button.dataset.code = key.code;
        place(button, key.rect);
        const { resting, lit, text } = key.colors;
        const style = button.style;
        style.setProperty('--rest', css(resting));
        style.setProperty('--rest-hi', css(lighter(resting, 125)));
        style.setProperty('--rest-lo', css(darker(resting, 150)));
        style.setProperty('--lit', css(lit));
        style.setProperty('--lit-hi', css(lighter(lit, 125)));
        style.setProperty('--lit-lo', css(darker(lit, 150)));
        style.setProperty('--text', css(text));
        const label = key.plain.label;
        if (key.code === face.enterCode) {
            // ENTER is two rows tall: its letters stand one above the other.
            style.setProperty('--fs', face.fonts.label.long);
            const height = key.rect.bottom - key.rect.top;
            const step = Math.floor(height / (label.length + 1));
            for (let i = 0; i < label.length; ++i) {
                const letter = document.createElement('span');
                letter.className = 'letter';
                letter.style.setProperty('--t', step * i + Math.floor(step / 2));
                letter.style.setProperty('--h', step);
                letter.textContent = label[i];
                button.append(letter);
            }
        } else {
            style.setProperty('--fs', labelSize(key, face.fonts.label));
            const span = document.createElement('span');
            span.className = 'label';
            span.textContent = label;
            button.append(span);
        }
        this.keys.set(key.code, button);
        return button;
    }

    // The size of one picture pixel in CSS pixels, and the speckles drawn
    // again for the device's pixels.
    layout(scale) {
        if (scale === this.scale && window.devicePixelRatio === this.ratio) return;
        this.scale = scale;
        this.ratio = window.devicePixelRatio || 1;
        this.root.style.setProperty('--u', `${scale}px`);
        const width = Math.max(1, Math.round(this.face.width * scale * this.ratio));
        const height = Math.max(1, Math.round(this.face.height * scale * this.ratio));
        paintSpeckles(this.speckles, width, height);
    }

    // Only what changed is written again.
    show(display, spoken) {
        const shown = this.shown;
        if (display.main !== shown.main || display.point !== shown.point) {
            const line = this.face.mainLine;
            const text = display.main;
            while (this.cells.length < text.length) this.addCell();
            this.cells.forEach((cell, i) => {
                const c = text[i] || '';
                if (c === cell.text) return;
                cell.text = c;
                cell.element.textContent = c === ' ' ? '' : c;
                cell.element.setAttribute('x', c === '-' ? cell.x + line.minusOffset : cell.x);
            });
            if (display.point >= 0) {
                this.point.setAttribute('x', line.left + line.step * display.point + line.pointOffset);
                this.point.setAttribute('visibility', 'visible');
            } else {
                this.point.setAttribute('visibility', 'hidden');
            }
        }
        const set = (element, name, value) => {
            if (shown[name] === value) return;
            element.textContent = value;
        };
        this.stack.forEach((element, i) => set(element, `stack${i}`, display.stack[i]));
        set(this.format, 'format', display.format);
        set(this.angle, 'angle', display.angle);
        set(this.shift, 'shift', display.shift ? 'f' : '');
        set(this.prefix, 'prefix', display.prefix);
        set(this.statistics, 'statistics', display.statistics ? '\u03A3' : '');
        if (spoken !== shown.spoken) this.liveText.textContent = spoken;
        if (display.keyLayer !== shown.keyLayer) this.showLayer(display.keyLayer);
        this.shown = {
            main: display.main, point: display.point, stack0: display.stack[0], stack1: display.stack[1],
            stack2: display.stack[2], format: display.format, angle: display.angle, shift: display.shift ? 'f' : '',
            prefix: display.prefix, spoken, keyLayer: display.keyLayer,
        };
    }

    // In HEX the top row's keys type A to F, and in integer mode F e^x and
    // F 10^x move the main line's window: the labels say so.
    showLayer(layer) {
        const hex = layer === HEX_LAYER;
        const windowLabels = { 1: '\u25C2', 2: '\u25B8' };
        for (const [code, text] of Object.entries(windowLabels)) {
            const label = this.shiftedLabels.get(Number(code));
            const key = this.face.keys.find((k) => k.code === Number(code));
            if (label && key) label.textContent = layer >= INTEGER_LAYER ? text : key.shifted.label;
        }
        for (const key of this.face.keys) {
            if (key.code < 1 || key.code > HEX_KEYS) continue;
            const label = this.keys.get(key.code)?.querySelector('.label');
            if (label) label.textContent = hex ? 'ABCDEF'[key.code - 1] : key.plain.label;
        }
    }

    light(code, on) {
        this.keys.get(code)?.classList.toggle('lit', on);
    }
}

// An element placed on the picture by a rectangle of picture pixels.
function place(element, r) {
    element.style.setProperty('--l', r.left);
    element.style.setProperty('--t', r.top);
    element.style.setProperty('--w', r.right - r.left);
    element.style.setProperty('--h', r.bottom - r.top);
}
