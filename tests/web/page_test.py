"""The game's page in a real headless Chromium, with the stand-in for the game's machine
(tests/web/standin): the test mode read with --dump-dom, the pictures decoded as libpng
decodes them, and, through the DevTools protocol, the keys and the keypad, the records kept
across a reload, the errors shown on the page, and not one request leaving the page."""
import glob
import os
import socket
import subprocess
import sys
import tempfile
import threading
import unittest

sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))
import browser  # noqa: E402

SOURCE = os.environ.get("AVIZAD_SOURCE_DIR", "")
# A MIDI file: one track, running status, two notes.
MIDI = (b"MThd\0\0\0\6\0\0\0\1\0\x60" + b"MTrk\0\0\0\x13"
        + b"\0\x90\x3c\x40\x60\x3c\0\0\x3e\x40\x60\x80\x3e\0\0\xff\x2f\0")


def setUpModule():
    if not browser.CHROMIUM or not os.path.exists(os.environ.get("AVIZAD_STANDIN_PAGE", "")):
        message = "Chromium or the page of the stand-in is missing"
        if os.environ.get("AVIZAD_REQUIRE_TOOLKIT"):
            raise RuntimeError(message)
        print(message + ": skipped")
        sys.exit(77)


class Folder(unittest.TestCase):
    def setUp(self):
        self.folder = tempfile.TemporaryDirectory()
        self.addCleanup(self.folder.cleanup)

    def path(self, name):
        return os.path.join(self.folder.name, name)

    def game_page(self, **jar_args):
        return browser.page(browser.jar(self.path("game.jar"), **jar_args), self.path("game.html"))


class TestModeTest(Folder):
    def test_plays_the_frames_on_the_virtual_clock_and_writes_them_into_the_page(self):
        with open(self.path("tune.mid"), "wb") as tune:
            tune.write(MIDI)
        coin = os.path.join(SOURCE, "images", "coin.png")
        page = self.game_page(icon="/icon.png", files=[
            ("icon.png", coin), ("hit.wav", os.path.join(SOURCE, "samples", "res", "hit.wav")),
            ("tune.mid", self.path("tune.mid"))])
        output, screen, state = browser.test_mode(
            page, 6, "# right for two frames, then fire\n1 press RIGHT\n3 release RIGHT\n4 tap FIRE\n")
        coin_crc = subprocess.run([os.environ["AVIZAD_WEB_TOOL"], "pixels", coin], check=True,
                                  capture_output=True, text=True).stdout.split()[-1]
        self.assertEqual(state, "done")
        self.assertEqual(output.splitlines(), [
            "start Проба 240x320", "store runs 0", "sound hit.wav ready",
            "png icon.png 96 16 " + coin_crc, "sound tune.mid ready",
            "trace frame 0 at 120,160 held",
            "key press -4", "trace frame 1 at 122,160 held -4", "trace frame 2 at 124,160 held -4",
            "key release -4", "trace frame 3 at 124,160 held",
            "key press -5", "trace frame 4 at 124,160 held -5",
            "key release -5", "trace frame 5 at 124,160 held"])
        width, height, rows = browser.read_png(screen)
        self.assertEqual((width, height), (240, 320))
        self.assertEqual(rows[160][124], (255, 255, 0, 255))  # the square, after the keys
        self.assertEqual(rows[167][131], (255, 255, 0, 255))
        self.assertEqual(rows[168][131], (0x20, 0x30, 0x40, 255))  # the background
        self.assertEqual(rows[300][10], (0x20, 0x30, 0x40, 255))

    def test_decodes_every_picture_as_libpng(self):
        seeds = self.path("seeds")
        subprocess.run([os.environ["AVIZAD_PNG_SEEDS"], self.path("projects"), seeds], check=True)
        pictures = {"images/" + os.path.basename(p): p for p in glob.glob(os.path.join(SOURCE, "images", "*.png"))}
        pictures["draft/logo.png"] = os.path.join(SOURCE, "System", "draft", "logo.png")
        pictures.update({"seeds/" + os.path.basename(p): p for p in glob.glob(os.path.join(seeds, "*.png"))})
        self.assertGreater(len(pictures), 40)
        page = self.game_page(files=sorted(pictures.items()))
        output, _, state = browser.test_mode(page, 0)
        self.assertEqual(state, "done")
        decoded = {line.split()[1]: line.split(None, 2)[2] for line in output.splitlines()
                   if line.startswith("png ")}
        for entry, source in sorted(pictures.items()):
            expected = subprocess.run([os.environ["AVIZAD_WEB_TOOL"], "pixels", source], check=True,
                                      capture_output=True, text=True).stdout.split(None, 1)[1].strip()
            with self.subTest(picture=entry):
                self.assertEqual(decoded.get(entry), expected)


