// SPDX-License-Identifier: GPL-3.0-or-later
// Puts the page together as one file that works opened from the disk: the
// style, the engine (its WebAssembly inside its script) and the view, each
// inline, under a Content-Security-Policy that allows exactly those three
// and no connection at all. The words the page shows before its script
// runs (its title, the note for a browser without JavaScript) are the
// engine's, asked of it here.
// Usage: node bundle.mjs TEMPLATE STYLE ENGINE VIEW OUTPUT VERSION

import {createHash} from 'node:crypto';
import {readFileSync, writeFileSync} from 'node:fs';
import {createRequire} from 'node:module';
import {resolve} from 'node:path';

const [template, style, engine, view, output, version] = process.argv.slice(2).map((path, i) =>
  i < 4 ? readFileSync(path, 'utf8') : path);
const module = await createRequire(import.meta.url)(resolve(process.argv[4]))();
const [slovenian, english] = ['sl', 'en'].map((language) => module.words(language));
const hash = (text) => `'sha256-${createHash('sha256').update(text, 'utf8').digest('base64')}'`;

// The view's module ends by starting on the engine; the texts are put in
// whole, so that a "$" in them stays as it is.
const parts = {
  PROGRAM: slovenian.program,
  VERSION: version,
  NEEDS_SCRIPT: `${slovenian.needsScript} / ${english.needsScript}`,
  STYLE: style, ENGINE: engine, VIEW: view,
};
let page = template;
for (const [name, text] of Object.entries(parts)) page = page.split(`@${name}@`).join(text);
const scripts = [...page.matchAll(/<script(?: type="module")?>([\s\S]*?)<\/script>/g)].map((m) => hash(m[1]));
const styles = [...page.matchAll(/<style>([\s\S]*?)<\/style>/g)].map((m) => hash(m[1]));
const policy = [
  "default-src 'none'",
  `script-src ${scripts.join(' ')} 'wasm-unsafe-eval'`,
  `style-src ${styles.join(' ')}`,
  "img-src 'none'", "connect-src 'none'", "base-uri 'none'", "form-action 'none'",
].join('; ');
writeFileSync(output, page.replace('@CSP@', policy));
