#pragma once
// The splash window as designed: a borderless picture of the game's title
// with a one-second timer.

#include "app/form_definition.h"

namespace lurn {

extern const FormDefinition kSplashDefinition;

} // namespace lurn
