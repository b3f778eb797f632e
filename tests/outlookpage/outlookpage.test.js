// The outlook page in a real headless browser: written by brackwell-cli for a pool whose names
// carry "&", "<", quotes and bytes above 0x7F, it opens from the file alone, shows every
// participant literally, and fits a phone 375 pixels wide without scrolling sideways.
//
// Environment: OUTLOOKPAGE_CLI (brackwell-cli), and what tests/browser/chromium.js reads.
'use strict';

const { test, before, after } = require('node:test');
const assert = require('node:assert/strict');
const { execFileSync } = require('node:child_process');
const fs = require('node:fs');
const os = require('node:os');
const path = require('node:path');

const env = (name) => {
  const value = process.env[name];
  if (!value) throw new Error(`${name} is not set`);
  return value;
};
const { launchChromium } = require('../browser/chromium');

const WAIT = 10000;
// Windows-1252 bytes as written; the high ones used, as shown.
const SHOWN = { '\x80': '\u20ac', '\x93': '\u201c', '\x94': '\u201d', '\xe9': '\u00e9' };
const shown = (bytes) => [...bytes].map((c) => SHOWN[c] || c).join('');

const TITLE = 'Office Pool & <Friends> \x93\x80\x94';
const TEAMS = Array.from({ length: 64 }, (_, i) => `Team ${i + 1}`);
TEAMS[0] = 'Texas A&M';
TEAMS[1] = '<b>St. Mary\'s</b>';
const PLAYERS = [['Smith & Sons', 'SS'], ['<i>Lee</i>', 'LL'], ['"Quoted" O\'Neil', 'QO'],
                 ['Ren\xe9e \x93R\x94 \x80', 'RR'], ['Averyveryveryverylongnamewithoutanyspaceatall', 'AV'], ['Plain', 'PP']];
const SEEDS = [' 1', '16', ' 8', ' 9', ' 5', '12', ' 4', '13', ' 6', '11', ' 3', '14', ' 7', '10', ' 2', '15'];

const isSlot = (p) => p <= 124 && (p - 1) % 31 < 16;
const round = (p) => (p === 127 ? 6 : p >= 125 ? 5 : [0, 1, 2, 3, 4][[16, 24, 28, 30, 31].findIndex((e) => (p - 1) % 31 + 1 <= e)]);
const feeders = (p) => {
  if (p === 125) return [31, 62];
  if (p === 126) return [93, 124];
  if (p === 127) return [125, 126];
  const r = Math.floor((p - 1) / 31);
  const m = p - 31 * r - 17;
  return [31 * r + 2 * m + 1, 31 * r + 2 * m + 2];
};
// The bracket's 127 lines, each game going up or down as `upper(position)` says.
const bracket = (upper) => {
  const lines = [''];
  for (let p = 1; p <= 127; ++p) {
    if (isSlot(p)) lines.push(TEAMS[16 * Math.floor((p - 1) / 31) + (p - 1) % 31]);
    else lines.push(lines[feeders(p)[upper(p) ? 0 : 1]]);
  }
  return lines.slice(1);
};
const file = (lines, initials, name) =>
  Buffer.from([...lines, initials, name, '140', '*END*'].join('\r\n') + '\r\n', 'latin1');

let folder;
let browser;
let page;

before(async () => {
  folder = fs.mkdtempSync(path.join(os.tmpdir(), 'outlookpage-'));
  const start = ['*START*', ...TEAMS, TITLE, 'Midwest', 'South', 'East', 'West', '1', '2', '4', '8', '16', '32',
                 ...SEEDS, 'First comment', 'Second comment', '1', '*END*'];
  fs.writeFileSync(path.join(folder, 'POOLSTART.BKT'), Buffer.from(start.join('\r\n') + '\r\n', 'latin1'));
  // The first three rounds played, the better slot winning; the Elite Eight on open.
  const results = bracket(() => true).map((line, i) => (round(i + 1) > 3 ? '' : line));
  fs.writeFileSync(path.join(folder, 'BRACKWELL.BKT'), file(results, 'R', 'Results'));
  PLAYERS.forEach(([name, initials], k) =>
    fs.writeFileSync(path.join(folder, `P${k}_${initials}.BKS`), file(bracket((p) => (p * (k + 3)) % 7 > 1), initials, name)));
  execFileSync(env('OUTLOOKPAGE_CLI'), ['outlook', '--folder', folder, '--payout', '50,30,20', '--sims', '20000',
                                        '--html', path.join(folder, 'outlook.html')], { timeout: 240000 });

  browser = await launchChromium();
  page = await browser.newPage();
  page.setDefaultTimeout(WAIT);
});

after(async () => {
  if (browser) await browser.close();
  if (folder) fs.rmSync(folder, { recursive: true, force: true });
});

async function open(width) {
  const requests = [];
  page.removeAllListeners('request');
  page.on('request', (request) => requests.push(request.url()));
  await page.setViewport({ width, height: 800, isMobile: width < 500, hasTouch: width < 500 });
  await page.goto('file://' + path.join(folder, 'outlook.html'), { waitUntil: 'load', timeout: WAIT });
  return requests;
}

test('the page opens from its file alone and shows every participant literally', async () => {
  const requests = await open(1200);
  assert.deepEqual(requests, ['file://' + path.join(folder, 'outlook.html')], 'nothing fetched besides the page');
  assert.equal(await page.$eval('h1', (e) => e.textContent), shown(TITLE));
  const names = await page.$$eval('tbody td.name', (cells) => cells.map((c) => c.textContent));
  assert.deepEqual([...names].sort(), PLAYERS.map(([name, initials]) => `${shown(name)}, ${initials}`).sort());
  assert.equal(await page.$$eval('b, i', (found) => found.length), 0, 'no markup from the names');
  const header = await page.$$eval('thead th', (cells) => cells.map((c) => c.textContent));
  assert.deepEqual(header, ['Player', 'Points', 'Most possible', 'Chance of first', 'Chance of first (coin toss)',
                            'Status', 'Expected prize']);
  // The chart: one line per leader, the replay from the start to the third round.
  const lines = await page.$$eval('svg polyline', (found) => found.map((l) => l.getAttribute('points').split(' ').length));
  assert.ok(lines.length >= 1 && lines.length <= 5);
  for (const points of lines) assert.equal(points, 4);
});

test('the page fits a phone 375 pixels wide without scrolling sideways', async () => {
  await open(375);
  const widths = await page.evaluate(() => [document.documentElement.scrollWidth, document.body.scrollWidth,
                                            window.innerWidth]);
  assert.ok(widths[0] <= 375 && widths[1] <= 375, `the page is ${widths} wide`);
  const overflowing = await page.$$eval('td, h1, svg, p', (found) =>
    found.filter((e) => e.getBoundingClientRect().right > 375.5).map((e) => e.textContent));
  assert.deepEqual(overflowing, []);
  assert.equal(await page.$eval('meta[name=viewport]', (m) => m.content), 'width=device-width, initial-scale=1');
});
