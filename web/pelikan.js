// SPDX-License-Identifier: GPL-3.0-or-later
// The browser page's view: it lays out the fields, collects what is typed
// and shows what the engine answers. Every rule (upper case, the club's
// preset, readiness, drops, odd values, file names, the conversion) and
// every word it shows is the C++ engine's, reached through its bindings.

const LINE_HEIGHT = 16;  // px, the list's fixed line height (style.css)
const $ = (id) => document.getElementById(id);

export function start(engine) {
  new Page(engine).start();
}

// The language asked for in the address ("?lang=en"), else the browser's:
// Slovenian for a Slovenian browser, English for any other.
function initialLanguage() {
  const asked = new URLSearchParams(location.search).get('lang');
  if (asked === 'sl' || asked === 'en') return asked;
  return (navigator.languages?.[0] ?? navigator.language ?? '').toLowerCase().split('-')[0] === 'sl' ? 'sl' : 'en';
}

class Page {
  constructor(engine) {
    this.engine = engine;
    this.language = initialLanguage();
    this.controls = [];   // the fields' inputs, in tab order
    this.datalists = [];  // the two category fields' lists
    this.focused = -1;    // the field the user is in, across a switch to another window
    this.pointer = null;  // the field a pointer is entering, which keeps its caret where clicked
    this.written = null;  // the file the last run gave: {name, bytes}
    this.finished = false;
    this.lines = 0;       // of the result list
    this.decoder = new TextDecoder();
  }

  start() {
    this.layOut();
    this.showWords();
    this.fresh();
    this.wire();
    const callsign = this.controls[0];
    callsign.focus();
    callsign.setSelectionRange(callsign.value.length, callsign.value.length);
    document.body.dataset.ready = 'true';
    performance.mark('pelikan-ready');  // for bench/page.mjs
    // While the user types, so that the first log meets the fast code.
    (window.requestIdleCallback ?? setTimeout)(() => this.engine.warmUp());
  }

  // One row per field, in tab order: the input, its tip under it while it
  // has the focus, and its caption as its label.
  layOut() {
    const lists = this.engine.shippedLists();
    for (const [i, field] of this.engine.fields(this.language).entries()) {
      const input = Object.assign(document.createElement('input'),
                                  {id: `field${i}`, name: field.name, autocomplete: 'off', spellcheck: false});
      if (field.required) input.setAttribute('aria-required', 'true');
      const tip = Object.assign(document.createElement('span'), {id: `tip${i}`, className: 'tip'});
      const box = Object.assign(document.createElement('div'), {className: 'field'});
      box.append(input, tip);
      const label = Object.assign(document.createElement('label'), {htmlFor: input.id, id: `caption${i}`});
      const row = Object.assign(document.createElement('div'), {className: 'row'});
      row.append(box, label);
      if (field.list) {
        const options = Object.assign(document.createElement('datalist'), {id: `list${i}`});
        input.setAttribute('list', options.id);
        row.append(options);
        this.fillList(options, lists[this.datalists.length]);
        this.datalists.push(options);
      }
      $('fields').append(row);
      this.controls.push(input);
      this.wireField(input, i);
    }
  }

  wireField(input, i) {
    input.addEventListener('mousedown', () => { this.pointer = input; });
    input.addEventListener('focus', () => this.entered(i));
    input.addEventListener('blur', () => this.left(i));
    input.addEventListener('input', () => this.updateMake());
    input.addEventListener('keydown', (event) => {
      // Enter moves on like Tab.
      if (event.key === 'Enter') {
        event.preventDefault();
        this.moveOn(input);
      }
    });
  }

