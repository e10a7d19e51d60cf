// Any text typed into every field of a template of the built library, which
// is then rendered for the screen: each number, date and name form the
// library prints reads it, as a clerk's typing is read. The input is UTF-8:
// the template's path in the library without ".brik" ("01/Forms/Invoice",
// "00/Кадры/Трудовой договор"), a U+0002, then the texts parted by U+0001;
// the fields take them in turn, so one text goes into every field. An input
// without a known path picks a template by its length. Picture fields are
// left as they are: what they name is a file.
#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <string_view>
#include <vector>

#include "engine/document/document.h"
#include "engine/document/memory_environment.h"
#include "engine/render/document_html.h"
#include "engine/text/utf16.h"
#include "pieces.h"

namespace {

using namespace engine;

constexpr std::uint16_t picture_field_type = 9;

struct library {
    // 2026-03-16 12:00 UTC, the golden test's day.
    memory_environment env{1773662400};
    std::vector<std::wstring> names;  // sorted
};

library read_library() {
    library out;
    const std::filesystem::path top = PAPERWRIGHT_FUZZ_LIBRARY;
    for (const auto& entry : std::filesystem::recursive_directory_iterator(top)) {
        if (entry.path().extension() != ".brik") continue;
        std::filesystem::path name = entry.path().lexically_relative(top);
        name.replace_extension();
        std::ifstream file(entry.path(), std::ios::binary);
        out.names.push_back(from_utf8(name.generic_string()));
        out.env.put_file(out.names.back(), std::string(std::istreambuf_iterator<char>(file), {}));
    }
    std::sort(out.names.begin(), out.names.end());
    return out;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    static const library templates = read_library();
    if (templates.names.empty()) __builtin_trap();  // the library is not built
    const std::wstring input =
        from_utf8(std::string_view(reinterpret_cast<const char*>(data), size));
    const std::size_t name_end = input.find(L'\x02');
    std::wstring_view values = input;
    std::wstring name = templates.names[size % templates.names.size()];
    if (name_end != std::wstring::npos) {
        const std::wstring named = input.substr(0, name_end);
        if (std::binary_search(templates.names.begin(), templates.names.end(), named)) name = named;
        values.remove_prefix(name_end + 1);
    }
    const std::vector<std::wstring> texts = fuzz::pieces_of(values);

    const view_state view{name.starts_with(L"00/") ? 1 : 0, false, 0};
    document doc(name, view.language, templates.env);
    std::size_t typed = 0;
    for (doc_group& section : doc.data->parameters.groups)
        for (doc_element& field : section.elements)
            if (field.record.a != picture_field_type)
                field.record.s2 = texts[typed++ % texts.size()];
    to_html(doc, view);
    return 0;
}
