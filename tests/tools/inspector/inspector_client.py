# Runs Windows helper programs under Wine and reads what lurn_inspect.exe
# prints (its format is described in lurn_inspect.cpp).
#
# Environment: LURN_TOOLS_DIR (the build's tools/ directory), LURN_WINE (the
# Wine loader), DISPLAY and WINEPREFIX (an Xvfb and a Wine prefix whose
# wineserver is running).

import atexit
import functools
import os
import subprocess
import tempfile
import time

WINE = os.environ.get("LURN_WINE", "/usr/lib/wine/wine64")
TOOLS_DIR = os.environ.get("LURN_TOOLS_DIR", "")
INSPECT = os.path.join(TOOLS_DIR, "lurn_inspect.exe")
STANDIN_GAME = os.path.join(TOOLS_DIR, "qeb_lurn.exe")


# One line of the inspector's output and the lines nested under it.
class Window:

    def __init__(self, depth, fields, parent):
        self.depth, self.fields, self.parent, self.children = depth, fields, parent, []

    def __getitem__(self, key):
        return self.fields[key]

    text = property(lambda self: self.fields["text"])
    cls = property(lambda self: self.fields["class"])
    rect = property(lambda self: tuple(int(v) for v in self.fields["rect"].split(",")))

    @property
    def centre(self):
        x, y, w, h = self.rect
        return x + w // 2, y + h // 2

    def descendants(self):
        for child in self.children:
            yield child
            yield from child.descendants()

    def find(self, cls=None, text=None):
        return next((w for w in self.descendants()
                     if cls in (None, w.cls) and text in (None, w.text)), None)


# The top-level windows of the output, their descendants nested.
def parse_tree(output):
    roots, stack = [], []
    for line in output.split("\r\n")[:-1]:
        body = line.lstrip(" ")
        depth = (len(line) - len(body)) // 2
        del stack[depth:]
        fields = dict(part.split("=", 1) for part in body.split("\t"))
        window = Window(depth, fields, stack[-1] if stack else None)
        (stack[-1].children if stack else roots).append(window)
        stack.append(window)
    return roots


# One inspector run in the background, watching while the test acts. Its
# output goes to a file: a Wine program may hand its standard handles on to
# Wine's desktop process, and a pipe would then stay open as long as the
# desktop does.
class Inspector:

    def __init__(self, *args):
        self.output = tempfile.TemporaryFile()
        self.process = subprocess.Popen([WINE, INSPECT, *args], stdin=subprocess.DEVNULL,
                                        stdout=self.output, stderr=subprocess.DEVNULL)

    # (exit code, top-level windows) once it has ended.
    def result(self, timeout=30):
        code = self.process.wait(timeout=timeout)
        self.output.seek(0)
        return code, parse_tree(self.output.read().decode("utf-8"))


# The inspector that answers every look of this test process, started at
# the first: a look then costs no Wine start-up.
@functools.cache
def served_inspector():
    process = subprocess.Popen([WINE, INSPECT, "--serve"], stdin=subprocess.PIPE,
                               stdout=subprocess.PIPE, stderr=subprocess.DEVNULL)
    atexit.register(process.stdin.close)
    return process


# (exit code, top-level windows) of one look.
def inspect(*args):
    process = served_inspector()
    process.stdin.write(("\t".join(str(a) for a in args) + "\n").encode("utf-8"))
    process.stdin.flush()
    lines = []
    while not (line := process.stdout.readline().decode("utf-8")).startswith("exit="):
        if not line:
            raise AssertionError(f"the inspector ended with {process.wait()}")
        lines.append(line)
    return int(line[5:]), parse_tree("".join(lines))


def xdotool(*args):
    subprocess.run(["xdotool"] + [str(a) for a in args], check=True, timeout=10)


def wait_until(predicate, timeout=5.0, interval=0.1):
    deadline = time.monotonic() + timeout
    while not (value := predicate()) and time.monotonic() < deadline:
        time.sleep(interval)
    return value
