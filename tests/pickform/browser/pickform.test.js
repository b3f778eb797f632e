// The pick form in a real headless browser: built by brackwell-cli from a field with awkward
// names, it shows that field, follows the click rule, refuses a save as the pick program does,
// and downloads the very bytes the pick program writes for the same clicks, which the scorer
// then reads.
//
// Environment: PICKFORM_APP_DIR (the build's application folder), PICKFORM_CLI (brackwell-cli),
// PICKFORM_WRITER (the pick program's writer for the same clicks), and what
// tests/browser/chromium.js reads.
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
const { launchChromium } = require('../../browser/chromium');

const WAIT = 10000;  // every wait of the test, in milliseconds

// Windows-1252 bytes as the test writes them; the few high bytes it uses, as shown.
const SHOWN = { '\x80': '\u20ac', '\x93': '\u201c', '\x94': '\u201d', '\xe9': '\u00e9' };
const shown = (bytes) => [...bytes].map((c) => SHOWN[c] || c).join('');
const hex = (bytes) => Buffer.from(bytes, 'latin1').toString('hex');

// The field: names with "&", "<", quotes and bytes above 0x7F among plain ones.
const TEAMS = Array.from({ length: 64 }, (_, i) => `Team ${i + 1}`);
TEAMS[0] = 'Texas A&M';
TEAMS[1] = '<b>St. Mary\'s</b>';
TEAMS[2] = '"Quoted" \x93U\x94';
TEAMS[3] = 'Universit\xe9 \x80';
TEAMS[17] = '</plaintext><i>x';
const TITLE = 'Office Pool & <Friends>';
const REGIONS = ['Midwest Region', 'South Region', 'East Region', 'West Region'];
const POINTS = ['1', '2', '4', '8', '12', '16'];
const SEEDS = [' 1', '16', ' 8', ' 9', ' 5', '12', ' 4', '13', ' 6', '11', ' 3', '14', ' 7', '10', ' 2', '15'];

const MISSING = 'Required fields are missing.  You must fill in the fields\n' +
                'for *Initials*, *Name*, and *Total Points Prediction*.';
const BAD_TOTAL = 'Final Game - you must enter a valid prediction\n' +
                  '(between 50 & 250) for the total score of this game.';

const startPosition = (team) => 31 * Math.floor(team / 16) + 1 + (team % 16);
const button = (position) => `#lblRegion_${position - 1}`;

let folder;
let downloads;
let browser;
let page;
const clicks = [];  // every position clicked, in order, for the pick program's writer

async function caption(position) {
  return page.$eval(button(position), (b) => b.textContent);
}

async function click(position) {
  await page.click(button(position));
  clicks.push(position);
}

// The message of the next dialog the page opens (every dialog is dismissed).
const dialogWaiters = [];
async function nextDialog(action) {
  const message = new Promise((resolve, reject) => {
    const timer = setTimeout(() => reject(new Error('no dialog appeared')), WAIT);
    dialogWaiters.push((text) => { clearTimeout(timer); resolve(text); });
  });
  await action();
  return message;
}

async function setField(id, text) {
  await page.$eval(id, (input) => { input.value = ''; });
  if (text !== '') await page.type(id, text);
}

