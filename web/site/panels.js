// The menu and the windows it opens: tape, keys and keyboard, about,
// programs, settings, and the boxes for a message and for a paste the
// browser would not hand over. Each is a modal <dialog>: Escape or Close
// ends it, and the keyboard goes back to the calculator.

import { tr, label, web, fillIn, render } from './i18n.js';
import { keysByCode } from './keyboard.js';
import { drawPlot } from './plot.js';

const $ = (id) => document.getElementById(id);
export const CONFIRM_MS = 1600; // a "Copied" or "Saved" stays this long

// A button says for a moment what it did ("Copied"), then its name again.
function confirmOn(button, text) {
    const name = button.dataset.name ?? button.textContent;
    button.dataset.name = name;
    button.textContent = text;
    clearTimeout(button.confirmTimer);
    button.confirmTimer = setTimeout(() => {
        button.textContent = name;
        delete button.dataset.name;
    }, CONFIRM_MS);
}

function download(name, data, type) {
    const url = URL.createObjectURL(new Blob([data], { type }));
    const link = document.createElement('a');
    link.href = url;
    link.download = name;
    document.body.append(link);
    link.click();
    link.remove();
    setTimeout(() => URL.revokeObjectURL(url), 10000);
}

// A problem of a program, as the session says it: "line 2: ...".
function problemLine(problem) {
    return render(problem.sentence);
}

export class Panels {
    constructor(app) {
        this.app = app;
        this.menu = $('menu');
        this.menuButton = $('menu-button');
        this.installPrompt = null;
        this.selected = null; // the program in the editor
        for (const dialog of document.querySelectorAll('dialog')) {
            dialog.addEventListener('close', () => setTimeout(() => this.dialogClosed(), 0));
            dialog.addEventListener('click', (e) => {
                if (e.target.closest('button.close')) dialog.close();
                // A tap on the backdrop closes it too.
                // A tap on the backdrop closes it too; not the click that
                // trails the tap which opened it (the ? key's About).
                else if (e.target === dialog && this.outside(dialog, e) &&
                    performance.now() > this.app.tapClickUntil) dialog.close();
            });
        }
        this.wireMenu();
        this.wireTape();
        this.wirePrograms();
        this.wireNumeric();
        this.wireSettings();
        this.wirePaste();
        this.wireFinder();
        $('load-file').addEventListener('change', (e) => this.loadState(e.target));
        // Share where the browser can hand a text to another app.
        const canShare = typeof navigator.share === 'function';
        for (const item of [this.menu.querySelector('[data-command="share"]'), $('tape-share'), $('program-share')]) {
            item.hidden = !canShare;
        }
        window.addEventListener('beforeinstallprompt', (e) => {
            e.preventDefault();
            this.installPrompt = e;
            this.menu.querySelector('[data-command="install"]').hidden = false;
        });
    }

    outside(dialog, event) {
        const r = dialog.getBoundingClientRect();
        return event.clientX < r.left || event.clientX > r.right || event.clientY < r.top || event.clientY > r.bottom;
    }

    // The page's static texts in the reader's language.
    translatePage() {
        for (const element of document.querySelectorAll('[data-tr]')) {
            const [context, text] = element.dataset.tr.split('|');
            element.textContent = label(context, text);
        }
        for (const element of document.querySelectorAll('[data-web]')) element.textContent = web(element.dataset.web);
        this.app.face.stopButton.textContent = web('Stop');
        for (const element of document.querySelectorAll('[data-tr-placeholder]')) {
            const [context, text] = element.dataset.trPlaceholder.split('|');
            element.placeholder = label(context, text);
        }
    }

    ready() {
        this.menuButton.disabled = false;
        this.menuButton.addEventListener('click', () => this.openMenu());
    }

    get session() {
        return this.app.session;
    }

    open(dialog) {
        for (const other of document.querySelectorAll('dialog[open]')) if (other !== dialog) other.close();
        if (!dialog.open) dialog.showModal();
    }

    dialogClosed() {
        if (!document.querySelector('dialog[open]')) this.app.faceElement.focus({ preventScroll: true });
    }

