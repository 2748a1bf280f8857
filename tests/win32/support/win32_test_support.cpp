#include "support/win32_test_support.h"

#include "app/win32/handles.h"
#include "app/win32/win32_form_internal.h"

#include <shellapi.h>

#include <algorithm>
#include <random>
#include <stdexcept>

namespace lurn::wintest {

// A random name, and another while one is taken: a run ended by a timeout
// leaves its folders behind, and Wine gives out process ids again.
TempFolder::TempFolder(TextView leaf) {
    wchar_t directory[MAX_PATH + 1];
    const DWORD length = GetTempPathW(MAX_PATH + 1, directory);
    std::random_device random;
    for (int attempt = 0; attempt < 100 && length > 0; ++attempt) {
        path_ = Text(reinterpret_cast<const char16_t*>(directory), length) + u"lurn-w32t-" +
                decimalText(random()) + Text(leaf);
        if (CreateDirectoryW(api(path_), nullptr)) {
            return;
        }
    }
    throw std::runtime_error("cannot create " + utf8(path_));
}

TempFolder::~TempFolder() {
    const Text from = path_ + u'\0'; // a list of one path, ending in two NULs
    SHFILEOPSTRUCTW operation{};
    operation.wFunc = FO_DELETE;
    operation.pFrom = api(from);
    operation.fFlags = FOF_NOCONFIRMATION | FOF_NOERRORUI | FOF_SILENT;
    SHFileOperationW(&operation);
}

namespace {

win32::File openFile(const Text& path, DWORD access, DWORD disposition) {
    win32::File file =
        win32::openedFile(CreateFileW(api(path), access, FILE_SHARE_READ | FILE_SHARE_WRITE,
                                      nullptr, disposition, FILE_ATTRIBUTE_NORMAL, nullptr));
    if (!file) {
        throw std::runtime_error("cannot open " + utf8(path));
    }
    return file;
}

} // namespace

std::string readBytes(const Text& path) {
    const win32::File file = openFile(path, GENERIC_READ, OPEN_EXISTING);
    std::string bytes;
    char buffer[4096];
    DWORD got = 0;
    while (ReadFile(file.get(), buffer, sizeof buffer, &got, nullptr) && got > 0) {
        bytes.append(buffer, got);
    }
    return bytes;
}

void writeBytes(const Text& path, std::string_view bytes) {
    const win32::File file = openFile(path, GENERIC_WRITE, CREATE_ALWAYS);
    DWORD written = 0;
    if (!WriteFile(file.get(), bytes.data(), static_cast<DWORD>(bytes.size()), &written, nullptr) ||
        written != bytes.size()) {
        throw std::runtime_error("cannot write " + utf8(path));
    }
}

ImportPatch::ImportPatch(const void* original, const void* replacement) : original_(original) {
    auto* base = reinterpret_cast<BYTE*>(GetModuleHandleW(nullptr));
    const IMAGE_DATA_DIRECTORY table =
        reinterpret_cast<const IMAGE_NT_HEADERS*>(
            base + reinterpret_cast<const IMAGE_DOS_HEADER*>(base)->e_lfanew)
            ->OptionalHeader.DataDirectory[IMAGE_DIRECTORY_ENTRY_IAT];
    auto** first = reinterpret_cast<const void**>(base + table.VirtualAddress);
    auto** last = first + table.Size / sizeof(void*);
    slot_ = std::find(first, last, original);
    if (slot_ == last) {
        throw std::runtime_error("the function is not imported");
    }
    DWORD protection = 0; // the slot stays writable: its program is a test
    VirtualProtect(slot_, sizeof *slot_, PAGE_READWRITE, &protection);
    *slot_ = replacement;
}

Text accessibleName(HWND control) {
    wchar_t kind[16] = {};
    GetClassNameW(control, kind, 16);
    if (_wcsicmp(kind, L"Edit") != 0 && _wcsicmp(kind, L"ScrollBar") != 0) {
        return win32::windowText(control);
    }
    for (HWND before = GetWindow(control, GW_HWNDPREV); before != nullptr;
         before = GetWindow(before, GW_HWNDPREV)) {
        GetClassNameW(before, kind, 16);
        const LONG_PTR style = GetWindowLongPtrW(before, GWL_STYLE);
        if (_wcsicmp(kind, L"Static") == 0 && (style & SS_TYPEMASK) <= SS_RIGHT) { // not a picture
            return win32::windowText(before);
        }
        if ((style & (WS_GROUP | WS_TABSTOP)) == (WS_GROUP | WS_TABSTOP)) {
            break;
        }
    }
    return {};
}

} // namespace lurn::wintest
