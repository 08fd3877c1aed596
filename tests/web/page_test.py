#!/usr/bin/python3
# The web page in headless Chromium, served from the build folder on 127.0.0.1: its canvas
# against the desktop's pictures after the same steps (page_reference), its texts in both
# languages, its files and downloads, its address and its focus.
#   page_test.py GROUP --site DIR --reference PROGRAM --catalogue FILE --work DIR
# SPDX-License-Identifier: MIT
import argparse, base64, functools, http.server, io, os, shutil, subprocess, sys, threading, time, zipfile

from selenium import webdriver
from selenium.webdriver.chrome.service import Service
from selenium.webdriver.common.action_chains import ActionChains
from selenium.webdriver.common.by import By
from selenium.webdriver.common.keys import Keys
from selenium.webdriver.support.ui import WebDriverWait

START_ES = "En proxima pantalla pulsar enter para dar comienzo al sistema"
START_EN = "On the next screen press Enter to start the system"


class Failure(Exception):
    """A check that failed, with what it expected."""


def check(condition, what):
    if not condition:
        raise Failure(what)


class QuietHandler(http.server.SimpleHTTPRequestHandler):
    """Serves the site folder, noting each request instead of logging it."""
    requests = []

    def log_message(self, *args):
        QuietHandler.requests.append(self.path)


def serve(folder):
    """The site folder served on 127.0.0.1 at a free port; the server and its address."""
    server = http.server.ThreadingHTTPServer(
        ("127.0.0.1", 0), functools.partial(QuietHandler, directory=folder))
    threading.Thread(target=server.serve_forever, daemon=True).start()
    return server, "http://127.0.0.1:%d/" % server.server_address[1]


class Page:
    """Chromium on the page, with the helpers the checks share."""

    def __init__(self, args, address="", scale=1):
        options = webdriver.ChromeOptions()
        for argument in ("--headless=new", "--no-sandbox", "--disable-gpu",
                         "--window-size=1100,800", "--force-device-scale-factor=%s" % scale):
            options.add_argument(argument)
        options.add_experimental_option("prefs", {
            "download.default_directory": args.downloads, "download.prompt_for_download": False,
            "profile.default_content_setting_values.automatic_downloads": 1})
        options.set_capability("goog:loggingPrefs", {"browser": "ALL"})
        self.driver = webdriver.Chrome(service=Service("/usr/bin/chromedriver"), options=options)
        self.driver.execute_cdp_cmd("Browser.setDownloadBehavior",
                                    {"behavior": "allow", "downloadPath": args.downloads})
        self.downloads = args.downloads
        self.driver.get(args.url + address)
        WebDriverWait(self.driver, 10).until(
            lambda d: d.execute_script("return document.body.dataset.ready === 'true'"))

    def run(self, script, *arguments):
        return self.driver.execute_script(script, *arguments)

    def keys(self, *keys):
        ActionChains(self.driver).send_keys(*keys).perform()

    def message(self):
        """The open message box's text, or None."""
        return self.run("return document.getElementById('message').open ? "
                        "document.getElementById('message-text').textContent : null;")

    def close_message(self, expected):
        # A dialog opens from the previous one's close event, a moment after the key.
        deadline = time.time() + 5
        while (text := self.message()) is None and time.time() < deadline:
            time.sleep(0.02)
        check(text == expected, "the message box says %r, not %r" % (text, expected))
        self.keys(Keys.ENTER)
        check(self.message() != text or self.message() is None, "Enter closes the message box")

    def focus(self):
        return self.run("return document.activeElement.id || document.activeElement.closest('label')?.id || '';")

    def same_pixels(self, expected, what):
        """The figure view's pixels, as RGB bytes row by row, against the desktop's."""
        shown = base64.b64decode(self.run("""
            const c = document.getElementById('FigureView');
            const data = c.getContext('2d').getImageData(0, 0, c.width, c.height).data;
            let text = '';
            for (let i = 0; i < data.length; i += 4) text += String.fromCharCode(...data.subarray(i, i + 3));
            return btoa(text);"""))
        check(shown == expected, "%s: the canvas differs from the desktop's picture" % what)

    def check_no_errors(self):
        errors = [entry for entry in self.driver.get_log("browser") if entry["level"] == "SEVERE"]
        check(errors == [], "no errors: %s" % errors)

    def downloaded(self, name, timeout=10):
        path = os.path.join(self.downloads, name)
        deadline = time.time() + timeout
        while time.time() < deadline:
            if os.path.exists(path) and not os.path.exists(path + ".crdownload"):
                with open(path, "rb") as file:
                    return file.read()
            time.sleep(0.1)
        raise Failure("no download named %r (have %s)" % (name, os.listdir(self.downloads)))

    def drop(self, name, data):
        """Drops a file of these bytes on the page."""
        self.run("""
            const bytes = Uint8Array.from(atob(arguments[1]), (c) => c.charCodeAt(0));
            const transfer = new DataTransfer();
            transfer.items.add(new File([bytes], arguments[0]));
            document.body.dispatchEvent(new DragEvent('drop', {dataTransfer: transfer, bubbles: true}));
            """, name, base64.b64encode(data).decode())
        time.sleep(0.3)

    def quit(self):
        self.driver.quit()


