#include "core/interface_texts.h"

#include "engine/document/ui_strings.h"

namespace core {

int current_language = 0;

std::wstring ui_string(int row) { return engine::ui_string(row, current_language); }

}  // namespace core
