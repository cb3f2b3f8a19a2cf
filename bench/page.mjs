// SPDX-License-Identifier: GPL-3.0-or-later
// The one-file page in headless Chromium: the time from opening the file to
// the fields taking input, and from the log chosen to the list shown for
// the log at the contact limit, against the native engine's time for the
// same log (engine_time), and on to the whole list in the document for
// screen readers. The page marks these moments (performance.mark).
// Usage: node bench/page.mjs LOG [RUNS]   (from the source folder, after
// scripts/web.sh and npm ci; BUILD_DIR and WEB_BUILD_DIR as in wasm.sh)

import {execFileSync} from 'node:child_process';
import {statSync} from 'node:fs';
import {resolve} from 'node:path';
import {chromium} from 'playwright-core';

const [log, runs = 10] = process.argv.slice(2);
const page_file = resolve(process.env.WEB_BUILD_DIR ?? 'build-web', 'pelikan.html');
const median = (values) => values.sort((a, b) => a - b)[Math.floor(values.length / 2)];
const browser = await chromium.launch({
  executablePath: '/usr/bin/chromium',
  args: ['--no-sandbox', '--disable-gpu', '--no-first-run', '--disable-background-networking',
         '--disable-component-update', '--disable-sync'],
});
const ready = [];
const converted = [];
const whole = [];
for (let run = 0; run < Number(runs); ++run) {
  const page = await (await browser.newContext({locale: 'sl-SI'})).newPage();
  await page.goto(`file://${page_file}`);
  await page.locator('body[data-ready=true]').waitFor();
  ready.push(await page.evaluate(() => performance.getEntriesByName('pelikan-ready')[0].startTime));
  await page.getByLabel('Licence-year *', {exact: true}).fill('1985');
  for (const [label, text] of [['Kategorija *', 'SINGLE-OP 80M LOW CW'], ['Ime *', 'J'], ['Ulica in št. *', 'U'],
                               ['Poštna št. in kraj *', 'P']]) {
    await page.getByLabel(label, {exact: true}).fill(text);
  }
  const chooser = page.waitForEvent('filechooser');
  await page.getByRole('button', {name: 'Izdelaj CBR'}).click();
  await (await chooser).setFiles(log);
  await page.waitForFunction(() => performance.getEntriesByName('pelikan-list-shown').length > 0);
  converted.push(await page.evaluate(() => performance.measure('run', 'pelikan-log-chosen', 'pelikan-list-shown').duration));
  await page.waitForFunction(() => performance.getEntriesByName('pelikan-list-text').length > 0);
  whole.push(await page.evaluate(() => performance.measure('all', 'pelikan-log-chosen', 'pelikan-list-text').duration));
  await page.close();
}
await browser.close();

const engine = execFileSync(resolve(process.env.BUILD_DIR ?? 'build', 'bench/engine_time/engine_time'), [log, '30'])
  .toString().match(/median ([0-9.]+) ms, best ([0-9.]+) ms/);
console.log(`page: ${statSync(page_file).size} bytes`);
console.log(`ready: median ${median(ready).toFixed(1)} ms, best ${Math.min(...ready).toFixed(1)} ms (goal at most 300)`);
console.log(`log chosen to list shown: median ${median(converted).toFixed(1)} ms, best ${Math.min(...converted).toFixed(1)} ms`);
console.log(`log chosen to the whole list in the document: median ${median(whole).toFixed(1)} ms, best ${
  Math.min(...whole).toFixed(1)} ms`);
console.log(`native engine: median ${engine[1]} ms, best ${engine[2]} ms; page / engine ${
  (median(converted) / Number(engine[1])).toFixed(2)} by medians, ${
  (Math.min(...converted) / Number(engine[2])).toFixed(2)} by bests (goal at most 2)`);
