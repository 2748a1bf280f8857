// hold_file PATH [MILLISECONDS]: opens PATH with no sharing, so that no other
// process can open it, prints "held" and keeps it open until the time has
// passed (default 30 s) or the process is ended. Used by the tests to make a
// save fail.

#include <windows.h>

#include <cstdio>
#include <cstdlib>
#include <memory>

int wmain(int argc, wchar_t** argv) {
    if (argc < 2) {
        std::fputs("usage: hold_file PATH [MILLISECONDS]\n", stderr);
        return 2;
    }
    const DWORD milliseconds = argc > 2 ? static_cast<DWORD>(_wtoi(argv[2])) : 30000;
    HANDLE opened = CreateFileW(argv[1], GENERIC_READ | GENERIC_WRITE, 0, nullptr, OPEN_ALWAYS,
                                FILE_ATTRIBUTE_NORMAL, nullptr);
    if (opened == INVALID_HANDLE_VALUE) {
        std::fprintf(stderr, "cannot open: error %lu\n", GetLastError());
        return 1;
    }
    const std::unique_ptr<void, decltype(&CloseHandle)> file(opened, &CloseHandle);
    std::puts("held");
    std::fflush(stdout);
    Sleep(milliseconds);
    return 0;
}
