// Both windows at the display DPI given in LURN_TEST_DPI. Wine takes the DPI
// from the user's LogPixels when a process starts, so the test sets it, runs
// itself again on a desktop of its own that holds a 1024 x 768 screen at
// that DPI, and puts the settings back. With LURN_TEST_WINDOWS7 set, the
// program's calls see Windows 7 without its loader update.

// For WM_GETDPISCALEDSIZE, which Windows 10 sends and Wine does not.
#undef _WIN32_WINNT
#define _WIN32_WINNT 0x0A00

#include "app/splash_definition.h"
#include "app/win32/win32_form.h"
#include "app/win32/win32_ports.h"
#include "config_window/config_window_definition.h"
#include "resources/resource_ids.h"
#include "support/win32_test_support.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <future>
#include <optional>
#include <string>
#include <string_view>
#include <tuple>
#include <utility>
#include <vector>

namespace lurn::wintest {
namespace {

int testDpi() {
    const char* value = std::getenv("LURN_TEST_DPI");
    return value != nullptr ? std::atoi(value) : 0;
}

void paintAll() {
    MSG message;
    while (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) {
        DispatchMessageW(&message);
    }
}

// Runs a program to its end, on the desktop given or this process's, while
// this thread's windows answer it: its exit code and its standard output.
std::pair<int, std::string> run(std::wstring commandLine, const wchar_t* desktop = nullptr) {
    SECURITY_ATTRIBUTES inherited{sizeof inherited, nullptr, TRUE};
    HANDLE reading = nullptr;
    HANDLE writing = nullptr;
    CreatePipe(&reading, &writing, &inherited, 0);
    const win32::File readEnd(reading);
    SetHandleInformation(reading, HANDLE_FLAG_INHERIT, 0);
    STARTUPINFOW startup{};
    startup.cb = sizeof startup;
    startup.lpDesktop = const_cast<wchar_t*>(desktop);
    startup.dwFlags = STARTF_USESTDHANDLES;
    startup.hStdOutput = writing;
    startup.hStdError = GetStdHandle(STD_ERROR_HANDLE);
    PROCESS_INFORMATION process{};
    const BOOL started = CreateProcessW(nullptr, commandLine.data(), nullptr, nullptr, TRUE, 0,
                                        nullptr, nullptr, &startup, &process);
    CloseHandle(writing); // the pipe ends with the program
    const win32::File thread(process.hThread), running(process.hProcess);
    auto output = std::async(std::launch::async, [reading] {
        std::string text;
        char buffer[4096];
        for (DWORD got = 0; ReadFile(reading, buffer, sizeof buffer, &got, nullptr) && got > 0;) {
            text.append(buffer, got);
        }
        return text;
    });
    while (started && MsgWaitForMultipleObjects(1, &process.hProcess, FALSE, INFINITE,
                                                QS_ALLINPUT) != WAIT_OBJECT_0) {
        paintAll();
    }
    DWORD code = 2;
    GetExitCodeProcess(process.hProcess, &code);
    return {static_cast<int>(code), output.get()};
}

// The first program that Wine starts at another DPI rewrites Wine's font
// settings and draws its text with fallback fonts: a throwaway one takes
// that turn.
void settleFonts() {
    run(L"cmd.exe /c exit");
}

// The desktop's size in pixels: LURN_TEST_DESKTOP, or the smallest 4:3
// display mode that holds a 1024 x 768 screen at the test's DPI. Wine 10
// gives a virtual desktop no size but its display modes (1536 x 1152 is none).
std::wstring desktopSize(int dpi) {
    const char* given = std::getenv("LURN_TEST_DESKTOP");
    if (given != nullptr) {
        return std::wstring(given, given + std::strlen(given));
    }
    int width = 1024;
    for (const int mode : {1280, 1600, 2048}) {
        width = width < MulDiv(1024, dpi, 96) ? mode : width;
    }
    return std::to_wstring(width) + L"x" + std::to_wstring(width * 3 / 4);
}

int runAtDpi(int dpi) {
    const std::wstring size = desktopSize(dpi);
    const std::wstring desktop = L"LurnDpi" + std::to_wstring(dpi) + L"_" + size;
    const wchar_t* const desktops = L"Software\\Wine\\Explorer\\Desktops";
    const wchar_t* const display = L"Control Panel\\Desktop";
    RegSetKeyValueW(HKEY_CURRENT_USER, desktops, desktop.c_str(), REG_SZ, size.c_str(),
                    static_cast<DWORD>(size.size() + 1) * 2);
    RegSetKeyValueW(HKEY_CURRENT_USER, display, L"LogPixels", REG_DWORD, &dpi, sizeof dpi);
    settleFonts();
    SetEnvironmentVariableW(L"LURN_DPI_CHILD", L"1");
    const auto [code, output] = run(GetCommandLineW(), desktop.c_str());
    std::fwrite(output.data(), 1, output.size(), stdout);
    // Back to the prefix's own settings, which the other tests expect.
    RegDeleteKeyValueW(HKEY_CURRENT_USER, display, L"LogPixels");
    RegDeleteKeyValueW(HKEY_CURRENT_USER, desktops, desktop.c_str());
    settleFonts();
    return code;
}

// What Windows 7 without update KB2533623 has not, and Wine has: the DPI
// functions of Windows 8.1 and 10, SetDefaultDllDirectories, and the
// LOAD_LIBRARY_SEARCH flags, which its LoadLibraryExW refuses with
// ERROR_INVALID_PARAMETER. While it lives, this program's imports of
// GetProcAddress and LoadLibraryExW come here.
struct Windows7 {
    static FARPROC WINAPI getProcAddress(HMODULE module, LPCSTR name) {
        const std::string_view named = HIWORD(name) != 0 ? name : "";
        if (named.ends_with("ForDpi") || named == "GetDpiForMonitor" ||
            named == "SetDefaultDllDirectories") {
            SetLastError(ERROR_PROC_NOT_FOUND);
            return nullptr;
        }
        return lookUp->original<decltype(&::GetProcAddress)>()(module, name);
    }
    static HMODULE WINAPI loadLibraryExW(LPCWSTR name, HANDLE file, DWORD flags) {
        if ((flags & 0x1F00) != 0) { // LOAD_LIBRARY_SEARCH_...
            SetLastError(ERROR_INVALID_PARAMETER);
            return nullptr;
        }
        return load->original<decltype(&::LoadLibraryExW)>()(name, file, flags);
    }
    static inline const ImportPatch* lookUp = nullptr;
    static inline const ImportPatch* load = nullptr;

