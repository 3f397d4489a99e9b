// Integer mode on the page: the face's top row types A to F by touch in HEX,
// the keyboard's letters type digits and a lone Shift is the shift, the
// Bits dialog toggles a bit, and a 64-bit word comes back whole after a
// reload; each the console's.
import assert from 'node:assert/strict';
import { after, before, test } from 'node:test';
import { cliState, desktop, launch, open, pageRun, pageState, phone, ready, same, serve } from './helpers.mjs';

let server, browser;
before(async () => { [server, browser] = await Promise.all([serve(), launch()]); });
after(async () => { await browser?.close(); await server?.close(); });

const labels = (page) => page.evaluate(() =>
  [1, 2, 3, 4, 5, 6].map((code) => document.querySelector(`button[data-code="${code}"] .label`).textContent));

test('on a phone in HEX the top row shows and types A to F, and a tap in Bits toggles a bit', async () => {
  const page = await open(browser, server.url, phone);
  assert.deepEqual(await labels(page), ['eˣ', '10ˣ', 'SIN', 'COS', 'TAN', '1/x']);
  await pageRun(page, 'hex');
  assert.deepEqual(await labels(page), ['A', 'B', 'C', 'D', 'E', 'F']);
  for (const code of [1, 6, 20]) await page.locator(`button[data-code="${code}"]`).tap();  // A F ENTER
  if (process.env.TABRIX_SHOTS) await page.screenshot({ path: `${process.env.TABRIX_SHOTS}/web-hex.png` });
  assert.equal((await pageState(page)).m_integer.words[0], String(0xAF));

  await page.locator('#menu-button').tap();
  await page.locator('#menu').getByRole('button', { name: 'Bits', exact: true }).tap();
  const dialog = page.locator('#bits-dialog');
  await dialog.waitFor({ state: 'visible' });
  assert.match(await page.locator('#bits-summary').textContent(), /x = AF h: 6 of 64 bits set/);
  await dialog.locator('button.bit[data-position="0"]').tap();
  assert.equal(await dialog.locator('button.bit[data-position="0"]').getAttribute('aria-pressed'), 'false');
  if (process.env.TABRIX_SHOTS) await page.screenshot({ path: `${process.env.TABRIX_SHOTS}/web-bits.png` });
  same(await pageState(page), cliState(['hex', 'xA', 'xF', 'ENTER', 'flip:0']), 'digits by taps and a bit toggled');
  assert.deepEqual(page.errors, []);
  await page.context().close();
});

test('on a keyboard in HEX, F and E type digits, a lone Shift is the shift, and the arrows move the window', async () => {
  const page = await open(browser, server.url, desktop);
  await pageRun(page, 'hex');
  await page.keyboard.press('f');
  await page.keyboard.press('E');
  await page.keyboard.press('Enter');
  assert.equal((await pageState(page)).m_integer.words[0], String(0xFE));
  await page.keyboard.press('Shift');
  assert.equal((await pageState(page)).m_bShift, true, 'Shift alone is the F shift in HEX');
  await page.keyboard.press('Shift');
  await pageRun(page, 'bin maskr:40');
  assert.equal((await pageState(page)).m_strDisplay, '< 11111111 b');
  await page.keyboard.press('ArrowLeft');
  assert.equal((await pageState(page)).m_strDisplay, '< 11111111>b');
  assert.deepEqual(page.errors, []);
  await page.context().close();
});

test('a 64-bit unsigned word is exact on the page and after a reload', async () => {
  const page = await open(browser, server.url, desktop);
  await pageRun(page, 'ws:64 unsigned dec 0xFFFFFFFFFFFFFFFF');
  const shown = await pageState(page);
  assert.equal(shown.m_integer.words[0], '18446744073709551615');
  assert.equal(shown.m_strDisplay, '<709551615 d');
  same(shown, cliState(['ws:64', 'unsigned', 'dec', '0xFFFFFFFFFFFFFFFF']), 'the console gives the same word');
  await page.reload();
  await ready(page);
  assert.equal((await pageState(page)).m_integer.words[0], '18446744073709551615', 'kept whole');
  await page.context().close();
});
