// How the page's faces set text, measured with a canvas in a control's own face:
// the lines of the clock and phrase boxes and the display's text. And those drawn
// exactly as measured: the lines where the program placed them, the display's text
// at the scale it chose. The program decides; this only measures and draws.

Object.assign(OrviPage, {
  canvas: null,
  faces: [], // a control's weight and families, by its number
  typeSizes: [], // a control's type size in pixels, as laid out, by its number
  baselines: new Map(), // a line box's baseline from its top, by control and size

  // Text measured before a face arrived is measured again.
  forgetMeasures() {
    this.canvas = null;
    this.baselines.clear();
  },

  typeSize(number) {
    if (!this.typeSizes[number])
      this.typeSizes[number] = parseFloat(getComputedStyle(this.controls[number]).fontSize);
    return this.typeSizes[number];
  },

  fontAt(number, pixels) {
    if (!this.faces[number]) {
      const style = getComputedStyle(this.controls[number]);
      this.faces[number] = [style.fontWeight, style.fontFamily];
    }
    return this.faces[number][0] + ' ' + pixels + 'px ' + this.faces[number][1];
  },

  // A line's direction as dir="auto" finds it, from its first letter; the line is
  // measured and drawn in it.
  direction(text) {
    const letter = text.match(/\p{L}/u);
    const rightToLeft = /[\p{Script=Arabic}\p{Script=Hebrew}\p{Script=Syriac}\p{Script=Thaana}]/u;
    return letter && rightToLeft.test(letter[0]) ? 'rtl' : 'ltr';
  },

  // The metrics of a text in a control's face at a size, from the left end of its
  // advance, letters spaced by `spacing` pixels.
  measure(number, text, pixels, spacing) {
    if (!this.canvas) this.canvas = document.createElement('canvas').getContext('2d');
    const context = this.canvas;
    context.font = this.fontAt(number, pixels);
    context.direction = this.direction(text);
    context.textAlign = 'left';
    const spaced = 'letterSpacing' in context;
    if (spaced) context.letterSpacing = spacing + 'px';
    const metrics = context.measureText(text);
    // Where the canvas cannot space letters, the spacing is added by hand.
    return spaced || !spacing ? metrics : { width: metrics.width + spacing * text.length };
  },

  // The room inside a box's border, and its type size.
  boxRoom(number) {
    const box = this.controls[number];
    return [box.clientWidth, box.clientHeight, Math.round(this.typeSize(number))];
  },

  lineWidth(number, text, pixels) {
    return Math.ceil(this.measure(number, text, pixels, 0).width);
  },

  // Where a line's letters leave ink, as whole pixels from the left end of its
  // advance and the top of its line box; nothing where they leave none.
  lineInk(number, text, pixels, pitch) {
    const m = this.measure(number, text, pixels, 0);
    const left = -m.actualBoundingBoxLeft;
    const ascent = m.actualBoundingBoxAscent;
    if (!(m.actualBoundingBoxRight > left && m.actualBoundingBoxDescent > -ascent)) return null;
    const baseline = this.baseline(number, pixels, pitch);
    return [Math.floor(left), Math.floor(baseline - ascent), Math.ceil(m.actualBoundingBoxRight),
      Math.ceil(baseline + m.actualBoundingBoxDescent)];
  },

  // A box's line at a type size, its line box `pitch` tall, placed by its left end.
  line(number, pixels, pitch) {
    const line = document.createElement('div');
    line.className = 'line';
    line.style.font = this.fontAt(number, pixels);
    line.style.lineHeight = pitch + 'px';
    return line;
  },

  // Where the page sets the baseline in such a line box: measured once a size, on
  // a line made as showLines makes them.
  baseline(number, pixels, pitch) {
    const key = number + ' ' + pixels;
    if (!this.baselines.has(key)) {
      const line = this.line(number, pixels, pitch);
      const mark = document.createElement('span'); // its bottom edge is the baseline
      mark.className = 'baseline';
      line.append(mark);
      this.controls[number].append(line);
      // As laid out: the window may be drawn scaled, and the layout works in 64ths.
      const drawn = mark.getBoundingClientRect().bottom - line.getBoundingClientRect().top;
      this.baselines.set(key, Math.round((drawn / this.scale) * 64) / 64);
      line.remove();
    }
    return this.baselines.get(key);
  },

  // A box's text on the lines the program placed: [start, length, x, top] each.
  // The blanks and line feeds between them stay in the text, drawn with no width,
  // so that the whole text is selected, copied and read out.
  showLines(number, text, pixels, pitch, placed) {
    const box = this.controls[number];
    box.dataset.text = text;
    const gap = (between) => {
      const blanks = document.createElement('span');
      blanks.className = 'gap';
      blanks.textContent = between.replace(/\n/g, '');
      return blanks;
    };
    const rows = [];
    for (let i = 0; i < placed.length; i += 4) {
      const start = placed[i];
      const end = start + placed[i + 1];
      const piece = text.slice(start, end);
      const row = this.line(number, pixels, pitch);
      row.dir = this.direction(piece);
      row.style.left = placed[i + 2] + 'px';
      row.style.top = placed[i + 3] + 'px';
      if (i === 0 && start > 0) row.append(gap(text.slice(0, start)));
      row.append(piece, gap(text.slice(end, i + 4 < placed.length ? placed[i + 4] : text.length)));
      rows.push(row);
    }
    box.replaceChildren(...rows);
  },

  // The width the display's text has before the memory box, less the caret's pixel:
  // the box's own width less its borders and padding. (An input's clientWidth is its
  // padding box in Chromium and WebKit but its content box in Firefox.)
  displayRoom(number) {
    const box = this.controls[number];
    const style = getComputedStyle(box);
    const sides = ['borderLeftWidth', 'paddingLeft', 'paddingRight', 'borderRightWidth'];
    return box.offsetWidth - sides.reduce((sum, side) => sum + parseFloat(style[side]), 0) - 2;
  },

  // The display's text at `size` of its type size, its letters `spacing` pixels
  // closer or further apart. The page lays text out in 64ths of a pixel: a width is
  // measured to that and no finer, else the canvas's single-precision sums leave a
  // text that just fits a hair too wide.
  displayWidth(number, text, size, spacing) {
    const width = this.measure(number, text, this.typeSize(number) * size, spacing).width;
    return Math.round(width * 64) / 64;
  },

  // The display's text set so; where the caret is at its end, as after a key or
  // typing at the end, that end in sight.
  setDisplayScale(number, size, spacing) {
    const box = this.controls[number];
    box.style.fontSize = this.typeSize(number) * size + 'px';
    box.style.letterSpacing = spacing + 'px';
    if (box.selectionEnd === box.value.length) box.scrollLeft = box.scrollWidth;
  },
});
