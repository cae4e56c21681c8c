#!/usr/bin/python3
"""The page on phones and tablets, in Chromium's phone emulation (a phone's screen,
touch events, device pixels three to a CSS pixel), used by touch as a user would:
the whole window on every screen, upright and sideways, scaled evenly and centred;
taps that press keys at once, with the pressed look while the finger is down; no
on-screen keyboard that nobody asked for; message boxes on the screen; a turn of the
phone; pinch-zoom; and what makes the page installable on a phone.

    tests/web/phone_test.py [--engine chromium|firefox|webkit] SITE_DIR LAYOUT_JSON [SHOTS_DIR]

Serves SITE_DIR on a port of its own on 127.0.0.1 as a static host does; writes a
screenshot of each screen to SHOTS_DIR if given. Ends with "N passed, N failed"; the
exit code is 1 if any check failed. In an engine that cannot emulate a phone it says
why and exits with 77, which CTest counts as skipped.
"""
import argparse
import json
import sys
import time
import urllib.request
from pathlib import Path

from selenium.common.exceptions import TimeoutException
from selenium.webdriver.support.ui import WebDriverWait

import png
from browsers import ENGINES, Browser, Checks, Unsupported, needs_phone_emulation, static_host

TWIPS_PER_PIXEL = 15
# A tablet upright, and phones held sideways and upright, in CSS pixels.
SCREENS = [(768, 1024), (640, 360), (360, 640), (320, 568)]
PHONE = {"width": 360, "height": 640, "pixelRatio": 3, "touch": True}
NEAR = 0.5  # CSS pixels: a place as laid out, to the rounding of a scaled one

# Where every control of the window is drawn, and what the screen and the page measure.
MEASURE = """
const [names] = arguments;
const box = (element) => { const r = element.getBoundingClientRect(); return [r.left, r.top, r.right, r.bottom]; };
const root = document.documentElement;
const dialog = document.querySelector('dialog[open]');
return { screen: [root.clientWidth, root.clientHeight], scroll: [root.scrollWidth, root.scrollHeight],
         zoom: visualViewport.scale, window: box(document.getElementById('Form1')),
         own: [document.getElementById('Form1').offsetWidth, document.getElementById('Form1').offsetHeight],
         controls: Object.fromEntries(names.map((name) => [name, box(document.getElementById(name))])),
         dialog: dialog && box(dialog), buttons: dialog ? [...dialog.querySelectorAll('button')].map(box) : [] };
"""

# Whether the focused element would bring up a phone's on-screen keyboard: a text
# field or editable element that does not ask for none.
RAISES_KEYBOARD = """
const e = document.activeElement;
const editable = e && ((e.tagName === 'INPUT' && !e.readOnly) || e.tagName === 'TEXTAREA' || e.isContentEditable);
return !!editable && e.inputMode !== 'none';
"""


def inside(box, width, height):
    left, top, right, bottom = box
    return left >= -NEAR and top >= -NEAR and right <= width + NEAR and bottom <= height + NEAR


