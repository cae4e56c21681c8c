#!/usr/bin/python3
"""Takes the README's screenshot of the page in headless Chromium:
    docs/screenshot-web.png   the window after "1", "2", "+", "3", "="

    scripts/screenshot-web.py [SITE_DIR]     (default build/web/site)

Needs the web preset built and chromium, chromium-driver and python3-selenium
(scripts/install-deps.sh --web). Serves the folder on a port of its own on 127.0.0.1.
"""
import functools
import http.server
import shutil
import sys
import tempfile
import threading
import time
from pathlib import Path

from selenium import webdriver
from selenium.webdriver.chrome.service import Service
from selenium.webdriver.common.by import By
from selenium.webdriver.support.ui import WebDriverWait

ROOT = Path(__file__).resolve().parent.parent


class QuietHandler(http.server.SimpleHTTPRequestHandler):
    extensions_map = {**http.server.SimpleHTTPRequestHandler.extensions_map, ".wasm": "application/wasm"}

    def log_message(self, *args):
        pass


def main():
    site = Path(sys.argv[1]) if len(sys.argv) > 1 else ROOT / "build" / "web" / "site"
    server = http.server.ThreadingHTTPServer(("127.0.0.1", 0), functools.partial(QuietHandler, directory=str(site)))
    threading.Thread(target=server.serve_forever, daemon=True).start()
    profile = tempfile.mkdtemp(prefix="orvi-shot-")
    options = webdriver.ChromeOptions()
    for flag in ("--headless=new", "--no-sandbox", "--disable-gpu", "--no-first-run",
                 "--disable-background-networking", "--disable-component-update", "--disable-sync",
                 "--disable-dev-shm-usage",
                 "--window-size=600,800", "--force-device-scale-factor=1", f"--user-data-dir={profile}"):
        options.add_argument(flag)
    options.binary_location = "/usr/bin/chromium"
    driver = webdriver.Chrome(service=Service("/usr/bin/chromedriver"), options=options)
    try:
        driver.get(f"http://127.0.0.1:{server.server_address[1]}/")
        WebDriverWait(driver, 10).until(lambda d: d.find_elements(By.CSS_SELECTOR, "#Form1 button"))
        driver.execute_script("return document.fonts.ready.then(() => true)")
        for caption in ("1", "2", "+", "3", "="):
            driver.find_element(By.XPATH, f"//main//button[normalize-space()='{caption}']").click()
            time.sleep(0.2)
        # The mouse away from the keys, and a tick that has just turned the labels red.
        driver.execute_script("document.activeElement.blur(); document.getElementById('TEXT1').focus()")
        time.sleep(1.2)
        shot = ROOT / "docs" / "screenshot-web.png"
        driver.find_element(By.ID, "Form1").screenshot(str(shot))
        print(f"screenshot-web: wrote {shot}")
    finally:
        driver.quit()
        server.shutdown()
        shutil.rmtree(profile, ignore_errors=True)


if __name__ == "__main__":
    main()
