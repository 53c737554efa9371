// The page's jar reader on archives made here: every entry whole, and each kind of damage
// refused with its message.
import assert from 'node:assert/strict';
import { test } from 'node:test';
import { deflateRawSync, inflateRawSync } from 'node:zlib';

import { crc32 } from '../../../src/web/page/bytes.js';
import { JarError, readJar } from '../../../src/web/page/jar.js';

// Node before 20.12 has no 'deflate-raw' stream, which every current browser has.
try {
  new DecompressionStream('deflate-raw');
} catch (error) {
  globalThis.DecompressionStream = class {
    constructor() {
      const chunks = [];
      const stream = new TransformStream({
        transform: (chunk) => { chunks.push(chunk); },
        flush: (controller) => { controller.enqueue(new Uint8Array(inflateRawSync(Buffer.concat(chunks)))); },
      });
      this.readable = stream.readable;
      this.writable = stream.writable;
    }
  };
}

// A zip archive of [name, bytes, method] entries (method 0 stored, 8 deflated).
function zip(entries) {
  const locals = [];
  const central = [];
  let offset = 0;
  for (const [name, content, method] of entries) {
    const nameBytes = Buffer.from(name);
    const packed = method === 8 ? deflateRawSync(content) : Buffer.from(content);
    const header = Buffer.alloc(30);
    header.writeUInt32LE(0x04034b50, 0);
    header.writeUInt16LE(method, 8);
    header.writeUInt32LE(crc32(content), 14);
    header.writeUInt32LE(packed.length, 18);
    header.writeUInt32LE(content.length, 22);
    header.writeUInt16LE(nameBytes.length, 26);
    const entry = Buffer.alloc(46);
    entry.writeUInt32LE(0x02014b50, 0);
    entry.writeUInt16LE(method, 10);
    entry.writeUInt32LE(crc32(content), 16);
    entry.writeUInt32LE(packed.length, 20);
    entry.writeUInt32LE(content.length, 24);
    entry.writeUInt16LE(nameBytes.length, 28);
    entry.writeUInt32LE(offset, 42);
    locals.push(header, nameBytes, packed);
    central.push(entry, nameBytes);
    offset += 30 + nameBytes.length + packed.length;
  }
  const directory = Buffer.concat(central);
  const end = Buffer.alloc(22);
  end.writeUInt32LE(0x06054b50, 0);
  end.writeUInt16LE(entries.length, 8);
  end.writeUInt16LE(entries.length, 10);
  end.writeUInt32LE(directory.length, 12);
  end.writeUInt32LE(offset, 16);
  return new Uint8Array(Buffer.concat([...locals, directory, end]));
}

// A copy with the 32-bit field at `at` set to `value`.
function edit(bytes, at, value) {
  const copy = bytes.slice();
  new DataView(copy.buffer).setUint32(at, value, true);
  return copy;
}

const manifest = Buffer.from('Manifest-Version: 1.0\r\n\r\n');
const picture = Buffer.alloc(5000, 7);

test('reads stored and deflated entries, leaving folders out', async () => {
  const entries = await readJar(zip([['META-INF/', Buffer.alloc(0), 0], ['META-INF/MANIFEST.MF', manifest, 8],
    ['картинка.png', picture, 0], ['empty.txt', Buffer.alloc(0), 8]]));
  assert.deepEqual([...entries.keys()], ['META-INF/MANIFEST.MF', 'картинка.png', 'empty.txt']);
  assert.deepEqual(Buffer.from(entries.get('META-INF/MANIFEST.MF')), manifest);
  assert.deepEqual(Buffer.from(entries.get('картинка.png')), picture);
  assert.equal(entries.get('empty.txt').length, 0);
});

test('refuses damaged archives with what is wrong', async () => {
  const good = zip([['a.class', picture, 8]]);
  const flipped = good.slice();
  flipped[40] ^= 0xff;  // inside the packed bytes
  const storedBad = zip([['a.class', picture, 0]]);
  storedBad[100] ^= 1;
  const unknown = zip([['a.class', picture, 0]]);
  new DataView(unknown.buffer).setUint16(unknown.length - 22 - 46 - 7 + 10, 12, true);
  const cases = [
    ['not a zip', new Uint8Array(100), /нет оглавления/],
    ['too short', new Uint8Array(10), /нет оглавления/],
    ['directory moved', edit(good, good.length - 22 + 16, 5), /оглавление архива повреждено/],
    ['entry cut short', edit(good, good.length - 22 - 46 - 7 + 20, 0x7fffffff), /«a.class» обрезана/],
    ['damaged packed bytes', flipped, /запись «a.class»/],
    ['wrong checksum', storedBad, /контрольная сумма/],
    ['unknown method', unknown, /неизвестным способом 12/],
  ];
  for (const [name, bytes, message] of cases) {
    await assert.rejects(readJar(bytes), (error) => error instanceof JarError && message.test(error.message), name);
  }
});
