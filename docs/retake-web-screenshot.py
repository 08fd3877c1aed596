#!/usr/bin/python3
# Retakes docs/vexolite-web.png: the page from build-web/site (scripts/build-web) in headless
# Chromium, case 705 drawn, in Spanish.
#   docs/retake-web-screenshot.py [SITE] [PICTURE]
# SPDX-License-Identifier: MIT
import functools
import http.server
import os
import sys
import threading
import time

from selenium import webdriver
from selenium.webdriver.chrome.service import Service
from selenium.webdriver.common.action_chains import ActionChains
from selenium.webdriver.common.by import By
from selenium.webdriver.common.keys import Keys

top = os.path.join(os.path.dirname(os.path.abspath(__file__)), "..")
site = sys.argv[1] if len(sys.argv) > 1 else os.path.join(top, "build-web", "site")
picture = sys.argv[2] if len(sys.argv) > 2 else os.path.join(top, "docs", "vexolite-web.png")


class Quiet(http.server.SimpleHTTPRequestHandler):
    def log_message(self, *args):
        pass


server = http.server.ThreadingHTTPServer(("127.0.0.1", 0), functools.partial(Quiet, directory=site))
threading.Thread(target=server.serve_forever, daemon=True).start()
options = webdriver.ChromeOptions()
for argument in ("--headless=new", "--no-sandbox", "--disable-gpu", "--window-size=900,700",
                 "--hide-scrollbars"):
    options.add_argument(argument)
driver = webdriver.Chrome(service=Service("/usr/bin/chromedriver"), options=options)
try:
    driver.get("http://127.0.0.1:%d/?lang=es#705" % server.server_address[1])
    time.sleep(1)
    ActionChains(driver).send_keys(Keys.ENTER).perform()  # the start message
    time.sleep(0.2)
    ActionChains(driver).send_keys(Keys.ENTER).perform()  # case 705
    time.sleep(0.3)
    driver.execute_script("document.activeElement.blur()")
    driver.find_element(By.TAG_NAME, "main").screenshot(picture)
finally:
    driver.quit()
    server.shutdown()
