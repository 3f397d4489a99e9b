// Beside or above the face, where the screen leaves room for it: the stack
// in large lines (T, Z, Y and X, as the LCD shows them) and the tape's last
// lines, newest at the foot; a tap on a line puts its value into X, as the
// desktop's tape does. Where there is no room, the stack stays for screen
// readers and the tape is left to Menu > Tape.

import { render } from './i18n.js';

const TAIL = 60; // tape lines kept on the page

const $ = (id) => document.getElementById(id);

export class Side {
    constructor(app) {
        this.app = app;
        this.element = $('side');
        this.stack = $('side-stack');
        this.tape = $('side-tape');
        this.lines = $('side-tape-lines');
        this.mode = 'none';
        this.values = new Map(); // a tape line's place -> its value
        const names = ['T', 'Z', 'Y', 'X'];
        this.stackValues = names.map((name) => {
            const term = document.createElement('dt');
            term.textContent = name;
            const value = document.createElement('dd');
            this.stack.append(term, value);
            return value;
        });
        this.lines.addEventListener('click', (e) => {
            const row = e.target.closest('button[data-line]');
            if (row) this.app.perform('PasteValue', 0, '', this.values.get(Number(row.dataset.line)));
        });
    }

    // 'above', 'beside' or 'none' (app.js chooses by the room there is).
    layout(mode) {
        if (mode === this.mode) return;
        this.mode = mode;
        this.element.classList.toggle('visually-hidden', mode === 'none');
        this.tape.hidden = mode === 'none';
        if (this.app.session) this.follow(this.app.display);
    }

    follow(display) {
        if (!display) return;
        const texts = [display.stack[2], display.stack[1], display.stack[0], display.lcd];
        texts.forEach((text, i) => {
            const value = String(text ?? '').trim();
            if (this.stackValues[i].textContent !== value) this.stackValues[i].textContent = value;
        });
        if (this.mode !== 'none') this.fillTape();
    }

    // Only the rows that changed are written again: a key usually changes
    // the open line alone, or adds one.
    fillTape() {
        const tail = JSON.parse(this.app.session.tapeTail(TAIL));
        const rows = this.lines.children;
        // Rows are kept by their line's place on the tape (data-line).
        while (rows.length && Number(rows[0].dataset.line) < tail.first) rows[0].remove();
        while (rows.length && Number(rows[rows.length - 1].dataset.line) >= tail.total) rows[rows.length - 1].remove();
        const at = new Map([...rows].map((row) => [Number(row.dataset.line), row]));
        let added = false;
        this.values = new Map();
        tail.lines.forEach((line, i) => {
            const place = tail.first + i;
            this.values.set(place, Number(line.value));
            const label = render(line.label);
            const existing = at.get(place);
            if (existing && existing.dataset.text === label + '\u0000' + line.shown) return;
            const item = this.row(place, label, line.shown);
            if (existing) existing.replaceWith(item);
            else {
                this.lines.append(item);
                added = true;
            }
        });
        if (added) this.lines.scrollTop = this.lines.scrollHeight;
    }

    row(place, label, shown) {
        const item = document.createElement('li');
        item.dataset.line = String(place);
        item.dataset.text = label + '\u0000' + shown;
        const button = document.createElement('button');
        button.type = 'button';
        button.dataset.line = String(place);
        const name = document.createElement('span');
        name.className = 'tape-label';
        name.textContent = label;
        const value = document.createElement('span');
        value.className = 'tape-shown';
        value.textContent = shown;
        button.append(name, value);
        item.append(button);
        return item;
    }
}
