// Win32Form's z-order, which a screen reader follows when it reads a window
// or moves from one control to the next: within each container the order in
// which a player reads it, rows from the top and each row from the left,
// with each label that names a control right before that control. Where two
// controls overlap, the one made first is seen, as before.

#include "app/win32/win32_form.h"

#include "app/win32/win32_form_internal.h"

#include <algorithm>

namespace lurn::win32 {

namespace {

int middle(const TwipsRect& rect) {
    return rect.top + rect.height / 2;
}

bool across(int y, const TwipsRect& rect) {
    return y >= rect.top && y < rect.top + rect.height;
}

// Two controls on one row: the middle of each lies across the other.
bool oneRow(const TwipsRect& a, const TwipsRect& b) {
    return across(middle(a), b) && across(middle(b), a);
}

// Sorts by `key`, equal ones kept in their order: a container holds a few
// controls, and an insertion sort is a fraction of the library's stable
// sort in the program.
template <typename Key> void sortBy(std::vector<std::size_t>& items, Key key) {
    for (std::size_t i = 1; i < items.size(); ++i) {
        for (std::size_t j = i; j > 0 && key(items[j]) < key(items[j - 1]); --j) {
            std::swap(items[j], items[j - 1]);
        }
    }
}

} // namespace

// A row is the control not yet read whose middle is highest, and every
// other one on its row.
std::vector<std::size_t> Win32Form::readingOrder(const Control* container) const {
    const FormDefinition& definition = form_.definition();
    const auto rect = [this](std::size_t position) {
        return form_.at(position).definition().rect;
    };
    const auto names = [&](std::size_t position) {
        return std::any_of(
            definition.labels.begin(), definition.labels.end(),
            [&](const ControlLabel& named) { return form_.at(position).name() == named.label; });
    };
    std::vector<std::size_t> rest;
    for (std::size_t position = 0; position < form_.count(); ++position) {
        if (children_[position] != nullptr && form_.at(position).container() == container &&
            !names(position)) {
            rest.push_back(position);
        }
    }
    sortBy(rest, [&](std::size_t position) { return middle(rect(position)); });
    std::vector<std::size_t> order;
    while (!rest.empty()) {
        const std::size_t first = rest.front();
        std::vector<std::size_t> row;
        std::vector<std::size_t> later;
        for (const std::size_t position : rest) {
            (position == first || oneRow(rect(first), rect(position)) ? row : later)
                .push_back(position);
        }
        sortBy(row, [&](std::size_t position) { return rect(position).left; });
        order.insert(order.end(), row.begin(), row.end());
        rest = later;
    }
    for (const ControlLabel& named : definition.labels) {
        const auto control =
            std::find(order.begin(), order.end(), positionOf(form_.control(named.control)));
        if (control != order.end() && form_.control(named.label).container() == container) {
            order.insert(control, positionOf(form_.control(named.label)));
        }
    }
    return order;
}

void Win32Form::orderForReading() {
    std::vector<const Control*> containers{nullptr};
    for (std::size_t position = 0; position < form_.count(); ++position) {
        const Control& control = form_.at(position);
        if (control.is(ControlKind::Frame) || control.is(ControlKind::PictureBox)) {
            containers.push_back(&control);
        }
    }
    for (const Control* container : containers) {
        HWND previous = HWND_TOP;
        for (const std::size_t position : readingOrder(container)) {
            SetWindowPos(children_[position], previous, 0, 0, 0, 0,
                         SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
            previous = children_[position];
        }
    }
}

// Each control is cut by the controls made before it that it overlaps, so
// that those are seen there whatever the z-order; the cut is made again at
// each DPI.
void Win32Form::showOverlapsAsMade() {
    for (std::size_t position = 0; position < children_.size(); ++position) {
        const HWND child = children_[position];
        RECT own{};
        if (child == nullptr || GetWindowRect(child, &own) == FALSE) {
            continue;
        }
        Region shown;
        for (std::size_t earlier = 0; earlier < position; ++earlier) {
            RECT other{};
            RECT overlap{};
            if (children_[earlier] == nullptr ||
                GetParent(children_[earlier]) != GetParent(child) ||
                GetWindowRect(children_[earlier], &other) == FALSE ||
                IntersectRect(&overlap, &own, &other) == FALSE) {
                continue;
            }
            if (!shown) {
                shown.reset(CreateRectRgn(0, 0, own.right - own.left, own.bottom - own.top));
            }
            OffsetRect(&overlap, -own.left, -own.top);
            const Region cut(CreateRectRgnIndirect(&overlap));
            CombineRgn(shown.get(), shown.get(), cut.get(), RGN_DIFF);
        }
        RECT box{};
        if ((shown || GetWindowRgnBox(child, &box) != ERROR) &&
            SetWindowRgn(child, shown.get(), FALSE) != 0) {
            shown.release(); // the system's now
        }
    }
}

} // namespace lurn::win32
