// SPDX-License-Identifier: GPL-3.0-or-later
// The browser page's view: it lays out the fields, collects what is typed
// and shows what the engine answers. Every rule (upper case, the club's
// preset, readiness, drops, odd values, file names, the conversion) and
// every word it shows is the C++ engine's, reached through its bindings.

const LINE_HEIGHT = 16;  // px, the list's fixed line height (style.css)

export function start(engine) {
  const $ = (id) => document.getElementById(id);
  const utf8 = new TextDecoder();
  const language = 'sl';
  const fields = engine.fields(language);
  const words = engine.words(language);
  const make = $('make');
  const print = $('print');
  const chooser = $('chooser');
  const controls = [];
  const datalists = [];  // of the two category fields
  let focused = -1;  // the field the user is in, across a switch to another window
  let written = null;  // the file the last run gave: {name, bytes}
  let finished = false;  // the run is over: the make button starts over

  // The page's own words, from the engine's table.
  function showWords() {
    document.title = words.program;
    $('frame').textContent = words.frame;
    make.textContent = finished ? words.exit : words.make;
    print.textContent = words.print;
    $('load-list0').textContent = words.loadCategoryList;
    $('load-list1').textContent = words.loadOverlayList;
    $('list').setAttribute('aria-label', words.resultList);
    $('alert-title').textContent = words.program;
    $('alert-summary').textContent = words.details;
    $('printout-close').textContent = words.close;
  }

  // One row per field, in tab order: the caption as the control's label.
  function layOut() {
    const rows = $('fields');
    const lists = engine.shippedLists();
    fields.forEach((field, i) => {
      const label = document.createElement('label');
      label.htmlFor = `field${i}`;
      label.textContent = field.caption;
      const input = document.createElement('input');
      input.id = `field${i}`;
      input.name = field.name;
      input.autocomplete = 'off';
      input.spellcheck = false;
      if (field.tip) label.title = input.title = field.tip;
      if (field.list) {
        input.setAttribute('list', `list${i}`);
        const options = document.createElement('datalist');
        options.id = `list${i}`;
        rows.append(options);
        fillList(options, lists[datalists.length]);
        datalists.push(options);
      }
      rows.append(input, label);
      controls.push(input);
      input.addEventListener('focus', () => entered(i));
      input.addEventListener('blur', () => left(i));
      input.addEventListener('input', updateMake);
      input.addEventListener('keydown', (event) => {
        // Enter moves on like Tab, once the field has had the key.
        if (event.key === 'Enter') {
          event.preventDefault();
          moveOn(input);
        }
      });
    });
  }

  function fillList(datalist, entries) {
    datalist.replaceChildren(...entries.map((entry) => Object.assign(document.createElement('option'), {value: entry})));
  }

  const values = () => controls.map((control) => control.value);
  function show(next) {
    next.forEach((value, i) => {
      if (controls[i].value !== value) controls[i].value = value;
    });
    updateMake();
  }
  function fresh() {
    show(fields.map((field) => field.startText));
  }

  function entered(i) {
    if (i === focused) return;  // back from another window: no entering
    focused = i;
    if (fields[i].list) return;
    show(engine.afterEntering(values(), i));
    const control = controls[i];
    control.setSelectionRange(control.value.length, control.value.length);
  }
  function left(i) {
    // Leaving for another window is no leaving of the field.
    if (!document.hasFocus()) return;
    focused = -1;
    if (!fields[i].list) show(engine.afterLeaving(values(), i));
  }
  function moveOn(from) {
    const order = [...document.querySelectorAll('input:not([type=file]), button, #list')].filter(
        (element) => !element.disabled && !element.hidden && element.offsetParent !== null);
    const next = order[order.indexOf(from) + 1];
    if (next) next.focus();
  }
  function updateMake() {
    make.disabled = !engine.ready(values());
  }

  // The dialogs: a message, its details, and buttons; resolves with the
  // button chosen.
  function ask(message, details, buttons) {
    const dialog = $('alert');
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
  const warn = (message, details) => ask(message, details, [words.ok]);

  // The run: what the make button and a drop have in common. Gives the
  // file's name for the run, or nothing when it is not to go on.
  async function prepare() {
    const name = engine.fileName(values(), language);
    if (name.refusal) {
      await warn(name.refusal);
      return null;
    }
    const odd = engine.fieldWarnings(values(), new Date().getFullYear(), language);
    if (odd && (await ask(odd.message, odd.details.join('\n'), [words.goOn, words.goBack])) !== 0) {
      controls[odd.field].focus();
      return null;
    }
    written = null;
    return name.name;
  }

  async function run(file, fileName) {
    performance.mark('pelikan-log-chosen');  // for bench/page.mjs
    $('status').textContent = file.name;
    if (file.size > engine.maxLogBytes()) return refused(engine.tooLargeMessage(file.name, language));
    let bytes;
    try {
      bytes = new Uint8Array(await file.arrayBuffer());
    } catch (error) {
      return refused(engine.cannotReadMessage(file.name, error.message, language));
    }
    const result = engine.convert(bytes, values(), file.name, fileName, language);
    showList(result.lines);
    performance.mark('pelikan-list-shown');
    controls[0].value += ' '.repeat(result.blanks);
    updateMake();
    if (result.ok) {
      written = {name: fileName, bytes: result.file};
      $('message').textContent = result.message;
      $('status').textContent = result.written;
      download(fileName, result.file);
      finish();
    } else {
      await warn(result.failure);
    }
    if (result.report) await warn(result.report.message, result.report.details.join('\n\n'));
    $('list').focus();
  }
  async function refused(message) {
    await warn(message);
    $('list').focus();
  }
  function finish() {
    finished = true;
    make.textContent = words.exit;
    print.hidden = false;
  }

  function download(name, bytes) {
    const link = document.createElement('a');
    link.href = URL.createObjectURL(new Blob([bytes], {type: 'application/octet-stream'}));
    link.download = name;
    link.click();
    setTimeout(() => URL.revokeObjectURL(link.href), 60000);
  }

  // The list draws only the lines in view, asking the engine for them: tens
  // of thousands of rows in the document would take longer than the run.
  let lines = 0;
  function showList(count) {
    lines = count;
    const list = $('list');
    $('list-space').style.height = `${lines * LINE_HEIGHT}px`;
    list.scrollTop = list.scrollHeight;  // the summary and the claimed score close the list
    drawList();
  }
  function drawList() {
    const list = $('list');
    const first = Math.max(0, Math.floor(list.scrollTop / LINE_HEIGHT) - 5);
    const count = Math.min(lines - first, Math.ceil(list.clientHeight / LINE_HEIGHT) + 10);
    const shown = $('list-lines');
    shown.style.top = `${first * LINE_HEIGHT}px`;
    shown.textContent = count > 0 ? utf8.decode(engine.lines(first, count)).replace(/\n$/, '') : '';
  }

  // The written file in a printable view: fixed width, long lines carried on.
  function printView() {
    if (!written) return warn(words.nothingToPrint);
    $('printout-title').textContent = written.name;
    $('printout-text').replaceChildren(
        ...engine.textOf(written.bytes).replace(/\r\n$/, '').split('\r\n').map((line) => Object.assign(
            document.createElement('div'), {textContent: line || ' '})));
    $('printout').showModal();
    window.print();
  }

  function dropRefusal(event) {
    const files = [...event.dataTransfer.items].filter((item) => item.kind === 'file').length;
    return engine.dropRefusal(!make.disabled, finished, files, language);
  }

  showWords();
  layOut();
  fresh();
  let chosenName = null;  // the file's name for the run the chooser is open for
  make.addEventListener('click', async () => {
    if (finished) return startOver();
    if ((chosenName = await prepare())) chooser.click();
  });
  chooser.addEventListener('change', () => {
    const file = chooser.files[0];
    chooser.value = '';
    if (file) run(file, chosenName);
  });
  // A cancelled choice ends the run, as in the window.
  chooser.addEventListener('cancel', () => {
    finish();
    $('list').focus();
  });
  print.addEventListener('click', printView);
  $('printout-close').addEventListener('click', () => $('printout').close());
  $('list').addEventListener('scroll', drawList);
  for (const [i, input] of ['list-file0', 'list-file1'].entries()) {
    $(`load-list${i}`).addEventListener('click', () => $(input).click());
    $(input).addEventListener('change', async (event) => {
      const file = event.target.files[0];
      if (!file) return;
      try {
        fillList(datalists[i], engine.listEntries(new Uint8Array(await file.arrayBuffer())));
      } catch (error) {
        await warn(engine.cannotReadMessage(file.name, error.message, language));
      }
      event.target.value = '';
    });
  }
  document.addEventListener('dragover', (event) => {
    event.preventDefault();
    const refusal = dropRefusal(event);
    event.dataTransfer.dropEffect = refusal ? 'none' : 'copy';
  });
  document.addEventListener('drop', async (event) => {
    event.preventDefault();
    const refusal = dropRefusal(event);
    if (refusal) {
      $('status').textContent = refusal;
      return;
    }
    const file = event.dataTransfer.files[0];
    const fileName = await prepare();
    if (fileName) run(file, fileName);
  });

  // KONEC: a page cannot close its tab; it starts over with a fresh form for
  // the next entrant, as a fresh start of the program would.
  function startOver() {
    fresh();
    showList(0);
    written = null;
    finished = false;
    make.textContent = words.make;
    print.hidden = true;
    $('message').textContent = '';
    $('status').textContent = '';
    controls[0].focus();
  }

  const callsign = controls[0];
  callsign.focus();
  callsign.setSelectionRange(callsign.value.length, callsign.value.length);
  document.body.dataset.ready = 'true';
  performance.mark('pelikan-ready');
  // While the user types, so that the first log meets the fast code.
  (window.requestIdleCallback ?? setTimeout)(() => engine.warmUp());
}
