// The page: the calculator session (WebAssembly) behind the face. Taps,
// keyboard keys and menu items become the session's actions; what comes
// back is shown. The page keeps the calculator and the programs in the
// browser's storage, runs programs in slices between frames, and carries
// texts between the session's clipboard and the browser's.

import { chooseLanguage, loadLanguage, tr, web, sentences, fillIn, render } from './i18n.js';
import { Face } from './face.js';
import { buildKeyMap, codeOf } from './keyboard.js';
import { Panels, CONFIRM_MS } from './panels.js';
import { Side } from './side.js';

const STORE = { session: 'tabrix.session', damaged: 'tabrix.session.damaged', programs: 'tabrix.programs',
    settings: 'tabrix.settings', display: 'tabrix.display', recentFunctions: 'tabrix.functions.recent' };
const DEFAULT_SETTINGS = { keep: true, laptop: false, vibrate: false, highContrast: false };
const PAUSE_MS = 1000;   // a pse step shows the calculator this long
const NOTICE_MS = 5000;
const CLICK_AFTER_TAP_MS = 600; // the browser's click after a tap comes within this
// The room the stack and the tape need beside or above the face.
const SIDE = { minHeight: 120, share: 0.3, minWidth: 220, maxWidth: 480, bar: 48 };

// The browser's storage may be refused outright (blocked cookies): the
// calculator then works and keeps nothing.
function read(key) {
    try {
        return localStorage.getItem(key);
    } catch {
        return null;
    }
}

function readSettings() {
    try {
        return { ...DEFAULT_SETTINGS, ...JSON.parse(read(STORE.settings) || '{}') };
    } catch {
        return { ...DEFAULT_SETTINGS };
    }
}

function isTextField(element) {
    if (!element) return false;
    if (element.isContentEditable) return true;
    const name = element.tagName;
    if (name === 'TEXTAREA' || name === 'SELECT') return true;
    return name === 'INPUT' && !['button', 'checkbox', 'radio', 'submit', 'reset', 'file', 'range', 'color']
        .includes(element.type);
}

class App {
    constructor() {
        this.settings = readSettings();
        this.session = null;
        this.display = null;
        this.held = new Map();     // keyboard key → what its release does
        this.pressed = new Map();  // pointer → the key it went down on
        this.runTimer = 0;
        this.noticeTimer = 0;
        this.pasteNumberNext = false;
        this.tapClickUntil = 0;
        this.failedKeys = new Set(); // stores that failed, told once
        this.waiting = [];         // keys pressed before the engine was there
        this.fromOtherTab = new Set(); // stores another tab changed during a run here
    }

    async start() {
        const language = chooseLanguage(navigator.languages || [navigator.language], location.search);
        document.documentElement.lang = language;
        const [face] = await Promise.all([
            fetch('face.json').then((r) => r.json()),
            loadLanguage(language),
        ]);
        this.faceData = face;
        this.actions = face.actions;
        this.words = [tr('Accessibility', 'times ten to the'), tr('Accessibility', 'shift'),
            tr('Accessibility', 'shifted')];
        this.faceElement = document.getElementById('face');
        this.faceElement.setAttribute('aria-label', tr('Accessibility', 'Tabrix calculator'));
        this.face = new Face(this.faceElement, face);
        // The LCD as it was last shown (or at the defaults) while the engine
        // loads: the picture is whole at once.
        this.face.show(this.lastDisplay() || face.firstDisplay, '');
        this.panels = new Panels(this);
        this.side = new Side(this);
        this.panels.translatePage();
        this.applySettings();
        this.fit();
        new ResizeObserver(() => this.fit()).observe(document.getElementById('stage'));
        performance.mark('tabrix-face');
        this.listen();

        // The engine, the largest part of the page, loads once the face is
        // on screen: the picture comes first on a slow network.
        await new Promise((painted) => requestAnimationFrame(() => setTimeout(painted, 0)));
        this.Module = await import('./tabrix.js').then((engine) => engine.default());
        this.session = this.newSession(null);
        this.restore();
        for (const [code, button] of this.face.keys) {
            button.setAttribute('aria-label', render(this.session.keyName(code, this.words[2])));
        }
        this.panels.retitleKeys();
        this.repaint();
        this.playWaitingKeys();
        this.panels.ready();
        this.registerWorker();
    }

