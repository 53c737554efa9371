// Standard MIDI files (formats 0 and 1) played by a small synthesizer of our own: each note is
// an oscillator whose waveform and envelope follow its instrument's family, channel 10 plays
// drums from noise and falling tones. Rendered once into samples that Web Audio plays.

const kMaxSeconds = 600;
const kMaxNotes = 20000;

function readVarLength(bytes, at) {
  let value = 0;
  for (let i = 0; i < 4; ++i) {
    if (at.pos >= bytes.length) {
      throw new Error('truncated');
    }
    const byte = bytes[at.pos++];
    value = (value << 7) | (byte & 0x7f);
    if (!(byte & 0x80)) {
      return value;
    }
  }
  throw new Error('bad length');
}

function readTrack(bytes, start, end, order, events) {
  const at = { pos: start };
  let tick = 0;
  let status = 0;
  while (at.pos < end) {
    tick += readVarLength(bytes, at);
    let byte = bytes[at.pos];
    if (byte & 0x80) {
      status = byte;
      ++at.pos;
    } else if (status < 0x80 || status >= 0xf0) {
      throw new Error('data without a status');
    }
    if (status === 0xff) {
      const type = bytes[at.pos++];
      const length = readVarLength(bytes, at);
      if (type === 0x51 && length === 3) {
        const tempo = (bytes[at.pos] << 16) | (bytes[at.pos + 1] << 8) | bytes[at.pos + 2];
        events.push({ tick, order: order++, type: 'tempo', tempo });
      }
      at.pos += length;
      if (type === 0x2f) {
        break;
      }
      continue;
    }
    if (status === 0xf0 || status === 0xf7) {
      at.pos += readVarLength(bytes, at);
      continue;
    }
    const kind = status & 0xf0;
    const channel = status & 0x0f;
    const first = bytes[at.pos++];
    const second = kind === 0xc0 || kind === 0xd0 ? 0 : bytes[at.pos++];
    if (first === undefined || second === undefined) {
      throw new Error('truncated');
    }
    events.push({ tick, order: order++, type: kind, channel, first, second });
  }
  return order;
}

// Returns { notes: [{ start, end, key, velocity, channel, program, level, bend }], duration }
// (times in seconds, level 0..1 from the channel's volume and expression), or null when the
// bytes are not a MIDI file.
export function parseMidi(bytes) {
  const tag = (at) => String.fromCharCode(bytes[at], bytes[at + 1], bytes[at + 2], bytes[at + 3]);
  if (bytes.length < 14 || tag(0) !== 'MThd') {
    return null;
  }
  const data = new DataView(bytes.buffer, bytes.byteOffset, bytes.byteLength);
  const division = data.getUint16(12);
  const events = [];
  try {
    let order = 0;
    for (let at = 8 + data.getUint32(4); at + 8 <= bytes.length;) {
      const length = data.getUint32(at + 4);
      const end = Math.min(at + 8 + length, bytes.length);
      if (tag(at) === 'MTrk') {
        order = readTrack(bytes, at + 8, end, order, events);
      }
      at = end;
    }
  } catch (error) {
    return null;
  }
  events.sort((a, b) => a.tick - b.tick || a.order - b.order);

  let secondsPerTick;
  if (division & 0x8000) {
    const framesPerSecond = 256 - (division >> 8);
    secondsPerTick = () => 1 / (framesPerSecond * (division & 0xff));
  } else {
    let tempo = 500000;
    secondsPerTick = (event) => {
      if (event && event.type === 'tempo') {
        tempo = event.tempo;
      }
      return tempo / 1e6 / Math.max(division, 1);
    };
  }
  const program = new Array(16).fill(0);
  const volume = new Array(16).fill(100);
  const expression = new Array(16).fill(127);
  const bend = new Array(16).fill(0);
  const sounding = new Map();  // channel * 128 + key -> notes started, oldest first
  const notes = [];
  let time = 0;
  let lastTick = 0;
  let perTick = secondsPerTick(null);
  const stop = (channel, key) => {
    const started = sounding.get(channel * 128 + key);
    if (started && started.length) {
      started.shift().end = time;
    }
  };
  for (const event of events) {
    time += (event.tick - lastTick) * perTick;
    lastTick = event.tick;
    if (time > kMaxSeconds) {
      break;
    }
    if (event.type === 'tempo') {
      perTick = secondsPerTick(event);
      continue;
    }
    const { channel, first, second } = event;
    if (event.type === 0x90 && second > 0) {
      if (notes.length >= kMaxNotes) {
        continue;
      }
      const note = {
        start: time, end: null, key: first, velocity: second / 127, channel,
        program: program[channel], level: (volume[channel] / 127) * (expression[channel] / 127),
        bend: bend[channel],
      };
      notes.push(note);
      const key = channel * 128 + first;
      sounding.set(key, [...(sounding.get(key) || []), note]);
    } else if (event.type === 0x80 || event.type === 0x90) {
      stop(channel, first);
    } else if (event.type === 0xb0) {
      if (first === 7) {
        volume[channel] = second;
      } else if (first === 11) {
        expression[channel] = second;
      } else if (first === 120 || first === 123) {
        for (let key = 0; key < 128; ++key) {
          while ((sounding.get(channel * 128 + key) || []).length) {
            stop(channel, key);
          }
        }
      } else if (first === 121) {
        volume[channel] = 100;
        expression[channel] = 127;
        bend[channel] = 0;
      }
    } else if (event.type === 0xc0) {
      program[channel] = first;
    } else if (event.type === 0xe0) {
      bend[channel] = ((((second << 7) | first) - 8192) / 8192) * 2;
    }
  }
  for (const note of notes) {
    if (note.end === null) {
      note.end = Math.max(time, note.start + 0.25);
    }
  }
  return { notes, duration: Math.min(time, kMaxSeconds) };
}

