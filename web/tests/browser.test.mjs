// The web build in a real browser (Debian's chromium-headless-shell), one
// session walking the cases in order: the start chart's five views and the
// New Chart wizard, typed and tapped through, match the desktop program's
// screens for the same input pixel for pixel; the new chart survives a
// reload; the chart file exports in the desktop's format and a damaged one
// imports nothing; after one visit the site starts with its server gone; on
// a phone, touch taps and a text field takes the keyboard; a second tab does
// not start a second program, and speaks the browser's language.
//
//   node browser.test.mjs     (ORRERY_WEB_SITE: the site, ORRERY_BIN_DIR: orrery, orrery-cli)
// Exits with 77 (skipped) when no site has been built.
import assert from 'node:assert/strict';
import { execFileSync } from 'node:child_process';
import fs from 'node:fs';
import path from 'node:path';
import { after, before, test } from 'node:test';
import { fileURLToPath } from 'node:url';

import { launch, openSite, readPng, readScreen, replay, runNative, serveSite, tempDir, waitIdle } from './harness.mjs';

const here = path.dirname(fileURLToPath(import.meta.url));
const siteDir = process.env.ORRERY_WEB_SITE;
const binDir = process.env.ORRERY_BIN_DIR;
if (!siteDir || !fs.existsSync(path.join(siteDir, 'orrery.wasm'))) {
  console.log(`no web site at ${siteDir}: run make web`);
  process.exit(77);
}
const CLOCK = '2024-03-01T12:00';
const LANG = 'en';

const work = tempDir('browser');
let site, browser, page;

before(async () => {
  site = await serveSite(siteDir);
  browser = await launch(path.join(work, 'profile'));
  page = await openSite(browser, `${site.url}?lang=${LANG}&clock=${CLOCK}`);
});

after(async () => {
  await browser?.close();
  await site?.close();
  fs.rmSync(work, { recursive: true, force: true });
});

// What the session has played so far: the desktop program gets all of it,
// so it stands where the page stands.
let played = '';

function runNativeSession(shotDir, home) {
  runNative(binDir, { script: played, shotDir, clock: CLOCK, lang: LANG, home });
}

// Plays a script in the page and, after the session so far, on the desktop
// program, and compares every shot.
async function expectSameScreens(scriptName) {
  const script = fs.readFileSync(path.join(here, scriptName), 'utf8');
  played += script + '\n';
  const shots = fs.mkdtempSync(path.join(work, 'shots-'));
  runNativeSession(shots);
  const differing = [];
  let compared = 0;
  await replay(page, script, {
    async shot(name) {
      const expected = readPng(path.join(shots, `${name}.png`));
      if (!expected.rgb.equals(await readScreen(page))) differing.push(name);
      ++compared;
    },
    // "# keyboard up" / "# keyboard down": whether the page's input (and so
    // a phone's on-screen keyboard) has the focus now.
    async comment(text) {
      const wanted = { 'keyboard up': true, 'keyboard down': false }[text];
      if (wanted !== undefined) assert.equal(await keyboardHasFocus(), wanted, `${scriptName}: ${text}`);
    },
  });
  assert.ok(compared > 0, `${scriptName} takes no shot`);
  assert.deepEqual(differing, [], `screens that differ from the desktop's: ${differing.join(', ')}`);
}

async function keyboardHasFocus() {
  return page.evaluate(() => document.activeElement === document.getElementById('keyboard'));
}

// Clicks "Export charts" and returns the downloaded file once the browser
// reports it complete.
async function exportCharts(name) {
  const folder = path.join(work, name);
  fs.mkdirSync(folder);
  const cdp = await browser.target().createCDPSession();
  await cdp.send('Browser.setDownloadBehavior',
    { behavior: 'allowAndName', downloadPath: folder, eventsEnabled: true });
  const named = new Promise((resolve) => cdp.on('Browser.downloadWillBegin', (e) => resolve(e.suggestedFilename)));
  const done = new Promise((resolve, reject) => cdp.on('Browser.downloadProgress', (e) => {
    if (e.state === 'completed') resolve(e.guid);
    if (e.state === 'canceled') reject(new Error('the download was cancelled'));
  }));
  await page.click('#export');
  assert.equal(await named, 'qastrology.dat');
  const bytes = fs.readFileSync(path.join(folder, await done));
  await cdp.detach();
  return bytes;
}

function cli(home, ...args) {
  return execFileSync(path.join(binDir, 'orrery-cli'), ['charts', ...args, '--home', home], { encoding: 'utf8' });
}

