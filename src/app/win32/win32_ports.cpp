#include "app/win32/win32_ports.h"

#include "app/win32/handles.h"

#include <objbase.h>
#include <shellapi.h>

#include <iterator>
#include <vector>

namespace lurn::win32 {

namespace {

// The system's description of an error, in the user's language, without
// its line end.
Text systemMessage(DWORD error) {
    wchar_t buffer[512] = {};
    const DWORD length =
        FormatMessageW(FORMAT_MESSAGE_FROM_SYSTEM | FORMAT_MESSAGE_IGNORE_INSERTS, nullptr, error,
                       0, buffer, static_cast<DWORD>(std::size(buffer)), nullptr);
    Text message(reinterpret_cast<const char16_t*>(buffer), length);
    while (!message.empty() &&
           (message.back() == u'\r' || message.back() == u'\n' || message.back() == u' ')) {
        message.pop_back();
    }
    return message.empty() ? u"system error " + decimalText(error) : message;
}

// COM on this thread, apartment-threaded and without OLE1's DDE, for the
// length of a scope.
class ComApartment {
public:
    ComApartment()
        : initialised_(SUCCEEDED(
              CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED | COINIT_DISABLE_OLE1DDE))) {}
    ComApartment(const ComApartment&) = delete;
    ComApartment& operator=(const ComApartment&) = delete;
    ~ComApartment() {
        if (initialised_) {
            CoUninitialize();
        }
    }

private:
    bool initialised_;
};

// A window disabled for the length of a scope, as a modal dialog box
// disables its owner, and enabled again at its end; a window that was
// disabled already stays so.
class DisabledWindow {
public:
    explicit DisabledWindow(HWND window)
        : window_(window), disabledHere_(window != nullptr && !EnableWindow(window, FALSE)) {}
    DisabledWindow(const DisabledWindow&) = delete;
    DisabledWindow& operator=(const DisabledWindow&) = delete;
    ~DisabledWindow() {
        if (disabledHere_) {
            EnableWindow(window_, TRUE);
        }
    }

private:
    HWND window_;
    bool disabledHere_;
};

// The text that `read` writes into a buffer of the given size, which grows
// until the text fits; a list of NUL-ended texts ends in two NULs and gets
// one unit less of its size.
template <typename Read> std::vector<wchar_t> profileText(Read read, DWORD listEnd) {
    std::vector<wchar_t> buffer(256);
    while (read(buffer.data(), static_cast<DWORD>(buffer.size())) + listEnd + 1 >= buffer.size()) {
        buffer.resize(buffer.size() * 4);
    }
    return buffer;
}

template <typename Read> std::vector<Text> profileList(Read read) {
    const std::vector<wchar_t> buffer = profileText(read, 1);
    std::vector<Text> list;
    for (const wchar_t* item = buffer.data(); *item != L'\0'; item += list.back().size() + 1) {
        list.emplace_back(reinterpret_cast<const char16_t*>(item));
    }
    return list;
}

} // namespace

std::int32_t ProfileFunctions::readInt(const Text& section, const Text& key, std::int32_t fallback,
                                       const Text& path) const {
    return static_cast<std::int32_t>(
        GetPrivateProfileIntW(wide(section), wide(key), fallback, wide(path)));
}

bool ProfileFunctions::writeString(const Text& section, const Text& key, const Text& value,
                                   const Text& path) const {
    return WritePrivateProfileStringW(wide(section), wide(key), wide(value), wide(path)) != FALSE;
}

std::optional<FileReadFailure> ProfileFunctions::readFailure(const Text& path) const {
    // Shared every way, as a reader should ask, so that only a holder that
    // denies reading, a folder or a missing permission stops it.
    const File file = openedFile(CreateFileW(
        wide(path), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr,
        OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr));
    const DWORD error = file ? ERROR_SUCCESS : GetLastError();
    if (error == ERROR_SUCCESS || error == ERROR_FILE_NOT_FOUND || error == ERROR_PATH_NOT_FOUND) {
        return std::nullopt;
    }
    return FileReadFailure{static_cast<std::int32_t>(HRESULT_FROM_WIN32(error)),
                           systemMessage(error)};
}

Text ProfileFunctions::readString(const Text& section, const Text& key, const Text& path) const {
    const std::vector<wchar_t> text = profileText(
        [&](wchar_t* buffer, DWORD size) {
            return GetPrivateProfileStringW(wide(section), wide(key), L"", buffer, size,
                                            wide(path));
        },
        0);
    return Text(reinterpret_cast<const char16_t*>(text.data()));
}

std::vector<Text> ProfileFunctions::sectionNames(const Text& path) const {
    return profileList([&](wchar_t* buffer, DWORD size) {
        return GetPrivateProfileSectionNamesW(buffer, size, wide(path));
    });
}

std::vector<Text> ProfileFunctions::sectionLines(const Text& section, const Text& path) const {
    return profileList([&](wchar_t* buffer, DWORD size) {
        return GetPrivateProfileSectionW(wide(section), buffer, size, wide(path));
    });
}

