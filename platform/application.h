// Starting the program: the application object, the one window and the event
// loop.
#pragma once

#include <functional>
#include <memory>
#include <optional>
#include <stdexcept>
#include <string>

#include "platform/interface_language.h"
#include "platform/system.h"
#include "platform/web_view.h"

namespace platform {

// The program's main window as the start-up sees it. None of these shows a
// dialog; each runs on the UI thread.
class ApplicationWindow {
public:
    virtual ~ApplicationWindow() = default;
    virtual void activate() = 0;
    // The program is ended from outside (SIGTERM, SIGHUP, SIGINT) or its
    // event loop ends with the window open: the window closes as when the
    // user closes it, without asking anything. Nothing once it is closed.
    virtual void close_unasked() = 0;
    // The session manager at logout: what the user would lose is saved now,
    // and a close that follows with nothing changed since asks nothing.
    virtual void save_at_logout() = 0;
    // The process is ending from inside the event loop with the window
    // still open (the display is gone): what closing saves is saved, without
    // touching the window.
    virtual void save_at_sudden_exit() = 0;
    // Another start on the same data folder: the window comes to the front.
    // False when there is no window to bring (it is closing).
    virtual bool bring_to_front() = 0;
};

// Thrown by a WindowFactory when the program cannot go on, with a whole
// sentence in the interface language (UTF-8) that `run_application` shows
// as it is.
class StartRefused final : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

// Whether a start on a data folder that a running copy holds hands over to
// that copy (see `run_application`).
enum class CopiesPerDataFolder { any, one };

// Why a start could not hand over to the copy running on its data folder.
enum class NoHandOver {
    not_answering,  // the copy took the request and did not answer in time
    unreachable,    // no copy of this user's took it where one may listen
};

// What a start says when the copy running on its data folder does not
// answer: the texts of the interface language, and the sentence naming that
// copy's process id (none where it cannot be told for sure). Asked for
// before any window is built.
struct NotAnswering {
    InterfaceTexts texts;
    std::wstring sentence;
};
using NotAnsweringText =
    std::function<NotAnswering(System& system, NoHandOver why, std::optional<int> process)>;

using WindowFactory =
    std::function<std::unique_ptr<ApplicationWindow>(System& system, WebViewFactory make_web_view)>;

// Registers the program's URL scheme, creates the application object, sets
// LC_NUMERIC to "C", builds the window from `make_window`, activates it and
// runs the event loop until the last window closes, or until a termination
// signal has closed the window (exit code 0; failures meanwhile go to
// stderr only). A failed construction is shown (stderr and a message box)
// and answers a non-zero exit code.
// With `CopiesPerDataFolder::one`, a start while another copy runs on the
// same data folder says so on stderr at once, asks that copy's window to
// come to the front and answers 0 before any window is built; where that
// copy does not answer within a bound longer than a start, or cannot be
// reached, `not_answering` is shown (stderr and a box that stays until OK)
// and the answer is 1; a start that comes to the same answer while such a
// box is up brings it forward instead. A start's message box is a window of
// its own, shown in the event loop. The temporary folder of a copy on another data
// folder is not this copy's (it has none then).
int run_application(int argc, char** argv, const WindowFactory& make_window,
                    CopiesPerDataFolder copies = CopiesPerDataFolder::any,
                    const NotAnsweringText& not_answering = {});

}  // namespace platform
