# The shipped 32-bit program where only a user-mode emulator runs it (the
# other suites then run the 64-bit build): it opens with the file's values,
# saves, starts the game, and reports a refused value. Its exceptions unwind
# differently from the 64-bit build's, its callbacks are stdcall and its
# pointers 32 bits wide. The observers (inspector, stand-in game) are the
# 64-bit ones: they answer in a moment where a 32-bit one would take many
# seconds. Emulated, the program needs a minute or two to open, so the
# checks are of order and outcome, never of time, and the two launches run
# side by side.

from harness import (DIALOG_CLASS, FORM_CLASS, SAMPLE, SAMPLE_SHOWN, TITLE, GameFolder,
                     LauncherTestCase, arrow, click, click_on, config_window, focused,
                     read_settings, shown, states, wait_for_window, wait_until, windows_titled)

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
        # The other program's report takes the foreground when it comes: the
        # clicks begin once it is there (or that program has ended), on the
        # settings window's caption.
        wait_until(lambda: windows_titled(TITLE, DIALOG_CLASS) or not cls.refused.running(),
                   WAIT, interval=1.0)
        x, y, width, _ = config_window().rect
        click(x + width // 2, y + 10)
        # Emulated, the window may take a while to take the focus back.
        wait_until(lambda: focused(config_window()) is not None, WAIT, interval=1.0)

    def test_1_opens_with_the_files_values_and_focus_on_save(self):
        window = config_window()
        self.assertEqual(states(window, SAMPLE_SHOWN), SAMPLE_SHOWN)
        self.assertEqual(focused(window).text, "保存配置")

    # The other program's report may lie over the middle of the window:
    # the clicks are on controls below and right of it.
    def test_2_save_writes_the_file_and_says_done(self):
        click(*arrow(shown("音乐音量 bar")))
        click_on("保存配置")
        self.dismiss_message("Lurn_config", "done", WAIT)
        self.assertEqual(read_settings(self.folder.ini), {**SAMPLE, ("Music", "VOLUME"): "101"})

    def test_3_run_game_saves_and_starts_it_in_the_game_folder(self):
        click(*arrow(shown("音效音量 bar")))
        click_on("运行游戏")
        self.assertEqual(self.folder.game_start(WAIT)["cwd"], self.folder.windows_path())
        self.assertEqual(read_settings(self.folder.ini)[("Music", "VOLUMEWAV")], "1")
        self.assertEqual(self.folder.exit_code(WAIT), 0)
        self.folder.end_game()

    # The refused value is raised in the splash's timer tick, inside the
    # window procedure, and must reach the top-level report, not end the
    # process in a crash. Nothing covers the report any more.
    def test_4_a_refused_value_ends_in_the_error_report_and_exit_code_1(self):
        report = windows_titled(TITLE, DIALOG_CLASS)
        self.assertTrue(report, f"no report; the program ended with {self.refused.process.poll()}")
        self.assertIn("Error 380 (0x0000017C)", " ".join(w.text for w in report[0].descendants()))
        click(*report[0].find(cls="Button").centre)
        self.assertEqual(self.refused.exit_code(WAIT), 1)
