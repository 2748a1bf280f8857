#pragma once
// One save of the settings, all or nothing. The profile writes go to a
// working copy beside the settings file, and the copy takes the file's place
// in one step only once every write went through and the copy, read back
// from the disk, holds the values written and every other key the file has.
// Until then the file is not touched: a save that fails, or a process ended
// in the middle of one, leaves it as it was.

#include "app/ports.h"
#include "app/text.h"

#include <vector>

namespace lurn::ModINIedit {

// The working copy of a save: the settings file's name with ".saving"
// added, a name that is never read as the settings file.
Text workingCopyOf(const Text& settingsFile);

class SettingsSave {
public:
    // Begins a save of the file that IniPath names: removes a working copy
    // that a save ended early left behind, and copies the file.
    SettingsSave(const ProfileStore& profile, const SettingsFileCopies& files);
    SettingsSave(const SettingsSave&) = delete;
    SettingsSave& operator=(const SettingsSave&) = delete;
    // Removes the working copy, unless it took the file's place.
    ~SettingsSave();

    // One profile write on the working copy. Once a step has failed, later
    // writes are not made.
    bool write(const Text& section, const Text& key, const Text& value);
    // Writes the copy through to the disk, checks it and puts it in the
    // file's place. True when the save completed; false when it did not,
    // and the file is then as it was.
    bool finish();

private:
    bool copyHoldsTheSave() const;

    const ProfileStore& profile_;
    const SettingsFileCopies& files_;
    const Text file_;
    const Text copy_;
    std::vector<ProfileEntry> writes_; // each write, in order
    bool failed_ = false;
    bool replaced_ = false;
};

} // namespace lurn::ModINIedit