    // Where the screen leaves room, the stack and the tape stand above the
    // face (a tall screen: the keys stay at the foot, where the thumbs are)
    // or beside it (a wide one); the face itself stays the picture it is.
    chooseLayout(width, height) {
        const { width: w, height: h } = this.faceData;
        if (height >= 1.2 * width) {
            const side = Math.max(SIDE.minHeight, SIDE.share * height);
            const scale = Math.min(width / w, (height - SIDE.bar - side) / h);
            if (height - SIDE.bar - h * scale >= SIDE.minHeight) return { mode: 'above', stageHeight: h * scale };
        } else {
            const room = width - w * ((height - 24) / h) - 36;
            if (room >= SIDE.minWidth) return { mode: 'beside', sideWidth: Math.min(SIDE.maxWidth, room) };
        }
        return { mode: 'none' };
    }

    // The face as large as the stage allows, never larger. Where the face
    // leaves room beside it for the menu button, the bar gives its height
    // to the face.
    fit() {
        const body = document.body;
        const box = getComputedStyle(body);
        const outerWidth = body.clientWidth - parseFloat(box.paddingLeft) - parseFloat(box.paddingRight);
        const outerHeight = body.clientHeight - parseFloat(box.paddingTop) - parseFloat(box.paddingBottom);
        const layout = this.chooseLayout(outerWidth, outerHeight);
        body.dataset.layout = layout.mode;
        body.style.setProperty('--stage-height', `${Math.floor(layout.stageHeight ?? 0)}px`);
        body.style.setProperty('--side-width', `${Math.floor(layout.sideWidth ?? 0)}px`);
        this.side.layout(layout.mode);
        const tallest = Math.min(outerWidth / this.faceData.width, outerHeight / this.faceData.height);
        const beside = (outerWidth - this.faceData.width * tallest) / 2;
        body.classList.toggle('bar-aside', layout.mode === 'none' &&
            beside >= document.getElementById('menu-button').offsetWidth + 24);
        const stage = document.getElementById('stage');
        const style = getComputedStyle(stage);
        const width = stage.clientWidth - parseFloat(style.paddingLeft) - parseFloat(style.paddingRight);
        const height = stage.clientHeight - parseFloat(style.paddingTop) - parseFloat(style.paddingBottom);
        const scale = Math.min(width / this.faceData.width, height / this.faceData.height);
        this.face.layout(Math.max(0.5, Math.floor(scale * 1000) / 1000));
    }

    restore() {
        const programs = read(STORE.programs);
        if (programs) this.session.setPrograms(programs);
        if (!this.settings.keep) return;
        const kept = read(STORE.session);
        if (kept && !this.session.restore(kept)) {
            // Kept aside, not overwritten by the next change.
            this.store(STORE.damaged, kept);
            this.showNotice(web('The calculator of the last visit could not be read; it is kept aside as %1.',
                STORE.damaged), NOTICE_MS);
        }
    }

    store(key, text) {
        try {
            localStorage.setItem(key, text);
            return null;
        } catch (error) {
            return error;
        }
    }

    lastDisplay() {
        if (!this.settings.keep) return null;
        try {
            return JSON.parse(read(STORE.display));
        } catch {
            return null;
        }
    }

    keep() {
        if (!this.settings.keep || !this.session) return;
        const error = this.keepOrTell(STORE.session, this.session.kept(), tr('SessionStore',
            'The calculator cannot be kept for the next start: %1: %2. Tabrix tries again after the next change.'));
        if (!error && this.display) {
            const { spoken, ...shown } = this.display;
            this.store(STORE.display, JSON.stringify(shown));
        }
    }

