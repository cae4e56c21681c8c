#!/usr/bin/python3
"""Takes the README's screenshots of the page in headless Chromium:
    docs/screenshot-web.png         the window after "1", "2", "+", "3", "="
    docs/screenshot-web-phone.png   the same on a phone held upright (360 x 640 CSS
                                    pixels, two device pixels to one, touch), the
                                    keys tapped

    scripts/screenshot-web.py [SITE_DIR]     (default build/web/site)

Needs the web preset built and chromium, chromium-driver and python3-selenium
(scripts/install-deps.sh --web). Serves the folder on a port of its own on 127.0.0.1.
"""
import shutil
import sys
import tempfile
import time
from pathlib import Path

from selenium import webdriver
from selenium.webdriver.chrome.service import Service
from selenium.webdriver.common.by import By
from selenium.webdriver.support.ui import WebDriverWait

ROOT = Path(__file__).resolve().parent.parent
sys.path.insert(0, str(ROOT / "scripts" / "lib"))
import static_host  # noqa: E402

FLAGS = ("--headless=new", "--no-sandbox", "--disable-gpu", "--no-first-run",
         "--disable-background-networking", "--disable-component-update", "--disable-sync",
         "--disable-dev-shm-usage", "--lang=en-US")
KEYS = ("1", "2", "+", "3", "=")


def browser(profile, phone=None):
    options = webdriver.ChromeOptions()
    for flag in FLAGS + (f"--user-data-dir={profile}",):
        options.add_argument(flag)
    if phone:
        options.add_experimental_option("mobileEmulation", {"deviceMetrics": phone})
    else:
        options.add_argument("--window-size=600,800")
        options.add_argument("--force-device-scale-factor=1")
    options.binary_location = "/usr/bin/chromium"
    return webdriver.Chrome(service=Service("/usr/bin/chromedriver"), options=options)


def open_page(driver, url):
    driver.get(url)
    WebDriverWait(driver, 10).until(lambda d: d.find_elements(By.CSS_SELECTOR, "#Form1 button"))
    driver.execute_script("return document.fonts.ready.then(() => true)")


def key(driver, caption):
    return driver.find_element(By.XPATH, f"//main//button[normalize-space()='{caption}']")


def desktop(url, profile):
    driver = browser(profile)
    try:
        open_page(driver, url)
        for caption in KEYS:
            key(driver, caption).click()
            time.sleep(0.2)
        # The mouse away from the keys, and a tick that has just turned the labels red.
        driver.execute_script("document.activeElement.blur(); document.getElementById('TEXT1').focus()")
        time.sleep(1.2)
        shot = ROOT / "docs" / "screenshot-web.png"
        driver.find_element(By.ID, "Form1").screenshot(str(shot))
        return shot
    finally:
        driver.quit()


def phone(url, profile):
    driver = browser(profile, {"width": 360, "height": 640, "pixelRatio": 2, "touch": True})
    try:
        open_page(driver, url)
        for caption in KEYS:
            r = key(driver, caption).rect
            point = {"x": r["x"] + r["width"] / 2, "y": r["y"] + r["height"] / 2}
            driver.execute_cdp_cmd("Input.dispatchTouchEvent", {"type": "touchStart", "touchPoints": [point]})
            driver.execute_cdp_cmd("Input.dispatchTouchEvent", {"type": "touchEnd", "touchPoints": []})
            time.sleep(0.2)
        time.sleep(1.2)
        shot = ROOT / "docs" / "screenshot-web-phone.png"
        driver.save_screenshot(str(shot))
        return shot
    finally:
        driver.quit()


def main():
    site = Path(sys.argv[1]) if len(sys.argv) > 1 else ROOT / "build" / "web" / "site"
    server = static_host.serve(site)
    profile = tempfile.mkdtemp(prefix="orvi-shot-")
    try:
        for take in (desktop, phone):
            print(f"screenshot-web: wrote {take(server.url, tempfile.mkdtemp(dir=profile))}")
    finally:
        server.stop()
        shutil.rmtree(profile, ignore_errors=True)


if __name__ == "__main__":
    main()
