// The page's keys, test fragment and record stores.
import assert from 'node:assert/strict';
import { test } from 'node:test';

import { testRequest } from '../../../src/web/page/fragment.js';
import { phoneKey } from '../../../src/web/page/keys.js';
import { RecordStores } from '../../../src/web/page/store.js';

test('keyboard keys as phone keys', () => {
  const cases = [
    [{ code: 'ArrowUp', key: 'ArrowUp' }, -1], [{ code: 'KeyW', key: 'ц' }, -1],
    [{ code: 'KeyS', key: 's' }, -2], [{ code: 'KeyA', key: 'a' }, -3], [{ code: 'ArrowRight' }, -4],
    [{ code: 'Space', key: ' ' }, -5], [{ code: 'NumpadEnter' }, -5], [{ code: 'KeyQ' }, -6],
    [{ code: 'KeyE' }, -7], [{ code: 'Digit0', key: '0' }, 48], [{ code: 'Numpad9', key: '9' }, 57],
    [{ code: 'Digit8', key: '*', shiftKey: true }, 42], [{ code: 'Digit3', key: '#', shiftKey: true }, 35],
    [{ code: 'Digit3', key: '№', shiftKey: true }, null], [{ code: 'KeyW', key: 'w', ctrlKey: true }, null],
    [{ code: 'KeyZ', key: 'z' }, null], [{ code: 'F5', key: 'F5' }, null],
  ];
  for (const [event, code] of cases) {
    assert.equal(phoneKey({ key: '', ...event }), code, JSON.stringify(event));
  }
});

test('the test fragment', () => {
  assert.deepEqual(testRequest('#frames=40&keys=2%20press%20RIGHT%0A7%20release%20RIGHT'),
    { frames: 40, keys: '2 press RIGHT\n7 release RIGHT' });
  assert.deepEqual(testRequest('#frames=0'), { frames: 0, keys: '' });
  for (const hash of ['', '#', '#keys=1', '#frames=-1', '#frames=2.5', '#frames=x']) {
    assert.equal(testRequest(hash), null, hash);
  }
});

class FakeStorage {
  constructor() { this.items = new Map(); this.full = false; }
  get length() { return this.items.size; }
  key(i) { return [...this.items.keys()][i]; }
  getItem(k) { return this.items.has(k) ? this.items.get(k) : null; }
  setItem(k, v) { if (this.full) { throw new Error('QuotaExceededError'); } this.items.set(k, String(v)); }
  removeItem(k) { this.items.delete(k); }
}

test('record stores are kept apart by game name and vendor', () => {
  const storage = new FakeStorage();
  const game = new RecordStores(storage, 'Игра', 'Автор');
  const other = new RecordStores(storage, 'Игра', 'Другой');
  assert.equal(game.save('очки', new Uint8Array([1, 2, 255])), true);
  assert.equal(game.save('b:c', new Uint8Array(0)), true);
  assert.deepEqual([...game.load('очки')], [1, 2, 255]);
  assert.deepEqual(game.list(), ['b:c', 'очки']);
  assert.deepEqual(other.list(), []);
  assert.equal(other.load('очки'), null);
  storage.full = true;
  assert.equal(game.save('очки', new Uint8Array([9])), false);
  assert.deepEqual([...game.load('очки')], [1, 2, 255]);
  game.delete('очки');
  assert.deepEqual(game.list(), ['b:c']);
  const memory = new RecordStores(null, 'Игра', 'Автор');
  memory.save('x', new Uint8Array([5]));
  assert.deepEqual([...memory.load('x')], [5]);
  assert.deepEqual(memory.list(), ['x']);
});
