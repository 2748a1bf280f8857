#include "window_line.h"

#include <cwchar>
#include <iterator>
#include <string>

namespace lurn_inspect {

namespace {

std::wstring hex(unsigned long long value) {
    wchar_t digits[24];
    std::swprintf(digits, std::size(digits), L"0x%llX", value);
    return digits;
}

std::wstring handle(HWND hwnd) {
    return hex(reinterpret_cast<UINT_PTR>(hwnd));
}

std::wstring flag(bool value) {
    return value ? L"1" : L"0";
}

std::wstring iconFlag(IconState icon) {
    switch (icon) {
    case IconState::Present:
        return L"1";
    case IconState::Absent:
        return L"0";
    case IconState::Unknown:
        break;
    }
    return L"unknown";
}

class Line {
public:
    explicit Line(int depth) : text_(static_cast<std::size_t>(depth) * 2, L' ') {}

    Line& field(std::wstring_view key, std::wstring_view value) {
        if (!first_) {
            text_ += L'\t';
        }
        first_ = false;
        text_.append(key).append(L"=").append(value);
        return *this;
    }
    Line& field(std::wstring_view key, long long value) {
        return field(key, std::to_wstring(value));
    }

    std::wstring finish() && { return std::move(text_) + L"\r\n"; }

private:
    std::wstring text_;
    bool first_ = true;
};

} // namespace

std::wstring escaped(std::wstring_view text) {
    std::wstring result;
    result.reserve(text.size());
    for (const wchar_t c : text) {
        switch (c) {
        case L'\t':
            result += L"\\t";
            break;
        case L'\n':
            result += L"\\n";
            break;
        case L'\r':
            result += L"\\r";
            break;
        case L'\\':
            result += L"\\\\";
            break;
        default:
            result += c;
        }
    }
    return result;
}

std::wstring windowLine(const WindowSnapshot& window, int depth) {
    const RECT& r = window.rect;
    Line line(depth);
    line.field(L"hwnd", handle(window.hwnd))
        .field(L"class", escaped(window.className))
        .field(L"text", escaped(window.text))
        .field(L"id", window.id)
        .field(L"rect", std::to_wstring(r.left) + L',' + std::to_wstring(r.top) + L',' +
                            std::to_wstring(r.right - r.left) + L',' +
                            std::to_wstring(r.bottom - r.top))
        .field(L"client",
               std::to_wstring(window.client.cx) + L',' + std::to_wstring(window.client.cy))
        .field(L"style", hex(window.style))
        .field(L"exstyle", hex(window.exStyle))
        .field(L"visible", flag(window.visible))
        .field(L"enabled", flag(window.enabled))
        .field(L"focus", flag(window.focus));
    if (const auto& top = window.topLevel) {
        line.field(L"owner", handle(top->owner))
            .field(L"icon_big", iconFlag(top->iconBig))
            .field(L"icon_small", iconFlag(top->iconSmall))
            .field(L"foreground", flag(top->foreground))
            .field(L"comctl32", escaped(top->comctl32));
    }
    if (const auto& button = window.button) {
        line.field(L"check", button->check).field(L"button_type", button->type);
    }
    if (const auto& scroll = window.scroll) {
        line.field(L"pos", scroll->pos).field(L"min", scroll->min).field(L"max", scroll->max);
    }
    return std::move(line).finish();
}

} // namespace lurn_inspect
