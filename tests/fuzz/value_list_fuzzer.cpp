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
    ui::value_list_read read =
        ui::decode_value_list(std::string_view(reinterpret_cast<const char*>(data), size));
    if (read.entries.size() > ui::value_list_max_entries) std::abort();
    ui::sort_value_list(read.entries);
    const ui::value_list_read again = ui::decode_value_list(ui::encode_value_list(read.entries));
    if (!again.whole || again.entries != read.entries) std::abort();
    return 0;
}
