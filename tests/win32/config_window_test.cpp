// The configuration window realised as real windows and loaded from a real
// settings file, inspected and driven through its window handles.

#include "app/win32/win32_form.h"
#include "app/win32/win32_ports.h"
#include "config_window/dovmirant_config.h"
#include "support/win32_test_support.h"

#include <gtest/gtest.h>

#include <stdexcept>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace lurn::wintest {
namespace {

constexpr char kSettingsFile[] =
    "[set]\r\nsimple=0\r\nWALK_SPEED1=5\r\nWALK_SPEED2=1\r\nBATTLE_SPEED=100\r\n"
    "[video]\r\nFULLSCREEN=0\r\n"
    "[system]\r\nSMOOTH=2\r\nGLHR=1\r\nRESOLUTIONX=800\r\nRESOLUTIONY=600\r\n"
    "[Music]\r\nVOLUME=90\r\nVOLUMEWAV=127\r\nSOUND3D=0\r\n";

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

using Message = std::pair<Text, Text>;

class RecordedDialogs final : public Dialogs {
public:
    void message(const Text& text, const Text& title) const override {
        shown.emplace_back(text, title);
    }
    mutable std::vector<Message> shown;
};

class RecordedExit final : public ProcessControl {
public:
    void end(unsigned exitCode) const override { codes.push_back(exitCode); }
    mutable std::vector<unsigned> codes;
};

HFONT createMessageFont() {
    NONCLIENTMETRICSW metrics{};
    metrics.cbSize = sizeof metrics;
    if (!SystemParametersInfoW(SPI_GETNONCLIENTMETRICS, sizeof metrics, &metrics, 0)) {
        return nullptr;
    }
    return CreateFontIndirectW(&metrics.lfMessageFont);
}

Text windowText(HWND window) {
    wchar_t buffer[256] = {};
    const int length = GetWindowTextW(window, buffer, 256);
    return Text(reinterpret_cast<const char16_t*>(buffer), static_cast<std::size_t>(length));
}

BOOL CALLBACK countWindow(HWND, LPARAM count) {
    ++*reinterpret_cast<int*>(count);
    return TRUE;
}

class ConfigWindowTest : public ::testing::Test {
protected:
    ConfigWindowTest() { writeBytes(iniPath(), kSettingsFile); }

    void SetUp() override {
        ASSERT_NE(expectedLanguage(), 0) << "LURN_EXPECTED_LANGUAGE is not set";
        ASSERT_EQ(GetSystemDefaultLangID(), expectedLanguage());
        ASSERT_TRUE(font);
        window.create();
        config.Form_Load();
        window.show();
    }

    void TearDown() override {
        const HWND form = window.hwnd();
        window.destroy();
        EXPECT_FALSE(IsWindow(form));
    }

    Text iniPath() const { return folder.file(u"qebmod.ini"); }

    std::size_t positionOf(const Control& control) const {
        for (std::size_t position = 0; position < config.form().count(); ++position) {
            if (&config.form().at(position) == &control) {
                return position;
            }
        }
        throw std::out_of_range("control outside the form");
    }

    // The control's window, looked up by its id among its container's
    // children only.
    HWND child(const Control& control) const {
        const HWND parent =
            control.container() != nullptr ? child(*control.container()) : window.hwnd();
        return GetDlgItem(parent, 100 + static_cast<int>(positionOf(control)));
    }
    HWND child(std::string_view name, std::int16_t index = kNoIndex) {
        return child(config.form().control(name, index));
    }
    Text textOf(std::string_view name, std::int16_t index = kNoIndex) {
        return windowText(child(name, index));
    }
    LRESULT checkOf(std::string_view name, std::int16_t index = kNoIndex) {
        return SendMessageW(child(name, index), BM_GETCHECK, 0, 0);
    }
    void click(std::string_view name, std::int16_t index = kNoIndex) {
        SendMessageW(child(name, index), BM_CLICK, 0, 0);
    }

