#include "config_window/config_window_definition.h"

#include "resources/resource_ids.h"

#include <array>

namespace lurn {

namespace {

// Captions are code-page-936 bytes; the characters they stand for follow
// each row. Option1 (0) is the one traditional caption (its second
// character lies outside GB2312 but inside GBK). The window's own order of
// creation is the collection order below; containers come before their
// contents. Label18, last, is never shown: it names the height box for a
// screen reader, where the "×" before the box would name it nothing.
// clang-format off
constexpr std::array<ControlDefinition, 43> kControls{{
    {ControlKind::Frame, "Frame2", kNoIndex, nullptr, "\xD3\xCE\xCF\xB7\xCB\xD9\xB6\xC8\xC9\xE8\xD6\xC3", {5040, 1680, 5295, 1335}, 20}, // 游戏速度设置
    {ControlKind::HScrollBar, "HScroll5", kNoIndex, "Frame2", nullptr, {2040, 960, 2655, 255}, 27, 1, 100, 1},
    {ControlKind::HScrollBar, "HScroll4", kNoIndex, "Frame2", nullptr, {2040, 600, 2655, 255}, 24, 1, 100, 1},
    {ControlKind::HScrollBar, "HScroll3", kNoIndex, "Frame2", nullptr, {2040, 240, 2655, 255}, 21, 1, 100, 1},
    {ControlKind::Label, "Label16", kNoIndex, "Frame2", "\xD5\xBD\xB6\xB7\xCB\xD9\xB6\xC8", {120, 960, 1815, 255}, 29}, // 战斗速度
    {ControlKind::Label, "Label15", kNoIndex, "Frame2", "Label8", {4800, 960, 375, 255}, 28},
    {ControlKind::Label, "Label12", kNoIndex, "Frame2", "\xC4\xDA\xB3\xA1\xBE\xB0\xD0\xD0\xD7\xDF\xCB\xD9\xB6\xC8", {120, 600, 1815, 255}, 26}, // 内场景行走速度
    {ControlKind::Label, "Label11", kNoIndex, "Frame2", "Label8", {4800, 600, 375, 255}, 25},
    {ControlKind::Label, "Label6", kNoIndex, "Frame2", "\xB4\xF3\xB5\xD8\xCD\xBC\xD0\xD0\xD7\xDF\xCB\xD9\xB6\xC8", {120, 240, 1815, 255}, 23}, // 大地图行走速度
    {ControlKind::Label, "Label9", kNoIndex, "Frame2", "Label8", {4800, 240, 375, 255}, 22},
    {ControlKind::Frame, "Frame1", kNoIndex, nullptr, "\xCF\xB5\xCD\xB3\xC9\xE8\xD6\xC3", {120, 240, 4815, 2895}, 9}, // 系统设置
    {ControlKind::CheckBox, "Check4", kNoIndex, "Frame1", "\xCA\xB9\xD3\xC3\x33\x44\xD2\xF4\xCF\xEC\xD0\xA7\xB9\xFB", {1680, 2520, 3015, 255}, 39}, // 使用3D音响效果
    {ControlKind::Frame, "Frame5", kNoIndex, "Frame1", nullptr, {1680, 720, 3015, 495}, 31},
    {ControlKind::PictureBox, "Picture2", kNoIndex, "Frame5", nullptr, {120, 150, 2775, 255}, 35},
    {ControlKind::OptionButton, "Option3", 0, "Picture2", "\xB4\xB0\xBF\xDA\xC4\xA3\xCA\xBD", {0, 0, 1335, 255}, 37}, // 窗口模式
    {ControlKind::OptionButton, "Option3", 1, "Picture2", "\xC8\xAB\xC6\xC1\xC4\xA3\xCA\xBD", {1440, 0, 1335, 255}, 36}, // 全屏模式
    {ControlKind::Frame, "Frame3", kNoIndex, "Frame1", nullptr, {1680, 120, 3015, 495}, 30},
    {ControlKind::PictureBox, "Picture1", kNoIndex, "Frame3", nullptr, {120, 150, 2805, 255}, 32},
    {ControlKind::OptionButton, "Option1", 1, "Picture1", "\xBC\xF2\xCC\xE5\xC4\xA3\xCA\xBD", {1440, 0, 1335, 255}, 34}, // 简体模式
    {ControlKind::OptionButton, "Option1", 0, "Picture1", "\xB7\xB1\xF3\x77\xC4\xA3\xCA\xBD", {0, 0, 1335, 255}, 33}, // 繁體模式
    {ControlKind::CheckBox, "Check3", kNoIndex, "Frame1", "\xCF\xD4\xCA\xBE\xBB\xAD\xC3\xE6\xCA\xB1\xB2\xC9\xD3\xC3\xD3\xB2\xBC\xFE\xBC\xD3\xCB\xD9", {1680, 2160, 3015, 255}, 19}, // 显示画面时采用硬件加速
    {ControlKind::CheckBox, "Check2", kNoIndex, "Frame1", "\xBB\xAD\xC3\xE6\xC0\xAD\xC9\xEC\xCA\xB1\xC6\xBD\xBB\xAC\xCF\xD4\xCA\xBE", {1680, 1800, 3015, 255}, 18}, // 画面拉伸时平滑显示
    {ControlKind::CheckBox, "Check1", kNoIndex, "Frame1", "\xD7\xD4\xB6\xAF\xB5\xF7\xD5\xFB", {3600, 1440, 1095, 375}, 15}, // 自动调整
    {ControlKind::TextBox, "txtheight", kNoIndex, "Frame1", "480", {2880, 1440, 615, 270}, 14},
    {ControlKind::TextBox, "txtwidth", kNoIndex, "Frame1", "640", {1680, 1440, 615, 270}, 13},
    {ControlKind::Label, "Label17", kNoIndex, "Frame1", "\x33\x44\xD2\xF4\xD0\xA7", {120, 2520, 1095, 255}, 40}, // 3D音效
    {ControlKind::Label, "Label4", kNoIndex, "Frame1", "\xA1\xC1", {2520, 1500, 255, 255}, 38}, // ×
    {ControlKind::Label, "Label14", kNoIndex, "Frame1", "\xD3\xB2\xBC\xFE\xBC\xD3\xCB\xD9", {120, 2160, 1095, 255}, 17}, // 硬件加速
    {ControlKind::Label, "Label10", kNoIndex, "Frame1", "\xC6\xBD\xBB\xAC\xCF\xD4\xCA\xBE", {120, 1800, 1095, 255}, 16}, // 平滑显示
    {ControlKind::Label, "Label13", kNoIndex, "Frame1", "\xB4\xB0\xBF\xDA\xB4\xF3\xD0\xA1", {120, 1440, 1335, 255}, 12}, // 窗口大小
    {ControlKind::Label, "Label5", kNoIndex, "Frame1", "\xCF\xD4\xCA\xBE\xC4\xA3\xCA\xBD", {120, 840, 1095, 255}, 11}, // 显示模式
    {ControlKind::Label, "Label3", kNoIndex, "Frame1", "\xBD\xE7\xC3\xE6\xCE\xC4\xD7\xD6\xCF\xD4\xCA\xBE", {120, 360, 1695, 255}, 10}, // 界面文字显示
    {ControlKind::Frame, "Frame4", kNoIndex, nullptr, "\xD3\xCE\xCF\xB7\xD2\xF4\xC1\xBF\xC9\xE8\xD6\xC3", {120, 3240, 4815, 975}, 2}, // 游戏音量设置
    {ControlKind::HScrollBar, "HScroll2", kNoIndex, "Frame4", nullptr, {2160, 600, 2055, 255}, 4, 0, 127, 0},
    {ControlKind::HScrollBar, "HScroll1", kNoIndex, "Frame4", nullptr, {2160, 240, 2055, 255}, 3, 0, 127, 0},
    {ControlKind::Label, "Label8", kNoIndex, "Frame4", "Label8", {4320, 600, 375, 255}, 8},
    {ControlKind::Label, "Label7", kNoIndex, "Frame4", "Label7", {4320, 240, 375, 255}, 7},
    {ControlKind::Label, "Label1", kNoIndex, "Frame4", "\xD2\xF4\xD0\xA7\xD2\xF4\xC1\xBF", {120, 600, 1815, 255}, 6}, // 音效音量
    {ControlKind::Label, "Label2", kNoIndex, "Frame4", "\xD2\xF4\xC0\xD6\xD2\xF4\xC1\xBF", {120, 240, 1815, 255}, 5}, // 音乐音量
    {ControlKind::CommandButton, "Command2", kNoIndex, nullptr, "\xD4\xCB\xD0\xD0\xD3\xCE\xCF\xB7", {7920, 3600, 1095, 495}, 1}, // 运行游戏
    {ControlKind::CommandButton, "Command1", kNoIndex, nullptr, "\xB1\xA3\xB4\xE6\xC5\xE4\xD6\xC3", {9240, 3600, 1095, 495}, 0}, // 保存配置
    {ControlKind::Image, "Image1", kNoIndex, nullptr, nullptr, {5040, 360, 5385, 1275}, kNoTabIndex, 0, 0, 0, 0, IDB_TITLE},
    {ControlKind::Label, "Label18", kNoIndex, "Frame1", "\xB4\xB0\xBF\xDA\xB8\xDF\xB6\xC8", {0, 0, 0, 0}, kNoTabIndex, 0, 0, 0, 0, 0, false}, // 窗口高度
}};
// clang-format on

// The label that names each text box and scroll bar: the one on its row.
constexpr std::array<ControlLabel, 7> kLabels{{{"Label13", "txtwidth"},
                                               {"Label18", "txtheight"},
                                               {"Label2", "HScroll1"},
                                               {"Label1", "HScroll2"},
                                               {"Label6", "HScroll3"},
                                               {"Label12", "HScroll4"},
                                               {"Label16", "HScroll5"}}};

} // namespace

const FormDefinition kConfigWindowDefinition{
    "Dovmirant_Config", "lurn_config", 10575,   4320, BorderStyle::FixedSingle, true,
    IDI_CONFIG_WINDOW,  kControls,     kLabels,
};

} // namespace lurn
