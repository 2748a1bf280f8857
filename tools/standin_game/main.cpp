// qeb_lurn.exe, the stand-in game: it records how it was started in
// standin_launch.txt beside itself, then shows its working directory, its
// command line and the settings it reads from qebmod.ini beside itself,
// until its window is closed.

#include "game_settings.h"
#include "launch.h"
#include "launch_record.h"
#include "standin_window.h"

#include <windows.h>

#include <string>
#include <vector>

namespace {

using namespace standin;

std::vector<std::wstring> windowLines(const Launch& launch, const std::wstring& recordPath,
                                      DWORD recordError, const std::wstring& iniPath) {
    std::wstring settings;
    for (const SettingValue& setting : readGameSettings(iniPath)) {
        settings += (settings.empty() ? L"" : L"\r\n") + settingLine(setting);
    }
    return {
        L"这是游戏的替身程序：它显示启动它的目录、命令行和它读到的设置。",
        L"working directory: " + launch.workingDirectory,
        L"command line: " + launch.commandLine,
        recordError == ERROR_SUCCESS
            ? L"launch recorded in " + recordPath
            : L"launch not recorded (error " + std::to_wstring(recordError) + L"): " + recordPath,
        L"settings read from " + iniPath + L":",
        settings,
    };
}

} // namespace

int WINAPI wWinMain(HINSTANCE instance, HINSTANCE, PWSTR, int showCommand) {
    const Launch launch = currentLaunch();
    const std::wstring recordPath = launch.exeDirectory + L'\\' + kLaunchRecordName;
    const DWORD recordError = writeLaunchRecord(recordPath, launch);
    const std::wstring iniPath = launch.exeDirectory + L"\\qebmod.ini";

    StandinWindow window(instance, windowLines(launch, recordPath, recordError, iniPath));
    if (!window.created()) {
        return 1;
    }
    window.show(showCommand);
    MSG message;
    while (GetMessageW(&message, nullptr, 0, 0) > 0) {
        TranslateMessage(&message);
        DispatchMessageW(&message);
    }
    return static_cast<int>(message.wParam);
}
