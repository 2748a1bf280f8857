// The configuration window realised as real windows and loaded from a real
// settings file, read through its window handles: the captions each system
// shows.

#include "app/win32/win32_form.h"
#include "app/win32/win32_ports.h"
#include "config_window/dovmirant_config.h"
#include "support/win32_test_support.h"

#include <gtest/gtest.h>

#include <set>
#include <utility>

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

// The shell around the window, which these tests never reach.
class NoShell final : public Dialogs, public ProgramLauncher, public ProcessControl {
public:
    void message(const Text&, const Text&) const override { ADD_FAILURE() << "message"; }
    std::intptr_t open(const Text&, const Text&) const override { return 0; }
    void end(unsigned) const override { ADD_FAILURE() << "end"; }
};

BOOL CALLBACK collectText(HWND window, LPARAM texts) {
    wchar_t text[64] = {};
    GetWindowTextW(window, text, 64);
    reinterpret_cast<std::set<Text>*>(texts)->insert(reinterpret_cast<const char16_t*>(text));
    return TRUE;
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
        window.show();
    }

    TempFolder folder;
    win32::ProfileFunctions profile;
    win32::CodePageConverter codec;
    win32::LocaleScriptMapper mapper;
    GameFolder system{folder.path()};
    NoShell shell;
    Dovmirant_Config config{
        ConfigWindowServices{profile, codec, mapper, system, shell, shell, shell}};
    win32::Win32Form window{config.form(), GetModuleHandleW(nullptr),
                            static_cast<HFONT>(GetStockObject(DEFAULT_GUI_FONT))};
};

// Every system shows the designed characters: a Chinese (PRC) one as they
// are stored, every other one through the Big5 reading and the conversion
// (Debian's Wine maps no scripts, so nothing else changes them).
TEST_F(ConfigWindowTest, CaptionsReadAsDesignedOnEverySystem) {
    ASSERT_NE(expectedLanguage(), 0) << "LURN_EXPECTED_LANGUAGE is not set";
    ASSERT_EQ(GetSystemDefaultLangID(), expectedLanguage());
    // clang-format off
    const Text captions[] = {
        u"游戏速度设置", u"战斗速度", u"内场景行走速度", u"大地图行走速度", u"系统设置",
        u"使用3D音响效果", u"窗口模式", u"全屏模式", u"简体模式", u"繁體模式",
        u"显示画面时采用硬件加速", u"画面拉伸时平滑显示", u"自动调整", u"3D音效", u"×",
        u"硬件加速", u"平滑显示", u"窗口大小", u"显示模式", u"界面文字显示",
        u"游戏音量设置", u"音效音量", u"音乐音量", u"运行游戏", u"保存配置"};
    // clang-format on
    std::set<Text> shown;
    EnumChildWindows(window.hwnd(), collectText, reinterpret_cast<LPARAM>(&shown));
    for (const Text& caption : captions) {
        EXPECT_EQ(shown.count(caption), 1u) << utf8(caption);
    }
}

} // namespace
} // namespace lurn::wintest
