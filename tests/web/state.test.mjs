// What the page keeps and exchanges: the state across a reload and with no
// network, state files both ways with the desktop, the real clipboard, and
// the tape as a script the console replays.
import assert from 'node:assert/strict';
import { readFileSync } from 'node:fs';
import { after, before, test } from 'node:test';
import {
  cli, cliState, click, desktop, launch, menu, open, pageRun, pageState, ready, same, scratch, serve, site,
} from './helpers.mjs';

let server, browser;
const { file } = scratch();
// The console's clipboard is its own; the page's is the browser's.
const ownClipboard = ['clipboard', 'paste_enabled'];
before(async () => { [server, browser] = await Promise.all([serve(), launch()]); });
after(async () => { await browser?.close(); await server?.close(); });

// States worth keeping: a result, registers and modes, a number half typed
// with its exponent, a pending shift, a pending prefix.
const keyed = ['1 2 ENTER 3 +', '2 SQRT STO 7 FIX 3 RAD 5 INV', '4 . 5 EEX 1 2 CHS', '7 ENTER 9 F', '3 STO', 'HYP 2'];

test('the state is kept after each change and survives a reload', async () => {
  const page = await open(browser, server.url, desktop);
  for (const tokens of keyed) {
    await page.evaluate(() => window.tabrix.reset({ seed: 1 }));
    await click(page, tokens);
    const before = await pageState(page);
    same(before, cliState(tokens.split(' ')), tokens);
    // A second tab reads what was kept while the first is still open, as after a crash.
    const second = await page.context().newPage();
    await second.goto(server.url);
    await ready(second);
    same(await pageState(second), before, `${tokens}: in a second tab`);
    await second.close();
    await page.reload();
    await ready(page);
    same(await pageState(page), before, `${tokens}: after the reload`);
  }
  assert.deepEqual(page.errors, []);
  await page.context().close();
});

test('a damaged kept state starts the calculator afresh and is not thrown away', async () => {
  for (const damaged of ['{"not":"a session"', 'x'.repeat(5000)]) {
    // Written where no calculator runs (it keeps its own state as it leaves).
    const context = await browser.newContext(desktop);
    const other = await context.newPage();
    await other.goto(`${server.url}face.json`);
    await other.evaluate((text) => localStorage.setItem('tabrix.session', text), damaged);
    const page = await context.newPage();
    const errors = [];
    page.on('pageerror', (error) => errors.push(String(error)));
    await page.goto(server.url);
    await ready(page);
    same(await pageState(page), cliState([]), damaged.slice(0, 20));
    await click(page, '5');
    assert.ok(await page.evaluate((text) => Object.values(localStorage).includes(text), damaged), 'the damaged text is kept');
    assert.deepEqual(errors, []);
    await context.close();
  }
});

test('after the first visit the page works with no network', async () => {
  const own = await serve(site);
  const context = await browser.newContext({ ...desktop, serviceWorkers: 'allow' });
  const page = await context.newPage();
  await page.goto(own.url);
  await ready(page);
  await page.evaluate(() => navigator.serviceWorker.ready);
  await page.reload();
  await ready(page);
  assert.equal(await page.evaluate(() => navigator.serviceWorker.controller !== null), true, 'the service worker controls the page');
  await own.close();
  await context.setOffline(true);
  await page.reload();
  await ready(page);
  await page.evaluate(() => window.tabrix.reset({ seed: 1 }));
  await click(page, '6 ENTER 7 * SQRT');
  same(await pageState(page), cliState(['6', 'ENTER', '7', '*', 'SQRT']));
  await context.close();
});

// Tokens whose state files the two sides write and read.
const stateCases = [
  '', '1 2 ENTER 3 +', '2 SQRT STO 7 FIX 3 RAD 5 INV', '1 EEX 300 CHS ENTER 1 EEX 300 *',
  '4 . 5 EEX 1 2 CHS', '1 0 ENTER 0 /', 'ENG 4 GRD 123456 STO 9 PI',
];

