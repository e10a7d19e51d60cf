// Base64 with the standard alphabet and padding, without line breaks.
#pragma once

#include <string>
#include <string_view>

namespace engine {

std::wstring base64_encode(std::string_view bytes);

}  // namespace engine
