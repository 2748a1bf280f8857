// The configuration window's captions, read as code page 936, are the
// characters the window was designed with.

#include "config_window/config_window_definition.h"
#include "support/fakes.h"

#include <gtest/gtest.h>

#include <map>
#include <string>

namespace lurn::test {
namespace {

// The 43 controls; those not listed have no caption.
TEST(ConfigWindowDefinition, CaptionsDecodeWithCodePage936) {
    // clang-format off
    const std::map<std::string, Text> expected{
        {"Frame1", u"系统设置"}, {"Frame4", u"游戏音量设置"}, {"Frame2", u"游戏速度设置"},
        {"Command2", u"运行游戏"}, {"Command1", u"保存配置"}, {"Label3", u"界面文字显示"},
        {"Label5", u"显示模式"}, {"Label13", u"窗口大小"}, {"txtwidth", u"640"},
        {"Label4", u"×"}, {"txtheight", u"480"}, {"Check1", u"自动调整"},
        {"Label10", u"平滑显示"}, {"Check2", u"画面拉伸时平滑显示"}, {"Label14", u"硬件加速"},
        {"Check3", u"显示画面时采用硬件加速"}, {"Label17", u"3D音效"}, {"Check4", u"使用3D音响效果"},
        {"Option1(0)", u"繁體模式"}, {"Option1(1)", u"简体模式"}, {"Option3(0)", u"窗口模式"},
        {"Option3(1)", u"全屏模式"}, {"Label2", u"音乐音量"}, {"Label7", u"Label7"},
        {"Label1", u"音效音量"}, {"Label8", u"Label8"}, {"Label6", u"大地图行走速度"},
        {"Label9", u"Label8"}, {"Label12", u"内场景行走速度"}, {"Label11", u"Label8"},
        {"Label16", u"战斗速度"}, {"Label15", u"Label8"}, {"Label18", u"窗口高度"},
    };
    // clang-format on
    IconvCodec codec;
    const Form form(kConfigWindowDefinition, codec, kCodePageGbk);
    ASSERT_EQ(form.count(), 43u);
    std::size_t captioned = 0;
    for (std::size_t i = 0; i < form.count(); ++i) {
        const auto found = expected.find(displayName(form.at(i)));
        captioned += found != expected.end() ? 1 : 0;
        EXPECT_EQ(form.at(i).caption(), found != expected.end() ? found->second : u"")
            << displayName(form.at(i));
    }
    EXPECT_EQ(captioned, expected.size());
}

} // namespace
} // namespace lurn::test