def reference(args, steps):
    """The desktop's folder of files after the steps, and its figure view after each step."""
    out = os.path.join(args.work, "reference")
    shutil.rmtree(out, ignore_errors=True)
    os.makedirs(out)
    subprocess.run([args.reference, args.catalogue, out] + steps, check=True)
    return out, [read(os.path.join(out, "%d.rgb" % n)) for n in range(len(steps))]


def read(path):
    with open(path, "rb") as file:
        return file.read()


def check_pixels(args, scale):
    """The start message, Enter, a turn, steps by number and by solutions, a typed number, a
    click on the plan, the help with a piece and the help box: the canvas is the desktop's
    picture after each; "BMP" and "pag BMP" download the desktop's files."""
    click = lambda selector: page.driver.find_element(By.CSS_SELECTOR, selector).click()
    actions = [
        ("key:Enter", lambda: page.keys(Keys.ENTER)),
        ("key:Right", lambda: page.keys(Keys.ARROW_RIGHT)),
        ("key:End", lambda: page.keys(Keys.END)),
        ("key:PageDown", lambda: page.keys(Keys.PAGE_DOWN)),
        ("typed:1", lambda: page.keys(Keys.CONTROL + "a" + Keys.NULL, "1")),
        ("typed:12", lambda: page.keys("2")),
        ("typed:123", lambda: page.keys("3")),
        ("press:545,460", lambda: ActionChains(page.driver).move_to_element_with_offset(
            page.driver.find_element(By.ID, "FigureView"), 545 - 320, 460 - 240).click().perform()),
        ("help:1", lambda: click("#OnePieceHelpOption input")),
        ("piece:3", lambda: click("#PieceT input")),
        ("key:F1", lambda: (page.keys(Keys.F1), page.close_message(""))),
        ("export", lambda: click("#ExportCaseButton")),
        ("pages", lambda: click("#ComposePagesButton")),
    ]
    out, pictures = reference(args, [step for step, _ in actions])
    check(pictures[6] != pictures[7], "the click on the plan changes the desktop's picture")
    page = Page(args, "?lang=es", scale)
    try:
        page.close_message(START_ES)
        check(page.focus() == "CaseNumberBox", "the focus is back in the case-number box")
        for n, (step, action) in enumerate(actions):
            if step in ("help:1", "piece:3", "export", "pages"):
                page.run("document.getElementById('CaseNumberBox').focus()")
            action()
            page.same_pixels(pictures[n], step)
        check(page.downloaded("caso123 .BMP") == read(os.path.join(out, "11.bmp")),
              "the downloaded case image is the desktop's file, byte for byte")
        check(page.downloaded("vexo-pag01.bmp") == read(os.path.join(out, "vexo-pag01.bmp")),
              "the downloaded page is the desktop's file, byte for byte")
        page.check_no_errors()
    finally:
        page.quit()


