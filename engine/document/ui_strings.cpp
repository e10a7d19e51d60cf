#include "engine/document/ui_strings.h"

#include "engine/document/ui_strings_table.h"

namespace engine {

std::wstring ui_string(int row, int language) {
    if (row < 0 || row >= ui_string_rows || language < 0 || language > 1) return {};
    return ui_strings_rows[row][language];
}

}  // namespace engine
