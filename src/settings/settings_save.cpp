#include "settings/settings_save.h"

#include "settings/mod_ini_edit.h"
#include "settings/profile_reading.h"

#include <algorithm>
#include <utility>

namespace lurn::ModINIedit {

namespace {

// A section and a key by name: names match whatever the case of their ASCII
// letters and the blanks around them, so both are kept trimmed and with
// those letters in lower case.
using Name = std::pair<Text, Text>;

Text folded(TextView name) {
    const std::size_t first = name.find_first_not_of(u" \t");
    Text text(first == TextView::npos ? TextView() : name.substr(first));
    text.erase(text.find_last_not_of(u" \t") + 1);
    for (char16_t& c : text) {
        c = c >= u'A' && c <= u'Z' ? static_cast<char16_t>(c - u'A' + u'a') : c;
    }
    return text;
}

// The names written, sorted, so that each line of a file of many thousand
// keys is looked up in log n.
std::vector<Name> sortedNames(const std::vector<ProfileEntry>& writes) {
    std::vector<Name> names;
    for (const ProfileEntry& write : writes) {
        names.emplace_back(folded(write.section), folded(write.key));
    }
    std::sort(names.begin(), names.end());
    return names;
}

// The lines of a section that hold no key of `written`, sorted. A line's
// key is the text before its first '=', on every system.
std::vector<Text> untouchedLines(std::vector<Text> lines, const Text& section,
                                 const std::vector<Name>& written) {
    const Text sectionName = folded(section);
    lines.erase(
        std::remove_if(
            lines.begin(), lines.end(),
            [&](const Text& line) {
                const Name name{sectionName, folded(TextView(line).substr(0, line.find(u'=')))};
                return std::binary_search(written.begin(), written.end(), name);
            }),
        lines.end());
    std::sort(lines.begin(), lines.end());
    return lines;
}

} // namespace

Text workingCopyOf(const Text& settingsFile) {
    return settingsFile + u".saving";
}

SettingsSave::SettingsSave(const ProfileStore& profile, const SettingsFileCopies& files)
    : profile_(profile), files_(files), file_(IniPath), copy_(workingCopyOf(IniPath)), before_([&] {
          std::vector<SectionLines> sections;
          for (const Text& section : profile.sectionNames(IniPath)) {
              sections.push_back({section, profile.sectionLines(section, IniPath)});
          }
          return sections;
      }()) {
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

SaveEnd SettingsSave::finish() {
    if (!inPlace_) {
        const FileStep step = !failed_ && files_.flush(copy_) && holdsTheSave(copy_)
                                  ? files_.replace(copy_, file_)
                                  : FileStep::Failed;
        completed_ = step == FileStep::Done;
        if (step != FileStep::Denied) {
            return completed_ ? SaveEnd::Completed : SaveEnd::Failed;
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
    if (completed_) {
        return SaveEnd::Completed;
    }
    return !earlier_ || files_.rewrite(file_, *earlier_) ? SaveEnd::Failed : SaveEnd::NotRestored;
}

// A write that ran out of room may still report success, with the file cut
// short: so `path`, as it lies on the disk, must hold the save and every
// other line that the settings file had.
// - Each value written must read back, key by key, as the game and the next
//   load read it.
// - Every other line of each section must be listed as it was listed in the
//   settings file before the save (a section of written keys alone is not
//   listed again). Both listings come from the same call, so
//   the lines compare alike whatever form the system gives them; reading
//   thousands of keys one by one instead would cost a read of the whole file
//   for each key.
bool SettingsSave::holdsTheSave(const Text& path) const {
    const std::vector<Name> written = sortedNames(writes_);
    return std::all_of(writes_.begin(), writes_.end(),
                       [&](const ProfileEntry& w) {
                           return profile_.readString(w.section, w.key, path) ==
                                  valueAsRead(w.value);
                       }) &&
           std::all_of(before_.begin(), before_.end(), [&](const SectionLines& s) {
               const std::vector<Text> kept = untouchedLines(s.lines, s.section, written);
               return kept.empty() || kept == untouchedLines(profile_.sectionLines(s.section, path),
                                                             s.section, written);
           });
}

} // namespace lurn::ModINIedit
