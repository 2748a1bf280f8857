#include "support/fakes.h"

#include "localisation/gb_big5_api.h"
#include "settings/mod_ini_edit.h"

#include <algorithm>
#include <cerrno>
#include <cstdlib>
#include <cstring>
#include <iconv.h>
#include <iterator>
#include <stdexcept>

namespace lurn::test {

namespace {

// Converts between two iconv encodings; an input unit that cannot be
// converted is skipped and `replacement` is written in its place.
std::string convert(std::string_view input, const std::string& from, const std::string& to,
                    std::size_t unit, std::string_view replacement) {
    iconv_t cd = iconv_open(to.c_str(), from.c_str());
    if (cd == reinterpret_cast<iconv_t>(-1)) {
        throw std::runtime_error("iconv cannot convert " + from + " to " + to);
    }
    std::string out;
    char* in = const_cast<char*>(input.data());
    std::size_t inLeft = input.size();
    while (inLeft > 0) {
        char buffer[256];
        char* next = buffer;
        std::size_t outLeft = sizeof buffer;
        const bool failed = iconv(cd, &in, &inLeft, &next, &outLeft) == static_cast<size_t>(-1);
        out.append(buffer, static_cast<std::size_t>(next - buffer));
        if (failed && errno != E2BIG) {
            out += replacement;
            const std::size_t skip = std::min(unit, inLeft);
            in += skip;
            inLeft -= skip;
        }
    }
    iconv_close(cd);
    return out;
}

constexpr std::pair<char16_t, char16_t> kTraditionalOf[] = {
    {u'设', u'設'}, {u'置', u'置'}, {u'系', u'系'}, {u'统', u'統'},
    {u'游', u'遊'}, {u'戏', u'戲'}, {u'体', u'體'},
};

Text mapAll(TextView text, bool toTraditional) {
    Text out(text);
    for (char16_t& c : out) {
        for (const auto& [simplified, traditional] : kTraditionalOf) {
            if (c == (toTraditional ? simplified : traditional)) {
                c = toTraditional ? traditional : simplified;
                break;
            }
        }
    }
    return out;
}

} // namespace

MemoryProfileStore::Key MemoryProfileStore::fold(Text section, Text key) {
    for (Text* text : {&section, &key}) {
        for (char16_t& c : *text) {
            c = c >= u'A' && c <= u'Z' ? static_cast<char16_t>(c - u'A' + u'a') : c;
        }
    }
    return {section, key};
}

std::optional<Text> MemoryProfileStore::value(const Text& section, const Text& key) const {
    const auto found = values_.find(fold(section, key));
    return found == values_.end() ? std::nullopt : std::optional<Text>(found->second);
}

std::vector<MemoryProfileStore::Call> MemoryProfileStore::callsOf(bool write) const {
    std::vector<Call> out;
    std::copy_if(calls.begin(), calls.end(), std::back_inserter(out),
                 [write](const Call& call) { return call.write == write; });
    return out;
}

std::int32_t MemoryProfileStore::readInt(const Text& section, const Text& key,
                                         std::int32_t fallback, const Text& path) const {
    calls.push_back({false, section, key, decimalText(fallback), path});
    const std::optional<Text> text = value(section, key);
    return text ? static_cast<std::int32_t>(std::strtol(utf8(*text).c_str(), nullptr, 10))
                : fallback;
}

bool MemoryProfileStore::writeString(const Text& section, const Text& key, const Text& value,
                                     const Text& path) const {
    calls.push_back({true, section, key, value, path});
    if (journal) {
        journal->push_back("write " + utf8(section) + "/" + utf8(key));
    }
    if (failAll_ || failing_.count(fold(section, key)) != 0) {
        return false;
    }
    values_[fold(section, key)] = value;
    return true;
}

std::optional<std::string> IconvCodec::narrow(TextView text, unsigned codePage) const {
    const std::string_view bytes(reinterpret_cast<const char*>(text.data()), text.size() * 2);
    return convert(bytes, "UTF-16LE", "CP" + std::to_string(codePage), 2, "?");
}

std::optional<Text> IconvCodec::widen(std::string_view bytes, unsigned codePage) const {
    const std::string wide =
        convert(bytes, "CP" + std::to_string(codePage), "UTF-16LE", 1, "\xFD\xFF");
    Text text(wide.size() / 2, u'\0');
    std::memcpy(text.data(), wide.data(), wide.size());
    return text;
}

Text FakeScriptMapper::traditional(TextView text) {
    return mapAll(text, true);
}

Text FakeScriptMapper::simplified(TextView text) {
    return mapAll(text, false);
}

void FakeScriptMapper::map(std::uint32_t locale, std::uint32_t flags, const char16_t* source,
                           int sourceLength, char16_t* destination, int destinationLength) const {
    const TextView input(source, static_cast<std::size_t>(sourceLength));
    calls.push_back({locale, flags, Text(input), destinationLength});
    if (mode == Mode::Throw) {
        throw RuntimeError{kInvalidProcedureCall, u"the mapping service is unavailable"};
    }
    if (mode == Mode::Map) {
        const Text mapped = mapAll(input, (flags & kMapTraditionalChinese) != 0);
        std::copy_n(mapped.begin(), std::min(sourceLength, destinationLength), destination);
    }
}

void FakeShell::message(const Text& text, const Text& title) const {
    shown.emplace_back(text, title);
    journal_.push_back("message " + utf8(text));
}

std::intptr_t FakeShell::open(const Text& file, const Text& directory) const {
    opened.emplace_back(file, directory);
    journal_.push_back("open " + utf8(file));
    return launchResult;
}

void FakeShell::end(unsigned code) const {
    exitCode = code;
    journal_.push_back("end " + std::to_string(code));
    throw ProcessEnded{code};
}

std::string displayName(const Control& control) {
    std::string name(control.name());
    if (control.index() != kNoIndex) {
        name += "(" + std::to_string(control.index()) + ")";
    }
    return name;
}

std::vector<std::string> RecordingView::of(std::initializer_list<ControlProperty> wanted) const {
    std::vector<std::string> names;
    for (const auto& [name, property] : changes) {
        if (std::find(wanted.begin(), wanted.end(), property) != wanted.end()) {
            names.push_back(name);
        }
    }
    return names;
}

const SettingKey kSettingKeys[12] = {
    {u"set", u"simple"},      {u"video", u"FULLSCREEN"},   {u"system", u"SMOOTH"},
    {u"system", u"GLHR"},     {u"system", u"RESOLUTIONX"}, {u"system", u"RESOLUTIONY"},
    {u"Music", u"VOLUME"},    {u"Music", u"VOLUMEWAV"},    {u"Music", u"SOUND3D"},
    {u"set", u"WALK_SPEED1"}, {u"set", u"WALK_SPEED2"},    {u"set", u"BATTLE_SPEED"},
};

const std::int32_t kValidValues[12] = {1, 1, 1, 1, 800, 600, 90, 45, 1, 30, 60, 80};

void storeValidSettings(MemoryProfileStore& store) {
    for (std::size_t i = 0; i < std::size(kSettingKeys); ++i) {
        store.set(kSettingKeys[i].section, kSettingKeys[i].key, kValidValues[i]);
    }
}

void CoreTest::resetGlobals() {
    ModINIedit::IniPath.clear();
    gb_big5_api::CodePageTag.clear();
}

} // namespace lurn::test
