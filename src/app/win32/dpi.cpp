// The DPI functions of Windows 8.1 and 10 are declared only for programs
// that require those versions. This file names them for their types alone,
// and calls them through the pointers looked up at run time, so that the
// program still starts on Windows 7: none of them may be called by name.
#undef _WIN32_WINNT
#define _WIN32_WINNT 0x0A00

#include "app/win32/dpi.h"

#include "app/win32/system_library.h"

#include <shellscalingapi.h>

#include <cstdint>

namespace lurn::win32 {

namespace {

struct DpiFunctions {
    using GetDpiForMonitor = decltype(&::GetDpiForMonitor);
    using AdjustWindowRectExForDpi = decltype(&::AdjustWindowRectExForDpi);
    using SystemParametersInfoForDpi = decltype(&::SystemParametersInfoForDpi);
    using GetSystemMetricsForDpi = decltype(&::GetSystemMetricsForDpi);

    Library shcore;
    GetDpiForMonitor getDpiForMonitor = nullptr;                     // Windows 8.1
    AdjustWindowRectExForDpi adjustWindowRectExForDpi = nullptr;     // Windows 10 1607
    SystemParametersInfoForDpi systemParametersInfoForDpi = nullptr; // Windows 10 1607
    GetSystemMetricsForDpi getSystemMetricsForDpi = nullptr;         // Windows 10 1607
};

// Looked up once, on first use. shcore.dll comes from the system folder
// only and stays loaded while the process runs.
const DpiFunctions& dpiFunctions() {
    static const DpiFunctions functions = [] {
        DpiFunctions found;
        found.shcore = systemLibrary(L"shcore.dll");
        found.getDpiForMonitor =
            lookUp<DpiFunctions::GetDpiForMonitor>(found.shcore.get(), "GetDpiForMonitor");
        const HMODULE user = GetModuleHandleW(L"user32.dll");
        found.adjustWindowRectExForDpi =
            lookUp<DpiFunctions::AdjustWindowRectExForDpi>(user, "AdjustWindowRectExForDpi");
        found.systemParametersInfoForDpi =
            lookUp<DpiFunctions::SystemParametersInfoForDpi>(user, "SystemParametersInfoForDpi");
        found.getSystemMetricsForDpi =
            lookUp<DpiFunctions::GetSystemMetricsForDpi>(user, "GetSystemMetricsForDpi");
        return found;
    }();
    return functions;
}

// The DPI that the system's metrics are given for: the screen's.
int systemDpi() {
    const ScreenDc screen;
    const int dpi = GetDeviceCaps(screen.get(), LOGPIXELSY);
    return dpi > 0 ? dpi : kStandardDpi;
}

} // namespace

int primaryMonitorDpi() {
    const DpiFunctions& functions = dpiFunctions();
    if (functions.getDpiForMonitor != nullptr) {
        const HMONITOR primary = MonitorFromPoint(POINT{0, 0}, MONITOR_DEFAULTTOPRIMARY);
        UINT x = 0;
        UINT y = 0;
        // The scale the user chose for the monitor.
        if (SUCCEEDED(functions.getDpiForMonitor(primary, MDT_EFFECTIVE_DPI, &x, &y)) && y > 0) {
            return static_cast<int>(y);
        }
    }
    return systemDpi();
}

RECT windowRectForClient(int width, int height, DWORD style, DWORD exStyle, int dpi) {
    RECT rect{0, 0, width, height};
    const DpiFunctions& functions = dpiFunctions();
    if (functions.adjustWindowRectExForDpi == nullptr ||
        !functions.adjustWindowRectExForDpi(&rect, style, FALSE, exStyle, static_cast<UINT>(dpi))) {
        rect = RECT{0, 0, width, height};
        AdjustWindowRectEx(&rect, style, FALSE, exStyle);
    }
    return rect;
}

int systemMetricForDpi(int index, int dpi) {
    const DpiFunctions& functions = dpiFunctions();
    if (functions.getSystemMetricsForDpi != nullptr) {
        return functions.getSystemMetricsForDpi(index, static_cast<UINT>(dpi));
    }
    return MulDiv(GetSystemMetrics(index), dpi, systemDpi());
}

Font messageFont(int dpi, unsigned captionCodePage) {
    NONCLIENTMETRICSW metrics{};
    metrics.cbSize = sizeof metrics;
    const DpiFunctions& functions = dpiFunctions();
    if (functions.systemParametersInfoForDpi == nullptr ||
        !functions.systemParametersInfoForDpi(SPI_GETNONCLIENTMETRICS, sizeof metrics, &metrics, 0,
                                              static_cast<UINT>(dpi))) {
        if (!SystemParametersInfoW(SPI_GETNONCLIENTMETRICS, sizeof metrics, &metrics, 0)) {
            return Font(); // the controls keep the system font
        }
        // Given for the system's DPI.
        metrics.lfMessageFont.lfHeight = MulDiv(metrics.lfMessageFont.lfHeight, dpi, systemDpi());
    }
    CHARSETINFO charset{};
    if (TranslateCharsetInfo(reinterpret_cast<DWORD*>(static_cast<std::uintptr_t>(captionCodePage)),
                             &charset, TCI_SRCCODEPAGE)) {
        metrics.lfMessageFont.lfCharSet = static_cast<BYTE>(charset.ciCharset);
    }
    return Font(CreateFontIndirectW(&metrics.lfMessageFont));
}

} // namespace lurn::win32
