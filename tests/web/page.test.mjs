// SPDX-License-Identifier: GPL-3.0-or-later
// The one-file page in Debian's Chromium, opened from the disk, driven as a
// user would: the fields filled by their labels with key presses, the log
// chosen in the file chooser or dropped, the download compared byte for
// byte with the golden case; printing to PDF, saving where the user
// chooses, the layout on a phone and at 200 % zoom, and axe-core over the
// page. Any request beyond the page's own file, or an error the page leaves
// uncaught, fails the test.
// Usage: node --test tests/web/   (PELIKAN_PAGE: the page, default build-web/pelikan.html;
// PELIKAN_SCREENSHOTS: a folder for pictures of the page after a conversion)

import assert from 'node:assert/strict';
import {execFileSync} from 'node:child_process';
import {mkdtempSync, readFileSync, writeFileSync} from 'node:fs';
import {tmpdir} from 'node:os';
import {join, resolve} from 'node:path';
import {after, before, test} from 'node:test';
import {chromium} from 'playwright-core';

const golden = (name, file) => resolve('tests/golden', name, file);
const scratch = mkdtempSync(join(tmpdir(), 'pelikan-page-'));
let browser;
const requests = [];
const errors = [];

before(async () => {
  browser = await chromium.launch({
    executablePath: '/usr/bin/chromium',
    args: ['--no-sandbox', '--disable-gpu', '--no-first-run', '--disable-background-networking',
           '--disable-component-update', '--disable-sync'],
  });
});
after(async () => {
  await browser?.close();
  assert.deepEqual(requests, [], 'the page made no request');
  assert.deepEqual(errors, [], 'no error was left uncaught on the page');
});

// The page in a fresh tab of its own, Slovenian (Chromium's headless locale
// is en-US), a 1920 px screen unless told otherwise.
async function open(options = {}) {
  const context = await browser.newContext({acceptDownloads: true, locale: 'sl-SI',
                                            viewport: {width: 1920, height: 1080}, ...options});
  const page = await context.newPage();
  page.on('request', (request) => /^(file|blob|data):/.test(request.url()) || requests.push(request.url()));
  page.on('pageerror', (error) => errors.push(error.message));
  await page.goto(`file://${resolve(process.env.PELIKAN_PAGE ?? 'build-web/pelikan.html')}`);
  await page.locator('body[data-ready=true]').waitFor();
  return page;
}

// The fields of the golden cases' args, typed as a user would; the contest
// keeps its start text, as the converter does without --contest.
const SLOVENIAN = ['Znak *', 'Licence-year *', 'Ime *'];
const ENGLISH = ['Callsign *', 'Licence year *', 'Name *'];
async function fill(page, [callsign, year, name] = SLOVENIAN) {
  await page.getByLabel(callsign, {exact: true}).press('End');
  await page.keyboard.type('9aaa');
  await page.getByLabel(year, {exact: true}).click();
  await page.keyboard.type('1985\nSINGLE-OP 80M LOW MIXED\n');
  await page.getByLabel(name, {exact: true}).click();
  await page.keyboard.type('Janez Kovač\nŠolska ulica 3\n1000 Ljubljana\n');
}

async function convert(page, log, button = 'Izdelaj CBR') {
  const chooser = page.waitForEvent('filechooser');
  await page.getByRole('button', {name: button, exact: true}).click();
  await (await chooser).setFiles(log);
}

// Closes the box that opened, once its title and details are as expected.
async function dismiss(page, title, details, ok = 'V redu') {
  const alert = page.getByRole('alertdialog', {name: title});
  await alert.waitFor();
  if (details) assert.match(await alert.locator('pre').textContent(), details);
  await alert.getByRole('button', {name: ok}).click();
}

