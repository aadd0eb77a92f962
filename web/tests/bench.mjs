// Measurements of the web build (make bench; never a test):
//  - every file of the site, raw and gzipped (level 9), and the total a first
//    visit transfers with gzip;
//  - the first frame after navigation in headless Chromium, on a first visit
//    and on the visit after it (median of 5 each);
//  - the chart computation in the browser against native (orrery-chart-timing
//    built both ways).
//   node bench.mjs SITE_DIR NATIVE_BIN_DIR WEB_BIN_DIR
import { execFileSync } from 'node:child_process';
import fs from 'node:fs';
import path from 'node:path';
import zlib from 'node:zlib';

import { launch, openSite, serveSite, tempDir, waitIdle } from './harness.mjs';

const [siteDir, nativeBin, webBin] = process.argv.slice(2);
if (!webBin) {
  console.error('usage: node bench.mjs SITE_DIR NATIVE_BIN_DIR WEB_BIN_DIR');
  process.exit(2);
}

function sizes() {
  let raw = 0, gzipped = 0;
  for (const name of fs.readdirSync(siteDir).sort()) {
    const bytes = fs.readFileSync(path.join(siteDir, name));
    const packed = zlib.gzipSync(bytes, { level: 9 }).length;
    raw += bytes.length;
    gzipped += packed;
    console.log(`  ${name.padEnd(22)} ${String(bytes.length).padStart(9)} ${String(packed).padStart(9)}`);
  }
  console.log(`  ${'total'.padEnd(22)} ${String(raw).padStart(9)} ${String(gzipped).padStart(9)}` +
    `  (${(gzipped / 1e6).toFixed(2)} MB with gzip)`);
}

async function withBrowser(dir, work) {
  const server = await serveSite(dir);
  const profile = tempDir('bench-profile');
  const browser = await launch(profile);
  try {
    return await work(browser, server.url);
  } finally {
    await browser.close();
    await server.close();
    fs.rmSync(profile, { recursive: true, force: true });
  }
}

// The first frame of a first visit (fresh profile) and of the visit after
// it (the service worker's cache, the stored charts), median of 5 each.
async function firstFrame() {
  const first = [], again = [];
  const frameTime = (page) => page.evaluate(() => performance.getEntriesByName('orrery-first-frame')[0].startTime);
  for (let i = 0; i < 5; ++i) {
    await withBrowser(siteDir, async (browser, url) => {
      const page = await openSite(browser, `${url}?lang=en&clock=2024-03-01T12:00`);
      first.push(await frameTime(page));
      await page.evaluate(() => navigator.serviceWorker.ready);
      await page.reload();
      await waitIdle(page);
      again.push(await frameTime(page));
    });
  }
  const report = (what, times) => {
    times.sort((a, b) => a - b);
    console.log(`  first frame after navigation, ${what}: median ${times[2].toFixed(0)} ms ` +
      `(${times.map((t) => t.toFixed(0)).join(', ')})`);
  };
  report('first visit', first);
  report('next visit', again);
}

function microseconds(text) { return Number(/chart_us ([\d.]+)/.exec(text)[1]); }

async function computeRatio() {
  const native = microseconds(execFileSync(path.join(nativeBin, 'orrery-chart-timing'), { encoding: 'utf8' }));
  const web = await withBrowser(webBin, async (browser, url) => {
    const page = await browser.newPage();
    const printed = new Promise((resolve) => page.on('console', (m) => {
      if (m.text().startsWith('chart_us')) resolve(m.text());
    }));
    await page.goto(`${url}orrery-chart-timing.html`);
    return microseconds(await printed);
  });
  console.log(`  chart computation: native ${native.toFixed(1)} us, browser ${web.toFixed(1)} us, ` +
    `ratio ${(web / native).toFixed(2)}`);
}

console.log(`web site ${siteDir}: file, bytes, gzipped`);
sizes();
await firstFrame();
await computeRatio();
