#pragma once
// The operating-system services of the core, over the Win32 API. These are
// the only code that calls the operating system on the core's behalf.

#include "app/ports.h"

#include <windows.h>

namespace lurn::win32 {

// The private-profile functions, wide so that a game folder whose name the
// ANSI code page cannot represent still works; the file's ASCII sections,
// keys and values are stored byte for byte as the narrow functions store them.
class ProfileFunctions final : public ProfileStore {
public:
    std::int32_t readInt(const Text& section, const Text& key, std::int32_t fallback,
                         const Text& path) const override;
    bool writeString(const Text& section, const Text& key, const Text& value,
                     const Text& path) const override;
    std::optional<FileReadFailure> readFailure(const Text& path) const override;
    Text readString(const Text& section, const Text& key, const Text& path) const override;
    std::vector<Text> sectionNames(const Text& path) const override;
    std::vector<Text> sectionLines(const Text& section, const Text& path) const override;
};

class CodePageConverter final : public TextCodec {
public:
    std::optional<std::string> narrow(TextView text, unsigned codePage) const override;
    std::optional<Text> widen(std::string_view bytes, unsigned codePage) const override;
};

class LocaleScriptMapper final : public ScriptMapper {
public:
    void map(std::uint32_t locale, std::uint32_t flags, const char16_t* source, int sourceLength,
             char16_t* destination, int destinationLength) const override;
};

class SystemFacts final : public SystemInfo {
public:
    std::uint16_t defaultLanguage() const override;
    Text programDirectory() const override;
};

// Message boxes owned by one window (set once it exists).
class MessageBoxes final : public Dialogs {
public:
    void setOwner(HWND owner) { owner_ = owner; }
    void message(const Text& text, const Text& title) const override;

private:
    HWND owner_ = nullptr;
};

// Starts programs for one window (set once it exists): the shell's prompts
// and error boxes are owned by it, and it is disabled while the shell runs,
// so that none of its handlers runs inside the start.
class ShellLauncher final : public ProgramLauncher {
public:
    void setOwner(HWND owner) { owner_ = owner; }
    LaunchResult open(const Text& file, const Text& workingDirectory) const override;

private:
    HWND owner_ = nullptr;
};

class ProcessExit final : public ProcessControl {
public:
    void end(unsigned exitCode) const override;
};

} // namespace lurn::win32
