#!/usr/bin/python3
"""The page in one browser engine (Chromium, Firefox or WebKit), used from outside
as a user would: keys clicked by their captions, the display typed into and read,
the message boxes answered, the places and the names of the controls checked
against the layout table, "OFF", and a reload with the server gone after the first
visit. In one fixed state (a fixed local time, US English, the page's own faces, one
tick) it writes what the page shows to REPORT_JSON, beside the other homes' reports.

    tests/web/browser_test.py [--engine chromium|firefox|webkit] SITE_DIR LAYOUT_JSON REPORT_JSON

Serves SITE_DIR on a port of its own on 127.0.0.1. A check that the engine's
automation cannot make is skipped with a line saying why. Ends with a line
"N passed, N failed[, N skipped]"; the exit code is 1 if any check failed.
"""
import argparse
import gzip
import json
import re
import time
from pathlib import Path

import brotli
from selenium.common.exceptions import TimeoutException
from selenium.webdriver.common.by import By
from selenium.webdriver.common.keys import Keys
from selenium.webdriver.support.ui import WebDriverWait

import png
from browsers import ENGINES, Browser, Checks, static_host

TWIPS_PER_PIXEL = 15
ABOUT = "This calculator was designed and programmed by Eng Kelvo Orvi"
MEMORY_QUESTION = "are you sure to clearing memory!!"
TITLE = "CalculatorOrvi2009"
# The role each kind of control has for screen readers, the same in every engine.
ROLES = {"Key": "button", "TextBox": "textbox", "Picture": "image", "Label": "note"}


def read_layout(path):
    """The controls of the layout table as the build wrote it: name, kind, caption,
    box in twips, tab index, type size and accessible name (a key's is its caption)."""
    rows = [row for row in json.loads(Path(path).read_text()) if row["kind"] != "Timer"]
    for row in rows:
        row["access"] = row["access"] or row["caption"]
    return rows


# Whether each letter of an element's text is drawn in the face the page gives it:
# the first of its families with a face whose range covers the letter, which must
# have arrived. Letters none of the page's faces cover come from the browser's fonts.
IN_PAGE_FACES = """
const covers = (face, code) => face.unicodeRange.split(',').some((range) => {
  const [from, to] = range.trim().replace(/^U\\+/i, '').split('-').map((hex) => parseInt(hex, 16));
  return code >= from && code <= (to === undefined ? from : to);
});
const inFace = (element) => {
  const text = element.tagName === 'INPUT' ? element.value : (element.dataset.text ?? element.textContent);
  const families = getComputedStyle(element).fontFamily.split(',').map((f) => f.trim().replace(/^["']|["']$/g, ''));
  for (const letter of new Set(text.replace(/\\s/g, ''))) {
    const code = letter.codePointAt(0);
    for (const family of families) {
      const face = [...document.fonts].find((f) => f.family.replace(/["']/g, '') === family && covers(f, code));
      if (face) {
        if (face.status !== 'loaded') return false;
        break;
      }
    }
  }
  return true;
};
"""

# The fixed state's clock: the page's Date stands still at one local time, and its
# timer ticks only when the test says so. Served from the page's own origin ahead of
# the program's script, so that any browser runs it before the page's own.
FIXED_STATE_SCRIPT = """(() => {
  const Real = Date;
  const fixed = new Real(2026, 11, 29, 23, 47, 36).getTime();
  globalThis.Date = class extends Real {
    constructor(...when) { super(...(when.length ? when : [fixed])); }
    static now() { return fixed; }
  };
  const ticks = [];
  globalThis.setInterval = (tick) => ticks.push(tick);
  globalThis.orviTick = () => ticks.forEach((tick) => tick());
})();
"""

# The lines a clock or phrase box draws: the blanks where the lines were broken are
# in the box's text, for selection and readers, but not drawn.
LINES = """
const drawn = (line) => [...line.childNodes].filter((n) => n.nodeType === Node.TEXT_NODE)
  .map((n) => n.data).join('');
"""

