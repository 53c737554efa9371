// The page of a game: unpacks the jar, starts the game's machine (the WebAssembly module, see
// src/web/module/PageInterface.h) and runs it, in real time to play, or on the virtual clock
// in the test mode (#frames=N&keys=SCRIPT), which writes the printed lines, the last screen and
// "done" into the page for the tests.

import { decodeBase64, inflateRaw } from './bytes.js';
import { testRequest } from './fragment.js';
import { JarError, readJar } from './jar.js';
import { buildKeypad, touchScreen } from './keypad.js';
import { legend, listenToKeyboard } from './keys.js';
import { decodePng } from './png.js';
import { Screen } from './screen.js';
import { Sounds } from './sound.js';
import { RecordStores, browserStorage } from './store.js';

const WAITING = 0;
const FRAME = 1;
const ENDED = 2;
const ERROR = 3;
const OVERTIME = 4;
// A call into the game longer than this stops it: the game hangs.
const kFrameBudgetMillis = 2000;
// What the page keeps of the printed text when playing.
const kOutputLimit = 1 << 20;

const byId = (id) => document.getElementById(id);

// What the page needs of the browser: WebAssembly and a raw deflate stream.
function browserCanPlay() {
  try {
    new DecompressionStream('deflate-raw');
    return typeof WebAssembly === 'object';
  } catch (error) {
    return false;
  }
}

class Page {
  constructor() {
    this.game = JSON.parse(byId('game').textContent);
    this.test = testRequest(window.location.hash);
    this.output = byId('output');
    this.text = new TextDecoder();
    this.notes = new Set();
    this.module = null;
    this.stopped = false;
    this.paused = false;
    this.timer = 0;
    this.frames = 0;
    this.screen = new Screen(byId('canvas'), this.game.width, this.game.height);
    this.sounds = new Sounds(!this.test, (text) => this.note(text));
    let storage = null;
    if (!this.test) {
      storage = browserStorage();
      if (!storage) {
        this.note('Браузер не даёт этой странице хранилища: сохранения игры пропадут, когда её закроют.');
      }
    }
    this.stores = new RecordStores(storage, this.game.name, this.game.vendor);
  }

  note(text) {
    if (!this.notes.has(text)) {
      this.notes.add(text);
      const paragraph = document.createElement('p');
      paragraph.textContent = text;
      byId('notes').append(paragraph);
      this.screen.fit();
    }
  }

  print(bytes, error) {
    if (error) {
      console.warn(new TextDecoder().decode(bytes));
      return;
    }
    const text = this.text.decode(bytes, { stream: true });
    let all = this.output.textContent + text;
    if (!this.test && all.length > kOutputLimit) {
      all = all.slice(all.length - kOutputLimit / 2);
    }
    this.output.textContent = all;
  }

  // What the module calls (platform.lib.js).
  platform() {
    return {
      present: (pixels, width, height) => this.screen.present(pixels, width, height),
      print: (bytes, error) => this.print(bytes, error),
      decodePng: (bytes) => decodePng(bytes),
      soundLoad: (mime, bytes) => this.sounds.load(mime, bytes),
      soundPlay: (handle, loops) => this.sounds.play(handle, loops),
      soundStop: (handle) => this.sounds.stop(handle),
      soundVolume: (handle, level) => this.sounds.volume(handle, level),
      soundFree: (handle) => this.sounds.free(handle),
      storeLoad: (name) => this.stores.load(name),
      storeSave: (name, bytes) => this.stores.save(name, bytes),
      storeDelete: (name) => this.stores.delete(name),
      storeList: () => this.stores.list(),
    };
  }

  // Shows what stopped the game; the page stays as it was otherwise.
  fail(title, errorClass, message) {
    this.stopped = true;
    window.clearTimeout(this.timer);
    const box = byId('error');
    box.querySelector('.title').textContent = title;
    byId('error-class').textContent = errorClass;
    byId('error-message').textContent = message;
    box.hidden = false;
    byId('loading').hidden = true;
    if (this.test) {
      this.finishTest('error');
    }
  }

  cString(pointer) {
    const heap = this.module.HEAPU8;
    let end = pointer;
    while (heap[end]) {
      ++end;
    }
    return new TextDecoder().decode(heap.subarray(pointer, end));
  }

  // Calls fn(pointer) with `bytes` in the module's memory.
  withBytes(bytes, fn) {
    const pointer = this.module._malloc(bytes.length + 1);
    this.module.HEAPU8.set(bytes, pointer);
    this.module.HEAPU8[pointer + bytes.length] = 0;
    try {
      return fn(pointer);
    } finally {
      this.module._free(pointer);
    }
  }

  withText(text, fn) {
    return this.withBytes(new TextEncoder().encode(text), fn);
  }

  // Runs a call into the module; a trap of the machine stops the game with its message.
  call(fn) {
    try {
      return fn();
    } catch (error) {
      this.fail('Ошибка виртуальной машины', error && error.name ? error.name : 'Error',
        error && error.message ? error.message : String(error));
      return ERROR;
    }
  }

  // Acts on what the machine returned; true while the game runs on.
  handle(status) {
    if (this.stopped) {
      return false;
    }
    if (status === ERROR) {
      this.fail('Игра остановилась из-за ошибки', this.cString(this.module._avz_error_class()),
        this.cString(this.module._avz_error_message()));
      return false;
    }
    if (status === OVERTIME) {
      this.fail('Игра остановлена', 'Игра зависла',
        `один её шаг шёл дольше ${kFrameBudgetMillis / 1000} секунд`);
      return false;
    }
    if (status === ENDED) {
      this.stopped = true;
      if (!this.test) {
        this.note('Игра завершилась. Чтобы сыграть снова, обновите страницу.');
      }
      return false;
    }
    if (status === FRAME) {
      ++this.frames;
      if (this.frames === 1) {
        window.avizadFirstFrame = performance.now();
        byId('loading').hidden = true;
        this.screen.fit();
      }
    }
    return true;
  }