std::optional<std::string> CodePageConverter::narrow(TextView text, unsigned codePage) const {
    if (text.empty()) {
        return std::string();
    }
    const auto* source = reinterpret_cast<const wchar_t*>(text.data());
    const int length = static_cast<int>(text.size());
    const int size = WideCharToMultiByte(static_cast<UINT>(codePage), 0, source, length, nullptr, 0,
                                         nullptr, nullptr);
    if (size <= 0) {
        return std::nullopt;
    }
    std::string bytes(static_cast<std::size_t>(size), '\0');
    if (WideCharToMultiByte(static_cast<UINT>(codePage), 0, source, length, bytes.data(), size,
                            nullptr, nullptr) != size) {
        return std::nullopt;
    }
    return bytes;
}

std::optional<Text> CodePageConverter::widen(std::string_view bytes, unsigned codePage) const {
    if (bytes.empty()) {
        return Text();
    }
    const int length = static_cast<int>(bytes.size());
    const int size =
        MultiByteToWideChar(static_cast<UINT>(codePage), 0, bytes.data(), length, nullptr, 0);
    if (size <= 0) {
        return std::nullopt;
    }
    Text text(static_cast<std::size_t>(size), u'\0');
    if (MultiByteToWideChar(static_cast<UINT>(codePage), 0, bytes.data(), length,
                            reinterpret_cast<wchar_t*>(text.data()), size) != size) {
        return std::nullopt;
    }
    return text;
}

void LocaleScriptMapper::map(std::uint32_t locale, std::uint32_t flags, const char16_t* source,
                             int sourceLength, char16_t* destination, int destinationLength) const {
    // The result is not looked at: a failed mapping leaves the destination
    // as the caller filled it.
    LCMapStringW(static_cast<LCID>(locale), static_cast<DWORD>(flags),
                 reinterpret_cast<const wchar_t*>(source), sourceLength,
                 reinterpret_cast<wchar_t*>(destination), destinationLength);
}

std::uint16_t SystemFacts::defaultLanguage() const {
    return GetSystemDefaultLangID();
}

Text SystemFacts::programDirectory() const {
    std::vector<wchar_t> buffer(MAX_PATH);
    for (;;) {
        const DWORD length =
            GetModuleFileNameW(nullptr, buffer.data(), static_cast<DWORD>(buffer.size()));
        if (length == 0) {
            return Text();
        }
        if (length < buffer.size()) {
            Text path(reinterpret_cast<const char16_t*>(buffer.data()), length);
            const std::size_t separator = path.find_last_of(u"\\/");
            if (separator == Text::npos) {
                return Text();
            }
            // A drive's root keeps its separator ("C:\").
            if (separator == 2 && path[1] == u':') {
                return path.substr(0, 3);
            }
            return path.substr(0, separator);
        }
        buffer.resize(buffer.size() * 2);
    }
}

void MessageBoxes::message(const Text& text, const Text& title) const {
    MessageBoxW(owner_, wide(text), wide(title), MB_OK);
}

LaunchResult ShellLauncher::open(const Text& file, const Text& workingDirectory) const {
    // A missing game is told here, before the shell would show an error box
    // of its own beside the caller's warning; and a folder of the game's name
    // is no program: the shell would open it in a window of its own.
    const DWORD attributes = GetFileAttributesW(wide(file));
    if (attributes == INVALID_FILE_ATTRIBUTES || (attributes & FILE_ATTRIBUTE_DIRECTORY) != 0) {
        return LaunchResult::Failed;
    }
    // The shell's execute hooks and its prompt for a program that came from
    // the internet run through COM; SEE_MASK_FLAG_NO_UI would suppress that
    // prompt, so it is not given. The call returns once the start is
    // complete, as this process ends right after it.
    const ComApartment com;
    SHELLEXECUTEINFOW execute{};
    execute.cbSize = sizeof execute;
    execute.fMask = SEE_MASK_NOASYNC;
    execute.hwnd = owner_;
    execute.lpVerb = L"open";
    execute.lpFile = wide(file);
    execute.lpParameters = L"";
    execute.lpDirectory = wide(workingDirectory);
    execute.nShow = SW_SHOWNORMAL;
    const bool wasForeground = owner_ != nullptr && GetForegroundWindow() == owner_;
    BOOL started = FALSE;
    DWORD error = ERROR_SUCCESS;
    {
        // The shell's prompts run message loops of their own, which would
        // otherwise hand the window a second click or a close.
        const DisabledWindow disabled(owner_);
        started = ShellExecuteExW(&execute);
        error = GetLastError();
    }
    if (started) {
        return LaunchResult::Started;
    }
    // A prompt of the shell's that closed while its owner was disabled has
    // handed the activation to some other window: the player is back here.
    if (wasForeground && GetForegroundWindow() != owner_) {
        SetForegroundWindow(owner_);
    }
    return error == ERROR_CANCELLED ? LaunchResult::Cancelled : LaunchResult::Failed;
}

void ProcessExit::end(unsigned exitCode) const {
    ExitProcess(exitCode);
}

} // namespace lurn::win32
