#pragma once
// The program's one error type. It carries a number and a description, and
// passes out through every handler to the top level, which reports it and
// ends the process.

#include "app/text.h"

#include <cstdint>

namespace lurn {

struct RuntimeError {
    std::int32_t number;
    Text description;
};

// A control refused a value that was assigned to it.
inline constexpr std::int32_t kInvalidPropertyValue = 380;
// A setting is missing from the settings file.
inline constexpr std::int32_t kSettingNotFound = static_cast<std::int32_t>(0x80040001u);
// An operating-system conversion that cannot fail did.
inline constexpr std::int32_t kInvalidProcedureCall = 5;

// The text of the top-level report: "Error <decimal> (0x<hex>)", a blank
// line, then the description.
Text errorReportText(const RuntimeError& error);

} // namespace lurn
