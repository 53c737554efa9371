#!/usr/bin/env python3
"""The page of a game for browsers: its size, and the time from opening it to its first frame
in headless Chromium (performance.now() at the first frame: from the start of the navigation).

    python3 bench/web_page_bench.py BUILD_DIR [JAR...]

Without jars it builds tests/fixtures/showcase.yrk with avizad-cli. The page is made from the
test tree's template, whose machine is the stand-in of tests/web until the virtual machine is
wired in; the figures then are the page's own (its scripts, the loader, the jar) and the
stand-in's."""
import os
import statistics
import subprocess
import sys
import tempfile

HERE = os.path.dirname(os.path.abspath(__file__))
sys.path.insert(0, os.path.join(HERE, "..", "tests", "web"))
os.environ.setdefault("AVIZAD_CHROMIUM", "chromium")
import browser  # noqa: E402

RUNS = 7


def main():
    build = os.path.abspath(sys.argv[1] if len(sys.argv) > 1 else "build")
    jars = sys.argv[2:]
    os.environ["AVIZAD_WEB_TOOL"] = os.path.join(build, "tests", "web_test_tool")
    template = os.environ["AVIZAD_STANDIN_PAGE"] = os.path.join(build, "tests", "web", "standin-page.html")
    if not jars:
        subprocess.run([os.path.join(build, "bin", "avizad-cli"), "build",
                        os.path.join(HERE, "..", "tests", "fixtures", "showcase.yrk")],
                       check=True, stdout=subprocess.DEVNULL)
        jars = [os.path.join(build, "bin", "System", "bin", "Showcase.jar")]
    print("page template (scripts, loader, deflated module): %.1f KB" % (os.path.getsize(template) / 1024))
    with tempfile.TemporaryDirectory() as folder:
        for jar in jars:
            page = browser.page(jar, os.path.join(folder, "game.html"))
            print("%s: jar %.1f KB, page %.1f KB" % (os.path.basename(jar), os.path.getsize(jar) / 1024,
                                                   os.path.getsize(page) / 1024))
            chromium = browser.Browser()
            try:
                times = []
                for _ in range(RUNS):
                    chromium.open(browser.file_url(page))
                    times.append(chromium.wait_for("window.avizadFirstFrame"))
                print("  open to first frame: first %.0f ms, median of %d %.0f ms (min %.0f, max %.0f)"
                      % (times[0], RUNS, statistics.median(times), min(times), max(times)))
            finally:
                chromium.close()


if __name__ == "__main__":
    main()
