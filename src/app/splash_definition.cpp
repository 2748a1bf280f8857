#include "app/splash_definition.h"

#include "resources/resource_ids.h"

#include <array>

namespace lurn {

namespace {

// The picture is 85 pixels high and the window 83: its bottom two rows lie
// outside the client area.
constexpr std::array<ControlDefinition, 2> kControls{{
    {ControlKind::Timer,
     "Timer1",
     kNoIndex,
     nullptr,
     nullptr,
     {0, 0, 0, 0},
     kNoTabIndex,
     0,
     0,
     0,
     1000},
    {ControlKind::Image,
     "Image1",
     kNoIndex,
     nullptr,
     nullptr,
     {0, 0, 5385, 1275},
     kNoTabIndex,
     0,
     0,
     0,
     0,
     IDB_TITLE},
}};

} // namespace

const FormDefinition kSplashDefinition{
    "Splash", "Form1", 5385, 1245, BorderStyle::None, false, 0, kControls,
};

} // namespace lurn
