"""Runs the project's Windows helper programs under Wine and reads the
output of lurn_inspect.exe (its format is described in lurn_inspect.cpp).

Environment: LURN_TOOLS_DIR (the build's tools/ directory), LURN_WINE (the
Wine loader, default /usr/lib/wine/wine64), DISPLAY and WINEPREFIX (an Xvfb
and a Wine prefix whose wineserver is running).
"""

import os
import subprocess
import tempfile
import time

WINE = os.environ.get("LURN_WINE", "/usr/lib/wine/wine64")
TOOLS_DIR = os.environ.get("LURN_TOOLS_DIR", "")
INSPECT = os.path.join(TOOLS_DIR, "lurn_inspect.exe")
BENCH_BASELINE = os.path.join(TOOLS_DIR, "bench_baseline.exe")
STANDIN_GAME = os.path.join(TOOLS_DIR, "qeb_lurn.exe")

COMMON_FIELDS = ["hwnd", "class", "text", "id", "rect", "client", "style", "exstyle",
                 "visible", "enabled", "focus"]
TOP_LEVEL_FIELDS = ["owner", "icon_big", "icon_small", "foreground", "comctl32"]
BUTTON_FIELDS = ["check", "button_type"]
SCROLLBAR_FIELDS = ["pos", "min", "max"]


def require_environment():
    """Raises unless the tests can run their programs under Wine."""
    missing = [name for name in ("DISPLAY", "WINEPREFIX", "LURN_TOOLS_DIR")
               if not os.environ.get(name)]
    if missing:
        raise RuntimeError("these tests run under Wine and Xvfb; not set: " + ", ".join(missing))
    for exe in (INSPECT, BENCH_BASELINE, STANDIN_GAME):
        if not os.path.isfile(exe):
            raise RuntimeError(f"{exe} is not built")


class Window:
    """One line of the inspector's output and the lines nested under it."""

    def __init__(self, depth, keys, fields):
        self.depth = depth
        self.keys = keys  # field names in the order they were printed
        self.fields = fields
        self.children = []

    def __getitem__(self, key):
        return self.fields[key]

    @property
    def text(self):
        return self.fields.get("text", "")

    @property
    def cls(self):
        return self.fields.get("class", "")

    def get(self, key, default=None):
        return self.fields.get(key, default)

    @property
    def rect(self):
        return tuple(int(v) for v in self.fields["rect"].split(","))

    @property
    def centre(self):
        x, y, w, h = self.rect
        return x + w // 2, y + h // 2

    def descendants(self):
        for child in self.children:
            yield child
            yield from child.descendants()

    def by_id(self, control_id):
        return next((w for w in self.descendants() if w["id"] == str(control_id)), None)

    def find(self, cls=None, text=None):
        """The first descendant of that class and text, depth first."""
        return next((w for w in self.descendants()
                     if (cls is None or w.cls == cls) and (text is None or w.text == text)),
                    None)


ESCAPES = {"t": "\t", "n": "\n", "r": "\r", "\\": "\\"}


def unescape(text):
    out = []
    chars = iter(text)
    for c in chars:
        if c == "\\":
            escaped = next(chars, None)
            if escaped not in ESCAPES:
                raise ValueError(f"bad escape in {text!r}")
            out.append(ESCAPES[escaped])
        else:
            out.append(c)
    return "".join(out)


def parse_tree(output):
    """The top-level windows of the output, their descendants nested."""
    if output and not output.endswith("\r\n"):
        raise ValueError("output does not end in CR LF")
    roots = []
    stack = []
    for line in output.split("\r\n")[:-1]:
        body = line.lstrip(" ")
        indent = len(line) - len(body)
        if indent % 2:
            raise ValueError(f"odd indentation: {line!r}")
        depth = indent // 2
        if depth > (stack[-1].depth + 1 if stack else 0):
            raise ValueError(f"line deeper than its parent allows: {line!r}")
        keys = []
        fields = {}
        for part in body.split("\t"):
            key, separator, value = part.partition("=")
            if not separator or key in fields:
                raise ValueError(f"bad field {part!r} in {line!r}")
            keys.append(key)
            fields[key] = unescape(value)
        window = Window(depth, keys, fields)
        while stack and stack[-1].depth >= depth:
            stack.pop()
        (stack[-1].children if stack else roots).append(window)
        stack.append(window)
    return roots


class Run:
    """One Wine program run in the background. Its output goes to files, not
    pipes: a Wine program that has to start the desktop process again (it
    ends when it has had no windows for a while) hands its standard handles
    on to it, and a pipe would then stay open as long as the desktop does."""

    def __init__(self, exe, *args):
        self._out = tempfile.TemporaryFile()
        self._err = tempfile.TemporaryFile()
        self.process = subprocess.Popen([WINE, exe] + list(args), stdin=subprocess.DEVNULL,
                                        stdout=self._out, stderr=self._err)

    def running(self):
        return self.process.poll() is None

    def outputs(self, timeout=30):
        """(exit code, standard output, standard error) once it has ended."""
        code = self.process.wait(timeout=timeout)
        texts = []
        for f in (self._out, self._err):
            f.seek(0)
            texts.append(f.read().decode("utf-8"))
            f.close()
        return code, texts[0], texts[1]


class Inspector(Run):
    """One inspector run in the background."""

    def __init__(self, *args):
        super().__init__(INSPECT, *args)

    def result(self, timeout=30):
        """(exit code, top-level windows, standard error) once it has ended."""
        code, out, err = self.outputs(timeout)
        return code, parse_tree(out), err


def inspect(*args, timeout=30):
    """(exit code, top-level windows, standard error) of one inspector run."""
    return Inspector(*args).result(timeout)


def wait_for_window(title, timeout_ms=15000):
    code, roots, _ = inspect("--wait-title", title, "--timeout", str(timeout_ms))
    if code != 0 or not roots:
        raise AssertionError(f"no window titled {title!r} within {timeout_ms} ms")
    return roots[0]


def wait_gone(title, timeout_ms=10000):
    code, _, _ = inspect("--wait-gone", title, "--timeout", str(timeout_ms))
    return code == 0


def start(exe, *args, cwd=None):
    env = dict(os.environ, LANG="zh_CN.UTF-8", LC_ALL="zh_CN.UTF-8")
    return subprocess.Popen([WINE, exe] + list(args), cwd=cwd, env=env,
                            stdin=subprocess.DEVNULL, stdout=subprocess.DEVNULL,
                            stderr=subprocess.DEVNULL)


def stop(process):
    if process.poll() is None:
        process.kill()
    process.wait(timeout=10)


def xdotool(*args):
    subprocess.run(["xdotool"] + [str(a) for a in args], check=True, timeout=10)


def click(window):
    x, y = window.centre
    xdotool("mousemove", x, y, "click", "1")


def close_foreground_window():
    """Alt+F4 to the foreground window of the Wine desktop."""
    xdotool("key", "alt+F4")


def wait_until(predicate, timeout=5.0, interval=0.1):
    deadline = time.monotonic() + timeout
    while not (value := predicate()) and time.monotonic() < deadline:
        time.sleep(interval)
    return value
