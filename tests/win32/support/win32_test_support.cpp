#include "support/win32_test_support.h"

#include <cstdlib>
#include <stdexcept>

namespace lurn::wintest {

std::uint16_t expectedLanguage() {
    const char* value = std::getenv("LURN_EXPECTED_LANGUAGE");
    return value != nullptr ? static_cast<std::uint16_t>(std::atoi(value)) : 0;
}

UINT ansiCodePageOf(std::uint16_t language) {
    switch (language) {
    case 2052:
        return 936;
    case 1028:
        return 950;
    default:
        return 1252;
    }
}

namespace {

Text temporaryDirectory() {
    wchar_t buffer[MAX_PATH + 1];
    const DWORD length = GetTempPathW(MAX_PATH + 1, buffer);
    if (length == 0 || length > MAX_PATH) {
        throw std::runtime_error("no temporary directory");
    }
    return Text(reinterpret_cast<const char16_t*>(buffer), length);
}

void removeTree(const Text& path) {
    WIN32_FIND_DATAW entry;
    const Text pattern = joinPath(path, u"*");
    HANDLE search = FindFirstFileW(api(pattern), &entry);
    if (search != INVALID_HANDLE_VALUE) {
        do {
            const Text name(reinterpret_cast<const char16_t*>(entry.cFileName));
            if (name == u"." || name == u"..") {
                continue;
            }
            const Text child = joinPath(path, name);
            if ((entry.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) != 0) {
                removeTree(child);
            } else {
                SetFileAttributesW(api(child), FILE_ATTRIBUTE_NORMAL);
                DeleteFileW(api(child));
            }
        } while (FindNextFileW(search, &entry));
        FindClose(search);
    }
    RemoveDirectoryW(api(path));
}

} // namespace

TempFolder::TempFolder(TextView leaf) {
    static unsigned counter = 0;
    path_ = temporaryDirectory() + u"lurn-w32t-" + decimalText(GetCurrentProcessId()) + u"-" +
            decimalText(++counter) + Text(leaf);
    if (!CreateDirectoryW(api(path_), nullptr)) {
        throw std::runtime_error("cannot create " + utf8(path_));
    }
}

TempFolder::~TempFolder() {
    removeTree(path_);
}

std::string readBytes(const Text& path) {
    HANDLE file = CreateFileW(api(path), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr,
                              OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE) {
        throw std::runtime_error("cannot read " + utf8(path));
    }
    std::string bytes;
    char buffer[4096];
    DWORD got = 0;
    while (ReadFile(file, buffer, sizeof buffer, &got, nullptr) && got > 0) {
        bytes.append(buffer, got);
    }
    CloseHandle(file);
    return bytes;
}

void writeBytes(const Text& path, std::string_view bytes) {
    HANDLE file = CreateFileW(api(path), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS,
                              FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE) {
        throw std::runtime_error("cannot write " + utf8(path));
    }
    DWORD written = 0;
    const BOOL ok =
        WriteFile(file, bytes.data(), static_cast<DWORD>(bytes.size()), &written, nullptr);
    CloseHandle(file);
    if (!ok || written != bytes.size()) {
        throw std::runtime_error("short write to " + utf8(path));
    }
}

HeldFile::HeldFile(const Text& path)
    : handle_(CreateFileW(api(path), GENERIC_READ | GENERIC_WRITE, 0, nullptr, OPEN_EXISTING,
                          FILE_ATTRIBUTE_NORMAL, nullptr)) {}

HeldFile::~HeldFile() {
    if (held()) {
        CloseHandle(handle_);
    }
}

std::string narrowWith(TextView text, UINT codePage) {
    const auto* source = reinterpret_cast<const wchar_t*>(text.data());
    const int length = static_cast<int>(text.size());
    const int size = WideCharToMultiByte(codePage, 0, source, length, nullptr, 0, nullptr, nullptr);
    if (size <= 0) {
        return std::string();
    }
    std::string bytes(static_cast<std::size_t>(size), '\0');
    WideCharToMultiByte(codePage, 0, source, length, bytes.data(), size, nullptr, nullptr);
    return bytes;
}

Text widenWith(std::string_view bytes, UINT codePage) {
    const int length = static_cast<int>(bytes.size());
    const int size = MultiByteToWideChar(codePage, 0, bytes.data(), length, nullptr, 0);
    if (size <= 0) {
        return Text();
    }
    Text text(static_cast<std::size_t>(size), u'\0');
    MultiByteToWideChar(codePage, 0, bytes.data(), length, reinterpret_cast<wchar_t*>(text.data()),
                        size);
    return text;
}

Text mapScript(LCID locale, DWORD flags, TextView text) {
    Text mapped(text.size(), u'\0');
    LCMapStringW(locale, flags, reinterpret_cast<const wchar_t*>(text.data()),
                 static_cast<int>(text.size()), reinterpret_cast<wchar_t*>(mapped.data()),
                 static_cast<int>(mapped.size()));
    return mapped;
}

bool representable(TextView text, UINT codePage) {
    const auto* source = reinterpret_cast<const wchar_t*>(text.data());
    const int length = static_cast<int>(text.size());
    std::string bytes(text.size() * 4, '\0');
    BOOL usedDefault = FALSE;
    const int size =
        WideCharToMultiByte(codePage, WC_NO_BEST_FIT_CHARS, source, length, bytes.data(),
                            static_cast<int>(bytes.size()), nullptr, &usedDefault);
    return size > 0 && usedDefault == FALSE;
}

} // namespace lurn::wintest
