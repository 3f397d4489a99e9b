// The browser's WebAssembly math against the desktop's C library, measured:
// for random arguments of every transcendental key, the main line shown in
// SCI 9 and in FIX 9 is the same on the page as in tabrix-cli, and X differs
// by a few units in the last place at most. The counts are printed.
import assert from 'node:assert/strict';
import { after, before, test } from 'node:test';
import { cli, closeEnough, launch, open, random, scratch, serve, ulps } from './helpers.mjs';

const COUNT = Number(process.env.TABRIX_MATH_COUNT ?? 20000);

let server, browser, page;
before(async () => {
  [server, browser] = await Promise.all([serve(), launch()]);
  page = await open(browser, server.url);
});
after(async () => { await browser?.close(); await server?.close(); });

// A number as typed on the keys: nine digits and a power of ten.
function typed(next, lowest, highest, { signed = true, below = 10 } = {}) {
  const power = lowest + next.int(highest - lowest + 1);
  const mantissa = (1 + next() * ((power === highest ? below : 10) - 1)).toFixed(8);
  return `${signed && next() < 0.5 ? '-' : ''}${mantissa}e${power}`;
}

// Each function with what puts its arguments in X (angles in degrees).
const functions = [
  ['SIN', (n) => typed(n, -3, 3)], ['COS', (n) => typed(n, -3, 3)], ['TAN', (n) => typed(n, -3, 3)],
  ['ASIN', (n) => typed(n, -4, -1)], ['ACOS', (n) => typed(n, -4, -1)], ['ATAN', (n) => typed(n, -4, 4)],
  ['HYP SIN', (n) => typed(n, -4, 2, { below: 7 })], ['HYP COS', (n) => typed(n, -4, 2, { below: 7 })],
  ['HYP TAN', (n) => typed(n, -4, 1)],
  ['EXP', (n) => typed(n, -4, 2, { below: 7 })], ['ALOG', (n) => typed(n, -4, 2, { below: 3 })],
  ['LN', (n) => typed(n, -20, 20, { signed: false })], ['LOG', (n) => typed(n, -20, 20, { signed: false })],
  ['POW', (n) => `${typed(n, -3, 3, { signed: false })} ENTER\n${typed(n, -2, 1)}`],
];

const number = (text) => ({ inf: Infinity, '-inf': -Infinity, nan: NaN })[text] ?? Number(text);

test(`${COUNT} random arguments per function show the same digits`, async (t) => {
  const { file } = scratch();
  const totals = { lines: 0, shown: 0, bits: 0, beyond: 0 };
  for (const [index, [name, argument]] of functions.entries()) {
    const next = random(7000 + index);
    // SCI 9 and FIX 9 take turns: each result is shown in one, then in the other.
    const lines = ['SCI 9'];
    for (let i = 0; i < COUNT; ++i) lines.push(`${argument(next)} ${name}`, i % 2 ? 'SCI 9' : 'FIX 9');
    const script = lines.join('\n') + '\n';

    const onPage = await page.evaluate((text) => {
      window.tabrix.reset({ seed: 1 });
      const result = window.tabrix.run(text);
      return { result, tape: window.tabrix.tape() };
    }, script);
    assert.equal(onPage.result.ok, true, onPage.result.error);
    const pageLines = onPage.tape.split('\n').filter(Boolean).map((line) => line.split('\t'));

    const path = file(`${index}.txt`, script);
    const cliLines = cli(['--tape', '--script', path]).split('\n').filter(Boolean).map((line) => {
      const mark = line.indexOf('#');
      return [line.slice(0, mark).trim(), line.slice(mark + 2)];
    });
    // --value prints X after each line read from standard input.
    const values = cli(['--value'], script).split('\n').filter(Boolean).map(number);
    assert.equal(pageLines.length, cliLines.length, `${name}: the page's tape has as many lines as the console's`);
    assert.equal(values.length, cliLines.length, `${name}: one tape line per line of the script`);

    let shown = 0, bits = 0, beyond = 0, worst = 0;
    const examples = [];
    pageLines.forEach(([tokens, , pageShown, pageValue], i) => {
      const [cliTokens, cliShown] = cliLines[i];
      if (tokens !== cliTokens || pageShown !== cliShown) {
        ++shown;
        if (examples.length < 5) examples.push(`page "${tokens}" "${pageShown}", console "${cliTokens}" "${cliShown}"`);
      }
      if (!tokens.endsWith(name.split(' ').pop())) return;
      const a = number(pageValue), b = values[i];
      if (Object.is(a, b)) return;
      ++bits;
      worst = Math.max(worst, ulps(a, b));
      if (!closeEnough(a, b)) { ++beyond; if (examples.length < 5) examples.push(`${tokens}: page ${a}, console ${b}`); }
    });
    t.diagnostic(`${name.padEnd(8)} ${COUNT} arguments: ${bits} differ in X (at most ${worst} ulps), ${shown} main lines differ`);
    Object.assign(totals, { lines: totals.lines + pageLines.length, shown: totals.shown + shown, bits: totals.bits + bits, beyond: totals.beyond + beyond });
    assert.equal(shown + beyond, 0, `${name}:\n  ${examples.join('\n  ')}`);
  }
  t.diagnostic(`all: ${functions.length * COUNT} arguments, ${totals.bits} differ in X's last bits, ${totals.shown} main lines differ`);
});
