// Assembles the page template of a game in the browser (run by the build, with node and
// Debian's acorn, NODE_PATH=/usr/share/nodejs):
//
//   node build_page.mjs SHELL.html ENTRY.js MODULE.js MODULE.wasm OUT.html
//
// It bundles the page's ES modules (src/web/page) and the vendored packages they import into
// one script, takes the module's loader as a second script and its WebAssembly deflated in a
// data block, and writes a Content-Security-Policy that lets exactly these two scripts and the
// style run and forbids every request. The game's own parts stay as markers, which the export
// fills: @@AVIZAD_TITLE@@, @@AVIZAD_ICON@@, @@AVIZAD_GAME@@ and @@AVIZAD_JAR@@, each once.
//
// The bundler knows what these sources use: static imports and exports of ES modules (no
// import.meta, no dynamic import), and CommonJS for a vendored file that is one (a UMD build).

import { createHash } from 'node:crypto';
import { readFileSync, writeFileSync } from 'node:fs';
import { createRequire } from 'node:module';
import path from 'node:path';
import { deflateRawSync } from 'node:zlib';

const require = createRequire(import.meta.url);
const acorn = require('acorn');

const here = path.dirname(new URL(import.meta.url).pathname);
// A bare import names a vendored package; the file of each that the browser takes.
const vendored = {
  'fast-png': 'fast-png/lib/index.js',
  iobuffer: 'iobuffer/lib/iobuffer.js',
  fflate: 'fflate/umd/index.js',
};
// The vendored files that are CommonJS (UMD builds); every other file is an ES module.
const commonJsFiles = new Set([path.join(here, 'vendor', vendored.fflate)]);
const gameMarkers = ['@@AVIZAD_TITLE@@', '@@AVIZAD_ICON@@', '@@AVIZAD_GAME@@', '@@AVIZAD_JAR@@'];

function fail(message) {
  console.error(`build_page: ${message}`);
  process.exit(1);
}

function resolve(specifier, from) {
  if (specifier.startsWith('.')) {
    return path.resolve(path.dirname(from), specifier);
  }
  if (!(specifier in vendored)) {
    fail(`${from} imports ${specifier}, which is not vendored`);
  }
  return path.join(here, 'vendor', vendored[specifier]);
}

