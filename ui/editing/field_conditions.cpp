#include "ui/editing/field_conditions.h"

#include "engine/render/script.h"
#include "ui/editing/parameter_tree.h"

namespace ui {

bool reevaluate_field_conditions(engine::document& doc, const engine::view_state& view,
                                 std::int32_t section) {
    engine::document_data* data = doc.data.get();
    engine::render_context context(&doc, view);
    const std::size_t sections = section_count(data);
    bool changed = false;
    for (std::size_t g = 0; g < sections; ++g) {
        engine::doc_group& group = data->parameters.groups[g];
        const std::size_t fields = field_count(group);
        for (std::size_t f = 0; f < fields; ++f) {
            engine::doc_record& field = group.elements[f].record;
            if (field.s5.empty()) continue;
            const std::uint16_t hidden =
                engine::script(L"{" + field.s5 + L"}", context).test() ? 1 : 0;
            if (hidden == field.c) continue;
            field.c = hidden;
            if (std::int32_t(g) == section) changed = true;
        }
    }
    return changed;
}

}  // namespace ui