test('Save State writes the bytes tabrix-cli --save writes', async () => {
  const page = await open(browser, server.url, { ...desktop, acceptDownloads: true });
  for (const [i, tokens] of stateCases.entries()) {
    await pageRun(page, tokens);
    const [download] = await Promise.all([page.waitForEvent('download'), menu(page, 'Save State')]);
    assert.equal(download.suggestedFilename(), 'tabrix.rpn');
    const expected = file(`saved-${i}.rpn`);
    cli(['--seed', '1', '--save', expected, ...tokens.split(' ').filter(Boolean)]);
    assert.deepEqual(readFileSync(await download.path()), readFileSync(expected), `tokens "${tokens}"`);
  }
  await page.context().close();
});

test('Load State reads a desktop state file, and refuses a broken one with a message', async () => {
  const page = await open(browser, server.url, desktop);
  const files = stateCases.map((tokens, i) => {
    const path = file(`desktop-${i}.rpn`);
    cli(['--save', path, ...tokens.split(' ').filter(Boolean)]);
    return [path, false];
  });
  const good = readFileSync(files[2][0]);
  files.push([file('empty.rpn', ''), true], [file('cut.rpn', good.subarray(0, good.length - 3)), true],
    [file('junk.rpn', 'not a state file\n'), true]);
  const before = '9 ENTER 8 STO 1 7';
  for (const [path, broken] of files) {
    await pageRun(page, before);
    const expected = cliState([...before.split(' '), `load:${path}`]);
    const [chooser] = await Promise.all([page.waitForEvent('filechooser'), menu(page, 'Load State')]);
    await chooser.setFiles(path);
    if (broken) {
      // Told, and Escape closes the message, not the calculator's X.
      await page.getByRole('alertdialog').waitFor({ timeout: 5000 });
      await page.keyboard.press('Escape');
      await page.getByRole('alertdialog').waitFor({ state: 'hidden' });
    } else {
      // The page reads the file before it loads it.
      await page.waitForFunction((display) => window.tabrix.state().m_strDisplay === display, expected.m_strDisplay);
    }
    same(await pageState(page), expected, path);
  }
  await page.context().close();
});

test('Copy, Copy Exact, Paste and Paste Number go through the real clipboard', async () => {
  const page = await open(browser, server.url, { ...desktop, permissions: ['clipboard-read', 'clipboard-write'] });
  const clipboard = () => page.evaluate(() => navigator.clipboard.readText());
  for (const [tokens, item, token] of [
    ['2 SQRT', 'Copy Exact', 'copy-exact'], ['1 EEX 300 CHS', 'Copy Exact', 'copy-exact'], ['1 . 2 5', 'Copy Exact', 'copy-exact'],
    ['0.1 ENTER 0.2 +', 'Copy Exact', 'copy-exact'], ['2 SQRT', 'Copy', 'copy'], ['FIX 2 PI CHS', 'Copy', 'copy'],
  ]) {
    await pageRun(page, tokens);
    await page.evaluate(() => navigator.clipboard.writeText('-'));
    await menu(page, item);
    const expected = cliState([...tokens.split(' '), token]).clipboard;
    await page.waitForFunction((text) => navigator.clipboard.readText().then((t) => t === text), expected, { timeout: 3000 }).catch(() => {});
    assert.equal(await clipboard(), expected, `${item} after ${tokens}`);
  }
  for (const [text, item, token] of [
    ['1.234,50', 'Paste Number', 'paste-number'], ['$1,234.5', 'Paste Number', 'paste-number'],
    ['-12', 'Paste Number', 'paste-number'], ['1.5x10^3', 'Paste Number', 'paste-number'],
    ['no number here', 'Paste Number', 'paste-number'], ['6.02e23', 'Paste', 'paste'], ['-0.000125', 'Paste', 'paste'],
  ]) {
    await pageRun(page, '7 ENTER 8');
    await page.evaluate((t) => navigator.clipboard.writeText(t), text);
    await menu(page, item);
    const expected = cliState(['7', 'ENTER', '8', `${token}:${text}`]);
    await page.waitForFunction((x) => String(window.tabrix.state().m_dX) === x, String(expected.m_dX), { timeout: 3000 }).catch(() => {});
    same(await pageState(page), expected, `${item} of "${text}"`, { ignore: ownClipboard });
  }
  assert.deepEqual(page.errors, []);
  await page.context().close();
});

