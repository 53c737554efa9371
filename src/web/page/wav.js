// WAV files as sample arrays for Web Audio: PCM of 8, 16, 24 or 32 bits and 32-bit floats, in
// any number of channels. Other encodings (ADPCM, ...) are not read.

// Returns { sampleRate, channels: [Float32Array, ...] }, or null.
export function parseWav(bytes) {
  const data = new DataView(bytes.buffer, bytes.byteOffset, bytes.byteLength);
  const tag = (at) => String.fromCharCode(bytes[at], bytes[at + 1], bytes[at + 2], bytes[at + 3]);
  if (bytes.length < 12 || tag(0) !== 'RIFF' || tag(8) !== 'WAVE') {
    return null;
  }
  let format = null;
  for (let at = 12; at + 8 <= bytes.length;) {
    const size = data.getUint32(at + 4, true);
    const body = at + 8;
    if (tag(at) === 'fmt ' && size >= 16 && body + 16 <= bytes.length) {
      let encoding = data.getUint16(body, true);
      if (encoding === 0xfffe && size >= 26) {
        encoding = data.getUint16(body + 24, true);  // the sub-format of WAVE_FORMAT_EXTENSIBLE
      }
      format = {
        encoding,
        channels: data.getUint16(body + 2, true),
        sampleRate: data.getUint32(body + 4, true),
        bits: data.getUint16(body + 14, true),
      };
    } else if (tag(at) === 'data' && format) {
      return samples(data, body, Math.min(size, bytes.length - body), format);
    }
    at = body + size + (size & 1);
  }
  return null;
}

function samples(data, start, size, { encoding, channels, sampleRate, bits }) {
  const pcm = encoding === 1 && [8, 16, 24, 32].includes(bits);
  const float = encoding === 3 && bits === 32;
  if ((!pcm && !float) || channels < 1 || sampleRate < 1000 || sampleRate > 192000) {
    return null;
  }
  const width = bits / 8;
  const frames = Math.floor(size / (width * channels));
  const read = float ? (at) => data.getFloat32(at, true)
    : bits === 8 ? (at) => (data.getUint8(at) - 128) / 128
      : bits === 16 ? (at) => data.getInt16(at, true) / 32768
        : bits === 24 ? (at) => ((data.getUint8(at + 2) << 24) | (data.getUint8(at + 1) << 16) | (data.getUint8(at) << 8)) / 2147483648
          : (at) => data.getInt32(at, true) / 2147483648;
  const out = [];
  for (let channel = 0; channel < channels; ++channel) {
    const samplesOfChannel = new Float32Array(frames);
    for (let frame = 0; frame < frames; ++frame) {
      samplesOfChannel[frame] = read(start + (frame * channels + channel) * width);
    }
    out.push(samplesOfChannel);
  }
  return { sampleRate, channels: out };
}
