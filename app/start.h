// The program's start: what `main` runs. Tests and the start-up probe call it
// too, with hooks that watch the running window.
#pragma once

#include <memory>

#include "app/main_window.h"
#include "core/session.h"
#include "platform/system.h"

namespace app {

// One copy per data folder: a start while a copy runs on the same data
// folder brings that copy's window to the front and answers 0.
int start(int argc, char** argv, MainWindowHooks hooks = {});

// The session the program starts with: the system's folders (the data and
// temporary folders asked for only when the installation is known) and its
// home region. Throws as `core::session` does, and platform::StartRefused
// when the library cannot be copied into the data folder.
std::unique_ptr<core::session> start_session(platform::System& system);

}  // namespace app