test('a log typed in as a user would converts to the golden file, downloaded; the next log keeps the data', async () => {
  const page = await open();
  await fill(page);
  assert.equal(await page.getByLabel('Znak *', {exact: true}).inputValue(), 'S59AAA', 'upper case when left');
  assert.equal(await page.getByLabel('Ekipa', {exact: true}).inputValue(), '', 'Enter moved on');
  const download = page.waitForEvent('download');
  await convert(page, golden('worked_example', 'log.txt'));
  const file = await download;
  assert.equal(file.suggestedFilename(), 'S59AAA.cbr');
  assert.deepEqual(readFileSync(await file.path()), readFileSync(golden('worked_example', 'S59AAA.cbr')));
  // The worked example's phone contact is earlier than the CW one before it.
  await dismiss(page, 'Opozorilo', /vrstica 2: zveza je zgodnejša od tiste pred njo/);
  assert.match(await page.locator('#list-lines').innerText(), /Skupaj .* tock\s*$/, 'scrolled to the claimed score');
  assert.match(await page.locator('#status').innerText(),
               /^Dano brskalniku: S59AAA\.cbr, med njegove prenose; če datoteka s tem imenom tam že je/);
  assert.equal(await page.getByRole('status').first().innerText(), 'Obdelani so 2 zapisi', 'the message is live');
  await page.waitForFunction(() => document.getElementById('list-text').textContent.includes('Skupaj  3'));
  await page.getByRole('button', {name: 'Naslednji dnevnik', exact: true}).click();
  assert.equal(await page.getByLabel('Ime *', {exact: true}).inputValue(), 'Janez Kovač', 'the data kept');
  assert.equal(await page.locator('#list-lines').innerText(), '');
  await page.getByRole('button', {name: 'Počisti obrazec', exact: true}).click();
  assert.equal(await page.getByLabel('Ime *', {exact: true}).inputValue(), '', 'a fresh form');
  assert.equal(await page.getByLabel('Znak *', {exact: true}).inputValue(), 'S5');
});

test('in English every word is English, as the browser asks, and the file is the Slovenian run\'s; the switch turns back', async () => {
  const page = await open({locale: 'en-US'});
  assert.equal(await page.locator('html').getAttribute('lang'), 'en');
  assert.equal(await page.getByLabel('Language').inputValue(), 'en');
  await page.getByText('CLUB: the club\'s full call sign').waitFor({state: 'attached'});
  await fill(page, ENGLISH);
  const download = page.waitForEvent('download');
  await convert(page, golden('worked_example', 'log.txt'), 'Make CBR');
  assert.deepEqual(readFileSync(await (await download).path()), readFileSync(golden('worked_example', 'S59AAA.cbr')));
  await dismiss(page, 'Warning', /line 2: the contact is earlier than the one before it/, 'OK');
  assert.match(await page.locator('#status').innerText(), /^Handed to the browser: S59AAA\.cbr, among its downloads/);
  assert.equal(await page.locator('#message').innerText(), 'Obdelani so 2 zapisi', 'the entry\'s own words stay');
  await page.getByRole('button', {name: 'Next log', exact: true}).waitFor();
  if (process.env.PELIKAN_SCREENSHOTS) {
    await page.screenshot({path: join(process.env.PELIKAN_SCREENSHOTS, 'page-english.png')});
  }
  await page.getByLabel('Language').selectOption({label: 'Slovenščina'});
  assert.equal(await page.locator('html').getAttribute('lang'), 'sl');
  await page.getByRole('button', {name: 'Naslednji dnevnik', exact: true}).waitFor();
  assert.equal(await page.getByLabel('Znak *', {exact: true}).inputValue(), 'S59AAA');
  // The address asks for a language of its own, whatever the browser's.
  await page.goto(`${page.url()}?lang=en`);
  await page.getByRole('button', {name: 'Make CBR', exact: true}).waitFor();
});

test('last year\'s entry fills the form as if typed and says what it filled; a file that is no entry is refused', async () => {
  const page = await open();
  const load = async (file) => {
    const chooser = page.waitForEvent('filechooser');
    await page.getByRole('button', {name: 'Naloži podatke iz prejšnje datoteke CBR', exact: true}).click();
    await (await chooser).setFiles(file);
  };
  await load(golden('worked_example', 'log.txt'));
  await page.getByRole('alertdialog', {name: 'Napaka'}).getByText('Datoteka log.txt ni datoteka CBR').waitFor();
  await page.getByRole('button', {name: 'V redu'}).click();
  assert.equal(await page.getByLabel('Znak *', {exact: true}).inputValue(), 'S5', 'nothing filled');
  await load(golden('worked_example', 'S59AAA.cbr'));
  await page.locator('#status', {hasText: 'S59AAA.cbr'}).waitFor();  // read as the browser hands it over
  assert.match(await page.locator('#status').innerText(),
               /^Iz datoteke S59AAA\.cbr so vpisana polja: Znak, Contest, Licence-year, Kategorija, Ime, /);
  assert.equal(await page.getByLabel('Kategorija *', {exact: true}).inputValue(), 'SINGLE-OP 80M LOW MIXED');
  const download = page.waitForEvent('download');
  await convert(page, golden('worked_example', 'log.txt'));
  // The same entry, but for the contest's name, upper-cased as every field left is.
  const lines = (file) => readFileSync(file, 'latin1').split('\r\n');
  const written = lines(await (await download).path()), expected = lines(golden('worked_example', 'S59AAA.cbr'));
  expected[3] = 'CONTEST: KV PRVENSTVO ZRS';
  assert.deepEqual(written, expected);
});

