#!/usr/bin/python3
# The web page's figures in headless Chromium on this machine, as medians: from navigation to an
# interactive page (the start message open and answering), from a key press to the painted
# canvas, "all BMP" over the shipped catalogue; and the site's and the .wasm's sizes.
#   web_page_bench.py [SITE]   (SITE: build-web/site, made by scripts/build-web)
# Targets: interactive within 1 s, a key press under 16 ms, the site under 3 MB.
# SPDX-License-Identifier: MIT
import functools
import http.server
import os
import statistics
import sys
import threading

from selenium import webdriver
from selenium.webdriver.chrome.service import Service
from selenium.webdriver.common.action_chains import ActionChains
from selenium.webdriver.common.keys import Keys
from selenium.webdriver.support.ui import WebDriverWait

LOADS = 15
PRESSES = 60


class Quiet(http.server.SimpleHTTPRequestHandler):
    def log_message(self, *args):
        pass


def browser():
    options = webdriver.ChromeOptions()
    for argument in ("--headless=new", "--no-sandbox", "--disable-gpu", "--window-size=1100,800"):
        options.add_argument(argument)
    return webdriver.Chrome(service=Service("/usr/bin/chromedriver"), options=options)


def ready(driver):
    WebDriverWait(driver, 20).until(
        lambda d: d.execute_script("return document.body.dataset.ready === 'true'"))


def main():
    site = sys.argv[1] if len(sys.argv) > 1 else os.path.join(
        os.path.dirname(os.path.abspath(__file__)), "..", "build-web", "site")
    server = http.server.ThreadingHTTPServer(("127.0.0.1", 0),
                                             functools.partial(Quiet, directory=site))
    threading.Thread(target=server.serve_forever, daemon=True).start()
    url = "http://127.0.0.1:%d/?lang=es" % server.server_address[1]
    driver = browser()
    try:
        loads = []
        for _ in range(LOADS):
            driver.get("about:blank")
            driver.get(url)
            ready(driver)
            # Interactive: the start message open and the keys answered, as the page marks it.
            loads.append(driver.execute_script(
                "return performance.getEntriesByName('vexolite-ready')[0].startTime"))
        # Key press to painted canvas: from the event's time stamp to the start of the frame
        # that paints the canvas the handler drew into.
        ActionChains(driver).send_keys(Keys.ENTER).perform()
        ActionChains(driver).send_keys(Keys.ENTER).perform()
        driver.execute_script("""
            window.benchTimes = [];
            document.getElementById('viewer').addEventListener('keydown', (event) => {
              const start = event.timeStamp;
              requestAnimationFrame(() => window.benchTimes.push(performance.now() - start));
            });""")
        for n in range(PRESSES):
            ActionChains(driver).send_keys(Keys.PAGE_DOWN if n % 2 else Keys.ARROW_RIGHT).perform()
        WebDriverWait(driver, 10).until(
            lambda d: d.execute_script("return window.benchTimes.length") >= PRESSES)
        presses = driver.execute_script("return window.benchTimes")
        # The handler alone: from the event to the return of the viewer's entry point and the
        # canvas's putImageData.
        handler = driver.execute_script("""
            const times = [];
            const viewer = document.getElementById('viewer');
            for (let n = 0; n < 40; ++n) {
              const start = performance.now();
              viewer.querySelector('#CaseNumberBox').dispatchEvent(new KeyboardEvent('keydown',
                  {key: n % 2 ? 'PageDown' : 'ArrowRight', bubbles: true}));
              times.push(performance.now() - start);
            }
            return times;""")
        all_bmp = driver.execute_script("""
            const start = performance.now();
            document.getElementById('ExportAllButton').click();
            return performance.now() - start;""")
    finally:
        driver.quit()
        server.shutdown()
    size = sum(os.path.getsize(os.path.join(folder, name))
               for folder, _, names in os.walk(site) for name in names)
    wasm = os.path.getsize(os.path.join(site, "vexolite.wasm"))
    print("interactive after load (ms, median of %d): %.1f" % (LOADS, statistics.median(loads)))
    print("key press to painted canvas (ms, median of %d): %.1f" % (PRESSES, statistics.median(presses)))
    print("key press handler and canvas update (ms, median of 40): %.2f" % statistics.median(handler))
    print("all BMP, 705 cases written and zipped (ms, one run): %.0f" % all_bmp)
    print("site: %d bytes (%.2f MB); vexolite.wasm: %d bytes" % (size, size / 1048576, wasm))
    ok = statistics.median(loads) < 1000 and statistics.median(presses) < 16 and size < 3 * 1048576
    return 0 if ok else 1


if __name__ == "__main__":
    sys.exit(main())
