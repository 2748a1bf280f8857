#pragma once
// The file in which the stand-in game records how it was started, so that a
// test can check what the launcher passed to it.

#include "launch.h"

#include <windows.h>

#include <string>

namespace standin {

constexpr wchar_t kLaunchRecordName[] = L"standin_launch.txt";

// The record's text: the lines cwd=<working directory>, args=<arguments as
// passed> and argc=<number of arguments>, each ending in CR LF.
std::wstring launchRecordText(const Launch& launch);

// Writes the record as UTF-8 to path, replacing what was there. The Win32
// error code, ERROR_SUCCESS when written.
DWORD writeLaunchRecord(const std::wstring& path, const Launch& launch);

} // namespace standin
