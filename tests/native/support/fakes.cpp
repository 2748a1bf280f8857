#include "support/fakes.h"

#include "localisation/gb_big5_api.h"
#include "settings/mod_ini_edit.h"

#include <algorithm>
#include <cctype>
#include <cstdlib>
#include <cstring>
#include <iconv.h>
#include <opencc/DictEntry.hpp>
#include <opencc/MarisaDict.hpp>

namespace lurn::test {

namespace {

// Converts between two iconv encodings; empty when the input does not
// convert.
std::optional<std::string> convert(std::string_view input, const std::string& from,
                                   const std::string& to) {
    const iconv_t cd = iconv_open(to.c_str(), from.c_str());
    std::string out(input.size() * 4 + 4, '\0');
    char* in = const_cast<char*>(input.data());
    char* next = out.data();
    std::size_t inLeft = input.size();
    std::size_t outLeft = out.size();
    const bool converted = cd != reinterpret_cast<iconv_t>(-1) &&
                           iconv(cd, &in, &inLeft, &next, &outLeft) != static_cast<size_t>(-1);
    if (cd != reinterpret_cast<iconv_t>(-1)) {
        iconv_close(cd);
    }
    out.resize(out.size() - outLeft);
    return converted ? std::optional(out) : std::nullopt;
}

// OpenCC's character tables: simplified to traditional, and back.
const opencc::Dict& characterTable(bool toTraditional) {
    static const auto traditional = opencc::SerializableDict::NewFromFile<opencc::MarisaDict>(
        LURN_OPENCC_DICTIONARIES "/STCharacters.ocd2");
    static const auto simplified = opencc::SerializableDict::NewFromFile<opencc::MarisaDict>(
        LURN_OPENCC_DICTIONARIES "/TSCharacters.ocd2");
    return toTraditional ? *traditional : *simplified;
}

// Text from bytes in an iconv encoding; empty when they do not convert.
std::optional<Text> textFrom(std::string_view bytes, const std::string& encoding) {
    const std::optional<std::string> wide = convert(bytes, encoding, "UTF-16LE");
    if (!wide) {
        return std::nullopt;
    }
    Text text(wide->size() / 2, u'\0');
    std::memcpy(text.data(), wide->data(), wide->size());
    return text;
}

// The table's first form of one UTF-16 unit where that form is one unit too;
// the unit itself otherwise.
char16_t mappedForm(const opencc::Dict& table, char16_t unit) {
    const auto entry = table.Match(utf8(TextView(&unit, 1)));
    const std::optional<Text> form =
        entry.IsNull() ? std::nullopt : textFrom(entry.Get()->GetDefault(), "UTF-8");
    return form && form->size() == 1 ? form->front() : unit;
}

// Without the spaces and tabs at either end, letters in lower case.
Text trimmed(TextView text, bool fold) {
    const std::size_t first = text.find_first_not_of(u" \t");
    Text name(first == TextView::npos ? TextView() : text.substr(first));
    name.erase(name.find_last_not_of(u" \t") + 1);
    for (char16_t& c : name) {
        c = fold && c < 128 ? static_cast<char16_t>(std::tolower(c)) : c;
    }
    return name;
}

} // namespace

MemoryProfileStore::Key MemoryProfileStore::matched(const Text& section, const Text& key) {
    return {trimmed(section, true), trimmed(key, true)};
}

Text MemoryProfileStore::value(const Text& section, const Text& key) const {
    const File& file = fileAt(kSettingsFile);
    const auto found = file.find(matched(section, key));
    return found == file.end() ? u"(none)" : found->second.value;
}

std::int32_t MemoryProfileStore::readInt(const Text& section, const Text& key,
                                         std::int32_t fallback, const Text& path) const {
    journal_.push_back("read " + utf8(section) + "/" + utf8(key));
    paths.insert(path);
    return fileAt(path).count(matched(section, key)) == 0
               ? fallback
               : static_cast<std::int32_t>(
                     std::strtol(utf8(readString(section, key, path)).c_str(), nullptr, 10));
}

bool MemoryProfileStore::writeString(const Text& section, const Text& key, const Text& value,
                                     const Text& path) const {
    journal_.push_back("write " + utf8(section) + "/" + utf8(key) + "=" + utf8(value));
    paths.insert(path);
    if (failing_.count({section, key}) != 0 || (failure == Failure::Write && key == u"VOLUME")) {
        return false;
    }
    Line& line = files[path][matched(section, key)];
    const bool cut = failure == Failure::CutValue && key == u"BATTLE_SPEED";
    line = {line.key.empty() ? section : line.section, line.key.empty() ? key : line.key,
            cut ? value.substr(0, value.size() - 1) : value};
    if (failure == Failure::LostKey || failure == Failure::Restore) {
        files[path].erase(matched(u"game", u"LEVEL"));
    }
    return true;
}

Text MemoryProfileStore::readString(const Text& section, const Text& key, const Text& path) const {
    const File file = fileAt(path);
    const auto found = file.find(matched(section, key));
    return found == file.end() ? Text() : trimmed(found->second.value, false);
}

std::vector<Text> MemoryProfileStore::sectionNames(const Text& path) const {
    std::set<Text> names;
    for (const auto& [name, line] : fileAt(path)) {
        names.insert(trimmed(line.section, false));
    }
    return {names.begin(), names.end()};
}

std::vector<Text> MemoryProfileStore::sectionLines(const Text& section, const Text& path) const {
    std::vector<Text> lines;
    for (const auto& [name, line] : fileAt(path)) {
        if (name.first == trimmed(section, true)) {
            lines.push_back(line.key + u"=" + line.value);
        }
    }
    return lines;
}

FileStep MemoryProfileStore::copy(const Text& file, const Text& copy) const {
    if (denied == Failure::Copy) {
        return FileStep::Denied;
    }
    if (failure == Failure::Copy || files.count(file) != 0) {
        files[copy] = failure == Failure::Copy ? File() : fileAt(file);
    }
    return failure == Failure::Copy ? FileStep::Failed : FileStep::Done;
}

FileStep MemoryProfileStore::replace(const Text& copy, const Text& file) const {
    if (denied == Failure::Replace || failure == Failure::Replace) {
        return denied == Failure::Replace ? FileStep::Denied : FileStep::Failed;
    }
    files[file] = fileAt(copy);
    files.erase(copy);
    return FileStep::Done;
}

std::optional<std::string> MemoryProfileStore::writableBytes(const Text& file) const {
    kept_.push_back(fileAt(file));
    return std::to_string(kept_.size() - 1);
}

bool MemoryProfileStore::rewrite(const Text& file, const std::string& bytes) const {
    if (failure == Failure::Restore) {
        return false;
    }
    files[file] = kept_.at(std::stoul(bytes));
    return true;
}

std::optional<std::string> IconvCodec::narrow(TextView text, unsigned codePage) const {
    const std::string_view bytes(reinterpret_cast<const char*>(text.data()), text.size() * 2);
    return convert(bytes, "UTF-16LE", "CP" + std::to_string(codePage));
}

std::optional<Text> IconvCodec::widen(std::string_view bytes, unsigned codePage) const {
    return textFrom(bytes, "CP" + std::to_string(codePage));
}

void OpenccScriptMapper::map(std::uint32_t, std::uint32_t flags, const char16_t* source,
                             int sourceLength, char16_t* destination, int destinationLength) const {
    if (mode == Mode::Throw) {
        throw RuntimeError{kInvalidProcedureCall, u"the mapping service is unavailable"};
    }
    if (mode == Mode::WriteNothing) {
        return;
    }
    const opencc::Dict& table = characterTable((flags & kMapTraditionalChinese) != 0);
    for (int i = 0; i < std::min(sourceLength, destinationLength); ++i) {
        destination[i] = mappedForm(table, source[i]);
    }
}

void FakeShell::message(const Text& text, const Text& title) const {
    journal_.push_back("message " + utf8(text) + " (" + utf8(title) + ")");
}

LaunchResult FakeShell::open(const Text& file, const Text& directory) const {
    journal_.push_back("open " + utf8(file) + " in " + utf8(directory));
    return launchResult;
}

void FakeShell::end(unsigned code) const {
    journal_.push_back("end " + std::to_string(code));
    throw ProcessEnded{};
}

std::string displayName(const Control& control) {
    std::string name(control.name());
    if (control.index() != kNoIndex) {
        name += "(" + std::to_string(control.index()) + ")";
    }
    return name;
}

void storeValidSettings(MemoryProfileStore& store) {
    // clang-format off
    const char16_t* const rows[][3] = {
        {u"set", u"simple", u"1"}, {u"video", u"FULLSCREEN", u"1"}, {u"system", u"SMOOTH", u"1"},
        {u"system", u"GLHR", u"2"}, {u"system", u"RESOLUTIONX", u"800"},
        {u"system", u"RESOLUTIONY", u"600"}, {u"Music", u"VOLUME", u"90"},
        {u"Music", u"VOLUMEWAV", u"45"}, {u"Music", u"SOUND3D", u"1"},
        {u"set", u"WALK_SPEED1", u"30"}, {u"set", u"WALK_SPEED2", u"60"},
        {u"set", u"BATTLE_SPEED", u"80"}, {u"game", u"LEVEL", u"3"},
    };
    // clang-format on
    for (const auto& [section, key, value] : rows) {
        store.set(section, key, value);
    }
}

void CoreTest::resetGlobals() {
    ModINIedit::IniPath.clear();
    gb_big5_api::CodePageTag.clear();
}

} // namespace lurn::test