    // What the menu's items can do now.
    follow(display) {
        const set = (command, enabled) => {
            const item = this.menu.querySelector(`[data-command="${command}"]`);
            if (item.disabled === enabled) item.disabled = !enabled;
        };
        set('undo', display.canUndo);
        set('redo', display.canRedo);
        set('continue', display.stopped);
        const stop = this.menu.querySelector('[data-command="stop"]');
        if (stop.hidden === display.running) stop.hidden = !display.running;
        if (this.menu.open) this.fillRegisters();
        if ($('statistics-dialog').open) this.fillStatistics();
        if ($('bits-dialog').open) this.fillBits();
    }

    openMenu() {
        if (!this.session) return;
        for (const item of this.menu.querySelectorAll('[aria-expanded]')) this.expand(item, false);
        this.open(this.menu);
    }

    wireMenu() {
        const commands = {
            undo: () => this.app.perform('Undo'),
            redo: () => this.app.perform('Redo'),
            cut: () => this.app.perform('Cut'),
            copy: () => this.app.perform('Copy'),
            'copy-exact': () => this.app.perform('CopyExact'),
            paste: () => this.app.paste('Paste'),
            'paste-number': () => this.app.paste('PasteNumber'),
            'paste-data': () => this.app.paste('PasteData'),
            statistics: () => this.openStatistics(),
            bits: () => this.openBits(),
            solve: () => this.openNumeric('Solve'),
            integrate: () => this.openNumeric('Integrate'),
            'save-state': () => {
                download('tabrix.rpn', this.session.savedStateFile(), 'application/octet-stream');
                this.app.showNotice(web('Saved as %1', 'tabrix.rpn'), CONFIRM_MS);
            },
            share: () => this.app.perform('Copy', 0, '', 0, { share: true }),
            'load-state': () => $('load-file').click(),
            'reset-state': () => this.app.perform('Reset'),
            'find-function': () => this.openFinder(),
            tape: () => this.openTape(),
            programs: () => this.openPrograms(),
            continue: () => this.app.perform('Continue'),
            stop: () => this.app.stop(),
            keys: () => this.openKeys(),
            about: () => this.open($('about-dialog')),
            settings: () => this.openSettings(),
            install: () => this.install(),
        };
        this.menu.addEventListener('click', (e) => {
            const item = e.target.closest('button');
            if (!item || item.disabled) return;
            if (item.dataset.register !== undefined) {
                this.menu.close();
                this.app.perform(item.dataset.kind, Number(item.dataset.register));
                return;
            }
            const command = item.dataset.command;
            if (command === 'sto' || command === 'rcl') {
                this.expand(item, item.getAttribute('aria-expanded') !== 'true');
                return;
            }
            if (!commands[command]) return;
            this.menu.close();
            commands[command]();
        });
        // Up and Down move through the items.
        this.menu.addEventListener('keydown', (e) => {
            if (e.key !== 'ArrowDown' && e.key !== 'ArrowUp') return;
            const items = [...this.menu.querySelectorAll('button')].filter((b) => !b.disabled && b.offsetParent);
            const at = items.indexOf(document.activeElement);
            const next = items[(at + (e.key === 'ArrowDown' ? 1 : items.length - 1)) % items.length];
            if (next) {
                e.preventDefault();
                next.focus();
            }
        });
    }

    // STO and RCL open their ten registers, each shown as the desktop's menu shows it.
    expand(item, open) {
        item.setAttribute('aria-expanded', String(open));
        $(item.getAttribute('aria-controls')).hidden = !open;
        if (open) this.fillRegisters();
    }

    fillRegisters() {
        const labels = JSON.parse(this.session.registerLabels());
        for (const [kind, list, texts] of [['Store', $('sto-list'), labels.sto], ['Recall', $('rcl-list'), labels.rcl]]) {
            if (list.hidden) continue;
            if (list.children.length !== texts.length) {
                list.replaceChildren(...texts.map((_, n) => {
                    const button = document.createElement('button');
                    button.type = 'button';
                    button.dataset.kind = kind;
                    button.dataset.register = String(n);
                    return button;
                }));
            }
            texts.forEach((text, n) => {
                if (list.children[n].textContent !== text) list.children[n].textContent = text;
            });
        }
    }

