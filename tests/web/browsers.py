"""What the page's browser tests share: headless Chromium under selenium, on a
desktop's window or a phone's screen, and checks that are counted and reported.
The site is served as a static host serves it (scripts/lib/static_host.py): each
file's precompressed twin where the browser takes it, so the tests run the files
that a host sends."""
import shutil
import sys
import tempfile
import traceback
from pathlib import Path

from selenium import webdriver
from selenium.webdriver.chrome.service import Service

sys.path.insert(0, str(Path(__file__).resolve().parents[2] / "scripts" / "lib"))
import static_host  # noqa: E402,F401  (the tests serve the site with it)

FLAGS = ["--headless=new", "--no-sandbox", "--disable-gpu", "--no-first-run",
         "--disable-background-networking", "--disable-component-update", "--disable-sync",
         "--disable-dev-shm-usage", "--lang=en-US"]


class Browser:
    """Chromium with a profile of its own, removed when it ends. phone: chromedriver's
    device metrics (width, height, pixelRatio, touch), for a phone's screen and touch;
    else a desktop window of window_size."""

    def __init__(self, phone=None, window_size="600,800"):
        self.profile = tempfile.mkdtemp(prefix="orvi-chromium-")
        options = webdriver.ChromeOptions()
        for flag in FLAGS + [f"--user-data-dir={self.profile}"]:
            options.add_argument(flag)
        if phone:
            options.add_experimental_option("mobileEmulation", {"deviceMetrics": phone})
        else:
            options.add_argument(f"--window-size={window_size}")
        options.binary_location = "/usr/bin/chromium"
        options.set_capability("goog:loggingPrefs", {"browser": "ALL"})
        self.driver = webdriver.Chrome(service=Service("/usr/bin/chromedriver"), options=options)

    def quit(self):
        self.driver.quit()
        shutil.rmtree(self.profile, ignore_errors=True)


class Checks:
    """Runs named checks, each after the others whatever they did, and counts them."""

    def __init__(self):
        self.passed = self.failed = 0

    def run(self, name, function, after_failure=None):
        try:
            function()
            self.passed += 1
            print(f"PASS {name}")
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
        print(f"{self.passed} passed, {self.failed} failed")
        sys.exit(1 if self.failed else 0)