    const ImportPatch lookUpPatch{reinterpret_cast<const void*>(&::GetProcAddress),
                                  reinterpret_cast<const void*>(&getProcAddress)};
    const ImportPatch loadPatch{reinterpret_cast<const void*>(&::LoadLibraryExW),
                                reinterpret_cast<const void*>(&loadLibraryExW)};
    Windows7() {
        lookUp = &lookUpPatch;
        load = &loadPatch;
    }
};

// One window of the program, created and shown as the program does.
struct ShownForm {
    explicit ShownForm(const FormDefinition& definition) : form(definition, codec, kCodePageGbk) {
        window.create();
        window.show();
        paintAll();
    }
    HWND handle(const Control& control) const {
        int position = 0;
        while (&form.at(static_cast<std::size_t>(position)) != &control) {
            ++position;
        }
        const HWND parent =
            control.container() != nullptr ? handle(*control.container()) : window.hwnd();
        return GetDlgItem(parent, 100 + position);
    }

    win32::CodePageConverter codec;
    Form form;
    win32::Win32Form window{form, GetModuleHandleW(nullptr)};
};

// The window's client area is its twips at `dpi`, to the pixel.
void expectClientAt(const ShownForm& shown, int dpi) {
    RECT client{};
    GetClientRect(shown.window.hwnd(), &client);
    EXPECT_EQ(client.right, MulDiv(shown.form.definition().clientWidth, dpi, 1440));
    EXPECT_EQ(client.bottom, MulDiv(shown.form.definition().clientHeight, dpi, 1440));
}

void expectControlsAt(const ShownForm& shown, int dpi) {
    const auto pixels = [dpi](int twips) {
        return MulDiv(twips, dpi, 1440);
    };
    for (std::size_t position = 0; position < shown.form.count(); ++position) {
        const Control& control = shown.form.at(position);
        if (control.is(ControlKind::Timer)) {
            continue;
        }
        const HWND handle = shown.handle(control);
        RECT rect{};
        GetWindowRect(handle, &rect);
        MapWindowPoints(HWND_DESKTOP, GetParent(handle), reinterpret_cast<POINT*>(&rect), 2);
        const TwipsRect& twips = control.definition().rect;
        const std::string name(control.name());
        EXPECT_NEAR(rect.left, pixels(twips.left), 1) << name;
        EXPECT_NEAR(rect.top, pixels(twips.top), 1) << name;
        EXPECT_NEAR(rect.right - rect.left, pixels(twips.width), 1) << name;
        EXPECT_NEAR(rect.bottom - rect.top, pixels(twips.height), 1) << name;
    }
}

// The mean red, green and blue of 8 x 4 cells over the top 80 of 85 parts of
// an area, which both windows show whole.
std::vector<double> cellColours(HDC dc, int width, int height) {
    BITMAPINFO format{};
    format.bmiHeader = {sizeof format.bmiHeader, width, -height, 1, 32, BI_RGB, 0, 0, 0, 0, 0};
    void* bits = nullptr;
    const win32::Bitmap copy(CreateDIBSection(dc, &format, DIB_RGB_COLORS, &bits, nullptr, 0));
    const win32::MemoryDc memory(CreateCompatibleDC(dc));
    const win32::Selection selected(memory.get(), copy.get());
    BitBlt(memory.get(), 0, 0, width, height, dc, 0, 0, SRCCOPY);
    const auto* pixels = static_cast<const RGBQUAD*>(bits);
    std::vector<double> means;
    for (int cell = 0; cell < 32; ++cell) {
        const RECT area{cell % 8 * width / 8, cell / 8 * height * 20 / 85,
                        (cell % 8 + 1) * width / 8, (cell / 8 + 1) * height * 20 / 85};
        double sum[3] = {};
        for (int y = area.top; y < area.bottom; ++y) {
            for (int x = area.left; x < area.right; ++x) {
                const RGBQUAD& pixel = pixels[y * width + x];
                sum[0] += pixel.rgbRed;
                sum[1] += pixel.rgbGreen;
                sum[2] += pixel.rgbBlue;
            }
        }
        const double count = (area.right - area.left) * (area.bottom - area.top);
        means.insert(means.end(), {sum[0] / count, sum[1] / count, sum[2] / count});
    }
    return means;
}

// Cell by cell, the image shows the picture's colours over the whole box.
void expectPictureFillsItsBox(const ShownForm& shown, int dpi) {
    const Control& image = shown.form.control("Image1");
    const HWND handle = shown.handle(image);
    const HDC screen = GetDC(handle);
    const std::vector<double> seen =
        cellColours(screen, MulDiv(image.definition().rect.width, dpi, 1440),
                    MulDiv(image.definition().rect.height, dpi, 1440));
    ReleaseDC(handle, screen);
    const win32::Bitmap picture(static_cast<HBITMAP>(
        LoadImageW(GetModuleHandleW(nullptr), MAKEINTRESOURCEW(IDB_TITLE), IMAGE_BITMAP, 0, 0, 0)));
    const win32::MemoryDc pictureDc(CreateCompatibleDC(nullptr));
    const win32::Selection selected(pictureDc.get(), picture.get());
    const std::vector<double> expected = cellColours(pictureDc.get(), 359, 85);
    for (std::size_t i = 0; i < expected.size(); ++i) {
        EXPECT_NEAR(seen[i], expected[i], 16) << "cell " << i / 3 << " colour " << i % 3;
    }
}

// Every caption shown fits its control in the control's font, a message font
// of about 8 to 10 points at the window's DPI.
void expectCaptionsFit(const ShownForm& shown, int dpi) {
    for (std::size_t position = 0; position < shown.form.count(); ++position) {
        const Control& control = shown.form.at(position);
        const bool beside = control.is(ControlKind::CheckBox) ||
                            control.is(ControlKind::OptionButton); // its box takes 16 px at 96
        if (control.caption().empty() || !control.definition().visible ||
            !(beside || control.is(ControlKind::Label) || control.is(ControlKind::CommandButton))) {
            continue;
        }
        const HWND handle = shown.handle(control);
        const auto font = reinterpret_cast<HFONT>(SendMessageW(handle, WM_GETFONT, 0, 0));
        LOGFONTW logical{};
        ASSERT_TRUE(GetObjectW(font, sizeof logical, &logical)) << control.name();
        EXPECT_NEAR(std::abs(logical.lfHeight) * 72.0 / dpi, 9.0, 1.5) << control.name();
        const HDC dc = GetDC(handle);
        const HGDIOBJ previous = SelectObject(dc, font);
        SIZE extent{};
        GetTextExtentPoint32W(dc, api(control.caption()),
                              static_cast<int>(control.caption().size()), &extent);
        SelectObject(dc, previous);
        ReleaseDC(handle, dc);
        RECT client{};
        GetClientRect(handle, &client);
        EXPECT_LE(extent.cx + (beside ? MulDiv(16, dpi, 96) : 0), client.right) << control.name();
        EXPECT_LE(extent.cy, client.bottom) << control.name();
    }
}

// The settings window as loaded, with the widest number in every value label.
void load(Form& form) {
    form.control("HScroll3").setValue(37);
    form.control("Check2").setValue(2);
    form.selectOption("Option3", 1);
    form.control("txtwidth").setText(u"1024");
    form.control("txtheight").setEnabled(false);
    for (const char* label : {"Label7", "Label8", "Label9", "Label11", "Label15"}) {
        form.control(label).setCaption(u"127");
    }
}

// What the controls show: text, enabled state, check mark, scroll position.
std::vector<std::tuple<Text, BOOL, LRESULT, int>> looksOf(const ShownForm& shown) {
    std::vector<std::tuple<Text, BOOL, LRESULT, int>> looks;
    for (std::size_t position = 0; position < shown.form.count(); ++position) {
        const HWND handle = shown.handle(shown.form.at(position));
        wchar_t text[64] = {};
        GetWindowTextW(handle, text, 64);
        looks.emplace_back(reinterpret_cast<const char16_t*>(text), IsWindowEnabled(handle),
                           SendMessageW(handle, BM_GETCHECK, 0, 0), GetScrollPos(handle, SB_CTL));
    }
    return looks;
}

class DpiTest : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_NE(dpi, 0) << "LURN_TEST_DPI is not set";
        const HDC screen = GetDC(nullptr);
        ASSERT_EQ(GetDeviceCaps(screen, LOGPIXELSY), dpi);
        ReleaseDC(nullptr, screen);
    }
    const int dpi = testDpi();
    const bool windows7 = std::getenv("LURN_TEST_WINDOWS7") != nullptr;
};

