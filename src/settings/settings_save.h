#pragma once
// One save of the settings, all or nothing. The profile writes go to a
// working copy beside the settings file, and the copy takes the file's place
// in one step only once every write went through and the copy, read back
// from the disk, holds the values written and every other key the file has.
// Until then the file is not touched: a save that fails, or a process ended
// in the middle of one, leaves it as it was.
//
// Where the system denies access to the folder, so that no copy can be made
// there or put in the file's place, while the file itself may be written,
// the save writes the file itself, as saves once did: it keeps the file's
// bytes in memory, checks the file as it would check the copy and, when the
// check fails, writes the bytes back. A full disk, a read-only file or a
// program that holds the file for longer than the copies wait for it never
// takes that way: the save then fails and the file is as it was.

#include "app/ports.h"
#include "app/text.h"

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace lurn::ModINIedit {

// How a save ended. Failed: it did not complete, and the file is as it was.
// NotRestored: a save that wrote the file in place did not complete, and
// the file's earlier bytes could not be written back: it may be damaged.
enum class SaveEnd : std::uint8_t { Completed, Failed, NotRestored };

// The working copy of a save: the settings file's name with ".saving"
// added, a name that is never read as the settings file.
Text workingCopyOf(const Text& settingsFile);

class SettingsSave {
public:
    // Begins a save of the file that IniPath names: lists the file's
    // sections, removes a working copy that a save ended early left behind,
    // and copies the file.
    SettingsSave(const ProfileStore& profile, const SettingsFileCopies& files);
    SettingsSave(const SettingsSave&) = delete;
    SettingsSave& operator=(const SettingsSave&) = delete;
    // Removes the working copy, unless it took the file's place.
    ~SettingsSave();

    // One profile write on the working copy, or on the file when the save
    // writes it in place. Once a step has failed, later writes are not made.
    bool write(const Text& section, const Text& key, const Text& value);
    // Writes the copy through to the disk, checks it and puts it in the
    // file's place; a save in place that fails its check writes the file's
    // earlier bytes back.
    SaveEnd finish();

private:
    // The lines of one section of the settings file as listed before the
    // save.
    struct SectionLines {
        Text section;
        std::vector<Text> lines;
    };

    void beginInPlace();
    bool holdsTheSave(const Text& path) const;

    const ProfileStore& profile_;
    const SettingsFileCopies& files_;
    const Text file_;
    const Text copy_;
    const std::vector<SectionLines> before_;
    std::vector<ProfileEntry> writes_;   // each write, in order
    std::optional<std::string> earlier_; // the file's bytes, for a save in place
    bool inPlace_ = false;
    bool failed_ = false;
    bool completed_ = false;
};

} // namespace lurn::ModINIedit