def check_texts(args):
    """Captions, a tool tip, the start message and the page's language, in Spanish and English."""
    expected = {
        "es": ("Dibujar", "Acercar", "all BMP", START_ES, "Caso ",
               "Pulsando la tecla [ + ] o haciendo click aqui, la imagen se acercará."),
        "en": ("Draw", "Zoom in", "all BMP", START_EN, "Case ",
               "Pressing the [ + ] key or clicking here zooms the image in."),
    }
    for language, (draw, zoom, export_all, start, label, tip) in expected.items():
        page = Page(args, "?lang=" + language)
        try:
            check(page.run("return document.documentElement.lang") == language,
                  "the page's lang attribute is " + language)
            page.close_message(start)
            shown = page.run("return ['DrawButton', 'ZoomInButton', 'ExportAllButton'].map("
                             "(id) => document.getElementById(id).textContent)"
                             ".concat(document.getElementById('ZoomInButton').title)")
            check(shown == [draw, zoom, export_all, tip], "captions and tool tip: %s" % shown)
            # Places in twips at 15 to the CSS pixel, rounded: DrawButton at (11221, 3646),
            # 810 x 405; the piece option PieceT at (120, 615) inside its frame at (9601, 4860).
            place = page.run("""
                const viewer = document.getElementById('viewer').getBoundingClientRect();
                const box = (id) => document.getElementById(id).getBoundingClientRect();
                const draw = box('DrawButton'), piece = box('PieceT');
                return [viewer.width, viewer.height,
                        getComputedStyle(document.getElementById('viewer')).resize,
                        draw.left - viewer.left - 1, draw.top - viewer.top - 1, draw.width, draw.height,
                        piece.left - viewer.left - 1, piece.top - viewer.top - 1];""")
            check(place[:3] == [803, 482, "both"],
                  "the viewer starts at 801 x 480 inside its border and can be resized: %s" % place[:3])
            check(place[3:7] == [748, 243, 54, 27], "DrawButton's place and size: %s" % place[3:7])
            check(place[7:] == [648, 365], "PieceT's place in its frame: %s" % place[7:])
            page.keys(Keys.ENTER)
            shown = page.run("return document.getElementById('FigureView').getAttribute('aria-label')")
            check(shown.startswith(label), "the figure view's label %r is in %s" % (shown, language))
        finally:
            page.quit()


def check_files(args):
    """A bad case file dropped gives its message and the page keeps running; the good one
    dropped again draws again; "all BMP" offers the whole folder as one zip; nothing but the
    page's own files is requested."""
    bad = "El archivo /vexolite/VEXOLITE.DAT mide 10 bytes, menos que un caso de 154 bytes: " \
          "no tiene ningun caso."
    page = Page(args, "?lang=es")
    try:
        page.close_message(START_ES)
        page.drop("malo.dat", b"1" * 10)
        page.close_message(bad)
        page.close_message(START_ES)
        page.keys(Keys.ENTER)
        page.close_message(bad)
        page.drop("VEXOLITE.DAT", read(args.catalogue))
        page.close_message(START_ES)
        page.keys(Keys.ENTER)
        check(page.run("return location.hash") != "", "the good catalogue draws a case")
        page.same_pixels(reference(args, ["key:Enter"])[1][0], "the last case, again")
        page.run("document.getElementById('ExportAllButton').click()")
        with zipfile.ZipFile(io.BytesIO(page.downloaded("vexolite.zip", timeout=60))) as archive:
            check(archive.testzip() is None, "the folder's archive reads back whole")
            names = archive.namelist()
            records = os.path.getsize(args.catalogue) // 154
            check(len(names) == 2 * records and
                  len([n for n in names if n.startswith("caso")]) == records,
                  "the archive holds both images of every record: %d files" % len(names))
        page.check_no_errors()
        foreign = [path for path in QuietHandler.requests if path.split("?")[0].split("#")[0] not in (
            "/", "/index.html", "/vexolite.css", "/page.js", "/vexolite.js", "/vexolite.wasm",
            "/VEXOLITE.DAT", "/vexolite_en.json") and not path.startswith("/fonts/")]
        check(foreign == [], "requests only for the page's own files: %s" % foreign)
    finally:
        page.quit()


