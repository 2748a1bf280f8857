"""bench_baseline.exe under Wine and Xvfb: its window and how it ends."""

import os
import sys
import time
import unittest

sys.path.insert(0, os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "inspector"))
import inspector_client as ic  # noqa: E402

ic.require_environment()

TITLE = "bench_baseline"
WS_CAPTION = 0x00C00000
WS_THICKFRAME = 0x00040000
WS_MAXIMIZEBOX = 0x00010000
WS_EX_APPWINDOW = 0x00040000


class BaselineRun(unittest.TestCase):
    def test_window_has_fixed_border_and_settings_window_size(self):
        process = ic.start(ic.BENCH_BASELINE)
        self.addCleanup(ic.stop, process)
        window = ic.wait_for_window(TITLE)
        style = int(window["style"], 16)
        self.assertEqual(style & (WS_CAPTION | WS_THICKFRAME | WS_MAXIMIZEBOX), WS_CAPTION)
        self.assertTrue(int(window["exstyle"], 16) & WS_EX_APPWINDOW)
        self.assertEqual(window["client"], "705,288")
        self.assertEqual(len(list(window.descendants())), 42)

        self.assertEqual(window["foreground"], "1")
        ic.close_foreground_window()
        self.assertEqual(process.wait(timeout=10), 0)

    def test_exit_when_shown_ends_by_itself(self):
        started = time.monotonic()
        process = ic.start(ic.BENCH_BASELINE, "--exit-when-shown")
        self.addCleanup(ic.stop, process)
        self.assertEqual(process.wait(timeout=15), 0)
        self.assertLess(time.monotonic() - started, 15)
        self.assertTrue(ic.wait_gone(TITLE, 2000))

    def test_exit_when_shown_prints_its_time_to_show(self):
        code, out, _ = ic.Run(ic.BENCH_BASELINE, "--exit-when-shown").outputs(timeout=30)
        lines = out.split()
        self.assertEqual(code, 0)
        values = dict(line.split("=", 1) for line in lines)
        self.assertEqual(set(values), {"shown_us", "peak_working_set_bytes"})
        self.assertTrue(0 < int(values["shown_us"]) < 10_000_000, values)
        self.assertGreater(int(values["peak_working_set_bytes"]), 0)

    def test_other_arguments_exit_2_without_a_window(self):
        for args in (["--exit-when-shown", "x"], ["--bogus"]):
            with self.subTest(args=args):
                process = ic.start(ic.BENCH_BASELINE, *args)
                self.addCleanup(ic.stop, process)
                self.assertEqual(process.wait(timeout=15), 2)
        self.assertEqual(ic.inspect("--title", TITLE)[0], 1)


if __name__ == "__main__":
    unittest.main()
