// SPDX-License-Identifier: GPL-3.0-or-later
// The browser page's bindings in node, a few table rows each: what the page
// may ask of the engine, answered by the same rules as the window's.
// Usage: node --test tests/web/   (PELIKAN_MODULE: the module, default build-web/pelikan-web.js)

import assert from 'node:assert/strict';
import {readFileSync} from 'node:fs';
import {createRequire} from 'node:module';
import {resolve} from 'node:path';
import {before, test} from 'node:test';

let engine;
const golden = (name, file) => readFileSync(resolve('tests/golden', name, file));
// The fields of the golden cases' args, in tab order.
const typed = ['S59AAA', 'KV prvenstvo ZRS', '1985', 'SINGLE-OP 80M LOW MIXED', '', '', '', '', 'Janez Kovač',
               'Šolska ulica 3', '1000 Ljubljana', '', ''];
const with_ = (changes) => typed.map((value, i) => changes[i] ?? value);

before(async () => {
  engine = await createRequire(import.meta.url)(resolve(process.env.PELIKAN_MODULE ?? 'build-web/pelikan-web.js'))();
});

// The rules themselves are tests/contest's; here, that each reaches the page.
test('the fields, and the rules as the focus moves', () => {
  assert.deepEqual(engine.fields('sl').map((f) => f.caption).slice(0, 4), ['Znak *', 'Contest *', 'Licence-year *', 'Kategorija *']);
  const rows = [  // values, field left or entered, the field's value after
    [with_({0: 's5č€日'}), 'afterLeaving', 0, 0, 'S5Č€?'], [with_({8: 'janez日'}), 'afterLeaving', 8, 8, 'janez日'],
    [with_({6: 'ab'}), 'afterLeaving', 2, 6, ''], [with_({6: 'a'}), 'afterEntering', 6, 6, 'S5'],
  ];
  for (const [values, rule, field, shown, expected] of rows) assert.equal(engine[rule](values, field)[shown], expected);
  assert.equal(engine.ready(typed), true);
  assert.equal(engine.ready(with_({3: ''})), false);
  assert.match(engine.dropRefusal(false, false, 1, 'sl'), /^Dnevnik spustite, ko/);
  assert.equal(engine.dropRefusal(true, false, 1, 'sl'), '');
});

test('odd values, file names and list files', () => {
  assert.equal(engine.fieldWarnings(typed, 2026, 'sl'), null);
  const odd = engine.fieldWarnings(with_({2: '85', 7: 'S51A, S52B'}), 2026, 'sl');
  assert.deepEqual([odd.field, odd.details.length], [2, 2]);
  assert.equal(engine.fileName(with_({0: ' s57x/p '}), 'sl').name, 's57x_p.cbr');
  assert.match(engine.fileName(with_({0: ' .. '}), 'sl').refusal, /^Iz znaka » \.\. «/);
  assert.deepEqual(engine.listEntries(new Uint8Array([0xef, 0xbb, 0xbf, 0xc5, 0xbd, 0x0d, 0x0a, 0x59])), ['Ž', 'Y']);
  assert.ok(engine.shippedLists()[0].includes('SINGLE-OP 80M LOW CW'));
  assert.equal(engine.textOf(new Uint8Array([0x8a, 0xe8, 0x0d, 0x0a])), 'Šč\r\n');
  assert.equal(engine.words('sl').make, 'Izdelaj CBR');
  assert.match(engine.tooLargeMessage('big.log', 'sl'), /^Dnevnik big\.log je večji od 64 MiB\./);
});

// A conversion with the typed fields, in Slovenian, to the file S59AAA.cbr.
const convert = (log, fields = typed, name = 'log.txt') => engine.convert(log, fields, name, 'S59AAA.cbr', 'sl');

test('a conversion gives the golden file, a refused one its message', () => {
  const done = convert(golden('worked_example', 'log.txt'));
  assert.deepEqual(Buffer.from(done.file), golden('worked_example', 'S59AAA.cbr'));
  assert.match(done.report.details[0], /^vrstica 2: zveza je zgodnejša od tiste pred njo/);
  const list = () => new TextDecoder().decode(engine.lines(0, 1e6));
  assert.equal(list(), golden('worked_example', 'list.txt').toString());
  assert.equal(new TextDecoder().decode(engine.lines(done.lines - 1, 5)), 'Skupaj  3   tock   x     2 mnozilcev  =  6  tock\n');
  const refused = convert(golden('line_too_long', 'log.txt'));
  assert.equal(refused.ok, false);
  assert.match(refused.failure, /^Vrstica 4 dnevnika log.txt je daljša od 32767 znakov\./);
  assert.match(list(), /\n\*\*\* Pretvorba se je ustavila; datoteka CBR ni bila zapisana\.\n$/);
  assert.equal(convert(golden('worked_example', 'log.txt'), with_({0: 'S5'})).blanks, 4, 'the callsign padded');
  const report = convert(golden('line_report', 'log.txt')).report;
  assert.match(report.details[0], /^vrstica 2: videti je kot zveza/);
  // Beyond the notes kept, one line says how many more there are.
  const many = convert(new TextEncoder().encode('80 CW 2007-03-04 0601 S57BBB 57\r\n'.repeat(2003)));
  assert.deepEqual([report.details.length, many.report.details.length], [7, 2002]);
  assert.equal(many.report.details[2001], '... in še 3 vrstic, ki niso prikazane.');
});

test('an ADIF and a Cabrillo export give the listing\'s file, and the status line says what was read', () => {
  for (const [log, kind] of [['log.adi', 'ADIF'], ['log.cabrillo', 'Cabrillo']]) {
    const done = convert(golden('export_contest_logger', log), typed, log);
    assert.deepEqual(Buffer.from(done.file), golden('export_contest_logger', 'S59AAA.cbr'), log);
    assert.equal(done.report, null);
    assert.match(done.status, new RegExp(`^Dano brskalniku: S59AAA\\.cbr, .* — Dnevnik je v obliki ${kind}\\. `));
  }
  const pdf = convert(golden('binary_pdf', 'log.txt'), typed, 'entry.pdf');
  assert.match(pdf.failure, /^Datoteka entry\.pdf je dokument PDF, ne dnevnik\./);
});
