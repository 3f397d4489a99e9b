// The web page's figures: its weight under gzip -9, the time until the face
// is painted, the time from a key's release until the change is on screen,
// and Lighthouse's accessibility and performance scores (mobile).
//
//   node bench.mjs SITE RUNS [--quick]
import { readdirSync, readFileSync, statSync } from 'node:fs';
import { createServer } from 'node:http';
import { extname, join, normalize, relative, sep } from 'node:path';
import { gzipSync } from 'node:zlib';
import * as chromeLauncher from 'chrome-launcher';
import lighthouse from 'lighthouse';
import { chromium } from 'playwright-core';

const [site, runsText = '10', mode] = process.argv.slice(2);
const runs = Math.max(1, Number(runsText));
const quick = mode === '--quick';
const chromiumPath = process.env.CHROMIUM ?? '/usr/bin/chromium';
const median = (values) => { const s = [...values].sort((a, b) => a - b); const m = s.length >> 1; return s.length % 2 ? s[m] : (s[m - 1] + s[m]) / 2; };
const ms = (value) => (value === undefined || Number.isNaN(value) ? '-' : `${value.toFixed(1)} ms`);

// (a) Weight: what a first visit fetches, every file under gzip -9, less the
// large icons (drawn for installing, not for the page) and screenshots.
function files(folder) {
  return readdirSync(folder, { withFileTypes: true }).flatMap((entry) =>
    entry.isDirectory() ? files(join(folder, entry.name)) : [join(folder, entry.name)]);
}
function pngWidth(path) {
  const data = readFileSync(path);
  return data.length > 24 && data.toString('latin1', 12, 16) === 'IHDR' ? data.readUInt32BE(16) : 0;
}
const weighed = files(site).map((path) => ({ name: relative(site, path).split(sep).join('/'), path }))
  .filter(({ name, path }) => !/screenshot/i.test(name) && !(extname(path) === '.png' && pngWidth(path) > 192))
  .map(({ name, path }) => ({ name, raw: statSync(path).size, gzip: gzipSync(readFileSync(path), { level: 9 }).length }))
  .sort((a, b) => b.gzip - a.gzip);
const total = weighed.reduce((sum, f) => sum + f.gzip, 0);

console.log('Web page: weight under gzip -9 (without icons over 192 px and screenshots)');
for (const f of weighed) console.log(`  ${f.name.padEnd(28)} ${String(f.raw).padStart(9)} B  ${String(f.gzip).padStart(8)} B gzip`);
console.log(`  ${'total'.padEnd(28)} ${' '.repeat(11)}  ${String(total).padStart(8)} B gzip = ${(total / 1000).toFixed(1)} KB (goal <= 400 KB)`);

// The site on an ephemeral port.
const types = { '.html': 'text/html; charset=utf-8', '.js': 'text/javascript', '.css': 'text/css', '.json': 'application/json',
  '.wasm': 'application/wasm', '.webmanifest': 'application/manifest+json', '.svg': 'image/svg+xml', '.png': 'image/png' };
const server = createServer((request, response) => {
  let path = decodeURIComponent(new URL(request.url, 'http://x').pathname);
  if (path.endsWith('/')) path += 'index.html';
  const file = normalize(join(site, path));
  if (!file.startsWith(site + sep)) return response.writeHead(403).end();
  try {
    const body = readFileSync(file);
    response.writeHead(200, { 'Content-Type': types[extname(file)] ?? 'application/octet-stream' }).end(body);
  } catch { response.writeHead(404).end(); }
});
await new Promise((done) => server.listen(0, '127.0.0.1', done));
const url = `http://127.0.0.1:${server.address().port}/`;

