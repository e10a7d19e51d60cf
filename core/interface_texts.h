// The interface language as the program's controls read it, and their texts
// in it. The session is the one writer of the language; the engine is handed
// the language with every render and reads nothing from here. UI thread only.
#pragma once

#include <string>

namespace core {

// 0 English, 1 Russian.
extern int current_language;

// The interface text of `row` in `current_language`.
std::wstring ui_string(int row);

}  // namespace core