    async install() {
        const prompt = this.installPrompt;
        this.installPrompt = null;
        this.menu.querySelector('[data-command="install"]').hidden = true;
        if (prompt) await prompt.prompt();
    }

    async loadState(input) {
        const file = input.files?.[0];
        input.value = '';
        if (!file) return;
        const bytes = new Uint8Array(await file.arrayBuffer());
        this.app.handle(JSON.parse(this.session.loadStateFile(bytes, file.name)));
    }

    message(text, details = '') {
        $('message-text').textContent = text;
        $('message-details').textContent = details;
        const dialog = $('message-dialog');
        if (!dialog.open) dialog.showModal();
    }

    // The tape: each line's label and the X it showed.
    wireTape() {
        $('tape-copy').addEventListener('click', () => {
            this.app.writeClipboard(this.session.tapeScript(), () => confirmOn($('tape-copy'), web('Copied')));
        });
        $('tape-save').addEventListener('click', () => {
            download('tape.txt', this.session.tapeScript(), 'text/plain;charset=utf-8');
            confirmOn($('tape-save'), web('Saved'));
        });
        $('tape-share').addEventListener('click', () => this.app.share(this.session.tapeScript(), $('tape-title').textContent));
        $('tape-clear').addEventListener('click', () => {
            this.app.perform('ClearTape');
            this.fillTape();
        });
    }

    openBits() {
        this.fillBits();
        this.open($('bits-dialog'));
    }

    // Every bit of X, 16 to a row in groups of 4 with their positions; a tap
    // toggles one (flip:N, one undo step and one tape line).
    fillBits() {
        const bits = JSON.parse(this.session.bits());
        $('bits-summary').textContent = render(bits.summary);
        const flip = this.app.faceData.functions.find((f) => f.token === 'flip:N');
        $('bits-rows').replaceChildren(...bits.rows.map((row) => {
            const line = document.createElement('div');
            line.className = 'bits-row';
            for (let group = 0; group < row.length; group += 4) {
                const cells = document.createElement('div');
                cells.className = 'bits-group';
                for (const cell of row.slice(group, group + 4)) {
                    const button = document.createElement('button');
                    button.type = 'button';
                    button.className = 'bit';
                    button.textContent = cell.set ? '1' : '0';
                    button.disabled = !cell.inWord;
                    button.setAttribute('aria-pressed', String(cell.set));
                    button.setAttribute('aria-label', `${cell.position}`);
                    button.dataset.position = cell.position;
                    button.addEventListener('click', () => this.app.perform('Function', flip.id, '', cell.position));
                    cells.append(button);
                }
                const positions = document.createElement('span');
                positions.className = 'bits-positions';
                positions.textContent = `${row[group].position}\u2009\u2013\u2009${row[group + 3].position}`;
                cells.append(positions);
                line.append(cells);
            }
            return line;
        }));
    }

    openStatistics() {
        this.fillStatistics();
        this.open($('statistics-dialog'));
    }

    // n, x̄, ȳ, sx, sy, r, a and b; a result there is none of shows "—" and why.
    fillStatistics() {
        const rows = JSON.parse(this.session.statisticsRows());
        $('statistics-rows').replaceChildren(...rows.flatMap((row) => {
            const name = document.createElement('dt');
            name.textContent = row.name;
            name.title = render(row.meaning);
            const meaning = document.createElement('span');
            meaning.className = 'visually-hidden';
            meaning.textContent = `, ${render(row.meaning)}`;
            name.append(meaning);
            const value = document.createElement('dd');
            if (row.why) {
                value.textContent = '\u2014';
                const why = document.createElement('span');
                why.className = 'why';
                why.textContent = render(row.why);
                value.append(' ', why);
            } else {
                value.textContent = row.value;
            }
            return [name, value];
        }));
    }

    // Solve… and Integrate…: the program, the guesses from Y and X, and the
    // plot of the program over them as they are typed.
    wireNumeric() {
        for (const id of ['numeric-program', 'numeric-a', 'numeric-b']) {
            $(id).addEventListener('input', () => this.replotNumeric());
        }
        $('numeric-go').addEventListener('click', () => this.goNumeric());
        for (const id of ['numeric-a', 'numeric-b']) {
            $(id).addEventListener('keydown', (e) => {
                if (e.key === 'Enter') {
                    e.preventDefault();
                    this.goNumeric();
                }
            });
        }
    }

