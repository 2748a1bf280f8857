# Start-up as the player sees it: the splash, the hand-over to the settings
# window, the settings window as it opens, and a start without settings.

import os
import shutil
import time
import unittest

from harness import (DIALOG_CLASS, FORM_CLASS, Inspector, LauncherTestCase, SAMPLE_SHOWN,
                     STANDIN_GAME, TITLE, arrow, click, config_window, focused, keys, named,
                     read_settings, screen_pixels, shown, states, wait_for_window, wait_until,
                     windows_titled, xdotool)

WS_POPUP, WS_CAPTION, WS_SYSMENU, WS_THICKFRAME = 0x80000000, 0xC00000, 0x80000, 0x40000
WS_MINIMIZEBOX, WS_MAXIMIZEBOX, WS_EX_TOOLWINDOW, WS_EX_APPWINDOW = 0x20000, 0x10000, 0x80, 0x40000


# An inspector already waiting for the title, so that it sees the window
# (or closes it, with "--close") within a poll, without a Wine start-up.
def watch(title, mode="--wait-title"):
    return Inspector(mode, title, "--timeout", "30000")


class StartUp(LauncherTestCase):
    @classmethod
    def start(cls):
        # Game folders are often writable: a comctl32.dll planted there must
        # not be the one loaded. Any PE file of ours serves as the plant.
        shutil.copy(STANDIN_GAME, os.path.join(cls.folder.path, "comctl32.dll"))
        splash_watch, window_watch = watch("Form1"), watch(TITLE)
        splash_ping = watch("Form1", "--ping")
        cls.folder.start()
        cls.splash = splash_watch.result(40)[1][0]
        # A click or a key on the splash does nothing: only its timer ends it.
        click(*cls.splash.centre)
        xdotool("key", "Return")
        cls.clicked = windows_titled("Form1", FORM_CLASS)
        cls.seen = window_watch.result(40)[1][0]
        cls.pinged = splash_ping.result(40)[1][0]
        cls.window = config_window()

    def test_splash_is_a_borderless_centred_picture_without_taskbar_button_or_focus(self):
        style, exstyle = int(self.splash["style"], 16), int(self.splash["exstyle"], 16)
        self.assertEqual(style & (WS_POPUP | WS_CAPTION | WS_SYSMENU | WS_THICKFRAME), WS_POPUP)
        self.assertEqual(exstyle & (WS_EX_TOOLWINDOW | WS_EX_APPWINDOW), WS_EX_TOOLWINDOW)
        self.assertEqual(self.splash.rect, ((1024 - 359) // 2, (768 - 83) // 2, 359, 83))
        # It takes no focus, clicked or not: a screen reader meets the
        # settings window first.
        self.assertNotIn("1", [w["foreground"] for w in [self.splash, *self.clicked]])
        self.assertEqual(self.window["foreground"], "1")

    def test_settings_window_follows_a_second_later_and_the_splash_goes(self):
        # The ages of the program on one clock: the timer is set after the
        # process was made, so the settings window comes no sooner than a
        # second from then. The splash answers between the messages it
        # handles, until its timer's: that is about a second after it was
        # seen, however long the settings window then takes to load.
        window, splash = int(self.seen["age"]), int(self.pinged["age"])
        waited = int(self.pinged["answered"]) - splash
        self.assertGreaterEqual(window, 1000, "the settings window came before the second")
        self.assertTrue(500 < waited < 2000, f"the splash waited {waited} ms, not a second")
        self.assertSettles(lambda: windows_titled("Form1", FORM_CLASS), [])
        self.assertEqual(self.window["owner"], "0x0")
        time.sleep(1.2)
        self.assertEqual(len(windows_titled(TITLE, FORM_CLASS)), 1)

    def test_settings_window_is_fixed_and_has_a_taskbar_button(self):
        style, exstyle = int(self.window["style"], 16), int(self.window["exstyle"], 16)
        frame = WS_CAPTION | WS_SYSMENU | WS_THICKFRAME | WS_MINIMIZEBOX | WS_MAXIMIZEBOX
        self.assertEqual(style & frame, WS_CAPTION | WS_SYSMENU)
        self.assertTrue(exstyle & WS_EX_APPWINDOW)

    def test_title_bar_shows_the_windows_own_icon(self):
        x, y, width, _ = self.window.rect
        border = (width - int(self.window["client"].split(",")[0])) // 2

        # The caption's left end, where the small icon is drawn: the emblem's
        # crimson plate and golden wheel, colours no stock icon has.
        def icon_colours():
            pixels = screen_pixels(x + border, y + border, 24, 22)
            crimson = [p for p in pixels if p[0] > 90 and p[1] < 60 and p[2] < 70]
            gold = [p for p in pixels if p[0] > 200 and p[1] > 150 and p[2] < 150]
            return len(crimson), len(gold)

        wait_until(lambda: icon_colours()[0] > 50, timeout=3)
        crimson, gold = icon_colours()
        self.assertGreater(crimson, 50, "no crimson plate in the title bar")
        self.assertGreater(gold, 10, "no golden wheel in the title bar")

    def test_controls_come_from_common_controls_6_not_from_the_game_folder(self):
        library = self.window["comctl32"].lower()
        self.assertIn("\\winsxs\\", library)
        self.assertIn("microsoft.windows.common-controls_6595b64144ccf1df_6.0.", library)

    def test_window_shows_the_loaded_settings_with_focus_on_save(self):
        window = config_window()
        self.assertEqual(states(window, SAMPLE_SHOWN), SAMPLE_SHOWN)
        self.assertEqual(named(window, "height")["enabled"], "1")
        self.assertEqual(focused(window).text, "保存配置")


class ClosingTheSplash(LauncherTestCase):
    game = True

    @classmethod
    def start(cls):
        # The splash takes no keys: another program closes it, and the
        # inspector reads the program's windows once it has handled the
        # close, long before the timer's second.
        close = watch("Form1", "--close")
        cls.folder.start()
        cls.closed, cls.shown = close.result(40)

    def test_a_closing_the_splash_opens_the_settings_window_at_once(self):
        self.assertEqual(self.closed, 0, "the splash went before it could be closed")
        self.assertEqual([(w.text, w.cls) for w in self.shown], [(TITLE, FORM_CLASS)],
                         "the settings window must be shown once the close is handled")
        time.sleep(1.2)
        self.assertEqual(len(windows_titled(TITLE, FORM_CLASS)), 1,
                         "the timer must not open a second window")

    def test_b_run_game_saves_starts_it_in_the_game_folder_and_ends(self):
        click(*arrow(shown("音效音量 bar")))
        keys("shift+Tab", "shift+Tab", "Return")  # from the bar to the run button
        self.assertEqual(self.folder.exit_code(), 0)
        self.assertEqual(self.folder.game_start(),
                         {"cwd": self.folder.windows_path(), "args": "", "argc": "0"})
        self.assertEqual(read_settings(self.folder.ini)[("Music", "VOLUMEWAV")], "1")


class StartWithoutSettings(LauncherTestCase):
    settings = None

    @classmethod
    def start(cls):
        cls.folder.start()
        cls.report = wait_for_window(TITLE, DIALOG_CLASS)

    def test_the_error_is_reported_no_window_shown_and_the_process_ends_with_1(self):
        texts = "\n".join(w.text for w in self.report.descendants())
        self.assertIn("Error -2147221503 (0x80040001)", texts)
        self.assertIn("INI Section set Key simple Not found", texts)
        self.assertFalse(windows_titled("Form1", FORM_CLASS), "nothing stays behind the report")
        time.sleep(1.0)
        self.assertIsNone(config_window())
        click(*self.report.find(cls="Button").centre)
        self.assertEqual(self.folder.exit_code(), 1)
        self.assertFalse(os.path.exists(self.folder.ini), "nothing may be written")


if __name__ == "__main__":
    unittest.main(verbosity=2)