    // Stores `text` under `key`; a failure is told (`notice`: %1 the key, %2
    // why) once, and tried again at the next change.
    keepOrTell(key, text, notice) {
        const error = this.store(key, text);
        if (error && !this.failedKeys.has(key)) this.showNotice(fillIn(notice, [key, error.message]), NOTICE_MS);
        if (error) this.failedKeys.add(key);
        else this.failedKeys.delete(key);
        return error;
    }

    // The finder searches each function's words in the reader's language
    // too, handed to the session the first time it opens; the last used
    // (kept by every tab) each time.
    prepareFinder() {
        if (this.finderSession !== this.session) {
            this.finderSession = this.session;
            this.session.setFunctionWords(JSON.stringify(this.faceData.functions.map((f) =>
                [f.id, tr('Functions', f.description), tr('Functions', f.family)])));
        }
        // Where the storage is refused, the session's own list goes on.
        const kept = read(STORE.recentFunctions);
        if (kept !== null) this.session.setRecentFunctions(kept);
    }

    keepRecentFunctions() {
        this.store(STORE.recentFunctions, this.session.recentFunctions());
    }

    keepPrograms() {
        this.keepOrTell(STORE.programs, this.session.programsText(), tr('ProgramStore',
            'The programs cannot be kept: %1: %2. Tabrix tries again after the next change.'));
    }

    // What the settings change on the page itself.
    applySettings() {
        this.keyMap = buildKeyMap(this.faceData.keyboard, this.settings.laptop);
        this.faceElement.classList.toggle('high-contrast', this.settings.highContrast);
    }

    saveSettings() {
        this.store(STORE.settings, JSON.stringify(this.settings));
        this.applySettings();
        if (this.settings.keep) this.keep();
        else {
            try {
                localStorage.removeItem(STORE.session);
                localStorage.removeItem(STORE.display);
            } catch {
                // Nothing was kept, then.
            }
        }
    }

    repaint() {
        this.display = JSON.parse(this.session.display(...this.words));
        this.face.show(this.display, this.display.spoken);
        this.panels.follow(this.display);
        this.side.follow(this.display);
    }

    // An action by its name in face.json's actions; the outcome is shown.
    // Keys pressed while the engine loads wait for it, in their order.
    perform(kind, code = 0, text = '', value = 0, options = {}) {
        if (!this.session) {
            if (kind === 'Key' || kind === 'KeyRelease') this.waiting.push([kind, code]);
            return null;
        }
        return this.handle(JSON.parse(this.session.perform(this.actions[kind], code, text, value)), options);
    }

    playWaitingKeys() {
        const waiting = this.waiting;
        this.waiting = [];
        for (const [kind, code] of waiting) this.perform(kind, code);
    }

    handle(outcome, options = {}) {
        this.repaint();
        if (outcome.changed) this.keep();
        if (outcome.copied !== null && options.share) this.share(outcome.copied, 'X');
        else if (outcome.copied !== null && !options.clipboard) this.writeClipboard(outcome.copied, () => this.confirmCopy());
        if (options.clipboard && outcome.copied !== null) {
            options.clipboard.setData('text/plain', outcome.copied);
            this.confirmCopy();
        }
        if (outcome.message) this.panels.message(tr('Document', outcome.message), render(outcome.details || ''));
        if (outcome.about) this.panels.open(document.getElementById('about-dialog'));
        // A refused key (a digit outside the base): a short buzz where the device has one, and the LCD blinks.
        if (outcome.click) this.refused();
        // While a program runs, its lasting notice says how to stop it, and
        // what is refused meanwhile says nothing; the run's end takes the
        // notice away or says how it ended.
        if (outcome.notice.length && (outcome.noticeLasts || !this.display.running)) {
            this.showNotice(sentences(outcome.notice), outcome.noticeLasts ? 0 : NOTICE_MS);
        } else if (outcome.run.state !== 'none' && !this.display.running) {
            this.hideNotice();
        }
        this.follow(outcome.run);
        if (!this.display.running && this.fromOtherTab.size) this.takeWhatWaited();
        return outcome;
    }

