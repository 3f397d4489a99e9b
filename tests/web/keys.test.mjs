// Keys pressed by mouse, by touch and by keyboard leave the page in the state
// tabrix-cli reaches with the same keys: random sequences from the face's
// keys, one fixed seed each (a failure names its seed and its tokens, which
// tabrix-cli replays as they stand).
import assert from 'node:assert/strict';
import { after, before, test } from 'node:test';
import {
  cliState, desktop, differences, face, launch, open, pageRun, pageState, phone, random, same, serve, usesTranscendental,
} from './helpers.mjs';

let server, browser;
before(async () => { [server, browser] = await Promise.all([serve(), launch()]); });
after(async () => { await browser?.close(); await server?.close(); });

const ABOUT = 19;  // unshifted it opens the About box, not a calculator key
const weight = { digit: 3, function: 1.5, shift: 1.5 };
const pool = face.keys.flatMap((key) => Array(Math.round((weight[key.family] ?? 1) * 2)).fill(key.code));

// The keyboard's keys as Playwright names them, with the key code each means.
// Playwright's keypad digits and point are those of NumLock off (arrows,
// Delete): those go to Chromium as NumLock on sends them.
const keypadName = { '+': 'NumpadAdd', '-': 'NumpadSubtract', '*': 'NumpadMultiply', '/': 'NumpadDivide', Enter: 'NumpadEnter' };
const numLock = (key) => ({ key, code: key === '.' ? 'NumpadDecimal' : `Numpad${key}`, location: 3, text: key,
  windowsVirtualKeyCode: key === '.' ? 110 : 96 + Number(key) });
const mainName = { Return: 'Enter', Enter: 'Enter', '.': 'Period', Space: 'Space', Backspace: 'Backspace', F: 'f', E: 'e' };
const keyboard = face.keyboard.standard
  // ? opens About (as its key does unshifted), which takes the keyboard.
  .filter((entry) => entry.key !== ',' && entry.key !== '?')
  .map((entry) => ({
    name: entry.keypad ? (keypadName[entry.key] ?? `Numpad ${entry.key}`) : (mainName[entry.key] ?? entry.key),
    numLock: entry.keypad && !keypadName[entry.key] ? numLock(entry.key) : undefined,
    code: entry.code,
  }));
keyboard.push({ name: 'Escape', token: 'vk:0x1B' }, { name: 'Delete', token: 'vk:0x2E' });

async function centres(page) {
  return page.evaluate(() => Object.fromEntries([...document.querySelectorAll('button[data-code]')].map((button) => {
    const box = button.getBoundingClientRect();
    return [button.dataset.code, [box.x + box.width / 2, box.y + box.height / 2]];
  })));
}

// One random sequence on the page; the tokens tabrix-cli needs for the same.
async function play(page, kind, seed, at) {
  const next = random(seed);
  const length = 6 + next.int(14);
  const tokens = [];
  const codes = [];
  await page.evaluate((s) => window.tabrix.reset({ seed: s }), seed);
  for (let i = 0; i < length; ++i) {
    const byKeyboard = kind === 'keyboard' || (kind === 'mixed' && next() < 0.5);
    if (byKeyboard) {
      const key = next() < 0.04 ? next.pick(keyboard.slice(-2)) : next.pick(keyboard.slice(0, -2));
      if (key.numLock) {
        for (const type of ['keyDown', 'keyUp']) await page.cdp.send('Input.dispatchKeyEvent', { type, ...key.numLock });
      } else {
        await page.keyboard.press(key.name);
      }
      tokens.push(key.token ?? `#${key.code}`);
      if (key.code) codes.push(key.code);
      continue;
    }
    const code = next.pick(pool);
    if (code === ABOUT && !(await pageState(page)).m_bShift) continue;
    const [x, y] = at[code];
    if (kind === 'touch') await page.touchscreen.tap(x, y);
    else await page.mouse.click(x, y);
    tokens.push(`#${code}`);
    codes.push(code);
  }
  return { tokens, codes };
}

const runs = [
  { kind: 'mouse', count: 70, first: 1000, context: desktop },
  { kind: 'touch', count: 70, first: 2000, context: phone },
  { kind: 'keyboard', count: 70, first: 3000, context: desktop },
  { kind: 'mixed', count: 30, first: 4000, context: desktop },
];

for (const { kind, count, first, context } of runs) {
  test(`${count} sequences by ${kind} reach tabrix-cli's state`, async () => {
    const page = await open(browser, server.url, context);
    const at = await centres(page);
    page.cdp = await page.context().newCDPSession(page);
    assert.equal(Object.keys(at).length, face.keys.length, 'one button per key');
    const failures = [];
    for (let seed = first; seed < first + count; ++seed) {
      const { tokens, codes } = await play(page, kind, seed, at);
      const found = differences(await pageState(page), cliState(tokens, seed), usesTranscendental(codes));
      if (found.length > 0) failures.push(`seed ${seed}: tabrix-cli --json --seed ${seed} ${tokens.join(' ')}\n    ${found.slice(0, 6).join('\n    ')}`);
    }
    assert.deepEqual(page.errors, []);
    await page.context().close();
    assert.equal(failures.length, 0, `${failures.length} of ${count} sequences differ:\n  ${failures.slice(0, 8).join('\n  ')}`);
  });
}

// A key acts when let go over the key it was pressed on, and not otherwise.
const drags = [
  { name: 'released on another key', path: [9, 10], tokens: [] },
  { name: 'dragged off and back', path: [9, 10, 9], tokens: ['#9'], mouseOnly: true },
  { name: 'released beside the face', path: [16, 'beside'], tokens: [] },
  { name: 'pressed beside the face, released on a key', path: ['beside', 16], tokens: [] },
];
for (const [kind, context] of [['mouse', desktop], ['touch', phone]]) {
  test(`by ${kind}, a key acts only when released over the key it was pressed on`, async () => {
    const page = await open(browser, server.url, context);
    const at = await centres(page);
    at.beside = [2, context.viewport.height - 2];
    const cdp = await page.context().newCDPSession(page);
    const touch = (type, [x, y]) => cdp.send('Input.dispatchTouchEvent', { type, touchPoints: type === 'touchEnd' ? [] : [{ x, y }] });
    for (const { name, path, tokens, mouseOnly } of drags) {
      if (mouseOnly && kind === 'touch') continue;
      await pageRun(page, '1 ENTER 2');
      const points = path.map((p) => at[p]);
      if (kind === 'mouse') {
        await page.mouse.move(...points[0]);
        await page.mouse.down();
        for (const point of points.slice(1)) await page.mouse.move(...point, { steps: 4 });
        await page.mouse.up();
      } else {
        await touch('touchStart', points[0]);
        for (const point of points.slice(1)) await touch('touchMove', point);
        await touch('touchEnd', points.at(-1));
      }
      same(await pageState(page), cliState(['1', 'ENTER', '2', ...tokens]), name);
    }
    await page.context().close();
  });
}

test('keys typed while the menu is open stay out of the calculator', async () => {
  const page = await open(browser, server.url, desktop);
  await pageRun(page, '7 ENTER 8');
  await page.locator('#menu-button').click();
  for (const key of ['5', 'Backspace', 'Delete', 'Escape']) await page.keyboard.press(key);
  await page.keyboard.press('2');
  same(await pageState(page), cliState(['7', 'ENTER', '8', '2']));
  await page.context().close();
});
