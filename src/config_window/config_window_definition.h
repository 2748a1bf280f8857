#pragma once
// The configuration window as designed: its own settings, its 43 controls
// in the order of the window's control collection, and the labels that name
// its text boxes and scroll bars.

#include "app/form_definition.h"

namespace lurn {

extern const FormDefinition kConfigWindowDefinition;

} // namespace lurn