    // A run goes on in slices, the page answering between them.
    follow(run) {
        if (run.state !== 'running' && run.state !== 'paused') return;
        clearTimeout(this.runTimer);
        this.runTimer = setTimeout(() => {
            if (this.display?.running) this.perform('Resume');
        }, run.state === 'paused' ? PAUSE_MS : 0);
    }

    showNotice(text, milliseconds) {
        clearTimeout(this.noticeTimer);
        this.face.noticeText.textContent = text;
        this.face.notice.classList.add('shown');
        this.face.stopButton.hidden = !this.display?.running;
        if (milliseconds > 0) this.noticeTimer = setTimeout(() => this.hideNotice(), milliseconds);
    }

    hideNotice() {
        clearTimeout(this.noticeTimer);
        this.face.notice.classList.remove('shown');
        this.face.noticeText.textContent = '';
        this.face.stopButton.hidden = true;
    }

    // What Escape does while a program runs, for a screen with no Escape key.
    stop() {
        if (this.display?.running) this.perform('Interrupt');
    }

    pressKey(code) {
        this.perform('Key', code);
    }

    confirmCopy() {
        if (!this.display?.running) this.showNotice(web('Copied'), CONFIRM_MS);
    }

    // The browser hands a text to another app; a refusal or a change of mind
    // says nothing.
    share(text, title) {
        navigator.share?.({ title, text }).catch(() => {});
    }

    // The browser's clipboard takes what a command copied; where the page may
    // not write it, the older way is tried. `copied` follows a success.
    writeClipboard(text, copied = () => {}) {
        const fallback = () => {
            const field = document.createElement('textarea');
            field.value = text;
            field.setAttribute('readonly', '');
            field.className = 'offscreen';
            document.body.append(field);
            field.select();
            let done = false;
            try {
                done = document.execCommand('copy');
            } catch {
                done = false;
            }
            field.remove();
            if (done) copied();
            else this.showNotice(web('The browser did not let the page copy.'), NOTICE_MS);
        };
        if (navigator.clipboard?.writeText) navigator.clipboard.writeText(text).then(copied, fallback);
        else fallback();
    }

    // Paste and Paste Number read the browser's clipboard; where the browser
    // will not let the page read it, the paste field takes the text.
    async paste(kind) {
        let text = null;
        try {
            if (navigator.clipboard?.readText) text = await navigator.clipboard.readText();
        } catch {
            text = null;
        }
        if (text === null) this.panels.askPaste(kind);
        else this.pasteText(kind, text);
    }

    pasteText(kind, text) {
        if (text === '') this.perform('EmptyClipboard');
        else this.perform('PutText', 0, text);
        this.perform(kind);
    }

    focusedControl() {
        const focused = document.activeElement;
        return Boolean(focused && focused !== this.faceElement && focused.matches('button, a[href], [role="button"]'));
    }

    // Keys that reach the calculator whatever has the focus, except a text
    // field or an open dialog.
    blocked(event) {
        return Boolean(document.querySelector('dialog[open]')) || isTextField(event.target) ||
            isTextField(document.activeElement);
    }