function stripSourceMap(text) {
  return text.replace(/^\/\/# sourceMappingURL=.*$/gm, '');
}

// The modules in the order they run (each after what it imports), and their code.
function bundle(entry) {
  const order = [];
  const ids = new Map();
  const visiting = new Set();

  function visit(file) {
    if (ids.has(file)) {
      return ids.get(file);
    }
    if (visiting.has(file)) {
      fail(`${file} is part of an import cycle`);
    }
    visiting.add(file);
    const text = stripSourceMap(readFileSync(file, 'utf8'));
    const code = commonJsFiles.has(file) ? commonJs(text) : transformModule(file, text, visit);
    visiting.delete(file);
    const id = order.length;
    ids.set(file, id);
    order.push(`// ${path.relative(here, file)}\n__m[${id}] = ${code};\n`);
    return id;
  }

  visit(path.resolve(entry));
  return `(function () {\n'use strict';\nconst __m = [];\n${order.join('')}})();\n`;
}

function commonJs(text) {
  return `(function () {\nconst module = { exports: {} };\nconst exports = module.exports;\n${text}\nreturn module.exports;\n})()`;
}

function transformModule(file, text, visit) {
  let ast;
  try {
    ast = acorn.parse(text, { ecmaVersion: 'latest', sourceType: 'module' });
  } catch (error) {
    fail(`${file}: ${error.message}`);
  }
  const cuts = [];  // [start, end, replacement]
  const imports = [];
  const exported = [];  // [exported name, local name]
  const stars = [];
  for (const node of ast.body) {
    if (node.type === 'ImportDeclaration') {
      const id = visit(resolve(node.source.value, file));
      for (const spec of node.specifiers) {
        if (spec.type === 'ImportDefaultSpecifier') {
          imports.push(`const ${spec.local.name} = __m[${id}].default;`);
        } else if (spec.type === 'ImportNamespaceSpecifier') {
          imports.push(`const ${spec.local.name} = __m[${id}];`);
        } else {
          imports.push(`const ${spec.local.name} = __m[${id}].${spec.imported.name};`);
        }
      }
      cuts.push([node.start, node.end, '']);
    } else if (node.type === 'ExportNamedDeclaration') {
      if (node.declaration) {
        const declaration = node.declaration;
        const names = declaration.type === 'VariableDeclaration'
          ? declaration.declarations.map((d) => {
            if (d.id.type !== 'Identifier') {
              fail(`${file}: an exported pattern is not supported`);
            }
            return d.id.name;
          })
          : [declaration.id.name];
        for (const name of names) {
          exported.push([name, name]);
        }
        cuts.push([node.start, declaration.start, '']);
      } else {
        const from = node.source ? visit(resolve(node.source.value, file)) : null;
        for (const spec of node.specifiers) {
          exported.push([spec.exported.name, from === null ? spec.local.name : `__m[${from}].${spec.local.name}`]);
        }
        cuts.push([node.start, node.end, '']);
      }
    } else if (node.type === 'ExportDefaultDeclaration') {
      const declaration = node.declaration;
      if ((declaration.type === 'FunctionDeclaration' || declaration.type === 'ClassDeclaration') && declaration.id) {
        exported.push(['default', declaration.id.name]);
        cuts.push([node.start, declaration.start, '']);
      } else {
        exported.push(['default', '__default']);
        cuts.push([node.start, declaration.start, 'const __default = ']);
      }
    } else if (node.type === 'ExportAllDeclaration') {
      if (node.exported) {
        fail(`${file}: "export * as" is not supported`);
      }
      stars.push(visit(resolve(node.source.value, file)));
      cuts.push([node.start, node.end, '']);
    }
  }
  if (/\bimport\s*\(|\bimport\.meta\b/.test(text)) {
    fail(`${file}: dynamic import and import.meta are not supported`);
  }
  let body = '';
  let at = 0;
  for (const [start, end, replacement] of cuts) {
    body += text.slice(at, start) + replacement;
    at = end;
  }
  body += text.slice(at);
  const getters = exported.map(([name, local]) => `get ${name}() { return ${local}; }`);
  const starCopies = stars.map((id) => `for (const key of Object.keys(__m[${id}])) { if (key !== 'default' && !(key in __e)) { Object.defineProperty(__e, key, { enumerable: true, get: () => __m[${id}][key] }); } }`);
  return `(function () {\n${imports.join('\n')}\n${body}\nconst __e = { ${getters.join(', ')} };\n${starCopies.join('\n')}\nreturn __e;\n})()`;
}

// The script without comments and indentation: its tokens as they stand, a line break where
// one separated them (so no semicolon is inserted or lost), a blank only where two tokens
// would run together. Checked: the result parses to the same syntax tree.
function compact(source) {
  const word = /[\w$\\\u0080-\uffff]/;
  let out = '';
  let last = null;
  for (const token of acorn.tokenizer(source, { ecmaVersion: 'latest' })) {
    const text = source.slice(token.start, token.end);
    if (last !== null && token.start > last.end) {
      const gap = source.slice(last.end, token.start);
      const before = out[out.length - 1];
      const after = text[0];
      if (/[\n\r\u2028\u2029]/.test(gap)) {
        out += '\n';
      } else if ((word.test(before) && word.test(after)) || (before === after && '+-'.includes(before)) ||
        before === '/' || after === '/' || (/\d/.test(before) && after === '.') ||
        (before === '<' && after === '!') || (before === '-' && after === '>')) {
        out += ' ';
      }
    }
    out += text;
    last = token;
  }
  const tree = (text) => JSON.stringify(acorn.parse(text, { ecmaVersion: 'latest' }),
    (key, value) => (key === 'start' || key === 'end' ? undefined : value));
  if (tree(out) !== tree(source)) {
    fail('the compacted page script differs from the script');
  }
  return out;
}

function sha256(text) {
  return `'sha256-${createHash('sha256').update(text, 'utf8').digest('base64')}'`;
}

function main() {
  const [shellFile, entry, loaderFile, wasmFile, outFile] = process.argv.slice(2);
  if (!outFile) {
    fail('usage: build_page.mjs SHELL.html ENTRY.js MODULE.js MODULE.wasm OUT.html');
  }
  const shell = readFileSync(shellFile, 'utf8');
  const style = readFileSync(path.join(path.dirname(shellFile), 'page.css'), 'utf8');
  const loader = readFileSync(loaderFile, 'utf8');
  const page = compact(bundle(entry));
  const wasm = deflateRawSync(readFileSync(wasmFile), { level: 9 }).toString('base64');
  for (const [name, text] of [['the loader', loader], ['the page script', page], ['the style', style]]) {
    if (/<\/(script|style)/i.test(text)) {
      fail(`${name} holds a closing tag, which would end its element early`);
    }
  }
  const csp = [
    "default-src 'none'",
    `script-src ${sha256(loader)} ${sha256(page)} 'wasm-unsafe-eval'`,
    `style-src ${sha256(style)}`,
    'img-src data:',
    "base-uri 'none'",
    "form-action 'none'",
  ].join('; ');
  const parts = {
    '@@BUILD_CSP@@': csp,
    '@@BUILD_STYLE@@': style,
    '@@BUILD_LOADER@@': loader,
    '@@BUILD_PAGE@@': page,
    '@@BUILD_WASM@@': wasm,
  };
  let out = '';
  let at = 0;
  const pattern = /@@BUILD_[A-Z]+@@/g;
  for (let match = pattern.exec(shell); match; match = pattern.exec(shell)) {
    if (!(match[0] in parts)) {
      fail(`unknown marker ${match[0]} in ${shellFile}`);
    }
    out += shell.slice(at, match.index) + parts[match[0]];
    at = match.index + match[0].length;
  }
  out += shell.slice(at);
  for (const marker of gameMarkers) {
    const count = out.split(marker).length - 1;
    if (count !== 1) {
      fail(`${marker} stands ${count} times in the page, not once`);
    }
  }
  writeFileSync(outFile, out);
}

main();
