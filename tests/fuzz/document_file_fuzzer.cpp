// Any bytes as a document file: the reader keeps to what the file holds, and
// whatever tree it built renders for the screen, for print and for Word, as a
// document or (inputs of odd length) as the library page.
#include <cstddef>
#include <cstdint>

#include "engine/document/document.h"
#include "engine/document/process_state.h"
#include "engine/document/utf16.h"
#include "fuzz_file.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    engine::document doc(engine::from_utf8(fuzz::write_input(data, size, ".brik")));
    engine::library_shown = size % 2 != 0;
    doc.to_html();
    doc.to_print_html();
    doc.to_word_html();
    engine::library_shown = false;
    return 0;
}
