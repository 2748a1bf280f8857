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

// The code page the window's captions are read in: GBK on a Chinese (PRC)
// system, Big5 on every other. On Chinese (PRC) and Chinese (Taiwan) systems
// it is the system's own ANSI code page; elsewhere the stored GBK bytes would
// not survive the system's code page, so the window reads as on a Taiwanese
// system instead. It decodes the stored captions and serves both the
// narrowing in ConvertText and the widening in NarrowToWide.
unsigned windowCodePage(std::uint16_t language);

// The operating-system services the conversion uses, and the window code
// page it narrows and widens with.
struct Converters {
    const TextCodec& codec;
    const ScriptMapper& mapper;
    unsigned windowCodePage;
};

// Sets CodePageTag to the name of the window code page of the system's
// default language: "GBK" for Chinese (PRC), "BIG5" for every other.
void DetectLanguage(const SystemInfo& system);

// Direction 2: map the characters that Big5 lacks to traditional forms, then
// read the Big5 bytes as GBK; a character that Big5 holds keeps its bytes, so
// the Big5 reading of GBK text comes back as that text whatever the mapping
// does. Direction 1: read the GBK bytes as Big5, then map to simplified
// forms. Any other direction gives the empty text. A failing step is skipped.
Text ConvertScript(const Converters& converters, TextView text, std::int16_t direction);

// Widens narrow text with the window code page, then applies direction 2
// when CodePageTag is "BIG5".
Text NarrowToWide(const Converters& converters, std::string_view bytes);

// Converts one caption or tooltip text (unchanged when CodePageTag is "GBK").
Text ConvertText(const Converters& converters, const Text& text);

// Converts the captions and tooltips of one control in place.
void ConvertControl(const Converters& converters, Control& control);

// The conversion pass: every control of the collection, in order.
void ConvertForm(const Converters& converters, Form& form);

} // namespace lurn::gb_big5_api
