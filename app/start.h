// The program's start: what `main` runs. Tests and the start-up probe call it
// too, with hooks that watch the running window.
#pragma once

#include "app/main_window.h"

namespace app {

int start(int argc, char** argv, MainWindowHooks hooks = {});

}  // namespace app
