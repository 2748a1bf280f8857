#pragma once
// In-memory implementations of the operating-system ports. The settings
// file, the message boxes, the launcher and process control write what they
// are asked into one journal, so that tests can check what happened in which
// order.

#include "app/form_model.h"
#include "app/ports.h"
#include "app/runtime_error.h"
#include "app/text.h"
#include "config_window/dovmirant_config.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <map>
#include <set>
#include <string>
#include <utility>
#include <vector>

namespace lurn::test {

using Journal = std::vector<std::string>;

// Thrown by FakeShell::end so that the handler stops there.
struct ProcessEnded {};

// The settings file C:\Games\Lurn\qebmod.ini and the files beside it, for
// the profile functions and a save's working copy, as Windows' profile
// functions treat them: a key holds its line's name and value as they stand
// in the file (blanks and letter case as written by hand); names match
// whatever their case and the blanks around them; a read drops the blanks
// around a value; a write edits the one line
// of its key and stores the value as given, blanks and all. Journal
// entries, for reads of numbers and writes: "read set/simple",
// "write set/simple=1".
class MemoryProfileStore : public ProfileStore, public SettingsFileCopies {
public:
    using Key = std::pair<Text, Text>;
    // A line of the file as it stands, under the names as Windows matches
    // them: without the blanks around them, letters in lower case.
    struct Line {
        Text section, key, value;
        bool operator==(const Line&) const = default;
    };
    using File = std::map<Key, Line>;
    static Key matched(const Text& section, const Text& key);

    explicit MemoryProfileStore(Journal& journal) : journal_(journal) {}
    // set, erase and value concern the settings file's lines as they stand.
    void set(const Text& section, const Text& key, const Text& value) {
        files[kSettingsFile][matched(section, key)] = {section, key, value};
    }
    void erase(const Text& section, const Text& key) {
        files[kSettingsFile].erase(matched(section, key));
    }
    // The text stored under the key; "(none)" when there is none.
    Text value(const Text& section, const Text& key) const;
    void failWritesTo(const Text& section, const Text& key) { failing_.insert({section, key}); }

    std::int32_t readInt(const Text& section, const Text& key, std::int32_t fallback,
                         const Text& path) const override;
    bool writeString(const Text& section, const Text& key, const Text& value,
                     const Text& path) const override;
    // Memory is always readable.
    std::optional<FileReadFailure> readFailure(const Text&) const override { return std::nullopt; }
    Text readString(const Text& section, const Text& key, const Text& path) const override;
    std::vector<Text> sectionNames(const Text& path) const override;
    std::vector<Text> sectionLines(const Text& section, const Text& path) const override;

    FileStep copy(const Text& file, const Text& copy) const override;
    bool flush(const Text&) const override { return failure != Failure::Flush; }
    FileStep replace(const Text& copy, const Text& file) const override;
    void remove(const Text& copy) const override { files.erase(copy); }
    // The bytes stand for a copy of the file that the store keeps.
    std::optional<std::string> writableBytes(const Text& file) const override;
    bool rewrite(const Text& file, const std::string& bytes) const override;

    // A step of a save that fails: the copy (leaving part of one), the
    // write of VOLUME, the flush or the replacement; or a write that reports
    // success, as on a full disk, but loses the key game/LEVEL, or stores
    // the value of BATTLE_SPEED (the file's last line) cut by a character;
    // or loses the key and cannot write a file's earlier bytes back.
    enum class Failure { None, Copy, Write, LostKey, CutValue, Flush, Replace, Restore };
    Failure failure = Failure::None;
    // The step that access to the folder is denied to: Copy or Replace.
    Failure denied = Failure::None;

    static constexpr const char16_t* kSettingsFile = u"C:\\Games\\Lurn\\qebmod.ini";
    mutable std::map<Text, File> files; // by path
    mutable std::set<Text> paths;       // every path a read of a number or a write named

private:
    File fileAt(const Text& path) const { return files.count(path) ? files.at(path) : File(); }

    Journal& journal_;
    std::set<Key> failing_;
    mutable std::vector<File> kept_;
};

// Code pages through glibc's iconv; a text the code page cannot hold is a
// failed conversion.
class IconvCodec : public TextCodec {
public:
    std::optional<std::string> narrow(TextView text, unsigned codePage) const override;
    std::optional<Text> widen(std::string_view bytes, unsigned codePage) const override;
};

// Simplified/traditional mapping as Windows' LCMapStringW does it: one
// UTF-16 unit for one, over OpenCC's character tables (Debian's
// libopencc-data); characters without another form are copied. It can also
// write nothing, or throw.
class OpenccScriptMapper : public ScriptMapper {
public:
    enum class Mode { Map, WriteNothing, Throw };
    void map(std::uint32_t locale, std::uint32_t flags, const char16_t* source, int sourceLength,
             char16_t* destination, int destinationLength) const override;
    Mode mode = Mode::Map;
};

class FakeSystemInfo : public SystemInfo {
public:
    std::uint16_t defaultLanguage() const override { return language; }
    Text programDirectory() const override { return u"C:\\Games\\Lurn"; }
    std::uint16_t language = 2052;
};

// Message boxes, the program launcher and process control. Journal entries:
// "message done (Lurn_config)", "open C:\Games\Lurn\qeb_lurn.exe in
// C:\Games\Lurn", "end 0".
class FakeShell : public Dialogs, public ProgramLauncher, public ProcessControl {
public:
    explicit FakeShell(Journal& journal) : journal_(journal) {}
    void message(const Text& text, const Text& title) const override;
    LaunchResult open(const Text& file, const Text& directory) const override;
    [[noreturn]] void end(unsigned code) const override;
    LaunchResult launchResult = LaunchResult::Started;

private:
    Journal& journal_;
};

// "Option3(1)" for an element of a control array, "Check1" otherwise.
std::string displayName(const Control& control);

// The controls whose value or text the program changed, in order, and
// "focus txtwidth" where it moved the focus.
class RecordingView : public FormView {
public:
    void propertyChanged(const Control& control, ControlProperty property) override {
        if (property == ControlProperty::Value || property == ControlProperty::Text) {
            changed.push_back(displayName(control));
        } else if (property == ControlProperty::Focus) {
            changed.push_back("focus " + displayName(control));
        }
    }
    std::vector<std::string> changed;
};

struct TestServices {
    ConfigWindowServices services() const {
        return {profile, profile, codec, mapper, system, shell, shell, shell};
    }
    Journal journal;
    MemoryProfileStore profile{journal};
    IconvCodec codec;
    OpenccScriptMapper mapper;
    FakeSystemInfo system;
    FakeShell shell{journal};
};

// A settings file holding the twelve settings: simple=1, FULLSCREEN=1,
// SMOOTH=1, GLHR=2, RESOLUTIONX=800, RESOLUTIONY=600, VOLUME=90,
// VOLUMEWAV=45, SOUND3D=1, WALK_SPEED1=30, WALK_SPEED2=60, BATTLE_SPEED=80;
// and the game's own game/LEVEL=3.
void storeValidSettings(MemoryProfileStore& store);

// Clears the process-wide settings path and code-page tag around each test.
class CoreTest : public ::testing::Test {
protected:
    void SetUp() override { resetGlobals(); }
    void TearDown() override { resetGlobals(); }
    static void resetGlobals();
};

} // namespace lurn::test