// (b) In headless Chromium: from navigation to the ready flag, and to the
// first frame painted after it; from the moment the page has a key's
// release until the frame that shows its change has been painted: the next
// animation frame, and the task after it (the frame's paint comes between
// the two). The page's own work for a key is timed alone too.
const browser = await chromium.launch({ executablePath: chromiumPath, args: ['--no-sandbox'] });
const watch = () => {
  window.__bench = { marks: {} };
  new PerformanceObserver((list) => {
    for (const entry of list.getEntries()) window.__bench.marks[entry.name] = entry.startTime;
  }).observe({ type: 'paint', buffered: true });
  const check = () => {
    if (document.documentElement?.dataset.ready !== 'true' || window.__bench.ready !== undefined) return;
    window.__bench.ready = performance.now();
    requestAnimationFrame(() => requestAnimationFrame(() => { window.__bench.painted = performance.now(); }));
  };
  new MutationObserver(check).observe(document, { attributes: true, subtree: true, attributeFilter: ['data-ready'] });
};
const starts = [];
for (let run = 0; run < Math.max(runs, quick ? 1 : 5); ++run) {
  const context = await browser.newContext({ viewport: { width: 360, height: 640 }, hasTouch: true, isMobile: true, serviceWorkers: 'block' });
  const page = await context.newPage();
  await page.addInitScript(watch);
  await page.goto(url);
  await page.waitForFunction(() => window.__bench?.painted !== undefined, null, { timeout: 30000 });
  starts.push(await page.evaluate(() => ({
    ...window.__bench,
    page: Object.fromEntries(performance.getEntriesByType('mark').map((m) => [m.name, m.startTime])),
  })));
  await context.close();
}

const page = await browser.newPage({ viewport: { width: 1280, height: 800 } });
await page.goto(url);
await page.waitForFunction(() => document.documentElement.dataset.ready === 'true', null, { timeout: 30000 });
await page.evaluate(() => {
  window.__presses = [];
  window.__handled = [];
  // Before the page's own handler (capture on the window), and after it.
  addEventListener('pointerup', () => {
    const released = performance.now();
    window.__released = released;
    requestAnimationFrame(() => setTimeout(() => window.__presses.push(performance.now() - released), 0));
  }, true);
  addEventListener('pointerup', () => window.__handled.push(performance.now() - window.__released));
});
const centre = async (code) => {
  const box = await page.locator(`button[data-code="${code}"]`).boundingBox();
  return [box.x + box.width / 2, box.y + box.height / 2];
};
const cycle = await Promise.all([21, 20, 22, 30, 7].map(centre));  // 1 ENTER 2 + SQRT
for (let i = 0; i < 50; ++i) {
  await page.mouse.click(...cycle[i % cycle.length]);
  await page.waitForFunction((n) => window.__presses.length >= n, i + 1);
}
const presses = await page.evaluate(() => window.__presses);
const handled = await page.evaluate(() => window.__handled);
await browser.close();

console.log(`\nWeb page: times in headless Chromium (median of ${starts.length} cold start${starts.length > 1 ? 's' : ''} on a 360 x 640 phone; 50 key presses)`);
const pageMarks = [...new Set(starts.flatMap((s) => Object.keys(s.page)))];
const rows = [
  ['first contentful paint', median(starts.map((s) => s.marks['first-contentful-paint'] ?? NaN))],
  ['ready (data-ready="true")', median(starts.map((s) => s.ready))],
  ['face painted (ready + 2 frames)', median(starts.map((s) => s.painted))],
  ...pageMarks.map((name) => [`page mark "${name}"`, median(starts.map((s) => s.page[name] ?? NaN))]),
  ["the page's work for a key (median)", median(handled)],
  ['key release to repaint (median)', median(presses)],
  ['key release to repaint (slowest)', Math.max(...presses)],
];
for (const [name, value] of rows) console.log(`  ${name.padEnd(34)} ${ms(value).padStart(10)}`);

// (c) Lighthouse, mobile profile with its simulated throttling.
const audits = quick ? 1 : Math.min(runs, 3);
const scores = { accessibility: [], performance: [] };
for (let run = 0; run < audits; ++run) {
  const chrome = await chromeLauncher.launch({ chromePath: chromiumPath, chromeFlags: ['--headless=new', '--no-sandbox', '--disable-gpu'] });
  try {
    const result = await lighthouse(url, { port: chrome.port, output: 'json', logLevel: 'error', onlyCategories: ['accessibility', 'performance'] });
    for (const category of Object.keys(scores)) scores[category].push(Math.round((result.lhr.categories[category].score ?? NaN) * 100));
  } finally {
    await chrome.kill();
  }
}
console.log(`\nWeb page: Lighthouse 12, mobile (median of ${audits} run${audits > 1 ? 's' : ''})`);
for (const [category, values] of Object.entries(scores)) console.log(`  ${category.padEnd(34)} ${String(median(values)).padStart(10)}`);
server.close();