  async start() {
    document.querySelector('h1').textContent = document.title;
    byId('legend').textContent = legend;
    this.screen.fit();
    if (!browserCanPlay()) {
      this.fail('Браузер не может запустить игру', 'Старый браузер',
        'нужна свежая версия Chrome, Firefox, Safari или Edge');
      return;
    }
    let entries;
    try {
      entries = await readJar(decodeBase64(byId('jar').textContent));
    } catch (error) {
      this.fail('Архив игры повреждён', 'Архив', error instanceof JarError ? error.message : String(error));
      return;
    }
    try {
      const wasmBinary = await inflateRaw(decodeBase64(byId('module').textContent));
      this.module = await window.AvizadModule({
        wasmBinary,
        avizad: this.platform(),
        print: (line) => console.log(line),
        printErr: (line) => console.warn(line),
      });
    } catch (error) {
      this.fail('Машина игры не запустилась', error && error.name ? error.name : 'Error', String(error && error.message ? error.message : error));
      return;
    }
    const module = this.module;
    for (const [name, bytes] of entries) {
      this.withText(name, (namePointer) => this.withBytes(bytes, (data) => module._avz_add_entry(namePointer, data, bytes.length)));
    }
    const status = this.call(() => this.withText(this.test ? this.test.keys : '',
      (script) => module._avz_start(this.game.width, this.game.height, this.test ? 1 : 0, script)));
    if (!this.handle(status)) {
      return;
    }
    if (this.test) {
      await this.runTest();
      return;
    }
    this.listen();
    this.schedule(0);
  }

  listen() {
    const press = (kind, code) => {
      this.sounds.resume();
      if (!this.stopped && !this.paused) {
        this.call(() => this.module._avz_key(kind, code));
        this.schedule(0);
      }
    };
    listenToKeyboard(window, press);
    const keypad = byId('keypad');
    buildKeypad(keypad, press);
    const toggle = byId('keypad-toggle');
    const showKeypad = (show) => {
      keypad.hidden = !show;
      toggle.setAttribute('aria-pressed', String(show));
      this.screen.fit();
    };
    showKeypad(touchScreen());
    toggle.addEventListener('click', () => showKeypad(keypad.hidden));
    window.addEventListener('pointerdown', (event) => {
      this.sounds.resume();
      if (event.pointerType === 'touch' && keypad.hidden) {
        showKeypad(true);
      }
    });
    const full = byId('fullscreen');
    if (document.fullscreenEnabled) {
      full.addEventListener('click', () => byId('player').requestFullscreen());
    } else {
      full.hidden = true;
    }
    document.addEventListener('visibilitychange', () => {
      if (this.stopped) {
        return;
      }
      if (document.hidden && !this.paused) {
        this.paused = true;
        window.clearTimeout(this.timer);
        this.call(() => this.module._avz_pause());
      } else if (!document.hidden && this.paused) {
        this.paused = false;
        this.call(() => this.module._avz_resume());
        this.schedule(0);
      }
    });
  }

  schedule(delay) {
    window.clearTimeout(this.timer);
    this.timer = window.setTimeout(() => this.tick(), delay);
  }

  tick() {
    if (this.stopped || this.paused) {
      return;
    }
    const status = this.call(() => this.module._avz_step(Date.now(), kFrameBudgetMillis));
    if (!this.handle(status)) {
      return;
    }
    if (status === FRAME) {
      this.schedule(0);
      return;
    }
    const wake = this.module._avz_wake_time();
    if (wake >= 0) {
      this.schedule(Math.max(0, wake - Date.now()));
    }
  }

  // Plays the frames asked for on the virtual clock, as fast as it can.
  async runTest() {
    let lastYield = performance.now();
    let idle = 0;
    while (this.frames < this.test.frames && !this.stopped) {
      const status = this.call(() => this.module._avz_step(0, kFrameBudgetMillis));
      if (!this.handle(status)) {
        break;
      }
      if (status === WAITING) {
        // On the virtual clock the machine waits only when nothing can happen any more.
        if (this.module._avz_wake_time() < 0 || ++idle > 100000) {
          break;
        }
      } else {
        idle = 0;
      }
      if (performance.now() - lastYield > 200) {
        await new Promise((resolve) => window.setTimeout(resolve, 0));
        lastYield = performance.now();
      }
    }
    if (byId('state').textContent === '') {
      this.finishTest('done');
    }
  }

  finishTest(state) {
    byId('screen').src = this.screen.pngDataUrl();
    byId('test').hidden = false;
    byId('state').textContent = state;
  }
}

function failBeforeStart(error) {
  const box = byId('error');
  box.querySelector('.title').textContent = 'Страница не запустилась';
  byId('error-class').textContent = error && error.name ? error.name : 'Error';
  byId('error-message').textContent = error && error.message ? error.message : String(error);
  box.hidden = false;
  byId('loading').hidden = true;
}

try {
  const page = new Page();
  page.start().catch((error) => page.fail('Страница не запустилась', error.name || 'Error', error.message || String(error)));
} catch (error) {
  failBeforeStart(error);
}
