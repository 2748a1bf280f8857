#pragma once
// ModXp: initialises the common-controls library so that the controls are
// drawn in the system's visual style (the manifest asks for version 6).

namespace lurn::ModXp {

// True when the library and its entry point were found and called; any
// failure gives false and is never reported.
bool InitVisualStyles() noexcept;

} // namespace lurn::ModXp
