// The game's sounds: wav through Web Audio, MIDI through our synthesizer; a format neither
// reads plays nothing, and the page says so once. Without an audio output (or in the test mode)
// sounds are read but not played.

import { parseMidi, renderMidi } from './midi.js';
import { parseWav } from './wav.js';

const kMidiRate = 22050;

// The samples of a sound, or null when its format cannot be played. With `render` false a
// MIDI song is only read (its samples are empty): for a page that plays nothing.
export function decodeSound(mime, bytes, render = true) {
  const head = String.fromCharCode(...bytes.subarray(0, 4));
  if (head === 'RIFF' || /wav/i.test(mime)) {
    return parseWav(bytes);
  }
  if (head === 'MThd' || /mid/i.test(mime)) {
    const song = parseMidi(bytes);
    const samples = song && render ? renderMidi(song, kMidiRate) : new Float32Array(song ? 1 : 0);
    return song && { sampleRate: kMidiRate, channels: [samples] };
  }
  return null;
}

export class Sounds {
  // onSilent(text) is told once when a sound cannot be played. With `audible` false nothing
  // is played.
  constructor(audible, onSilent) {
    this.audible = audible && typeof AudioContext !== 'undefined';
    this.onSilent = onSilent;
    this.context = null;
    this.sounds = new Map();
    this.next = 1;
  }

  // Browsers start audio only after the person touched the page.
  resume() {
    if (this.context && this.context.state === 'suspended') {
      this.context.resume();
    }
  }

  load(mime, bytes) {
    const decoded = decodeSound(mime, bytes, this.audible);
    if (!decoded || decoded.channels[0].length === 0) {
      this.onSilent(`Звук в формате «${mime}» браузер не воспроизводит: игра идёт без него.`);
      return 0;
    }
    const handle = this.next++;
    const sound = { decoded, buffer: null, source: null, gain: null, volume: 1 };
    this.sounds.set(handle, sound);
    return handle;
  }

  play(handle, loops) {
    const sound = this.sounds.get(handle);
    if (!sound || !this.audible) {
      return;
    }
    this.stop(handle);
    if (!this.context) {
      this.context = new AudioContext();
    }
    const context = this.context;
    if (!sound.buffer) {
      const { sampleRate, channels } = sound.decoded;
      sound.buffer = context.createBuffer(channels.length, channels[0].length, sampleRate);
      channels.forEach((samples, index) => sound.buffer.copyToChannel(samples, index));
      sound.gain = context.createGain();
      sound.gain.gain.value = sound.volume;
      sound.gain.connect(context.destination);
    }
    const source = context.createBufferSource();
    source.buffer = sound.buffer;
    source.connect(sound.gain);
    source.loop = loops !== 1;
    source.start();
    if (loops > 1) {
      source.stop(context.currentTime + loops * sound.buffer.duration);
    }
    sound.source = source;
  }

  stop(handle) {
    const sound = this.sounds.get(handle);
    if (sound && sound.source) {
      sound.source.stop();
      sound.source = null;
    }
  }

  volume(handle, level) {
    const sound = this.sounds.get(handle);
    if (sound) {
      sound.volume = Math.max(0, Math.min(100, level)) / 100;
      if (sound.gain) {
        sound.gain.gain.value = sound.volume;
      }
    }
  }

  free(handle) {
    this.stop(handle);
    const sound = this.sounds.get(handle);
    if (sound && sound.gain) {
      sound.gain.disconnect();
    }
    this.sounds.delete(handle);
  }
}
