// The page's words in the reader's language: the desktop's translations
// (i18n/LANG.json, {context: {English: translated}}), looked up by the same
// context and English text the desktop uses. A text with no translation
// shows in English.

export const LANGUAGES = ['en', 'de', 'fr', 'es'];

let table = {};
let language = 'en';

// The first of the reader's languages that the calculator speaks; ?lang=xx
// chooses one outright.
export function chooseLanguage(preferred, query) {
    const asked = new URLSearchParams(query || '').get('lang');
    for (const tag of [asked, ...(preferred || [])]) {
        const primary = String(tag || '').toLowerCase().split(/[-_]/)[0];
        if (LANGUAGES.includes(primary)) return primary;
    }
    return 'en';
}

export async function loadLanguage(lang) {
    language = lang;
    table = {};
    if (lang === 'en') return;
    try {
        const response = await fetch(`i18n/${lang}.json`);
        if (response.ok) table = await response.json();
    } catch {
        // Offline without the file: English rather than no page.
    }
}

export function currentLanguage() {
    return language;
}

// Qt's menu texts mark their mnemonic with "&" ("&&" is an ampersand); the
// page has no mnemonics.
export function stripMnemonic(text) {
    return text.replace(/&(&?)/g, '$1');
}

export function tr(context, text) {
    const translated = table[context]?.[text];
    return translated ? translated : text;
}

// A menu or button text: translated, without its mnemonic.
export function label(context, text) {
    return stripMnemonic(tr(context, text));
}

// %1, %2 … replaced in one pass, so that a "%2" inside a value stays.
export function fillIn(text, values) {
    return text.replace(/%(\d)/g, (whole, n) => {
        const value = values[Number(n) - 1];
        return value === undefined ? whole : String(value);
    });
}

// Sentences of a notice or a problem, [{context, text, values}], as one text.
export function sentences(list) {
    return list.map((s) => fillIn(tr(s.context, s.text), s.values || [])).join(' ');
}

// The page's own texts (listed for the translators in web/page_texts.cpp).
export function web(text, ...values) {
    return fillIn(tr('Web', text), values);
}

// The names of commands and of Delete and Escape in a tape line's label,
// longest first; the keys' labels are symbols and stay as they are. A line
// holds one command at most.
const TAPE_WORDS = [
    'Paste Number', 'Reset State', 'Load State', 'Copy Exact', 'Paste', 'Copy', 'Cut', 'Undo', 'Redo', 'New',
    'Del', 'Esc', 'Start', 'Program', 'Run', 'Continue', 'Step', 'Stopped at step',
];

export function tapeLabel(text) {
    const padded = ` ${text} `;
    for (const word of TAPE_WORDS) {
        const at = padded.indexOf(` ${word} `);
        if (at < 0) continue;
        return text.slice(0, at) + tr('Tape', word) + text.slice(at + word.length);
    }
    return text;
}
