#pragma once
// ModINIedit: the only access to the settings file. Every read and write is
// one private-profile call of the operating system; nothing of the file is
// kept between calls. A save writes a working copy that then takes the
// file's place (SettingsSave).

#include "app/ports.h"
#include "app/text.h"

#include <cstdint>

namespace lurn::ModINIedit {

class SettingsSave;

// Full path of the settings file; set once while the configuration window
// loads.
extern Text IniPath;

// The value a read returns for a missing file, section or key.
inline constexpr std::int32_t kMissingValue = -65536;

// Reads one integer setting. A missing file, section or key (or a value that
// reads as -65536) raises error 0x80040001 naming the section and the key;
// a file that is there but cannot be opened for reading raises the system's
// error, naming the file and the system's reason.
std::int32_t ReadIniInt(const ProfileStore& store, const Text& section, const Text& key);

// Writes one value as text into the working copy of a save; true when the
// operating system reported success.
bool WriteIniString(SettingsSave& save, const Text& section, const Text& key, const Text& value);

} // namespace lurn::ModINIedit
