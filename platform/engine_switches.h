// The web engine's command line as the environment gives it
// (QTWEBENGINE_CHROMIUM_FLAGS), rebuilt so that the program's own switches
// hold whatever the user put there.
//
// The engine splits the variable at spaces (not tabs or line ends); a `"`
// opens or closes a quoted run, in which spaces belong to the word, and is
// dropped, so an unbalanced one swallows everything after it. A word "--"
// ends the switches; a switch begins with "--" or "-", its name runs to the
// first "=", names are told apart by case, and a switch given twice takes
// its last value.
#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace platform {

struct EngineSwitchLine {
    // For the variable: the user's switches that were kept, then `ours`.
    std::string line;
    // The user's switches left out because they set a guarded name.
    std::vector<std::string> left_out;
    // The user's value has an unbalanced quote: none of it is kept.
    bool unparsable = false;
};

// `user` as the environment holds it; `ours` whole switches ("--name=value",
// unquoted); `guarded` the names (without dashes) no switch of the user's may
// set: ours, and any that would take precedence over them. Of the user's
// words only switches before a "--" are kept.
EngineSwitchLine engine_switch_line(std::string_view user, const std::vector<std::string>& ours,
                                    const std::vector<std::string>& guarded);

}  // namespace platform