# What the page shows, read from its elements: each control's box in the window,
# the lines drawn in the clock and phrase boxes and their type, the display's text
# and the type it is set in. The clock's form is the one whose time, formatted here
# in the browser's locale, is the time shown.
REPORT_SCRIPT = LINES + """
const [layout, displayPixels] = arguments;
orviTick();
return new Promise((done) => requestAnimationFrame(() => setTimeout(() => {
  const origin = document.getElementById('Form1').getBoundingClientRect();
  const controls = {};
  for (const row of layout) {
    const r = document.getElementById(row.name).getBoundingClientRect();
    controls[row.name] = [r.left - origin.left, r.top - origin.top, r.width, r.height];
  }
  const box = (id) => {
    const lines = [...document.getElementById(id).querySelectorAll('.line')];
    return { typeSize: lines.length ? parseFloat(getComputedStyle(lines[0]).fontSize) : 0,
             lines: lines.map(drawn) };
  };
  const seconds = { hour: 'numeric', minute: '2-digit', second: '2-digit' };
  const forms = { LongTime: { timeStyle: 'medium' }, ShortTimeWithSeconds: seconds,
                  TwentyFourHours: { ...seconds, hourCycle: 'h23' } };
  const clock = box('Text3');
  const now = new Date();
  clock.form = Object.keys(forms).find((form) =>
    new Intl.DateTimeFormat(undefined, forms[form]).format(now) === clock.lines[1]) || null;
  const date = new Intl.DateTimeFormat(undefined, { dateStyle: 'short' }).format(now);
  const shown = document.getElementById('TEXT1'), style = getComputedStyle(shown);
  const canvas = document.createElement('canvas').getContext('2d');
  canvas.font = `${style.fontWeight} ${style.fontSize} ${style.fontFamily}`;
  const natural = canvas.measureText(shown.value).width;
  const spacing = parseFloat(style.letterSpacing) || 0;
  done({ controls, clock, phrase: box('Text4'), date,
         display: { text: shown.value, stretch: (natural + spacing * shown.value.length) / natural,
                    size: parseFloat(style.fontSize) / displayPixels } });
}, 0)));
"""


class FixedStateHandler(static_host.StaticHostHandler):
    """The page with the fixed state's clock ahead of its own script."""

    def do_GET(self):
        if self.path == "/fixed-state.js":
            return self.send_text(FIXED_STATE_SCRIPT, "text/javascript")
        if self.path in ("/", "/index.html"):
            page = (Path(self.directory) / "index.html").read_text()
            return self.send_text(page.replace("<script ", '<script src="fixed-state.js"></script>\n<script ', 1),
                                  "text/html")
        return super().do_GET()

    def send_text(self, text, kind):
        body = text.encode()
        self.send_response(200)
        self.send_header("Content-Type", f"{kind}; charset=utf-8")
        self.send_header("Content-Length", str(len(body)))
        self.end_headers()
        self.wfile.write(body)


def report_text(report):
    """The report as JSON, a line to each control."""
    text = lambda value: json.dumps(value, ensure_ascii=False)
    controls = ",\n".join(f"  {text(name)}: {text(box)}" for name, box in report["controls"].items())
    rest = "".join(f',\n {text(key)}: {text(value)}' for key, value in report.items() if key not in ("home", "controls"))
    return f'{{"home": {text(report["home"])},\n "controls": {{\n{controls}}}{rest}}}\n'


def contrast(text, face):
    """The contrast ratio of a CSS colour (its alpha laid over the face) on an opaque one."""
    parse = lambda colour: [float(part) for part in re.findall(r"[\d.]+", colour)] + [1.0]
    *face_rgb, _ = parse(face)[:4]
    red, green, blue, alpha = parse(text)[:4]
    text_rgb = [alpha * c + (1 - alpha) * f for c, f in zip((red, green, blue), face_rgb)]

    def luminance(rgb):
        linear = [c / 255 / 12.92 if c / 255 <= 0.04045 else ((c / 255 + 0.055) / 1.055) ** 2.4 for c in rgb]
        return 0.2126 * linear[0] + 0.7152 * linear[1] + 0.0722 * linear[2]

    lighter, darker = sorted((luminance(text_rgb), luminance(face_rgb)), reverse=True)
    return (lighter + 0.05) / (darker + 0.05)


