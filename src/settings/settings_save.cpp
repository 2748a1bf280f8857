#include "settings/settings_save.h"

#include "settings/mod_ini_edit.h"

#include <algorithm>

namespace lurn::ModINIedit {

namespace {

// Section and key names match whatever the case of their ASCII letters.
bool sameName(TextView a, TextView b) {
    const auto folded = [](char16_t c) {
        return c >= u'A' && c <= u'Z' ? static_cast<char16_t>(c - u'A' + u'a') : c;
    };
    return std::equal(a.begin(), a.end(), b.begin(), b.end(),
                      [&](char16_t x, char16_t y) { return folded(x) == folded(y); });
}

// The value of the first key of that name in the first section of that
// name, as a read finds it; null when there is none.
const Text* valueIn(const std::vector<ProfileEntry>& entries, TextView section, TextView key) {
    const auto found = std::find_if(entries.begin(), entries.end(), [&](const ProfileEntry& e) {
        return sameName(e.section, section) && sameName(e.key, key);
    });
    return found == entries.end() ? nullptr : &found->value;
}

// A value as a read returns it: without the blanks at either end.
Text asRead(const Text& value) {
    const std::size_t first = value.find_first_not_of(u" \t");
    if (first == Text::npos) {
        return Text();
    }
    return value.substr(first, value.find_last_not_of(u" \t") - first + 1);
}

} // namespace

Text workingCopyOf(const Text& settingsFile) {
    return settingsFile + u".saving";
}

SettingsSave::SettingsSave(const ProfileStore& profile, const SettingsFileCopies& files)
    : profile_(profile), files_(files), file_(IniPath), copy_(workingCopyOf(IniPath)) {
    files_.remove(copy_);
    failed_ = !files_.copy(file_, copy_);
}

SettingsSave::~SettingsSave() {
    if (!replaced_) {
        files_.remove(copy_);
    }
}

bool SettingsSave::write(const Text& section, const Text& key, const Text& value) {
    if (!failed_) {
        failed_ = !profile_.writeString(section, key, value, copy_);
        writes_.push_back({section, key, value});
    }
    return !failed_;
}

bool SettingsSave::finish() {
    replaced_ =
        !failed_ && files_.flush(copy_) && copyHoldsTheSave() && files_.replace(copy_, file_);
    failed_ = !replaced_;
    return replaced_;
}

// A write that ran out of room may still report success, with the copy cut
// short: so every value written, and every other key of the file, must read
// back from the copy as it lies on the disk.
bool SettingsSave::copyHoldsTheSave() const {
    const std::vector<ProfileEntry> before = files_.entries(file_);
    const std::vector<ProfileEntry> after = files_.entries(copy_);
    const auto written = [&](const ProfileEntry& entry) {
        return std::any_of(writes_.begin(), writes_.end(), [&](const ProfileEntry& w) {
            return sameName(w.section, entry.section) && sameName(w.key, entry.key);
        });
    };
    const bool writesRead = std::all_of(writes_.begin(), writes_.end(), [&](const ProfileEntry& w) {
        const Text* value = valueIn(after, w.section, w.key);
        return value != nullptr && *value == asRead(w.value);
    });
    return writesRead && std::all_of(before.begin(), before.end(), [&](const ProfileEntry& e) {
               const Text* value = valueIn(after, e.section, e.key);
               return written(e) ||
                      (value != nullptr && *value == *valueIn(before, e.section, e.key));
           });
}

} // namespace lurn::ModINIedit
