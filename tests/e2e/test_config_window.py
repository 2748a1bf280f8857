# The settings window as a player uses it: the real program, real mouse and
# keyboard input.

import os
import time
import unittest

from harness import (SAMPLE, LauncherTestCase, arrow, click, click_on, config_window, focused,
                     keys, named, read_settings, shown, xdotool)

# The controls that take the focus, in tab order; an option pair takes it on
# its selected member.
TAB_CYCLE = ["保存配置", "运行游戏", "音乐音量 bar", "音效音量 bar", "width", "height", "自动调整",
             "画面拉伸时平滑显示", "显示画面时采用硬件加速", "大地图行走速度 bar", "内场景行走速度 bar",
             "战斗速度 bar", "简体模式", "窗口模式", "使用3D音响效果"]


def text(name):
    return shown(name).text


def has_focus(name):
    window = config_window()
    return named(window, name).rect == getattr(focused(window), "rect", None)


class Session(LauncherTestCase):
    def test_1_arrows_track_and_thumb_move_a_bar_and_its_label(self):
        bar = shown("大地图行走速度 bar")  # 1 to 100, at 30
        for right in [True] * 7 + [False]:
            click(*arrow(bar, right))
        self.assertSettles(lambda: text("大地图行走速度 value"), "36")
        click(*arrow(bar))
        self.assertSettles(lambda: (shown("大地图行走速度 bar")["pos"], text("大地图行走速度 value")),
                           ("37", "37"))
        x, y, w, h = shown("音效音量 bar").rect  # 0 to 127, at 0
        click(x + w - h - 3, y + h // 2)  # the track right of the thumb
        self.assertSettles(lambda: text("音效音量 value"), "1")
        # Drag the thumb past the track's right end: value and label change
        # only when the thumb is let go. (Wine's bar takes up the drag at a
        # first short move.)
        xdotool("mousemove", x + h + h // 2, y + h // 2, "mousedown", "1")
        xdotool("mousemove", "--sync", x + h * 3, y + h // 2)
        time.sleep(0.2)
        xdotool("mousemove", "--sync", x + w - h // 2 + 40, y + h // 2)
        time.sleep(0.3)
        self.assertEqual(text("音效音量 value"), "1")
        xdotool("mouseup", "1")
        self.assertSettles(lambda: (shown("音效音量 bar")["pos"], text("音效音量 value")),
                           ("127", "127"))
        click(x + h + 3, y + h // 2)  # the track left of the thumb
        self.assertSettles(lambda: text("音效音量 value"), "126")

    def test_2_keys_move_a_bar_and_stop_at_its_ends(self):
        click(*arrow(shown("音乐音量 bar"), right=False))  # 0 to 127, at 100: 99 and the focus
        self.assertSettles(lambda: text("音乐音量 value"), "99")
        keys("Right", "Right")
        self.assertSettles(lambda: text("音乐音量 value"), "101")
        # At an end a further key changes nothing: the next key shows that
        # it was handled.
        for key, value in (("End", "127"), ("Right", "127"), ("Left", "126"), ("Home", "0"),
                           ("Left", "0"), ("Right", "1"), ("Left", "0")):
            keys(key)
            self.assertSettles(lambda: (shown("音乐音量 bar")["pos"], text("音乐音量 value")),
                               (value, value), key)

    def test_3_check_boxes_and_option_pairs(self):
        click_on("显示画面时采用硬件加速")  # greyed -> checked
        click_on("画面拉伸时平滑显示")  # checked -> clear
        click_on("全屏模式")
        self.assertSettles(lambda: [shown(name)["check"] for name in (
            "显示画面时采用硬件加速", "画面拉伸时平滑显示", "全屏模式", "窗口模式", "简体模式")],
            ["1", "0", "1", "0", "1"])
        keys("Left")  # arrows move within the pair
        self.assertSettles(lambda: (shown("窗口模式")["check"], has_focus("窗口模式")), ("1", True))
        click_on("使用3D音响效果")
        self.assertSettles(lambda: shown("使用3D音响效果")["check"], "1")
        keys("space")
        self.assertSettles(lambda: shown("使用3D音响效果")["check"], "0")

    def test_4_tab_walks_by_tab_index_across_frames(self):
        start = next(i for i, name in enumerate(TAB_CYCLE) if has_focus(name))
        expected = TAB_CYCLE[start + 1:] + TAB_CYCLE[:start + 1]
        for name in expected:
            keys("Tab")
            self.assertSettles(lambda: has_focus(name), True, name)
        keys("shift+Tab")
        self.assertSettles(lambda: has_focus(expected[-2]), True)

    def test_5_aspect_lock_derives_the_height_at_each_key_release(self):
        click_on("width")
        keys("End", "BackSpace", "BackSpace", "BackSpace", "1", "0", "2", "4")
        self.assertSettles(lambda: text("width"), "1024")
        self.assertEqual(text("height"), "600", "without the lock typing leaves the height")
        click_on("自动调整")
        self.assertSettles(lambda: (text("height"), shown("height")["enabled"]), ("768", "0"))
        click_on("width")
        keys("End", "BackSpace", "BackSpace", "BackSpace", "BackSpace", "8", "0")
        self.assertSettles(lambda: text("height"), "60")
        xdotool("keydown", "1")
        self.assertSettles(lambda: text("width"), "801")
        self.assertEqual(text("height"), "60", "the height follows at the key release")
        xdotool("keyup", "1")
        self.assertSettles(lambda: text("height"), "600")
        # An arrow key changes no text but its release derives the height:
        # with "1" still held the width reads 8011 and the height is stale.
        xdotool("keydown", "1")
        xdotool("key", "Left")
        self.assertSettles(lambda: text("height"), "6008")
        xdotool("keyup", "1")
        keys("End", "BackSpace")
        self.assertSettles(lambda: text("height"), "600")
        click_on("自动调整")
        self.assertSettles(lambda: (text("height"), shown("height")["enabled"]), ("600", "1"),
                           "unticking keeps the height")

    def test_6_an_emptied_height_is_refused_and_enter_on_save_saves(self):
        keys("Return", "Escape", "space")  # on the check box: only the space ticks it
        self.assertSettles(lambda: shown("自动调整")["check"], "1")
        keys("space")
        self.assertSettles(lambda: shown("自动调整")["check"], "0")
        click_on("height")
        keys("End", "BackSpace", "BackSpace", "BackSpace")
        click_on("保存配置")
        self.dismiss_message("Warning", "height missed!")
        self.assertEqual(read_settings(self.folder.ini), SAMPLE)
        # The focus is on the height: type it again, then go to the save button.
        keys("6", "0", "0", *["shift+Tab"] * 5, "Return")
        self.dismiss_message("Lurn_config", "done")
        self.assertEqual(read_settings(self.folder.ini), {
            ("set", "simple"): "1", ("video", "FULLSCREEN"): "0", ("system", "SMOOTH"): "0",
            ("system", "GLHR"): "1", ("system", "RESOLUTIONX"): "801",
            ("system", "RESOLUTIONY"): "600", ("Music", "VOLUME"): "0",
            ("Music", "VOLUMEWAV"): "126", ("Music", "SOUND3D"): "0",
            ("set", "WALK_SPEED1"): "37", ("set", "WALK_SPEED2"): "1",
            ("set", "BATTLE_SPEED"): "60"})
        self.assertTrue(self.folder.running(), "saving leaves the window open")

    def test_7_run_game_without_the_game_saves_warns_and_stays(self):
        for speed in ("61", "62", "63"):
            if speed == "63":  # a folder of the game's name is no game either
                os.mkdir(os.path.join(self.folder.path, "qeb_lurn.exe"))
            click(*arrow(shown("战斗速度 bar")))
            click_on("运行游戏")
            self.dismiss_message("Warning", "file missed!")
            self.assertEqual(read_settings(self.folder.ini)[("set", "BATTLE_SPEED")], speed)
        self.assertTrue(self.folder.running())

    def test_8_closing_ends_without_saving(self):
        with open(self.folder.ini, "rb") as f:
            before = f.read()
        click(*arrow(shown("音乐音量 bar")))
        click_on("自动调整")
        keys("alt+F4")
        self.assertEqual(self.folder.exit_code(), 0)
        with open(self.folder.ini, "rb") as f:
            self.assertEqual(f.read(), before)


if __name__ == "__main__":
    unittest.main(verbosity=2)
