// Any text as a paragraph and its field values, rendered for the screen, for
// print and for Word. The input is UTF-8: the paragraph, then the values, each
// after a U+0001. Its length picks the language and whether the page is the
// library page, so that every mutation may try the others.
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "engine/document/document.h"
#include "engine/document/memory_environment.h"
#include "engine/render/document_html.h"
#include "engine/render/script.h"
#include "engine/text/utf16.h"
#include "pieces.h"

namespace {

using namespace engine;

// Names the values go to, in order, and the type of each field.
struct field_spec {
    const wchar_t* name;
    std::uint16_t type;
};
constexpr field_spec fields[] = {
    {L"x", 5},
    {L"Сумма", 6},
    {L"Дата", 7},
    {L"ФИО работника", 5},
    {L"Поставщик юрлицо", 5},
    {L"Currency", 5},
    {L"y", 2},
    {L"show_checks", 5},
};

template <class Entry, class Count>
Entry& append(std::vector<Entry>& list, Count& count) {
    list.emplace_back();
    count = static_cast<Count>(list.size());
    return list.back();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::wstring text =
        from_utf8(std::string_view(reinterpret_cast<const char*>(data), size));
    const std::vector<std::wstring> pieces = fuzz::pieces_of(text);

    const view_state view{int(size % 2), size / 2 % 2 != 0, 0};
    const memory_environment env;
    document doc(L"", view.language, env);
    doc_group& setup = append(doc.data->page_setup.groups, doc.data->page_setup.group_count);
    append(setup.elements, setup.element_count);
    append(setup.elements, setup.element_count);
    doc_group& page = append(doc.data->pages.groups, doc.data->pages.group_count);
    page.record.a = 1;
    for (std::uint16_t kind : {0, 12}) {
        doc_element& block = append(page.elements, page.element_count);
        block.record = {};
        block.record.a = kind;
        block.record.b = 1;
        block.record.s2 = pieces[0];
        block.record.s3 = L"Arial";
        block.record.v[0] = 11;
        doc_record& run = append(block.items, block.item_count);
        run = block.record;
        run.a = 1;
    }
    doc_group& section = append(doc.data->parameters.groups, doc.data->parameters.group_count);
    section.record.s1 = L"Раздел";
    for (std::size_t i = 0; i < std::size(fields); ++i) {
        doc_record& field = append(section.elements, section.element_count).record;
        field.s1 = fields[i].name;
        field.a = fields[i].type;
        field.s2 = i + 1 < pieces.size() ? pieces[i + 1] : std::wstring();
    }

    to_html(doc, view);
    to_print_html(doc, view);
    to_word_html(doc, view);
    render_context context(&doc, view);
    script(L"{" + pieces[0] + L"}", context).test();
    return 0;
}