TEST_F(DpiTest, BothWindowsAreTheirTwipsAtTheDisplayDpiWithThePictureFillingItsBox) {
    for (const FormDefinition* definition : {&kSplashDefinition, &kConfigWindowDefinition}) {
        SCOPED_TRACE(definition->name);
        const ShownForm shown(*definition);
        expectClientAt(shown, dpi);
        expectControlsAt(shown, dpi);
        expectPictureFillsItsBox(shown, dpi);
    }
}

// The manifest's awareness is in effect: both windows are per-monitor aware
// (version 2 where the system has it) at the display's DPI. A program that
// declares no awareness, the inspector built without its manifest, sees
// them in 96-DPI units, as Windows and Wine from version 9 scale them for
// it; Wine 8 treats every window as per-monitor aware and shows it them in
// pixels, so there this test cannot tell whether the manifest is in effect.
TEST_F(DpiTest, BothWindowsArePerMonitorAwareAndOthersSeeThemScaled) {
    using WineVersion = const char*(__cdecl*)();
    const auto wineVersion = reinterpret_cast<WineVersion>(reinterpret_cast<void*>(
        GetProcAddress(GetModuleHandleW(L"ntdll.dll"), "wine_get_version")));
    const bool scaledForOthers = wineVersion == nullptr || wineVersion()[0] != '8';
    // A window's context is that of the thread that made it, which Wine 10
    // gives the window without its version.
    EXPECT_TRUE(AreDpiAwarenessContextsEqual(
        GetThreadDpiAwarenessContext(),
        IsValidDpiAwarenessContext(DPI_AWARENESS_CONTEXT_PER_MONITOR_AWARE_V2)
            ? DPI_AWARENESS_CONTEXT_PER_MONITOR_AWARE_V2
            : DPI_AWARENESS_CONTEXT_PER_MONITOR_AWARE));
    wchar_t self[MAX_PATH] = {};
    GetModuleFileNameW(nullptr, self, MAX_PATH);
    std::wstring inspector = self;
    inspector.resize(inspector.rfind(L'\\'));
    inspector += L"\\..\\..\\tools\\lurn_inspect_unaware.exe"; // beside the other tools
    for (const FormDefinition* definition : {&kSplashDefinition, &kConfigWindowDefinition}) {
        SCOPED_TRACE(definition->name);
        const ShownForm shown(*definition);
        const HWND window = shown.window.hwnd();
        EXPECT_EQ(GetAwarenessFromDpiAwarenessContext(GetWindowDpiAwarenessContext(window)),
                  DPI_AWARENESS_PER_MONITOR_AWARE);
        EXPECT_EQ(GetDpiForWindow(window), static_cast<UINT>(dpi));
        const std::string seen =
            run(inspector + L" --title " +
                std::wstring(definition->caption,
                             definition->caption + std::strlen(definition->caption)))
                .second;
        const int seenAt = scaledForOthers ? 96 : dpi;
        const std::string client =
            "\tclient=" + std::to_string(MulDiv(definition->clientWidth, seenAt, 1440)) + "," +
            std::to_string(MulDiv(definition->clientHeight, seenAt, 1440)) + "\t";
        EXPECT_NE(seen.substr(0, seen.find('\r')).find(client), std::string::npos)
            << "seen by a program that declares no awareness: " << seen.substr(0, 100);
    }
}

