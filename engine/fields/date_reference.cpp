#include "engine/fields/date_reference.h"

#include <cstdint>

#include "engine/document/document_data.h"
#include "engine/text/word_key.h"

namespace engine {

namespace {

constexpr std::uint16_t date_field_type = 1;

}  // namespace

bool names_date_field(render_context& context, const std::wstring& name) {
    if (!context.data) return false;
    const doc_record* field = context.parameters.find(context.data->parameters, make_word_key(name),
                                                      context.runs.current_run());
    return field && field->a == date_field_type;
}

}  // namespace engine
