"""The configuration window as a player uses it: the real program in a
temporary game folder, real mouse and keyboard input."""

import os
import subprocess
import time
import unittest

from harness import (CONFIG_CLASS, DIALOG_CLASS, HOLD_FILE, SAMPLE_SETTINGS, WINE,
                     LauncherTestCase, click, click_window, config_window, control,
                     focused_control, keys, scroll_arrow, wait_for_window, wait_until,
                     windows_titled, xdotool)

WS_MINIMIZEBOX = 0x20000
WS_MAXIMIZEBOX = 0x10000
WS_THICKFRAME = 0x40000
WS_EX_APPWINDOW = 0x40000


def with_settings(**changes):
    values = dict(SAMPLE_SETTINGS)
    for (section, key) in list(values):
        if key in changes:
            values[(section, key)] = str(changes[key])
    return values


class LoadingTest(LauncherTestCase):
    def test_window_shows_the_files_values_with_focus_on_save(self):
        folder = self.make_folder(settings=with_settings(GLHR=2, WALK_SPEED2=1, VOLUMEWAV=0))
        window = self.open_config_window(folder)
        expected = {
            "txtwidth": ("text", "800"), "txtheight": ("text", "600"),
            "Option1(1)": ("check", "1"), "Option1(0)": ("check", "0"),
            "Option3(0)": ("check", "1"), "Option3(1)": ("check", "0"),
            "Check1": ("check", "0"), "Check2": ("check", "1"), "Check3": ("check", "2"),
            "Check4": ("check", "0"),
            "HScroll1": ("pos", "100"), "HScroll2": ("pos", "0"), "HScroll3": ("pos", "30"),
            "HScroll4": ("pos", "1"), "HScroll5": ("pos", "60"),
            # Every value label shows its bar's value, the design values 0
            # and 1 included.
            "Label7": ("text", "100"), "Label8": ("text", "0"), "Label9": ("text", "30"),
            "Label11": ("text", "1"), "Label15": ("text", "60"),
            "Frame1": ("text", "系统设置"), "Command1": ("text", "保存配置"),
        }
        for name, (field, value) in expected.items():
            with self.subTest(control=name):
                self.assertEqual(control(window, name).get(field), value)
        self.assertEqual(focused_control(window), "Command1")
        self.assertEqual(window["client"], "705,288")
        style = int(window["style"], 16)
        self.assertFalse(style & (WS_MINIMIZEBOX | WS_MAXIMIZEBOX | WS_THICKFRAME))
        self.assertTrue(int(window["exstyle"], 16) & WS_EX_APPWINDOW)
        x, y, w, h = window.rect
        self.assertLessEqual(abs((x + w / 2) - 512), 1)
        self.assertLessEqual(abs((y + h / 2) - 384), 1)

    def check_report(self, folder, expected_lines):
        folder.start()
        report = wait_for_window("lurn_config", DIALOG_CLASS)
        texts = "\n".join(w.text for w in report.descendants())
        for line in expected_lines:
            self.assertIn(line, texts)
        self.assertIsNone(config_window(), "the settings window must not be shown")
        click_window(report.find(cls="Button"))
        self.assertEqual(folder.exit_code(), 1)
        self.assertIsNone(config_window())

    def test_missing_settings_file_is_reported_and_ends_with_1(self):
        folder = self.make_folder(settings=None)
        self.check_report(folder, ["Error -2147221503 (0x80040001)",
                                   "INI Section set Key simple Not found"])
        self.assertFalse(os.path.exists(folder.ini), "nothing may be written")

    def test_refused_value_names_the_line_of_the_file(self):
        folder = self.make_folder(settings=with_settings(VOLUME=200))
        self.check_report(folder, ["Error 380 (0x0000017C)", "[Music] VOLUME=200"])


