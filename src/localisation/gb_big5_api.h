#pragma once
// gb_big5_api: the caption conversion between simplified and traditional
// Chinese across the GBK and Big5 code pages. The window's captions are
// designed in GBK; on a system whose default language is not Chinese (PRC)
// they are converted once, while the window loads.

#include "app/form_model.h"
#include "app/ports.h"
#include "app/text.h"

#include <cstdint>
#include <string_view>

namespace lurn::gb_big5_api {

// "GBK" or "BIG5" once the language has been detected; empty before.
extern Text CodePageTag;

inline constexpr std::uint16_t kLanguageChinesePrc = 2052;

// The operating-system services the conversion uses.
struct Converters {
    const TextCodec& codec;
    const ScriptMapper& mapper;
};

// Sets CodePageTag from the system's default language: "GBK" for Chinese
// (PRC), "BIG5" for every other language.
void DetectLanguage(const SystemInfo& system);

// Direction 2: map to traditional forms, then read the Big5 bytes as GBK.
// Direction 1: read the GBK bytes as Big5, then map to simplified forms.
// Any other direction gives the empty text. A failing step is skipped.
Text ConvertScript(const Converters& converters, TextView text, std::int16_t direction);

// Widens narrow text with the system's code page, then applies direction 2
// when CodePageTag is "BIG5".
Text NarrowToWide(const Converters& converters, std::string_view bytes);

// Converts one caption or tooltip text (unchanged when CodePageTag is "GBK").
Text ConvertText(const Converters& converters, const Text& text);

// Converts the captions and tooltips of one control in place.
void ConvertControl(const Converters& converters, Control& control);

// The conversion pass: every control of the collection, in order.
void ConvertForm(const Converters& converters, Form& form);

} // namespace lurn::gb_big5_api
