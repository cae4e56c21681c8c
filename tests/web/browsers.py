"""What the page's browser tests share: the page's engines, each driven from outside
as a user's browser (Chromium and WebKit through selenium, Firefox through WebDriver
BiDi, bidi.py), on a desktop's window or, in Chromium, a phone's screen; and checks
that are counted and reported, or skipped with the reason where an engine's
automation cannot make them. The site is served as a static host serves it
(scripts/lib/static_host.py): each file's precompressed twin where the browser takes
it, so the tests run the files that a host sends."""
import os
import shutil
import subprocess
import sys
import tempfile
import traceback
from pathlib import Path

from selenium import webdriver
from selenium.common.exceptions import WebDriverException
from selenium.webdriver.chrome.service import Service as ChromeService
from selenium.webdriver.webkitgtk.service import Service as WebKitService

sys.path.insert(0, str(Path(__file__).resolve().parents[2] / "scripts" / "lib"))
import static_host  # noqa: E402,F401  (the tests serve the site with it)

ENGINES = {"chromium": "Chromium", "firefox": "Firefox", "webkit": "WebKit"}
CHROMIUM_FLAGS = ["--headless=new", "--no-sandbox", "--disable-gpu", "--no-first-run",
                  "--disable-background-networking", "--disable-component-update", "--disable-sync",
                  "--disable-dev-shm-usage"]
MINIBROWSER = "/usr/lib/x86_64-linux-gnu/webkit2gtk-4.1/MiniBrowser"
# Where the tests look for a control by its accessible name: the window's controls, and
# an open message box and its buttons.
CONTROLS = "#Form1 > *, dialog[open], dialog[open] button"


class Unsupported(Exception):
    """What this engine's automation cannot do; the text says why."""


