"""Headless Chromium for the page's tests: a page's test mode read with --dump-dom, and a
browser driven through the DevTools protocol on a pipe (no port, nothing leaves the machine).
Also the jars and pages the tests play, and the PNG reading they need."""
import base64
import fcntl
import html
import json
import os
import re
import shutil
import struct
import subprocess
import tempfile
import threading
import time
import urllib.parse
import zipfile
import zlib

CHROMIUM = os.environ.get("AVIZAD_CHROMIUM", "")
FLAGS = ["--headless", "--no-sandbox", "--disable-gpu", "--disable-quic", "--no-first-run",
         "--disable-background-networking", "--disable-component-update", "--disable-sync",
         "--mute-audio"]


def jar(path, name="Проба", vendor="Студия", icon=None, mode=None, files=()):
    """A jar with a manifest naming `icon` (a file of `files`) and the stand-in's mode."""
    manifest = ("Manifest-Version: 1.0\r\nMIDlet-Name: %s\r\nMIDlet-Vendor: %s\r\n"
                "MIDlet-Version: 1.0\r\nMIDlet-1: %s, %s, syrk\r\n" % (name, vendor, name, icon or ""))
    if mode:
        manifest += "Standin-Mode: %s\r\n" % mode
    with zipfile.ZipFile(path, "w", zipfile.ZIP_DEFLATED) as archive:
        archive.writestr("META-INF/MANIFEST.MF", manifest + "\r\n")
        for entry, source in files:
            archive.write(source, entry)
    return path


def page(jar_path, out, width=240, height=320):
    """The export's page of a jar, with the stand-in for the game's machine."""
    subprocess.run([os.environ["AVIZAD_WEB_TOOL"], "page", os.environ["AVIZAD_STANDIN_PAGE"],
                    jar_path, out, str(width), str(height)], check=True)
    return out


def file_url(path, frames=None, keys=""):
    url = "file://" + urllib.parse.quote(os.path.abspath(path))
    if frames is not None:
        url += "#frames=%d&keys=%s" % (frames, urllib.parse.quote(keys))
    return url


def element_text(dom, element_id):
    match = re.search(r'<(\w+)[^>]*\bid="%s"[^>]*>(.*?)</\1>' % element_id, dom, re.S)
    return html.unescape(re.sub(r"<[^>]+>", "", match.group(2))) if match else None


def test_mode(page_path, frames, keys=""):
    """Opens the page in its test mode; returns (output, screen PNG bytes, state)."""
    with tempfile.TemporaryDirectory() as profile:
        dom = subprocess.run(
            [CHROMIUM] + FLAGS + ["--user-data-dir=" + profile, "--virtual-time-budget=600000",
                                  "--dump-dom", file_url(page_path, frames, keys)],
            check=True, capture_output=True, text=True, timeout=240).stdout
    screen = re.search(r'<img id="screen"[^>]*src="data:image/png;base64,([^"]+)"', dom)
    return (element_text(dom, "output"), base64.b64decode(screen.group(1)) if screen else None,
            element_text(dom, "state"))


