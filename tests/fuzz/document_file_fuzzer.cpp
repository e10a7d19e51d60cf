// Any bytes as a document file: the reader keeps to what the file holds, and
// whatever tree it built renders for the screen, for print and for Word. The
// input's length picks the language and whether the page is the library
// page, so that every mutation may try the others.
#include <cstddef>
#include <cstdint>
#include <string>

#include "engine/document/document.h"
#include "engine/document/memory_environment.h"
#include "engine/render/document_html.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::wstring path = L"/fuzz/document.brik";
    engine::memory_environment env;
    env.put_file(path, std::string(reinterpret_cast<const char*>(data), size));
    const engine::view_state view{int(size % 2), size / 2 % 2 != 0, 0};
    engine::document doc(path, view.language, env);
    engine::to_html(doc, view);
    engine::to_print_html(doc, view);
    engine::to_word_html(doc, view);
    return 0;
}
