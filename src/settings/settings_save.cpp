#include "settings/settings_save.h"

#include "settings/mod_ini_edit.h"
#include "settings/profile_reading.h"

#include <algorithm>
#include <utility>

namespace lurn::ModINIedit {

namespace {

// A section and a key by name: names match whatever the case of their ASCII
// letters, so both are kept with those letters in lower case.
using Name = std::pair<Text, Text>;

Text folded(TextView name) {
    Text text(name);
    for (char16_t& c : text) {
        c = c >= u'A' && c <= u'Z' ? static_cast<char16_t>(c - u'A' + u'a') : c;
    }
    return text;
}

Name nameOf(const ProfileEntry& entry) {
    return {folded(entry.section), folded(entry.key)};
}

// Every key of the file and its value, as the reads return them.
std::vector<ProfileEntry> keysOf(const ProfileStore& profile, const Text& path) {
    std::vector<ProfileEntry> entries;
    for (const Text& section : profile.sectionNames(path)) {
        for (const Text& key : profile.keyNames(section, path)) {
            entries.push_back({section, key, profile.readString(section, key, path)});
        }
    }
    return entries;
}

// The values of the entries by name, sorted, so that a file of many
// thousand keys is checked in n log n.
using Values = std::vector<std::pair<Name, Text>>;

Values byName(const std::vector<ProfileEntry>& entries) {
    Values values;
    values.reserve(entries.size());
    for (const ProfileEntry& entry : entries) {
        values.emplace_back(nameOf(entry), entry.value);
    }
    std::stable_sort(values.begin(), values.end(),
                     [](const auto& a, const auto& b) { return a.first < b.first; });
    return values;
}

// The value of the entry's key among `values`; null when it has none.
const Text* valueIn(const Values& values, const ProfileEntry& entry) {
    const Name name = nameOf(entry);
    const auto found =
        std::lower_bound(values.begin(), values.end(), name,
                         [](const auto& value, const Name& n) { return value.first < n; });
    return found != values.end() && found->first == name ? &found->second : nullptr;
}

} // namespace

Text workingCopyOf(const Text& settingsFile) {
    return settingsFile + u".saving";
}

SettingsSave::SettingsSave(const ProfileStore& profile, const SettingsFileCopies& files)
    : profile_(profile), files_(files), file_(IniPath), copy_(workingCopyOf(IniPath)),
      before_(keysOf(profile, IniPath)) {
    files_.remove(copy_);
    const FileStep copied = files_.copy(file_, copy_);
    failed_ = copied == FileStep::Failed;
    if (copied == FileStep::Denied) {
        beginInPlace();
    }
}

SettingsSave::~SettingsSave() {
    if (!completed_) {
        files_.remove(copy_);
    }
}

void SettingsSave::beginInPlace() {
    inPlace_ = true;
    earlier_ = files_.writableBytes(file_);
    failed_ = !earlier_;
}

bool SettingsSave::write(const Text& section, const Text& key, const Text& value) {
    writes_.push_back({section, key, value});
    if (!failed_) {
        failed_ = !profile_.writeString(section, key, value, inPlace_ ? file_ : copy_);
    }
    return !failed_;
}

bool SettingsSave::finish() {
    if (!inPlace_) {
        const FileStep step = !failed_ && files_.flush(copy_) && holdsTheSave(copy_)
                                  ? files_.replace(copy_, file_)
                                  : FileStep::Failed;
        completed_ = step == FileStep::Done;
        if (step != FileStep::Denied) {
            return completed_;
        }
        // The copy holds the save but may not take the file's place: the
        // same writes go to the file itself.
        files_.remove(copy_);
        beginInPlace();
        for (const ProfileEntry& w : writes_) {
            failed_ = failed_ || !profile_.writeString(w.section, w.key, w.value, file_);
        }
    }
    completed_ = !failed_ && files_.flush(file_) && holdsTheSave(file_);
    if (!completed_ && earlier_) {
        files_.rewrite(file_, *earlier_);
    }
    return completed_;
}

// A write that ran out of room may still report success, with the file cut
// short: so every value written, and every other key that the settings file
// had, must read back from `path` as it lies on the disk. Both are read as
// the game reads them, key by key: the format of a listing of whole lines,
// which Windows returns as they stand in the file, never enters.
bool SettingsSave::holdsTheSave(const Text& path) const {
    const Values after = byName(keysOf(profile_, path));
    const Values written = byName(writes_);
    const auto reads = [&](const ProfileEntry& entry, TextView value) {
        const Text* read = valueIn(after, entry);
        return read != nullptr && *read == value;
    };
    return std::all_of(writes_.begin(), writes_.end(),
                       [&](const ProfileEntry& w) { return reads(w, valueAsRead(w.value)); }) &&
           std::all_of(before_.begin(), before_.end(), [&](const ProfileEntry& e) {
               return valueIn(written, e) != nullptr || reads(e, e.value);
           });
}

} // namespace lurn::ModINIedit
