// What the browser tests and the measurements share: the site served on a
// free port of 127.0.0.1, Debian's chromium-headless-shell with a profile of
// its own, the page's screen read back, PNG files read, and the native
// program run headless for the same input.
import { execFileSync } from 'node:child_process';
import fs from 'node:fs';
import http from 'node:http';
import os from 'node:os';
import path from 'node:path';
import zlib from 'node:zlib';

import puppeteer from 'puppeteer-core';

export const CHROMIUM = '/usr/lib/chromium/chromium-headless-shell';
const TYPES = { '.html': 'text/html', '.js': 'text/javascript', '.css': 'text/css',
  '.wasm': 'application/wasm', '.png': 'image/png', '.webmanifest': 'application/manifest+json' };

// A folder of its own for one test run, removed by the caller.
export function tempDir(name) {
  return fs.mkdtempSync(path.join(os.tmpdir(), `orrery-web-${name}-${process.pid}-`));
}

// Serves dir on 127.0.0.1 on a port the system picks; close() stops it.
export async function serveSite(dir) {
  const server = http.createServer((req, res) => {
    const name = decodeURIComponent(new URL(req.url, 'http://x').pathname).replace(/^\/+/, '') || 'index.html';
    const file = path.join(dir, path.normalize(name));
    if (!file.startsWith(dir) || !fs.existsSync(file) || !fs.statSync(file).isFile()) {
      res.writeHead(404).end();
      return;
    }
    res.writeHead(200, { 'Content-Type': TYPES[path.extname(file)] || 'application/octet-stream' });
    fs.createReadStream(file).pipe(res);
  });
  server.keepAliveTimeout = 100;
  await new Promise((resolve) => server.listen(0, '127.0.0.1', resolve));
  return {
    url: `http://127.0.0.1:${server.address().port}/`,
    close: () => new Promise((resolve) => { server.closeAllConnections(); server.close(resolve); }),
  };
}

export function launch(profileDir) {
  return puppeteer.launch({ executablePath: CHROMIUM, headless: 'shell', userDataDir: profileDir,
    args: ['--no-sandbox', '--disable-gpu'] });
}

// A page showing the site at url, its whole screen inside the viewport, once
// the program has painted and waits for input.
export async function openSite(browser, url) {
  const page = await browser.newPage();
  await page.setViewport({ width: 480, height: 720 });
  page.on('pageerror', (e) => console.error('page error:', e.message));
  await page.goto(url);
  await waitIdle(page);
  return page;
}

export async function waitIdle(page) {
  await page.waitForFunction(() => window.Module && Module.orrery && Module.orrery.idle(),
    { timeout: 30000, polling: 20 });
}

// The screen's 240 x 320 pixels as RGB bytes.
export async function readScreen(page) {
  const data = await page.evaluate(() => {
    const c = document.getElementById('screen');
    const rgba = c.getContext('2d').getImageData(0, 0, c.width, c.height).data;
    let s = '';
    for (let i = 0; i < rgba.length; i += 4) s += String.fromCharCode(rgba[i], rgba[i + 1], rgba[i + 2]);
    return btoa(s);
  });
  return Buffer.from(data, 'base64');
}

// The RGB bytes of an 8-bit RGB PNG (what the headless host writes).
export function readPng(file) {
  const bytes = fs.readFileSync(file);
  const channels = 3;
  let width = 0, height = 0;
  const idat = [];
  for (let at = 8; at < bytes.length;) {
    const length = bytes.readUInt32BE(at);
    const type = bytes.toString('latin1', at + 4, at + 8);
    const body = bytes.subarray(at + 8, at + 8 + length);
    if (type === 'IHDR') {
      width = body.readUInt32BE(0);
      height = body.readUInt32BE(4);
      if (body[8] !== 8 || body[9] !== 2 || body[12] !== 0) throw new Error(`${file}: unsupported PNG`);
    } else if (type === 'IDAT') {
      idat.push(body);
    }
    at += 12 + length;
  }
  const raw = zlib.inflateSync(Buffer.concat(idat));
  const stride = width * channels;
  const pixels = Buffer.alloc(width * height * channels);
  for (let y = 0; y < height; ++y) {
    const filter = raw[y * (stride + 1)];
    for (let x = 0; x < stride; ++x) {
      const v = raw[y * (stride + 1) + 1 + x];
      const a = x >= channels ? pixels[y * stride + x - channels] : 0;
      const b = y > 0 ? pixels[(y - 1) * stride + x] : 0;
      const c = x >= channels && y > 0 ? pixels[(y - 1) * stride + x - channels] : 0;
      const p = a + b - c;
      const paeth = Math.abs(p - a) <= Math.abs(p - b) && Math.abs(p - a) <= Math.abs(p - c) ? a
        : (Math.abs(p - b) <= Math.abs(p - c) ? b : c);
      pixels[y * stride + x] = (v + [0, a, b, (a + b) >> 1, paeth][filter]) & 255;
    }
  }
  return { width, height, rgb: pixels };
}

