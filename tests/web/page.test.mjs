// SPDX-License-Identifier: GPL-3.0-or-later
// The one-file page in Debian's Chromium, opened from the disk, driven as a
// user would: the fields filled by their labels with key presses, the log
// chosen in the file chooser, the download compared byte for byte with the
// golden case. A refused log and a log with lines to look at follow. Any
// request beyond the page's own file, or an error the page leaves uncaught,
// fails the test.
// Usage: node --test tests/web/   (PELIKAN_PAGE: the page, default build-web/pelikan.html;
// PELIKAN_SCREENSHOT: where to put a picture of the page after a conversion)

import assert from 'node:assert/strict';
import {readFileSync} from 'node:fs';
import {resolve} from 'node:path';
import {after, before, test} from 'node:test';
import {chromium} from 'playwright-core';

const golden = (name, file) => resolve('tests/golden', name, file);
let browser;
let page;
const requests = [];
const errors = [];

before(async () => {
  browser = await chromium.launch({
    executablePath: '/usr/bin/chromium',
    args: ['--no-sandbox', '--disable-gpu', '--no-first-run', '--disable-background-networking',
           '--disable-component-update', '--disable-sync'],
  });
  page = await (await browser.newContext({acceptDownloads: true})).newPage();
  page.on('request', (request) => /^(file|blob):/.test(request.url()) || requests.push(request.url()));
  page.on('pageerror', (error) => errors.push(error.message));
  await page.goto(`file://${resolve(process.env.PELIKAN_PAGE ?? 'build-web/pelikan.html')}`);
  await page.locator('body[data-ready=true]').waitFor();
});
after(async () => {
  await browser?.close();
  assert.deepEqual(requests, [], 'the page made no request');
  assert.deepEqual(errors, [], 'no error was left uncaught on the page');
});

// The fields of the golden cases' args, typed as a user would; the contest
// keeps its start text, as the converter does without --contest.
async function fill() {
  await page.getByLabel('Znak *', {exact: true}).press('End');
  await page.keyboard.type('9aaa');
  await page.getByLabel('Licence-year *', {exact: true}).click();
  await page.keyboard.type('1985\nSINGLE-OP 80M LOW MIXED\n');
  await page.getByLabel('Ime *', {exact: true}).click();
  await page.keyboard.type('Janez Kovač\nŠolska ulica 3\n1000 Ljubljana\n');
}

// Closes the alert of lines to look at, once its details hold `line`.
async function dismiss(line) {
  const alert = page.getByRole('alertdialog');
  await alert.getByText('Vrstice dnevnika, ki jih je treba pogledati').waitFor();
  assert.match(await alert.locator('pre').textContent(), line);
  await alert.getByRole('button', {name: 'V redu'}).click();
}

async function convert(log) {
  const chooser = page.waitForEvent('filechooser');
  await page.getByRole('button', {name: 'Izdelaj CBR', exact: true}).click();
  await (await chooser).setFiles(log);
}

test('a log typed in as a user would converts to the golden file, downloaded', async () => {
  await fill();
  assert.equal(await page.getByLabel('Znak *', {exact: true}).inputValue(), 'S59AAA', 'upper case when left');
  assert.equal(await page.getByLabel('Ekipa', {exact: true}).inputValue(), '', 'Enter moved on');
  const download = page.waitForEvent('download');
  await convert(golden('worked_example', 'log.txt'));
  const file = await download;
  assert.equal(file.suggestedFilename(), 'S59AAA.cbr');
  assert.deepEqual(readFileSync(await file.path()), readFileSync(golden('worked_example', 'S59AAA.cbr')));
  // The worked example's phone contact is earlier than the CW one before it.
  await dismiss(/vrstica 2: zveza je zgodnejša od tiste pred njo/);
  assert.match(await page.locator('#list-lines').innerText(), /Skupaj .* tock\s*$/, 'scrolled to the claimed score');
  assert.match(await page.getByRole('status').innerText(), /S59AAA\.cbr/);
  if (process.env.PELIKAN_SCREENSHOT) await page.screenshot({path: process.env.PELIKAN_SCREENSHOT});
  await page.getByRole('button', {name: 'KONEC', exact: true}).click();
});

test('a refused log is said in an alert, nothing is downloaded, and the page takes the next log', async () => {
  await fill();
  let downloads = 0;
  page.on('download', () => ++downloads);
  await convert(golden('line_too_long', 'log.txt'));
  const alert = page.getByRole('alertdialog');
  await assert.doesNotReject(alert.getByText('Vrstica 4 dnevnika log.txt je daljša od 32767 znakov.').waitFor());
  await alert.getByRole('button', {name: 'V redu'}).click();
  assert.equal(downloads, 0);
  assert.match(await page.locator('#list-lines').innerText(), /Pretvorba se je ustavila/);
  const download = page.waitForEvent('download');
  await convert(golden('worked_example', 'log.txt'));
  assert.equal((await download).suggestedFilename(), 'S59AAA.cbr');
  await dismiss(/zgodnejša/);
  await page.getByRole('button', {name: 'KONEC', exact: true}).click();
});

test('an ADIF export gives the listing\'s file, the status line says so, and a faulty one lists its warnings', async () => {
  await fill();
  const download = page.waitForEvent('download');
  await convert(golden('export_contest_logger', 'log.adi'));
  assert.deepEqual(readFileSync(await (await download).path()),
                   readFileSync(golden('export_contest_logger', 'S59AAA.cbr')));
  assert.match(await page.getByRole('status').innerText(), /— Dnevnik je v obliki ADIF\. Izpuščeni zapisi .*: 3\.$/);
  await page.getByRole('button', {name: 'KONEC', exact: true}).click();
  await fill();
  await convert(golden('adif_faults', 'log.adi'));
  await dismiss(/vrstica 4: zapis ni pretvorjen, manjka: klicni znak, prejeta izmenjava/);
  await page.getByRole('button', {name: 'KONEC', exact: true}).click();
});

test('lines to look at are listed as in the window', async () => {
  await fill();
  await convert(golden('line_report', 'log.txt'));
  const alert = page.getByRole('alertdialog');
  await alert.getByText('Vrstice dnevnika, ki jih je treba pogledati').waitFor();
  assert.match(await alert.locator('pre').textContent(), /^vrstica 2: videti je kot zveza, a ni pretvorjena/);
  await alert.getByRole('button', {name: 'V redu'}).click();
});
