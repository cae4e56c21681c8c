"""Firefox driven through WebDriver BiDi, the protocol Firefox speaks itself, with the
part of selenium's WebDriver interface that the page's tests use (find_element(s),
execute_script, click, send_keys, rect, screenshot_as_png, ...). Debian has no
geckodriver; with this, one test drives Chromium and WebKit through selenium and
Firefox through its own protocol, over a WebSocket (python3-websocket).

Scripts run as the body of an async function, so they may `return` a promise or use
`await`, as selenium's execute_script allows in the other engines."""
import base64
import json
import re
import shutil
import subprocess
import tempfile
import threading

import websocket
from selenium.common.exceptions import JavascriptException, NoSuchElementException, WebDriverException
from selenium.webdriver.common.by import By
from selenium.webdriver.common.keys import Keys

# What a profile made for automation needs beyond the recommended preferences that
# Firefox's remote agent sets itself: no first-run pages, no other language asked for.
PREFERENCES = {
    "browser.shell.checkDefaultBrowser": False,
    "browser.startup.homepage_override.mstone": "ignore",
    "datareporting.policy.dataSubmissionEnabled": False,
    "intl.locale.requested": "en-US",
    "intl.accept_languages": "en-US",
}
MODIFIERS = {Keys.SHIFT, Keys.CONTROL, Keys.ALT, Keys.META}


class FirefoxDriver:
    """Firefox ESR, headless, with a profile of its own, its viewport of width x
    height CSS pixels, and one tab. Console errors and uncaught exceptions of the page
    are kept in self.log, each as its level and text."""

    def __init__(self, binary="/usr/bin/firefox-esr", size=(600, 800)):
        self.profile = tempfile.mkdtemp(prefix="orvi-firefox-")
        with open(f"{self.profile}/user.js", "w", encoding="utf-8") as prefs:
            prefs.writelines(f'user_pref("{name}", {json.dumps(value)});\n' for name, value in PREFERENCES.items())
        self.process = subprocess.Popen(
            [binary, "--headless", "--no-remote", "--profile", self.profile, "--remote-debugging-port=0"],
            stdin=subprocess.DEVNULL, stdout=subprocess.DEVNULL, stderr=subprocess.PIPE, text=True)
        address = None
        for line in self.process.stderr:
            found = re.search(r"WebDriver BiDi listening on (ws://\S+)", line)
            if found:
                address = found.group(1)
                break
        if not address:
            self.quit()
            raise WebDriverException("Firefox did not start its WebDriver BiDi server")
        # The rest of what Firefox writes is read and dropped, so that it never waits on a full pipe.
        threading.Thread(target=self.process.stderr.read, daemon=True).start()
        # Firefox refuses a WebSocket that says where it comes from.
        self.socket = websocket.create_connection(address + "/session", suppress_origin=True, timeout=120)
        self.last_id, self.log = 0, []
        self.capabilities = self.command("session.new", capabilities={})["capabilities"]
        self.context = self.command("browsingContext.getTree", maxDepth=0)["contexts"][0]["context"]
        self.command("session.subscribe", events=["log.entryAdded"])
        self.command("browsingContext.setViewport", context=self.context,
                     viewport={"width": size[0], "height": size[1]})
        self.switch_to = _SwitchTo(self)

    def command(self, method, **params):
        self.last_id += 1
        self.socket.send(json.dumps({"id": self.last_id, "method": method, "params": params}))
        while True:
            message = json.loads(self.socket.recv())
            if message.get("method") == "log.entryAdded":
                entry = message["params"]
                self.log.append({"level": entry["level"], "message": entry.get("text") or ""})
            elif message.get("id") == self.last_id:
                if message.get("type") == "error":
                    if message["error"] == "no such node":
                        raise NoSuchElementException(message["message"])
                    raise WebDriverException(f"{method}: {message['error']}: {message['message']}")
                return message["result"]

    def quit(self):
        try:
            if getattr(self, "socket", None):
                self.command("browser.close")
                self.socket.close()
        except (WebDriverException, OSError, websocket.WebSocketException):
            pass  # a browser that has gone already
        try:
            self.process.wait(10)
        except subprocess.TimeoutExpired:
            self.process.kill()
            self.process.wait()
        shutil.rmtree(self.profile, ignore_errors=True)

    # Pages.
    def get(self, url):
        self.command("browsingContext.navigate", context=self.context, url=url, wait="complete")

    def refresh(self):
        self.command("browsingContext.reload", context=self.context, wait="complete")

    @property
    def title(self):
        return self.execute_script("return document.title")

    def set_locale(self, locale):
        """The language and region the page's Intl and navigator.language take (None: the browser's own)."""
        self.command("emulation.setLocaleOverride", locale=locale, contexts=[self.context])

    # Scripts.
    def execute_script(self, script, *args):
        result = self.command(
            "script.callFunction", functionDeclaration=f"async function() {{\n{script}\n}}", awaitPromise=True,
            arguments=[self._value(arg) for arg in args], target={"context": self.context},
            serializationOptions={"maxDomDepth": 0, "maxObjectDepth": 20})
        if result["type"] == "exception":
            details = result["exceptionDetails"]
            raise JavascriptException(details.get("text") or json.dumps(details["exception"]))
        return self._python(result["result"])

    def _value(self, value):
        if isinstance(value, Element):
            return {"sharedId": value.id}
        if value is None:
            return {"type": "null"}
        if isinstance(value, bool):
            return {"type": "boolean", "value": value}
        if isinstance(value, (int, float)):
            return {"type": "number", "value": value}
        if isinstance(value, str):
            return {"type": "string", "value": value}
        if isinstance(value, (list, tuple)):
            return {"type": "array", "value": [self._value(item) for item in value]}
        if isinstance(value, dict):
            return {"type": "object", "value": [[str(key), self._value(item)] for key, item in value.items()]}
        raise TypeError(f"cannot hand a {type(value).__name__} to a script")

    def _python(self, remote):
        kind, value = remote["type"], remote.get("value")
        if kind == "node":
            return Element(self, remote["sharedId"])
        if kind in ("array", "set", "nodelist", "htmlcollection"):
            return [self._python(item) for item in value or []]
        if kind in ("object", "map"):
            return {key if isinstance(key, str) else self._python(key): self._python(item) for key, item in value or []}
        if kind == "number" and isinstance(value, str):
            return {"NaN": float("nan"), "-0": -0.0, "Infinity": float("inf"), "-Infinity": float("-inf")}[value]
        return value if kind in ("string", "number", "boolean", "bigint") else None

    # Elements.
    def find_elements(self, by, value, within=None):
        locator = {By.XPATH: {"type": "xpath", "value": value}, By.ID: {"type": "css", "value": f"#{value}"},
                   By.CSS_SELECTOR: {"type": "css", "value": value},
                   By.TAG_NAME: {"type": "css", "value": value}}[by]
        params = {"context": self.context, "locator": locator, "serializationOptions": {"maxDomDepth": 0}}
        if within:
            params["startNodes"] = [{"sharedId": within.id}]
        nodes = self.command("browsingContext.locateNodes", **params)["nodes"]
        return [Element(self, node["sharedId"]) for node in nodes]

    def find_element(self, by, value, within=None):
        found = self.find_elements(by, value, within)
        if not found:
            raise NoSuchElementException(f"no element for {by} {value!r}")
        return found[0]

    def find_accessible(self, name=None, role=None):
        """The elements whose accessible name and role, as Firefox gives them to screen
        readers, are these."""
        value = {key: item for key, item in (("name", name), ("role", role)) if item is not None}
        nodes = self.command("browsingContext.locateNodes", context=self.context,
                             locator={"type": "accessibility", "value": value},
                             serializationOptions={"maxDomDepth": 0})["nodes"]
        return [Element(self, node["sharedId"]) for node in nodes]

    def perform(self, *sources):
        self.command("input.performActions", context=self.context, actions=list(sources))

    def screenshot(self, element):
        data = self.command("browsingContext.captureScreenshot", context=self.context,
                            clip={"type": "element", "element": {"sharedId": element.id}})["data"]
        return base64.b64decode(data)


