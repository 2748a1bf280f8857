#pragma once
// The program's start-up and hand-over: the splash window shows the title
// picture for one second; when it unloads, the common controls are
// initialised and the single configuration window is created, loaded and
// shown. The process then lives until that window closes, the game starts,
// or an untrapped error ends it.

#include "app/form_model.h"
#include "app/win32/settings_file_copies.h"
#include "app/win32/win32_form.h"
#include "app/win32/win32_ports.h"
#include "config_window/dovmirant_config.h"

#include <windows.h>

#include <memory>

namespace lurn::win32 {

// Hooks for the start-up benchmark build; the program itself passes none.
// Each is called on the user-interface thread, at the moment its name says.
class StartupObserver {
public:
    virtual ~StartupObserver() = default;
    // The splash has been shown and painted; the message loop has not run yet.
    virtual void splashShown() = 0;
    // The splash's one-second timer has fired; nothing of the load has run yet.
    virtual void splashTimerFired() = 0;
    // The configuration window has been shown and painted and the splash
    // destroyed; the message loop runs next.
    virtual void configWindowShown(Dovmirant_Config& window) = 0;
};

class Application {
public:
    explicit Application(HINSTANCE instance, StartupObserver* observer = nullptr);
    Application(const Application&) = delete;
    Application& operator=(const Application&) = delete;

    // Shows the splash window and runs the message loop.
    int run();

private:
    struct ConfigWindow {
        ConfigWindow(const ConfigWindowServices& services, HINSTANCE instance);
        Dovmirant_Config behaviour;
        Win32Form window;
    };

    void Timer1_Timer();
    void unloadSplash();
    void Splash_Unload();
    void showConfigWindow();

    HINSTANCE instance_;
    StartupObserver* observer_;
    ProfileFunctions profile_;
    WorkingCopies files_;
    CodePageConverter codec_;
    LocaleScriptMapper mapper_;
    SystemFacts system_;
    MessageBoxes dialogs_;
    ShellLauncher launcher_;
    ProcessExit process_;
    Form splashForm_;
    Win32Form splashWindow_;
    bool splashUnloaded_ = false;
    std::unique_ptr<ConfigWindow> config_;
};

} // namespace lurn::win32
