// The page's side of PageInterface.h, linked into every WebAssembly module of a game
// (emcc --js-library). Each function copies what it needs out of the module's memory and
// hands it to the page's object, Module.avizad (src/web/page/platform.js), or copies the
// page's answer into memory allocated with the module's malloc.

mergeInto(LibraryManager.library, {
  avz_js_present: function (pixels, width, height) {
    var first = pixels >> 2;
    Module['avizad']['present'](HEAPU32.subarray(first, first + width * height), width, height);
  },

  avz_js_print: function (text, length, error) {
    Module['avizad']['print'](HEAPU8.slice(text, text + length), error !== 0);
  },

  $avzCopyOut__deps: ['malloc'],
  $avzCopyOut: function (bytes) {
    var out = _malloc(Math.max(bytes.length, 1));
    if (out) {
      HEAPU8.set(bytes, out);
    }
    return out;
  },

  avz_js_decode_png__deps: ['malloc'],
  avz_js_decode_png: function (data, size, width, height) {
    var picture = Module['avizad']['decodePng'](HEAPU8.slice(data, data + size));
    if (!picture) {
      return 0;
    }
    var out = _malloc(Math.max(picture.pixels.length * 4, 4));
    if (!out) {
      return 0;
    }
    HEAPU32.set(picture.pixels, out >> 2);
    HEAP32[width >> 2] = picture.width;
    HEAP32[height >> 2] = picture.height;
    return out;
  },

  avz_js_sound_load: function (mime, data, size) {
    return Module['avizad']['soundLoad'](UTF8ToString(mime), HEAPU8.slice(data, data + size));
  },
  avz_js_sound_play: function (handle, loops) {
    Module['avizad']['soundPlay'](handle, loops);
  },
  avz_js_sound_stop: function (handle) {
    Module['avizad']['soundStop'](handle);
  },
  avz_js_sound_volume: function (handle, level) {
    Module['avizad']['soundVolume'](handle, level);
  },
  avz_js_sound_free: function (handle) {
    Module['avizad']['soundFree'](handle);
  },

  avz_js_store_load__deps: ['$avzCopyOut'],
  avz_js_store_load: function (name, size) {
    var bytes = Module['avizad']['storeLoad'](UTF8ToString(name));
    if (!bytes) {
      return 0;
    }
    var out = avzCopyOut(bytes);
    if (out) {
      HEAP32[size >> 2] = bytes.length;
    }
    return out;
  },
  avz_js_store_save: function (name, data, size) {
    return Module['avizad']['storeSave'](UTF8ToString(name), HEAPU8.slice(data, data + size)) ? 1 : 0;
  },
  avz_js_store_delete: function (name) {
    Module['avizad']['storeDelete'](UTF8ToString(name));
  },
  avz_js_store_list__deps: ['$avzCopyOut'],
  avz_js_store_list: function () {
    var names = Module['avizad']['storeList']();
    var text = new TextEncoder().encode(names.map(function (name) { return name + '\n'; }).join(''));
    var bytes = new Uint8Array(text.length + 1);
    bytes.set(text);
    return avzCopyOut(bytes);
  },
});
