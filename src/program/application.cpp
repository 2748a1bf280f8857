#include "program/application.h"

#include "app/splash_definition.h"
#include "app/win32/mod_xp.h"
#include "app/win32/top_level.h"
#include "localisation/gb_big5_api.h"

namespace lurn::win32 {

Application::ConfigWindow::ConfigWindow(const ConfigWindowServices& services, HINSTANCE instance)
    : behaviour(services), window(behaviour.form(), instance) {}

Application::Application(HINSTANCE instance, StartupObserver* observer)
    : instance_(instance), observer_(observer),
      splashForm_(kSplashDefinition, codec_,
                  gb_big5_api::windowCodePage(system_.defaultLanguage())),
      splashWindow_(splashForm_, instance) {
    splashForm_.control("Timer1").onTick = [this] {
        Timer1_Timer();
    };
    splashWindow_.onCloseRequest = [this] {
        unloadSplash();
    };
}

int Application::run() {
    splashWindow_.create();
    splashWindow_.show();
    if (observer_ != nullptr) {
        observer_->splashShown();
    }
    MSG message;
    while (GetMessageW(&message, nullptr, 0, 0) > 0) {
        guarded<int>([&] {
            if (config_ && config_->window.preTranslate(message)) {
                return 0;
            }
            TranslateMessage(&message);
            DispatchMessageW(&message);
            if (config_) {
                config_->window.afterDispatch(message);
            }
            return 0;
        });
    }
    return 0;
}

void Application::Timer1_Timer() {
    if (observer_ != nullptr) {
        observer_->splashTimerFired();
    }
    splashForm_.control("Timer1").setValue(0);
    unloadSplash();
}

void Application::unloadSplash() {
    if (splashUnloaded_) {
        return;
    }
    splashUnloaded_ = true;
    // Closed before its second was over, the splash must not tick later:
    // not even inside the modal loop of an error report from the load.
    splashForm_.control("Timer1").setValue(0);
    Splash_Unload();
    splashWindow_.destroy();
    if (observer_ != nullptr && config_) {
        observer_->configWindowShown(config_->behaviour);
    }
}

void Application::Splash_Unload() {
    ModXp::InitVisualStyles();
    showConfigWindow();
}

void Application::showConfigWindow() {
    if (!config_) {
        const ConfigWindowServices services{profile_, files_,   codec_,    mapper_,
                                            system_,  dialogs_, launcher_, process_};
        config_ = std::make_unique<ConfigWindow>(services, instance_);
        config_->window.create();
        dialogs_.setOwner(config_->window.hwnd());
        launcher_.setOwner(config_->window.hwnd());
        config_->window.onCloseRequest = [this] {
            config_->behaviour.Form_Unload();
        };
        config_->behaviour.Form_Load();
    }
    config_->window.show();
}

} // namespace lurn::win32