// Centred on the primary monitor's work area; along a side where the window
// is larger, its top-left corner is the work area's.
TEST_F(DpiTest, BothWindowsOpenCentredOnTheWorkAreaWithTheirTopLeftInIt) {
    MONITORINFO monitor{};
    monitor.cbSize = sizeof monitor;
    ASSERT_TRUE(GetMonitorInfoW(MonitorFromPoint({0, 0}, MONITOR_DEFAULTTOPRIMARY), &monitor));
    const RECT& work = monitor.rcWork;
    bool tooLarge = false;
    const auto expectPlaced = [&tooLarge](LONG low, LONG high, LONG workLow, LONG workHigh) {
        if (high - low > workHigh - workLow) {
            tooLarge = true;
            EXPECT_EQ(low, workLow);
        } else {
            EXPECT_NEAR(low - workLow, workHigh - high, 1);
        }
    };
    for (const FormDefinition* definition : {&kSplashDefinition, &kConfigWindowDefinition}) {
        SCOPED_TRACE(definition->name);
        const ShownForm shown(*definition);
        RECT placed{};
        GetWindowRect(shown.window.hwnd(), &placed);
        expectPlaced(placed.left, placed.right, work.left, work.right);
        expectPlaced(placed.top, placed.bottom, work.top, work.bottom);
    }
    // A 1024 x 768 screen at 144 DPI is too narrow for the settings window.
    EXPECT_EQ(tooLarge, std::getenv("LURN_TEST_DESKTOP") != nullptr);
}

