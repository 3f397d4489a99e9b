// The page as people use it every day: a runaway program stopped by touch,
// taps made while the engine loads, the keyboard of a laptop (US and French
// layouts, Enter and Space on a focused control, Copy Exact), the ? key
// by touch, forced colours, Copied and Share.
import assert from 'node:assert/strict';
import { after, before, test } from 'node:test';
import { click, desktop, face, keyCodes, launch, menu, open, pageRun, pageState, phone, random, ready, serve } from './helpers.mjs';

let server, browser;
before(async () => { [server, browser] = await Promise.all([serve(), launch()]); });
after(async () => { await browser?.close(); await server?.close(); });

const key = (page, code) => page.locator(`button[data-code="${code}"]`);
const sleep = (ms) => new Promise((done) => setTimeout(done, ms));

async function makeProgram(page, name, steps, tap = false) {
  const press = (locator) => (tap ? locator.tap() : locator.click());
  await press(page.locator('#menu-button'));
  await press(page.getByRole('button', { name: 'Programs', exact: true }));
  await page.locator('#program-name').fill(name);
  await press(page.locator('#program-new'));
  await page.locator('#program-steps').fill(steps);
  await press(page.locator('#programs-dialog button.close'));
}

test('on a phone, a runaway program stops by the notice\'s Stop or the Menu\'s, and Undo takes the run back', async () => {
  const page = await open(browser, server.url, phone);
  await makeProgram(page, 'forever', 'lbl:a 1 + gto:a', true);
  for (const how of ['notice', 'menu']) {
    await page.evaluate(() => window.tabrix.run('CLR 7'));  // the programs stay
    await page.locator('#menu-button').tap();
    await page.getByRole('button', { name: 'Programs', exact: true }).tap();
    await page.locator('#program-run').tap();
    const stop = page.locator('#notice .notice-stop');
    await stop.waitFor({ state: 'visible' });
    await key(page, keyCodes('5')[0]).tap();   // refused while it runs, without a word
    if (how === 'notice') {
      await stop.tap();
    } else {
      await page.locator('#menu-button').tap();
      await page.locator('#menu').getByRole('button', { name: 'Stop', exact: true }).tap();
    }
    await stop.waitFor({ state: 'hidden' });
    assert.match(await page.locator('#notice').textContent(), /Stopped at step/, how);
    assert.equal(await page.getByRole('button', { name: 'Stop', exact: true }).count(), 0, 'no Stop once stopped');
    const stopped = await pageState(page);
    assert.ok(stopped.m_dX > 7 && Number.isInteger(stopped.m_dX), `${how}: the run counted from 7 to ${stopped.m_dX}`);
    await key(page, keyCodes('5')[0]).tap();
    assert.match((await pageState(page)).m_strDisplay, /5/, `${how}: the keys answer again`);
    await page.keyboard.press('Control+Z');
    await page.keyboard.press('Control+Z');
    assert.equal((await pageState(page)).m_strDisplay.trim(), '7', `${how}: Undo takes the run back to the 7 typed`);
  }
  assert.deepEqual(page.errors, []);
  await page.context().close();
});

test('on a phone, a tap on a tape line above the keys puts its value into X, one step for Undo', async () => {
  const page = await open(browser, server.url, phone);
  await pageRun(page, '1 . 5 ENTER 2 +');
  const rows = page.locator('#side-tape-lines button');
  assert.match(await rows.first().textContent(), /1\.5/);
  await rows.first().tap();
  let state = await pageState(page);
  assert.equal(state.m_dX, 1.5);
  assert.equal(state.m_dY, 0, 'it replaced X, as a paste does');
  await page.keyboard.press('Control+Z');
  state = await pageState(page);
  assert.equal(state.m_dX, 3.5);
  assert.match(await page.locator('#side-stack').textContent(), /3\.500000 00/);
  await page.context().close();
});

test('the tape beside the face is always the tape\'s last lines, through keys, Undo and Clear Tape', async () => {
  const page = await open(browser, server.url, desktop);
  const codes = face.keys.map((k) => k.code).filter((c) => c !== 19);
  const side = () => page.locator('#side-tape-lines li').evaluateAll((rows) => rows.map((r) => r.innerText.replace(/\s+/g, ' ').trim()));
  const whole = async () => {
    await menu(page, 'Tape');
    const lines = await page.locator('#tape-lines li').evaluateAll((rows) => rows.map((r) => r.innerText.replace(/\s+/g, ' ').trim()));
    await page.keyboard.press('Escape');
    return lines;
  };
  for (const seed of [1, 2, 3]) {
    const next = random(seed);
    await pageRun(page, '');
    for (let i = 0; i < 90; ++i) {
      const roll = next();
      if (roll < 0.08) await page.keyboard.press('Control+Z');
      else if (roll < 0.1) { await menu(page, 'Tape'); await page.locator('#tape-clear').click(); await page.keyboard.press('Escape'); }
      else await page.locator(`button[data-code="${next.pick(codes)}"]`).click();
      if (i % 30 === 29) {
        const all = await whole();
        assert.deepEqual(await side(), all.slice(-60), `seed ${seed}, step ${i}`);
      }
    }
  }
  await page.context().close();
});

