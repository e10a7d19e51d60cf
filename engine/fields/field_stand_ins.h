// STAND-INS for renderers that are built elsewhere and not in place yet.
//
// The field evaluator calls them by their final names and signatures; each
// gives the value unchanged. Delete an entry here when its real renderer
// lands, and include the real header in field_evaluator.cpp instead:
// - render_name_field: person, organisation and phrase names (declension);
// - render_block_field: heading and file-link rows of the library page.
#pragma once

#include <string>
#include <vector>

#include "engine/fields/expr_token.h"

namespace engine {

struct document_data;
struct field_value;

// Writes `value` as the modifiers ask into `output`.
void render_name_field(const std::wstring& value, const field_value& field, std::wstring& output,
                       const std::vector<expr_token>& modifiers);

struct block_field {
    std::wstring html;
    // True when `html` is a block: the reference's letter case must not be
    // copied onto it.
    bool is_block = false;
};

block_field render_block_field(const document_data* data, std::wstring value, const std::vector<expr_token>& modifiers);

}  // namespace engine
