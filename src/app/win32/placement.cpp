#include "app/win32/placement.h"

#include <algorithm>

namespace lurn::win32 {

RECT centredOn(const RECT& area, int width, int height) {
    const int left = area.left + (area.right - area.left - width) / 2;
    const int top = area.top + (area.bottom - area.top - height) / 2;
    return RECT{left, top, left + width, top + height};
}

RECT openingPlace(int width, int height) {
    MONITORINFO monitor{};
    monitor.cbSize = sizeof monitor;
    if (!GetMonitorInfoW(MonitorFromPoint(POINT{0, 0}, MONITOR_DEFAULTTOPRIMARY), &monitor)) {
        SystemParametersInfoW(SPI_GETWORKAREA, 0, &monitor.rcWork, 0);
    }
    const RECT& work = monitor.rcWork;
    const RECT place = centredOn(work, width, height);
    const int left = std::max(place.left, work.left);
    const int top = std::max(place.top, work.top);
    return RECT{left, top, left + width, top + height};
}

} // namespace lurn::win32
