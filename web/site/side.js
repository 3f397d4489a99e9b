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
        this.shownTape = '';
        this.values = [];
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
            if (row) this.app.perform('PasteValue', 0, '', this.values[Number(row.dataset.line)]);
        });
    }

    // 'above', 'beside' or 'none' (app.js chooses by the room there is).
    layout(mode) {
        if (mode === this.mode) return;
        this.mode = mode;
        this.element.classList.toggle('visually-hidden', mode === 'none');
        this.tape.hidden = mode === 'none';
        this.shownTape = '';
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

    fillTape() {
        const tail = JSON.parse(this.app.session.tapeTail(TAIL));
        const last = tail.lines[tail.lines.length - 1];
        const key = `${tail.total}\u0000${last ? last.label + last.shown : ''}`;
        if (key === this.shownTape) return;
        this.shownTape = key;
        this.values = tail.lines.map((line) => Number(line.value));
        this.lines.replaceChildren(...tail.lines.map((line, i) => {
            const item = document.createElement('li');
            const row = document.createElement('button');
            row.type = 'button';
            row.dataset.line = String(i);
            const name = document.createElement('span');
            name.className = 'tape-label';
            name.textContent = render(line.label);
            const shown = document.createElement('span');
            shown.className = 'tape-shown';
            shown.textContent = line.shown;
            row.append(name, shown);
            item.append(row);
            return item;
        }));
        this.lines.scrollTop = this.lines.scrollHeight;
    }
}
