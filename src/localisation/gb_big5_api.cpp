#include "localisation/gb_big5_api.h"

#include "app/runtime_error.h"

#include <new>
#include <optional>
#include <string>

namespace lurn::gb_big5_api {

Text CodePageTag;

namespace {

const Text kTagGbk = u"GBK";
const Text kTagBig5 = u"BIG5";

// Runs one step of ConvertScript; a step that fails leaves its target as it
// was and the chain goes on.
template <typename Step> void guardedStep(Step&& step) {
    try {
        step();
    } catch (const RuntimeError&) {
    } catch (const std::bad_alloc&) {
    }
}

std::string narrowOrRaise(const TextCodec& codec, TextView text, unsigned codePage) {
    std::optional<std::string> bytes = codec.narrow(text, codePage);
    if (!bytes) {
        throw RuntimeError{kInvalidProcedureCall,
                           u"Text cannot be narrowed with code page " + decimalText(codePage)};
    }
    return *bytes;
}

Text widenOrRaise(const TextCodec& codec, std::string_view bytes, unsigned codePage) {
    std::optional<Text> text = codec.widen(bytes, codePage);
    if (!text) {
        throw RuntimeError{kInvalidProcedureCall,
                           u"Text cannot be widened with code page " + decimalText(codePage)};
    }
    return *text;
}

void mapInto(const ScriptMapper& mapper, std::uint32_t locale, std::uint32_t flags, TextView source,
             Text& destination) {
    mapper.map(locale, flags, source.data(), static_cast<int>(source.size()), destination.data(),
               static_cast<int>(destination.size()));
}

// Whether Big5 holds the character: it comes back from its Big5 bytes.
bool big5Holds(const TextCodec& codec, char16_t character) {
    const std::optional<std::string> bytes = codec.narrow(TextView(&character, 1), kCodePageBig5);
    const std::optional<Text> back = bytes ? codec.widen(*bytes, kCodePageBig5) : std::nullopt;
    return back && back->size() == 1 && back->front() == character;
}

// The traditional form replaces only a character that Big5 lacks. A
// character that Big5 holds keeps its own bytes, which the chain reads back
// as GBK: the captions arrive as the Big5 reading of their stored GBK bytes,
// and a form that the mapping gives such a reading (離 for 离, the reading of
// the stored 置) reads back as another character (瞒). A position that the
// mapping left U+0000 (it failed, or wrote nothing) keeps its character too.
void keepBig5Characters(const TextCodec& codec, TextView source, Text& mapped) {
    for (std::size_t i = 0; i < mapped.size() && i < source.size(); ++i) {
        if (mapped[i] == u'\0' || big5Holds(codec, source[i])) {
            mapped[i] = source[i];
        }
    }
}

} // namespace

unsigned windowCodePage(std::uint16_t language) {
    return language == kLanguageChinesePrc ? kCodePageGbk : kCodePageBig5;
}

void DetectLanguage(const SystemInfo& system) {
    CodePageTag = windowCodePage(system.defaultLanguage()) == kCodePageGbk ? kTagGbk : kTagBig5;
}

Text ConvertScript(const Converters& converters, TextView text, std::int16_t direction) {
    const TextCodec& codec = converters.codec;
    if (direction == 2) {
        Text buffer;
        std::string big5;
        Text result;
        guardedStep([&] { buffer.assign(text.size(), u'\0'); });
        guardedStep([&] {
            mapInto(converters.mapper, kLocaleChineseTaiwan, kMapTraditionalChinese, text, buffer);
        });
        guardedStep([&] { keepBig5Characters(codec, text, buffer); });
        guardedStep([&] {
            if (auto bytes = codec.narrow(buffer, kCodePageBig5)) {
                big5 = std::move(*bytes);
            }
        });
        guardedStep([&] {
            if (auto wide = codec.widen(big5, kCodePageGbk)) {
                result = std::move(*wide);
            }
        });
        return result;
    }
    if (direction == 1) {
        std::string gbk;
        Text readAsBig5;
        Text result;
        guardedStep([&] {
            if (auto bytes = codec.narrow(text, kCodePageGbk)) {
                gbk = std::move(*bytes);
            }
        });
        guardedStep([&] {
            if (auto wide = codec.widen(gbk, kCodePageBig5)) {
                readAsBig5 = std::move(*wide);
            }
        });
        guardedStep([&] { result.assign(readAsBig5.size(), u'\0'); });
        guardedStep([&] {
            mapInto(converters.mapper, kLocaleChinesePrc, kMapSimplifiedChinese, readAsBig5,
                    result);
        });
        return result;
    }
    return Text();
}

Text NarrowToWide(const Converters& converters, std::string_view bytes) {
    if (bytes.empty()) {
        return Text();
    }
    const std::string copy(bytes.begin(), bytes.end());
    Text text = widenOrRaise(converters.codec, copy, converters.windowCodePage);
    if (CodePageTag == kTagBig5) {
        text = ConvertScript(converters, text, 2);
    }
    return text;
}

Text ConvertText(const Converters& converters, const Text& text) {
    if (CodePageTag == kTagGbk) {
        return text;
    }
    return NarrowToWide(converters,
                        narrowOrRaise(converters.codec, text, converters.windowCodePage));
}

void ConvertControl(const Converters& converters, Control& control) {
    const auto convertCaption = [&] {
        control.setCaption(ConvertText(converters, control.caption()));
    };
    const auto convertToolTip = [&] {
        control.setToolTipText(ConvertText(converters, control.toolTipText()));
    };
    if (control.is(ControlKind::MenuItem)) {
        convertCaption();
    }
    if (control.is(ControlKind::CommandButton)) {
        convertCaption();
        convertToolTip();
    }
    if (control.is(ControlKind::Label)) {
        convertCaption();
        convertToolTip();
    }
    if (control.is(ControlKind::CheckBox)) {
        convertCaption();
    }
    if (control.is(ControlKind::OptionButton)) {
        convertCaption();
    }
    if (control.is(ControlKind::Frame)) {
        convertCaption();
    }
    if (control.is(ControlKind::PictureBox)) {
        convertToolTip();
    }
    if (control.is(ControlKind::ListBox)) {
        convertToolTip();
    }
}

void ConvertForm(const Converters& converters, Form& form) {
    const std::size_t count = form.count();
    for (std::size_t position = 0; position < count; ++position) {
        ConvertControl(converters, form.at(position));
    }
}

} // namespace lurn::gb_big5_api
