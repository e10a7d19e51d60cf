// The value an element carries in its data context: nothing, a 32-bit integer
// (a control tag) or a text.
#pragma once

#include <cstdint>
#include <string>
#include <variant>

namespace platform {

using Value = std::variant<std::monostate, std::int32_t, std::wstring>;

// The integer inside `value`; throws std::bad_variant_access when it holds
// anything else, as unboxing a value of the wrong type does.
std::int32_t unbox_i32(const Value& value);

}  // namespace platform
