// The MIDlet's record stores, kept in the browser's localStorage under its name and vendor (as
// phones tell suites apart), each store as base64 text. In the test mode, or when the browser
// keeps no storage, the stores live in memory only.

import { decodeBase64, encodeBase64 } from './bytes.js';

export class RecordStores {
  // storage: window.localStorage, or null for stores in memory.
  constructor(storage, name, vendor) {
    this.storage = storage;
    this.memory = new Map();
    this.prefix = `avizad-rms:${encodeURIComponent(vendor)}:${encodeURIComponent(name)}:`;
  }

  load(name) {
    const text = this.storage ? this.storage.getItem(this.prefix + encodeURIComponent(name)) : this.memory.get(name);
    return text === null || text === undefined ? null : decodeBase64(text);
  }

  save(name, bytes) {
    const text = encodeBase64(bytes);
    if (!this.storage) {
      this.memory.set(name, text);
      return true;
    }
    try {
      this.storage.setItem(this.prefix + encodeURIComponent(name), text);
      return true;
    } catch (error) {
      return false;  // the browser's storage is full
    }
  }

  delete(name) {
    if (this.storage) {
      this.storage.removeItem(this.prefix + encodeURIComponent(name));
    } else {
      this.memory.delete(name);
    }
  }

  list() {
    if (!this.storage) {
      return [...this.memory.keys()];
    }
    const names = [];
    for (let i = 0; i < this.storage.length; ++i) {
      const key = this.storage.key(i);
      if (key.startsWith(this.prefix)) {
        names.push(decodeURIComponent(key.slice(this.prefix.length)));
      }
    }
    return names.sort();
  }
}

// window.localStorage when the browser keeps it for this page, else null.
export function browserStorage() {
  try {
    const storage = window.localStorage;
    storage.setItem('avizad-rms-probe', '1');
    storage.removeItem('avizad-rms-probe');
    return storage;
  } catch (error) {
    return null;
  }
}