test('a refused log is said in a box named for an error, nothing is downloaded, and the page takes the next log', async () => {
  const page = await open();
  await fill(page);
  let downloads = 0;
  page.on('download', () => ++downloads);
  await convert(page, golden('line_too_long', 'log.txt'));
  const alert = page.getByRole('alertdialog', {name: 'Napaka'});
  await alert.getByText('Vrstica 4 dnevnika log.txt je daljša od 32767 znakov.').waitFor();
  await alert.getByRole('button', {name: 'V redu'}).click();
  assert.equal(downloads, 0);
  assert.match(await page.locator('#list-lines').innerText(), /Pretvorba se je ustavila/);
  const download = page.waitForEvent('download');
  await convert(page, golden('export_contest_logger', 'log.adi'));
  assert.deepEqual(readFileSync(await (await download).path()),
                   readFileSync(golden('export_contest_logger', 'S59AAA.cbr')));
  assert.match(await page.locator('#status').innerText(), /— Dnevnik je v obliki ADIF\. Izpuščeni zapisi .*: 3\.$/);
  await page.getByRole('button', {name: 'Naslednji dnevnik', exact: true}).click();
  await convert(page, golden('adif_faults', 'log.adi'));
  await dismiss(page, 'Opozorilo', /vrstica 4: zapis ni pretvorjen, manjka: klicni znak, prejeta izmenjava/);
});

test('typing replaces a field entered by Tab or Shift+Tab; a cancelled choice keeps the page as it was', async () => {
  const page = await open();
  const callsign = page.getByLabel('Znak *', {exact: true});
  await callsign.press('End');
  await page.keyboard.type('9aaa');
  await page.keyboard.press('Tab');
  await page.keyboard.type('KV 2026');
  assert.equal(await page.getByLabel('Contest *', {exact: true}).inputValue(), 'KV 2026');
  await page.keyboard.press('Shift+Tab');
  await page.keyboard.type('s57x');
  assert.equal(await callsign.inputValue(), 's57x');
  await page.keyboard.press('Tab');
  assert.equal(await callsign.inputValue(), 'S57X');
  // The club's preset comes with the caret behind it, to be typed on.
  await page.getByLabel('Klub', {exact: true}).focus();
  await page.keyboard.type('0ab');
  assert.equal(await page.getByLabel('Klub', {exact: true}).inputValue(), 'S50ab');
  await fill(page);
  const chooser = page.waitForEvent('filechooser');
  await page.getByRole('button', {name: 'Izdelaj CBR', exact: true}).click();
  await chooser;
  await page.locator('#chooser').dispatchEvent('cancel');
  assert.equal(await page.locator('#make').innerText(), 'Izdelaj CBR');
  assert.equal(await page.getByLabel('Ime *', {exact: true}).inputValue(), 'Janez Kovač');
});

test('a log dropped before the form is ready is taken from the browser, and the status line says why not', async () => {
  const page = await open();
  // Dragged as the browser drags a file from the desktop: a drop is
  // delivered only where dragover left it an effect, and a synthetic one
  // would be delivered whatever dropEffect said.
  const client = await page.context().newCDPSession(page);
  const data = {items: [], files: [golden('worked_example', 'log.txt')], dragOperationsMask: 1};
  for (const type of ['dragEnter', 'dragOver', 'drop']) {
    await client.send('Input.dispatchDragEvent', {type, x: 1200, y: 300, data});
  }
  assert.equal(await page.locator('#status').innerText(),
               'Dnevnik spustite, ko so polja z zvezdico izpolnjena in je kategorija izbrana.');
});

test('"Tiskaj" prints the whole file, on as many pages as it needs, under the callsign', async () => {
  const page = await open();
  const log = join(scratch, 'contacts.txt');
  writeFileSync(log, Array.from({length: 150}, (_, i) =>
    `QSO: 80 CW 2007-03-04 ${String(6 + Math.floor(i / 60)).padStart(2, '0')}:${String(i % 60).padStart(2, '0')}` +
    ` S5${i} 599 599 ${1950 + i}\r\n`).join(''));
  await fill(page);
  await convert(page, log);
  // The browser's own print dialog cannot be driven: the page prints to PDF
  // below, as it prints to paper.
  await page.evaluate(() => { window.print = () => {}; });
  await page.getByRole('button', {name: 'Tiskaj', exact: true}).click();
  assert.equal(await page.title(), 'S59AAA', 'the name a PDF is offered under');
  const pdf = join(scratch, 'printed.pdf');
  await page.pdf({path: pdf, format: 'A4'});
  const text = execFileSync('pdftotext', ['-layout', pdf, '-'], {encoding: 'utf8'});
  const pages = text.split('\f').filter((sheet) => sheet.trim());
  assert.ok(pages.length >= 3, `${pages.length} pages`);
  assert.match(pages[0], /^\s*S59AAA\.cbr/);
  const file = readFileSync(join(scratch, 'printed.pdf')).length > 0 && text;
  for (let i = 0; i < 150; ++i) assert.match(file, new RegExp(`S59AAA +599 +1985 +S5${i} +599 +${1950 + i}`));
});

