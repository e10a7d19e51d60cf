#include "platform/value.h"

namespace platform {

std::int32_t unbox_i32(const Value& value) { return std::get<std::int32_t>(value); }

}  // namespace platform
