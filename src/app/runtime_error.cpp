#include "app/runtime_error.h"

namespace lurn {

Text errorReportText(const RuntimeError& error) {
    static constexpr char16_t kHexDigits[] = u"0123456789ABCDEF";
    const auto bits = static_cast<std::uint32_t>(error.number);
    Text hex;
    for (int shift = 28; shift >= 0; shift -= 4) {
        hex.push_back(kHexDigits[(bits >> shift) & 0xF]);
    }
    return u"Error " + decimalText(error.number) + u" (0x" + hex + u")\r\n\r\n" + error.description;
}

} // namespace lurn
