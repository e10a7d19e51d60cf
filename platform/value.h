// The value an element carries in its data context: nothing, a 32-bit integer
// (a control tag), a text or a place in a document tree.
#pragma once

#include <cstdint>
#include <string>
#include <variant>

namespace platform {

// Where an editor control points in a document tree: the full indexes of its
// group, element and item, -1 where it points at none.
struct TreeIndex {
    std::int32_t group = -1;
    std::int32_t element = -1;
    std::int32_t item = -1;
    friend bool operator==(const TreeIndex&, const TreeIndex&) = default;
};

using Value = std::variant<std::monostate, std::int32_t, std::wstring, TreeIndex>;

// The integer inside `value`; throws std::bad_variant_access when it holds
// anything else, as unboxing a value of the wrong type does.
std::int32_t unbox_i32(const Value& value);

}  // namespace platform
