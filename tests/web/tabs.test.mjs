// Two tabs of the page (an installed app and a browser tab) share one
// calculator: programs made in either are both kept, a register stored in
// one is not overwritten by the other's next key, and settings follow.
// Also: a new version of the site, once it waits, offers a reload.
import assert from 'node:assert/strict';
import { cpSync, readFileSync, writeFileSync } from 'node:fs';
import { join } from 'node:path';
import { after, before, test } from 'node:test';
import { click, desktop, launch, pageState, ready, scratch, serve, site } from './helpers.mjs';

let server, browser;
before(async () => { [server, browser] = await Promise.all([serve(), launch()]); });
after(async () => { await browser?.close(); await server?.close(); });

async function tab(context, url = server.url) {
  const page = await context.newPage();
  page.errors = [];
  page.on('pageerror', (error) => page.errors.push(String(error)));
  await page.goto(url);
  await ready(page);
  return page;
}

async function makeProgram(page, name, steps) {
  await page.locator('#menu-button').click();
  await page.getByRole('button', { name: 'Programs', exact: true }).click();
  await page.locator('#program-name').fill(name);
  await page.locator('#program-new').click();
  await page.locator('#program-steps').fill(steps);
  await page.locator('#programs-dialog button.close').click();
}

const names = (page) => page.evaluate(() => JSON.parse(window.tabrix.programs()).map((p) => p.name).sort());

test('two tabs keep both programs, share the registers and follow each other\'s settings', async () => {
  const context = await browser.newContext({ ...desktop, serviceWorkers: 'block' });
  const [a, b] = [await tab(context), await tab(context)];
  await makeProgram(a, 'first', '1 +');
  await makeProgram(b, 'second', '2 *');
  await a.waitForFunction(() => JSON.parse(window.tabrix.programs()).length === 2);
  assert.deepEqual(await names(a), ['first', 'second']);
  assert.deepEqual(await names(b), ['first', 'second']);

  await click(a, '5 STO 1');
  await b.waitForFunction(() => window.tabrix.state().m_dReg[1] === 5);
  await click(b, '7 ENTER');
  await a.waitForFunction(() => window.tabrix.state().m_dY === 7);
  assert.equal((await pageState(a)).m_dReg[1], 5, 'A\'s STO 1 survived B\'s keys');
  assert.equal((await pageState(b)).m_dReg[1], 5);

  // The laptop keys chosen in A: = is ENTER in B too.
  await a.locator('#menu-button').click();
  await a.getByRole('button', { name: 'Settings', exact: true }).click();
  await a.locator('#setting-laptop').check();
  await a.keyboard.press('Escape');
  await b.bringToFront();
  await b.keyboard.press('9');
  await b.keyboard.press('=');
  assert.equal((await pageState(b)).m_dY, 9);

  const again = await tab(context);
  assert.deepEqual(await names(again), ['first', 'second'], 'both programs kept for the next start');
  assert.equal((await pageState(again)).m_dReg[1], 5);
  assert.deepEqual([...a.errors, ...b.errors, ...again.errors], []);
  await context.close();
});

test('a new version that waits offers a reload, which brings it', async () => {
  const { folder } = scratch();
  cpSync(site, folder, { recursive: true });
  const copy = await serve(folder);
  try {
    const context = await browser.newContext(desktop);
    const page = await tab(context, copy.url);
    await page.evaluate(() => navigator.serviceWorker.ready);
    await page.reload();
    await ready(page);
    await page.waitForFunction(() => navigator.serviceWorker.controller !== null);
    assert.equal(await page.locator('#update').isVisible(), false, 'nothing new yet');
    const worker = join(folder, 'sw.js');
    writeFileSync(worker, readFileSync(worker, 'utf8').replace(/tabrix-[^"]*/, 'tabrix-next'));
    await page.evaluate(() => navigator.serviceWorker.getRegistration().then((r) => r.update()));
    await page.locator('#update').waitFor({ state: 'visible', timeout: 15000 });
    await Promise.all([page.waitForEvent('load'), page.locator('#update-reload').click()]);
    await ready(page);
    assert.equal(await page.locator('#update').isVisible(), false);
    assert.match(await page.evaluate(() => caches.keys().then((k) => k.join())), /tabrix-next/);
    await context.close();
  } finally {
    await copy.close();
  }
});
