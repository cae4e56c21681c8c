// The page's side of the calculator window. The C++ layer (ui/web) builds the
// window from the layout table through these functions and reads and writes its
// controls through them; the clicks, the typing into the display and the timer call
// back into it. Joined to the program's own script at link time (--pre-js), so it
// shares the program's scope; emscripten's minifier reads it, and takes no
// destructuring.

/* exported OrviPage */
var OrviPage = {
  window: null,
  controls: [], // by the control's number in the layout's enumeration
  timer: 0,
  canvas: null,

  // UTF-16 text between the program's memory and the page, unit by unit: lone
  // surrogates typed into the display travel unchanged, which a TextDecoder's
  // replacement characters would not.
  text(address, length) {
    const units = HEAPU16.subarray(address >> 1, (address >> 1) + length);
    let text = '';
    for (let at = 0; at < units.length; at += 8192)
      text += String.fromCharCode.apply(null, units.subarray(at, at + 8192));
    return text;
  },
  copyText(text, address) {
    for (let i = 0; i < text.length; ++i) HEAPU16[(address >> 1) + i] = text.charCodeAt(i);
  },

  createWindow(caption, width, height, background) {
    document.title = caption;
    const form = document.createElement('main');
    form.id = 'Form1';
    form.className = 'window';
    form.setAttribute('aria-label', caption);
    form.style.width = width + 'px';
    form.style.height = height + 'px';
    form.style.background = background;
    document.getElementById('off').hidden = true;
    document.body.prepend(form);
    this.window = form;
  },

  // One control, in front of those made before it: the table lists them back to
  // front, and later elements are drawn over earlier ones.
  createControl(c) {
    let element;
    if (c.kind === 'label') {
      element = document.createElement('div');
      element.textContent = c.caption;
    } else if (c.kind === 'picture') {
      element = document.createElement('img');
      element.src = 'portrait.png';
      element.alt = c.accessibleName;
      element.draggable = false;
    } else if (c.kind === 'key') {
      element = document.createElement('button');
      element.type = 'button';
      element.textContent = c.caption;
      element.addEventListener('click', () => _orvi_click(c.owner, c.number));
    } else if (c.multiLine) {
      // The clock and the phrase: read-only boxes whose lines the program lays out
      // (showLines); their text can be selected.
      element = document.createElement('div');
      element.classList.add('wrapping');
      element.setAttribute('role', 'textbox');
      element.setAttribute('aria-readonly', 'true');
      element.setAttribute('aria-multiline', 'true');
      element.dataset.text = '';
    } else {
      element = document.createElement('input');
      element.type = 'text';
      element.autocomplete = 'off';
      element.spellcheck = false;
      element.setAttribute('autocapitalize', 'off');
    }
    element.id = c.name;
    element.classList.add(c.kind);
    if (c.accessibleName && c.kind !== 'picture') {
      element.setAttribute('aria-label', c.accessibleName);
      if (c.kind === 'label') element.setAttribute('role', 'note');
    }
    const style = element.style;
    style.left = c.left + 'px';
    style.top = c.top + 'px';
    style.width = c.width + 'px';
    style.height = c.height + 'px';
    if (c.font) {
      style.font = c.font;
      element.dataset.font = c.font; // the type as laid out, before any fitting
    }
    if (c.color) style.color = c.color;
    if (c.background) style.background = c.background;
    style.textAlign = c.center ? 'center' : 'left';
    if (c.tabIndex > 0) element.tabIndex = c.tabIndex;
    if (c.roomRight) {
      // The display: its text stops where the memory box in front of it begins.
      style.paddingRight = c.roomRight + 'px';
      element.addEventListener('input', () => _orvi_display_edited(c.owner));
    }
    this.window.append(element);
    this.controls[c.number] = element;
    return element;
  },

  control(number) {
    return this.controls[number];
  },

  value(number) {
    const element = this.controls[number];
    if (!element || element.tagName === 'BUTTON') return '';
    return 'value' in element ? element.value : element.dataset.text || '';
  },

  // Whether the text changed.
  setValue(number, text) {
    const element = this.controls[number];
    if (!element || element.tagName !== 'INPUT' || element.value === text) return false;
    element.value = text;
    return true;
  },

  // Only the end of a box's text changes; the rest stays as the user left it.
  editEnd(number, removeUnits, text) {
    const element = this.controls[number];
    const end = element.value.length;
    element.setRangeText(text, end - removeUnits, end, 'end');
  },

  // The caret after the last character, as after typing, and that end in sight.
  showEnd(number) {
    const box = this.controls[number];
    const end = box.value.length;
    box.setSelectionRange(end, end);
    box.scrollLeft = box.scrollWidth;
  },

  textWidth(text, font) {
    this.canvas = this.canvas || document.createElement('canvas').getContext('2d');
    this.canvas.font = font;
    return this.canvas.measureText(text).width;
  },

  // A piece of a control's text as wide as its own type sets it, or its face at a
  // size in pixels.
  naturalWidth(number, text, pixels) {
    const element = this.controls[number];
    return this.textWidth(text, pixels ? this.fontAt(element, pixels) : element.dataset.font);
  },

  fontAt(element, pixels) {
    const style = getComputedStyle(element);
    return style.fontWeight + ' ' + pixels + 'px ' + style.fontFamily;
  },

  typeSize(number) {
    return Math.round(parseFloat(getComputedStyle(this.controls[number]).fontSize));
  },

  // The room inside a box's border.
  innerWidth(number) {
    return this.controls[number].clientWidth;
  },

  // The width the display's text has before the memory box, less the caret's pixel.
  room(number) {
    const box = this.controls[number];
    const style = getComputedStyle(box);
    return box.clientWidth - parseFloat(style.paddingLeft) - parseFloat(style.paddingRight) - 2;
  },

  // Sets the display's text at a share of its width (letters closer together, as
  // near as CSS comes to narrower letters: the face has no narrower cut) and at a
  // share of its type size.
  setScale(number, stretch, size) {
    const box = this.controls[number];
    const base = parseFloat(box.dataset.size || (box.dataset.size = getComputedStyle(box).fontSize));
    box.style.fontSize = base * size + 'px';
    let spacing = 0;
    if (stretch < 1 && box.value.length > 0) {
      const sample = box.value.slice(0, 128);
      spacing = ((stretch - 1) * this.naturalWidth(number, sample) * size) / sample.length;
    }
    box.style.letterSpacing = spacing + 'px';
  },

  // Shows a box's text on the lines given, lines 1.2 type sizes apart (the Arabic
  // face's own spacing would leave room for one line of the two), each centred, and
  // the ink of them all in the middle of the box. Whether it shows whole: every line
  // and all of the ink a pixel clear of the border.
  showLines(number, text, lines, pixels) {
    const box = this.controls[number];
    box.dataset.text = text;
    const font = this.fontAt(box, pixels);
    const height = Math.round(pixels * 1.2);
    const rows = lines.split('\n').map((line) => {
      const row = document.createElement('div');
      row.className = 'line';
      row.dir = 'auto';
      row.style.font = font;
      row.style.lineHeight = height + 'px';
      const baseline = document.createElement('span'); // its bottom edge is the baseline
      baseline.className = 'baseline';
      row.append(baseline, line);
      return row;
    });
    box.replaceChildren(...rows);
    const baseline =
      rows[0].firstChild.getBoundingClientRect().bottom - rows[0].getBoundingClientRect().top;
    this.canvas = this.canvas || document.createElement('canvas').getContext('2d');
    this.canvas.font = font;
    let top = Infinity;
    let bottom = -Infinity;
    let widest = 0;
    rows.forEach((row, i) => {
      const ink = this.canvas.measureText(row.lastChild.textContent);
      top = Math.min(top, i * height + baseline - ink.actualBoundingBoxAscent);
      bottom = Math.max(bottom, i * height + baseline + ink.actualBoundingBoxDescent);
      widest = Math.max(widest, ink.width, ink.actualBoundingBoxLeft + ink.actualBoundingBoxRight);
    });
    const offset = Math.round((box.clientHeight - (bottom - top)) / 2 - top);
    rows.forEach((row, i) => (row.style.top = i * height + offset + 'px'));
    return bottom - top <= box.clientHeight - 2 && widest <= box.clientWidth - 2;
  },

  // The window is built and its timer runs: the keys and the display take input
  // from now on (bench/web reads this mark).
  startTimer(owner, milliseconds) {
    this.timer = setInterval(() => _orvi_tick(owner), milliseconds);
    performance.mark('orvi-usable');
    // Text measured before its face had arrived is measured again once it has.
    document.fonts.addEventListener('loadingdone', () => {
      this.clock = null;
      if (this.window) _orvi_faces_loaded(owner);
    });
  },

  // "OFF": the timer stops, the window goes, and a line says so, with a way back.
  end() {
    clearInterval(this.timer);
    this.window.remove();
    this.window = null;
    this.controls = [];
    const off = document.getElementById('off');
    off.hidden = false;
    const again = off.querySelector('button');
    again.onclick = () => location.reload();
    again.focus();
  },
};