    TempFolder folder;
    win32::ProfileFunctions profile;
    win32::CodePageConverter codec;
    win32::LocaleScriptMapper mapper;
    GameFolder system{folder.path()};
    RecordedDialogs dialogs;
    win32::ShellLauncher launcher;
    RecordedExit process;
    Dovmirant_Config config{
        ConfigWindowServices{profile, codec, mapper, system, dialogs, launcher, process}};
    win32::Font font{createMessageFont()};
    win32::Win32Form window{config.form(), GetModuleHandleW(nullptr), font.get()};
};

TEST_F(ConfigWindowTest, ClientAreaIsTheDesignedSizeAtNinetySixDpi) {
    const win32::ScreenDc screen;
    ASSERT_EQ(GetDeviceCaps(screen.get(), LOGPIXELSY), 96);
    RECT client{};
    ASSERT_TRUE(GetClientRect(window.hwnd(), &client));
    EXPECT_EQ(client.right - client.left, 705);
    EXPECT_EQ(client.bottom - client.top, 288);
    EXPECT_EQ(windowText(window.hwnd()), u"lurn_config");

    int descendants = 0;
    EnumChildWindows(window.hwnd(), countWindow, reinterpret_cast<LPARAM>(&descendants));
    EXPECT_EQ(descendants, 42);
}

TEST_F(ConfigWindowTest, EveryControlIsAWindowAtItsTwipsRectangleInItsContainer) {
    const std::pair<ControlKind, const wchar_t*> classes[] = {
        {ControlKind::Frame, L"LurnContainer"},  {ControlKind::PictureBox, L"LurnContainer"},
        {ControlKind::Label, L"Static"},         {ControlKind::Image, L"Static"},
        {ControlKind::TextBox, L"Edit"},         {ControlKind::CheckBox, L"Button"},
        {ControlKind::OptionButton, L"Button"},  {ControlKind::CommandButton, L"Button"},
        {ControlKind::HScrollBar, L"ScrollBar"},
    };
    for (std::size_t position = 0; position < config.form().count(); ++position) {
        const Control& control = config.form().at(position);
        const std::string name(control.name());
        const HWND handle = child(control);
        ASSERT_NE(handle, nullptr) << name << " is not a child of its container";

        wchar_t className[64] = {};
        GetClassNameW(handle, className, 64);
        for (const auto& [kind, expected] : classes) {
            if (control.is(kind)) {
                EXPECT_EQ(lstrcmpiW(className, expected), 0) << name;
            }
        }

        RECT rect{};
        GetWindowRect(handle, &rect);
        MapWindowPoints(HWND_DESKTOP, GetParent(handle), reinterpret_cast<POINT*>(&rect), 2);
        const TwipsRect& twips = control.definition().rect;
        EXPECT_EQ(rect.left, twips.left / 15) << name;
        EXPECT_EQ(rect.top, twips.top / 15) << name;
        if (control.is(ControlKind::Image)) {
            continue; // sized by its picture
        }
        EXPECT_EQ(rect.right - rect.left, twips.width / 15) << name;
        EXPECT_EQ(rect.bottom - rect.top, twips.height / 15) << name;
    }
}

// Every system shows the designed characters: a Chinese (PRC) one as they
// are stored, every other one through the Big5 reading and the conversion
// (Debian's Wine maps no scripts, so nothing else changes them).
TEST_F(ConfigWindowTest, CaptionsReadAsDesignedOnEverySystem) {
    struct Caption {
        const char* name;
        std::int16_t index;
        Text designed;
    };
    const Caption captions[] = {
        {"Frame2", kNoIndex, u"游戏速度设置"},
        {"Label16", kNoIndex, u"战斗速度"},
        {"Label12", kNoIndex, u"内场景行走速度"},
        {"Label6", kNoIndex, u"大地图行走速度"},
        {"Frame1", kNoIndex, u"系统设置"},
        {"Check4", kNoIndex, u"使用3D音响效果"},
        {"Option3", 0, u"窗口模式"},
        {"Option3", 1, u"全屏模式"},
        {"Option1", 1, u"简体模式"},
        {"Option1", 0, u"繁體模式"},
        {"Check3", kNoIndex, u"显示画面时采用硬件加速"},
        {"Check2", kNoIndex, u"画面拉伸时平滑显示"},
        {"Check1", kNoIndex, u"自动调整"},
        {"Label17", kNoIndex, u"3D音效"},
        {"Label4", kNoIndex, u"×"},
        {"Label14", kNoIndex, u"硬件加速"},
        {"Label10", kNoIndex, u"平滑显示"},
        {"Label13", kNoIndex, u"窗口大小"},
        {"Label5", kNoIndex, u"显示模式"},
        {"Label3", kNoIndex, u"界面文字显示"},
        {"Frame4", kNoIndex, u"游戏音量设置"},
        {"Label1", kNoIndex, u"音效音量"},
        {"Label2", kNoIndex, u"音乐音量"},
        {"Command2", kNoIndex, u"运行游戏"},
        {"Command1", kNoIndex, u"保存配置"},
    };
    for (const Caption& caption : captions) {
        EXPECT_EQ(textOf(caption.name, caption.index), caption.designed) << caption.name;
    }
    for (const char* container : {"Frame3", "Frame5", "Picture1", "Picture2"}) {
        EXPECT_EQ(textOf(container), u"") << container;
    }
}

TEST_F(ConfigWindowTest, TextBoxesAndValueLabelsShowTheLoadedNumbers) {
    const std::pair<const char*, Text> shown[] = {
        {"txtwidth", u"800"}, {"txtheight", u"600"}, {"Label7", u"90"},   {"Label8", u"127"},
        {"Label9", u"5"},     {"Label11", u"1"},     {"Label15", u"100"},
    };
    for (const auto& [name, text] : shown) {
        EXPECT_EQ(textOf(name), text) << name;
    }
    EXPECT_TRUE(IsWindowEnabled(child("txtheight")));
}

TEST_F(ConfigWindowTest, ScrollBarsHaveTheirRangesAndTheLoadedPositions) {
    struct Bar {
        const char* name;
        int min;
        int max;
        int position;
    };
    const Bar bars[] = {
        {"HScroll1", 0, 127, 90}, {"HScroll2", 0, 127, 127}, {"HScroll3", 1, 100, 5},
        {"HScroll4", 1, 100, 1},  {"HScroll5", 1, 100, 100},
    };
    for (const Bar& bar : bars) {
        SCROLLINFO info{};
        info.cbSize = sizeof info;
        info.fMask = SIF_RANGE | SIF_POS;
        ASSERT_TRUE(GetScrollInfo(child(bar.name), SB_CTL, &info)) << bar.name;
        EXPECT_EQ(info.nMin, bar.min) << bar.name;
        EXPECT_EQ(info.nMax, bar.max) << bar.name;
        EXPECT_EQ(info.nPos, bar.position) << bar.name;
    }
}

TEST_F(ConfigWindowTest, ButtonsShowTheLoadedStates) {
    struct State {
        const char* name;
        std::int16_t index;
        LRESULT check;
    };
    const State states[] = {
        {"Check1", kNoIndex, BST_UNCHECKED}, {"Check2", kNoIndex, BST_INDETERMINATE},
        {"Check3", kNoIndex, BST_CHECKED},   {"Check4", kNoIndex, BST_UNCHECKED},
        {"Option1", 0, BST_CHECKED},         {"Option1", 1, BST_UNCHECKED},
        {"Option3", 0, BST_CHECKED},         {"Option3", 1, BST_UNCHECKED},
    };
    for (const State& state : states) {
        EXPECT_EQ(checkOf(state.name, state.index), state.check) << state.name << state.index;
    }
}

TEST_F(ConfigWindowTest, OptionGroupsAreIndependent) {
    click("Option3", 1);
    EXPECT_EQ(checkOf("Option3", 1), BST_CHECKED);
    EXPECT_EQ(checkOf("Option3", 0), BST_UNCHECKED);
    EXPECT_EQ(checkOf("Option1", 0), BST_CHECKED);
    EXPECT_EQ(checkOf("Option1", 1), BST_UNCHECKED);
    EXPECT_EQ(config.settings().FULLSCREEN, 1);
    EXPECT_EQ(config.settings().simple, 0);

    click("Option1", 1);
    EXPECT_EQ(checkOf("Option1", 1), BST_CHECKED);
    EXPECT_EQ(checkOf("Option1", 0), BST_UNCHECKED);
    EXPECT_EQ(checkOf("Option3", 1), BST_CHECKED);
    EXPECT_EQ(config.settings().simple, 1);
    EXPECT_EQ(config.settings().FULLSCREEN, 1);
}

TEST_F(ConfigWindowTest, ProgramAssignmentMovesTheBarAndItsLabel) {
    config.form().control("HScroll3").setValue(37);
    EXPECT_EQ(GetScrollPos(child("HScroll3"), SB_CTL), 37);
    EXPECT_EQ(textOf("Label9"), u"37");
    EXPECT_EQ(config.settings().WALK_SPEED1, 37);
}

TEST_F(ConfigWindowTest, ScrollRequestsChangeTheValueAsAScrollBarDoes) {
    struct Request {
        std::int16_t start;
        WORD code;
        WORD thumb;
        int expected;
    };
    const Request requests[] = {
        {50, SB_LINERIGHT, 0, 51},      {50, SB_LINELEFT, 0, 49},    {50, SB_PAGERIGHT, 0, 51},
        {50, SB_PAGELEFT, 0, 49},       {50, SB_THUMBTRACK, 80, 50}, {50, SB_ENDSCROLL, 0, 50},
        {50, SB_THUMBPOSITION, 80, 80}, {50, SB_LEFT, 0, 1},         {50, SB_RIGHT, 0, 100},
        {100, SB_LINERIGHT, 0, 100},    {1, SB_LINELEFT, 0, 1},
    };
    Control& bar = config.form().control("HScroll5");
    const HWND handle = child("HScroll5");
    int changes = 0;
    bar.onChange = [original = bar.onChange, &changes] {
        ++changes;
        original();
    };
    for (const Request& request : requests) {
        bar.setValue(request.start);
        changes = 0;
        SendMessageW(GetParent(handle), WM_HSCROLL, MAKEWPARAM(request.code, request.thumb),
                     reinterpret_cast<LPARAM>(handle));
        const std::string what =
            "request " + std::to_string(request.code) + " from " + std::to_string(request.start);
        EXPECT_EQ(bar.value(), request.expected) << what;
        EXPECT_EQ(GetScrollPos(handle, SB_CTL), request.expected) << what;
        EXPECT_EQ(textOf("Label15"), decimalText(request.expected)) << what;
        EXPECT_EQ(config.settings().BATTLE_SPEED, request.expected) << what;
        EXPECT_EQ(changes, request.expected != request.start ? 1 : 0) << what;
    }
}

TEST_F(ConfigWindowTest, AutoSizeDerivesTheHeightFromTheTypedWidth) {
    Control& check1 = config.form().control("Check1");
    int clicks = 0;
    check1.onClick = [original = check1.onClick, &clicks](std::int16_t index) {
        ++clicks;
        original(index);
    };
    int keyUps = 0;
    config.form().control("txtwidth").onKeyUp = [&keyUps](std::int16_t, std::int16_t) {
        ++keyUps;
    };

    SetWindowTextW(child("txtwidth"), L"1024"); // what the user typed
    EXPECT_EQ(config.form().control("txtwidth").text(), u"1024");
    click("Check1");
    EXPECT_EQ(checkOf("Check1"), BST_CHECKED);
    EXPECT_FALSE(IsWindowEnabled(child("txtheight")));
    EXPECT_EQ(textOf("txtheight"), u"768");
    EXPECT_EQ(config.form().control("txtheight").text(), u"768");
    EXPECT_EQ(clicks, 1);
    EXPECT_EQ(keyUps, 0);

    click("Check1");
    EXPECT_EQ(checkOf("Check1"), BST_UNCHECKED);
    EXPECT_TRUE(IsWindowEnabled(child("txtheight")));
    EXPECT_EQ(textOf("txtheight"), u"768");
    EXPECT_EQ(clicks, 2);
}

TEST_F(ConfigWindowTest, SaveWritesWhatTheWindowShows) {
    click("Option3", 1);
    click("Check4");
    const HWND bar = child("HScroll1");
    SendMessageW(GetParent(bar), WM_HSCROLL, MAKEWPARAM(SB_THUMBPOSITION, 64),
                 reinterpret_cast<LPARAM>(bar));
    SetWindowTextW(child("txtwidth"), L"1024");
    click("Command1");

    EXPECT_EQ(dialogs.shown, (std::vector<Message>{{u"done", u"Lurn_config"}}));
    const std::string bytes = readBytes(iniPath());
    for (const char* line : {"FULLSCREEN=1\r\n", "SOUND3D=1\r\n", "VOLUME=64\r\n",
                             "RESOLUTIONX=1024\r\n", "RESOLUTIONY=600\r\n", "SMOOTH=2\r\n"}) {
        EXPECT_NE(bytes.find(line), std::string::npos) << line << " missing from:\n" << bytes;
    }
}

TEST_F(ConfigWindowTest, SaveReportsAWriteTheSystemRefused) {
    const HeldFile held(iniPath());
    ASSERT_TRUE(held.held());
    click("Command1");
    EXPECT_EQ(dialogs.shown, (std::vector<Message>{{u"save failed!", u"Warning"}}));
}

TEST_F(ConfigWindowTest, RunWithoutTheGameSavesAndReportsTheMissingFile) {
    click("Option1", 1);
    click("Command2");
    EXPECT_EQ(dialogs.shown, (std::vector<Message>{{u"file missed!", u"Warning"}}));
    EXPECT_TRUE(process.codes.empty());
    EXPECT_NE(readBytes(iniPath()).find("simple=1\r\n"), std::string::npos);
}

} // namespace
} // namespace lurn::wintest
