"""Headless Chromium driven through the DevTools protocol over a pipe, and the
page's folder served on localhost: what the page tests and benchmarks share.

No browser is downloaded: this drives the distribution's chromium."""

import base64
import fcntl
import functools
import http.server
import json
import os
import shutil
import subprocess
import tempfile
import threading

FLAGS = ["--headless", "--no-sandbox", "--disable-gpu", "--disable-quic", "--no-first-run",
         "--disable-background-networking", "--disable-component-update", "--disable-sync",
         "--remote-debugging-pipe"]


def find_chromium():
    return shutil.which("chromium") or shutil.which("chromium-browser")


class Site:
    """A folder served on 127.0.0.1 on a free port until stop()."""

    class Handler(http.server.SimpleHTTPRequestHandler):
        extensions_map = {**http.server.SimpleHTTPRequestHandler.extensions_map,
                          ".wasm": "application/wasm", ".js": "text/javascript",
                          ".webmanifest": "application/manifest+json", ".svg": "image/svg+xml"}

        def log_message(self, *args):
            pass

    class Server(http.server.ThreadingHTTPServer):
        def handle_error(self, request, client_address):
            pass  # a browser that closes a connection early is no fault of the page

    def __init__(self, folder):
        handler = functools.partial(self.Handler, directory=folder)
        self.server = self.Server(("127.0.0.1", 0), handler)
        self.url = f"http://127.0.0.1:{self.server.server_address[1]}/"
        self.thread = threading.Thread(target=self.server.serve_forever, daemon=True)
        self.thread.start()

    def stop(self):
        self.server.shutdown()
        self.server.server_close()


