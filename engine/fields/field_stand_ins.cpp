#include "engine/fields/field_stand_ins.h"

namespace engine {

void render_name_field(const std::wstring& value, const field_value&, std::wstring& output,
                       const std::vector<expr_token>&) {
    output = value;
}

}  // namespace engine
