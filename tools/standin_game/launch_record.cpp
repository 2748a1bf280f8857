#include "launch_record.h"

#include "app/win32/handles.h"

namespace standin {

namespace {

using File = lurn::win32::Owned<HANDLE, CloseHandle>;

std::string utf8(const std::wstring& text) {
    const int wideLength = static_cast<int>(text.size());
    const int length =
        WideCharToMultiByte(CP_UTF8, 0, text.data(), wideLength, nullptr, 0, nullptr, nullptr);
    std::string bytes(static_cast<std::size_t>(length), '\0');
    WideCharToMultiByte(CP_UTF8, 0, text.data(), wideLength, bytes.data(), length, nullptr,
                        nullptr);
    return bytes;
}

} // namespace

std::wstring launchRecordText(const Launch& launch) {
    return L"cwd=" + launch.workingDirectory + L"\r\nargs=" + launch.arguments + L"\r\nargc=" +
           std::to_wstring(launch.argumentCount) + L"\r\n";
}

DWORD writeLaunchRecord(const std::wstring& path, const Launch& launch) {
    HANDLE opened = CreateFileW(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS,
                                FILE_ATTRIBUTE_NORMAL, nullptr);
    if (opened == INVALID_HANDLE_VALUE) {
        return GetLastError();
    }
    const File file(opened);
    const std::string bytes = utf8(launchRecordText(launch));
    DWORD written = 0;
    if (!WriteFile(file.get(), bytes.data(), static_cast<DWORD>(bytes.size()), &written, nullptr)) {
        return GetLastError();
    }
    return written == bytes.size() ? ERROR_SUCCESS : ERROR_WRITE_FAULT;
}

} // namespace standin
