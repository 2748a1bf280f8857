#pragma once
// How this process was started: its directory, its working directory and
// its arguments.

#include <string>
#include <string_view>

namespace standin {

struct Launch {
    std::wstring exeDirectory;     // without a trailing backslash
    std::wstring workingDirectory; // as GetCurrentDirectoryW gives it
    std::wstring commandLine;      // the whole command line
    std::wstring arguments;        // the command line after the program name
    int argumentCount;             // CommandLineToArgvW's count less the program name
};

Launch currentLaunch();

// The part of a command line after the program name and the blanks that
// follow it, as it was passed. The program name ends as CommandLineToArgvW
// ends it: at the closing quote when it starts with one, else at the first
// space or tab.
std::wstring_view argumentsAfterProgramName(std::wstring_view commandLine);

} // namespace standin