async function importCharts(bytes) {
  const file = path.join(work, `import-${Date.now()}.dat`);
  fs.writeFileSync(file, bytes);
  await page.$eval('#status', (s) => { s.textContent = ''; });
  const input = await page.$('#import');
  await input.uploadFile(file);
  await page.waitForFunction(() => document.getElementById('status').textContent !== '');
  return page.$eval('#status', (s) => s.textContent);
}

test('the start chart\'s five views are the desktop program\'s', async () => {
  await expectSameScreens('start-views.script');
});

test('the New Chart wizard, tapped and typed through, is the desktop program\'s and stores the chart', async () => {
  await expectSameScreens('new-chart.script');
});

test('a reload starts with the new chart, as the desktop program starts again', async () => {
  const home = fs.mkdtempSync(path.join(work, 'home-'));
  const shots = fs.mkdtempSync(path.join(work, 'shots-'));
  runNativeSession(shots, home);
  played = 'shot restarted\n';
  runNativeSession(shots, home);
  await page.reload();
  await waitIdle(page);
  assert.ok(readPng(path.join(shots, 'restarted.png')).rgb.equals(await readScreen(page)),
    'the screen after the reload differs from the desktop program\'s after a restart');
});

test('Export charts gives the desktop\'s chart file; a damaged import changes nothing and says why', async () => {
  const exported = await exportCharts('export-1');
  const home = path.join(work, 'cli-home');
  fs.mkdirSync(home);
  fs.writeFileSync(path.join(home, 'qastrology.dat'), exported);
  cli(home, 'verify');
  assert.match(cli(home, 'list'), /Jürgen Ulmer/);

  const damaged = Buffer.from(exported);
  damaged[16 + 40] ^= 0xff;
  assert.match(await importCharts(damaged), /damaged/);
  assert.ok((await exportCharts('export-2')).equals(exported), 'the damaged import changed the charts');

  assert.equal(await importCharts(exported), 'Charts imported.');
  fs.writeFileSync(path.join(home, 'qastrology.dat'), await exportCharts('export-3'));
  assert.equal(cli(home, 'list').match(/Jürgen Ulmer/g).length, 2);
});

test('after one visit the site starts and computes the chart with no server', async () => {
  await page.evaluate(() => navigator.serviceWorker.ready);
  const online = await readScreen(page);
  await site.close();
  await page.reload();
  await waitIdle(page);
  assert.ok(online.equals(await readScreen(page)), 'the page started differently without its server');
});

test('on a phone, touch is the stylus and a text field brings up the keyboard', async () => {
  await page.setViewport({ width: 390, height: 844, deviceScaleFactor: 3, isMobile: true, hasTouch: true });
  await waitIdle(page);
  const box = await page.$eval('#screen', (c) => c.getBoundingClientRect().toJSON());
  assert.equal(box.width, 320, 'the screen is not 4 device pixels a pixel');
  const tap = async (x, y) => {
    await page.touchscreen.tap(box.x + (x + 0.5) * box.width / 240, box.y + (y + 0.5) * box.height / 320);
    await waitIdle(page);
  };
  await tap(20, 307);  // Chart
  await tap(30, 221);  // New
  await tap(100, 43);  // the name field
  assert.equal(await keyboardHasFocus(), true, 'no keyboard for the name field');
  await tap(192, 275);  // Cancel
  assert.equal(await keyboardHasFocus(), false, 'the keyboard stays after the wizard');
  await page.setViewport({ width: 480, height: 720 });
  await waitIdle(page);
});

test('a second tab of the same browser leaves the charts to the first, in the browser\'s language', async () => {
  const second = await browser.newPage();
  // A browser set to German: navigator.language and Accept-Language say de-DE.
  const cdp = await second.createCDPSession();
  await cdp.send('Emulation.setUserAgentOverride', { userAgent: await browser.userAgent(), acceptLanguage: 'de-DE' });
  assert.equal(await second.evaluate(() => navigator.language), 'de-DE');
  await second.goto(site.url);
  await second.waitForFunction(() => document.getElementById('status').textContent !== '');
  assert.match(await second.$eval('#status', (s) => s.textContent), /in einem anderen Tab/);
  assert.equal(await second.$eval('#export', (b) => b.textContent), 'Horoskope exportieren');
  assert.equal(await second.evaluate(() => Module.orrery.idle()), false, 'a second program runs');
  await second.close();
});
