#pragma once
// The configuration window as designed: its own settings and its 42
// controls, in the order of the window's control collection.

#include "app/form_definition.h"

namespace lurn {

extern const FormDefinition kConfigWindowDefinition;

} // namespace lurn