before(async () => {
  folder = fs.mkdtempSync(path.join(os.tmpdir(), 'pickform-'));
  downloads = path.join(folder, 'downloads');
  fs.mkdirSync(downloads);
  const app = env('PICKFORM_APP_DIR');
  for (const name of ['QUILLON.OBJ', 'QUILLON-TEMPLATE.HTM'])
    fs.copyFileSync(path.join(app, name), path.join(folder, name));
  const lines = ['*START*', ...TEAMS, TITLE, ...REGIONS, ...POINTS, ...SEEDS,
                 'Entries due Friday|Good luck', 'Second comment', '1', '*END*'];
  fs.writeFileSync(path.join(folder, 'POOLSTART.BKT'), Buffer.from(lines.join('\r\n') + '\r\n', 'latin1'));
  execFileSync(env('PICKFORM_CLI'), ['quillon', '--folder', folder], { timeout: WAIT });
  assert.ok(fs.existsSync(path.join(folder, 'QUILLON.HTM')));

  browser = await launchChromium();
  page = await browser.newPage();
  page.setDefaultTimeout(WAIT);
  page.on('dialog', async (dialog) => {
    const waiter = dialogWaiters.shift();
    await dialog.dismiss();
    if (waiter) waiter(dialog.message());
    else throw new Error(`a dialog nobody expected: ${dialog.message()}`);
  });
  const cdp = await page.createCDPSession();
  await cdp.send('Browser.setDownloadBehavior', { behavior: 'allow', downloadPath: downloads });
  await page.setViewport({ width: 1400, height: 900 });
  await page.goto('file://' + path.join(folder, 'QUILLON.HTM'), { waitUntil: 'load', timeout: WAIT });
});

after(async () => {
  if (browser) await browser.close();
  if (folder) fs.rmSync(folder, { recursive: true, force: true });
});

test('the page shows the field it carries, names and all, literally', async () => {
  assert.equal(await page.$eval('#lblTitle', (e) => e.textContent), TITLE);
  for (let r = 0; r < 4; ++r)
    assert.equal(await page.$eval(`#lblRegionTitle_${r}`, (e) => e.textContent), REGIONS[r]);
  for (let i = 0; i < 6; ++i) assert.equal(await page.$eval(`#lblInfo_${i}`, (e) => e.textContent), POINTS[i]);
  assert.equal(await page.$eval('#lblComment_0', (e) => e.textContent), 'Entries due Friday\nGood luck');
  assert.equal(await page.$eval('#lblComment_1', (e) => e.textContent), 'Second comment');
  for (let t = 0; t < 64; ++t) assert.equal(await caption(startPosition(t)), shown(TEAMS[t]), `team ${t + 1}`);
  assert.equal(await page.$eval('#lblRegion_1', (e) => e.innerHTML), '&lt;b&gt;St. Mary\'s&lt;/b&gt;');
  assert.equal(await page.$$eval('b, i', (found) => found.length), 0, 'no markup from the names');
  assert.equal(await page.$eval(button(1), (b) => b.getAttribute('aria-label')),
               'Midwest Region, first round, game 1: Texas A&M');
  assert.equal(await page.$eval(button(17), (b) => b.getAttribute('aria-label')),
               'Midwest Region, second round, game 1: no pick');
});

test('clicks carry a team forward and a re-pick takes the loser out of later rounds', async () => {
  for (const p of [1, 17, 25, 29, 31, 125]) await click(p);
  for (const p of [17, 25, 29, 31, 125, 127]) assert.equal(await caption(p), 'Texas A&M', `position ${p}`);
  await click(2);  // the first game now goes to its other team
  assert.equal(await caption(17), shown(TEAMS[1]));
  for (const p of [25, 29, 31, 125, 127]) assert.equal(await caption(p), '', `position ${p}`);
  await click(127);  // the champion's place takes no clicks
  // Keyboard: Enter and Space on a focused team pick it.
  await page.focus(button(3));
  await page.keyboard.press('Enter');
  clicks.push(3);
  assert.equal(await caption(18), shown(TEAMS[2]));
  await page.focus(button(4));
  await page.keyboard.press('Space');
  clicks.push(4);
  assert.equal(await caption(18), shown(TEAMS[3]));
});

