// What the browser tests share: the site served from build-web/site on an
// ephemeral port, Debian's Chromium, tabrix-cli, and the comparison of the
// page's state with the console's.
import { AssertionError } from 'node:assert';
import { spawnSync } from 'node:child_process';
import { readFileSync, mkdtempSync, writeFileSync, rmSync } from 'node:fs';
import { createServer } from 'node:http';
import { tmpdir } from 'node:os';
import { dirname, extname, join, normalize, resolve, sep } from 'node:path';
import { fileURLToPath } from 'node:url';
import { chromium } from 'playwright-core';

const repo = resolve(dirname(fileURLToPath(import.meta.url)), '../..');
export const site = resolve(repo, process.env.TABRIX_SITE ?? 'build-web/site');
export const cliPath = resolve(repo, process.env.TABRIX_CLI ?? 'build/cli/tabrix-cli');
export const face = JSON.parse(readFileSync(join(site, 'face.json'), 'utf8'));

const types = {
  '.html': 'text/html; charset=utf-8', '.js': 'text/javascript; charset=utf-8', '.mjs': 'text/javascript; charset=utf-8',
  '.css': 'text/css; charset=utf-8', '.json': 'application/json', '.wasm': 'application/wasm',
  '.webmanifest': 'application/manifest+json', '.svg': 'image/svg+xml', '.png': 'image/png', '.ico': 'image/x-icon',
  '.txt': 'text/plain; charset=utf-8', '.woff2': 'font/woff2',
};

// A static server for `folder` on 127.0.0.1: {url, close()}.
export async function serve(folder = site) {
  const server = createServer((request, response) => {
    let path = decodeURIComponent(new URL(request.url, 'http://x').pathname);
    if (path.endsWith('/')) path += 'index.html';
    const file = normalize(join(folder, path));
    if (!file.startsWith(folder + sep)) return response.writeHead(403).end();
    let body;
    try { body = readFileSync(file); } catch { return response.writeHead(404).end('not found'); }
    response.writeHead(200, { 'Content-Type': types[extname(file)] ?? 'application/octet-stream', 'Cache-Control': 'no-cache' });
    response.end(request.method === 'HEAD' ? undefined : body);
  });
  await new Promise((done) => server.listen(0, '127.0.0.1', done));
  return { url: `http://127.0.0.1:${server.address().port}/`, close: () => new Promise((done) => server.close(done)) };
}

export function launch() {
  return chromium.launch({ executablePath: process.env.CHROMIUM ?? '/usr/bin/chromium', headless: true, args: ['--no-sandbox'] });
}

export const phone = { viewport: { width: 360, height: 640 }, hasTouch: true, isMobile: true, deviceScaleFactor: 2 };
export const desktop = { viewport: { width: 1280, height: 800 } };

// Opens the page in a new context and waits until it is usable.
export async function open(browser, url, options = {}) {
  const context = await browser.newContext({ serviceWorkers: 'block', ...options });
  const page = await context.newPage();
  const errors = [];
  page.on('pageerror', (error) => errors.push(String(error)));
  page.errors = errors;
  await page.goto(url);
  await ready(page);
  return page;
}

export async function ready(page) {
  await page.waitForFunction(() => document.documentElement.dataset.ready === 'true' && window.tabrix, null, { timeout: 20000 });
  await page.evaluate(() => window.tabrix.ready);
}

export const pageState = (page) =>
  page.evaluate(() => { const s = window.tabrix.state(); return typeof s === 'string' ? JSON.parse(s) : s; });

// Runs console tokens on the page after a reset; throws on a refused token.
export async function pageRun(page, tokens, seed = 1) {
  const result = await page.evaluate(([t, s]) => { window.tabrix.reset({ seed: s }); return window.tabrix.run(t); }, [tokens, seed]);
  if (!result.ok) throw new Error(`page refused "${tokens}": ${result.error}`);
}

// tabrix-cli with these arguments: its standard output (also where it
// reports a refused file or paste on standard error and fails).
export function cli(args, input) {
  const run = spawnSync(cliPath, args, { input, encoding: 'utf8', maxBuffer: 1 << 28 });
  if (run.status !== 0 && !run.stdout) throw new Error(`tabrix-cli ${args.join(' ')}: ${run.stderr || run.error}`);
  return run.stdout;
}

export const cliState = (tokens, seed = 1, extra = []) =>
  JSON.parse(cli(['--json', '--seed', String(seed), ...extra, ...tokens]));

