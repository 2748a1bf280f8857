// The configuration window realised as real windows and loaded from a real
// settings file, read through its window handles: the captions each system
// shows.

#include "app/win32/settings_file_copies.h"
#include "app/win32/win32_form.h"
#include "app/win32/win32_ports.h"
#include "config_window/dovmirant_config.h"
#include "support/win32_test_support.h"

#include <gtest/gtest.h>

#include <shellapi.h>

#include <algorithm>
#include <cstdlib>
#include <map>
#include <string_view>
#include <tuple>
#include <utility>
#include <vector>

namespace lurn::wintest {
namespace {

// The real system, with the game installed in a folder of the test's own.
class GameFolder final : public SystemInfo {
public:
    explicit GameFolder(Text directory) : directory_(std::move(directory)) {}
    std::uint16_t defaultLanguage() const override { return facts_.defaultLanguage(); }
    Text programDirectory() const override { return directory_; }

private:
    win32::SystemFacts facts_;
    Text directory_;
};

BOOL CALLBACK collect(HWND window, LPARAM windows) {
    reinterpret_cast<std::vector<HWND>*>(windows)->push_back(window);
    return TRUE;
}

// Windows' button control clicks a radio button that receives the focus
// unchecked, other than through its own mouse press (which captures the
// mouse first); Wine's does not. With this procedure an option button does.
WNDPROC buttonProc = nullptr;
LRESULT CALLBACK clickedOnFocus(HWND button, UINT message, WPARAM wParam, LPARAM lParam) {
    const LRESULT result = CallWindowProcW(buttonProc, button, message, wParam, lParam);
    if (message == WM_SETFOCUS && GetCapture() != button &&
        SendMessageW(button, BM_GETCHECK, 0, 0) == BST_UNCHECKED) {
        SendMessageW(GetParent(button), WM_COMMAND, MAKEWPARAM(GetDlgCtrlID(button), BN_CLICKED),
                     reinterpret_cast<LPARAM>(button));
    }
    return result;
}

// ShellExecuteExW as Windows may run it: the message loop of its prompt
// hands the window a click on the run button and a close, then the player
// cancels the prompt. Each call gives its owner and whether it was enabled.
std::vector<std::pair<HWND, BOOL>> shellCalls;
HWND runButton = nullptr;
BOOL WINAPI cancelledStart(SHELLEXECUTEINFOW* execute) {
    shellCalls.emplace_back(execute->hwnd, IsWindowEnabled(execute->hwnd));
    if (shellCalls.size() == 1) {
        SendMessageW(runButton, BM_CLICK, 0, 0);
        SendMessageW(GetParent(runButton), WM_CLOSE, 0, 0);
    }
    SetLastError(ERROR_CANCELLED);
    return FALSE;
}

// Windows' UI state, which Wine does not keep, as Microsoft documents
// WM_CHANGEUISTATE, WM_UPDATEUISTATE and WM_QUERYUISTATE: a child passes a
// change to its parent, the top-level window updates itself, and an update
// that changes a window's state goes on to its children. Each window keeps
// in a property the cues it shows: none at first, as after a mouse start,
// and UIS_INITIALIZE after the mouse hides them as UIS_SET does.
constexpr wchar_t kCuesShown[] = L"lurn.test.cuesShown";
constexpr wchar_t kProcedure[] = L"lurn.test.procedure";
LRESULT CALLBACK keptUiState(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    const auto shown = reinterpret_cast<UINT_PTR>(GetPropW(window, kCuesShown));
    switch (message) {
    case WM_QUERYUISTATE:
        return (UISF_HIDEFOCUS | UISF_HIDEACCEL) & ~shown;
    case WM_CHANGEUISTATE:
        if ((GetWindowLongPtrW(window, GWL_STYLE) & WS_CHILD) != 0) {
            return SendMessageW(GetParent(window), message, wParam, 0);
        }
        [[fallthrough]];
    case WM_UPDATEUISTATE:
        if (const UINT_PTR now =
                LOWORD(wParam) == UIS_CLEAR ? shown | HIWORD(wParam) : shown & ~HIWORD(wParam);
            now != shown) {
            SetPropW(window, kCuesShown, reinterpret_cast<HANDLE>(now));
            for (HWND c = GetWindow(window, GW_CHILD); c; c = GetWindow(c, GW_HWNDNEXT)) {
                SendMessageW(c, WM_UPDATEUISTATE, wParam, 0);
            }
        }
        return 0;
    default:
        return CallWindowProcW(reinterpret_cast<WNDPROC>(GetPropW(window, kProcedure)), window,
                               message, wParam, lParam);
    }
}

// A player reads `a` before `b` on an earlier row, its middle above b's top,
// or on one row (each one's middle across the other) further left.
bool readBefore(const RECT& a, const RECT& b) {
    const LONG aMiddle = (a.top + a.bottom) / 2, bMiddle = (b.top + b.bottom) / 2;
    return aMiddle >= b.top && aMiddle < b.bottom && bMiddle >= a.top && bMiddle < a.bottom
               ? a.left < b.left
               : aMiddle < b.top;
}

class ConfigWindowTest : public ::testing::Test {
protected:
    ConfigWindowTest() {
        writeBytes(folder.file(u"qebmod.ini"),
                   "[set]\r\nsimple=0\r\nWALK_SPEED1=5\r\nWALK_SPEED2=1\r\nBATTLE_SPEED=100\r\n"
                   "[video]\r\nFULLSCREEN=0\r\n"
                   "[system]\r\nSMOOTH=2\r\nGLHR=1\r\nRESOLUTIONX=800\r\nRESOLUTIONY=600\r\n"
                   "[Music]\r\nVOLUME=90\r\nVOLUMEWAV=127\r\nSOUND3D=0\r\n");
        window.create();
        config.Form_Load();
    }

