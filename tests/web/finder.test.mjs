// Find Function on the page as people reach it: on a phone by touch alone
// (the menu, a few letters, a tapped row), on a laptop by Ctrl+K, Return and
// the arrows, a register asked for, the last used shared by two tabs, and
// the words of the reader's language; and the program editor's completions.
import assert from 'node:assert/strict';
import { after, before, test } from 'node:test';
import { desktop, launch, open, pageState, phone, serve } from './helpers.mjs';

let server, browser;
before(async () => { [server, browser] = await Promise.all([serve(), launch()]); });
after(async () => { await browser?.close(); await server?.close(); });

const rows = (page) => page.locator('#finder-matches [role="option"]');

test('on a phone, the menu, a few letters and a tapped row perform a function', async () => {
  const page = await open(browser, server.url, phone);
  await page.locator('button[data-code="22"]').tap(); // 2
  await page.locator('#menu-button').tap();
  await page.getByRole('button', { name: 'Find Function…', exact: true }).tap();
  const field = page.locator('#finder-field');
  assert.ok(await field.evaluate((e) => e === document.activeElement), 'the box has the keyboard');
  await page.keyboard.type('hyperbolic tan');
  const tanh = rows(page).filter({ hasText: /^TANH / });
  // A finger's row, the whole dialog inside the phone's width.
  const box = await tanh.boundingBox();
  assert.ok(box.height >= 40, `a row ${box.height} high`);
  const dialog = await page.locator('#finder-dialog').boundingBox();
  assert.ok(dialog.x >= 0 && dialog.x + dialog.width <= 360, `the dialog at ${dialog.x}, ${dialog.width} wide`);
  await tanh.tap();
  assert.equal(await page.locator('#finder-dialog').isVisible(), false);
  const state = await pageState(page);
  assert.equal(state.m_dX, Math.tanh(2));
  assert.equal(state.m_dLastX, 2);
  assert.deepEqual(page.errors, []);
  await page.context().close();
});

test('Ctrl+K, a register asked for, the arrows and Return; the last used come first in another tab', async () => {
  const page = await open(browser, server.url, desktop);
  await page.evaluate(() => window.tabrix.run('5'));
  await page.keyboard.press('Control+K');
  const field = page.locator('#finder-field');
  await field.waitFor();
  await page.keyboard.type('sto+');
  await page.keyboard.press('Enter');
  assert.equal(await field.inputValue(), 'sto+:');
  assert.match(await page.locator('#finder-hint').textContent(), /STO\+ takes a register/);
  await page.keyboard.type('3');
  await page.keyboard.press('Enter');
  assert.equal((await pageState(page)).m_dReg[3], 5);
  assert.equal(await page.locator('#finder-dialog').isVisible(), false);

  // Up and Down move the highlight, the box keeping the keyboard; Return takes the highlighted row.
  await page.keyboard.press('Control+K');
  await page.keyboard.type('frac');
  await page.keyboard.press('ArrowDown');
  await page.keyboard.press('ArrowUp');
  assert.equal(await field.getAttribute('aria-activedescendant'), await rows(page).first().getAttribute('id'));
  await page.keyboard.press('Enter');
  assert.equal((await pageState(page)).m_dX, 0, 'FRAC of 5');

  // Nothing matches: said, and Return does nothing.
  await page.keyboard.press('Control+K');
  await page.keyboard.type('qqqq');
  assert.equal(await rows(page).count(), 0);
  assert.equal(await page.locator('#finder-hint').textContent(), 'No function matches.');
  await page.keyboard.press('Enter');
  assert.equal(await page.locator('#finder-dialog').isVisible(), true);
  await page.keyboard.press('Escape');

  const other = await page.context().newPage();
  await other.goto(server.url);
  await other.waitForFunction(() => document.documentElement.dataset.ready === 'true');
  await other.keyboard.press('Control+K');
  const first = await rows(other).allTextContents();
  assert.match(first[0], /^FRAC /, 'the last used first');
  assert.match(first[1], /^STO\+ /);
  assert.deepEqual([...page.errors, ...(other.errors ?? [])], []);
  await page.context().close();
});

test('the reader\'s language finds its own words and shows them', async () => {
  const page = await open(browser, server.url, { ...desktop, locale: 'de-DE' });
  await page.evaluate(() => window.tabrix.run('-4'));
  await page.getByRole('button', { name: 'Menü' }).click();
  await page.getByRole('button', { name: 'Funktion suchen…', exact: true }).click();
  await page.keyboard.type('betrag');
  assert.equal(await rows(page).first().textContent(), 'ABS (Betrag)   abs');
  await page.keyboard.press('Enter');
  assert.equal((await pageState(page)).m_dX, 4);
  await page.context().close();
});

test('the program editor offers tokens: a tap or Tab puts one in, and the steps keep the keyboard', async () => {
  const page = await open(browser, server.url, phone);
  await page.locator('#menu-button').tap();
  await page.getByRole('button', { name: 'Programs', exact: true }).tap();
  await page.locator('#program-name').tap();
  await page.keyboard.type('hyp');
  await page.locator('#program-new').tap();
  const steps = page.locator('#program-steps');
  const offered = page.locator('#program-completions button');
  await page.keyboard.type('2 ta');
  assert.deepEqual(await offered.allTextContents(), ['TAN', 'tanh']);
  await offered.filter({ hasText: 'tanh' }).tap();
  assert.equal(await steps.inputValue(), '2 tanh');
  assert.ok(await steps.evaluate((e) => e === document.activeElement), 'the steps kept the keyboard');
  assert.equal(await page.locator('#program-completions').isVisible(), false);
  await page.keyboard.type(' sto+');
  await page.keyboard.press('Tab');
  await page.keyboard.type('1');
  assert.equal(await steps.inputValue(), '2 tanh sto+:1');
  await page.keyboard.type(' la');
  await page.keyboard.press('Escape');
  assert.equal(await page.locator('#programs-dialog').isVisible(), true, 'Escape left the list, not the editor');
  assert.equal(await page.locator('#program-completions').isVisible(), false);
  await page.keyboard.press('Backspace');
  await page.keyboard.press('Backspace');
  await page.locator('#program-run').tap();
  const state = await pageState(page);
  assert.equal(state.m_dReg[1], Math.tanh(2));
  assert.deepEqual(page.errors, []);
  await page.context().close();
});