// Runs the native program headless on a script text, with the given home
// (or a fresh one); its shots land in shotDir.
export function runNative(binDir, { script, shotDir, clock, lang, home }) {
  const own = home ? null : tempDir('native-home');
  const file = path.join(own || home, '..', `script-${process.pid}-${Date.now()}.txt`);
  fs.writeFileSync(file, script);
  try {
    execFileSync(path.join(binDir, 'orrery'), ['--headless', '--home', own || home, '--lang', lang,
      '--clock', clock, '--script', file, '--shots', shotDir], { stdio: 'pipe' });
  } finally {
    fs.rmSync(file, { force: true });
    if (own) fs.rmSync(own, { recursive: true, force: true });
  }
}

// The names of keys in headless scripts (key_names.cpp) as the browser's.
const DOM_KEYS = { enter: 'Enter', escape: 'Escape', backspace: 'Backspace', tab: 'Tab', space: ' ',
  delete: 'Delete', home: 'Home', end: 'End', pageup: 'PageUp', pagedown: 'PageDown',
  left: 'ArrowLeft', right: 'ArrowRight', up: 'ArrowUp', down: 'ArrowDown' };

// Plays a headless script (headless_host.h: tap, dtap, drag, key, text,
// shot) in the page, as a user would, the program idle before each line;
// each shot calls on.shot(name), each comment on.comment(text). Two taps on
// one row come more than the list's double-tap time apart, as the headless
// host's clock has them.
export async function replay(page, script, on) {
  const box = await page.$eval('#screen', (c) => {
    const r = c.getBoundingClientRect();
    return { left: r.left, top: r.top, scale: r.width / 240 };
  });
  const at = (x, y) => [box.left + (Number(x) + 0.5) * box.scale, box.top + (Number(y) + 0.5) * box.scale];
  let lastTap = { y: -100, time: 0 };
  for (const line of script.split('\n').map((l) => l.trim())) {
    if (!line) continue;
    await waitIdle(page);
    if (line.startsWith('#')) {
      await on.comment(line.slice(1).trim());
      continue;
    }
    const [word, ...args] = line.split(/\s+/);
    const rest = line.slice(word.length).trim();
    if (word === 'tap' || word === 'dtap') {
      if (Math.abs(args[1] - lastTap.y) < 20) {
        await new Promise((r) => setTimeout(r, Math.max(0, 600 - (Date.now() - lastTap.time))));
      }
      await page.mouse.click(...at(args[0], args[1]), { count: word === 'dtap' ? 2 : 1 });
      lastTap = { y: Number(args[1]), time: Date.now() };
    } else if (word === 'drag') {
      await page.mouse.move(...at(args[0], args[1]));
      await page.mouse.down();
      await page.mouse.move(...at(args[2], args[3]), { steps: 8 });
      await page.mouse.up();
    } else if (word === 'key') {
      await page.keyboard.press(DOM_KEYS[rest] || rest.toUpperCase());
    } else if (word === 'text') {
      await page.keyboard.type(rest);
    } else if (word === 'shot') {
      await on.shot(rest);
    } else if (word !== 'quit') {
      throw new Error(`replay: unknown script line '${line}'`);
    }
  }
  await waitIdle(page);
}
