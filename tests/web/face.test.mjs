// The face for people: every key a named button, no accessibility violation
// that axe-core finds, and on a phone and on a desktop a page that fits its
// window whole, with keys a finger can hit.
import assert from 'node:assert/strict';
import { createRequire } from 'node:module';
import { after, before, test } from 'node:test';
import { desktop, face, launch, open, phone, serve } from './helpers.mjs';

const axePath = createRequire(import.meta.url).resolve('axe-core/axe.min.js');
const menuItems = ['Undo', 'Redo', 'Copy', 'Copy Exact', 'Paste', 'Paste Number', 'Reset State', 'Save State',
  'Load State', 'Find Function…', 'Tape', 'Keys and Keyboard', 'About', 'Programs', 'Settings'];

let server, browser;
before(async () => { [server, browser] = await Promise.all([serve(), launch()]); });
after(async () => { await browser?.close(); await server?.close(); });

async function violations(page) {
  await page.addScriptTag({ path: axePath });
  const found = await page.evaluate(async () => (await window.axe.run(document, { resultTypes: ['violations'] })).violations
    .map((v) => `${v.id} (${v.impact}): ${v.help} at ${v.nodes.slice(0, 3).map((n) => n.target.join(' ')).join(', ')}`));
  return found;
}

// A key's name: its label and what it does, then the same shifted ("÷ divide, shifted % percent").
const described = (f) => f.label + (f.description && f.description !== f.label ? ` ${f.description}` : '');

test('every key is a button named by its label and its function, and the menu has its items', async () => {
  const page = await open(browser, server.url, desktop);
  for (const key of face.keys) {
    const name = described(key.plain) + (key.shifted.label ? `, shifted ${described(key.shifted)}` : '');
    const button = page.getByRole('button', { name, exact: true });
    assert.equal(await button.count(), 1, `one button named "${name}"`);
    assert.equal(await button.getAttribute('data-code'), String(key.code), `"${name}" is key ${key.code}`);
  }
  await page.locator('#menu-button').click();
  for (const name of menuItems) {
    assert.ok(await page.getByRole('button', { name, exact: true }).isVisible(), `the menu item "${name}"`);
  }
  // In the reader's language, the functions too; the stack above X is there to be read.
  await page.goto(`${server.url}?lang=de`);
  await page.waitForFunction(() => document.documentElement.dataset.ready === 'true');
  assert.equal(await page.locator('button[data-code="12"]').getAttribute('aria-label'), '÷ dividieren, Zweitfunktion % Prozent');
  await page.evaluate(() => window.tabrix.run('4 ENTER 5'));
  assert.match(await page.locator('#side').innerText(), /Y\s+4\.000000 00/);
  await page.context().close();
});

test('axe-core finds no violation on the face, in the open menu or in Find Function', async () => {
  const page = await open(browser, server.url, desktop);
  assert.deepEqual(await violations(page), [], 'the face');
  await page.locator('#menu-button').click();
  await page.getByRole('button', { name: 'Undo', exact: true }).waitFor();
  assert.deepEqual(await violations(page), [], 'the menu');
  await page.keyboard.press('Escape');
  await page.keyboard.press('Control+K');
  await page.keyboard.type('tan');
  await page.locator('#finder-matches [role="option"]').first().waitFor();
  assert.deepEqual(await violations(page), [], 'Find Function');
  await page.context().close();
});

// The window, the page's size, the keys' boxes and every visible button.
const measure = (page) => page.evaluate(() => {
  const box = (e) => { const r = e.getBoundingClientRect(); return { left: r.left, top: r.top, right: r.right, bottom: r.bottom, width: r.width, height: r.height }; };
  const visible = (e) => e.checkVisibility({ visibilityProperty: true }) && e.getBoundingClientRect().width > 0;
  return {
    width: innerWidth, height: innerHeight,
    scrollWidth: document.documentElement.scrollWidth, scrollHeight: document.documentElement.scrollHeight,
    keys: [...document.querySelectorAll('button[data-code]')].map((e) => ({ code: e.dataset.code, ...box(e) })),
    buttons: [...document.querySelectorAll('button')].filter(visible)
      .map((e) => ({ name: e.getAttribute('aria-label') ?? e.textContent.trim(), touch: getComputedStyle(e).touchAction, ...box(e) })),
  };
});