class EditingTest(LauncherTestCase):
    def test_arrow_clicks_move_a_bar_and_save_writes_it(self):
        folder = self.make_folder()
        window = self.open_config_window(folder)
        bar = control(window, "HScroll3")
        for _ in range(7):
            click(*scroll_arrow(bar))
        click(*scroll_arrow(bar, right=False))
        click(*scroll_arrow(bar))
        window = config_window()
        self.assertEqual(control(window, "HScroll3")["pos"], "37")
        self.assertEqual(control(window, "Label9").text, "37")
        click_window(control(window, "Command1"))
        box = wait_for_window("Lurn_config", DIALOG_CLASS)
        self.assertIn("done", [w.text for w in box.descendants()])
        self.assertEqual(folder.settings()[("set", "WALK_SPEED1")], "37")
        self.assertEqual(folder.settings()[("system", "RESOLUTIONX")], "800")
        click_window(box.find(cls="Button"))
        self.assertTrue(wait_until(lambda: not windows_titled("Lurn_config"), 5))
        self.assertTrue(folder.running(), "saving leaves the window open")

    def test_aspect_lock(self):
        folder = self.make_folder(settings=with_settings(RESOLUTIONX=1024, RESOLUTIONY=480))
        window = self.open_config_window(folder)
        click_window(control(window, "Check1"))
        window = config_window()
        self.assertEqual(control(window, "Check1")["check"], "1")
        self.assertEqual(control(window, "txtheight").text, "768")
        self.assertEqual(control(window, "txtheight")["enabled"], "0")

        click_window(control(window, "txtwidth"))
        keys("End", "BackSpace", "BackSpace", "BackSpace", "BackSpace")
        keys("8", "0")
        xdotool("keydown", "1")
        time.sleep(0.3)
        window = config_window()
        self.assertEqual(control(window, "txtwidth").text, "801")
        self.assertNotEqual(control(window, "txtheight").text, "600",
                            "the height follows at the key release, not before")
        xdotool("keyup", "1")
        time.sleep(0.3)
        self.assertEqual(control(config_window(), "txtheight").text, "600")

        # An arrow key changes no text but its release re-derives the height:
        # with "1" still held the width reads 8011 and the height is stale.
        xdotool("keydown", "1")
        xdotool("key", "Left")
        time.sleep(0.3)
        self.assertEqual(control(config_window(), "txtheight").text, "6008")
        xdotool("keyup", "1")
        keys("End", "BackSpace")
        self.assertEqual(control(config_window(), "txtheight").text, "600")

        click_window(control(config_window(), "Check1"))
        window = config_window()
        self.assertEqual(control(window, "txtheight")["enabled"], "1")
        self.assertEqual(control(window, "txtheight").text, "600", "unticking keeps the height")
        click_window(control(window, "txtwidth"))
        keys("End", "BackSpace", "BackSpace", "BackSpace", "1", "2", "8", "0")
        self.assertEqual(control(config_window(), "txtheight").text, "600",
                         "without the lock typing leaves the height alone")

    def test_check_boxes_and_option_pairs(self):
        folder = self.make_folder(settings=with_settings(GLHR=2))
        window = self.open_config_window(folder)
        click_window(control(window, "Check3"))  # greyed -> checked
        click_window(control(window, "Check2"))  # checked -> clear
        click_window(control(window, "Option3(1)"))
        window = config_window()
        self.assertEqual(control(window, "Check3")["check"], "1")
        self.assertEqual(control(window, "Check2")["check"], "0")
        self.assertEqual(control(window, "Option3(1)")["check"], "1")
        self.assertEqual(control(window, "Option3(0)")["check"], "0")
        self.assertEqual(control(window, "Option1(1)")["check"], "1", "the pairs are independent")
        # Keyboard: Space on the focused check box, arrows within the pair.
        keys("Left")
        window = config_window()
        self.assertEqual(control(window, "Option3(0)")["check"], "1")
        self.assertEqual(focused_control(window), "Option3(0)")
        click_window(control(window, "Check4"))
        keys("space")
        self.assertEqual(control(config_window(), "Check4")["check"], "0")
        click_window(control(config_window(), "Command1"))
        self.dismiss_message("Lurn_config", "done")
        saved = folder.settings()
        self.assertEqual((saved[("system", "GLHR")], saved[("system", "SMOOTH")],
                          saved[("video", "FULLSCREEN")], saved[("Music", "SOUND3D")]),
                         ("1", "0", "0", "0"))

    def test_scroll_bar_keys(self):
        folder = self.make_folder()
        window = self.open_config_window(folder)
        bar = control(window, "HScroll1")
        click(*scroll_arrow(bar, right=False))  # 99, and the bar has the focus
        keys("Right", "Right")
        self.assertEqual(control(config_window(), "HScroll1")["pos"], "101")
        keys("End")
        self.assertEqual(control(config_window(), "Label7").text, "127")
        keys("Home")
        self.assertEqual(control(config_window(), "Label7").text, "0")

    def test_scroll_bar_mouse_on_track_and_thumb(self):
        folder = self.make_folder()
        window = self.open_config_window(folder)
        bar = control(window, "HScroll2")  # 0 to 127, at 90
        x, y, w, h = bar.rect
        click(x + h + 3, y + h // 2)  # the track left of the thumb
        self.assertEqual(control(config_window(), "HScroll2")["pos"], "89")
        self.assertEqual(control(config_window(), "Label8").text, "89")
        # Drag the thumb to the track's right end: the value and its label
        # change only when the thumb is let go.
        track = w - 2 * h
        thumb = x + h + (track - h) * 89 // 127 + h // 2
        xdotool("mousemove", thumb, y + h // 2, "mousedown", "1")
        xdotool("mousemove", "--sync", x + w - h // 2 + 40, y + h // 2)
        time.sleep(0.3)
        self.assertEqual(control(config_window(), "Label8").text, "89")
        xdotool("mouseup", "1")
        time.sleep(0.3)
        window = config_window()
        self.assertEqual(control(window, "HScroll2")["pos"], "127")
        self.assertEqual(control(window, "Label8").text, "127")

    def test_tab_walks_by_tab_index_across_frames(self):
        folder = self.make_folder()
        self.open_config_window(folder)
        expected = ["Command2", "HScroll1", "HScroll2", "txtwidth", "txtheight", "Check1",
                    "Check2", "Check3", "HScroll3", "HScroll4", "HScroll5", "Option1(1)",
                    "Option3(0)", "Check4", "Command1"]
        walked = []
        for _ in expected:
            keys("Tab")
            walked.append(focused_control(config_window()))
        self.assertEqual(walked, expected)
        keys("shift+Tab")
        self.assertEqual(focused_control(config_window()), "Check4")
        keys("Tab", "space")  # Space presses the focused button
        self.dismiss_message("Lurn_config", "done")


class EndingTest(LauncherTestCase):
    def test_closing_without_saving_leaves_the_file_as_it_was(self):
        folder = self.make_folder()
        before = folder.settings_bytes()
        window = self.open_config_window(folder)
        click(*scroll_arrow(control(window, "HScroll1")))
        click_window(control(window, "Check1"))
        keys("alt+F4")
        self.assertEqual(folder.exit_code(), 0)
        self.assertEqual(folder.settings_bytes(), before)

    def test_run_game_without_the_game_warns_and_stays(self):
        folder = self.make_folder()
        window = self.open_config_window(folder)
        for _ in range(2):
            click(*scroll_arrow(control(config_window(), "HScroll5")))
            click_window(control(config_window(), "Command2"))
            self.dismiss_message("Warning", "file missed!")
        self.assertEqual(folder.settings()[("set", "BATTLE_SPEED")], "62")
        self.assertTrue(folder.running())
        self.assertIsNotNone(config_window())

    def test_run_game_starts_it_in_the_game_folder_and_ends(self):
        folder = self.make_folder(game=True)
        window = self.open_config_window(folder)
        self.addCleanup(lambda: subprocess.run([WINE, "taskkill", "/F", "/IM", "qeb_lurn.exe"],
                                               capture_output=True))
        click(*scroll_arrow(control(window, "HScroll2")))
        click_window(control(window, "Command2"))
        self.assertEqual(folder.exit_code(), 0)
        record = os.path.join(folder.path, "standin_launch.txt")
        self.assertTrue(wait_until(lambda: os.path.exists(record), 15), "the game did not start")
        time.sleep(0.3)
        with open(record, encoding="utf-8-sig") as f:
            lines = dict(l.rstrip("\r\n").split("=", 1) for l in f if "=" in l)
        self.assertEqual(lines["argc"], "0")
        self.assertEqual(lines["args"].strip(), "")
        cwd = lines["cwd"].rstrip("\\").lower()
        self.assertTrue(cwd.endswith(os.path.basename(folder.path).lower()), cwd)
        self.assertEqual(folder.settings()[("Music", "VOLUMEWAV")], "91")

    def test_a_save_that_fails_is_not_reported_as_done(self):
        folder = self.make_folder()
        window = self.open_config_window(folder)
        holder = subprocess.Popen([WINE, HOLD_FILE, "qebmod.ini", "20000"], cwd=folder.path,
                                  stdout=subprocess.PIPE, stdin=subprocess.DEVNULL,
                                  stderr=subprocess.DEVNULL)
        def release():
            holder.kill()
            holder.wait()
            holder.stdout.close()
        self.addCleanup(release)
        self.assertIn(b"held", holder.stdout.readline())
        click_window(control(window, "Command1"))
        self.dismiss_message("Warning", "save failed!")
        self.assertTrue(folder.running())


if __name__ == "__main__":
    unittest.main(verbosity=2)