    openNumeric(kind) {
        if (!this.session) return;
        this.numericKind = kind;
        const solves = kind === 'Solve';
        $('numeric-title').textContent = label('CNumericDialog', solves ? 'Solve' : 'Integrate');
        $('numeric-a-label').textContent = label('CNumericDialog', solves ? 'First &guess (y):' : '&From (y):');
        $('numeric-b-label').textContent = label('CNumericDialog', solves ? 'Second g&uess (x):' : '&To (x):');
        $('numeric-go').textContent = label('CNumericDialog', solves ? '&Solve' : '&Integrate');
        const names = this.programs().filter((p) => p.problems.length === 0).map((p) => p.name);
        $('numeric-program').replaceChildren(...names.map((name) => new Option(name, name)));
        if (names.includes(this.selected)) $('numeric-program').value = this.selected;
        const guesses = JSON.parse(this.session.numericGuesses());
        this.numericGuesses = guesses;
        $('numeric-a').value = guesses.y;
        $('numeric-b').value = guesses.x;
        $('numeric-go').disabled = names.length === 0;
        this.open($('numeric-dialog'));
        this.replotNumeric();
        if (guesses.none) $('numeric-why').textContent = render(guesses.none);
    }

    // A guess as the session reads it: {value, why}.
    guess(id) {
        return JSON.parse(this.session.readGuess($(id).value.trim()));
    }

    plotInto(canvas, name, a, b) {
        const plot = name && a !== null && b !== null ? JSON.parse(this.session.plot(name, a, b)) : null;
        drawPlot(canvas, plot, a, b);
        canvas.setAttribute('aria-label', plot ? render(plot.description) : '');
    }

    replotNumeric() {
        const a = this.guess('numeric-a');
        const b = this.guess('numeric-b');
        $('numeric-why').textContent = render(a.why || b.why);
        this.plotInto($('numeric-plot'), $('numeric-program').value, a.value, b.value);
    }

    // Guesses typed anew go onto the stack as typing them would, then the
    // session solves or integrates.
    goNumeric() {
        const name = $('numeric-program').value;
        const guessA = this.guess('numeric-a');
        const guessB = this.guess('numeric-b');
        if (!name || guessA.value === null || guessB.value === null) {
            $('numeric-why').textContent = render(guessA.why || guessB.why);
            return;
        }
        const [a, b] = [guessA.value, guessB.value];
        $('numeric-dialog').close();
        const typedAnew = $('numeric-a').value.trim() !== this.numericGuesses.y ||
            $('numeric-b').value.trim() !== this.numericGuesses.x;
        if (typedAnew) {
            this.app.perform('PasteValue', 0, '', a);
            this.app.perform('Key', this.app.faceData.enterCode);
            this.app.perform('PasteValue', 0, '', b);
        }
        this.app.perform(this.numericKind, 0, name);
    }

    // The program shown in the editor, over Y and X.
    replotProgram() {
        if (!$('programs-dialog').open && !this.fillingPrograms) return;
        const guesses = JSON.parse(this.session.numericGuesses());
        const entry = this.selected && this.programs().find((p) => p.name === this.selected);
        const runs = entry && entry.problems.length === 0;
        this.plotInto($('program-plot'), runs ? this.selected : null, Number(guesses.y), Number(guesses.x));
    }

    openTape() {
        this.fillTape();
        this.open($('tape-dialog'));
        const list = $('tape-lines');
        list.scrollTop = list.scrollHeight;
    }

    fillTape() {
        const lines = JSON.parse(this.session.tapeLines());
        $('tape-lines').replaceChildren(...lines.map((line) => {
            const item = document.createElement('li');
            const name = document.createElement('span');
            name.className = 'tape-label';
            name.textContent = render(line.label);
            const shown = document.createElement('span');
            shown.className = 'tape-shown';
            shown.textContent = line.shown;
            item.append(name, shown);
            return item;
        }));
    }