// A scratch folder, removed at exit.
export function scratch() {
  const folder = mkdtempSync(join(tmpdir(), 'tabrix-web-'));
  process.on('exit', () => rmSync(folder, { recursive: true, force: true }));
  return { folder, file: (name, data) => { const path = join(folder, name); if (data !== undefined) writeFileSync(path, data); return path; } };
}

// The distance of two doubles in units in the last place.
export function ulps(a, b) {
  if (Object.is(a, b)) return 0;
  const order = (x) => { const v = new BigInt64Array(new Float64Array([x]).buffer)[0]; return v < 0n ? -(v & 0x7fffffffffffffffn) : v; };
  const d = order(a) - order(b);
  return Number(d < 0n ? -d : d);
}

// Numbers that went through the math library's transcendental functions may
// differ between the browser and the C library in the last bits; shown texts
// and everything else may not.
export function closeEnough(a, b) {
  return ulps(a, b) <= 4 || Math.abs(a - b) <= 1e-15 * Math.max(Math.abs(a), Math.abs(b));
}

// The differences of the page's state from the console's, as readable lines;
// `loose` lets numbers differ as closeEnough allows; fields in `ignore` are
// left out.
export function differences(pageSide, cliSide, loose, ignore = []) {
  const found = [];
  const walk = (p, c, path) => {
    if (ignore.includes(path)) return;
    if (typeof c === 'number' && typeof p === 'number') {
      if (!Object.is(p, c) && !(loose && closeEnough(p, c))) found.push(`${path}: page ${p}, console ${c} (${ulps(p, c)} ulps)`);
    } else if (c !== null && typeof c === 'object' && p !== null && typeof p === 'object') {
      for (const key of Object.keys(c)) walk(p[key], c[key], path ? `${path}.${key}` : key);
    } else if (!Object.is(p, c)) {
      found.push(`${path}: page ${JSON.stringify(p)}, console ${JSON.stringify(c)}`);
    }
  };
  walk(pageSide, cliSide, '');
  return found;
}

// Asserts that the page's state is the console's (see differences).
export function same(pageSide, cliSide, message = '', { loose = false, ignore = [] } = {}) {
  const found = differences(pageSide, cliSide, loose, ignore);
  if (found.length > 0) throw new AssertionError({ message: `${message}\n  ${found.slice(0, 8).join('\n  ')}` });
}

// Tokens after which numbers may carry the math library's last bits.
const transcendental = new Set(['EXP', 'LN', 'ALOG', 'LOG', 'SIN', 'ASIN', 'COS', 'ACOS', 'TAN', 'ATAN', 'POW', '>P', '>R', 'FACT']);
const byCode = new Map(face.keys.map((key) => [key.code, key]));
export function usesTranscendental(codes) {
  return codes.some((code) => {
    const key = byCode.get(code);
    return key && (transcendental.has(key.plain.token) || transcendental.has(key.shifted.token));
  });
}

// A small seeded generator (mulberry32): the same seed, the same sequence.
export function random(seed) {
  let a = seed >>> 0;
  const next = () => {
    a = (a + 0x6d2b79f5) >>> 0;
    let t = a;
    t = Math.imul(t ^ (t >>> 15), t | 1);
    t ^= t + Math.imul(t ^ (t >>> 7), t | 61);
    return ((t ^ (t >>> 14)) >>> 0) / 4294967296;
  };
  next.int = (n) => Math.floor(next() * n);
  next.pick = (list) => list[Math.floor(next() * list.length)];
  return next;
}

// The key codes that type these key tokens ("1 2 ENTER FIX 3"): a shifted
// function is F, then its key.
export function keyCodes(tokens) {
  return tokens.split(/\s+/).filter(Boolean).flatMap((token) => {
    const plain = face.keys.find((key) => key.plain.token === token);
    if (plain) return [plain.code];
    const shifted = face.keys.find((key) => key.shifted.token === token);
    if (!shifted) throw new Error(`no key for ${token}`);
    return [25, shifted.code];
  });
}

export async function click(page, tokens) {
  for (const code of keyCodes(tokens)) await page.locator(`button[data-code="${code}"]`).click();
}

// Opens the menu and activates the item of that name.
export async function menu(page, name) {
  await page.locator('#menu-button').click();
  await page.getByRole('button', { name, exact: true }).click();
}