    onKeyDown(event) {
        if (this.blocked(event)) return;
        const id = event.code || `key:${event.key}`;
        const plain = !event.ctrlKey && !event.altKey && !event.metaKey;
        // Shift tapped on its own is the F shift in HEX, where F types a digit.
        this.shiftAlone = event.key === 'Shift' && !event.repeat;
        if ((event.key === 'F10' && !event.shiftKey) || event.key === 'ContextMenu') {
            event.preventDefault();
            this.panels.openMenu();
            return;
        }
        if (event.key === 'F1') {
            event.preventDefault();
            this.panels.openKeys();
            return;
        }
        if ((event.ctrlKey || event.metaKey) && !event.altKey) {
            const key = event.key.toLowerCase();
            if (key === 'k') {
                event.preventDefault();
                if (!event.repeat) this.panels.openFinder();
            } else if (key === 'z' || key === 'y') {
                event.preventDefault();
                if (!event.repeat) this.perform(key === 'y' || event.shiftKey ? 'Redo' : 'Undo');
            } else if (key === 'c' && event.shiftKey) {
                // Copy Exact; a plain Ctrl+C is the browser's copy event.
                event.preventDefault();
                if (!event.repeat) this.perform('CopyExact');
            } else if (key === 'v') {
                // The paste event that follows brings the text.
                this.pasteNumberNext = event.shiftKey;
            }
            return;
        }
        if (plain && (event.key === 'Escape' || event.key === 'Delete' || event.key === 'Del')) {
            event.preventDefault();
            const vk = event.key === 'Escape' ? this.faceData.keyboard.escape : this.faceData.keyboard.delete;
            if (!this.held.has(id)) this.held.set(id, { vk });
            return;
        }
        // Enter and Space activate a control that the keyboard moved to (Tab);
        // elsewhere they are the calculator's ENTER and CHS.
        if ((event.key === 'Enter' || event.key === ' ') && this.focusedControl()) return;
        // What the mode makes of the key comes first (A to F in HEX, the arrows in integer mode).
        const inMode = plain ? this.typedInMode(event.key) : null;
        if (inMode) {
            event.preventDefault();
            if (!event.repeat && !this.held.has(id)) this.held.set(id, { action: inMode });
            return;
        }
        const code = codeOf(this.keyMap, event);
        if (!code) return;
        event.preventDefault();
        if (event.repeat || this.held.has(id)) return;
        this.held.set(id, { code });
        this.face.light(code, true);
    }

    refused() {
        navigator.vibrate?.(20);
        this.faceElement.classList.remove('refused');
        void this.faceElement.offsetWidth;  // restarts the blink
        this.faceElement.classList.add('refused');
    }

    // The session's action for a typed key in the calculator's mode, or null.
    typedInMode(key) {
        if (!this.session) return null;
        const name = key === 'ArrowLeft' ? 'Left' : key === 'ArrowRight' ? 'Right' : key;
        return JSON.parse(this.session.typedInMode(name));
    }

    // A key acts once, on its release, as the key that went down.
    onKeyUp(event) {
        const id = event.code || `key:${event.key}`;
        if (event.key === 'Shift' && this.shiftAlone && !this.blocked(event)) {
            this.shiftAlone = false;
            const lone = this.typedInMode('Shift');
            if (lone) this.perform(lone.kind, lone.code);
            return;
        }
        const held = this.held.get(id);
        if (!held) return;
        this.held.delete(id);
        event.preventDefault();
        if (held.action) {
            this.perform(held.action.kind, held.action.code, '', held.action.argument);
        } else if (held.code) {
            this.face.light(held.code, false);
            this.pressKey(held.code);
        } else {
            this.perform('KeyRelease', held.vk);
        }
    }

    letGoOfKeys() {
        for (const held of this.held.values()) if (held.code) this.face.light(held.code, false);
        this.held.clear();
    }

    keyAt(target) {
        const button = target instanceof Element ? target.closest('button.key') : null;
        return button && this.faceElement.contains(button) ? button : null;
    }

    // A tap lights its key while held, and acts when let go over it.
    onPointerDown(event) {
        if (event.button !== 0 || this.inNotice(event.target)) return;
        const button = this.keyAt(event.target);
        this.pressed.set(event.pointerId, button);
        if (!button) return;
        try {
            button.setPointerCapture(event.pointerId);
        } catch {
            // A pointer the browser no longer tracks: the release finds its key by place.
        }
        this.face.light(Number(button.dataset.code), true);
        if (this.settings.vibrate) navigator.vibrate?.(12);
    }