  // Every word of the page in its language, from the engine's table.
  showWords() {
    const words = this.words = this.engine.words(this.language);
    document.documentElement.lang = this.language;
    for (const [i, field] of this.engine.fields(this.language).entries()) {
      $(`caption${i}`).textContent = field.caption;
      $(`tip${i}`).textContent = field.tip;
      $(`tip${i}`).hidden = !field.tip;
      if (field.tip) this.controls[i].setAttribute('aria-describedby', `tip${i}`);
      else this.controls[i].removeAttribute('aria-describedby');
    }
    $('language-label').textContent = words.language;
    $('language').value = this.language;
    $('language').options[0].textContent = words.slovenian;
    $('language').options[1].textContent = words.english;
    const texts = {
      'load-entry': words.loadEarlierEntry, 'load-entry-tip': words.loadEarlierEntryTip, frame: words.frame, 'required-legend': words.requiredLegend, print: words.print, 'save-as': words.saveAs,
      clear: words.clearForm, 'load-list0': words.loadCategoryList, 'load-list1': words.loadOverlayList,
      'list-name': words.resultList, 'alert-summary': words.details,
    };
    for (const [id, text] of Object.entries(texts)) $(id).textContent = text;
    $('make').textContent = this.finished ? words.nextLog : words.make;
  }

  fillList(list, entries) {
    list.replaceChildren(...entries.map((entry) => Object.assign(document.createElement('option'), {value: entry})));
  }

  values() { return this.controls.map((control) => control.value); }
  show(next) {
    next.forEach((value, i) => {
      if (this.controls[i].value !== value) this.controls[i].value = value;
    });
    this.updateMake();
  }
  fresh() { this.show(this.engine.fields(this.language).map((field) => field.startText)); }
  updateMake() { $('make').disabled = !this.engine.ready(this.values()); }

  // Entering a field: its rule (the club's preset), and its text selected as
  // in any form, unless a click put the caret, or the preset came, which is
  // to be typed on.
  entered(i) {
    const control = this.controls[i];
    const pointer = this.pointer === control;
    this.pointer = null;
    if (i === this.focused) return;  // back from another window: no entering
    this.focused = i;
    const before = control.value;
    if (!control.list) this.show(this.engine.afterEntering(this.values(), i));
    if (control.value !== before) control.setSelectionRange(control.value.length, control.value.length);
    else if (!pointer) control.select();
  }
  left(i) {
    // Leaving for another window is no leaving of the field.
    if (!document.hasFocus()) return;
    this.focused = -1;
    if (!this.controls[i].list) this.show(this.engine.afterLeaving(this.values(), i));
  }
  moveOn(from) {
    const order = [...document.querySelectorAll('input:not([type=file]), button, #list')].filter(
        (element) => !element.disabled && !element.hidden && element.offsetParent !== null);
    const next = order[order.indexOf(from) + 1];
    if (next) next.focus();
  }

  wire() {
    $('make').addEventListener('click', () => this.make());
    $('chooser').addEventListener('change', () => {
      const file = $('chooser').files[0];
      $('chooser').value = '';
      if (file) this.run(file, this.chosenName);
    });
    // A cancelled choice leaves the page as it was: there was no run.
    $('print').addEventListener('click', () => this.printView());
    $('save-as').addEventListener('click', () => this.saveAs());
    $('clear').addEventListener('click', () => this.startOver(true));
    $('list').addEventListener('scroll', () => this.drawList());
    $('language').addEventListener('change', (event) => {
      this.language = event.target.value;
      this.showWords();
    });
    $('load-entry').addEventListener('click', () => $('entry-file').click());
    $('entry-file').addEventListener('change', (event) => this.loadEntry(event.target));
    for (const i of [0, 1]) {
      $(`load-list${i}`).addEventListener('click', () => $(`list-file${i}`).click());
      $(`list-file${i}`).addEventListener('change', (event) => this.loadList(i, event.target));
    }
    // A file dragged anywhere, a dialog included, never leaves the page: the
    // browser would open it in the page's place.
    for (const type of ['dragenter', 'dragover']) {
      window.addEventListener(type, (event) => {
        event.preventDefault();
        event.dataTransfer.dropEffect = 'copy';
      }, true);
    }
    window.addEventListener('drop', (event) => this.dropped(event), true);
  }