def rounded(value, places):
    value = round(value, places)
    return int(value) if value == int(value) else value


class RecordingHost(static_host.StaticHostHandler):
    """The static host, keeping in accepted_for the encodings the browser accepted
    the first time it asked for each file."""

    def send_head(self):
        self.accepted_for.setdefault(self.path, self.accepted())
        return super().send_head()


class PageTest:
    def __init__(self, engine, site, layout, report):
        self.site, self.report = str(site), Path(report)
        self.layout = read_layout(layout)
        self.asked = {}  # the encodings the browser accepted, for each file it asked for
        self.server = static_host.serve(site, RecordingHost, accepted_for=self.asked)
        self.url = self.server.url
        self.browser = Browser(engine)
        self.checks = Checks(self.browser.name)

    @property
    def driver(self):
        return self.browser.driver  # WebKit's is a new one after a change of language

    def close(self):
        self.browser.quit()
        self.server.stop()

    # What a user sees and does.
    def open(self):
        self.driver.get(self.url)
        self.wait_for(lambda d: d.find_elements(By.ID, "Form1") and d.find_elements(By.CSS_SELECTOR, "#Form1 button"))

    def wait_for(self, condition, seconds=10):
        return WebDriverWait(self.driver, seconds, poll_frequency=0.05).until(condition)

    def key(self, caption):
        return self.driver.find_element(By.XPATH, f"//main//button[normalize-space()='{caption}']")

    def press(self, keys):
        for caption in keys.split():
            self.key(caption).click()

    def named(self, name):
        found = self.browser.named(name)
        assert found, f"no control is named {name!r}"
        return found[0]

    def lines(self, name):
        """The lines the clock or phrase box (by its accessible name) draws."""
        return self.driver.execute_script(LINES + "return [...arguments[0].querySelectorAll('.line')].map(drawn);",
                                          self.named(name))

    def display(self):
        return self.named("Display").get_property("value")

    def type_display(self, text):
        box = self.named("Display")
        box.click()
        box.send_keys(Keys.CONTROL, "a")
        box.send_keys(Keys.DELETE)
        box.send_keys(text)

    def box(self):
        """The open message box: its text, icon and buttons, the focused one, and the
        role screen readers are given it in with the title as its name (None if not
        named by the title)."""
        dialog = self.wait_for(lambda d: d.find_elements(By.CSS_SELECTOR, "dialog[open]"))[0]
        icon = dialog.find_elements(By.CSS_SELECTOR, ".icon")
        buttons = dialog.find_elements(By.TAG_NAME, "button")
        captions = [b.text for b in buttons]
        unnamed = [c for b, c in zip(buttons, captions) if not self.browser.is_named(b, c, "button")]
        assert not unnamed, f"buttons not named by their captions: {unnamed}"
        return dict(element=dialog, read_as=next((role for role in ("dialog", "alertdialog")
                                                  if self.browser.is_named(dialog, TITLE, role)), None),
                    text=dialog.find_element(By.TAG_NAME, "p").text,
                    icon=icon[0].get_attribute("class").split()[-1] if icon else "",
                    buttons=captions, focused=self.driver.switch_to.active_element.text)

    def answer(self, caption):
        dialog = self.driver.find_element(By.CSS_SELECTOR, "dialog[open]")
        dialog.find_element(By.XPATH, f".//button[normalize-space()='{caption}']").click()
        self.wait_for(lambda d: not d.find_elements(By.CSS_SELECTOR, "dialog[open]"))

    def shows_whole(self, element):
        """Whether a box's text is drawn whole, as on screen: some ink inside, and none
        on the ring of pixels just inside its 2-pixel border."""
        rows = [[pixel[:3] for pixel in row] for row in png.pixels(element.screenshot_as_png)[2]]
        inside = [row[2:-2] for row in rows[2:-2]]
        ring = inside[0] + inside[-1] + [row[0] for row in inside] + [row[-1] for row in inside]
        background = inside[0][0]
        near = lambda pixel: all(abs(a - b) <= 12 for a, b in zip(pixel, background))
        return all(near(pixel) for pixel in ring) and not all(near(p) for row in inside for p in row)

    def check(self, name, function):
        self.checks.run(name, function, after_failure=lambda: self.driver.execute_script(
            "document.querySelectorAll('dialog[open]').forEach(d => d.close())"))

    # The checks.
    def title_and_focus(self):
        assert self.driver.title == TITLE, self.driver.title
        assert self.browser.is_named(self.driver.switch_to.active_element, "Display")

    def places(self):
        origin = self.driver.find_element(By.ID, "Form1").rect
        assert (origin["width"], origin["height"]) == (423, 562), origin
        wrong = []
        for row in self.layout:
            if row["kind"] == "Key":
                element = self.key(row["caption"])
            else:
                element = self.named(row["access"])
            rect = element.rect
            got = (rect["x"] - origin["x"], rect["y"] - origin["y"], rect["width"], rect["height"])
            want = [row[k] / TWIPS_PER_PIXEL for k in ("left", "top", "width", "height")]
            if row["kind"] == "Picture":  # the banner slides it: only its row and size
                got, want = got[1:], want[1:]
            if row["kind"] == "Label":  # drawn as tall as its text needs
                got, want = got[:3], want[:3]
            if any(abs(g - w) > 0.5 for g, w in zip(got, want)):
                wrong.append(f"{row['name']}: {got} for {want}")
        assert len(self.layout) == 37 and not wrong, wrong

    def names(self):
        # Every control is given to screen readers with the role of its kind and its
        # name (a key's caption, else the table's name), and no other control is.
        wrong = []
        for row in self.layout:
            found = [e.get_attribute("id") for e in self.browser.named(row["access"], ROLES[row["kind"]])]
            if found != [row["name"]]:
                wrong.append(f"{row['name']}: {ROLES[row['kind']]} {row['access']!r} is {found}")
        assert not wrong, wrong

    def ax_nodes(self):
        return self.browser.accessibility_tree()

    def every_control_named_and_described(self):
        # Each control as the accessibility tree gives it to a reader: the role of its
        # kind, its name (a key's caption, else the table's name), and the table's
        # description of what it is or does, read after the name.
        heard = {(node["role"], node["name"]): node["description"] for node in self.ax_nodes()}
        wrong = [(row["name"], heard.get((ROLES[row["kind"]], row["access"])), row["description"])
                 for row in self.layout
                 if heard.get((ROLES[row["kind"]], row["access"])) != row["description"]]
        assert not wrong and all(row["description"] for row in self.layout), wrong

    def result_heard(self):
        # The window has one live region, a status (which readers speak politely, after
        # what they are saying), and it holds the display's text after a key that wrote
        # it; typing into the display is heard as typing, and not said again.
        found = self.browser.named(role="status")
        assert len(found) == 1, [e.get_attribute("id") for e in found]
        region = lambda: found[0].get_property("textContent")
        self.press("AC 1 2 + 3 =")
        assert self.display() == "15" and region() == "15", (self.display(), region())
        self.type_display("42")
        time.sleep(0.2)
        assert region() == "15", region()
        self.press("Sqr")
        assert self.display() == "6.48074069840786" and region() == self.display(), region()

    def message_boxes_read(self):
        # A box is read as what it is: a dialog (an alert dialog for an error) named by
        # its title, its text as its description, and its buttons by their captions.
        self.ax_nodes()  # an engine that shows no tree skips the check here, before a box opens
        wrong = []
        for typed, keys, role, text, buttons in (
                ("", "RUN", "dialog", ABOUT, ["OK"]),
                ("-4", "Sqr", "alertdialog", "Invalid procedure call or argument", ["OK"]),
                ("", "MC", "dialog", MEMORY_QUESTION, ["Yes", "No"])):
            if typed:
                self.type_display(typed)
            self.press(keys)
            self.box()
            nodes = self.ax_nodes()
            dialog = [(n["role"], n["name"], n["description"].strip()) for n in nodes if "dialog" in n["role"]]
            named = [n["name"] for n in nodes if n["role"] == "button" and n["name"] in ("OK", "Yes", "No")]
            self.answer(buttons[-1])
            if dialog != [(role, TITLE, text)] or named != buttons:
                wrong.append((keys, dialog, named))
        assert not wrong, wrong

    def tab_order(self):
        stops = sorted((row for row in self.layout if row["tab"] >= 0 and row["kind"] in ("Key", "TextBox")),
                       key=lambda row: row["tab"])
        self.named("Display").click()
        visited = []
        for _ in stops:
            visited.append(self.driver.switch_to.active_element.get_attribute("id"))
            self.driver.switch_to.active_element.send_keys(Keys.TAB)
        assert visited == [row["name"] for row in stops], visited

    def keys_readable(self):
        # Each engine has system colours of its own for a key's face and caption, which
        # the page takes as the desktops take their palette's: in each, every caption
        # stands out on its key at 4.5 to 1, the contrast readable text needs.
        pairs = self.driver.execute_script("""
            return [...document.querySelectorAll('#Form1 button')].map((key) => {
              const style = getComputedStyle(key);
              return [key.textContent, style.color, style.backgroundColor];
            });""")
        wrong = [(caption, text, face, round(contrast(text, face), 2)) for caption, text, face in pairs
                 if contrast(text, face) < 4.5]
        assert len(pairs) == 30 and not wrong, (len(pairs), wrong)

    def clicks_and_typing(self):
        self.press("AC 1 2 + 3 =")
        assert self.display() == "15", self.display()
        self.press("C")
        assert self.display() == "1", self.display()
        self.type_display("2.5")
        self.press("* 4 =")
        assert self.display() == "10", self.display()

    def memory_question(self):
        self.press("AC 7 M+")
        indicator = self.named("Memory indicator")
        assert indicator.is_displayed() and indicator.get_property("value") == "M"
        assert self.browser.is_named(self.driver.switch_to.active_element, "Display")  # for the next number
        self.press("MC")
        box = self.box()
        assert (box["read_as"], box["text"], box["icon"]) == ("dialog", MEMORY_QUESTION, ""), box
        assert box["buttons"] == ["Yes", "No"] and box["focused"] == "Yes", box
        self.answer("No")
        assert not indicator.is_displayed()
        self.press("MR")
        assert self.display() == "7", self.display()
        self.press("MC")
        self.box()
        self.driver.switch_to.active_element.send_keys(Keys.ESCAPE)  # No, as on Linux
        self.wait_for(lambda d: not d.find_elements(By.CSS_SELECTOR, "dialog[open]"))
        self.press("MR")
        assert self.display() == "7", self.display()
        self.press("MC")
        self.answer("Yes")
        self.press("MR")
        assert self.display() == "0", self.display()

    def enter_answers_yes(self):
        # Enter presses the focused button, and the box opens with Yes, the default, focused.
        self.browser.needs_keys_that_press_buttons()
        self.press("AC 7 MS MC")
        self.box()
        self.driver.switch_to.active_element.send_keys(Keys.ENTER)
        self.wait_for(lambda d: not d.find_elements(By.CSS_SELECTOR, "dialog[open]"))
        self.press("MR")
        assert self.display() == "0", self.display()

    def about_box(self):
        self.press("RUN")
        box = self.box()
        assert (box["read_as"], box["text"].strip(), box["icon"]) == ("dialog", ABOUT, "information"), box
        assert box["buttons"] == ["OK"], box
        self.answer("OK")
        assert self.driver.switch_to.active_element.text == "RUN"

    def errors_and_going_on(self):
        # A calculation begun before the errors goes on after them.
        self.press("AC 2 +")
        for typed, keys, message in (("-4", "Sqr", "Invalid procedure call or argument"),
                                     ("abc", "Log", "Type mismatch"),
                                     ("1E400", "%", "Overflow")):
            self.type_display(typed)
            self.press(keys)
            box = self.box()
            assert (box["text"], box["icon"], box["buttons"]) == (message, "critical", ["OK"]), box
            assert box["read_as"] == "alertdialog", box
            self.answer("OK")
        self.press("AC 3 =")
        assert self.display() == "5", self.display()

    def tick_under_a_box(self):
        # Steps 9 and 10 of the banner's cycle leave the labels and the picture be,
        # so it is watched for a little over a whole cycle's worth of ticks.
        self.press("RUN")
        self.box()
        seen = set()
        for _ in range(14):
            # Under a modal box the window is inert and out of the accessibility tree:
            # its controls are found by their ids in the page, and read from there.
            seen.add(tuple(self.driver.execute_script(LINES + """
                return [[...document.querySelectorAll('#Text3 .line')].map(drawn).join('\\n'),
                        getComputedStyle(document.getElementById('Label1')).color,
                        document.getElementById('Image1').getBoundingClientRect().x];""")))
            time.sleep(0.2)
        self.answer("OK")
        assert all(len({s[i] for s in seen}) >= 2 for i in range(3)), seen
        clock = max(seen)[0].split("\n")
        assert len(clock) == 2 and re.search(r"\d", clock[0]) and re.search(r"\d:\d\d:\d\d", clock[1]), clock

    def results_show_whole(self):
        for typed, keys, shown in (("-0.142857142857143", "%", "-0.00142857142857143%"),
                                   ("-790123377769876000", "+ =", "-7.90123377769876E+17"),
                                   ("-1.23456789012345E-298", "%", "-1.23456789012345E-300%")):
            self.type_display(typed)
            self.press(keys)
            assert self.display() == shown, self.display()
            # The text ends before the memory box begins, shown or not, and a result set
            # narrower is set no narrower than it needs: it reaches to within a few
            # pixels of the memory box (the caret's, and the gap between the boxes).
            end, spacing = self.driver.execute_script("""
                const box = document.getElementById('TEXT1'), s = getComputedStyle(box);
                const c = document.createElement('canvas').getContext('2d');
                c.font = `${s.fontWeight} ${s.fontSize} ${s.fontFamily}`;
                c.letterSpacing = s.letterSpacing;
                return [box.getBoundingClientRect().left + parseFloat(s.borderLeftWidth) + parseFloat(s.paddingLeft)
                        + c.measureText(box.value).width - document.getElementById('Form1').getBoundingClientRect().left,
                        parseFloat(s.letterSpacing) || 0];""")
            indicator = next(row for row in self.layout if row["access"] == "Memory indicator")
            assert end <= indicator["left"] / TWIPS_PER_PIXEL, (shown, end)
            assert spacing < 0 and end >= indicator["left"] / TWIPS_PER_PIXEL - 6, (shown, end, spacing)

    def fonts(self, reloaded=False):
        # The page's faces come in parts that the browser fetches only for text that
        # needs them: once the phrase shows, every letter of the window is in a face
        # that has arrived (or in none of the page's), and no other part was fetched.
        # On a reload a browser may take a part it holds from the last visit without
        # fetching it again.
        def arrived(driver):
            return driver.execute_script(IN_PAGE_FACES + """
                await document.fonts.ready;
                const shown = [...document.querySelectorAll('#Form1 > [id]')].filter((e) => !e.hidden);
                return document.getElementById('Text4').dataset.text && shown.every(inFace);""")
        self.wait_for(arrived, 5)
        faces = self.driver.execute_script("""
            return [...document.fonts].map((f) => [f.family.replace(/"/g, ''), f.status]);""")
        fetched = self.driver.execute_script("""
            return performance.getEntriesByType('resource').map((e) => e.name).filter((n) => n.endsWith('.woff2'));""")
        loaded = [face for face in faces if face[1] == "loaded"]
        assert {family for family, _ in loaded} == {"Orvi Serif", "Amiri"}, faces
        assert len(fetched) == len(set(fetched)) and len(loaded) < len(faces), (fetched, faces)
        assert len(fetched) <= len(loaded) if reloaded else len(fetched) == len(loaded), (fetched, faces)

    def phrase_whole(self):
        phrase = self.named("Phrase")
        lines = self.wait_for(lambda d: self.lines("Phrase"))
        assert len(lines) <= 2 and self.shows_whole(phrase), lines
        assert self.shows_whole(self.named("Clock"))

    def clock_in_other_locales(self):
        # The clock follows the browser's locale, and shows whole in each: the date
        # over the time, each line within the box, in the parts of the page's faces
        # that its letters asked for (the Greek one, the Arabic one).
        wrong = []
        try:
            for locale in ("de-DE", "ko-KR", "el-GR", "ar-EG", "sq-AL", "my-MM"):
                self.browser.set_locale(locale)
                self.open()
                self.wait_for(lambda d: self.lines("Clock"), 3)
                self.wait_for(lambda d: d.execute_script(IN_PAGE_FACES + "return inFace(document.getElementById('Text3'));"), 3)
                time.sleep(0.1)  # laid out again in the face that arrived, and drawn
                clock, whole = self.lines("Clock"), self.shows_whole(self.named("Clock"))
                if len(clock) != 2 or not all(clock) or not whole:
                    wrong.append((locale, clock, whole))
        finally:
            self.browser.set_locale(None)
            self.open()
        assert not wrong, wrong
        assert self.display() == "", "a fresh start"

    def home_report(self):
        # The fixed state: 2026-12-29 23:47:36, US English, the page's own faces, the
        # display typed "-790123377769876000", "+" and "=", and the first tick. From
        # an origin of its own, where no service worker keeps the page's files.
        server = static_host.serve(self.site, FixedStateHandler)
        try:
            self.driver.get(server.url)
            self.wait_for(lambda d: d.find_elements(By.CSS_SELECTOR, "#Form1 button"))
            self.driver.execute_script("""
                const key = getComputedStyle(document.querySelector('#Form1 button'));
                await Promise.all([document.fonts.load(key.font, '0'),
                                   document.fonts.load('bold 16px Amiri', '\u0628')]);""")
            self.type_display("-790123377769876000")
            self.press("+ =")
            display = next(row for row in self.layout if row["name"] == "TEXT1")
            shown = self.driver.execute_script(REPORT_SCRIPT, self.layout, display["points"] * 96 / 72)
        finally:
            server.stop()
            self.open()
        report = {"home": "web-" + self.browser.engine,
                  "controls": {row["name"]: [rounded(v, 2) for v in shown["controls"][row["name"]]]
                               for row in self.layout},
                  "clock": {key: shown["clock"][key] for key in ("form", "typeSize", "lines")},
                  "phrase": {key: shown["phrase"][key] for key in ("typeSize", "lines")},
                  "display": {"text": shown["display"]["text"], "stretch": rounded(shown["display"]["stretch"], 4),
                              "size": rounded(shown["display"]["size"], 4)}}
        self.report.write_text(report_text(report))
        # What every home must show alike, whatever its faces measure.
        clock = shown["clock"]
        assert clock["form"] and clock["lines"][0] == shown["date"] and len(clock["lines"]) == 2, (clock, shown["date"])
        assert report["display"]["text"] == "-7.90123377769876E+17", report["display"]
        assert 1 <= len(shown["phrase"]["lines"]) <= 2 and "".join(shown["phrase"]["lines"]), shown["phrase"]
        assert len(report["controls"]) == len(self.layout), sorted(report["controls"])

    def installable(self):
        problems = self.browser.install_problems()
        assert not problems, problems

    def from_one_origin(self):
        foreign = self.driver.execute_script(
            "return performance.getEntriesByType('resource').map(e => e.name).filter(n => !n.startsWith(location.origin))")
        assert not foreign, foreign

    def precompressed_twins(self):
        # Every text and WebAssembly file has its gzip and brotli twins beside it, the
        # same bytes packed; a host that serves twins sent the browser the brotli one
        # where it takes brotli, else the gzip one (on this first visit, before the
        # service worker keeps the files). WebKit on Linux takes only gzip.
        wrong = []
        site = Path(self.site)
        for path in sorted(site.rglob("*")):
            if path.suffix not in static_host.COMPRESSIBLE or not path.is_file():
                continue
            for suffix, unpack in ((".gz", gzip.decompress), (".br", brotli.decompress)):
                twin = path.with_name(path.name + suffix)
                if not twin.is_file() or unpack(twin.read_bytes()) != path.read_bytes():
                    wrong.append(twin.relative_to(site).as_posix())
        sent = self.driver.execute_script("""
            return performance.getEntriesByType('resource').filter((e) => e.name.endsWith('.wasm'))
                .map((e) => [e.encodedBodySize, e.decodedBodySize]);""")
        wasm = next(site.glob("*.wasm"))
        accepted = self.asked["/" + wasm.name]
        best = next(suffix for name, suffix in static_host.ENCODINGS if name in accepted)
        twin = wasm.with_name(wasm.name + best)
        assert not wrong and [twin.stat().st_size, wasm.stat().st_size] in sent, (wrong, accepted, sent)

    def off(self):
        self.driver.execute_script("""
            window.orviErrors = [];
            addEventListener('error', (event) => orviErrors.push(event.message));
            addEventListener('unhandledrejection', (event) => orviErrors.push(String(event.reason)));""")
        self.press("OFF")
        self.wait_for(lambda d: not d.find_elements(By.ID, "Form1"))
        line = self.driver.find_element(By.ID, "off")
        assert line.is_displayed() and "off" in line.text, line.text
        assert not self.driver.find_elements(By.TAG_NAME, "dialog")
        again = line.find_element(By.TAG_NAME, "button")
        assert self.driver.switch_to.active_element == again
        time.sleep(1.1)  # a timer still running would fail on the window's absence
        errors = self.driver.execute_script("return orviErrors")
        assert not errors, errors
        again.click()
        self.wait_for(lambda d: d.find_elements(By.CSS_SELECTOR, "#Form1 button"))
        assert not self.driver.find_element(By.ID, "off").is_displayed()

    def offline(self):
        self.wait_for(lambda d: d.execute_script("return !!navigator.serviceWorker.controller"))
        self.server.stop()
        self.driver.refresh()
        self.wait_for(lambda d: d.find_elements(By.CSS_SELECTOR, "#Form1 button"))
        self.press("AC 4 * 6 =")
        assert self.display() == "24", self.display()
        self.fonts(reloaded=True)

    def console(self):
        errors = self.browser.console_errors()
        assert not errors, errors


def main():
    options = argparse.ArgumentParser(description=__doc__.split("\n\n")[0])
    options.add_argument("--engine", choices=ENGINES, default="chromium")
    options.add_argument("site")
    options.add_argument("layout")
    options.add_argument("report")
    arguments = options.parse_args()
    test = PageTest(arguments.engine, arguments.site, arguments.layout, arguments.report)
    try:
        test.open()
        for name in ("title_and_focus", "precompressed_twins", "places", "names", "tab_order",
                     "every_control_named_and_described", "result_heard", "message_boxes_read",
                     "keys_readable", "clicks_and_typing", "memory_question", "enter_answers_yes",
                     "about_box", "errors_and_going_on", "tick_under_a_box", "results_show_whole", "fonts",
                     "phrase_whole", "clock_in_other_locales", "home_report", "installable", "from_one_origin",
                     "off", "offline", "console"):
            test.check(name, getattr(test, name))
    except TimeoutException:
        test.checks.fail()
    finally:
        test.close()
    test.checks.finish()


if __name__ == "__main__":
    main()