    // Every window inside the settings window.
    std::vector<HWND> descendants() const {
        std::vector<HWND> windows;
        EnumChildWindows(window.hwnd(), collect, reinterpret_cast<LPARAM>(&windows));
        return windows;
    }
    // The control a window realises: its id is 100 + its position in the
    // collection.
    const Control& controlOf(HWND child) { return config.form().at(GetDlgCtrlID(child) - 100); }
    static std::string nameOf(const Control& c) {
        return std::string(c.name()) +
               (c.index() == kNoIndex ? "" : "(" + std::to_string(c.index()) + ")");
    }
    HWND windowOf(const Control& control) {
        const std::vector<HWND> children = descendants();
        return *std::find_if(children.begin(), children.end(),
                             [&](HWND child) { return &controlOf(child) == &control; });
    }

    TempFolder folder;
    win32::ProfileFunctions profile;
    win32::WorkingCopies files;
    win32::CodePageConverter codec;
    win32::LocaleScriptMapper mapper;
    GameFolder system{folder.path()};
    win32::MessageBoxes dialogs;
    win32::ShellLauncher launcher;
    win32::ProcessExit process;
    Dovmirant_Config config{
        ConfigWindowServices{profile, files, codec, mapper, system, dialogs, launcher, process}};
    win32::Win32Form window{config.form(), GetModuleHandleW(nullptr)};
};

// Every system shows the designed characters: a Chinese (PRC) one as they
// are stored, every other one through the Big5 reading and the conversion
// (Debian's Wine maps no scripts, so nothing else changes them). A screen
// reader hears them too: a button by its caption, an edit box or a scroll bar
// by the static text right before it in z-order, the label of its row (the
// height box by a label of its own, never shown, that says so).
TEST_F(ConfigWindowTest, CaptionsAndNamesReadAsDesignedOnEverySystem) {
    const char* language = std::getenv("LURN_EXPECTED_LANGUAGE");
    ASSERT_NE(language, nullptr) << "LURN_EXPECTED_LANGUAGE is not set";
    ASSERT_EQ(GetSystemDefaultLangID(), std::atoi(language));
    // clang-format off
    const Text captions[] = {
        u"游戏速度设置", u"战斗速度", u"内场景行走速度", u"大地图行走速度", u"系统设置",
        u"使用3D音响效果", u"窗口模式", u"全屏模式", u"简体模式", u"繁體模式",
        u"显示画面时采用硬件加速", u"画面拉伸时平滑显示", u"自动调整", u"3D音效", u"×",
        u"硬件加速", u"平滑显示", u"窗口大小", u"显示模式", u"界面文字显示",
        u"游戏音量设置", u"音效音量", u"音乐音量", u"运行游戏", u"保存配置"};
    const std::map<std::string_view, Text> names{{"txtwidth", u"窗口大小"},
        {"txtheight", u"窗口高度"}, {"HScroll1", u"音乐音量"}, {"HScroll2", u"音效音量"},
        {"HScroll3", u"大地图行走速度"}, {"HScroll4", u"内场景行走速度"}, {"HScroll5", u"战斗速度"}};
    // clang-format on
    // ... and draws them in a font of their character set that has their
    // glyphs, not as boxes.
    std::map<Text, HWND> shown;
    for (HWND child : descendants()) {
        wchar_t text[64] = {};
        GetWindowTextW(child, text, 64);
        shown[reinterpret_cast<const char16_t*>(text)] = child;
        const auto name = names.find(controlOf(child).name());
        const Text heard = accessibleName(child);
        if (name != names.end() && heard != name->second) {
            ADD_FAILURE() << name->first
                          << (heard.empty() ? " has no name" : " is named " + utf8(heard))
                          << ", not " << utf8(name->second);
        }
    }
    const win32::ScreenDc screen;
    for (const Text& caption : captions) {
        ASSERT_EQ(shown.count(caption), 1u) << utf8(caption);
        const win32::Selection font(screen.get(), reinterpret_cast<HGDIOBJ>(SendMessageW(
                                                      shown[caption], WM_GETFONT, 0, 0)));
        EXPECT_EQ(GetTextCharsetInfo(screen.get(), nullptr, 0), GB2312_CHARSET) << utf8(caption);
        std::vector<WORD> glyphs(caption.size());
        GetGlyphIndicesW(screen.get(), win32::wide(caption), static_cast<int>(glyphs.size()),
                         glyphs.data(), GGI_MARK_NONEXISTING_GLYPHS);
        EXPECT_EQ(std::count(glyphs.begin(), glyphs.end(), 0xFFFF), 0) << utf8(caption);
    }
}

// A screen reader reads the children of each container in z-order: the
// order in which a player reads them. The first child out of order is named.
TEST_F(ConfigWindowTest, EachContainerIsReadInTheOrderItIsSeen) {
    std::vector<HWND> containers = descendants();
    containers.push_back(window.hwnd());
    for (HWND container : containers) {
        std::vector<std::pair<const Control*, RECT>> read;
        for (HWND c = GetWindow(container, GW_CHILD); c; c = GetWindow(c, GW_HWNDNEXT)) {
            RECT rect{};
            if ((GetWindowLongPtrW(c, GWL_STYLE) & WS_VISIBLE) == 0 || !GetWindowRect(c, &rect)) {
                continue;
            }
            const auto earlier = std::find_if(read.begin(), read.end(), [&](const auto& seen) {
                return readBefore(rect, seen.second);
            });
            if (earlier != read.end()) {
                ADD_FAILURE() << nameOf(controlOf(c)) << " is read after "
                              << nameOf(*earlier->first) << ", which it is seen before";
                break;
            }
            read.emplace_back(&controlOf(c), rect);
        }
    }
}

// An option that got the focus from a press released outside it, and so is
// not selected, does not get it back when the window is activated again,
// where the system would click it; an arrow key selects the other option
// with one Click. After a mouse start no focus rectangle is drawn until a
// key moves the focus: the press leaves it hidden; the arrow, Shift+Tab and
// Tab show it where the focus goes.
TEST_F(ConfigWindowTest, OnlyTheArrowsSelectAnOptionAndOnlyKeysShowTheFocus) {
    std::vector<HWND> windows = descendants();
    windows.push_back(window.hwnd());
    for (HWND w : windows) {
        SetPropW(w, kProcedure,
                 reinterpret_cast<HANDLE>(
                     SetWindowLongPtrW(w, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(keptUiState))));
    }
    window.show();
    Control& simplified = config.form().control("Option1", 1); // not selected
    HWND unselected = windowOf(simplified);
    int clicks = 0;
    simplified.onClick = [&clicks, handler = simplified.onClick](std::int16_t index) {
        ++clicks;
        handler(index);
    };
    buttonProc = reinterpret_cast<WNDPROC>(
        SetWindowLongPtrW(unselected, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(clickedOnFocus)));
    SendMessageW(unselected, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(2, 2));
    SendMessageW(unselected, WM_LBUTTONUP, 0, MAKELPARAM(5000, 5000));
    ASSERT_EQ(GetFocus(), unselected);
    EXPECT_NE(SendMessageW(unselected, WM_QUERYUISTATE, 0, 0) & UISF_HIDEFOCUS, 0) << "a press";
    const win32::Window other(CreateWindowExW(0, L"STATIC", L"", WS_POPUP | WS_VISIBLE, 0, 0, 9, 9,
                                              nullptr, nullptr, nullptr, nullptr));
    SetActiveWindow(other.get());
    SetActiveWindow(window.hwnd());
    EXPECT_EQ(std::pair(clicks, config.settings().simple), std::pair(0, 0));
    BYTE keys[256] = {};
    for (const auto& [name, key, shift] : {std::tuple{"Right", WPARAM{VK_RIGHT}, BYTE{0}},
                                           {"Shift+Tab", VK_TAB, 0x80},
                                           {"Tab", VK_TAB, 0}}) {
        for (HWND w : windows) {
            RemovePropW(w, kCuesShown);
        }
        keys[VK_SHIFT] = shift;
        SetKeyboardState(keys);
        EXPECT_TRUE(window.preTranslate(MSG{GetFocus(), WM_KEYDOWN, key, 0, 0, {}}));
        EXPECT_EQ(SendMessageW(GetFocus(), WM_QUERYUISTATE, 0, 0) & UISF_HIDEFOCUS, 0) << name;
    }
    EXPECT_EQ(std::pair(clicks, config.settings().simple), std::pair(1, 1));
}

// The shell's start is owned by the window, which takes no input while it
// runs; a start the player cancelled is told apart from a failed one.
TEST_F(ConfigWindowTest, TheShellStartsTheGameOverTheDisabledWindow) {
    writeBytes(folder.file(u"qeb_lurn.exe"), "MZ");
    launcher.setOwner(window.hwnd());
    runButton = windowOf(config.form().control("Command2"));
    const ImportPatch patch(reinterpret_cast<const void*>(&ShellExecuteExW),
                            reinterpret_cast<const void*>(&cancelledStart));
    EXPECT_EQ(launcher.open(folder.file(u"qeb_lurn.exe"), folder.path()), LaunchResult::Cancelled);
    EXPECT_EQ(shellCalls, (std::vector<std::pair<HWND, BOOL>>{{window.hwnd(), FALSE}}));
    EXPECT_TRUE(IsWindow(window.hwnd()) && IsWindowEnabled(window.hwnd()));
}

} // namespace
} // namespace lurn::wintest
