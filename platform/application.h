// Starting the program: the application object, the one window and the event
// loop.
#pragma once

#include <functional>
#include <memory>

#include "platform/system.h"
#include "platform/web_view.h"

namespace platform {

// The program's main window as the start-up sees it.
class ApplicationWindow {
public:
    virtual ~ApplicationWindow() = default;
    virtual void activate() = 0;
};

using WindowFactory =
    std::function<std::unique_ptr<ApplicationWindow>(System& system, WebViewFactory make_web_view)>;

// Registers the program's URL scheme, creates the application object, sets
// LC_NUMERIC to "C", builds the window from `make_window`, activates it and
// runs the event loop until the last window closes. A failed construction is
// shown (stderr and a message box) and answers a non-zero exit code.
int run_application(int argc, char** argv, const WindowFactory& make_window);

}  // namespace platform
