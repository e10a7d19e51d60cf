#include "app/start.h"

#include "platform/application.h"

namespace app {

int start(int argc, char** argv, MainWindowHooks hooks) {
    return platform::run_application(
        argc, argv, [&](platform::System& system, platform::WebViewFactory make_web_view) {
            return std::make_unique<MainWindow>(system, std::move(make_web_view), hooks);
        });
}

}  // namespace app