class PlayTest(Folder):
    """The page as a player opens it: real time, the keyboard, the keypad, the browser's storage."""

    @classmethod
    def setUpClass(cls):
        cls.browser = browser.Browser()

    @classmethod
    def tearDownClass(cls):
        cls.browser.close()

    def open_game(self, **jar_args):
        self.browser.open(browser.file_url(self.game_page(**jar_args)))

    def wait_for_output(self, text):
        return self.browser.wait_for(
            "document.getElementById('output').textContent.includes(%r)" % text)

    def last_trace(self):
        return [line for line in self.browser.output().splitlines() if line.startswith("trace")][-1]

    def test_keyboard_keys_reach_the_game(self):
        self.open_game()
        self.wait_for_output("trace frame 1 ")
        keys = [("ArrowRight", "ArrowRight", 39, -4), ("w", "KeyW", 87, -1), ("Enter", "Enter", 13, -5),
                (" ", "Space", 32, -5), ("5", "Digit5", 53, 53), ("q", "KeyQ", 81, -6),
                ("e", "KeyE", 69, -7), ("*", "Digit8", 56, 42)]
        for key, code, virtual_key, phone in keys:
            with self.subTest(key=code):
                self.browser.key("keyDown", key, code, virtual_key)
                self.wait_for_output("key press %d\n" % phone)
                self.browser.key("keyUp", key, code, virtual_key)
                self.wait_for_output("key release %d\n" % phone)
        self.browser.key("keyDown", "ArrowRight", "ArrowRight", 39)
        self.browser.wait_for("(() => { const t = document.getElementById('output').textContent"
                              ".split('\\n').filter(l => l.startsWith('trace')); return / held -4$/.test(t[t.length - 1]); })()")
        self.browser.key("keyUp", "ArrowRight", "ArrowRight", 39)
        x = int(self.last_trace().split(" at ")[1].split(",")[0])
        self.assertGreater(x, 120)

    def test_two_fingers_on_the_keypad_hold_two_keys(self):
        self.browser.send("Emulation.setTouchEmulationEnabled", session=True, enabled=True, maxTouchPoints=5)
        self.addCleanup(self.browser.send, "Emulation.setTouchEmulationEnabled", session=True, enabled=False)
        self.browser.send("Emulation.setDeviceMetricsOverride", session=True, width=400, height=860,
                          deviceScaleFactor=2, mobile=True)
        self.addCleanup(self.browser.send, "Emulation.clearDeviceMetricsOverride", session=True)
        self.open_game()
        self.wait_for_output("trace frame 1 ")
        self.assertFalse(self.browser.evaluate("document.getElementById('keypad').hidden"))
        up = self.browser.centre('#keypad .key[data-code="-1"]')
        right = self.browser.centre('#keypad .key[data-code="-4"]')
        self.browser.send("Input.dispatchTouchEvent", session=True, type="touchStart",
                          touchPoints=[dict(up, id=1)])
        self.browser.send("Input.dispatchTouchEvent", session=True, type="touchStart",
                          touchPoints=[dict(up, id=1), dict(right, id=2)])
        self.wait_for_output("key press -4\n")
        self.browser.wait_for("/held -4 -1\\n/.test(document.getElementById('output').textContent)")
        self.browser.send("Input.dispatchTouchEvent", session=True, type="touchEnd", touchPoints=[])
        self.wait_for_output("key release -1\n")
        self.wait_for_output("key release -4\n")
        # The digits unfold on demand.
        self.assertTrue(self.browser.evaluate("document.querySelector('#keypad .digits').hidden"))
        more = self.browser.centre("#keypad .more")
        for kind in ("touchStart", "touchEnd"):
            self.browser.send("Input.dispatchTouchEvent", session=True, type=kind,
                              touchPoints=[dict(more, id=3)] if kind == "touchStart" else [])
        self.browser.wait_for("!document.querySelector('#keypad .digits').hidden")
        seven = self.browser.centre('#keypad .key[data-code="55"]')
        self.browser.send("Input.dispatchTouchEvent", session=True, type="touchStart", touchPoints=[dict(seven, id=4)])
        self.browser.send("Input.dispatchTouchEvent", session=True, type="touchEnd", touchPoints=[])
        self.wait_for_output("key release 55\n")

    def test_records_are_kept_under_the_game_across_a_reload(self):
        self.open_game(name="Сохранения", vendor="Автор")
        self.wait_for_output("store runs 0\n")
        self.browser.open(self.browser.evaluate("location.href"))
        self.wait_for_output("store runs 1\n")
        keys = self.browser.evaluate("Object.keys(localStorage)")
        self.assertIn("avizad-rms:%D0%90%D0%B2%D1%82%D0%BE%D1%80:"
                      "%D0%A1%D0%BE%D1%85%D1%80%D0%B0%D0%BD%D0%B5%D0%BD%D0%B8%D1%8F:runs", keys)

    def test_the_screen_is_enlarged_by_a_whole_number(self):
        for width, height, ratio, least in [(800, 1000, 1, 2), (1200, 1400, 1, 3), (600, 900, 2, 3)]:
            with self.subTest(window=(width, height, ratio)):
                self.browser.send("Emulation.setDeviceMetricsOverride", session=True, width=width,
                                  height=height, deviceScaleFactor=ratio, mobile=False)
                self.open_game()
                self.wait_for_output("trace frame 0 ")
                shown = self.browser.evaluate(
                    "(() => { const r = document.getElementById('canvas').getBoundingClientRect();"
                    " return [r.width * devicePixelRatio, r.height * devicePixelRatio, r.right <= innerWidth,"
                    " document.getElementById('legend').getBoundingClientRect().bottom <= innerHeight,"
                    " getComputedStyle(document.getElementById('canvas')).imageRendering]; })()")
                scale = shown[0] / 240
                self.assertEqual(shown[1], 320 * scale)
                self.assertTrue(scale == int(scale) and scale >= least, shown)
                self.assertEqual(shown[2:], [True, True, "pixelated"])
        self.browser.send("Emulation.clearDeviceMetricsOverride", session=True)

    def test_the_game_pauses_while_the_page_is_hidden(self):
        self.open_game()
        self.wait_for_output("trace frame 1 ")
        hide = ("Object.defineProperty(document, 'hidden', { configurable: true, get: () => %s });"
                " document.dispatchEvent(new Event('visibilitychange'));")
        self.browser.evaluate(hide % "true")
        self.wait_for_output("pause\n")
        frames = self.browser.output().count("trace")
        self.browser.evaluate("new Promise((resolve) => setTimeout(resolve, 500))")
        self.assertEqual(self.browser.output().count("trace"), frames)
        self.browser.evaluate(hide % "false")
        self.wait_for_output("resume\n")
        self.browser.wait_for("document.getElementById('output').textContent.split('trace').length > %d" % (frames + 2))

    def test_errors_show_on_the_page(self):
        cases = [
            ("damaged", None, "Архив игры повреждён", "Архив", "запись «a.class» "),
            ("throw", "throw", "Игра остановилась из-за ошибки", "java.lang.RuntimeException",
             "Stand failed on frame 3"),
            ("refused", "refuse", "Игра остановилась из-за ошибки", "java.lang.VerifyError",
             "Stand: method run()V at 12: stack underflow"),
            ("hang", "hang", "Игра остановлена", "Игра зависла", "один её шаг шёл дольше 2 секунд"),
        ]
        for name, mode, title, error_class, message in cases:
            with self.subTest(case=name):
                jar_path = browser.jar(self.path(name + ".jar"), mode=mode,
                                       files=[("a.class", os.path.join(SOURCE, "README.md"))])
                if name == "damaged":
                    # A class the export does not read, broken inside its packed bytes.
                    with open(jar_path, "r+b") as damaged:
                        data = damaged.read()
                        damaged.seek(data.index(b"a.class") + len("a.class") + 40)
                        damaged.write(b"\xff\x00\xff\x00")
                page = browser.page(jar_path, self.path(name + ".html"))
                self.browser.open(browser.file_url(page))
                shown = self.browser.wait_for(
                    "(() => { const e = document.getElementById('error'); return !e.hidden &&"
                    " [e.querySelector('.title').textContent, document.getElementById('error-class').textContent,"
                    " document.getElementById('error-message').textContent]; })()")
                self.assertEqual(shown[:2], [title, error_class])
                self.assertTrue(shown[2].startswith(message), shown[2])

    def test_no_request_leaves_the_page(self):
        listener = socket.socket()
        listener.bind(("127.0.0.1", 0))
        listener.listen(8)
        self.addCleanup(listener.close)
        port = listener.getsockname()[1]
        received = []  # the bytes of every connection (a browser may open one ahead, unasked)
        listener.settimeout(0.2)

        def accept():
            while True:
                try:
                    connection = listener.accept()[0]
                except socket.timeout:
                    continue
                except OSError:
                    return
                with connection:
                    connection.settimeout(2)
                    try:
                        received.append(connection.recv(4096))
                    except OSError:
                        received.append(b"")

        threading.Thread(target=accept, daemon=True).start()
        with open(self.path("tune.mid"), "wb") as tune:
            tune.write(MIDI)
        self.open_game(icon="icon.png", files=[("icon.png", os.path.join(SOURCE, "images", "coin.png")),
                                               ("tune.mid", self.path("tune.mid"))])
        self.wait_for_output("trace frame 2 ")
        loaded = [e["params"]["request"]["url"] for e in list(self.browser.events)
                  if e.get("method") == "Network.requestWillBeSent"]
        self.assertTrue(loaded and all(url.startswith(("file:", "data:")) for url in loaded), loaded)
        # What a game, or anything put into the page, might try: each is refused by the page's policy.
        attempts = self.browser.evaluate("""(async () => {
            const refused = [];
            document.addEventListener('securitypolicyviolation', (e) => refused.push(e.violatedDirective));
            const url = 'http://127.0.0.1:%d/';
            try { await fetch(url); } catch (e) { refused.push('fetch: ' + e.name); }
            const image = new Image(); image.src = url + 'picture.png'; document.body.append(image);
            const frame = document.createElement('iframe'); frame.src = url; document.body.append(frame);
            try { new WebSocket('ws://127.0.0.1:%d/'); } catch (e) { refused.push('websocket: ' + e.name); }
            navigator.sendBeacon && navigator.sendBeacon(url, 'x');
            await new Promise((resolve) => setTimeout(resolve, 1000));
            return refused;
        })()""" % (port, port))
        self.assertIn("fetch: TypeError", attempts)
        self.assertTrue(any(a.startswith("img-src") for a in attempts), attempts)
        self.assertTrue(any(a.startswith("frame-src") or a.startswith("default-src") for a in attempts), attempts)
        self.assertEqual(b"".join(received), b"")
        failed = {e["params"]["requestId"]: e["params"].get("blockedReason") for e in list(self.browser.events)
                  if e.get("method") == "Network.loadingFailed"}
        for event in list(self.browser.events):
            if event.get("method") == "Network.requestWillBeSent":
                url = event["params"]["request"]["url"]
                if not url.startswith(("file:", "data:")):
                    self.assertEqual(failed.get(event["params"]["requestId"]), "csp", url)


if __name__ == "__main__":
    unittest.main()
