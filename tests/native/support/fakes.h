#pragma once
// In-memory implementations of the operating-system ports. Each records what
// it was asked; the shell and the settings writes also append to a shared
// journal, so that tests can check the order of what happened.

#include "app/form_model.h"
#include "app/ports.h"
#include "app/runtime_error.h"
#include "app/text.h"
#include "config_window/dovmirant_config.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <map>
#include <optional>
#include <set>
#include <string>
#include <utility>
#include <vector>

namespace lurn::test {

using Journal = std::vector<std::string>;
using Messages = std::vector<std::pair<Text, Text>>;

// Thrown by FakeShell::end so that the handler stops there.
struct ProcessEnded {
    unsigned code;
};

// A settings file whose sections and keys compare without regard to case.
class MemoryProfileStore : public ProfileStore {
public:
    struct Call {
        bool write;
        Text section, key;
        Text value; // the text written; for reads, the decimal fallback
        Text path;
    };

    void set(const Text& section, const Text& key, std::int32_t value) {
        values_[fold(section, key)] = decimalText(value);
    }
    void erase(const Text& section, const Text& key) { values_.erase(fold(section, key)); }
    std::optional<Text> value(const Text& section, const Text& key) const;
    void failWritesTo(const Text& section, const Text& key) { failing_.insert(fold(section, key)); }
    void failAllWrites() { failAll_ = true; }
    std::vector<Call> reads() const { return callsOf(false); }
    std::vector<Call> writes() const { return callsOf(true); }

    std::int32_t readInt(const Text& section, const Text& key, std::int32_t fallback,
                         const Text& path) const override;
    bool writeString(const Text& section, const Text& key, const Text& value,
                     const Text& path) const override;

    mutable std::vector<Call> calls;
    Journal* journal = nullptr;

private:
    using Key = std::pair<Text, Text>;
    static Key fold(Text section, Text key);
    std::vector<Call> callsOf(bool write) const;

    mutable std::map<Key, Text> values_;
    std::set<Key> failing_;
    bool failAll_ = false;
};

// Code pages through glibc's iconv. As on Windows, a character the code page
// lacks narrows to "?" and an invalid byte widens to U+FFFD.
class IconvCodec : public TextCodec {
public:
    std::optional<std::string> narrow(TextView text, unsigned codePage) const override;
    std::optional<Text> widen(std::string_view bytes, unsigned codePage) const override;
};

// Simplified/traditional mapping over a small table; other characters are
// copied unchanged. It can also write nothing, or throw.
class FakeScriptMapper : public ScriptMapper {
public:
    enum class Mode { Map, WriteNothing, Throw };
    struct Call {
        std::uint32_t locale, flags;
        Text source;
        int destinationLength;
    };
    static Text traditional(TextView text);
    static Text simplified(TextView text);
    void map(std::uint32_t locale, std::uint32_t flags, const char16_t* source, int sourceLength,
             char16_t* destination, int destinationLength) const override;

    Mode mode = Mode::Map;
    mutable std::vector<Call> calls;
};

class FakeSystemInfo : public SystemInfo {
public:
    std::uint16_t defaultLanguage() const override { return language; }
    Text programDirectory() const override { return directory; }
    std::uint16_t language = 2052;
    Text directory = u"C:\\Games\\Lurn";
};

// Message boxes, the program launcher and process control: the shell
// around the window.
class FakeShell : public Dialogs, public ProgramLauncher, public ProcessControl {
public:
    explicit FakeShell(Journal& journal) : journal_(journal) {}
    void message(const Text& text, const Text& title) const override;
    std::intptr_t open(const Text& file, const Text& directory) const override;
    [[noreturn]] void end(unsigned code) const override;

    std::intptr_t launchResult = 42;
    mutable Messages shown;  // (text, title)
    mutable Messages opened; // (file, working directory)
    mutable std::optional<unsigned> exitCode;

private:
    Journal& journal_;
};

// "Option3(1)" for an element of a control array, "Check1" otherwise.
std::string displayName(const Control& control);

// Every change the program reports to the view, in order.
class RecordingView : public FormView {
public:
    void propertyChanged(const Control& control, ControlProperty property) override {
        changes.emplace_back(displayName(control), property);
    }
    std::vector<std::string> of(std::initializer_list<ControlProperty> properties) const;
    std::vector<std::pair<std::string, ControlProperty>> changes;
};

struct TestServices {
    TestServices() { profile.journal = &journal; }
    ConfigWindowServices services() const {
        return {profile, codec, mapper, system, shell, shell, shell};
    }

    Journal journal;
    MemoryProfileStore profile;
    IconvCodec codec;
    FakeScriptMapper mapper;
    FakeSystemInfo system;
    FakeShell shell{journal};
};

struct SettingKey {
    const char16_t* section;
    const char16_t* key;
};

// The twelve settings in the order of the settings schema, and a value for
// each that differs from its control's design value.
extern const SettingKey kSettingKeys[12];
extern const std::int32_t kValidValues[12];
void storeValidSettings(MemoryProfileStore& store);

// Clears the process-wide settings path and code-page tag around each test.
class CoreTest : public ::testing::Test {
protected:
    void SetUp() override { resetGlobals(); }
    void TearDown() override { resetGlobals(); }
    static void resetGlobals();
};

} // namespace lurn::test