class Browser:
    """One engine with a profile of its own, removed when it ends, in the language and
    region of locale. phone (Chromium only): chromedriver's device metrics (width,
    height, pixelRatio, touch), for a phone's screen and touch; else a desktop window
    whose page is size CSS pixels (the window around it, in WebKit)."""

    def __init__(self, engine="chromium", phone=None, size=(600, 800), locale="en-US"):
        if engine not in ENGINES:
            raise ValueError(f"no engine {engine!r}: one of {', '.join(ENGINES)}")
        if phone:
            needs_phone_emulation(engine)
        self.engine, self.name, self.phone, self.size = engine, ENGINES[engine], phone, size
        self.profile, self.xvfb, self.service, self.driver, self.accessible = None, None, None, None, {}
        try:
            getattr(self, f"_start_{engine}")(locale)
        except BaseException:
            self.quit()  # what did start: a virtual display, a driver
            raise

    def _start_chromium(self, locale):
        self.profile = tempfile.mkdtemp(prefix="orvi-chromium-")
        options = webdriver.ChromeOptions()
        for flag in CHROMIUM_FLAGS + [f"--user-data-dir={self.profile}", f"--lang={locale}"]:
            options.add_argument(flag)
        if self.phone:
            options.add_experimental_option("mobileEmulation", {"deviceMetrics": self.phone})
        else:
            options.add_argument(f"--window-size={self.size[0]},{self.size[1]}")
        options.binary_location = "/usr/bin/chromium"
        options.set_capability("goog:loggingPrefs", {"browser": "ALL"})
        self.driver = webdriver.Chrome(service=ChromeService("/usr/bin/chromedriver"), options=options)

    def _start_firefox(self, locale):
        import bidi  # only here: it needs python3-websocket, which Chromium's tests do not

        self.driver = bidi.FirefoxDriver(size=self.size)
        if locale != "en-US":
            self.driver.set_locale(locale)

    def _start_webkit(self, locale):
        posix = webkit_locale(locale)
        if not self.xvfb:
            self.xvfb, self.display = virtual_display()
        # Without a GPU, WebKitGTK's DMA-BUF renderer hands over an element's screenshot
        # all black; the shared-memory one draws it as shown.
        environment = {**os.environ, "DISPLAY": self.display, "LC_ALL": posix, "LANG": posix,
                       "WEBKIT_DISABLE_DMABUF_RENDERER": "1"}
        environment.pop("LANGUAGE", None)
        options = webdriver.WebKitGTKOptions()
        options.binary_location = MINIBROWSER
        options.add_argument("--automation")
        # selenium's WebKitGTK starts its driver in this process's environment: the
        # driver is started here, in the browser's.
        self.service = WebKitService("/usr/bin/WebKitWebDriver", env=environment, log_path=os.devnull)
        self.service.start()
        self.driver = webdriver.Remote(self.service.service_url, options=options)
        self.driver.set_window_size(*self.size)

    def quit(self):
        if self.driver:
            self.driver.quit()
            self.driver = None
        if self.service:
            self.service.stop()
            self.service = None
        if self.xvfb:
            self.xvfb.terminate()
            self.xvfb.wait()
            self.xvfb = None
        if self.profile:
            shutil.rmtree(self.profile, ignore_errors=True)

    # What the engines do each in their own way.
    def set_locale(self, locale):
        """The page's language and region from now on (None: US English, as started);
        in WebKit, from the next page opened."""
        if self.engine == "chromium":
            self.driver.execute_cdp_cmd("Emulation.setLocaleOverride", {"locale": locale} if locale else {})
        elif self.engine == "firefox":
            self.driver.set_locale(locale)
        else:  # WebKit takes it from its process's environment: a new browser
            webkit_locale(locale or "en-US")
            self.driver.quit()
            self.service.stop()
            self.driver, self.service, self.accessible = None, None, {}
            self._start_webkit(locale or "en-US")

    def named(self, name=None, role=None):
        """The window's controls, or an open message box or its buttons, that this
        engine gives screen readers with this accessible name and role (either left
        out: any)."""
        if self.engine == "firefox":
            found = self.driver.find_accessible(name, role)
            inside = self.driver.execute_script(
                f"return arguments[0].map((e) => e.matches({CONTROLS!r}))", found) if found else []
            return [element for element, keep in zip(found, inside) if keep]
        return [element for element in self.driver.find_elements("css selector", CONTROLS)
                if self.is_named(element, name, role)]

    def is_named(self, element, name, role=None):
        """Whether this engine gives screen readers the element with this name and role
        (either None: any)."""
        if self.engine == "firefox":
            return element in self.driver.find_accessible(name, role)
        # An element's name and role stay as they are while it lives, and selenium asks
        # for each with a call of its own: each is asked once. WebKit answers nothing
        # for an element that is not drawn, which readers are not given either.
        known = self.accessible.setdefault(element.id, {})
        for key, wanted in (("name", name), ("role", role)):
            if wanted is not None:
                if key not in known:
                    try:
                        known[key] = element.accessible_name if key == "name" else element.aria_role
                    except WebDriverException:
                        known[key] = None
                if known[key] != wanted:
                    return False
        return True

    def console_errors(self):
        """The page's errors in the console since the last call: uncaught exceptions,
        console.error and, in Chromium, files that failed to load."""
        if self.engine == "chromium":
            return [entry["message"] for entry in self.driver.get_log("browser") if entry["level"] == "SEVERE"]
        if self.engine == "firefox":
            log, self.driver.log = self.driver.log, []
            return [entry["message"] for entry in log if entry["level"] == "error"]
        raise Unsupported("WebKit's driver hands over no console messages")

    def accessibility_tree(self):
        """The accessibility tree as screen readers are given it: the nodes that are not
        ignored, each with its role, name, description, properties and text."""
        if self.engine != "chromium":
            raise Unsupported(f"{self.name}'s automation shows no accessibility tree (descriptions, "
                              "live regions); names and roles are checked in every engine")
        self.driver.execute_cdp_cmd("Accessibility.enable", {})
        nodes = self.driver.execute_cdp_cmd("Accessibility.getFullAXTree", {})["nodes"]
        by_id = {node["nodeId"]: node for node in nodes}
        value = lambda node, key: (node.get(key) or {}).get("value", "")

        def text(node):
            if value(node, "role") in ("StaticText", "InlineTextBox"):
                return value(node, "name")
            return "".join(text(by_id[child]) for child in node.get("childIds", []) if child in by_id)

        return [{"role": value(node, "role"), "name": value(node, "name"),
                 "description": value(node, "description"), "text": text(node),
                 "properties": {p["name"]: p["value"].get("value") for p in node.get("properties", [])}}
                for node in nodes if not node.get("ignored")]

    def needs_keys_that_press_buttons(self):
        """For a check that presses a focused button with Enter, as a keyboard does."""
        if self.engine == "firefox":
            raise Unsupported("Enter typed by Firefox's automation reaches the focused button "
                              "without pressing it (a real keyboard's Enter presses it)")

    def install_problems(self):
        """What keeps the page from being installed as an app: the engine's own list,
        and the manifest's errors."""
        if self.engine != "chromium":
            raise Unsupported(f"{self.name}'s automation has no check of what makes a page installable")
        errors = self.driver.execute_cdp_cmd("Page.getInstallabilityErrors", {})["installabilityErrors"]
        return errors + self.driver.execute_cdp_cmd("Page.getAppManifest", {})["errors"]