    onPointerMove(event) {
        const button = this.pressed.get(event.pointerId);
        if (button) this.face.light(Number(button.dataset.code), this.over(button, event));
    }

    inNotice(target) {
        return target instanceof Element && this.face.notice.contains(target);
    }

    onPointerUp(event) {
        if (!this.pressed.has(event.pointerId)) return;
        this.tapClickUntil = performance.now() + CLICK_AFTER_TAP_MS;
        const button = this.pressed.get(event.pointerId);
        this.pressed.delete(event.pointerId);
        if (!button) {
            // A tap beside the keys, as the desktop has it.
            if (!this.keyAt(event.target) && this.faceElement.contains(event.target)) this.pressKey(0);
            return;
        }
        const code = Number(button.dataset.code);
        this.face.light(code, false);
        if (this.over(button, event)) this.pressKey(code);
    }

    onPointerCancel(event) {
        this.tapClickUntil = performance.now() + CLICK_AFTER_TAP_MS;
        const button = this.pressed.get(event.pointerId);
        this.pressed.delete(event.pointerId);
        if (button) this.face.light(Number(button.dataset.code), false);
    }

    over(button, event) {
        const r = button.getBoundingClientRect();
        return event.clientX >= r.left && event.clientX < r.right && event.clientY >= r.top && event.clientY < r.bottom;
    }

    listen() {
        window.addEventListener('keydown', (e) => this.onKeyDown(e), true);
        window.addEventListener('keyup', (e) => this.onKeyUp(e), true);
        window.addEventListener('blur', () => this.letGoOfKeys());
        const face = this.faceElement;
        face.addEventListener('pointerdown', (e) => this.onPointerDown(e));
        // A tap or a click leaves the focus where it was, so that Enter
        // typed next is ENTER, not that key again; Tab still reaches the keys.
        face.addEventListener('mousedown', (e) => {
            if (this.keyAt(e.target)) e.preventDefault();
        });
        face.addEventListener('pointermove', (e) => this.onPointerMove(e));
        face.addEventListener('pointerup', (e) => this.onPointerUp(e));
        face.addEventListener('pointercancel', (e) => this.onPointerCancel(e));
        // A screen reader presses a key with a click and no pointer; the
        // click that ends a tap was already dealt with on release.
        face.addEventListener('click', (e) => {
            const button = this.keyAt(e.target);
            if (button && performance.now() > this.tapClickUntil) this.pressKey(Number(button.dataset.code));
        });
        this.face.stopButton.addEventListener('click', () => this.stop());
        face.addEventListener('contextmenu', (e) => e.preventDefault());
        face.addEventListener('gesturestart', (e) => e.preventDefault());
        face.addEventListener('dblclick', (e) => e.preventDefault());
        document.addEventListener('copy', (e) => this.onClipboardEvent(e, 'Copy'));
        document.addEventListener('cut', (e) => this.onClipboardEvent(e, 'Cut'));
        document.addEventListener('paste', (e) => {
            if (this.blocked(e)) return;
            e.preventDefault();
            const kind = this.pasteNumberNext ? 'PasteNumber' : 'Paste';
            this.pasteNumberNext = false;
            this.pasteText(kind, e.clipboardData?.getData('text/plain') ?? '');
        });
        window.addEventListener('pagehide', () => this.keep());
        // Other tabs of the page share the calculator, its programs and settings.
        window.addEventListener('storage', (e) => {
            if (e.storageArea === localStorage) this.takeFromOtherTab(e.key);
        });
        document.addEventListener('visibilitychange', () => {
            if (document.visibilityState !== 'visible') return;
            this.takeFromOtherTab(STORE.programs);
            this.takeFromOtherTab(STORE.session);
        });
    }

    onClipboardEvent(event, kind) {
        if (this.blocked(event) || String(window.getSelection?.() || '') !== '') return;
        event.preventDefault();
        this.perform(kind, 0, '', 0, { clipboard: event.clipboardData });
    }

