#include "app/win32/settings_file_copies.h"

#include "app/win32/handles.h"

#include <vector>

// The copy is made with CopyFileW, so it has the file's bytes (ANSI or
// UTF-16 with its byte-order mark, its line ends), its attributes and, under
// file virtualisation, the file's place: beside a file redirected to the
// user's VirtualStore the copy is redirected too. It replaces the file with
// one rename (MoveFileExW), which the file system makes whole or not at all,
// also when the process is killed or the machine stops; ReplaceFileW is not
// used, as its documented failures include one that leaves no file under
// the settings file's name.

namespace lurn::win32 {

namespace {

// Makes the profile functions drop what they hold of a file in memory.
void forgetProfile(const Text& file) {
    WritePrivateProfileStringW(nullptr, nullptr, nullptr, wide(file));
}

// A list of NUL-ended texts that `read` writes into a buffer of the given
// size, which grows until the list fits.
template <typename Read> std::vector<Text> profileList(Read read) {
    std::vector<wchar_t> buffer(4096);
    DWORD length = read(buffer.data(), static_cast<DWORD>(buffer.size()));
    while (length + 2 >= buffer.size()) {
        buffer.resize(buffer.size() * 2);
        length = read(buffer.data(), static_cast<DWORD>(buffer.size()));
    }
    std::vector<Text> list;
    for (const wchar_t* item = buffer.data(); *item != L'\0'; item += list.back().size() + 1) {
        list.emplace_back(reinterpret_cast<const char16_t*>(item));
    }
    return list;
}

} // namespace

bool WorkingCopies::copy(const Text& file, const Text& copy) const {
    forgetProfile(copy);
    if (GetFileAttributesW(wide(file)) == INVALID_FILE_ATTRIBUTES &&
        GetLastError() == ERROR_FILE_NOT_FOUND) {
        return true;
    }
    return CopyFileW(wide(file), wide(copy), TRUE) != FALSE;
}

bool WorkingCopies::flush(const Text& copy) const {
    forgetProfile(copy);
    const File file = openedFile(CreateFileW(wide(copy), GENERIC_WRITE, FILE_SHARE_READ, nullptr,
                                             OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr));
    return file && FlushFileBuffers(file.get()) != FALSE;
}

std::vector<ProfileEntry> WorkingCopies::entries(const Text& file) const {
    std::vector<ProfileEntry> entries;
    const std::vector<Text> sections = profileList([&](wchar_t* buffer, DWORD size) {
        return GetPrivateProfileSectionNamesW(buffer, size, wide(file));
    });
    for (const Text& section : sections) {
        const std::vector<Text> lines = profileList([&](wchar_t* buffer, DWORD size) {
            return GetPrivateProfileSectionW(wide(section), buffer, size, wide(file));
        });
        for (const Text& line : lines) {
            const std::size_t equals = line.find(u'=');
            entries.push_back({section, line.substr(0, equals),
                               equals == Text::npos ? Text() : line.substr(equals + 1)});
        }
    }
    return entries;
}

bool WorkingCopies::replace(const Text& copy, const Text& file) const {
    // The profile functions do not write a read-only file, and Windows
    // renames nothing over one; Wine would, so it is asked first.
    const DWORD attributes = GetFileAttributesW(wide(file));
    if (attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_READONLY) != 0) {
        return false;
    }
    return MoveFileExW(wide(copy), wide(file),
                       MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH) != FALSE;
}

void WorkingCopies::remove(const Text& copy) const {
    SetFileAttributesW(wide(copy), FILE_ATTRIBUTE_NORMAL);
    DeleteFileW(wide(copy));
}

} // namespace lurn::win32
