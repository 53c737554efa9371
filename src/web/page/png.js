// PNG pictures for the game, decoded synchronously (a game waits for its picture) by fast-png,
// into the pixels the desktop's libpng gives: palettes and low bit depths expanded, 16-bit
// samples scaled to 8 bits with libpng's rounding, grey made RGB, a tRNS colour made
// transparent, no gamma or colour-space conversion.

import { unzlibSync } from 'fflate';
import { decode } from 'fast-png';

// The largest picture read, as on the desktop: more than phones can show is refused.
const kMaxSide = 8192;
const kMaxPixels = 4096 * 4096;

// libpng's png_do_scale_16_to_8.
function scale16(value) {
  const high = value >> 8;
  return (high + ((((value & 0xff) - high + 128) * 65535) >> 24)) & 0xff;
}

function paeth(left, up, corner) {
  const p = left + up - corner;
  const pa = Math.abs(p - left);
  const pb = Math.abs(p - up);
  const pc = Math.abs(p - corner);
  return pa <= pb && pa <= pc ? left : pb <= pc ? up : corner;
}

// The rows of an interlaced picture of 1, 2 or 4 bits a pixel, packed as a plain one's:
// fast-png 8.0.0 unpacks those passes as if each pixel took a byte.
function deinterlaceLowDepth(bytes, width, height, depth) {
  const chunks = [];
  for (let at = 8; at + 8 <= bytes.length;) {
    const length = new DataView(bytes.buffer, bytes.byteOffset + at, 4).getUint32(0);
    if (String.fromCharCode(...bytes.subarray(at + 4, at + 8)) === 'IDAT') {
      chunks.push(bytes.subarray(at + 8, at + 8 + length));
    }
    at += 12 + length;
  }
  const packed = new Uint8Array(chunks.reduce((sum, chunk) => sum + chunk.length, 0));
  chunks.reduce((at, chunk) => (packed.set(chunk, at), at + chunk.length), 0);
  const data = unzlibSync(packed);
  const rowBytes = Math.ceil((width * depth) / 8);
  const out = new Uint8Array(rowBytes * height);
  const mask = (1 << depth) - 1;
  let at = 0;
  for (const [x0, y0, dx, dy] of [[0, 0, 8, 8], [4, 0, 8, 8], [0, 4, 4, 8], [2, 0, 4, 4], [0, 2, 2, 4], [1, 0, 2, 2], [0, 1, 1, 2]]) {
    const passWidth = Math.ceil((width - x0) / dx);
    const passHeight = Math.ceil((height - y0) / dy);
    if (passWidth <= 0 || passHeight <= 0) {
      continue;
    }
    const passRow = Math.ceil((passWidth * depth) / 8);
    let previous = new Uint8Array(passRow);
    for (let y = 0; y < passHeight; ++y) {
      const filter = data[at];
      const row = data.slice(at + 1, at + 1 + passRow);
      at += 1 + passRow;
      for (let i = 0; i < passRow; ++i) {
        const left = i > 0 ? row[i - 1] : 0;
        const corner = i > 0 ? previous[i - 1] : 0;
        const add = [0, left, previous[i], (left + previous[i]) >> 1, paeth(left, previous[i], corner)][filter];
        row[i] = (row[i] + add) & 0xff;
      }
      for (let x = 0; x < passWidth; ++x) {
        const bit = x * depth;
        const sample = (row[bit >> 3] >> (8 - depth - (bit & 7))) & mask;
        const outBit = (x0 + x * dx) * depth;
        out[(y0 + y * dy) * rowBytes + (outBit >> 3)] |= sample << (8 - depth - (outBit & 7));
      }
      previous = row;
    }
  }
  return out;
}

// Returns { width, height, pixels } (a Uint32Array of 0xAARRGGBB), or null when the data are
// not a PNG picture that can be read.
export function decodePng(bytes) {
  if (bytes.length < 24) {
    return null;
  }
  const header = new DataView(bytes.buffer, bytes.byteOffset, bytes.byteLength);
  const width = header.getUint32(16);
  const height = header.getUint32(20);
  if (width === 0 || height === 0 || width > kMaxSide || height > kMaxSide || width * height > kMaxPixels) {
    return null;
  }
  let png;
  try {
    png = decode(bytes);
  } catch (error) {
    return null;
  }
  const { depth, channels } = png;
  let data = png.data;
  if (depth < 8 && bytes[28] === 1) {
    try {
      data = deinterlaceLowDepth(bytes, width, height, depth);
    } catch (error) {
      return null;
    }
  }
  const palette = png.palette;
  const key = png.transparency;
  const pixels = new Uint32Array(width * height);
  const rowSamples = width * channels;
  const rowBytes = Math.ceil((rowSamples * depth) / 8);
  const maximum = (1 << depth) - 1;
  // A sample as it stands in the file, and made 8 bits.
  const raw = (row, index) => {
    if (depth >= 8) {
      return data[row * rowSamples + index];
    }
    const bit = index * depth;
    return (data[row * rowBytes + (bit >> 3)] >> (8 - depth - (bit & 7))) & maximum;
  };
  const eight = (value) => (depth === 16 ? scale16(value) : depth === 8 ? value : (value * 255) / maximum);
  for (let y = 0; y < height; ++y) {
    for (let x = 0; x < width; ++x) {
      const first = x * channels;
      let r;
      let g;
      let b;
      let a = 255;
      if (palette) {
        const entry = palette[raw(y, first)];
        if (entry) {
          [r, g, b] = entry;
          a = entry.length > 3 ? entry[3] : 255;
        } else {
          r = g = b = 0;
        }
      } else if (channels <= 2) {
        const grey = raw(y, first);
        r = g = b = eight(grey);
        if (channels === 2) {
          a = eight(raw(y, first + 1));
        } else if (key && key.length >= 1 && grey === key[0]) {
          a = 0;
        }
      } else {
        const red = raw(y, first);
        const green = raw(y, first + 1);
        const blue = raw(y, first + 2);
        r = eight(red);
        g = eight(green);
        b = eight(blue);
        if (channels === 4) {
          a = eight(raw(y, first + 3));
        } else if (key && key.length >= 3 && red === key[0] && green === key[1] && blue === key[2]) {
          a = 0;
        }
      }
      pixels[y * width + x] = ((a << 24) | (r << 16) | (g << 8) | b) >>> 0;
    }
  }
  return { width, height, pixels };
}
