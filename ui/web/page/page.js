// The page's side of the calculator window: it makes the elements the C++ layer
// (ui/web) asks for, reads and writes them, and tells it of clicks, typing, the
// timer and faces that arrived. How text is measured and drawn is in measure.js,
// the message boxes in message_box.js. Joined to the program's own script at link
// time (--pre-js), so it shares the program's scope; emscripten's minifier reads
// it, and takes no destructuring.

/* exported OrviPage */
var OrviPage = {
  window: null,
  controls: [], // by the control's number in the layout's enumeration
  timer: 0,

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

  // The browser's own colours as 0xRRGGBB, computed as the page draws them.
  systemColor(name) {
    const probe = document.createElement('i');
    probe.style.color = name;
    document.body.append(probe);
    const channels = getComputedStyle(probe).color.match(/[\d.]+/g).map(Number);
    probe.remove();
    return (channels[0] << 16) | (channels[1] << 8) | channels[2];
  },

  // A date and time in the browser's locale: the short date, a line feed, and the
  // time in one of the clock's forms, numbered in the program's order: the medium
  // time style, which names no time zone; the hour with two-digit minutes and
  // seconds; the same on a 24-hour clock.
  clockText(form, when) {
    if (!this.clockFormats) {
      const withSeconds = { hour: 'numeric', minute: '2-digit', second: '2-digit' };
      this.clockFormats = [
        { timeStyle: 'medium' },
        withSeconds,
        Object.assign({ hourCycle: 'h23' }, withSeconds),
      ].map((options) => new Intl.DateTimeFormat(undefined, options));
      this.dateFormat = new Intl.DateTimeFormat(undefined, { dateStyle: 'short' });
    }
    return this.dateFormat.format(when) + '\n' + this.clockFormats[form].format(when);
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
    // What a key did to the display, for screen readers: a polite live region that
    // holds the display's new text without taking the focus.
    this.announcement = document.createElement('div');
    this.announcement.id = 'announcement';
    this.announcement.className = 'announcement';
    this.announcement.setAttribute('role', 'status');
    this.announcement.setAttribute('aria-live', 'polite');
    // What each control is or does, read after its name: hidden text that the
    // control points to with aria-describedby, which every engine and reader
    // knows (aria-description is newer, and not yet read everywhere).
    this.descriptions = document.createElement('div');
    this.descriptions.id = 'descriptions';
    this.descriptions.hidden = true;
    form.append(this.announcement, this.descriptions);
  },

  // A text the same as the last is said again: the region is emptied first, and
  // filled a moment later, which readers take as a change.
  announce(text) {
    const region = this.announcement;
    clearTimeout(this.announcing);
    if (region.textContent !== text) {
      region.textContent = text;
      return;
    }
    region.textContent = '';
    this.announcing = setTimeout(() => (region.textContent = text), 100);
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
      // The clock and the phrase: read-only boxes whose lines the program places
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
    if (c.description) {
      const description = document.createElement('span');
      description.id = c.name + '-description';
      description.textContent = c.description;
      this.descriptions.append(description);
      element.setAttribute('aria-describedby', description.id);
    }
    const style = element.style;
    style.left = c.left + 'px';
    style.top = c.top + 'px';
    style.width = c.width + 'px';
    style.height = c.height + 'px';
    if (c.font) style.font = c.font;
    if (c.color) style.color = c.color;
    if (c.background) style.background = c.background;
    style.textAlign = c.center ? 'center' : 'left';
    if (c.tabIndex > 0) element.tabIndex = c.tabIndex;
    if (c.roomRight) {
      // The display: its text stops where the memory box in front of it begins.
      style.paddingRight = c.roomRight + 'px';
      element.addEventListener('input', () => _orvi_display_changed(c.owner));
    }
    this.window.append(element);
    this.controls[c.number] = element;
  },

  control(number) {
    return this.controls[number];
  },

  value(number) {
    const element = this.controls[number];
    if (!element || element.tagName === 'BUTTON') return '';
    return 'value' in element ? element.value : element.dataset.text;
  },

  // Whether the text changed. The caret goes after the new text, as after typing.
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

  // The window is built and its timer runs: the keys and the display take input
  // from now on (bench/web reads this mark).
  startTimer(owner, milliseconds) {
    this.timer = setInterval(() => _orvi_tick(owner), milliseconds);
    performance.mark('orvi-usable');
    // Text measured before its face had arrived is measured again once it has.
    document.fonts.addEventListener('loadingdone', () => {
      this.forgetMeasures();
      if (this.window) _orvi_measures_changed(owner);
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

// After the first visit the page works offline: the service worker keeps its files.
if ('serviceWorker' in navigator) navigator.serviceWorker.register('sw.js');
