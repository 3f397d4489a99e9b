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

// A marked text of the session's (a tape line's label, a key's help, a
// problem): literal text, and sentences marked as \x01 context \x1F
// template (\x1E value)* \x03, each value a marked text itself. Each
// sentence is translated by its context and template, never by its words.
const OPEN = '\x01', TEXT = '\x1f', VALUE = '\x1e', CLOSE = '\x03';

function renderSentence(inside) {
    const textStart = inside.indexOf(TEXT);
    if (textStart < 0) return render(inside);
    const context = inside.slice(0, textStart);
    const parts = [];
    let depth = 0, from = textStart + 1;
    for (let i = from; i < inside.length; ++i) {
        const c = inside[i];
        if (c === OPEN) ++depth;
        else if (c === CLOSE) --depth;
        else if (c === VALUE && depth === 0) {
            parts.push(inside.slice(from, i));
            from = i + 1;
        }
    }
    parts.push(inside.slice(from));
    const [english, ...values] = parts;
    return fillIn(tr(context, english), values.map(render));
}

export function render(marked) {
    let out = '';
    let i = 0;
    while (i < marked.length) {
        const open = marked.indexOf(OPEN, i);
        if (open < 0) return out + marked.slice(i);
        out += marked.slice(i, open);
        let depth = 0, close = marked.length;
        for (let j = open; j < marked.length; ++j) {
            if (marked[j] === OPEN) ++depth;
            else if (marked[j] === CLOSE && --depth === 0) {
                close = j;
                break;
            }
        }
        out += renderSentence(marked.slice(open + 1, close));
        i = close + 1;
    }
    return out;
}

// Sentences of a notice, [{context, text, values}], as one text; a value
// may be a marked text.
export function sentences(list) {
    return list.map((s) => fillIn(tr(s.context, s.text), (s.values || []).map(render))).join(' ');
}

// The page's own texts (listed for the translators in web/page_texts.cpp).
export function web(text, ...values) {
    return fillIn(tr('Web', text), values);
}
