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
    this.placeOnScreen(form);
    // A phone turned, a window resized: the window, and a box over it, placed anew.
    addEventListener('resize', () => {
      if (this.window) this.placeOnScreen(this.window);
      const box = document.querySelector('dialog.message-box[open]');
      if (box) this.placeOnScreen(box);
    });
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

  // The window, or a message box, where the program's rule puts it on this screen:
  // at its own size where it fits, else scaled evenly to show whole; centred. It is
  // scaled as drawn, by a transform, and keeps its layout: the text is measured and
  // set as at its own size, the browser draws it sharp at the scale, and taps and
  // clicks land where they are drawn. (The zoom property would lay every control out
  // anew at the smaller size, where a face's rounding could break lines differently.)
  placeOnScreen(element) {
    element.style.transform = '';
    const box = element.getBoundingClientRect();
    const root = document.documentElement;
    const at = _orvi_place_on_screen(box.width, box.height, root.clientWidth, root.clientHeight) >> 3;
    const scale = HEAPF64[at];
    element.style.left = HEAPF64[at + 1] + 'px';
    element.style.top = HEAPF64[at + 2] + 'px';
    element.style.transform = scale < 1 ? 'scale(' + scale + ')' : '';
    if (element === this.window) this.scale = scale;
  },
  scale: 1,

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
      this.pressByTouch(element, () => _orvi_click(c.owner, c.number));
      element.addEventListener('click', () => {
        if (!this.justTouched(element)) _orvi_click(c.owner, c.number);
      });
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
      // The user's own tap or click on the box asks for a keyboard to type with.
      const typeHere = () => element.removeAttribute('inputmode');
      element.addEventListener('pointerdown', typeHere);
      element.addEventListener('click', typeHere);
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

  // A key pressed by a finger (or a pen): it looks pressed while the finger is down,
  // and is pressed when the finger lifts on it, at once. The browser's own click
  // after a tap is not waited for (it may hold it back to see whether a second tap
  // follows, to zoom) and not taken: the touch is the press. A finger that leaves
  // the key, or that the browser takes for panning or pinching the page, presses
  // nothing. A long press is a press too, with no menu or text selection. The mouse,
  // the keyboard and assistive technology press keys by the click as ever.
  pressByTouch(key, press) {
    let finger = null;
    const release = () => {
      finger = null;
      key.classList.remove('pressed');
    };
    key.addEventListener('pointerdown', (event) => {
      if (event.pointerType === 'mouse' || !event.isPrimary || finger !== null) return;
      finger = event.pointerId;
      key.classList.add('pressed');
    });
    key.addEventListener('pointerup', (event) => {
      if (event.pointerId !== finger) return;
      release();
      const r = key.getBoundingClientRect();
      const onKey = event.clientX >= r.left && event.clientX < r.right && event.clientY >= r.top && event.clientY < r.bottom;
      if (!onKey) return;
      // The key takes the focus, as it does from the mouse, without the ring that
      // shows the keyboard's user where the focus is.
      key.focus({ preventScroll: true, focusVisible: false });
      this.touched = { key: key, at: performance.now() };
      press();
    });
    key.addEventListener('pointercancel', release);
    key.addEventListener('touchend', (event) => {
      if (event.cancelable) event.preventDefault(); // no click to follow
    }, { passive: false });
    key.addEventListener('contextmenu', (event) => event.preventDefault());
  },
  touched: null,

  // Whether a click is the one a browser sends after the touch that has already
  // pressed the key, where it sends one at all.
  justTouched(key) {
    return this.touched !== null && this.touched.key === key && performance.now() - this.touched.at < 700;
  },

  // The program moves the focus (the memory keys hand the display the next number).
  // A text box focused so must not bring up a phone's on-screen keyboard that the
  // user did not ask for: inputmode="none" keeps it down, for the program's focus
  // only, until the user taps or clicks the box (see createControl).
  focusByProgram(number) {
    const element = this.controls[number];
    if (element.tagName === 'INPUT') element.inputMode = 'none';
    element.focus();
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
// It is started once the page has loaded, so that on a slow network its copying of
// every file does not hold up the files the page needs first.
if ('serviceWorker' in navigator) addEventListener('load', () => navigator.serviceWorker.register('sw.js'));
