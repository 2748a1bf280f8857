#pragma once
// The few operating-system services that the portable core calls. The Win32
// adapters implement them over the real API; the unit tests implement them in
// memory. Nothing in the core reaches the operating system any other way.

#include "app/text.h"

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace lurn {

// Code pages the program names.
inline constexpr unsigned kCodePageGbk = 936;
inline constexpr unsigned kCodePageBig5 = 950;

struct FileReadFailure {
    std::int32_t number;
    Text reason;
};

// The settings file: one private-profile call per operation.
class ProfileStore {
public:
    virtual ~ProfileStore() = default;
    // The integer value of the key, or `fallback` when the file, the section
    // or the key does not exist.
    virtual std::int32_t readInt(const Text& section, const Text& key, std::int32_t fallback,
                                 const Text& path) const = 0;
    // Stores key=value; true when the operating system reported success.
    virtual bool writeString(const Text& section, const Text& key, const Text& value,
                             const Text& path) const = 0;
    // Why a file that exists cannot be opened for reading (held open without
    // sharing, a folder in its place, no permission): the system's error as
    // a number and in its own words. Nothing when the file can be read or
    // does not exist.
    virtual std::optional<FileReadFailure> readFailure(const Text& path) const = 0;
    // The read that the game and the next load make, which Windows and Wine
    // answer alike: the text of a key without the blanks around it and
    // without a pair of quotes around it; empty when the file, the section
    // or the key is missing.
    virtual Text readString(const Text& section, const Text& key, const Text& path) const = 0;
    // The names of the file's sections, and the lines of one section. Those
    // lines differ between systems (Windows returns them as they stand in
    // the file, Wine as it rewrote them): compare them only with lines that
    // the same call returned for another file.
    virtual std::vector<Text> sectionNames(const Text& path) const = 0;
    virtual std::vector<Text> sectionLines(const Text& section, const Text& path) const = 0;
};

// One key of a settings file and its value.
struct ProfileEntry {
    Text section;
    Text key;
    Text value;
};

// How a step on the files of a save ended. Denied: the system denied access
// to the folder or the file itself, so no working copy can be made or put
// in the file's place; not a full disk, not a program that holds the file.
enum class FileStep : std::uint8_t { Done, Failed, Denied };

// What a save needs of the file system besides the profile calls: a working
// copy beside the settings file, put in the file's place in one step; and,
// where the system denies that, the file's own bytes to write back.
class SettingsFileCopies {
public:
    virtual ~SettingsFileCopies() = default;
    // Makes `copy` a new copy of `file`, byte for byte. Done, with nothing
    // copied, when there is no `file`: the first profile write then starts
    // the copy.
    virtual FileStep copy(const Text& file, const Text& copy) const = 0;
    // Writes the file through to the disk. The profile functions keep
    // nothing of it in memory afterwards, so a read reads the disk.
    virtual bool flush(const Text& path) const = 0;
    // Puts `copy` in the place of `file` in one step: afterwards `file` is
    // the copy or, when this fails, as it was. A read-only `file` stays.
    virtual FileStep replace(const Text& copy, const Text& file) const = 0;
    // Removes `copy`, whatever its attributes, if it is there.
    virtual void remove(const Text& copy) const = 0;
    // The bytes of `file` when it may be written in place; nothing when it
    // is read-only or cannot be read.
    virtual std::optional<std::string> writableBytes(const Text& file) const = 0;
    // Makes `bytes` the whole of `file` again, through to the disk, with the
    // attributes the file has; false when they could not be written.
    virtual bool rewrite(const Text& file, const std::string& bytes) const = 0;
};

// Narrowing and widening by code page. An empty optional means the
// conversion failed.
class TextCodec {
public:
    virtual ~TextCodec() = default;
    virtual std::optional<std::string> narrow(TextView text, unsigned codePage) const = 0;
    virtual std::optional<Text> widen(std::string_view bytes, unsigned codePage) const = 0;
};

// Simplified/traditional Chinese mapping, one character for one. It writes
// into `destination`; whether it succeeded is not reported, as callers do not
// look at it. It may throw RuntimeError when the service cannot be reached.
class ScriptMapper {
public:
    virtual ~ScriptMapper() = default;
    virtual void map(std::uint32_t locale, std::uint32_t flags, const char16_t* source,
                     int sourceLength, char16_t* destination, int destinationLength) const = 0;
};

inline constexpr std::uint32_t kLocaleChinesePrc = 2052;
inline constexpr std::uint32_t kLocaleChineseTaiwan = 1028;
inline constexpr std::uint32_t kMapSimplifiedChinese = 0x02000000;
inline constexpr std::uint32_t kMapTraditionalChinese = 0x04000000;

// Facts about the system and the running program.
class SystemInfo {
public:
    virtual ~SystemInfo() = default;
    virtual std::uint16_t defaultLanguage() const = 0;
    // The program's own directory, without a trailing separator.
    virtual Text programDirectory() const = 0;
};

// Modal message boxes over the program's window: one OK button, no icon.
class Dialogs {
public:
    virtual ~Dialogs() = default;
    virtual void message(const Text& text, const Text& title) const = 0;
};

// How the start of a program ended. Cancelled: the player refused a prompt
// of the system's on the way (a warning about the program's origin, an
// elevation prompt); the program is there.
enum class LaunchResult : std::uint8_t { Started, Cancelled, Failed };

// Starts a program with the verb "open" in a working directory; returns once
// the start is complete, without waiting for the program. A folder is no
// program: its start fails.
class ProgramLauncher {
public:
    virtual ~ProgramLauncher() = default;
    virtual LaunchResult open(const Text& file, const Text& workingDirectory) const = 0;
};

// Ends the process at once; no further handler runs. (In-memory test
// implementations record the code and unwind instead.)
class ProcessControl {
public:
    virtual ~ProcessControl() = default;
    virtual void end(unsigned exitCode) const = 0;
};

} // namespace lurn
