# Drives the real lurn_config.exe in a temporary game folder under Wine and
# Xvfb: starts it from another folder, as a shortcut does, reads its windows
# with the project's window inspector and sends real mouse and keyboard input
# with xdotool.
#
# Environment (set by scripts/test): DISPLAY, WINEPREFIX, LURN_WINE (the Wine
# loader), LURN_BUILD_DIR (the build holding lurn_config.exe and tools/).

import configparser
import os
import shutil
import subprocess
import sys
import tempfile
import time
import unittest

BUILD_DIR = os.environ.get("LURN_BUILD_DIR", "")
os.environ.setdefault("LURN_TOOLS_DIR", os.path.join(BUILD_DIR, "tools"))
sys.path.insert(0, os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "tools",
                                "inspector"))
from inspector_client import (STANDIN_GAME, WINE, Inspector, inspect, wait_until,  # noqa: E402,F401
                              xdotool)

EXE = os.path.join(BUILD_DIR, "lurn_config.exe")
TITLE = "lurn_config"
FORM_CLASS = "LurnForm"  # the program's own windows
DIALOG_CLASS = "#32770"  # message boxes

SAMPLE = {
    ("set", "simple"): "1", ("video", "FULLSCREEN"): "0", ("system", "SMOOTH"): "1",
    ("system", "GLHR"): "2", ("system", "RESOLUTIONX"): "800", ("system", "RESOLUTIONY"): "600",
    ("Music", "VOLUME"): "100", ("Music", "VOLUMEWAV"): "0", ("Music", "SOUND3D"): "0",
    ("set", "WALK_SPEED1"): "30", ("set", "WALK_SPEED2"): "1", ("set", "BATTLE_SPEED"): "60",
}


# What the settings window shows of SAMPLE: control (see `named`) -> state.
SAMPLE_SHOWN = {
    "width": "800", "height": "600", "简体模式": "1", "繁體模式": "0", "窗口模式": "1",
    "全屏模式": "0", "自动调整": "0", "画面拉伸时平滑显示": "1", "显示画面时采用硬件加速": "2",
    "使用3D音响效果": "0", "音乐音量 bar": "100 in 0..127", "音效音量 bar": "0 in 0..127",
    "大地图行走速度 bar": "30 in 1..100", "内场景行走速度 bar": "1 in 1..100",
    "战斗速度 bar": "60 in 1..100",
    # Every value label shows its bar's value, the design values 0 and 1
    # included.
    "音乐音量 value": "100", "音效音量 value": "0", "大地图行走速度 value": "30",
    "内场景行走速度 value": "1", "战斗速度 value": "60",
}


# (section, key) -> value of a settings file.
def read_settings(path):
    parser = configparser.ConfigParser(interpolation=None)
    parser.optionxform = str
    parser.read(path, encoding="latin-1")
    return {(s, k): v for s in parser.sections() for k, v in parser[s].items()}


def windows_titled(title, cls):
    return [w for w in inspect("--title", title)[1] if w.cls == cls]


def wait_for_window(title, cls, timeout=20.0):
    found = wait_until(lambda: windows_titled(title, cls), timeout, interval=0.05)
    if not found:
        raise AssertionError(f"no window titled {title!r} ({cls}) within {timeout} s")
    return found[0]


# The settings window as it is now, or None.
def config_window():
    found = windows_titled(TITLE, FORM_CLASS)
    return found[0] if found else None


# The controls on the row of the label `caption`, in its container,
# from left to right: the label first.
def row(window, caption):
    label = window.find(cls="Static", text=caption)
    _, top, _, height = label.rect
    return sorted((w for w in label.parent.children if top <= w.centre[1] < top + height),
                  key=lambda w: w.rect[0])


# A control by what the window shows: its caption; "width" and "height"
# for the size boxes; "<label> bar" and "<label> value" for the scroll bar
# beside a label and the value shown right of the bar.
def named(window, name):
    if name in ("width", "height"):
        return row(window, "窗口大小")[1 if name == "width" else 3]
    caption, _, part = name.rpartition(" ")
    if part in ("bar", "value"):
        return row(window, caption)[1 if part == "bar" else 2]
    found = window.find(text=name)
    if found is None:
        raise AssertionError(f"no control {name!r}")
    return found


# The named control of the settings window as it is now.
def shown(name):
    return named(config_window(), name)


def state(control):
    if control.cls == "ScrollBar":
        return f"{control['pos']} in {control['min']}..{control['max']}"
    return control["check"] if control.cls == "Button" else control.text


# The state of each control of `expected` in the window.
def states(window, expected):
    return {name: state(named(window, name)) for name in expected}


def focused(window):
    return next((w for w in window.descendants() if w["focus"] == "1"), None)


