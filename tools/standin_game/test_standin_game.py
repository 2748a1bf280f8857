"""qeb_lurn.exe, the stand-in game, under Wine and Xvfb: the launch it
records beside itself and the settings it shows."""

import os
import shutil
import sys
import tempfile
import unittest

sys.path.insert(0, os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "inspector"))
import inspector_client as ic  # noqa: E402

ic.require_environment()

TITLE = "qeb_lurn (stand-in game)"
RECORD = "standin_launch.txt"


def dos_path(path):
    """The path as Wine's programs see a Unix path outside its drives."""
    return "Z:" + os.path.abspath(path).replace("/", "\\")


class StandinGameTestCase(unittest.TestCase):
    def make_game_folder(self, settings=None):
        folder = tempfile.mkdtemp(prefix="lurn-standin-")
        self.addCleanup(shutil.rmtree, folder, True)
        shutil.copy(ic.STANDIN_GAME, folder)
        if settings is not None:
            with open(os.path.join(folder, "qebmod.ini"), "wb") as f:
                f.write(settings)
        return folder

    def run_game(self, folder, args=(), cwd=None):
        """Starts the game, waits for its window, returns (process, window)."""
        process = ic.start(os.path.join(folder, "qeb_lurn.exe"), *args, cwd=cwd or folder)
        self.addCleanup(ic.stop, process)
        return process, ic.wait_for_window(TITLE)


class LaunchRecord(StandinGameTestCase):
    def test_records_working_directory_and_arguments(self):
        cases = [
            # arguments as given to Wine, as they reach the command line, count
            ([], "", 0),
            (["-x"], "-x", 1),
            (["a  b", "中文", "c"], '"a  b" 中文 c', 3),
        ]
        for args, passed, count in cases:
            with self.subTest(args=args):
                folder = self.make_game_folder()
                elsewhere = tempfile.mkdtemp(prefix="lurn-cwd-")
                self.addCleanup(shutil.rmtree, elsewhere, True)
                process, _ = self.run_game(folder, args, cwd=elsewhere)
                with open(os.path.join(folder, RECORD), "rb") as f:
                    record = f.read()
                self.assertEqual(record.decode("utf-8"),
                                 f"cwd={dos_path(elsewhere)}\r\nargs={passed}\r\nargc={count}\r\n")
                ic.stop(process)
                ic.wait_gone(TITLE)

    def test_the_window_names_the_record_and_closing_it_exits_0(self):
        folder = self.make_game_folder()
        process, window = self.run_game(folder, ["--fullscreen"])
        texts = [w["text"] for w in window.descendants()]
        self.assertIn("launch recorded in " + dos_path(os.path.join(folder, RECORD)), texts)
        self.assertIn("working directory: " + dos_path(folder), texts)
        command = next(t for t in texts if t.startswith("command line: "))
        self.assertTrue(command.endswith(" --fullscreen"), command)
        self.assertEqual(window["foreground"], "1")
        ic.close_foreground_window()
        self.assertEqual(process.wait(timeout=10), 0)


class Settings(StandinGameTestCase):
    def test_shows_the_twelve_settings_and_the_missing_ones(self):
        ini = (b"[set]\r\nsimple=1\r\nWALK_SPEED1=30\r\nBATTLE_SPEED=60\r\n"
               b"[video]\r\nFULLSCREEN=0\r\n"
               b"[system]\r\nSMOOTH=1\r\nRESOLUTIONX=800\r\nRESOLUTIONY=600\r\n"
               b"[Music]\r\nVOLUME=127\r\nVOLUMEWAV=0\r\nSOUND3D=1\r\n")
        cases = [
            ("all but two", ini, ["1", "0", "1", "missing", "800", "600", "127", "0", "1", "30",
                                  "missing", "60"]),
            ("no file", None, ["missing"] * 12),
        ]
        keys = ["set/simple", "video/FULLSCREEN", "system/SMOOTH", "system/GLHR",
                "system/RESOLUTIONX", "system/RESOLUTIONY", "Music/VOLUME", "Music/VOLUMEWAV",
                "Music/SOUND3D", "set/WALK_SPEED1", "set/WALK_SPEED2", "set/BATTLE_SPEED"]
        for name, settings, values in cases:
            with self.subTest(name):
                folder = self.make_game_folder(settings)
                process, window = self.run_game(folder)
                shown = next(w["text"] for w in window.descendants()
                             if w["text"].startswith("set/simple = "))
                self.assertEqual(shown.split("\r\n"),
                                 [f"{k} = {v}" for k, v in zip(keys, values)])
                ic.stop(process)
                ic.wait_gone(TITLE)


if __name__ == "__main__":
    unittest.main()