test('keys tapped while the engine loads are played once it is there', async () => {
  const context = await browser.newContext({ ...phone, serviceWorkers: 'block' });
  const page = await context.newPage();
  await page.route('**/tabrix.js', async (route) => { await sleep(1500); await route.continue(); });
  await page.goto(server.url);
  await key(page, 1).waitFor();
  assert.notEqual(await page.evaluate(() => document.documentElement.dataset.ready), 'true', 'still loading');
  for (const code of keyCodes('1 2 ENTER 3 +')) await key(page, code).tap();
  await ready(page);
  const state = await pageState(page);
  assert.equal(state.m_dX, 15);
  await context.close();
});

// A key as a layout types it: its character, the physical key, Shift.
async function typeOn(page, { key, code, shift = false }) {
  for (const type of ['keyDown', 'keyUp']) {
    const text = key === 'Enter' ? '\r' : key;
    await page.cdp.send('Input.dispatchKeyEvent', { type: type === 'keyDown' ? 'keyDown' : 'keyUp', key, code,
      text: type === 'keyDown' ? text : undefined,
      modifiers: shift ? 8 : 0, windowsVirtualKeyCode: key.toUpperCase().charCodeAt(0) });
  }
}

test('operators typed on the main keyboard of any layout are operators, never the digit under them', async () => {
  const page = await open(browser, server.url, desktop);
  page.cdp = await page.context().newCDPSession(page);
  const us = (key, digit) => ({ key, code: `Digit${digit}`, shift: true });
  const cases = [
    ['6 Enter 7 *', [{ key: '6', code: 'Digit6' }, { key: 'Enter', code: 'Enter' }, { key: '7', code: 'Digit7' }, us('*', 8)], 42],
    ['Shift+5 (%) and Shift+9 (() press nothing', [{ key: '4', code: 'Digit4' }, us('%', 5), us('(', 9),
      { key: 'Enter', code: 'Enter' }], 4],
    ['+ and - on the main keyboard', [{ key: '9', code: 'Digit9' }, { key: 'Enter', code: 'Enter' }, { key: '2', code: 'Digit2' },
      { key: '+', code: 'Equal', shift: true }, { key: '4', code: 'Digit4' }, { key: '-', code: 'Minus' }], 7],
    ['French: é is 2, - on the 6 is minus', [{ key: '&', code: 'Digit1' }, { key: 'Enter', code: 'Enter' },
      { key: 'é', code: 'Digit2' }, { key: '-', code: 'Digit6' }], -1],
    ['German: Shift+7 is /', [{ key: '8', code: 'Digit8' }, { key: 'Enter', code: 'Enter' }, { key: '2', code: 'Digit2' },
      { key: '/', code: 'Digit7', shift: true }], 4],
    ['Q is the square root, W swaps', [{ key: '9', code: 'Digit9' }, { key: 'q', code: 'KeyQ' }, { key: '5', code: 'Digit5' },
      { key: 'w', code: 'KeyW' }], 3],
  ];
  for (const [what, keys, x] of cases) {
    await pageRun(page, '');
    for (const k of keys) await typeOn(page, k);
    assert.equal((await pageState(page)).m_dX, x, what);
  }
  // The keys' help names the new keys.
  assert.match(await key(page, 3).getAttribute('title'), /\bS\b/);
  await page.context().close();
});

test('Enter and Space work a control the keyboard moved to; after a click they are ENTER and CHS again', async () => {
  const page = await open(browser, server.url, desktop);
  const order = await page.evaluate(() => {
    const first = document.querySelector('button.key');
    return Boolean(first.compareDocumentPosition(document.getElementById('menu-button')) & Node.DOCUMENT_POSITION_FOLLOWING);
  });
  assert.ok(order, 'Tab reaches the face before the menu');
  await page.keyboard.press('Tab');
  assert.equal(await page.evaluate(() => document.activeElement.dataset.code), '1', 'the first Tab reaches the first key');

  await pageRun(page, '3');
  await key(page, keyCodes('7')[0]).focus();
  await page.keyboard.press('Space');
  assert.equal((await pageState(page)).m_strDisplay.trim(), '37', 'Space pressed the focused 7, not CHS');
  await page.locator('#menu-button').focus();
  await page.keyboard.press('Enter');
  await page.locator('#menu').waitFor({ state: 'visible' });
  await page.keyboard.press('Escape');
  assert.equal((await pageState(page)).m_dY, 0, 'Enter opened the menu and pressed no ENTER');

  await pageRun(page, '');
  await click(page, '4');
  await page.keyboard.press('Enter');
  await page.keyboard.press('Space');
  const state = await pageState(page);
  assert.equal(state.m_dY, 4, 'after a click Enter is ENTER');
  assert.equal(state.m_dX, -4, 'and Space is CHS');
  await page.context().close();
});