def read_png(data):
    """(width, height, rows of (r, g, b, a)) of an 8-bit RGB or RGBA PNG, not interlaced."""
    assert data[:8] == b"\x89PNG\r\n\x1a\n"
    at, idat = 8, b""
    while at < len(data):
        length, kind = struct.unpack(">I4s", data[at:at + 8])
        body = data[at + 8:at + 8 + length]
        if kind == b"IHDR":
            width, height, depth, colour, _, _, interlace = struct.unpack(">IIBBBBB", body)
            assert depth == 8 and colour in (2, 6) and interlace == 0
        elif kind == b"IDAT":
            idat += body
        at += 12 + length
    step = 4 if colour == 6 else 3
    raw, rows, previous = zlib.decompress(idat), [], bytearray(width * step)
    for y in range(height):
        line = raw[y * (width * step + 1):(y + 1) * (width * step + 1)]
        kind, row = line[0], bytearray(line[1:])
        for i in range(len(row)):
            left = row[i - step] if i >= step else 0
            up, corner = previous[i], previous[i - step] if i >= step else 0
            if kind == 1:
                row[i] = (row[i] + left) & 255
            elif kind == 2:
                row[i] = (row[i] + up) & 255
            elif kind == 3:
                row[i] = (row[i] + (left + up) // 2) & 255
            elif kind == 4:
                p = left + up - corner
                pa, pb, pc = abs(p - left), abs(p - up), abs(p - corner)
                row[i] = (row[i] + (left if pa <= pb and pa <= pc else up if pb <= pc else corner)) & 255
        rows.append([tuple(row[x * step:x * step + step]) + ((255,) if step == 3 else ())
                     for x in range(width)])
        previous = row
    return width, height, rows


class Browser:
    """A headless Chromium driven through the DevTools protocol on a pipe, one page."""

    def __init__(self, touch=False):
        self.profile = tempfile.mkdtemp(prefix="avizad-web-")
        to_browser, self._commands = os.pipe()
        self._replies, from_browser = os.pipe()

        def place_pipes():
            high_in = fcntl.fcntl(to_browser, fcntl.F_DUPFD, 10)
            high_out = fcntl.fcntl(from_browser, fcntl.F_DUPFD, 10)
            os.dup2(high_in, 3)
            os.dup2(high_out, 4)

        self.process = subprocess.Popen(
            [CHROMIUM] + FLAGS + ["--remote-debugging-pipe", "--user-data-dir=" + self.profile,
                                  "about:blank"],
            preexec_fn=place_pipes, close_fds=False, stdout=subprocess.DEVNULL,
            stderr=subprocess.DEVNULL)
        os.close(to_browser)
        os.close(from_browser)
        self._next = 0
        self._answers = {}
        self.events = []
        self._lock = threading.Condition()
        threading.Thread(target=self._read, daemon=True).start()
        target = self.send("Target.createTarget", url="about:blank")["targetId"]
        self.session = self.send("Target.attachToTarget", targetId=target, flatten=True)["sessionId"]
        for domain in ("Page", "Runtime", "Network"):
            self.send(domain + ".enable", session=True)
        if touch:
            self.send("Emulation.setTouchEmulationEnabled", session=True, enabled=True,
                      maxTouchPoints=5)

    def _read(self):
        pending = b""
        while True:
            chunk = os.read(self._replies, 65536)
            if not chunk:
                break
            pending += chunk
            while b"\0" in pending:
                message, pending = pending.split(b"\0", 1)
                reply = json.loads(message)
                with self._lock:
                    if "id" in reply:
                        self._answers[reply["id"]] = reply
                    else:
                        self.events.append(reply)
                    self._lock.notify_all()

    def send(self, method, session=False, **params):
        with self._lock:
            self._next += 1
            ident = self._next
        message = {"id": ident, "method": method, "params": params}
        if session:
            message["sessionId"] = self.session
        os.write(self._commands, json.dumps(message).encode() + b"\0")
        with self._lock:
            if not self._lock.wait_for(lambda: ident in self._answers, timeout=60):
                raise TimeoutError(method)
            reply = self._answers.pop(ident)
        if "error" in reply:
            raise RuntimeError("%s: %s" % (method, reply["error"]))
        return reply.get("result", {})

    def evaluate(self, expression):
        result = self.send("Runtime.evaluate", session=True, expression=expression,
                           returnByValue=True, awaitPromise=True)
        if "exceptionDetails" in result:
            raise RuntimeError(result["exceptionDetails"])
        return result["result"].get("value")

    def wait_for(self, expression, timeout=60):
        """Waits until the expression is truthy in the page; returns its value."""
        deadline = time.monotonic() + timeout
        while time.monotonic() < deadline:
            value = self.evaluate(expression)
            if value:
                return value
            time.sleep(0.1)
        raise TimeoutError(expression)

    def open(self, url):
        with self._lock:
            self.events.clear()
        self.send("Page.navigate", session=True, url=url)
        self.wait_for("document.readyState === 'complete'")

    def output(self):
        return self.evaluate("document.getElementById('output').textContent")

    def key(self, kind, key, code, virtual_key):
        self.send("Input.dispatchKeyEvent", session=True, type=kind, key=key, code=code,
                  windowsVirtualKeyCode=virtual_key)

    def centre(self, selector):
        box = self.evaluate("(() => { const r = document.querySelector(%s).getBoundingClientRect();"
                            " return [r.x + r.width / 2, r.y + r.height / 2]; })()" % json.dumps(selector))
        return {"x": box[0], "y": box[1]}

    def close(self):
        try:
            self.send("Browser.close")
        except (TimeoutError, RuntimeError, OSError):
            pass
        try:
            self.process.wait(timeout=20)
        except subprocess.TimeoutExpired:
            self.process.kill()
            self.process.wait()
        os.close(self._commands)
        os.close(self._replies)
        shutil.rmtree(self.profile, ignore_errors=True)