    // A new version, once fetched whole, waits until every tab of the old one
    // is closed; the page offers to take it now.
    registerWorker() {
        if (!('serviceWorker' in navigator) || !window.isSecureContext) return;
        const workers = navigator.serviceWorker;
        workers.register('./sw.js').then((registration) => {
            const offer = () => {
                if (registration.waiting && workers.controller) this.offerUpdate(registration.waiting);
            };
            offer();
            registration.addEventListener('updatefound', () => {
                const worker = registration.installing;
                worker?.addEventListener('statechange', () => {
                    if (worker.state === 'installed') offer();
                });
            });
        }).catch(() => {
            // Without it the page still works; it only needs the network.
        });
        workers.addEventListener('controllerchange', () => {
            if (this.updating) location.reload();
        });
    }

    offerUpdate(worker) {
        const bar = document.getElementById('update');
        bar.hidden = false;
        document.getElementById('update-reload').onclick = () => {
            this.keep();
            this.updating = true;
            worker.postMessage('take-over');
        };
    }

    // What another tab stored is the newest: this tab takes it, unless it is
    // what this tab has (or this tab's own last write failed, so that the
    // storage holds an older one). While a program runs here, the run's end
    // takes it.
    takeFromOtherTab(key) {
        if (!this.session || this.failedKeys.has(key)) return;
        if (this.display?.running) {
            this.fromOtherTab.add(key);
            return;
        }
        const stored = read(key);
        if (key === STORE.programs && stored !== null && stored !== this.session.programsText()) {
            this.session.setPrograms(stored);
            this.panels.programsChanged();
        } else if (key === STORE.session && this.settings.keep && stored && stored !== this.session.kept()) {
            if (this.session.restore(stored)) this.repaint();
        } else if (key === STORE.settings) {
            this.settings = readSettings();
            this.applySettings();
            this.panels.retitleKeys();
        }
    }

    takeWhatWaited() {
        const keys = [...this.fromOtherTab];
        this.fromOtherTab.clear();
        for (const key of keys) this.takeFromOtherTab(key);
    }

    // The test hook: a fresh calculator, console tokens, the state and the tape.
    // A session that reads a lone "," or "." in Paste Number as the
    // reader's language writes a decimal separator.
    newSession(seed) {
        const session = new this.Module.Session(seed);
        const decimal = new Intl.NumberFormat(navigator.language || 'en').formatToParts(1.5)
            .find((part) => part.type === 'decimal');
        session.setLocaleDecimal(decimal ? decimal.value : '.');
        return session;
    }

    reset(options = {}) {
        clearTimeout(this.runTimer);
        this.hideNotice();
        this.session?.delete();
        this.session = this.newSession(typeof options.seed === 'number' ? options.seed : null);
        this.face.shown = {};
        this.repaint();
        this.keep();
        this.keepPrograms();
    }

    run(text) {
        const result = JSON.parse(this.session.run(String(text)));
        this.repaint();
        this.keep();
        this.keepPrograms();
        return result;
    }
}

const app = new App();
let markReady;
const ready = new Promise((resolve) => { markReady = resolve; });
window.tabrix = {
    ready,
    reset: (options) => app.reset(options),
    run: (text) => app.run(text),
    // What Find Function performs for a box that names a function ("sto+:3").
    find: (typed) => app.panels.chooseFunction(String(typed), 0),
    state: () => JSON.parse(app.session.state()),
    tape: () => app.session.tapeSaved(),
    programs: () => app.session.programs(),
};
app.start().then(() => {
    document.documentElement.dataset.ready = 'true';
    markReady();
}, (error) => {
    console.error(error);
    const face = document.getElementById('face');
    const note = document.createElement('p');
    note.className = 'failure';
    note.setAttribute('role', 'alert');
    note.textContent = web('The calculator could not start: %1', error?.message || String(error));
    face.append(note);
});