class _SwitchTo:
    def __init__(self, driver):
        self.driver = driver

    @property
    def active_element(self):
        return self.driver.execute_script("return document.activeElement")


class Element:
    """An element of the page, as selenium's WebElement offers it."""

    def __init__(self, driver, shared_id):
        self.driver, self.id = driver, shared_id

    def __eq__(self, other):
        return isinstance(other, Element) and other.id == self.id

    def __hash__(self):
        return hash(self.id)

    def _script(self, body, *args):
        return self.driver.execute_script(f"const element = arguments[0];\n{body}", self, *args)

    def find_elements(self, by, value):
        return self.driver.find_elements(by, value, within=self)

    def find_element(self, by, value):
        return self.driver.find_element(by, value, within=self)

    @property
    def tag_name(self):
        return self._script("return element.localName")

    @property
    def text(self):
        """What the element shows as text, as the user reads it; none if it does not show."""
        return self._script(
            "return element.checkVisibility({visibilityProperty: true}) ? element.innerText.trim() : ''")

    @property
    def rect(self):
        return self._script("""const r = element.getBoundingClientRect();
            return {x: r.x + scrollX, y: r.y + scrollY, width: r.width, height: r.height};""")

    def get_property(self, name):
        return self._script("return element[arguments[1]]", name)

    def get_attribute(self, name):
        return self._script("return element.getAttribute(arguments[1])", name)

    def value_of_css_property(self, name):
        return self._script("return getComputedStyle(element).getPropertyValue(arguments[1])", name)

    def is_displayed(self):
        return self._script("return element.checkVisibility({visibilityProperty: true})")

    @property
    def screenshot_as_png(self):
        return self.driver.screenshot(self)

    def click(self):
        """A click of the mouse in the middle of the element, scrolled into view."""
        self._script("element.scrollIntoView({block: 'nearest', inline: 'nearest'})")
        self.driver.perform({"type": "pointer", "id": "mouse", "parameters": {"pointerType": "mouse"}, "actions": [
            {"type": "pointerMove", "x": 0, "y": 0, "origin": {"type": "element", "element": {"sharedId": self.id}}},
            {"type": "pointerDown", "button": 0}, {"type": "pointerUp", "button": 0}]})

    def send_keys(self, *values):
        """Keys typed into the element, focused first: selenium's Keys among them are
        the keys they name, and a modifier is held down to the end."""
        self._script("if (document.activeElement !== element) element.focus()")
        actions, held = [], []
        for key in "".join(values):
            actions.append({"type": "keyDown", "value": key})
            if key in MODIFIERS:
                held.append(key)
            else:
                actions.append({"type": "keyUp", "value": key})
        actions += [{"type": "keyUp", "value": key} for key in reversed(held)]
        self.driver.perform({"type": "key", "id": "keyboard", "actions": actions})
