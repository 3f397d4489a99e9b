// Every function of the catalogue the finder offers, from random starting
// states: the page's Find Function leaves the state the page's token does,
// and that is the console's (numbers within the last bits the browser's
// math library may differ by). One catalogue, one session: a front end that put a
// function together on its own would differ here.
import assert from 'node:assert/strict';
import { after, before, test } from 'node:test';
import { cli, differences, face, launch, open, random, serve } from './helpers.mjs';

const STATES = Number(process.env.TABRIX_FUNCTION_STATES ?? 12);

let server, browser, page;
before(async () => {
  [server, browser] = await Promise.all([serve(), launch()]);
  page = await open(browser, server.url);
});
after(async () => { await browser?.close(); await server?.close(); });

// What the finder offers: the calculator's functions, not number entry
// (CHS aside), the keypad's own keys or the programs' words.
const offered = face.functions.filter((f) =>
  f.token === 'CHS' || !['Number entry', 'Keypad', 'Programs'].includes(f.family));

// A start: up to three statistics points, modes, a register, four stack
// levels and a LAST X, as typed.
function start(next) {
  const number = () => next.pick(['0', '1', '-1', '2', '0.5', '-2.75', '1e10', '-3e-7', '45', '720', '1.23456789',
    '12.3045', '-0.999', '3', '180']);
  const format = `${next.pick(['FIX', 'SCI', 'ENG'])} ${next.int(10)}`;
  const points = Array.from({ length: next.int(4) }, () => `${number()} ENTER ${number()} sum+`).join(' ');
  // float ws:64 2s: integer mode, which CLR keeps like the format, is left first.
  return `float ws:64 2s CLR sum-clear ${points} ${next.pick(['DEG', 'RAD', 'GRD'])} ${format} ${number()} STO ${next.int(10)} ${number()} ENTER ` +
    `${number()} ENTER ${number()} ENTER ${number()} ENTER ${number()} CHS CHS`;
}

test(`${offered.length} functions from ${STATES} random states: page token = page finder = console`, async () => {
  assert.ok(offered.length > 60, 'the catalogue reached the page');
  const next = random(2412);
  const cases = [];
  for (let i = 0; i < STATES; ++i) {
    const from = start(next);
    // A register 0..9; a word size 1..64 (ws:N) or a bit count.
    for (const f of offered) cases.push({ from, token: f.token.replace(':N', `:${f.token === 'ws:N' ? 1 + (i * 7) % 64 : i % 10}`) });
  }
  const onPage = await page.evaluate((list) => list.map(({ from, token }) => {
    const byToken = () => {
      window.tabrix.reset({ seed: 1 });
      window.tabrix.run(from);
      const result = window.tabrix.run(token);
      return { result, state: window.tabrix.state() };
    };
    const token_ = byToken();
    window.tabrix.reset({ seed: 1 });
    window.tabrix.run(from);
    const found = window.tabrix.find(token);
    return { ...token_, found, byFinder: window.tabrix.state() };
  }), cases);

  // One console for all but RAN#, which draws from a fresh seed for each start, as the page does.
  const drawing = ({ token }) => token === 'RAN';
  const script = cases.filter((c) => !drawing(c)).map(({ from, token }) => `${from}\n${token}`).join('\n') + '\n';
  const states = cli(['--json', '--seed', '1'], script).split('\n').filter(Boolean).map((line) => JSON.parse(line));
  let line = 0;
  const consoleState = (c) => {
    if (drawing(c)) return JSON.parse(cli(['--json', '--seed', '1'], `${c.from}\n${c.token}\n`).split('\n')[1]);
    line += 2;
    return states[line - 1];
  };
  const problems = [];
  cases.forEach((c, i) => {
    const { from, token } = c;
    const side = onPage[i];
    if (!side.result.ok) problems.push(`${token}: the page refused it: ${side.result.error}`);
    if (!side.found) problems.push(`${token}: the finder performed nothing`);
    const console_ = consoleState(c);
    const byFinder = differences(side.byFinder, side.state, false);
    if (byFinder.length) problems.push(`${token} by the finder, not as its token: ${byFinder.slice(0, 3).join('; ')}`);
    // The browser's math library may differ from the C library's in the last bits.
    const found = differences(side.state, console_, true);
    if (found.length) problems.push(`${token} after "${from}": ${found.slice(0, 3).join('; ')}`);
  });
  assert.deepEqual(problems.slice(0, 10), []);
});