def end_and_start_again(page):
    """Esc ends the session; the page says so, and its button starts again."""
    page.keys(Keys.ESCAPE)
    check(page.run("return document.getElementById('ended').open"), "Esc ends the session")
    page.keys(Keys.ENTER)
    page.close_message(START_ES)


def check_address(args):
    """An address with a case number opens that case after the start message's Enter; the
    address follows the steps; Tab leaves the viewer; Esc ends the session, which starts again."""
    _, pictures = reference(args, ["typed:123"])
    page = Page(args, "?lang=es#123")
    try:
        page.close_message(START_ES)
        page.keys(Keys.ENTER)
        check(page.run("return location.hash") == "#123", "the addressed case is shown")
        page.same_pixels(pictures[0], "case 123 from the address")
        # A window smaller than the page, so that the page could scroll.
        page.driver.set_window_size(500, 350)
        check(page.run("return document.documentElement.scrollHeight > window.innerHeight"),
              "the page is taller than the window")
        page.keys(Keys.END)
        check(page.run("return location.hash") == "#124", "the address follows a step")
        for key in (Keys.PAGE_DOWN, Keys.ARROW_DOWN, Keys.END, Keys.PAGE_DOWN):
            page.keys(key)
        check(page.run("return [window.scrollX, window.scrollY]") == [0, 0],
              "the viewer's keys do not scroll the page")
        for _ in range(60):
            page.keys(Keys.TAB)
            if not page.run("return document.getElementById('viewer').contains(document.activeElement)"):
                break
        else:
            raise Failure("Tab moves the focus out of the viewer")
        page.run("document.getElementById('CaseNumberBox').focus()")
        end_and_start_again(page)
    finally:
        page.quit()
    # An address that is no case number, not even valid percent-encoding, shows the last case.
    _, pictures = reference(args, ["key:Enter"])
    page = Page(args, "?lang=es#%E0%A4%A")
    try:
        page.close_message(START_ES)
        page.keys(Keys.ENTER)
        page.same_pixels(pictures[0], "the last case for a broken address")
        page.check_no_errors()
        end_and_start_again(page)
    finally:
        page.quit()


def main():
    parser = argparse.ArgumentParser()
    parser.add_argument("group", choices=["pixels", "texts", "files", "address"])
    for option in ("--site", "--reference", "--catalogue", "--work"):
        parser.add_argument(option, required=True)
    args = parser.parse_args()
    if not os.path.exists(os.path.join(args.site, "index.html")):
        print("page_test: no site in %s; scripts/build-web makes it" % args.site, file=sys.stderr)
        return 1
    shutil.rmtree(args.work, ignore_errors=True)
    args.downloads = os.path.join(args.work, "downloads")
    os.makedirs(args.downloads)
    server, args.url = serve(args.site)
    try:
        if args.group == "pixels":
            check_pixels(args, 1)
            shutil.rmtree(args.downloads)
            os.makedirs(args.downloads)
            check_pixels(args, 2)
        else:
            {"texts": check_texts, "files": check_files, "address": check_address}[args.group](args)
    except Failure as failure:
        print("page_test %s: %s" % (args.group, failure), file=sys.stderr)
        return 1
    finally:
        server.shutdown()
    print("page_test %s: passed" % args.group)
    return 0


if __name__ == "__main__":
    sys.exit(main())
