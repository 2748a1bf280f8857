#include "launch.h"

#include <windows.h>

#include <shellapi.h>

#include <algorithm>
#include <memory>

namespace standin {

namespace {

struct LocalFreeDeleter {
    void operator()(LPWSTR* block) const { LocalFree(block); }
};

std::wstring exeDirectory() {
    std::wstring path(32768, L'\0');
    path.resize(GetModuleFileNameW(nullptr, path.data(), static_cast<DWORD>(path.size())));
    const std::size_t separator = path.find_last_of(L"\\/");
    path.resize(separator == std::wstring::npos ? 0 : separator);
    return path;
}

std::wstring workingDirectory() {
    std::wstring path(GetCurrentDirectoryW(0, nullptr), L'\0');
    path.resize(GetCurrentDirectoryW(static_cast<DWORD>(path.size()), path.data()));
    return path;
}

int argumentCount(const wchar_t* commandLine) {
    int count = 0;
    const std::unique_ptr<LPWSTR, LocalFreeDeleter> argv(CommandLineToArgvW(commandLine, &count));
    return argv ? count - 1 : 0;
}

} // namespace

std::wstring_view argumentsAfterProgramName(std::wstring_view commandLine) {
    std::size_t end = 0;
    if (!commandLine.empty() && commandLine.front() == L'"') {
        const std::size_t closing = commandLine.find(L'"', 1);
        end = closing == std::wstring_view::npos ? commandLine.size() : closing + 1;
    } else {
        end = std::min(commandLine.find_first_of(L" \t"), commandLine.size());
    }
    const std::size_t start = commandLine.find_first_not_of(L" \t", end);
    return start == std::wstring_view::npos ? std::wstring_view{} : commandLine.substr(start);
}

Launch currentLaunch() {
    const wchar_t* commandLine = GetCommandLineW();
    return Launch{exeDirectory(), workingDirectory(), commandLine,
                  std::wstring(argumentsAfterProgramName(commandLine)), argumentCount(commandLine)};
}

} // namespace standin