test('"Shrani kot …" hands the same bytes to the save picker, and the status line names the file written', async () => {
  const page = await open();
  await page.evaluate(() => {
    window.saved = {};
    window.showSaveFilePicker = async (options) => {
      window.saved.suggested = options.suggestedName;
      return {name: 'entry-2026.cbr', createWritable: async () => ({
        write: async (bytes) => { window.saved.bytes = [...bytes]; }, close: async () => {}})};
    };
  });
  await fill(page);
  await convert(page, golden('export_contest_logger', 'log.txt'));
  await page.getByRole('button', {name: 'Shrani kot …', exact: true}).click();
  await page.locator('#status', {hasText: 'entry-2026.cbr'}).waitFor();
  const saved = await page.evaluate(() => window.saved);
  assert.equal(saved.suggested, 'S59AAA.cbr');
  assert.deepEqual(Buffer.from(saved.bytes), readFileSync(golden('export_contest_logger', 'S59AAA.cbr')));
  assert.equal(await page.locator('#status').innerText(), 'Zapisano: entry-2026.cbr');
});

// The boxes a user can see that must not overlap: every field and caption,
// the buttons, the message, the list and the status line, each as far as a
// scrolled part of the page shows it.
async function overlaps(page) {
  return page.evaluate(() => {
    const shown = (element) => {
      const r = element.getBoundingClientRect();
      let [left, top, right, bottom] = [r.left, r.top, r.right, r.bottom];
      for (let up = element.parentElement; up; up = up.parentElement) {
        if (getComputedStyle(up).overflowY === 'visible') continue;
        const c = up.getBoundingClientRect();
        [left, top, right, bottom] = [Math.max(left, c.left), Math.max(top, c.top), Math.min(right, c.right),
                                      Math.min(bottom, c.bottom)];
      }
      return {left, top, right, bottom};
    };
    const boxes = [...document.querySelectorAll('#fields input, #fields label, #form button, #message, #list, #status')]
      .filter((element) => element.offsetParent !== null)
      .map((element) => [element.id || element.htmlFor || element.textContent, shown(element)])
      .filter(([, r]) => r.right > r.left && r.bottom > r.top);
    const found = [];
    for (const [i, [a, r]] of boxes.entries()) {
      for (const [b, s] of boxes.slice(i + 1)) {
        if (r.left < s.right - 1 && s.left < r.right - 1 && r.top < s.bottom - 1 && s.top < r.bottom - 1) found.push(`${a}/${b}`);
      }
    }
    return found;
  });
}

test('on a phone and at 200 % zoom nothing overlaps, the list stays readable, and the page passes axe-core', async () => {
  const axe = readFileSync(resolve('node_modules/axe-core/axe.min.js'), 'utf8');
  const violations = async (page) => {
    await page.evaluate(axe);
    return (await page.evaluate(() => axe.run())).violations.map((v) => `${v.id}: ${v.nodes.length}`);
  };
  for (const [name, viewport] of [['phone', {width: 400, height: 800}], ['zoom', {width: 960, height: 540}]]) {
    const page = await open({viewport});
    assert.deepEqual(await violations(page), [], `${name}: the fresh form`);
    await fill(page);
    await convert(page, golden('worked_example', 'log.txt'));
    await page.getByRole('alertdialog').waitFor();
    assert.deepEqual(await violations(page), [], `${name}: a box open`);
    await page.getByRole('alertdialog').getByRole('button').click();
    assert.deepEqual(await violations(page), [], `${name}: the finished page`);
    assert.deepEqual(await overlaps(page), [], name);
    if (name === 'phone') assert.ok((await page.locator('#list').boundingBox()).width >= 300, 'the list is readable');
    if (process.env.PELIKAN_SCREENSHOTS) {
      await page.screenshot({path: join(process.env.PELIKAN_SCREENSHOTS, `page-${name}.png`), fullPage: true});
    }
  }
  for (const [name, colorScheme] of [['1920', 'light'], ['dark', 'dark']]) {
    const page = await open({colorScheme});
    assert.deepEqual(await overlaps(page), [], name);
    await fill(page);
    await convert(page, golden('score_summary', 'log.txt'));
    if (process.env.PELIKAN_SCREENSHOTS) {
      await page.screenshot({path: join(process.env.PELIKAN_SCREENSHOTS, `page-${name}.png`)});
    }
  }
});
