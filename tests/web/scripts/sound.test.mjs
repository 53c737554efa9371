// The page's sounds: wav samples as written, MIDI notes at their times and pitches and rendered
// to sound where they play, and formats neither reads left silent.
import assert from 'node:assert/strict';
import { test } from 'node:test';

import { parseMidi, renderMidi } from '../../../src/web/page/midi.js';
import { decodeSound } from '../../../src/web/page/sound.js';
import { parseWav } from '../../../src/web/page/wav.js';

function wav(encoding, channels, rate, bits, samples) {
  const data = Buffer.from(samples);
  const header = Buffer.alloc(44);
  header.write('RIFF', 0);
  header.writeUInt32LE(36 + data.length, 4);
  header.write('WAVEfmt ', 8);
  header.writeUInt32LE(16, 16);
  header.writeUInt16LE(encoding, 20);
  header.writeUInt16LE(channels, 22);
  header.writeUInt32LE(rate, 24);
  header.writeUInt16LE(bits, 34);
  header.write('data', 36);
  header.writeUInt32LE(data.length, 40);
  return new Uint8Array(Buffer.concat([header, data]));
}

test('wav: 8-bit and 16-bit PCM, channels apart; other encodings are not read', () => {
  const eight = parseWav(wav(1, 1, 8000, 8, [128, 255, 0]));
  assert.equal(eight.sampleRate, 8000);
  assert.deepEqual([...eight.channels[0]], [0, 127 / 128, -1]);
  const stereo = parseWav(wav(1, 2, 22050, 16, [0x00, 0x40, 0x00, 0xc0, 0xff, 0x7f, 0x00, 0x80]));
  assert.deepEqual([...stereo.channels[0]], [0.5, 32767 / 32768]);
  assert.deepEqual([...stereo.channels[1]], [-0.5, -1]);
  assert.equal(parseWav(wav(0x11, 1, 8000, 4, [1, 2, 3, 4])), null);  // IMA ADPCM
  assert.equal(parseWav(new Uint8Array(8)), null);
});

// A MIDI file: a tempo of 0.25 s a quarter, 96 ticks a quarter; C4 for a quarter, then (running
// status) E4 and, on channel 10, a kick drum for half a quarter.
const song = new Uint8Array([
  ...Buffer.from('MThd'), 0, 0, 0, 6, 0, 0, 0, 1, 0, 96,
  ...Buffer.from('MTrk'), 0, 0, 0, 32,
  0, 0xff, 0x51, 3, 0x03, 0xd0, 0x90,
  0, 0x90, 60, 100, 96, 60, 0,
  0, 64, 100, 0, 0x99, 36, 127, 48, 0x89, 36, 0, 0, 0x80, 64, 0,
  0, 0xff, 0x2f, 0,
]);

test('MIDI: notes at their times, running status and drums', () => {
  const parsed = parseMidi(song);
  const notes = parsed.notes.map((n) => [n.channel, n.key, n.start, n.end]);
  assert.deepEqual(notes, [[0, 60, 0, 0.25], [0, 64, 0.25, 0.375], [9, 36, 0.25, 0.375]]);
  assert.equal(parsed.duration, 0.375);
  assert.equal(parseMidi(new Uint8Array([1, 2, 3])), null);
  assert.equal(parseMidi(song.slice(0, 30)), null);
});

test('MIDI: the synthesizer sounds where the notes play, at their pitch', () => {
  const rate = 22050;
  const samples = renderMidi(parseMidi(song), rate);
  assert.equal(samples.length, Math.ceil(0.875 * rate));
  const energy = (from, to) => samples.slice(from * rate, to * rate).reduce((sum, s) => sum + s * s, 0);
  assert.ok(energy(0.01, 0.2) > 1, 'the first note sounds');
  assert.ok(energy(0.7, 0.875) < 1e-6, 'silence after the last release');
  // C4 (261.6 Hz) on a piano's triangle: about 2 x 261.6 zero crossings a second.
  let crossings = 0;
  for (let i = 0.02 * rate; i < 0.22 * rate; ++i) {
    crossings += samples[i - 1] < 0 && samples[i] >= 0 ? 1 : 0;
  }
  assert.ok(Math.abs(crossings / 0.2 - 261.6) < 10, `${crossings / 0.2} Hz`);
  assert.ok(Math.max(...samples.map(Math.abs)) <= 0.9 + 1e-6);
});

test('sounds by their bytes or type; an unknown format is silent', () => {
  assert.equal(decodeSound('audio/midi', song).channels.length, 1);
  assert.equal(decodeSound('application/octet-stream', wav(1, 1, 8000, 8, [128])).sampleRate, 8000);
  assert.equal(decodeSound('audio/amr', new Uint8Array([35, 33, 65, 77, 82])), null);
});
