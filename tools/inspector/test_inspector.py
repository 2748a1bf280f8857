"""lurn_inspect.exe under Wine and Xvfb, observing bench_baseline.exe and the
stand-in game: the tree it prints, its fields, its filters and its waits."""

import collections
import os
import shutil
import tempfile
import time
import unittest

import inspector_client as ic

ic.require_environment()

BASELINE = "bench_baseline"
STANDIN = "qeb_lurn (stand-in game)"
BS_TYPEMASK = 0xF
WS_EX_CLIENTEDGE = 0x200
FRAME_ETCHED = 0x1


class BaselineTree(unittest.TestCase):
    """One bench_baseline window, read as a tree."""

    @classmethod
    def setUpClass(cls):
        cls.process = ic.start(ic.BENCH_BASELINE)
        cls.addClassCleanup(ic.wait_gone, BASELINE)
        cls.addClassCleanup(ic.stop, cls.process)
        cls.window = ic.wait_for_window(BASELINE)

    def test_lists_the_window_and_all_42_descendants_by_class(self):
        classes = collections.Counter(w["class"] for w in self.window.descendants())
        self.assertEqual(classes, {"bench_baseline_frame": 7, "Static": 18, "Edit": 2,
                                   "Button": 10, "ScrollBar": 5})
        self.assertEqual(self.window["class"], BASELINE)
        self.assertEqual(self.window["text"], BASELINE)

    def test_nesting_follows_the_parent_windows(self):
        depths = collections.Counter(w.depth for w in self.window.descendants())
        # Three frames, two buttons and the picture in the window; 30 controls
        # in the frames; two inner frames with a container each, holding two
        # radio buttons.
        self.assertEqual(depths, {1: 6, 2: 30, 3: 2, 4: 4})

        def check_inside(parent):
            px, py, pw, ph = parent.rect
            for child in parent.children:
                x, y, w, h = child.rect
                self.assertTrue(px <= x and py <= y and x + w <= px + pw and y + h <= py + ph,
                                f"{child.fields} outside {parent.fields}")
                check_inside(child)

        check_inside(self.window)
        for radio in (self.window.by_id(i) for i in (114, 115, 118, 119)):
            container = next(w for w in self.window.descendants() if radio in w.children)
            self.assertEqual(int(container["style"], 16) & FRAME_ETCHED, 0)

    def test_fields_come_in_the_documented_order(self):
        self.assertEqual(self.window.keys, ic.COMMON_FIELDS + ic.TOP_LEVEL_FIELDS)
        extra = {"Button": ic.BUTTON_FIELDS, "ScrollBar": ic.SCROLLBAR_FIELDS}
        for w in self.window.descendants():
            self.assertEqual(w.keys, ic.COMMON_FIELDS + extra.get(w["class"], []), w.fields)

    def test_sizes_styles_and_flags(self):
        self.assertEqual(self.window["client"], "705,288")
        self.assertEqual(self.window["owner"], "0x0")
        self.assertIn(self.window["icon_big"], ("0", "1", "unknown"))
        edit = self.window.by_id(124)
        self.assertEqual((edit["class"], edit["text"]), ("Edit", "800"))
        self.assertTrue(int(edit["exstyle"], 16) & WS_EX_CLIENTEDGE)
        x, y, w, h = edit.rect
        self.assertEqual((w, h), (41, 18))
        # The client edge takes two pixels on each side.
        self.assertEqual(edit["client"], "37,14")
        for w in self.window.descendants():
            self.assertEqual((w["visible"], w["enabled"]), ("1", "1"), w.fields)
            self.assertRegex(w["hwnd"], r"^0x[0-9A-F]+$")

    def test_button_and_scroll_bar_state(self):
        cases = [
            # id, check, button type
            (114, "1", 4), (115, "0", 4), (118, "1", 4), (119, "0", 4),
            (111, "0", 5), (120, "0", 5), (121, "1", 5), (122, "1", 5),
            (139, "0", 0), (140, "0", 0),
        ]
        for control_id, check, button_type in cases:
            with self.subTest(id=control_id):
                button = self.window.by_id(control_id)
                self.assertEqual(button["check"], check)
                self.assertEqual(int(button["button_type"]), button_type)
                self.assertEqual(int(button["style"], 16) & BS_TYPEMASK, button_type)
        scroll_bars = [(101, 60, 1, 100), (102, 40, 1, 100), (103, 30, 1, 100),
                       (133, 90, 0, 127), (134, 100, 0, 127)]
        for control_id, pos, low, high in scroll_bars:
            with self.subTest(id=control_id):
                bar = self.window.by_id(control_id)
                self.assertEqual((int(bar["pos"]), int(bar["min"]), int(bar["max"])),
                                 (pos, low, high))

    def test_focus_moves_to_the_clicked_edit_box(self):
        ic.click(self.window.by_id(123))

        def focused():
            _, roots, _ = ic.inspect("--title", BASELINE)
            return [w["id"] for w in roots[0].descendants() if w["focus"] == "1"]

        ic.wait_until(lambda: focused() == ["123"])
        self.assertEqual(focused(), ["123"])

    def test_filters(self):
        cases = [
            (["--title", BASELINE], 0, 1),
            (["--class", BASELINE], 0, 1),
            (["--title", "no such window", "--title", BASELINE], 0, 1),
            (["--title", "bench_baselin"], 1, 0),
            (["--title", "no such window"], 1, 0),
            (["--all"], 0, 1),
        ]
        for args, code, listed in cases:
            with self.subTest(args=args):
                result, roots, _ = ic.inspect(*args)
                self.assertEqual(result, code)
                self.assertEqual(sum(r["text"] == BASELINE for r in roots), listed)
                if args != ["--all"]:
                    self.assertEqual(len(roots), listed)

    def test_all_leaves_out_the_desktop_process(self):
        _, roots, _ = ic.inspect("--all")
        self.assertNotIn("Shell_TrayWnd", [r["class"] for r in roots])
        self.assertTrue(all(r["visible"] == "1" for r in roots))


