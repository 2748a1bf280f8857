#include "baseline_controls.h"

#include "frame_class.h"

namespace baseline {

namespace {

using enum ControlKind;

constexpr WPARAM kOff = BST_UNCHECKED;
constexpr WPARAM kOn = BST_CHECKED;
constexpr ScrollRange kNoScroll{0, 0, 0};

struct WindowKind {
    const wchar_t* className;
    DWORD style;
    DWORD exStyle;
};

WindowKind windowKind(ControlKind kind) {
    constexpr DWORD base = WS_CHILD | WS_VISIBLE | WS_CLIPSIBLINGS;
    switch (kind) {
    case Frame:
        return {kFrameClass, base | WS_CLIPCHILDREN | kEtchedFrame, WS_EX_CONTROLPARENT};
    case Container:
        return {kFrameClass, base | WS_CLIPCHILDREN, WS_EX_CONTROLPARENT};
    case Label:
        return {L"STATIC", base | SS_LEFT, 0};
    case HiddenLabel:
        return {L"STATIC", (base & ~WS_VISIBLE) | SS_LEFT, 0};
    case Image:
        return {L"STATIC", base | SS_BITMAP, 0};
    case Edit:
        return {L"EDIT", base | WS_TABSTOP | ES_LEFT | ES_AUTOHSCROLL, WS_EX_CLIENTEDGE};
    case CheckBox:
        return {L"BUTTON", base | WS_TABSTOP | BS_3STATE, 0};
    case RadioButton:
        return {L"BUTTON", base | WS_TABSTOP | BS_RADIOBUTTON, 0};
    case ScrollBar:
        return {L"SCROLLBAR", base | WS_TABSTOP | SBS_HORZ, 0};
    case PushButton:
        return {L"BUTTON", base | WS_TABSTOP | BS_PUSHBUTTON, 0};
    }
    return {L"STATIC", base, 0};
}

void setStartingState(HWND control, const ControlPlan& plan) {
    switch (plan.kind) {
    case CheckBox:
    case RadioButton:
        SendMessageW(control, BM_SETCHECK, plan.check, 0);
        break;
    case ScrollBar: {
        SCROLLINFO info{};
        info.cbSize = sizeof info;
        info.fMask = SIF_RANGE | SIF_POS;
        info.nMin = plan.scroll.min;
        info.nMax = plan.scroll.max;
        info.nPos = plan.scroll.pos;
        SetScrollInfo(control, SB_CTL, &info, FALSE);
        break;
    }
    default:
        break;
    }
}

} // namespace

// Places in pixels at 96 dpi; the labels beside the scroll bars show their
// positions.
// clang-format off
const std::array<ControlPlan, kControlCount> kControls{{
    /*  0 */ {Frame,       kTopLevel, L"游戏速度设置",           {336, 112, 353, 89}, kOff, kNoScroll},
    /*  1 */ {ScrollBar,   0,         nullptr,                   {136, 64, 177, 17},  kOff, {1, 100, 60}},
    /*  2 */ {ScrollBar,   0,         nullptr,                   {136, 40, 177, 17},  kOff, {1, 100, 40}},
    /*  3 */ {ScrollBar,   0,         nullptr,                   {136, 16, 177, 17},  kOff, {1, 100, 30}},
    /*  4 */ {Label,       0,         L"战斗速度",               {8, 64, 121, 17},    kOff, kNoScroll},
    /*  5 */ {Label,       0,         L"60",                     {320, 64, 25, 17},   kOff, kNoScroll},
    /*  6 */ {Label,       0,         L"内场景行走速度",         {8, 40, 121, 17},    kOff, kNoScroll},
    /*  7 */ {Label,       0,         L"40",                     {320, 40, 25, 17},   kOff, kNoScroll},
    /*  8 */ {Label,       0,         L"大地图行走速度",         {8, 16, 121, 17},    kOff, kNoScroll},
    /*  9 */ {Label,       0,         L"30",                     {320, 16, 25, 17},   kOff, kNoScroll},
    /* 10 */ {Frame,       kTopLevel, L"系统设置",               {8, 16, 321, 193},   kOff, kNoScroll},
    /* 11 */ {CheckBox,    10,        L"使用3D音响效果",         {112, 168, 201, 17}, kOff, kNoScroll},
    /* 12 */ {Frame,       10,        nullptr,                   {112, 48, 201, 33},  kOff, kNoScroll},
    /* 13 */ {Container,   12,        nullptr,                   {8, 10, 185, 17},    kOff, kNoScroll},
    /* 14 */ {RadioButton, 13,        L"窗口模式",               {0, 0, 89, 17},      kOn,  kNoScroll},
    /* 15 */ {RadioButton, 13,        L"全屏模式",               {96, 0, 89, 17},     kOff, kNoScroll},
    /* 16 */ {Frame,       10,        nullptr,                   {112, 8, 201, 33},   kOff, kNoScroll},
    /* 17 */ {Container,   16,        nullptr,                   {8, 10, 187, 17},    kOff, kNoScroll},
    /* 18 */ {RadioButton, 17,        L"简体模式",               {96, 0, 89, 17},     kOn,  kNoScroll},
    /* 19 */ {RadioButton, 17,        L"繁體模式",               {0, 0, 89, 17},      kOff, kNoScroll},
    /* 20 */ {CheckBox,    10,        L"显示画面时采用硬件加速", {112, 144, 201, 17}, kOff, kNoScroll},
    /* 21 */ {CheckBox,    10,        L"画面拉伸时平滑显示",     {112, 120, 201, 17}, kOn,  kNoScroll},
    /* 22 */ {CheckBox,    10,        L"自动调整",               {240, 96, 73, 25},   kOn,  kNoScroll},
    /* 23 */ {Edit,        10,        L"600",                    {192, 96, 41, 18},   kOff, kNoScroll},
    /* 24 */ {Edit,        10,        L"800",                    {112, 96, 41, 18},   kOff, kNoScroll},
    /* 25 */ {Label,       10,        L"3D音效",                 {8, 168, 73, 17},    kOff, kNoScroll},
    /* 26 */ {Label,       10,        L"×",                      {168, 100, 17, 17},  kOff, kNoScroll},
    /* 27 */ {Label,       10,        L"硬件加速",               {8, 144, 73, 17},    kOff, kNoScroll},
    /* 28 */ {Label,       10,        L"平滑显示",               {8, 120, 73, 17},    kOff, kNoScroll},
    /* 29 */ {Label,       10,        L"窗口大小",               {8, 96, 89, 17},     kOff, kNoScroll},
    /* 30 */ {Label,       10,        L"显示模式",               {8, 56, 73, 17},     kOff, kNoScroll},
    /* 31 */ {Label,       10,        L"界面文字显示",           {8, 24, 113, 17},    kOff, kNoScroll},
    /* 32 */ {Frame,       kTopLevel, L"游戏音量设置",           {8, 216, 321, 65},   kOff, kNoScroll},
    /* 33 */ {ScrollBar,   32,        nullptr,                   {144, 40, 137, 17},  kOff, {0, 127, 90}},
    /* 34 */ {ScrollBar,   32,        nullptr,                   {144, 16, 137, 17},  kOff, {0, 127, 100}},
    /* 35 */ {Label,       32,        L"90",                     {288, 40, 25, 17},   kOff, kNoScroll},
    /* 36 */ {Label,       32,        L"100",                    {288, 16, 25, 17},   kOff, kNoScroll},
    /* 37 */ {Label,       32,        L"音效音量",               {8, 40, 121, 17},    kOff, kNoScroll},
    /* 38 */ {Label,       32,        L"音乐音量",               {8, 16, 121, 17},    kOff, kNoScroll},
    /* 39 */ {PushButton,  kTopLevel, L"运行游戏",               {528, 240, 73, 33},  kOff, kNoScroll},
    /* 40 */ {PushButton,  kTopLevel, L"保存配置",               {616, 240, 73, 33},  kOff, kNoScroll},
    /* 41 */ {Image,       kTopLevel, nullptr,                   {336, 24, 359, 85},  kOff, kNoScroll},
    /* 42 */ {HiddenLabel, 10,        L"窗口高度",               {0, 0, 0, 0},        kOff, kNoScroll},
}};
// clang-format on

void createControls(HWND window, HINSTANCE instance, HFONT font) {
    std::array<HWND, kControlCount> created{};
    for (std::size_t i = 0; i < kControls.size(); ++i) {
        const ControlPlan& plan = kControls[i];
        const WindowKind kind = windowKind(plan.kind);
        const HWND parent = plan.parent == kTopLevel ? window : created[plan.parent];
        const Place& place = plan.place;
        created[i] = CreateWindowExW(
            kind.exStyle, kind.className, plan.text != nullptr ? plan.text : L"", kind.style,
            place.x, place.y, place.width, place.height, parent,
            reinterpret_cast<HMENU>(static_cast<INT_PTR>(kFirstControlId + i)), instance, nullptr);
        SendMessageW(created[i], WM_SETFONT, reinterpret_cast<WPARAM>(font), FALSE);
        setStartingState(created[i], plan);
    }
}

} // namespace baseline
