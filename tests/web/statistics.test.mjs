// Statistics on the page: points by touch, Σ on the face, the Statistics
// dialog's results and reasons, Paste Data from the clipboard and from the
// paste field, each the console's.
import assert from 'node:assert/strict';
import { after, before, test } from 'node:test';
import { cliState, keyCodes, launch, open, pageRun, pageState, phone, desktop, same, serve } from './helpers.mjs';

let server, browser;
before(async () => { [server, browser] = await Promise.all([serve(), launch()]); });
after(async () => { await browser?.close(); await server?.close(); });

const ownClipboard = ['clipboard', 'paste_enabled'];

async function tapMenu(page, name) {
  await page.locator('#menu-button').tap();
  await page.locator('#menu').getByRole('button', { name, exact: true }).tap();
}

async function statisticsRows(page) {
  await tapMenu(page, 'Statistics');
  const dialog = page.locator('#statistics-dialog');
  await dialog.waitFor({ state: 'visible' });
  const rows = await page.evaluate(() => [...document.querySelectorAll('#statistics-rows dt')].map((dt) => [
    dt.firstChild.textContent, dt.nextElementSibling.textContent]));
  await dialog.locator('button.close').tap();
  return Object.fromEntries(rows);
}

test('on a phone, points added by taps show Σ, and the Statistics dialog lists their results or why not', async () => {
  const page = await open(browser, server.url, phone);
  await page.evaluate(() => window.tabrix.run('sum-clear'));
  const shown = () => page.evaluate(() => [...document.querySelectorAll('svg text')].map((t) => t.textContent).join(' '));
  assert.doesNotMatch(await shown(), /Σ/, 'no Σ without points');
  const none = await statisticsRows(page);
  assert.equal(none.n, '0');
  assert.match(none['x̄'], /^— There are no points yet/);
  // The points (1, 4) and (2, 6): y ENTER x, then Σ+ from the finder by its token.
  for (const [y, x] of [['4', '1'], ['6', '2'], ['9', '3']]) {
    for (const code of keyCodes(`${y} ENTER ${x}`)) await page.locator(`button[data-code="${code}"]`).tap();
    await page.evaluate(() => window.tabrix.find('sum+'));
  }
  assert.match(await shown(), /Σ/, 'Σ while there are points');
  const rows = await statisticsRows(page);
  assert.deepEqual([rows.n, rows['x̄'], rows['ȳ'], rows.b], ['3', '2', '6.333333333', '2.5']);
  same(await pageState(page), cliState('4 ENTER 1 sum+ 6 ENTER 2 sum+ 9 ENTER 3 sum+'.split(' ')), 'points by taps');
  // A result there is none of: the main line and a notice say so.
  await page.evaluate(() => { window.tabrix.run('sum-clear 1 ENTER'); window.tabrix.find('sum+'); window.tabrix.find('sdev'); });
  assert.match(await page.locator('#notice').textContent(), /No result from s\. One point is not enough/);
  assert.equal((await pageState(page)).m_strDisplay, 'ERROR: STAT');
  assert.deepEqual(page.errors, []);
  await page.context().close();
});

test('Paste Data reads a spreadsheet\'s columns from the clipboard, or from the paste field, as the console does', async () => {
  const text = 'height\tweight\n1,80\t75,5\n1,65\t60\nnone\n';
  const expected = cliState(['sum-clear', `paste-data:"${text.replace(/\t/g, '\\t').replace(/\n/g, '\\n')}"`], 1,
    ['--locale', 'de_DE.UTF-8']);
  for (const readable of [true, false]) {
    const permissions = readable ? ['clipboard-read', 'clipboard-write'] : ['clipboard-write'];
    const page = await open(browser, server.url, { ...desktop, locale: 'de-DE', permissions });
    await pageRun(page, 'sum-clear');
    await page.evaluate((t) => navigator.clipboard.writeText(t), text);
    await page.locator('#menu-button').click();
    await page.locator('#menu [data-command="paste-data"]').click();
    if (!readable) {
      const field = page.locator('#paste-field');
      await field.waitFor({ state: 'visible', timeout: 5000 });
      assert.equal(await page.locator('#paste-title').textContent(), 'Daten einfügen');
      await field.focus();
      await page.keyboard.press('Control+V');
    }
    await page.waitForFunction(() => window.tabrix.state().m_stats !== '', null, { timeout: 3000 }).catch(() => {});
    same(await pageState(page), expected, readable ? 'from the clipboard' : 'from the paste field', { ignore: ownClipboard });
    assert.match(await page.locator('#notice').textContent(), /2 Punkte hinzugefügt\. Zeile 1 übersprungen/);
    assert.deepEqual(page.errors, []);
    await page.context().close();
  }
});
