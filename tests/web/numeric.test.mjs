// Solve and Integrate on the page: Menu > Solve… by touch with the guesses
// from Y and X and a plot, the same bits as the console for random
// problems, a runaway solve stopped by the notice's Stop, and the plot in
// the Programs dialog.
import assert from 'node:assert/strict';
import { after, before, test } from 'node:test';
import { cli, keyCodes, launch, open, pageState, phone, random, serve } from './helpers.mjs';

let server, browser;
before(async () => { [server, browser] = await Promise.all([serve(), launch()]); });
after(async () => { await browser?.close(); await server?.close(); });

async function tapMenu(page, command) {
  await page.locator('#menu-button').tap();
  await page.locator(`#menu [data-command="${command}"]`).tap();
  await page.locator('#numeric-dialog').waitFor({ state: 'visible' });
}

// The console's state after lines of tokens on standard input (def blocks too).
function consoleState(lines) {
  const out = cli(['--json', '--seed', '1', '--ignore-errors'], `${lines.join('\n')}\n`).trim().split('\n');
  return JSON.parse(out[out.length - 1]);
}

const exact = (x) => String(x);

test('on a phone, Menu > Solve… takes Y and X, plots the program, and solves as the console does', async () => {
  const page = await open(browser, server.url, phone);
  const programs = 'def:cubic ENTER ENTER * * SWAP 2 * - 5 - end';
  await page.evaluate((p) => { window.tabrix.reset({ seed: 1 }); window.tabrix.run(p); }, programs);
  for (const code of keyCodes('2 ENTER 3')) await page.locator(`button[data-code="${code}"]`).tap();
  await tapMenu(page, 'solve');
  assert.equal(await page.locator('#numeric-a').inputValue(), '2');
  assert.equal(await page.locator('#numeric-b').inputValue(), '3');
  const plot = page.locator('#numeric-plot');
  assert.equal(await plot.getAttribute('data-samples'), '161');
  assert.equal(await plot.getAttribute('data-sign-changes'), '1');
  assert.match(await plot.getAttribute('aria-label'), /^cubic from 1\.9 to 3\.1: 1 sign changes, 0 gaps/);
  if (process.env.TABRIX_SHOTS) await page.screenshot({ path: `${process.env.TABRIX_SHOTS}/web-solve.png` });
  await page.locator('#numeric-go').tap();
  const state = await pageState(page);
  const expected = consoleState([programs, '2 ENTER 3 solve:cubic']);
  assert.equal(exact(state.m_dX), '2.0945514815423265');
  assert.deepEqual([state.m_dX, state.m_dY, state.m_dZ], [expected.m_dX, expected.m_dY, expected.m_dZ]);
  assert.deepEqual(page.errors, []);
  await page.context().close();
});

test('random problems solved and integrated on the page give the console\'s bits', async () => {
  const page = await open(browser, server.url, { viewport: { width: 1280, height: 800 } });
  const next = random(31);
  const coefficient = () => Math.round((next() * 6 - 3) * 1e6) / 1e6;
  for (let i = 0; i < 12; i += 1) {
    const program = `def:p${i} ENTER ENTER * * ${coefficient()} * SWAP SQ ${coefficient()} * + SWAP ${coefficient()} * + ${coefficient()} + end`;
    const [a, b] = [coefficient(), coefficient()];
    const kind = i % 3 === 0 ? 'integrate' : 'solve';
    await page.evaluate((p) => { window.tabrix.reset({ seed: 1 }); window.tabrix.run(p); }, program);
    await page.locator('#menu-button').click();
    await page.locator(`#menu [data-command="${kind}"]`).click();
    await page.locator('#numeric-program').selectOption(`p${i}`);
    await page.locator('#numeric-a').fill(exact(a));
    await page.locator('#numeric-b').fill(exact(b));
    await page.locator('#numeric-go').click();
    const state = await pageState(page);
    const expected = consoleState([program, `${exact(a)} ENTER ${exact(b)} ${kind}:p${i}`]);
    assert.deepEqual([state.m_dX, state.m_dY], [expected.m_dX, expected.m_dY], `${kind}:p${i} from ${a}, ${b}`);
  }
  assert.deepEqual(page.errors, []);
  await page.context().close();
});

test('a runaway solve leaves the page answering, and the notice\'s Stop ends it with the stack as before', async () => {
  const page = await open(browser, server.url, phone);
  await page.evaluate(() => { window.tabrix.reset({ seed: 1 }); window.tabrix.run('def:spin lbl:a 1 sto+:2 gto:a end'); });
  for (const code of keyCodes('4 ENTER 5')) await page.locator(`button[data-code="${code}"]`).tap();
  await tapMenu(page, 'solve');
  await page.locator('#numeric-go').tap();
  await page.waitForTimeout(300);
  assert.equal(await page.locator('#notice > span').textContent(), 'Solving spin \u2014 Esc stops');
  await page.locator('#notice .notice-stop').tap();
  const state = await pageState(page);
  assert.deepEqual([state.m_dX, state.m_dY], [5, 4]);
  assert.ok(state.m_dReg[2] > 0, 'the evaluations ran');
  assert.match(await page.locator('#notice > span').textContent(), /^Solving spin was stopped: the stack is as before\./);
  assert.deepEqual(page.errors, []);
  await page.context().close();
});

test('the Programs dialog plots the program over Y and X, and the plot changes nothing', async () => {
  const page = await open(browser, server.url, phone);
  await page.evaluate(() => { window.tabrix.reset({ seed: 1 }); window.tabrix.run('def:wave SIN end RAD 0 ENTER 7'); });
  const before = await pageState(page);
  await page.locator('#menu-button').tap();
  await page.locator('#menu [data-command="programs"]').tap();
  const plot = page.locator('#program-plot');
  await plot.waitFor({ state: 'visible' });
  assert.equal(await plot.getAttribute('data-samples'), '161');
  assert.equal(await plot.getAttribute('data-sign-changes'), '3');
  if (process.env.TABRIX_SHOTS) await plot.screenshot({ path: `${process.env.TABRIX_SHOTS}/web-programs.png` });
  assert.deepEqual(await pageState(page), before);
  assert.deepEqual(page.errors, []);
  await page.context().close();
});