  async make() {
    if (this.finished) return this.startOver(false);
    if ((this.chosenName = await this.prepare())) $('chooser').click();
  }

  async dropped(event) {
    event.preventDefault();
    const files = [...event.dataTransfer.items].filter((item) => item.kind === 'file').length;
    const refusal = this.engine.dropRefusal(!$('make').disabled, this.finished, files, this.language);
    if (refusal) {
      $('status').textContent = refusal;
      return;
    }
    const file = event.dataTransfer.files[0];
    const fileName = await this.prepare();
    if (fileName) this.run(file, fileName);
  }

  // The dialogs: `kind` ('error' or 'warning') names them; a message, its
  // details, and buttons; resolves with the button chosen.
  ask(kind, message, details, buttons) {
    const dialog = $('alert');
    $('alert-title').textContent = this.words[kind];
    $('alert-text').textContent = message;
    $('alert-details').hidden = !details;
    $('alert-details-text').textContent = details || '';
    const row = $('alert-buttons');
    row.replaceChildren();
    return new Promise((resolve) => {
      buttons.forEach((caption, n) => {
        const button = Object.assign(document.createElement('button'), {type: 'button', textContent: caption});
        button.addEventListener('click', () => {
          dialog.close();
          resolve(n);
        });
        row.append(button);
      });
      dialog.showModal();
      row.lastChild.focus();
    });
  }
  warn(kind, message, details) { return this.ask(kind, message, details, [this.words.ok]); }

  // What the make button and a drop have in common before the log: gives
  // the file's name for the run, or nothing when it is not to go on.
  async prepare() {
    const name = this.engine.fileName(this.values(), this.language);
    if (name.refusal) {
      await this.warn('error', name.refusal);
      return null;
    }
    const odd = this.engine.fieldWarnings(this.values(), new Date().getFullYear(), this.language);
    const words = this.words;
    if (odd && (await this.ask('warning', odd.message, odd.details.join('\n'), [words.goOn, words.goBack])) !== 0) {
      this.controls[odd.field].focus();
      return null;
    }
    this.written = null;
    return name.name;
  }

  async run(file, fileName) {
    performance.mark('pelikan-log-chosen');  // for bench/page.mjs
    $('status').textContent = file.name;
    const engine = this.engine;
    if (file.size > engine.maxLogBytes()) return this.refused(engine.tooLargeMessage(file.name, this.language));
    let bytes;
    try {
      bytes = new Uint8Array(await file.arrayBuffer());
    } catch (error) {
      return this.refused(engine.cannotReadMessage(file.name, error.message, this.language));
    }
    const result = engine.convert(bytes, this.values(), file.name, fileName, this.language);
    this.showList(result.lines);
    performance.mark('pelikan-list-shown');
    this.controls[0].value += ' '.repeat(result.blanks);
    this.updateMake();
    if (result.ok) {
      this.written = {name: fileName, bytes: result.file};
      $('message').textContent = result.message;
      $('status').textContent = result.status;
      this.download(fileName, result.file);
      this.finish();
    } else {
      await this.warn('error', result.failure);
    }
    if (result.report) await this.warn('warning', result.report.message, result.report.details.join('\n\n'));
    $('list').focus();
  }
  async refused(message) {
    await this.warn('error', message);
    $('list').focus();
  }
  finish() {
    this.finished = true;
    $('make').textContent = this.words.nextLog;
    $('print').hidden = false;
    // Only where the browser lets a page ask where to save.
    $('save-as').hidden = !window.showSaveFilePicker;
  }

  // The next log, with the station data kept; or, from "clear", a fresh form as well.
  startOver(clearForm) {
    if (clearForm) this.fresh();
    this.showList(0);
    this.written = null;
    this.finished = false;
    $('make').textContent = this.words.make;
    $('print').hidden = $('save-as').hidden = true;
    $('message').textContent = $('status').textContent = '';
    this.updateMake();
    (clearForm || $('make').disabled ? this.controls[0] : $('make')).focus();
  }

