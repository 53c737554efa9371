// The game's jar: every entry read from the zip's central directory and inflated before the
// machine starts (the browser inflates asynchronously, a game asks for its resources at any
// time). A damaged archive is refused with a JarError that says what is wrong.

import { crc32, inflateRaw } from './bytes.js';

export class JarError extends Error {}

// Everything the entries may hold together: far above a phone's jar.
const kMaxTotalBytes = 64 * 1024 * 1024;

function view(bytes) {
  return new DataView(bytes.buffer, bytes.byteOffset, bytes.byteLength);
}

function findDirectoryEnd(bytes) {
  const data = view(bytes);
  const last = Math.max(0, bytes.length - 22 - 0xffff);
  for (let at = bytes.length - 22; at >= last; --at) {
    if (data.getUint32(at, true) === 0x06054b50) {
      return at;
    }
  }
  throw new JarError('это не архив jar (нет оглавления)');
}

// Resolves to a Map from entry names ("META-INF/MANIFEST.MF", "a.png", ...) to their bytes;
// folders are left out.
export async function readJar(bytes) {
  const data = view(bytes);
  const end = findDirectoryEnd(bytes);
  const count = data.getUint16(end + 10, true);
  let at = data.getUint32(end + 16, true);
  const names = new TextDecoder('utf-8', { fatal: false });
  const entries = new Map();
  let total = 0;
  for (let i = 0; i < count; ++i) {
    if (at + 46 > bytes.length || data.getUint32(at, true) !== 0x02014b50) {
      throw new JarError('оглавление архива повреждено');
    }
    const method = data.getUint16(at + 10, true);
    const crc = data.getUint32(at + 16, true);
    const packedSize = data.getUint32(at + 20, true);
    const size = data.getUint32(at + 24, true);
    const nameLength = data.getUint16(at + 28, true);
    const extraLength = data.getUint16(at + 30, true);
    const commentLength = data.getUint16(at + 32, true);
    const local = data.getUint32(at + 42, true);
    const name = names.decode(bytes.subarray(at + 46, at + 46 + nameLength));
    at += 46 + nameLength + extraLength + commentLength;
    if (name.endsWith('/')) {
      continue;
    }
    total += size;
    if (total > kMaxTotalBytes) {
      throw new JarError('архив распаковывается в слишком много данных');
    }
    if (local + 30 > bytes.length || data.getUint32(local, true) !== 0x04034b50) {
      throw new JarError(`запись «${name}» повреждена`);
    }
    const start = local + 30 + data.getUint16(local + 26, true) + data.getUint16(local + 28, true);
    if (start + packedSize > bytes.length) {
      throw new JarError(`запись «${name}» обрезана`);
    }
    const packed = bytes.subarray(start, start + packedSize);
    let content;
    if (method === 0) {
      content = packed.slice();
    } else if (method === 8) {
      try {
        content = await inflateRaw(packed);
      } catch (error) {
        throw new JarError(`запись «${name}» не распаковывается`);
      }
    } else {
      throw new JarError(`запись «${name}» сжата неизвестным способом ${method}`);
    }
    if (content.length !== size || crc32(content) !== crc) {
      throw new JarError(`запись «${name}» повреждена (не сходится контрольная сумма)`);
    }
    entries.set(name, content);
  }
  return entries;
}