    // The keyboard keys of a calculator key as the page names them
    // ("7, keypad 7"); empty for none.
    keyboardKeys(code) {
        const keys = keysByCode(this.app.faceData.keyboard, this.app.settings.laptop).get(code) || [];
        return keys.map((k) => (k.keypad ? fillIn(tr('KeyMap', 'keypad %1'), [k.key]) : k.key)).join(', ');
    }

    // A key's tooltip, as the session words it for every front end.
    keyHelp(code) {
        return render(this.session.keyHelp(code, this.keyboardKeys(code)));
    }

    openKeys() {
        if (!this.session) return;
        const headings = [...document.querySelectorAll('.keys-table th')].map((th) => th.textContent);
        $('keys-rows').replaceChildren(...this.app.faceData.keys.map((key) => {
            const row = document.createElement('tr');
            const texts = [key.plain.id, key.shifted.id].map((id) => (id ? render(this.session.functionHelp(id)) : ''));
            texts.push(this.keyboardKeys(key.code) || render(this.session.keyboardHelp('')));
            texts.forEach((text, i) => {
                const cell = document.createElement('td');
                cell.textContent = text;
                cell.dataset.label = headings[i]; // a narrow screen writes the column before it
                row.append(cell);
            });
            return row;
        }));
        this.open($('keys-dialog'));
    }

    openSettings() {
        $('setting-keep').checked = this.app.settings.keep;
        $('setting-laptop').checked = this.app.settings.laptop;
        $('setting-vibrate').checked = this.app.settings.vibrate;
        $('setting-contrast').checked = this.app.settings.highContrast;
        this.open($('settings-dialog'));
    }

    wireSettings() {
        for (const [id, name] of [['setting-keep', 'keep'], ['setting-laptop', 'laptop'], ['setting-vibrate', 'vibrate'],
            ['setting-contrast', 'highContrast']]) {
            $(id).addEventListener('change', (e) => {
                this.app.settings[name] = e.target.checked;
                this.app.saveSettings();
                if (name === 'laptop') this.retitleKeys();
            });
        }
        if (!navigator.vibrate) $('setting-vibrate').closest('label').hidden = true;
    }

    retitleKeys() {
        for (const [code, button] of this.app.face.keys) button.title = this.keyHelp(code);
    }

    // Find Function: the session finds the matches of what is typed and
    // says what taking one does; a tap takes a row, Return the highlighted
    // one (or what the box names exactly, "sto+:3"), Up and Down move.
    wireFinder() {
        const field = $('finder-field');
        field.addEventListener('input', () => this.fillFinder());
        field.addEventListener('keydown', (e) => {
            if (e.key === 'Enter') {
                e.preventDefault();
                this.chooseFunction(field.value.trim(), this.finderChosen);
            } else if (e.key === 'ArrowDown' || e.key === 'ArrowUp') {
                e.preventDefault();
                const rows = [...$('finder-matches').children];
                const at = rows.findIndex((row) => Number(row.dataset.id) === this.finderChosen);
                const next = rows[Math.max(0, Math.min(rows.length - 1, at + (e.key === 'ArrowDown' ? 1 : -1)))];
                if (next) this.highlight(Number(next.dataset.id));
            }
        });
        $('finder-matches').addEventListener('click', (e) => {
            const row = e.target.closest('[role="option"]');
            if (row) this.chooseFunction('', Number(row.dataset.id));
        });
    }

    openFinder(text = '') {
        if (!this.session) return;
        this.app.prepareFinder();
        $('finder-field').value = text;
        this.fillFinder();
        this.open($('finder-dialog'));
        $('finder-field').focus();
    }

    fillFinder() {
        const found = JSON.parse(this.session.findFunctions($('finder-field').value.trim()));
        $('finder-matches').replaceChildren(...found.rows.map((match) => {
            const row = document.createElement('li');
            row.setAttribute('role', 'option');
            row.id = `finder-${match.id}`;
            row.dataset.id = String(match.id);
            row.textContent = render(match.text);
            return row;
        }));
        $('finder-hint').textContent = render(found.hint);
        this.highlight(found.rows.length ? found.rows[0].id : 0);
    }