  download(name, bytes) {
    const link = document.createElement('a');
    link.href = URL.createObjectURL(new Blob([bytes], {type: 'application/octet-stream'}));
    link.download = name;
    link.click();
    setTimeout(() => URL.revokeObjectURL(link.href), 60000);
  }

  // Where the browser lets a page ask where to save: the same bytes, under
  // the name and in the folder the user chooses.
  async saveAs() {
    if (!this.written) return;
    const {name, bytes} = this.written;
    let handle;
    try {
      handle = await window.showSaveFilePicker(
          {suggestedName: name, types: [{description: 'Cabrillo', accept: {'text/plain': ['.cbr']}}]});
      const writable = await handle.createWritable();
      await writable.write(bytes);
      await writable.close();
    } catch (error) {
      if (error.name !== 'AbortError') {
        await this.warn('error', this.engine.cannotWriteMessage(handle?.name ?? name, error.message, this.language));
      }
      return;
    }
    $('status').textContent = this.engine.savedMessage(handle.name, this.language);
  }

  // The list draws only the lines in view, asking the engine for them: tens
  // of thousands of rows in the document would take longer than the run.
  // Its whole text follows for screen readers once it is shown.
  showList(count) {
    this.lines = count;
    const list = $('list');
    $('list-space').style.height = `${count * LINE_HEIGHT}px`;
    list.scrollTop = list.scrollHeight;  // the summary and the claimed score close the list
    this.drawList();
    $('list-text').textContent = '';
    (window.requestIdleCallback ?? setTimeout)(() => {
      if (this.lines === count) $('list-text').textContent = this.text(0, count);
      performance.mark('pelikan-list-text');  // for bench/page.mjs
    });
  }
  drawList() {
    const list = $('list');
    const first = Math.max(0, Math.floor(list.scrollTop / LINE_HEIGHT) - 5);
    const count = Math.min(this.lines - first, Math.ceil(list.clientHeight / LINE_HEIGHT) + 10);
    const shown = $('list-lines');
    shown.style.top = `${first * LINE_HEIGHT}px`;
    shown.textContent = count > 0 ? this.text(first, count) : '';
  }
  text(first, count) { return this.decoder.decode(this.engine.lines(first, count)).replace(/\n$/, ''); }

  // The written file on paper: its name on the first page, which is also
  // the name a PDF is offered under.
  printView() {
    if (!this.written) return this.warn('warning', this.words.nothingToPrint);
    const name = this.written.name;
    $('printout-title').textContent = name;
    $('printout-text').replaceChildren(
        ...this.engine.textOf(this.written.bytes).replace(/\r\n$/, '').split('\r\n').map((line) => Object.assign(
            document.createElement('div'), {textContent: line || ' '})));
    const title = document.title;
    document.title = name.replace(/\.cbr$/, '');
    window.addEventListener('afterprint', () => { document.title = title; }, {once: true});
    window.print();
  }

  // The station data from last year's entry, as if typed; the status line
  // says which fields were filled.
  async loadEntry(input) {
    const file = input.files[0];
    input.value = '';
    if (!file) return;
    let bytes;
    try {
      bytes = new Uint8Array(await file.slice(0, this.engine.earlierEntryReadLimit()).arrayBuffer());
    } catch (error) {
      return this.warn('error', this.engine.cannotReadMessage(file.name, error.message, this.language));
    }
    const filled = this.engine.earlierEntry(bytes, this.values(), file.name, this.language);
    if (filled.refusal) return this.warn('error', filled.refusal);
    this.show(filled.values);
    $('status').textContent = filled.message;
  }

  async loadList(i, input) {
    const file = input.files[0];
    if (!file) return;
    try {
      this.fillList(this.datalists[i], this.engine.listEntries(new Uint8Array(await file.arrayBuffer())));
    } catch (error) {
      await this.warn('error', this.engine.cannotReadMessage(file.name, error.message, this.language));
    }
    input.value = '';
  }
}