class WrongCommandLines(unittest.TestCase):
    def test_exit_code_2_and_the_usage(self):
        cases = [[], ["--bogus", "x"], ["--all", "--title"], ["--all", "--timeout", "soon"],
                 ["--wait-title", "a", "--all"], ["--wait-title", "a", "--wait-gone", "b"]]
        for args in cases:
            with self.subTest(args=args):
                code, roots, error = ic.inspect(*args)
                self.assertEqual(code, 2)
                self.assertEqual(roots, [])
                self.assertIn("usage: lurn_inspect", error)


class Waiting(unittest.TestCase):
    def test_wait_title_returns_when_the_window_appears(self):
        waiter = ic.Inspector("--wait-title", BASELINE, "--timeout", "20000")
        time.sleep(0.5)
        process = ic.start(ic.BENCH_BASELINE)
        self.addCleanup(ic.stop, process)
        code, roots, _ = waiter.result()
        self.assertEqual(code, 0)
        self.assertEqual([r["text"] for r in roots], [BASELINE])

        gone = ic.Inspector("--wait-gone", BASELINE, "--timeout", "20000")
        time.sleep(0.5)
        self.assertTrue(gone.running(), "--wait-gone returned while the window was there")
        ic.stop(process)
        self.assertEqual(gone.result()[:2], (0, []))

    def test_timeouts(self):
        process = ic.start(ic.BENCH_BASELINE)
        self.addCleanup(ic.stop, process)
        ic.wait_for_window(BASELINE)
        for mode, title in (("--wait-title", "no such window"), ("--wait-gone", BASELINE)):
            with self.subTest(mode=mode):
                started = time.monotonic()
                code, roots, _ = ic.inspect(mode, title, "--timeout", "700")
                self.assertEqual((code, roots), (1, []))
                self.assertGreaterEqual(time.monotonic() - started, 0.7)


class TextEscaping(unittest.TestCase):
    """The stand-in game shows its command line and a multi-line label."""

    def test_tabs_line_breaks_and_backslashes_come_back_exactly(self):
        folder = tempfile.mkdtemp(prefix="lurn-inspect-")
        self.addCleanup(shutil.rmtree, folder, True)
        shutil.copy(ic.STANDIN_GAME, folder)
        process = ic.start(os.path.join(folder, "qeb_lurn.exe"), "tab\there", "back\\slash",
                           cwd=folder)
        self.addCleanup(ic.stop, process)
        window = ic.wait_for_window(STANDIN)
        texts = [w["text"] for w in window.descendants()]
        command = next(t for t in texts if t.startswith("command line: "))
        self.assertTrue(command.endswith(' "tab\there" back\\slash'), repr(command))
        settings = next(t for t in texts if t.startswith("set/simple = "))
        self.assertEqual(len(settings.split("\r\n")), 12)


if __name__ == "__main__":
    unittest.main()
