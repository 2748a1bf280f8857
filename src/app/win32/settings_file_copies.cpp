#include "app/win32/settings_file_copies.h"

#include "app/win32/handles.h"

// The copy is made with CopyFileW, so it has the file's bytes (ANSI or
// UTF-16 with its byte-order mark, its line ends), its attributes and, under
// file virtualisation, the file's place: beside a file redirected to the
// user's VirtualStore the copy is redirected too. It replaces the file with
// one rename (MoveFileExW), which the file system makes whole or not at all,
// also when the process is killed or the machine stops; ReplaceFileW is not
// used, as its documented failures include one that leaves no file under
// the settings file's name.
//
// On Windows, scanners, the search indexer and sync clients open a new or
// changed file for a moment, sharing reading and writing but not deletion:
// a copy, rename or delete then fails with a sharing violation, or with
// access denied where the file is pending deletion. Each step is made again
// for up to two seconds before it counts as failed.

namespace lurn::win32 {

namespace {

constexpr ULONGLONG kPatienceMs = 2000;
constexpr DWORD kPauseMs = 50;

// Makes the profile functions drop what they hold of a file in memory.
void forgetProfile(const Text& file) {
    WritePrivateProfileStringW(nullptr, nullptr, nullptr, wide(file));
}

bool missing(const Text& path) {
    return GetFileAttributesW(wide(path)) == INVALID_FILE_ATTRIBUTES &&
           GetLastError() == ERROR_FILE_NOT_FOUND;
}

// True when a step failed because another program has the file open
// without sharing what the step needs.
bool lockedForAMoment(DWORD error, const Text&) {
    return error == ERROR_SHARING_VIOLATION || error == ERROR_LOCK_VIOLATION;
}

// True when a step on `path` failed only because another program holds the
// file for a moment. Access is denied to a file pending deletion (whose
// attributes cannot be read either) and, by some holders, to a file that is
// there; a read-only file or a missing one is not held.
bool heldForAMoment(DWORD error, const Text& path) {
    if (lockedForAMoment(error, path)) {
        return true;
    }
    if (error != ERROR_ACCESS_DENIED) {
        return false;
    }
    const DWORD attributes = GetFileAttributesW(wide(path));
    if (attributes == INVALID_FILE_ATTRIBUTES) {
        return GetLastError() == ERROR_ACCESS_DENIED;
    }
    return (attributes & FILE_ATTRIBUTE_READONLY) == 0;
}

// Makes the step, and makes it again after short pauses for as long as
// another program holds `path` (as `held` tells), for up to two seconds.
// The step's error is the last error afterwards.
template <typename Step>
bool patiently(const Text& path, Step step, bool (*held)(DWORD, const Text&) = heldForAMoment) {
    const ULONGLONG giveUp = GetTickCount64() + kPatienceMs;
    while (!step()) {
        const DWORD error = GetLastError();
        if (!held(error, path) || GetTickCount64() >= giveUp) {
            SetLastError(error);
            return false;
        }
        Sleep(kPauseMs);
    }
    return true;
}

bool readOnly(const Text& file) {
    const DWORD attributes = GetFileAttributesW(wide(file));
    return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_READONLY) != 0;
}

} // namespace

FileStep WorkingCopies::copy(const Text& file, const Text& copy) const {
    forgetProfile(copy);
    if (missing(file)) {
        return FileStep::Done;
    }
    if (patiently(copy, [&] { return CopyFileW(wide(file), wide(copy), TRUE) != FALSE; })) {
        // Windows' CopyFileW gives the copy the file's attributes; Wine 10's
        // does not, and a hidden file would come back visible.
        const DWORD attributes = GetFileAttributesW(wide(file));
        if (attributes != INVALID_FILE_ATTRIBUTES) {
            SetFileAttributesW(wide(copy), attributes);
        }
        return FileStep::Done;
    }
    // Denied with no file of the copy's name: the folder takes no new files.
    return GetLastError() == ERROR_ACCESS_DENIED && missing(copy) ? FileStep::Denied
                                                                  : FileStep::Failed;
}

bool WorkingCopies::flush(const Text& path) const {
    forgetProfile(path);
    const File file = openedFile(CreateFileW(wide(path), GENERIC_WRITE, FILE_SHARE_READ, nullptr,
                                             OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr));
    return file && FlushFileBuffers(file.get()) != FALSE;
}

FileStep WorkingCopies::replace(const Text& copy, const Text& file) const {
    // The profile functions do not write a read-only file, and Windows
    // renames nothing over one; Wine would, so it is asked first.
    if (readOnly(file)) {
        return FileStep::Failed;
    }
    if (patiently(file, [&] {
            return MoveFileExW(wide(copy), wide(file),
                               MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH) != FALSE;
        })) {
        return FileStep::Done;
    }
    // Still denied: the file may not be deleted, when it cannot be opened
    // for deletion with every sharing allowed; a holder that outlasted the
    // pauses makes that open a sharing violation instead.
    if (GetLastError() != ERROR_ACCESS_DENIED) {
        return FileStep::Failed;
    }
    const File deletion = openedFile(
        CreateFileW(wide(file), DELETE, FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE,
                    nullptr, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr));
    return !deletion && GetLastError() == ERROR_ACCESS_DENIED ? FileStep::Denied : FileStep::Failed;
}

void WorkingCopies::remove(const Text& copy) const {
    SetFileAttributesW(wide(copy), FILE_ATTRIBUTE_NORMAL);
    patiently(copy, [&] {
        return DeleteFileW(wide(copy)) != FALSE || GetLastError() == ERROR_FILE_NOT_FOUND;
    });
}

std::optional<std::string> WorkingCopies::writableBytes(const Text& file) const {
    if (readOnly(file)) {
        return std::nullopt;
    }
    const File opened =
        openedFile(CreateFileW(wide(file), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE,
                               nullptr, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr));
    LARGE_INTEGER size{};
    if (!opened || GetFileSizeEx(opened.get(), &size) == FALSE || size.QuadPart > MAXDWORD / 2) {
        return std::nullopt;
    }
    std::string bytes(static_cast<std::size_t>(size.QuadPart), '\0');
    DWORD read = 0;
    if (ReadFile(opened.get(), bytes.data(), static_cast<DWORD>(bytes.size()), &read, nullptr) ==
            FALSE ||
        read != bytes.size()) {
        return std::nullopt;
    }
    return bytes;
}

// The file is opened as it is and cut to the bytes' length, not overwritten:
// Windows refuses to overwrite a hidden or system file unless the caller
// asks for those attributes again (Microsoft: CreateFile), and an open keeps
// every attribute the file has. This program wrote the file a moment ago,
// so access denied is final; only a holder without write sharing is waited
// for.
bool WorkingCopies::rewrite(const Text& file, const std::string& bytes) const {
    File opened;
    patiently(
        file,
        [&] {
            opened = openedFile(CreateFileW(wide(file), GENERIC_WRITE, FILE_SHARE_READ, nullptr,
                                            OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr));
            return static_cast<bool>(opened);
        },
        lockedForAMoment);
    DWORD written = 0;
    const bool rewritten = opened &&
                           WriteFile(opened.get(), bytes.data(), static_cast<DWORD>(bytes.size()),
                                     &written, nullptr) != FALSE &&
                           written == bytes.size() && SetEndOfFile(opened.get()) != FALSE &&
                           FlushFileBuffers(opened.get()) != FALSE;
    opened.reset();
    forgetProfile(file);
    return rewritten;
}

} // namespace lurn::win32
