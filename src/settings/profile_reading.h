#pragma once
// How the operating system's profile functions read back a value that the
// program writes: a save must never store a text that the next load would
// take for a missing setting.

#include "app/text.h"

namespace lurn {

// True when `text`, once written under a key and read back as a whole
// number, cannot be told from a missing key: nothing is left of it but
// blanks or quotes, or its number reads as the missing-setting value.
bool readsAsMissing(TextView text);

// A value as a read of its key returns it: without the blanks at either end,
// and without a pair of matching quotes around it.
TextView valueAsRead(TextView text);

} // namespace lurn
