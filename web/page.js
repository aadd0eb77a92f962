// The page around the program (orrery.js, orrery.wasm): the canvas is its
// 240 x 320 screen, pointer and touch its stylus, the keyboard (or a phone's
// on-screen keyboard, through the hidden input) its keys and text. The chart
// file and the settings live in IndexedDB, mounted at /orrery; the buttons
// beside the screen export and import the chart file.
//
// Query: ?lang=en|de (default: the browser's language), ?clock=YYYY-MM-DDTHH:MM
// (the program's clock fixed at this Universal Time, as --clock does).
'use strict';

(function () {
  const HOME = '/orrery';
  const CHART_FILE = HOME + '/qastrology.dat';
  const MAX_IMPORT_BYTES = 1 << 20;
  // Event kinds, as web_host.cpp numbers them.
  const TAP_DOWN = 1, TAP_MOVE = 2, TAP_UP = 3, KEY = 4, CHAR = 5, IMPORT = 6;
  // DOM key names the program has keys for (web_host.cpp maps them).
  const NAMED_KEYS = new Set(['Enter', 'Escape', 'Backspace', 'Tab', 'Delete', 'Home', 'End',
    'PageUp', 'PageDown', 'ArrowLeft', 'ArrowRight', 'ArrowUp', 'ArrowDown']);

  const query = new URLSearchParams(location.search);
  const lang = query.get('lang') === 'de' || query.get('lang') === 'en' ? query.get('lang')
    : ((navigator.language || 'en').toLowerCase().startsWith('de') ? 'de' : 'en');
  const TEXTS = {
    en: { export: 'Export charts', import: 'Import charts', imported: 'Charts imported.',
      noCharts: 'No charts are stored yet.', tooLarge: 'Nothing imported: the file is larger than any chart file.',
      otherTab: 'Orrery is already open in another tab of this browser.', failed: 'Orrery stopped: ',
      unreadable: 'Orrery cannot read the charts stored in this browser: ' },
    de: { export: 'Horoskope exportieren', import: 'Horoskope importieren', imported: 'Horoskope importiert.',
      noCharts: 'Noch keine Horoskope gespeichert.', tooLarge: 'Nichts importiert: die Datei ist größer als jede Horoskopdatei.',
      otherTab: 'Orrery ist schon in einem anderen Tab dieses Browsers offen.', failed: 'Orrery angehalten: ',
      unreadable: 'Orrery kann die in diesem Browser gespeicherten Horoskope nicht lesen: ' },
  }[lang];

  const canvas = document.getElementById('screen');
  const context = canvas.getContext('2d');
  const keyboard = document.getElementById('keyboard');
  const status = document.getElementById('status');
  document.documentElement.lang = lang;
  document.getElementById('export').textContent = TEXTS.export;
  document.getElementById('import-label').firstChild.textContent = TEXTS.import + ' ';

  function say(text) { status.textContent = text; }

  // --- events for the program, handed out one at a time (nextEvent) ---
  const queue = [];
  let waiting = null;
  function send(event) {
    event.time = Math.floor(performance.now());
    const last = queue[queue.length - 1];
    if (event.kind === TAP_MOVE && last && last.kind === TAP_MOVE) {
      queue[queue.length - 1] = event;
    } else if (waiting) {
      const resolve = waiting;
      waiting = null;
      resolve(event);
    } else {
      queue.push(event);
    }
  }
  function sendText(text) {
    const composed = text.normalize('NFC');
    for (let i = 0; i < composed.length; ++i) send({ kind: CHAR, code: composed.charCodeAt(i) });
  }

  // --- the screen's size: integer device pixels per screen pixel where that
  // leaves the screen at least twice its size, else as large as fits ---
  function fitScreen() {
    const bar = document.getElementById('charts').offsetHeight + 8;
    const ratio = window.devicePixelRatio || 1;
    const fit = Math.min(window.innerWidth * ratio / 240, (window.innerHeight - bar) * ratio / 320);
    const scale = fit >= 2 ? Math.floor(fit) : Math.max(fit, 1);
    canvas.style.width = (240 * scale / ratio) + 'px';
    canvas.style.height = (320 * scale / ratio) + 'px';
  }
  window.addEventListener('resize', fitScreen);
  fitScreen();

  // --- stylus ---
  function screenPoint(e) {
    const r = canvas.getBoundingClientRect();
    return { x: Math.floor((e.clientX - r.left) * 240 / r.width),
      y: Math.floor((e.clientY - r.top) * 320 / r.height) };
  }
  let stylusId = null;
  canvas.addEventListener('pointerdown', (e) => {
    if (!e.isPrimary || e.button > 0 || stylusId !== null) return;
    stylusId = e.pointerId;
    canvas.setPointerCapture(e.pointerId);
    send(Object.assign({ kind: TAP_DOWN }, screenPoint(e)));
    e.preventDefault();
  });
  canvas.addEventListener('pointermove', (e) => {
    if (e.pointerId === stylusId) send(Object.assign({ kind: TAP_MOVE }, screenPoint(e)));
  });
  function stylusUp(e) {
    if (e.pointerId !== stylusId) return;
    stylusId = null;
    send(Object.assign({ kind: TAP_UP }, screenPoint(e)));
    // A phone shows its keyboard only for a focus given while the user's
    // gesture is handled: the program has taken the tap down by now.
    if (textField) keyboard.focus({ preventScroll: true });
  }
  canvas.addEventListener('pointerup', stylusUp);
  canvas.addEventListener('pointercancel', stylusUp);
  canvas.addEventListener('contextmenu', (e) => e.preventDefault());
  // A tap on the screen leaves the browser's focus where it is (the program
  // moves it), so a phone's keyboard does not drop and come back.
  canvas.addEventListener('mousedown', (e) => e.preventDefault());

  // --- keys and text ---
  function modifiers(e) { return (e.shiftKey ? 1 : 0) | (e.ctrlKey ? 2 : 0) | (e.altKey ? 4 : 0); }
  document.addEventListener('keydown', (e) => {
    if (e.target !== keyboard && e.target !== document.body) return;
    if (e.isComposing || e.keyCode === 229 || e.metaKey) return;
    const character = [...e.key].length === 1;
    // AltGr arrives as Ctrl+Alt and types a character.
    const typing = character && e.ctrlKey === e.altKey;
    if (!character && !NAMED_KEYS.has(e.key)) return;
    send({ kind: KEY, key: e.key, modifiers: modifiers(e) });
    if (typing) sendText(e.key);
    e.preventDefault();
  });
  // Text that comes without a key of its own: on-screen keyboards, composed
  // letters, pasting.
  function takeInput() {
    const text = keyboard.value;
    keyboard.value = '';
    if (text) sendText(text);
  }
  keyboard.addEventListener('input', (e) => { if (!e.isComposing) takeInput(); });
  keyboard.addEventListener('compositionend', takeInput);
  keyboard.addEventListener('beforeinput', (e) => {
    if (e.inputType === 'deleteContentBackward' && keyboard.value === '') {
      send({ kind: KEY, key: 'Backspace', modifiers: 0 });
      e.preventDefault();
    }
  });

  let textField = false;
  function showTextField(focused, x, y, w, h) {
    textField = focused;
    if (!focused) {
      if (document.activeElement === keyboard) keyboard.blur();
      return;
    }
    const scale = canvas.getBoundingClientRect().width / 240;
    Object.assign(keyboard.style, { left: (x * scale) + 'px', top: (y * scale) + 'px',
      width: Math.max(1, w * scale) + 'px', height: Math.max(1, h * scale) + 'px' });
    if (document.activeElement !== keyboard) keyboard.focus({ preventScroll: true });
  }

  // --- the chart file: export and import ---
  document.getElementById('export').addEventListener('click', () => {
    let bytes;
    try {
      bytes = Module.FS.readFile(CHART_FILE);
    } catch (error) {
      say(TEXTS.noCharts);
      return;
    }
    const link = document.createElement('a');
    link.href = URL.createObjectURL(new Blob([bytes], { type: 'application/octet-stream' }));
    link.download = 'qastrology.dat';
    document.body.appendChild(link);
    link.click();
    link.remove();
    setTimeout(() => URL.revokeObjectURL(link.href), 10000);
    say('');
  });
  let importBytes = null;
  const importInput = document.getElementById('import');
  document.getElementById('import-label').addEventListener('keydown', (e) => {
    if (e.key === 'Enter' || e.key === ' ') importInput.click();
  });
  importInput.addEventListener('change', async () => {
    const file = importInput.files[0];
    importInput.value = '';
    if (!file) return;
    if (file.size > MAX_IMPORT_BYTES) {
      say(TEXTS.tooLarge);
      return;
    }
    importBytes = new Uint8Array(await file.arrayBuffer());
    send({ kind: IMPORT, code: importBytes.length });
  });

  // --- storage: every fsync of the program pushes /orrery to IndexedDB.
  // The pushes asked for before the first frame (a first run's default
  // settings, a changed language) follow right after it instead of holding
  // it up; should the page be gone before, the next start makes them again.
  let holding = true;
  let held = false;
  function holdWritesUntilFirstFrame(idbfs) {
    const sync = idbfs.syncfs;
    idbfs.syncfs = (mount, populate, done) => {
      if (holding && !populate) {
        held = true;
        done(null);
      } else {
        sync(mount, populate, done);
      }
    };
  }
  function releaseHeldWrites() {
    holding = false;
    if (held) {
      Module.FS.syncfs(false, (error) => { if (error) console.warn('orrery: saving failed', error); });
    }
  }

  // --- the program ---
  let firstFrame = true;
  const args = ['--home', HOME, '--lang', lang];
  if (query.get('clock')) args.push('--clock', query.get('clock'));
  window.Module = {
    arguments: args,
    canvas,
    print: (text) => console.log(text),
    printErr: (text) => console.warn(text),
    // While the program loads, the profile's lock is taken.
    preInit: [() => {
      Module.addRunDependency('orrery-lock');
      holdLock(() => Module.removeRunDependency('orrery-lock'));
    }],
    // Once it is loaded (the file system writes into its memory), the
    // stored files are read from IndexedDB before it starts.
    preRun: [() => {
      holdWritesUntilFirstFrame(Module.FS.filesystems.IDBFS);
      Module.FS.mkdir(HOME);
      Module.FS.mount(Module.FS.filesystems.IDBFS, {}, HOME);
      Module.addRunDependency('orrery-store');
      // Unread charts would be overwritten by the first save: without them
      // the program does not start.
      Module.FS.syncfs(true, (error) => {
        if (error) {
          say(TEXTS.unreadable + String(error));
          return;
        }
        Module.removeRunDependency('orrery-store');
      });
    }],
    onAbort: (what) => say(TEXTS.failed + what),
    onExit: (code) => { if (code !== 0) say(TEXTS.failed + 'exit ' + code); },
    orrery: {
      // The program waits for input and none is queued (tests, measurements).
      idle: () => waiting !== null && queue.length === 0,
      nextEvent: () => (queue.length ? Promise.resolve(queue.shift())
        : new Promise((resolve) => { waiting = resolve; })),
      present(pixels, x, y, w, h) {
        context.putImageData(new ImageData(new Uint8ClampedArray(pixels), w, h), x, y);
        if (firstFrame) {
          firstFrame = false;
          performance.mark('orrery-first-frame');
          releaseHeldWrites();
        }
      },
      textField: showTextField,
      takeImport() {
        const bytes = importBytes || new Uint8Array(0);
        importBytes = null;
        return bytes;
      },
      importDone: (message, ok) => say(ok ? TEXTS.imported : message),
    },
  };

  // One program per browser profile, as one per home on the desktop: a
  // second tab would overwrite the first one's charts with its own copy.
  function holdLock(granted) {
    if (!navigator.locks) {
      granted();
      return;
    }
    navigator.locks.request('orrery-home', { ifAvailable: true }, (lock) => {
      if (!lock) {
        say(TEXTS.otherTab);
        return undefined;
      }
      granted();
      return new Promise(() => {});
    });
  }
  if (navigator.storage && navigator.storage.persist) navigator.storage.persist().catch(() => {});
  if ('serviceWorker' in navigator) {
    window.addEventListener('load', () => navigator.serviceWorker.register('sw.js').catch(() => {}));
  }
})();