def needs_phone_emulation(engine):
    """For a test of the page on a phone's screen, used by touch."""
    if engine != "chromium":
        raise Unsupported("only Chromium emulates a phone's screen and touch for its automation "
                          "(WebKit's and Firefox's drivers open a desktop's window)")


def webkit_locale(locale):
    """The C library's locale for a language and region: WebKitGTK takes its own from
    there, so it must be one the machine has (Debian's locales-all has them all)."""
    posix = locale.replace("-", "_") + ".UTF-8"
    told = subprocess.run(["locale", "charmap"], env={"LC_ALL": posix}, capture_output=True, text=True)
    if told.stderr or told.stdout.strip() != "UTF-8":
        raise Unsupported(f"this machine has no locale {posix} for WebKit to take {locale} from (locales-all has it)")
    return posix


def virtual_display():
    """Xvfb at 96 dpi on a display number it picks itself; returns it and the display."""
    read, write = os.pipe()
    process = subprocess.Popen(["Xvfb", "-displayfd", str(write), "-screen", "0", "1280x1024x24", "-dpi", "96",
                                "-nolisten", "tcp"], pass_fds=[write], stdout=subprocess.DEVNULL,
                               stderr=subprocess.DEVNULL)
    os.close(write)
    with os.fdopen(read) as told:
        number = told.readline().strip()
    if not number:
        process.wait()
        raise RuntimeError("Xvfb did not start")
    return process, f":{number}"


class Checks:
    """Runs named checks, each after the others whatever they did, and counts them; a
    check the engine cannot make is skipped with its reason."""

    def __init__(self, engine=""):
        self.passed = self.failed = self.skipped = 0
        self.engine = engine

    def run(self, name, function, after_failure=None):
        try:
            function()
            self.passed += 1
            print(f"PASS {name}")
        except Unsupported as reason:
            self.skipped += 1
            print(f"SKIP {name} in {self.engine}: {reason}")
        except Exception:  # a failed check is reported, and the others still run
            self.failed += 1
            print(f"FAIL {name}")
            traceback.print_exc(file=sys.stdout)
            if after_failure:
                after_failure()

    def fail(self):
        self.failed += 1
        traceback.print_exc(file=sys.stdout)

    def finish(self):
        print(f"{self.passed} passed, {self.failed} failed" + (f", {self.skipped} skipped" if self.skipped else ""))
        sys.exit(1 if self.failed else 0)
