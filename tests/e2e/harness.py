"""Drives the real lurn_config.exe in a temporary game folder under Wine and
Xvfb: starts it, waits for its windows, reads them with the project's window
inspector, and sends real mouse and keyboard input with xdotool.

Environment (set by scripts/test): DISPLAY, WINEPREFIX, LURN_WINE (the Wine
loader), LURN_BUILD_DIR (the build holding lurn_config.exe and tools/).
"""

import os
import shutil
import subprocess
import sys
import tempfile
import time
import unittest

BUILD_DIR = os.environ.get("LURN_BUILD_DIR", "")
TOOLS = os.path.join(BUILD_DIR, "tools")
os.environ.setdefault("LURN_TOOLS_DIR", TOOLS)
sys.path.insert(0, os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "..", "tools",
                                "inspector"))
import inspector_client  # noqa: E402
from inspector_client import Inspector  # noqa: E402,F401

WINE = inspector_client.WINE
EXE = os.path.join(BUILD_DIR, "lurn_config.exe")
STANDIN_GAME = inspector_client.STANDIN_GAME
HOLD_FILE = os.path.join(TOOLS, "hold_file.exe")

SAMPLE_SETTINGS = {
    ("set", "simple"): "1",
    ("video", "FULLSCREEN"): "0",
    ("system", "SMOOTH"): "1",
    ("system", "GLHR"): "0",
    ("system", "RESOLUTIONX"): "800",
    ("system", "RESOLUTIONY"): "600",
    ("Music", "VOLUME"): "100",
    ("Music", "VOLUMEWAV"): "90",
    ("Music", "SOUND3D"): "0",
    ("set", "WALK_SPEED1"): "30",
    ("set", "WALK_SPEED2"): "40",
    ("set", "BATTLE_SPEED"): "60",
}


def settings_text(values):
    """The text of a settings file with these (section, key): value pairs."""
    sections = {}
    for (section, key), value in values.items():
        sections.setdefault(section, []).append(f"{key}={value}")
    return "".join(f"[{s}]\r\n" + "".join(l + "\r\n" for l in lines)
                   for s, lines in sections.items())


def read_settings(path):
    """(section, key) -> value of a settings file, names as written."""
    values = {}
    section = None
    with open(path, encoding="latin-1") as f:
        for line in f:
            line = line.strip()
            if line.startswith("[") and line.endswith("]"):
                section = line[1:-1]
            elif "=" in line and section is not None:
                key, value = line.split("=", 1)
                values[(section, key.strip())] = value.strip()
    return values


def inspect(*args):
    """(exit code, top-level windows) of one inspector run."""
    code, roots, _ = inspector_client.inspect(*args, timeout=60)
    return code, roots


CONFIG_CLASS = "LurnForm"      # the program's own windows
DIALOG_CLASS = "#32770"        # message boxes


def windows_titled(title, cls=None):
    code, roots = inspect("--title", title)
    if code != 0:
        return []
    return [w for w in roots if w.get("text") == title and (cls is None or w.cls == cls)]


def wait_for_window(title, cls=None, timeout=20.0):
    deadline = time.monotonic() + timeout
    while True:
        left = max(0.1, deadline - time.monotonic())
        code, _ = inspect("--wait-title", title, "--timeout", str(int(left * 1000)))
        if code == 0:
            roots = windows_titled(title, cls)
            if roots:
                return roots[0]
        if time.monotonic() > deadline:
            raise AssertionError(f"no window titled {title!r} ({cls}) within {timeout} s")
        time.sleep(0.1)


def config_window():
    """The configuration window as it is now, or None."""
    roots = windows_titled("lurn_config", CONFIG_CLASS)
    return roots[0] if roots else None


def wait_until(predicate, timeout=10.0, interval=0.1):
    deadline = time.monotonic() + timeout
    while True:
        value = predicate()
        if value:
            return value
        if time.monotonic() > deadline:
            return value
        time.sleep(interval)


def screen_pixels(x, y, width, height):
    """The screen's pixels in a rectangle, as (r, g, b) tuples row by row."""
    raw = subprocess.run(["import", "-window", "root", "-crop", f"{width}x{height}+{x}+{y}",
                          "-depth", "8", "rgb:-"], capture_output=True, check=True).stdout
    return [tuple(raw[i:i + 3]) for i in range(0, len(raw), 3)]


def xdotool(*args):
    subprocess.run(["xdotool"] + [str(a) for a in args], check=True)