const landscape = { ...phone, viewport: { width: 640, height: 360 } };
const tallPhone = { ...phone, viewport: { width: 412, height: 915 } };
const tablet = { ...phone, viewport: { width: 768, height: 1024 } };
// Where the stack and the tape go on each screen: above the face on tall ones, beside it on wide ones.
const expectedLayout = { 'phone': 'above', 'tall phone': 'above', 'phone held sideways': 'beside', 'tablet': 'above', 'desktop': 'beside' };
for (const [name, options] of [['phone', phone], ['tall phone', tallPhone], ['phone held sideways', landscape],
  ['tablet', tablet], ['desktop', desktop]]) {
  test(`on a ${name} (${options.viewport.width} x ${options.viewport.height}) the whole face fits without scrolling`, async () => {
    const page = await open(browser, server.url, options);
    const layout = await measure(page);
    assert.ok(layout.scrollWidth <= layout.width && layout.scrollHeight <= layout.height,
      `the page scrolls: ${layout.scrollWidth} x ${layout.scrollHeight} in ${layout.width} x ${layout.height}`);
    assert.equal(layout.keys.length, face.keys.length);
    const outside = layout.keys.filter((k) => k.left < 0 || k.top < 0 || k.right > layout.width + 0.5 || k.bottom > layout.height + 0.5);
    assert.deepEqual(outside.map((k) => k.code), [], 'keys outside the window');
    await page.evaluate(() => window.tabrix.run('1 ENTER 2 + 3 *'));
    const side = await page.evaluate(() => {
      const rect = (e) => e.getBoundingClientRect().toJSON();
      return { layout: document.body.dataset.layout, face: rect(document.getElementById('face')),
        side: rect(document.getElementById('side')), rows: document.querySelectorAll('#side-tape-lines button').length,
        stack: document.getElementById('side-stack').textContent };
    });
    assert.equal(side.layout, expectedLayout[name]);
    const apart = side.side.right <= side.face.left + 0.5 || side.side.left >= side.face.right - 0.5 ||
      side.side.bottom <= side.face.top + 0.5 || side.side.top >= side.face.bottom - 0.5;
    assert.ok(apart, `the stack and tape cover the face: ${JSON.stringify(side)}`);
    assert.ok(side.side.bottom <= layout.height + 0.5 && side.side.right <= layout.width + 0.5, 'the side inside the window');
    assert.ok(side.rows >= 3, `the tape's lines are there: ${side.rows}`);
    assert.match(side.stack, /9\.000000 00/, 'the stack lines show X');
    if (options === phone) {
      // A finger's size, and no wait for a double tap: on the face and in the menu.
      await page.locator('#menu-button').click();
      await page.getByRole('button', { name: 'Undo', exact: true }).waitFor();
      const buttons = [...layout.buttons, ...(await measure(page)).buttons];
      const small = buttons.filter((b) => b.width < 40 || b.height < 40).map((b) => `${b.name} ${b.width.toFixed(1)} x ${b.height.toFixed(1)}`);
      assert.deepEqual(small, [], 'buttons smaller than 40 x 40');
      const slow = buttons.filter((b) => !b.touch.includes('manipulation')).map((b) => `${b.name}: ${b.touch}`);
      assert.deepEqual(slow, [], 'buttons without touch-action: manipulation');
    }
    // The Programs dialog keeps Run, Delete and Close in sight, however many programs and problems.
    await page.evaluate(() => window.tabrix.reset());
    await page.keyboard.press('Escape');
    await page.locator('#menu-button').click();
    await page.getByRole('button', { name: 'Programs', exact: true }).click();
    for (const name of ['one', 'two', 'three', 'four', 'five', 'six', 'seven', 'eight']) {
      await page.locator('#program-name').fill(name);
      await page.locator('#program-new').click();
      await page.locator('#program-steps').fill('gto:x xeq:nowhere\n1 +\n2 *\n3 -');
    }
    for (const id of ['program-run', 'program-delete']) {
      const b = await page.locator(`#${id}`).boundingBox();
      assert.ok(b && b.y >= 0 && b.y + b.height <= options.viewport.height, `${id} in sight at ${JSON.stringify(b)}`);
    }
    const close = await page.locator('#programs-dialog button.close').boundingBox();
    assert.ok(close.y + close.height <= options.viewport.height, 'Close in sight');
    await page.context().close();
  });
}