    highlight(id) {
        this.finderChosen = id;
        const field = $('finder-field');
        for (const row of $('finder-matches').children) {
            const chosen = Number(row.dataset.id) === id;
            row.setAttribute('aria-selected', String(chosen));
            if (chosen) {
                field.setAttribute('aria-activedescendant', row.id);
                row.scrollIntoView({ block: 'nearest' });
            }
        }
        if (!id) field.removeAttribute('aria-activedescendant');
    }

    // Whether a function was performed.
    chooseFunction(typed, id) {
        this.app.prepareFinder();
        const choice = JSON.parse(this.session.chooseFunction(typed, id || 0));
        if (choice.outcome) {
            $('finder-dialog').close();
            this.app.keepRecentFunctions();
            this.app.handle(choice.outcome);
            return true;
        }
        const field = $('finder-field');
        if (choice.text) {
            field.value = choice.text;
            this.fillFinder();
        }
        if (choice.hint) $('finder-hint').textContent = render(choice.hint);
        field.focus();
        return false;
    }

    // The text field that takes a paste the browser keeps from the page.
    wirePaste() {
        const field = $('paste-field');
        const go = () => {
            const kind = this.pasteKind;
            const text = field.value;
            $('paste-dialog').close();
            this.app.pasteText(kind, text);
        };
        $('paste-go').addEventListener('click', go);
        field.addEventListener('paste', (e) => {
            const text = e.clipboardData?.getData('text/plain');
            if (text === undefined) return;
            e.preventDefault();
            field.value = text;
            go();
        });
    }

    askPaste(kind) {
        this.pasteKind = kind;
        const names = { Paste: '&Paste', PasteNumber: 'Paste &Number', PasteData: 'Paste &Data' };
        const name = label('CMainFrame', names[kind]);
        $('paste-title').textContent = name;
        $('paste-go').textContent = name;
        $('paste-field').value = '';
        this.open($('paste-dialog'));
        $('paste-field').focus();
    }

    // Programs: the list, the selected one's steps as text, and the
    // checker's problems as you type.
    wirePrograms() {
        $('program-list').addEventListener('change', (e) => this.selectProgram(e.target.value));
        $('program-steps').addEventListener('input', (e) => {
            this.offerCompletions();
            if (!this.selected) return;
            const problems = JSON.parse(this.session.setProgram(this.selected, e.target.value));
            this.app.keepPrograms();
            this.showProblems(problems || []);
            this.replotProgram();
            // A change may mend or break the calls of the others.
            const byName = new Map(this.programs().map((p) => [p.name, p.label]));
            for (const option of $('program-list').options) {
                const text = render(byName.get(option.value) || option.value);
                if (option.textContent !== text) option.textContent = text;
            }
        });
        this.wireCompletions();
        $('program-new').addEventListener('click', () => this.newProgram());
        $('program-name').addEventListener('keydown', (e) => {
            if (e.key === 'Enter') {
                e.preventDefault();
                this.newProgram();
            }
        });
        $('program-delete').addEventListener('click', () => this.deleteProgram());
        $('program-run').addEventListener('click', () => this.runProgram());
        $('program-share').addEventListener('click', () => {
            if (this.selected) this.app.share(this.session.programText(this.selected), this.selected);
        });
    }

    programs() {
        return JSON.parse(this.session.programs());
    }

    // The tokens that complete the word before the caret, as the session
    // finds them: a tap (or Tab, for the first) puts one in the word's place.
    wireCompletions() {
        const steps = $('program-steps');
        const list = $('program-completions');
        // The steps keep the keyboard (and a phone its keyboard) while a completion is tapped.
        list.addEventListener('pointerdown', (e) => e.preventDefault());
        list.addEventListener('click', (e) => {
            const button = e.target.closest('button');
            if (button) this.complete(button.dataset.text);
        });
        steps.addEventListener('keydown', (e) => {
            if (list.hidden || e.ctrlKey || e.altKey || e.metaKey) return;
            if (e.key === 'Tab' && !e.shiftKey) {
                e.preventDefault();
                this.complete(list.firstElementChild.dataset.text);
            } else if (e.key === 'Escape') {
                e.preventDefault(); // the list goes, the dialog stays
                list.hidden = true;
            }
        });
        steps.addEventListener('blur', () => { list.hidden = true; });
        steps.addEventListener('click', () => this.offerCompletions());
    }