// How each family of eight General MIDI programs sounds: waveform, attack, decay (seconds to
// fall by about two thirds), sustained level, release.
const families = [
  ['triangle', 0.005, 0.8, 0.0, 0.08],  // pianos
  ['sine', 0.002, 0.5, 0.0, 0.1],  // chromatic percussion
  ['square', 0.01, 1, 0.8, 0.05],  // organs
  ['triangle', 0.005, 0.6, 0.0, 0.1],  // guitars
  ['triangle', 0.005, 1.2, 0.3, 0.05],  // basses
  ['saw', 0.06, 1, 0.8, 0.2],  // strings
  ['saw', 0.08, 1, 0.8, 0.25],  // ensembles
  ['square', 0.03, 1, 0.7, 0.1],  // brass
  ['square', 0.03, 1, 0.8, 0.08],  // reeds
  ['sine', 0.04, 1, 0.9, 0.1],  // pipes
  ['square', 0.01, 1, 0.8, 0.08],  // synth leads
  ['saw', 0.15, 1, 0.8, 0.4],  // synth pads
  ['saw', 0.05, 1, 0.6, 0.3],  // synth effects
  ['triangle', 0.005, 0.5, 0.0, 0.1],  // ethnic
  ['sine', 0.002, 0.25, 0.0, 0.05],  // percussive
  ['square', 0.01, 0.3, 0.0, 0.05],  // sound effects
];

function wave(shape, phase) {
  switch (shape) {
    case 'sine': return Math.sin(2 * Math.PI * phase);
    case 'square': return phase < 0.5 ? 0.6 : -0.6;
    case 'saw': return (2 * phase - 1) * 0.7;
    default: return 4 * Math.abs(phase - 0.5) - 1;
  }
}

function addTone(out, rate, note) {
  const [shape, attack, decay, sustain, release] = families[note.program >> 3];
  const frequency = 440 * Math.pow(2, (note.key - 69 + note.bend) / 12);
  const gain = 0.2 * note.velocity * note.level;
  const first = Math.floor(note.start * rate);
  const held = Math.max(note.end - note.start, 0.01);
  const last = Math.min(out.length, Math.ceil((note.start + held + release) * rate));
  let phase = 0;
  for (let i = first; i < last; ++i) {
    const t = (i - first) / rate;
    let envelope = t < attack ? t / attack : sustain + (1 - sustain) * Math.exp(-(t - attack) / decay);
    if (t > held) {
      envelope *= Math.max(0, 1 - (t - held) / release);
    }
    out[i] += gain * envelope * wave(shape, phase);
    phase = (phase + frequency / rate) % 1;
  }
}

function addDrum(out, rate, note, noise) {
  const key = note.key;
  const kick = key === 35 || key === 36;
  const snare = key === 38 || key === 40;
  const length = kick ? 0.3 : snare ? 0.18 : key === 46 ? 0.3 : key === 49 || key === 57 ? 0.8 : 0.06;
  const gain = 0.3 * note.velocity * note.level;
  const first = Math.floor(note.start * rate);
  const last = Math.min(out.length, first + Math.ceil(length * rate));
  let phase = 0;
  for (let i = first; i < last; ++i) {
    const t = (i - first) / rate;
    const envelope = Math.exp((-5 * t) / length);
    let sample;
    if (kick) {
      phase = (phase + (50 + 70 * Math.exp(-t * 30)) / rate) % 1;
      sample = Math.sin(2 * Math.PI * phase);
    } else {
      sample = noise();
      if (snare) {
        phase = (phase + 180 / rate) % 1;
        sample = 0.6 * sample + 0.4 * Math.sin(2 * Math.PI * phase);
      }
    }
    out[i] += gain * envelope * sample;
  }
}

// The song's samples, mono, at `rate` per second, peaks kept under 0.9.
export function renderMidi(song, rate) {
  const out = new Float32Array(Math.ceil((song.duration + 0.5) * rate));
  let seed = 12345;
  const noise = () => {
    seed = (seed * 1103515245 + 12345) >>> 0;
    return seed / 2147483648 - 1;
  };
  for (const note of song.notes) {
    if (note.channel === 9) {
      addDrum(out, rate, note, noise);
    } else {
      addTone(out, rate, note);
    }
  }
  let peak = 0;
  for (const sample of out) {
    peak = Math.max(peak, Math.abs(sample));
  }
  if (peak > 0.9) {
    const scale = 0.9 / peak;
    for (let i = 0; i < out.length; ++i) {
      out[i] *= scale;
    }
  }
  return out;
}