// A frame's border is the system's own group box's: in the visual style
// where one is active (as in the test prefix), the classic one where none is.
TEST_F(DpiTest, FramesHaveTheBorderOfTheSystemsGroupBox) {
    const ShownForm shown(kConfigWindowDefinition);
    const HWND frame = shown.handle(shown.form.control("Frame2"));
    RECT size{};
    GetClientRect(frame, &size);
    const win32::Window box(CreateWindowExW(0, L"BUTTON", L"", WS_CHILD | WS_VISIBLE | BS_GROUPBOX,
                                            0, 0, size.right, size.bottom, shown.window.hwnd(),
                                            nullptr, nullptr, nullptr));
    SendMessageW(box.get(), WM_SETFONT, SendMessageW(frame, WM_GETFONT, 0, 0), FALSE);
    paintAll();
    // The left side below the caption.
    const auto leftSide = [&size](HWND window) {
        const HDC dc = GetDC(window);
        std::vector<COLORREF> pixels;
        for (int y = size.bottom / 2; y < size.bottom - 4; ++y) {
            pixels.insert(pixels.end(),
                          {GetPixel(dc, 0, y), GetPixel(dc, 1, y), GetPixel(dc, 2, y)});
        }
        ReleaseDC(window, dc);
        return pixels;
    };
    EXPECT_TRUE(leftSide(frame) == leftSide(box.get()));
}