def screen_pixels(x, y, width, height):
    raw = subprocess.run(["import", "-window", "root", "-crop", f"{width}x{height}+{x}+{y}",
                          "-depth", "8", "rgb:-"], capture_output=True, check=True).stdout
    return [tuple(raw[i:i + 3]) for i in range(0, len(raw), 3)]


# Input goes to the program in the order it is sent; what it changes is
# read with `assertSettles`.
def click(x, y):
    xdotool("mousemove", x, y, "click", "1")


def click_on(name):
    click(*shown(name).centre)


def keys(*names):
    xdotool("key", "--delay", "30", *names)


# Screen point of a horizontal scroll bar's arrow button.
def arrow(bar, right=True):
    x, y, w, h = bar.rect
    return (x + w - h // 2 if right else x + h // 2), y + h // 2


# A temporary game folder holding the launcher, optionally a settings
# file and the stand-in game.
class GameFolder:

    def __init__(self, settings=SAMPLE, game=False):
        self.path = tempfile.mkdtemp(prefix="lurn-e2e-")
        self.elsewhere = tempfile.mkdtemp(prefix="lurn-e2e-cwd-")
        shutil.copy(EXE, self.path)
        if game:
            shutil.copy(STANDIN_GAME, self.path)
        self.ini = os.path.join(self.path, "qebmod.ini")
        if settings is not None:
            with open(self.ini, "w", encoding="ascii", newline="") as f:
                for section in dict.fromkeys(s for s, _ in settings):
                    f.write(f"[{section}]\r\n" + "".join(
                        f"{k}={v}\r\n" for (s, k), v in settings.items() if s == section))
        self.process = None

    def start(self):
        env = dict(os.environ, LANG="zh_CN.UTF-8", LC_ALL="zh_CN.UTF-8")
        self.process = subprocess.Popen(
            [WINE, os.path.join(self.path, "lurn_config.exe")], cwd=self.elsewhere, env=env,
            stdin=subprocess.DEVNULL, stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)

    # What the stand-in game recorded of its start: cwd, args, argc.
    def game_start(self, timeout=15.0):
        record = os.path.join(self.path, "standin_launch.txt")
        assert wait_until(lambda: os.path.exists(record), timeout), "the game did not start"
        time.sleep(0.3)
        with open(record, encoding="utf-8-sig") as f:
            return dict(line.rstrip("\r\n").split("=", 1) for line in f)

    def end_game(self):
        subprocess.run([WINE, "taskkill", "/F", "/IM", "qeb_lurn.exe"], capture_output=True)

    # The game folder as Windows programs see it.
    def windows_path(self):
        return "Z:" + self.path.replace("/", "\\")

    def exit_code(self, timeout=15.0):
        return self.process.wait(timeout=timeout)

    def running(self):
        return self.process.poll() is None

    def close(self):
        if self.process is not None and self.running():
            self.process.kill()
            self.process.wait(timeout=10)
        # The Wine process may leave its windows for a moment.
        inspect("--wait-gone", TITLE, "--timeout", "5000")
        if os.path.exists(os.path.join(self.path, "qeb_lurn.exe")):
            self.end_game()
        shutil.rmtree(self.path, ignore_errors=True)
        shutil.rmtree(self.elsewhere, ignore_errors=True)


# Tests of one running launcher: the class starts it in a game folder
# of its own and stops it at the end. Its tests run in name order and may
# rely on what the earlier ones did.
class LauncherTestCase(unittest.TestCase):

    settings = SAMPLE
    game = False

    @classmethod
    def setUpClass(cls):
        cls.folder = GameFolder(cls.settings, cls.game)
        cls.addClassCleanup(cls.folder.close)
        # The inspector is up before the program starts: the first looks at
        # the program wait for no Wine start-up.
        inspect("--wait-gone", TITLE, "--timeout", "5000")
        cls.start()

    @classmethod
    def start(cls):
        cls.folder.start()
        wait_for_window(TITLE, FORM_CLASS)

    # The program handles input a moment after it is sent, later on a busy
    # machine: what it shows is read until it is as expected, or 15 s.
    def assertSettles(self, read, expected, msg=None):
        wait_until(lambda: read() == expected, 15, 0.05)
        self.assertEqual(read(), expected, msg)

    def dismiss_message(self, title, text, timeout=20.0):
        box = wait_for_window(title, DIALOG_CLASS, timeout)
        texts = [w.text for w in box.descendants() if w.cls == "Static"]
        self.assertIn(text, texts, f"message box {title!r} shows {texts}")
        click(*box.find(cls="Button").centre)
        self.assertSettles(lambda: windows_titled(title, DIALOG_CLASS), [])
