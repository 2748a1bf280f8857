#pragma once
// Decimal numbers and doubles, exactly: the double nearest to a decimal
// number, and the decimal digits of a whole double. The C library has both
// (strtod, printf), but in the Windows build its code for them is some
// 40 KiB, a tenth of the program.

#include <string>
#include <string_view>

namespace lurn {

// The double nearest to digits x 10^exponent, the even one of two equally
// near; infinity beyond the largest double. The digits are '0' to '9' only,
// as many as there are.
double decimalToDouble(std::string_view digits, long exponent);

// The decimal digits of a whole, finite, positive double, the first of them
// not 0.
std::string wholeDigits(double value);

} // namespace lurn