def click(x, y):
    xdotool("mousemove", x, y, "click", "1")
    time.sleep(0.15)


def click_window(window):
    click(*window.centre)


def keys(*names):
    xdotool("key", "--delay", "60", *names)
    time.sleep(0.2)


def type_text(text):
    xdotool("type", "--delay", "60", text)
    time.sleep(0.2)


class GameFolder:
    """A temporary game folder holding the launcher and, optionally, a
    settings file and the stand-in game."""

    def __init__(self, settings=SAMPLE_SETTINGS, game=False, raw_settings=None):
        self.path = tempfile.mkdtemp(prefix="lurn-e2e-")
        shutil.copy(EXE, os.path.join(self.path, "lurn_config.exe"))
        if game:
            shutil.copy(STANDIN_GAME, os.path.join(self.path, "qeb_lurn.exe"))
        self.ini = os.path.join(self.path, "qebmod.ini")
        if raw_settings is not None:
            with open(self.ini, "wb") as f:
                f.write(raw_settings)
        elif settings is not None:
            with open(self.ini, "wb") as f:
                f.write(settings_text(settings).encode("ascii"))
        self.process = None

    def start(self, lang="zh_CN.UTF-8"):
        env = dict(os.environ, LANG=lang, LC_ALL=lang)
        self.process = subprocess.Popen([WINE, "lurn_config.exe"], cwd=self.path, env=env,
                                        stdin=subprocess.DEVNULL, stdout=subprocess.DEVNULL,
                                        stderr=subprocess.DEVNULL)
        return self.process

    def exit_code(self, timeout=15.0):
        return self.process.wait(timeout=timeout)

    def running(self):
        return self.process is not None and self.process.poll() is None

    def settings_bytes(self):
        with open(self.ini, "rb") as f:
            return f.read()

    def settings(self):
        return read_settings(self.ini)

    def close(self):
        if self.running():
            self.process.kill()
            self.process.wait(timeout=10)
        # The Wine process may leave its windows for a moment.
        wait_until(lambda: not windows_titled("lurn_config"), timeout=5)
        for title in ("Lurn_config", "Warning", "Form1"):
            wait_until(lambda t=title: not windows_titled(t), timeout=2)
        shutil.rmtree(self.path, ignore_errors=True)


class LauncherTestCase(unittest.TestCase):
    """Each test gets a game folder; the launcher is killed afterwards."""

    def make_folder(self, **kwargs):
        folder = GameFolder(**kwargs)
        self.addCleanup(folder.close)
        return folder

    def open_config_window(self, folder, lang="zh_CN.UTF-8"):
        folder.start(lang)
        return wait_for_window("lurn_config", CONFIG_CLASS)

    def dismiss_message(self, title, expected_text=None):
        box = wait_for_window(title, DIALOG_CLASS)
        if expected_text is not None:
            texts = [w.text for w in box.descendants() if w.cls == "Static"]
            self.assertIn(expected_text, texts, f"message box {title!r} shows {texts}")
        button = box.find(cls="Button")
        click_window(button)
        wait_until(lambda: not windows_titled(title), timeout=5)
        return box


# The configuration window's controls by name, in the order of its control
# collection; each control's id is 100 + its position.
COLLECTION = (
    "Frame2 HScroll5 HScroll4 HScroll3 Label16 Label15 Label12 Label11 Label6 Label9 Frame1 "
    "Check4 Frame5 Picture2 Option3(0) Option3(1) Frame3 Picture1 Option1(1) Option1(0) Check3 "
    "Check2 Check1 txtheight txtwidth Label17 Label4 Label14 Label10 Label13 Label5 Label3 "
    "Frame4 HScroll2 HScroll1 Label8 Label7 Label1 Label2 Command2 Command1 Image1"
).split()


def control(window, name):
    found = window.by_id(100 + COLLECTION.index(name))
    if found is None:
        raise AssertionError(f"no control {name}")
    return found


def control_named_by_id(window, control_id):
    position = int(control_id) - 100
    return COLLECTION[position] if 0 <= position < len(COLLECTION) else None


def focused_control(window):
    for w in window.descendants():
        if w.get("focus") == "1":
            return control_named_by_id(window, w.get("id"))
    return None


def scroll_arrow(bar, right=True):
    """Screen point of a horizontal scroll bar's arrow button."""
    x, y, w, h = bar.rect
    return (x + w - h // 2, y + h // 2) if right else (x + h // 2, y + h // 2)