test('Ctrl+Shift+C is Copy Exact and says Copied; Share X hands the same text to the browser', async () => {
  const context = await browser.newContext({ ...desktop, serviceWorkers: 'block', permissions: ['clipboard-read', 'clipboard-write'] });
  await context.addInitScript(() => {
    navigator.share = (data) => { window.shared = data; return Promise.resolve(); };
  });
  const page = await context.newPage();
  await page.goto(server.url);
  await ready(page);
  await pageRun(page, '2 SQRT');
  await page.keyboard.press('Control+Shift+C');
  await page.waitForFunction(() => document.querySelector('#notice > span').textContent === 'Copied');
  assert.equal(await page.evaluate(() => navigator.clipboard.readText()), '1.4142135623730951');
  await menu(page, 'Copy');
  await page.waitForFunction(() => navigator.clipboard.readText().then((t) => t !== '1.4142135623730951'));
  await menu(page, 'Share X');
  assert.equal((await page.evaluate(() => window.shared)).text, await page.evaluate(() => navigator.clipboard.readText()));
  await menu(page, 'Tape');
  await page.locator('#tape-share').click();
  assert.match((await page.evaluate(() => window.shared)).text, /SQRT/);
  await page.locator('#tape-copy').click();
  await page.waitForFunction(() => document.getElementById('tape-copy').textContent === 'Copied');
  await context.close();
});

test('the ? key by touch keeps About open; a later tap beside it closes it', async () => {
  const page = await open(browser, server.url, phone);
  await key(page, 19).tap();
  const about = page.locator('#about-dialog');
  await about.waitFor({ state: 'visible' });
  await sleep(700);
  assert.equal(await about.isVisible(), true, 'the tap\'s trailing click did not close it');
  await page.touchscreen.tap(8, 630);
  await about.waitFor({ state: 'hidden' });
  await page.context().close();
});

test('in forced colours the menu icon keeps its lines', async () => {
  const page = await open(browser, server.url, desktop);
  await page.emulateMedia({ forcedColors: 'active' });
  const icon = await page.locator('.menu-icon').evaluate((e) => {
    const style = getComputedStyle(e);
    return { background: style.backgroundColor, shadow: style.boxShadow };
  });
  assert.notEqual(icon.background, 'rgba(0, 0, 0, 0)');
  assert.notEqual(icon.shadow, 'none');
  await page.context().close();
});

// WCAG's contrast ratio of two sRGB colours given as [r, g, b].
function contrast(a, b) {
  const lum = ([r, g, bl]) => {
    const c = [r, g, bl].map((v) => { const s = v / 255; return s <= 0.03928 ? s / 12.92 : ((s + 0.055) / 1.055) ** 2.4; });
    return 0.2126 * c[0] + 0.7152 * c[1] + 0.0722 * c[2];
  };
  const [x, y] = [lum(a), lum(b)].sort((p, q) => q - p);
  return (x + 0.05) / (y + 0.05);
}

test('Settings > High-Contrast LCD darkens the stack lines past 7:1, and the printed grey is the default', async () => {
  const page = await open(browser, server.url, phone);
  const fill = () => page.locator('.lcd-stack').evaluate((e) => getComputedStyle(e).fill.match(/\d+/g).map(Number));
  assert.deepEqual(await fill(), face.colors.lcdStack);
  assert.ok(contrast(face.colors.lcdStack, face.colors.lcd) < 4.5, 'the printed picture is the faint one');
  await page.locator('#menu-button').tap();
  await page.getByRole('button', { name: 'Settings', exact: true }).tap();
  await page.locator('#setting-contrast').tap();
  await page.keyboard.press('Escape');
  assert.ok(contrast(await fill(), face.colors.lcd) >= 7, `contrast ${contrast(await fill(), face.colors.lcd)}`);
  await page.reload();
  await ready(page);
  assert.ok(contrast(await fill(), face.colors.lcd) >= 7, 'kept after a reload');
  await page.context().close();
});