test('the keyboard\'s Copy, Cut, Paste, Undo and Redo act as the menu\'s', async () => {
  const page = await open(browser, server.url, { ...desktop, permissions: ['clipboard-read', 'clipboard-write'] });
  for (const [tokens, shortcut, clip, token] of [
    ['2 SQRT', 'Control+C', null, 'copy'], ['1 . 2 5', 'Control+X', null, 'cut'],
    ['7 ENTER', 'Control+V', '42', 'paste:42'], ['7 ENTER', 'Control+Shift+V', '$1,234.5', 'paste-number:$1,234.5'],
    ['12 ENTER 3 +', 'Control+Z', null, 'undo'], ['12 ENTER 3 + undo', 'Control+Y', null, 'redo'],
    ['12 ENTER 3 + undo', 'Control+Shift+Z', null, 'redo'],
  ]) {
    await pageRun(page, tokens);
    await page.evaluate((text) => navigator.clipboard.writeText(text), clip ?? '-');
    await page.keyboard.press(shortcut);
    const expected = cliState([...tokens.split(' '), token]);
    await page.waitForFunction((display) => window.tabrix.state().m_strDisplay === display, expected.m_strDisplay, { timeout: 3000 }).catch(() => {});
    same(await pageState(page), expected, `${shortcut} after ${tokens}`, { ignore: ownClipboard });
    if (clip === null && expected.clipboard !== null) {
      assert.equal(await page.evaluate(() => navigator.clipboard.readText()), expected.clipboard, `${shortcut} after ${tokens}`);
    }
  }
  await page.context().close();
});

test('where reading the clipboard is refused, the paste field takes the paste', async () => {
  const page = await open(browser, server.url, { ...desktop, permissions: ['clipboard-write'] });
  await pageRun(page, '5 ENTER');
  await page.evaluate(() => navigator.clipboard.writeText('1 234,5'));
  await menu(page, 'Paste Number');
  const field = page.locator('#paste-field');
  await field.waitFor({ state: 'visible', timeout: 5000 });
  await field.focus();
  await page.keyboard.press('Control+V');
  const expected = cliState(['5', 'ENTER', 'paste-number:1 234,5']);
  await page.waitForFunction((x) => window.tabrix.state().m_dX === x, expected.m_dX, { timeout: 3000 }).catch(() => {});
  same(await pageState(page), expected, 'pasted in the field', { ignore: ownClipboard });
  await page.context().close();
});

// Sessions whose tapes hold keys and menu commands the tape writes in its
// own words: RAN#'s draws, Undo, Redo, Paste, a reload, a loaded state file.
const loaded = file('loaded.rpn');
cli(['--save', loaded, '2', 'SQRT', 'STO', '4', 'FIX', '3']);
const sessions = [
  ['keys, RAN#, Undo, Redo, Paste Number and a reload', async (page) => {
    await click(page, '2 SQRT STO 3 RAN + SIN 1 2 EEX 3');
    await menu(page, 'Undo');
    await menu(page, 'Undo');
    await menu(page, 'Redo');
    await page.evaluate(() => navigator.clipboard.writeText('1,5'));
    await menu(page, 'Paste Number');
    await page.reload();
    await ready(page);
    await click(page, '* RCL 3 F 4 5 ENTER');
  }],
  ['a state file loaded', async (page) => {
    await click(page, '7 ENTER');
    const [chooser] = await Promise.all([page.waitForEvent('filechooser'), menu(page, 'Load State')]);
    await chooser.setFiles(loaded);
    await page.waitForFunction(() => window.tabrix.state().m_strFormat === 'FIX');
    await click(page, 'RCL 4 +');
  }],
];

for (const [name, steps] of sessions) {
  test(`the tape saved as text replays in tabrix-cli --script to the same state: ${name}`, async () => {
    const page = await open(browser, server.url, { ...desktop, acceptDownloads: true, permissions: ['clipboard-read', 'clipboard-write'] });
    await page.evaluate(() => window.tabrix.reset({ seed: 99 }));
    await steps(page);
    const state = await pageState(page);
    await menu(page, 'Tape');
    const [download] = await Promise.all([page.waitForEvent('download'), page.getByRole('button', { name: /save as text/i }).click()]);
    const script = readFileSync(await download.path(), 'utf8');
    const replayed = JSON.parse(cli(['--json', '--seed', '12345', '--script', file('tape.txt', script)]));
    same(state, replayed, `the tape:\n${script}`, { loose: true, ignore: ownClipboard });
    await page.context().close();
  });
}
