// Holds a file open as scanners, the search indexer and sync clients on
// Windows do for a moment: for reading, sharing reading and writing but not
// deletion. `file_holder <file> <mark>` makes the file <mark> once it holds
// the file, and holds it until it is killed; `file_holder <file> <mark>
// <awaited>` lets it go half a second after the file <awaited> appeared.
// It exits with 1 when it could not open the file.

#include <windows.h>

int wmain(int argc, wchar_t** argv) {
    const HANDLE held = CreateFileW(argv[1], GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE,
                                    nullptr, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
    CloseHandle(CreateFileW(argv[2], GENERIC_WRITE, 0, nullptr, CREATE_NEW, 0, nullptr));
    while (argc < 4 || GetFileAttributesW(argv[3]) == INVALID_FILE_ATTRIBUTES) {
        Sleep(10);
    }
    Sleep(500);
    return held == INVALID_HANDLE_VALUE ? 1 : 0; // ending lets the file go
}
