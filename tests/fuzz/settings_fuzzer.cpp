// Any bytes as the settings file: reading never fails and takes time linear
// in the file.
#include <cstddef>
#include <cstdint>

#include "core/settings.h"
#include "engine/text/utf16.h"
#include "fuzz_file.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    core::settings settings;
    settings.path = engine::from_utf8(fuzz::write_input(data, size, ".ini"));
    settings.read();
    return 0;
}