class PhoneTest:
    def __init__(self, site, layout, shots):
        self.layout = [row for row in json.loads(Path(layout).read_text()) if row["kind"] != "Timer"]
        self.shots = Path(shots) if shots else None
        self.server = static_host.serve(site)
        self.browser, self.size = None, None
        self.checks = Checks()

    def close(self):
        if self.browser:
            self.browser.quit()
        self.server.stop()

    # The phone.
    def open(self, width, height):
        """The page opened from its link on a phone of this screen (a new browser for
        each size: chromedriver keeps the screen it was started with)."""
        if self.size != (width, height):
            if self.browser:
                self.browser.quit()
            self.browser = Browser(phone={**PHONE, "width": width, "height": height})
            self.driver, self.size = self.browser.driver, (width, height)
        self.driver.get(self.server.url)
        self.wait_for(lambda d: d.execute_script("return document.querySelectorAll('#Form1 button').length"))

    def turn(self, width, height):
        """The phone turned, the page left open: the screen's new size and orientation."""
        upright = height >= width
        self.driver.execute_cdp_cmd("Emulation.setDeviceMetricsOverride", {
            "width": width, "height": height, "deviceScaleFactor": PHONE["pixelRatio"], "mobile": True,
            "screenOrientation": {"type": "portraitPrimary" if upright else "landscapePrimary",
                                  "angle": 0 if upright else 90}})

    def wait_for(self, condition, seconds=10):
        return WebDriverWait(self.driver, seconds, poll_frequency=0.05).until(condition)

    def measure(self):
        return self.driver.execute_script(MEASURE, [row["name"] for row in self.layout])

    def centre(self, selector):
        x, y = self.driver.execute_script("""
            const r = document.querySelector(arguments[0]).getBoundingClientRect();
            return [r.left + r.width / 2, r.top + r.height / 2];""", selector)
        return {"x": x, "y": y}

    def key(self, caption):
        return next(f"#{row['name']}" for row in self.layout if row["kind"] == "Key" and row["caption"] == caption)

    def touch(self, kind, selector=None):
        points = [self.centre(selector)] if selector else []
        self.driver.execute_cdp_cmd("Input.dispatchTouchEvent", {"type": kind, "touchPoints": points})

    def tap(self, selector, hold=0.0):
        self.touch("touchStart", selector)
        time.sleep(hold)
        self.touch("touchEnd")

    def tap_keys(self, captions):
        for caption in captions.split():
            self.tap(self.key(caption))

    def display(self):
        return self.driver.execute_script("return document.getElementById('TEXT1').value")

    def raises_keyboard(self):
        return self.driver.execute_script(RAISES_KEYBOARD)

    def shot(self, name):
        if self.shots:
            self.shots.mkdir(parents=True, exist_ok=True)
            self.driver.save_screenshot(str(self.shots / f"{name}.png"))

    def whole_and_even(self, seen, width, height):
        """What is wrong with the window as seen on a screen of this size: every control
        on the screen, nothing to scroll or zoom, the table's places scaled evenly, the
        window filling the screen one way where it had to be made smaller, centred."""
        wrong = []
        if seen["scroll"] != [width, height] or seen["screen"] != [width, height] or seen["zoom"] != 1:
            wrong.append(("scrolls or zooms", seen["screen"], seen["scroll"], seen["zoom"]))
        left, top, right, bottom = seen["window"]
        scale = (right - left) / seen["own"][0]
        if abs((bottom - top) - scale * seen["own"][1]) > NEAR:
            wrong.append(("stretched", seen["window"]))
        for row in self.layout:
            box = seen["controls"][row["name"]]
            if not inside(box, width, height):
                wrong.append((row["name"], "off the screen", box))
            place = [(box[0] - left) / scale, (box[1] - top) / scale, (box[2] - box[0]) / scale]
            want = [row["left"] / TWIPS_PER_PIXEL, row["top"] / TWIPS_PER_PIXEL, row["width"] / TWIPS_PER_PIXEL]
            if row["kind"] == "Picture":  # the banner slides it
                place, want = place[1:], want[1:]
            if any(abs(p - w) > NEAR for p, w in zip(place, want)):
                wrong.append((row["name"], "not at its place scaled", place, want))
        fills = abs(right - left - width) <= 1 or abs(bottom - top - height) <= 1
        if scale > 1 + 1e-9 or (scale < 1 - 1e-9 and not fills):
            wrong.append(("not as large as the screen allows", scale))
        if abs(left - (width - right)) >= 2 or abs(top - (height - bottom)) >= 2:  # on whole pixels
            wrong.append(("not centred", seen["window"]))
        return wrong

    # The checks.
    def whole_window_on_every_screen(self):
        wrong = []
        for width, height in SCREENS:
            self.open(width, height)
            seen = self.measure()
            wrong += [(width, height, *problem) for problem in self.whole_and_even(seen, width, height)]
            self.shot(f"phone-{width}x{height}")
            own = seen["own"]
            if width >= own[0] and height >= own[1]:  # room for it: 1 CSS pixel to 15 twips
                size = [seen["window"][2] - seen["window"][0], seen["window"][3] - seen["window"][1]]
                if size != own:
                    wrong.append((width, height, "not at its own size", size, own))
        assert not wrong, wrong

    def taps_press_keys(self):
        self.open(360, 640)
        self.tap_keys("AC 1 2 + 3")
        # The pressed look while the finger is down; the key is pressed as it lifts.
        look = "const s = getComputedStyle(document.querySelector(arguments[0])); return [s.boxShadow, s.borderColor];"
        seven = self.key("7")
        up = self.driver.execute_script(look, seven)
        self.touch("touchStart", seven)
        down, before = self.driver.execute_script(look, seven), self.display()
        self.touch("touchEnd")
        assert down != up and self.driver.execute_script(look, seven) == up, (up, down)
        assert (before, self.display()) == ("3", "37"), (before, self.display())
        self.tap_keys("=")
        assert self.display() == "49", self.display()
        # Two quick taps are two presses, and zoom nothing; a long press is one press,
        # selects nothing and opens no menu.
        self.tap_keys("AC 9 9")
        self.tap(self.key("8"), hold=0.8)
        assert self.display() == "998", self.display()
        assert self.driver.execute_script("return visualViewport.scale") == 1
        assert self.driver.execute_script("return getSelection().toString()") == ""
        menu = self.driver.execute_script("""
            return !document.querySelector(arguments[0]).dispatchEvent(
                new MouseEvent('contextmenu', { bubbles: true, cancelable: true }));""", self.key("8"))
        assert menu, "a long press's menu is not held back"
        styles = self.driver.execute_script("""
            return [...document.querySelectorAll('#Form1 button')].map((key) => {
                const s = getComputedStyle(key); return s.touchAction + ' ' + s.userSelect; });""")
        assert set(styles) == {"manipulation none"}, set(styles)

    def no_keyboard_unasked(self):
        self.open(360, 640)
        asked = [("the page opens", self.raises_keyboard())]
        for caption in ("5", "M+", "7", "MS"):
            self.tap(self.key(caption))
            asked.append((caption, self.raises_keyboard()))
        focused = self.driver.execute_script("return document.activeElement.id")
        assert not any(raised for _, raised in asked) and focused == "TEXT1", (asked, focused)
        # A tap on the display itself brings up the keyboard, and the user types there.
        self.tap("#TEXT1")
        assert self.raises_keyboard()
        self.driver.execute_cdp_cmd("Input.insertText", {"text": "42"})
        self.tap_keys("* 2 =")
        assert self.display() == "84", self.display()

    def message_box_on_the_screen(self):
        # On the narrowest phone, the widest box and the question.
        wrong = []
        width, height = SCREENS[-1]
        self.open(width, height)
        for caption, answer in (("RUN", "OK"), ("MC", "No")):
            self.tap(self.key(caption))
            self.wait_for(lambda d: d.execute_script("return !!document.querySelector('dialog[open]')"))
            seen = self.measure()
            if not inside(seen["dialog"], width, height) or not all(inside(b, width, height) for b in seen["buttons"]):
                wrong.append((caption, seen["dialog"], seen["buttons"]))
            self.shot(f"phone-{width}x{height}-{caption}")
            self.driver.execute_script("""
                [...document.querySelectorAll('dialog[open] button')].find(b => b.textContent === arguments[0])
                    .id = 'answer';""", answer)
            self.tap("#answer")
            self.wait_for(lambda d: d.execute_script("return !document.querySelector('dialog[open]')"))
        assert not wrong, wrong

    def turned_sideways(self):
        # Turned with a number entered and the about box open: both are laid out for
        # the new screen, and nothing is lost.
        self.open(360, 640)
        self.tap_keys("1 2 RUN")
        self.wait_for(lambda d: d.execute_script("return !!document.querySelector('dialog[open]')"))
        self.turn(640, 360)
        self.wait_for(lambda d: d.execute_script("return document.getElementById('Form1').getBoundingClientRect().height <= 360.5"))
        seen = self.measure()
        wrong = self.whole_and_even(seen, 640, 360)
        assert inside(seen["dialog"], 640, 360), seen["dialog"]
        self.driver.execute_script("document.querySelector('dialog[open] button').id = 'answer'")
        self.tap("#answer")
        self.tap_keys("+ 3 =")
        assert not wrong and self.display() == "15", (wrong, self.display())

    def pinch_zoom(self):
        self.open(360, 640)
        self.driver.execute_cdp_cmd("Input.synthesizePinchGesture", {"x": 180, "y": 320, "scaleFactor": 2})
        self.wait_for(lambda d: d.execute_script("return visualViewport.scale") > 1.5, 5)

    def installable_on_a_phone(self):
        self.open(360, 640)
        errors = self.driver.execute_cdp_cmd("Page.getInstallabilityErrors", {})["installabilityErrors"]
        manifest = self.driver.execute_cdp_cmd("Page.getAppManifest", {})
        assert not errors and not manifest["errors"], (errors, manifest["errors"])
        data = json.loads(manifest["data"])
        assert data["display"] == "standalone", data["display"]
        wrong, sizes, maskable = [], set(), 0
        for icon in data["icons"]:
            if icon.get("type") == "image/svg+xml":
                continue
            width, height, rows = png.pixels(urllib.request.urlopen(self.server.url + icon["src"]).read())
            if icon["sizes"] != f"{width}x{height}":
                wrong.append((icon["src"], icon["sizes"], width, height))
            purposes = icon.get("purpose", "any").split()
            if "any" in purposes:
                sizes.add(width)
            if "maskable" in purposes:
                maskable += 1
                wrong += [(icon["src"], problem) for problem in self.maskable_problems(rows)]
        assert not wrong and {192, 512} <= sizes and maskable, (wrong, sizes, maskable)

    @staticmethod
    def maskable_problems(rows):
        """A maskable icon fills its square with no transparency, for the phone to cut
        into its own shape, and draws its picture within the middle circle that every
        shape keeps (radius 40 % of the side): outside it, one background colour."""
        size = len(rows)
        background = rows[0][0]
        problems = []
        if any(pixel[3] != 255 for row in rows for pixel in row):
            problems.append("transparent somewhere")
        for y in range(0, size, 2):
            for x in range(0, size, 2):
                if (x - size / 2) ** 2 + (y - size / 2) ** 2 > (0.4 * size) ** 2 and rows[y][x] != background:
                    problems.append(f"drawn outside the safe circle at {x},{y}")
                    return problems
        return problems


def main():
    options = argparse.ArgumentParser(description=__doc__.split("\n\n")[0])
    options.add_argument("--engine", choices=ENGINES, default="chromium")
    options.add_argument("site")
    options.add_argument("layout")
    options.add_argument("shots", nargs="?")
    arguments = options.parse_args()
    try:
        needs_phone_emulation(arguments.engine)
    except Unsupported as reason:
        print(f"SKIP phone_test in {ENGINES[arguments.engine]}: {reason}")
        sys.exit(77)
    test = PhoneTest(arguments.site, arguments.layout, arguments.shots)
    try:
        for name in ("whole_window_on_every_screen", "message_box_on_the_screen", "taps_press_keys",
                     "no_keyboard_unasked", "turned_sideways", "pinch_zoom", "installable_on_a_phone"):
            test.checks.run(name, getattr(test, name))
    except TimeoutException:
        test.checks.fail()
    finally:
        test.close()
    test.checks.finish()


if __name__ == "__main__":
    main()
