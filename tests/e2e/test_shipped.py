# The shipped 32-bit program where only a user-mode emulator runs it (the
# other suites then run the 64-bit build): it opens with the file's values,
# reports a refused value, saves and starts the game. Its exceptions unwind
# differently from the 64-bit build's, its callbacks are stdcall and its
# pointers 32 bits wide. The observers (inspector, stand-in game) are the
# 64-bit ones: they answer in a moment where a 32-bit one would take many
# seconds. Emulated, the program needs about a minute to open, so the
# checks are of order and outcome, never of time, and the two launches run
# side by side.

import unittest

from harness import (DIALOG_CLASS, FORM_CLASS, SAMPLE, SAMPLE_SHOWN, TITLE, GameFolder,
                     LauncherTestCase, click, click_on, config_window, focused, read_settings,
                     states, wait_for_window, wait_until, windows_titled)

WAIT = 400.0  # seconds for anything the emulated program does


class ShippedProgram(LauncherTestCase):
    game = True

    @classmethod
    def start(cls):
        cls.refused = GameFolder({**SAMPLE, ("set", "simple"): "2"})
        cls.addClassCleanup(cls.refused.close)
        cls.refused.start()
        cls.folder.start()
        wait_for_window(TITLE, FORM_CLASS, WAIT)

    def test_1_opens_with_the_files_values_and_focus_on_save(self):
        window = config_window()
        self.assertEqual(states(window, SAMPLE_SHOWN), SAMPLE_SHOWN)
        self.assertEqual(focused(window).text, "保存配置")

    # The refused value is raised in the splash's timer tick, inside the
    # window procedure, and must reach the top-level report, not end the
    # process in a crash.
    def test_2_a_refused_value_ends_in_the_error_report_and_exit_code_1(self):
        wait_until(lambda: windows_titled(TITLE, DIALOG_CLASS) or not self.refused.running(),
                   WAIT, interval=1.0)
        self.assertIsNone(self.refused.process.poll(), "the program ended before any report")
        report = windows_titled(TITLE, DIALOG_CLASS)[0]
        texts = "\n".join(w.text for w in report.descendants())
        self.assertIn("Error 380 (0x0000017C)", texts)
        click(*report.find(cls="Button").centre)
        self.assertEqual(self.refused.exit_code(WAIT), 1)

    def test_3_save_writes_the_file_and_says_done(self):
        click_on("使用3D音响效果")
        click_on("保存配置")
        self.dismiss_message("Lurn_config", "done", WAIT)
        self.assertEqual(read_settings(self.folder.ini), {**SAMPLE, ("Music", "SOUND3D"): "1"})

    def test_4_run_game_saves_and_starts_it_in_the_game_folder(self):
        click_on("全屏模式")
        click_on("运行游戏")
        self.assertEqual(self.folder.game_start(WAIT),
                         {"cwd": self.folder.windows_path(), "args": "", "argc": "0"})
        self.assertEqual(read_settings(self.folder.ini)[("video", "FULLSCREEN")], "1")
        self.assertEqual(self.folder.exit_code(WAIT), 0)

if __name__ == "__main__":
    unittest.main(verbosity=2)
