#pragma once
// The aspect lock's rule: the height is the width divided by 64 and
// multiplied by 48 (4:3), rounded down.

#include "app/text.h"

namespace lurn {

// Reads a text as a number: blanks, tabs and line feeds anywhere are
// dropped; then an optional sign, digits, an optional fraction after a
// period and an optional exponent, read up to the first character that
// cannot continue the number; "&H" and "&O" read hexadecimal and octal
// digits. A text that does not begin with a number, or whose number a
// double cannot hold, reads as 0.
double readNumber(TextView text);

// Decimal text of floor(width / 64 * 48). Heights of more than 15 digits
// are shown in the general form of a double, such as 7.5E+19.
Text derivedHeight(TextView widthText);

// The general text form of a whole-valued double: plain digits below 1E15,
// otherwise up to 15 significant digits and an exponent ("7.5E+19").
Text wholeNumberText(double value);

} // namespace lurn
