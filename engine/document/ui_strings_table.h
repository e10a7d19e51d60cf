// The table behind `ui_string`, generated at build time from
// resources/ui_strings.tsv: [row][0] English, [row][1] Russian.
#pragma once

#include "engine/document/ui_strings.h"

namespace engine {

extern const wchar_t* const ui_strings_rows[ui_string_rows][2];

}  // namespace engine