test('a save is refused with the pick program\'s messages', async () => {
  const cases = [
    ['', '', '', MISSING],
    ['ab', 'Dub\u00e9', '', MISSING],
    ['ab', '', '150', MISSING],
    ['ab', 'Dub\u00e9', '49', BAD_TOTAL],
    ['ab', 'Dub\u00e9', '251', BAD_TOTAL],
    ['ab', 'Dub\u00e9', 'x7', BAD_TOTAL],  // only digits get into the box: "7"
  ];
  for (const [initials, name, total, message] of cases) {
    await setField('#txtPlayerInitials', initials);
    await setField('#txtPlayerName', name);
    await setField('#txtFinalPoints', total);
    assert.equal(await nextDialog(() => page.click('#cmdSaveAs')), message, `${initials}/${name}/${total}`);
  }
  assert.deepEqual(fs.readdirSync(downloads), [], 'nothing saved');
});

test('the download is the file the pick program writes, and it scores', async () => {
  // Every game of the bracket won by its upper team, round by round.
  for (let r = 0; r < 4; ++r)
    for (const offset of [1, 3, 5, 7, 9, 11, 13, 15, 17, 19, 21, 23, 25, 27, 29, 31]) await click(31 * r + offset);
  for (const p of [125, 126, 125]) await click(p);
  await setField('#txtPlayerInitials', 'abc');  // the box takes two
  await setField('#txtPlayerName', 'Dub\u00e9 & <Co>');
  await setField('#txtFinalPoints', '1500');  // and this one three digits
  await page.click('#cmdSaveAs');
  const expectedName = 'Dub\u00e9 & <Co>_ab.BKS';
  const deadline = Date.now() + WAIT;
  let saved = [];
  while (!saved.some((n) => !n.endsWith('.crdownload'))) {
    if (Date.now() > deadline) throw new Error(`no download; the folder holds ${saved}`);
    await new Promise((resolve) => setTimeout(resolve, 20));
    saved = fs.readdirSync(downloads);
  }
  assert.equal(saved.length, 1);
  // The browser may swap characters that file systems refuse; the name is the page's all the same.
  assert.match(await page.$eval('#lblSaved', (e) => e.textContent), new RegExp(`^Saved as ${expectedName.replace(/[.]/g, '\\.')}\\.`));
  const download = fs.readFileSync(path.join(downloads, saved[0]));

  const written = path.join(folder, 'Dube_ab.BKS');
  execFileSync(env('PICKFORM_WRITER'), [path.join(folder, 'QUILLON.EXE'), written, hex('ab'), hex('Dub\xe9 & <Co>'),
                                        hex('150'), ...clicks.map(String)], { timeout: WAIT });
  assert.ok(download.equals(fs.readFileSync(written)), 'byte for byte what the pick program writes');
  const lines = download.toString('latin1').split('\r\n');
  assert.equal(lines.length, 132);
  assert.equal(lines[0], TEAMS[0]);
  assert.equal(lines[126], TEAMS[16], 'the champion: region 1 reached the semifinal last');
  assert.deepEqual(lines.slice(127), ['ab', 'Dub\xe9 & <Co>', '150', '*END*', '']);

  // The scorer reads it: against results equal to the picks, every point of the field.
  fs.copyFileSync(written, path.join(folder, 'BRACKWELL.BKT'));
  const rows = execFileSync(env('PICKFORM_CLI'), ['score', '--folder', folder, 'Dube_ab.BKS'], { timeout: WAIT })
                 .toString('latin1').split('\n');
  const row = rows[1].split('\t');
  assert.equal(row[0], 'Dube_ab.BKS');
  assert.deepEqual(row.slice(2, 6), ['168', '168', '63', '0'], 'score, most possible, right, wrong');
});

test('on a phone the regions stack in one column', async () => {
  await page.setViewport({ width: 390, height: 844, isMobile: true, hasTouch: true });
  const boxes = await page.$$eval('.region', (regions) => regions.map((r) => r.getBoundingClientRect().toJSON()));
  for (let i = 1; i < 4; ++i) assert.ok(boxes[i].top >= boxes[i - 1].bottom, `region ${i} below region ${i - 1}`);
  for (const box of boxes) assert.ok(box.right <= 390 + 1, 'no region wider than the screen');
  await page.tap(button(33));
  assert.equal(await caption(48), TEAMS[17], 'a tap picks');
});