// A message box: a modal dialog with the application title, the icon, the text
// and its buttons, the first of them the default. The banner goes on meanwhile.
OrviPage.messageBox = function (title, text, icon, yesNo) {
  return new Promise((resolve) => {
    const returnFocus = document.activeElement;
    const dialog = document.createElement('dialog');
    dialog.className = 'message-box';
    const critical = icon === 'critical' || icon === 'exclamation';
    dialog.setAttribute('role', critical ? 'alertdialog' : 'dialog');
    dialog.setAttribute('aria-labelledby', 'message-box-title');
    dialog.setAttribute('aria-describedby', 'message-box-text');
    const heading = document.createElement('h1');
    heading.id = 'message-box-title';
    heading.textContent = title;
    const body = document.createElement('div');
    body.className = 'body';
    if (icon) {
      const picture = document.createElement('div');
      picture.className = 'icon ' + icon;
      picture.setAttribute('aria-hidden', 'true');
      body.append(picture);
    }
    const message = document.createElement('p');
    message.id = 'message-box-text';
    message.textContent = text;
    body.append(message);
    const buttons = document.createElement('form');
    buttons.method = 'dialog';
    const answers = yesNo ? [['Yes', 6], ['No', 7]] : [['OK', 1]];
    for (const answer of answers) {
      const button = document.createElement('button');
      button.textContent = answer[0];
      button.value = String(answer[1]);
      buttons.append(button);
    }
    buttons.firstChild.autofocus = true;
    // Escape answers No, or OK where that is the only button.
    dialog.addEventListener('cancel', (event) => {
      event.preventDefault();
      dialog.close(String(answers[answers.length - 1][1]));
    });
    dialog.addEventListener('close', () => {
      dialog.remove();
      if (returnFocus && returnFocus.isConnected) returnFocus.focus();
      resolve(Number(dialog.returnValue) || answers[answers.length - 1][1]);
    });
    dialog.append(heading, body, buttons);
    document.body.append(dialog);
    dialog.showModal();
    buttons.firstChild.focus();
  });
};

// After the first visit the page works offline: the service worker keeps its files.
if ('serviceWorker' in navigator) navigator.serviceWorker.register('sw.js');