class Browser:
    """One Chromium with a fresh profile, and one page in it."""

    def __init__(self, width=1920, height=1080):
        self.profile = tempfile.mkdtemp(prefix="tessalo-chromium-")
        to_browser_read, to_browser_write = os.pipe()
        from_browser_read, from_browser_write = os.pipe()
        # above 4, so that moving them to 3 and 4 in the child overwrites neither
        ends = [fcntl.fcntl(fd, fcntl.F_DUPFD, 10) for fd in (to_browser_read, from_browser_write)]
        os.close(to_browser_read)
        os.close(from_browser_write)
        to_browser_read, from_browser_write = ends

        def give_pipes():  # the protocol's pipe: the browser reads fd 3, writes fd 4
            os.dup2(to_browser_read, 3)
            os.dup2(from_browser_write, 4)

        self.process = subprocess.Popen(
            [find_chromium(), *FLAGS, f"--user-data-dir={self.profile}", f"--window-size={width},{height}",
             "about:blank"],
            preexec_fn=give_pipes, pass_fds=(3, 4),
            stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
        os.close(to_browser_read)
        os.close(from_browser_write)
        self.output = os.fdopen(to_browser_write, "wb", buffering=0)
        self.input = os.fdopen(from_browser_read, "rb", buffering=0)
        self.buffer = b""
        self.next_id = 0
        self.events = []
        target = next(t for t in self.send("Target.getTargets")["targetInfos"] if t["type"] == "page")
        self.session = self.send("Target.attachToTarget", targetId=target["targetId"], flatten=True)["sessionId"]
        for domain in ("Page", "Runtime"):
            self.call(f"{domain}.enable")
        # a headless page never has the system's focus; without this, no focus ring is drawn
        self.call("Emulation.setFocusEmulationEnabled", enabled=True)
        self.viewport(width, height)

    def close(self):
        try:
            self.send("Browser.close")
        except (OSError, EOFError, StopIteration):
            pass
        try:
            self.process.wait(timeout=10)
        except subprocess.TimeoutExpired:
            self.process.kill()
            self.process.wait()
        self.output.close()
        self.input.close()
        shutil.rmtree(self.profile, ignore_errors=True)

    def __enter__(self):
        return self

    def __exit__(self, *exc):
        self.close()

    def _message(self):
        while b"\0" not in self.buffer:
            chunk = self.input.read(1 << 20)
            if not chunk:
                raise EOFError("Chromium closed the DevTools pipe")
            self.buffer += chunk
        message, self.buffer = self.buffer.split(b"\0", 1)
        return json.loads(message)

    def send(self, method, session=None, **params):
        """Sends one command and returns its result; events meanwhile are kept."""
        self.next_id += 1
        command = {"id": self.next_id, "method": method, "params": params}
        if session:
            command["sessionId"] = session
        self.output.write(json.dumps(command).encode() + b"\0")
        while True:
            message = self._message()
            if message.get("id") == self.next_id:
                if "error" in message:
                    raise RuntimeError(f"{method}: {message['error']}")
                return message.get("result", {})
            self.events.append(message)

    def call(self, method, **params):
        """A command to the page."""
        return self.send(method, self.session, **params)

    def wait_event(self, method):
        while True:
            for i, event in enumerate(self.events):
                if event.get("method") == method:
                    return self.events.pop(i)
            self.events.append(self._message())

    def viewport(self, width, height):
        self.call("Emulation.setDeviceMetricsOverride", width=width, height=height, deviceScaleFactor=1,
                  mobile=False)

    def evaluate(self, expression):
        """The value of a JavaScript expression in the page, promises awaited."""
        result = self.call("Runtime.evaluate", expression=expression, awaitPromise=True, returnByValue=True)
        if "exceptionDetails" in result:
            raise RuntimeError(f"{expression}: {result['exceptionDetails']}")
        return result["result"].get("value")

    def open(self, url):
        """Loads url and waits until the page's module is ready."""
        self.events.clear()
        self.call("Page.navigate", url=url)
        self.wait_event("Page.loadEventFired")
        self.wait_until("document.documentElement.dataset.ready === 'true'")

    def wait_until(self, condition, timeout_ms=10000):
        if not self.evaluate(f"""new Promise(resolve => {{
                const start = performance.now();
                (function poll() {{
                    if ({condition}) resolve(true);
                    else if (performance.now() - start > {timeout_ms}) resolve(false);
                    else setTimeout(poll, 10);
                }})();
            }})"""):
            raise TimeoutError(condition)

    def click(self, x, y):
        for kind in ("mouseMoved", "mousePressed", "mouseReleased"):
            self.call("Input.dispatchMouseEvent", type=kind, x=x, y=y, button="left", clickCount=1)

    def wheel(self, x, y, delta_y):
        self.call("Input.dispatchMouseEvent", type="mouseWheel", x=x, y=y, deltaX=0, deltaY=delta_y)

    KEYS = {"Tab": 9, "Enter": 13, " ": 32, "PageUp": 33, "PageDown": 34, "End": 35, "Home": 36,
            "ArrowLeft": 37, "ArrowUp": 38, "ArrowRight": 39, "ArrowDown": 40}
    CODES = {" ": "Space"}

    def press(self, key, shift=False):
        code = self.KEYS[key]
        common = dict(key=key, code=self.CODES.get(key, key), windowsVirtualKeyCode=code,
                      nativeVirtualKeyCode=code, modifiers=8 if shift else 0)
        text = {"Enter": "\r", " ": " "}.get(key)
        self.call("Input.dispatchKeyEvent", type="keyDown" if text else "rawKeyDown",
                  **common, **({"text": text} if text else {}))
        self.call("Input.dispatchKeyEvent", type="keyUp", **common)

    def screenshot(self):
        """The viewport as PNG data, base64."""
        return self.call("Page.captureScreenshot", format="png")["data"]

    def colours_at(self, png, points):
        """The [r, g, b] of a screenshot at each (x, y) in CSS pixels, read by the browser's own decoder."""
        return self.evaluate(f"""(async () => {{
            const bytes = Uint8Array.from(atob('{png}'), c => c.charCodeAt(0));
            const image = await createImageBitmap(new Blob([bytes], {{type: 'image/png'}}));
            const canvas = new OffscreenCanvas(image.width, image.height);
            const context = canvas.getContext('2d');
            context.drawImage(image, 0, 0);
            const pixels = context.getImageData(0, 0, image.width, image.height).data;
            return {json.dumps([[int(x), int(y)] for x, y in points])}.map(([x, y]) => {{
                const at = (y * image.width + x) * 4;
                return [pixels[at], pixels[at + 1], pixels[at + 2]];
            }});
        }})()""")


def save_png(png, path):
    with open(path, "wb") as out:
        out.write(base64.b64decode(png))
