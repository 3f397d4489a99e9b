// Keyboard keys to calculator keys. The maps come from face.json, with the
// keys named as the desktop's settings name them ("7", "Return", "Backspace")
// and whether they sit on the numeric keypad; a KeyboardEvent is turned into
// those names here.

const KEYPAD = 3; // KeyboardEvent.DOM_KEY_LOCATION_NUMPAD

// The desktop's names for what a KeyboardEvent says, most likely first.
export function keyNames(event) {
    const keypad = event.location === KEYPAD;
    const key = event.key;
    if (key === 'Enter') return keypad ? [{ key: 'Enter', keypad }] : [{ key: 'Return', keypad }, { key: 'Enter', keypad }];
    if (key === ' ' || key === 'Spacebar') return [{ key: 'Space', keypad }];
    if (key === 'Backspace') return [{ key, keypad }];
    if (key === 'Decimal') return [{ key: '.', keypad: true }];
    if (key.length === 1) return [{ key: /^[a-z]$/.test(key) ? key.toUpperCase() : key, keypad }];
    return [];
}

function entry(key, keypad) {
    return `${key}\u0000${keypad ? 1 : 0}`;
}

// name+keypad → key code, for the standard map or the laptop map (the
// standard one with the main keyboard's = for ENTER).
export function buildKeyMap(keyboard, laptop) {
    const map = new Map();
    const list = laptop ? [...keyboard.standard, ...keyboard.laptopExtra] : keyboard.standard;
    for (const { code, key, keypad } of list) {
        if (!map.has(entry(key, keypad))) map.set(entry(key, keypad), code);
    }
    return map;
}

// Characters that a key never types as a digit.
const NOT_DIGITS = '+-*/=.,';

// The calculator key a keyboard event presses, or 0. Where a layout types
// no digit on a top-row key without Shift (é on a French 2), the key's place
// stands for its digit, as the desktop reads the scan code; a key typed
// with Shift or one that types an operator never does (a US Shift+5 is %,
// not 5).
export function codeOf(map, event) {
    if (event.ctrlKey || event.altKey || event.metaKey || event.isComposing) return 0;
    for (const { key, keypad } of keyNames(event)) {
        const code = map.get(entry(key, keypad));
        if (code) return code;
    }
    const place = /^Digit([0-9])$/.exec(event.code || '');
    if (!place || event.location === KEYPAD || event.shiftKey || NOT_DIGITS.includes(event.key)) return 0;
    return map.get(entry(place[1], false)) || 0;
}

// The keyboard keys of each calculator key, for the help: {code: [{key, keypad}]}.
export function keysByCode(keyboard, laptop) {
    const byCode = new Map();
    const list = laptop ? [...keyboard.standard, ...keyboard.laptopExtra] : keyboard.standard;
    for (const k of list) {
        if (!byCode.has(k.code)) byCode.set(k.code, []);
        byCode.get(k.code).push(k);
    }
    return byCode;
}