    wordBeforeCaret() {
        const steps = $('program-steps');
        return /\S*$/.exec(steps.value.slice(0, steps.selectionStart))[0];
    }

    offerCompletions() {
        const list = $('program-completions');
        const steps = $('program-steps');
        const found = steps.selectionStart === steps.selectionEnd
            ? JSON.parse(this.session.completeToken(this.wordBeforeCaret())) : [];
        list.replaceChildren(...found.map((completion) => {
            const button = document.createElement('button');
            button.type = 'button';
            button.tabIndex = -1;
            button.dataset.text = completion.text;
            button.textContent = completion.pattern;
            button.title = render(completion.help);
            button.setAttribute('aria-label', `${completion.pattern} ${button.title}`);
            return button;
        }));
        list.hidden = found.length === 0;
    }

    complete(text) {
        const steps = $('program-steps');
        const at = steps.selectionStart;
        steps.setRangeText(text, at - this.wordBeforeCaret().length, at, 'end');
        steps.dispatchEvent(new Event('input', { bubbles: true }));
        steps.focus();
    }


    // Another tab changed the programs: the list follows, and the steps being
    // edited stay as they are unless that program changed.
    programsChanged() {
        if (!$('programs-dialog').open) return;
        const steps = $('program-steps');
        const entry = this.programs().find((p) => p.name === this.selected);
        if (entry && entry.body === steps.value) {
            const caret = [steps.selectionStart, steps.selectionEnd];
            this.fillPrograms(this.selected);
            steps.setSelectionRange(...caret);
        } else {
            this.fillPrograms(this.selected);
        }
    }

    openPrograms() {
        this.fillPrograms(this.selected);
        this.open($('programs-dialog'));
        this.replotProgram();
    }

    fillPrograms(selected) {
        const programs = this.programs();
        $('program-list').replaceChildren(...programs.map((p) => new Option(render(p.label), p.name)));
        const chosen = programs.find((p) => p.name === selected) || programs[0];
        this.selectProgram(chosen ? chosen.name : null);
    }

    selectProgram(name) {
        const entry = this.programs().find((p) => p.name === name);
        this.selected = entry ? entry.name : null;
        $('program-list').value = this.selected ?? '';
        $('program-steps').value = entry ? entry.body : '';
        $('program-completions').hidden = true;
        $('program-steps').disabled = !entry;
        $('program-run').disabled = !entry;
        $('program-delete').disabled = !entry;
        $('program-share').disabled = !entry;
        this.showProblems(entry ? entry.problems : null);
        this.replotProgram();
    }

    showProblems(problems) {
        const list = $('program-problems');
        if (!problems) {
            list.replaceChildren();
            return;
        }
        const texts = problems.length ? problems.map(problemLine) : [web('None: the program runs.')];
        list.replaceChildren(...texts.map((text) => {
            const item = document.createElement('li');
            item.textContent = text;
            return item;
        }));
    }

    newProgram() {
        const field = $('program-name');
        const name = field.value.trim();
        if (!name) {
            field.focus();
            return;
        }
        if (this.programs().some((p) => p.name.toLowerCase() === name.toLowerCase())) {
            this.message(web('There is a program %1 already.', name));
            return;
        }
        if (JSON.parse(this.session.setProgram(name, '')) === null) {
            this.message(web('\u201C%1\u201D is no program name: a letter, then letters, digits or _, 32 at most.', name));
            return;
        }
        this.app.keepPrograms();
        field.value = '';
        this.fillPrograms(name);
        $('program-steps').focus();
    }

    deleteProgram() {
        const name = this.selected;
        if (!name || !window.confirm(web('Delete the program %1?', name))) return;
        this.session.removeProgram(name);
        this.app.keepPrograms();
        this.fillPrograms(null);
    }

    // The session says why a program with problems does not run.
    runProgram() {
        if (!this.selected) return;
        $('programs-dialog').close();
        this.app.perform('Run', 0, this.selected);
    }
}
