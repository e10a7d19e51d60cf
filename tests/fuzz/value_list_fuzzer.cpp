// Any bytes as a value-list file: decoding keeps to what the file holds, and
// the texts it gives are written and read back unchanged, in any order.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>
#include <vector>

#include "ui/editing/value_list.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    std::vector<std::wstring> entries =
        ui::decode_value_list(std::string_view(reinterpret_cast<const char*>(data), size));
    ui::sort_value_list(entries);
    if (ui::decode_value_list(ui::encode_value_list(entries)) != entries) std::abort();
    return 0;
}
