#include "support/process_state_fixture.h"

#include "engine/declension/decline_word.h"
#include "engine/render/numbering.h"
#include "engine/document/process_state.h"
#include "engine/render/template_table.h"
#include "engine/fields/number_value.h"

namespace fixture {

void reset_process_state() {
    engine::current_language = 0;
    engine::current_document = nullptr;
    engine::current_section = 0;
    engine::library_shown = false;
    engine::render_mode = 0;
    engine::reset_table_flags();
    engine::form_column_mode = 1;
    engine::value_language = 0;
    engine::declension_sink = 0;
}

}  // namespace fixture