// Every caption fits its control at the display's DPI and at another.
TEST_F(DpiTest, ADpiChangeLaysTheWindowOutAgainAndKeepsWhatItShows) {
    ShownForm shown(kConfigWindowDefinition);
    Form& form = shown.form;
    load(form);
    expectCaptionsFit(shown, dpi);
    const HWND focus = shown.handle(form.control("txtwidth"));
    SetFocus(focus);
    ASSERT_EQ(GetFocus(), focus);
    int events = 0;
    const auto count = [&events](auto...) {
        ++events;
    };
    for (std::size_t position = 0; position < form.count(); ++position) {
        form.at(position).onClick = count;
        form.at(position).onChange = count;
        form.at(position).onKeyUp = count;
    }
    const auto before = looksOf(shown);

    // A move to a monitor of another DPI, and back. Windows 10 first asks
    // the window for its size at the new DPI and suggests that; earlier ones
    // suggest the window's rectangle scaled, frame and all, some pixels off.
    const int otherDpi = dpi == 96 ? 120 : 96;
    const HWND window = shown.window.hwnd();
    const auto changeDpi = [&](int oldDpi, int newDpi, POINT at) {
        RECT now{};
        GetWindowRect(window, &now);
        SIZE size{MulDiv(now.right - now.left, newDpi, oldDpi) + 3,
                  MulDiv(now.bottom - now.top, newDpi, oldDpi) + 2};
        EXPECT_TRUE(windows7 || SendMessageW(window, WM_GETDPISCALEDSIZE, newDpi,
                                             reinterpret_cast<LPARAM>(&size)));
        RECT suggested{at.x, at.y, at.x + size.cx, at.y + size.cy};
        SendMessageW(window, WM_DPICHANGED, MAKEWPARAM(newDpi, newDpi),
                     reinterpret_cast<LPARAM>(&suggested));
        paintAll();
        return suggested;
    };
    changeDpi(dpi, otherDpi, {40, 30});
    // Wine draws the frame at the display's DPI whatever a window's, so the
    // client area is checked on the way back only.
    expectControlsAt(shown, otherDpi);
    expectPictureFillsItsBox(shown, otherDpi);
    expectCaptionsFit(shown, otherDpi);
    for (const auto& [which, size] : {std::pair{ICON_BIG, 32}, std::pair{ICON_SMALL, 16}}) {
        ICONINFO icon{};
        ASSERT_TRUE(GetIconInfo(reinterpret_cast<HICON>(SendMessageW(window, WM_GETICON, which, 0)),
                                &icon));
        const win32::Bitmap colour(icon.hbmColor);
        const win32::Bitmap mask(icon.hbmMask);
        BITMAP bitmap{};
        GetObjectW(colour.get(), sizeof bitmap, &bitmap);
        EXPECT_EQ(bitmap.bmWidth, MulDiv(size, otherDpi, 96)) << "icon " << which;
    }

    const RECT suggested = changeDpi(otherDpi, dpi, {50, 40});
    expectClientAt(shown, dpi);
    expectControlsAt(shown, dpi);
    RECT placed{};
    GetWindowRect(window, &placed);
    EXPECT_NEAR(placed.left + placed.right, suggested.left + suggested.right, 1);
    EXPECT_NEAR(placed.top + placed.bottom, suggested.top + suggested.bottom, 1);
    EXPECT_TRUE(windows7 || EqualRect(&placed, &suggested));
    EXPECT_TRUE(looksOf(shown) == before);
    EXPECT_EQ(GetFocus(), focus);
    EXPECT_EQ(events, 0);
}

} // namespace
} // namespace lurn::wintest

int main(int argc, char** argv) {
    const int dpi = lurn::wintest::testDpi();
    if (dpi != 0 && GetEnvironmentVariableW(L"LURN_DPI_CHILD", nullptr, 0) == 0) {
        return lurn::wintest::runAtDpi(dpi);
    }
    std::optional<lurn::wintest::Windows7> windows7;
    if (std::getenv("LURN_TEST_WINDOWS7") != nullptr) {
        windows7.emplace();
    }
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
