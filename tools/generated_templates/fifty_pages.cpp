#include "tools/generated_templates/fifty_pages.h"

#include <cstdint>

#include "tools/brikc/brik_io.h"

namespace generated {

namespace {

using engine::doc_element;
using engine::doc_group;
using engine::doc_record;

constexpr int blocks_per_page = 10;
constexpr int runs_per_block = 3;  // 50 x 10 x (1 + 3) = 2,000 units
constexpr int parameter_count = 100;
constexpr int one_field_page = 29;  // page 30
constexpr int memo_page = 1;        // page 2

// Names of letters only: "Поле аа" to "Поле йй".
std::wstring name_of(int i) {
    const int n = i % parameter_count;
    return {L'П', L'о', L'л', L'е', L' ', wchar_t(L'а' + n / 10), wchar_t(L'а' + n % 10)};
}

// Every fourth unit holds a braced reference: 500 in all, one in five of them
// a condition chain.
std::wstring unit_text(int page, int block, int run, int& references, bool typing) {
    const int unit = (page * blocks_per_page + block) * (runs_per_block + 1) + run + 1;
    std::wstring text = L"Пункт договора, текст абзаца " + std::to_wstring(unit) + L". ";
    if (unit % 4 == 0) {
        const int r = references++;
        if (r % 5 == 0) {
            text += L"{ЕСЛИ " + name_of(r) + L" = \"значение 1\" ТО \"первый\" ИНАЧЕ ЕСЛИ " +
                    name_of(r + 1) + L" = \"значение 0\" ТО {" + name_of(r + 2) +
                    L"} ИНАЧЕ \"прочий\"}";
        } else {
            text += L"Сторона: {Ж:}{" + name_of(r) + L"}{:Ж}.";
        }
    }
    if (typing && run == -1) {
        if (block == 0) text += L" Заказчик: {" + std::wstring(every_page_field) + L"}.";
        if (block == 3 && page == one_field_page)
            text += L" Объект: {" + std::wstring(one_page_field) + L"}.";
        if (block == 4 && page == memo_page)
            text += L" Предмет: {" + std::wstring(memo_field) + L"}";
    }
    if (run == -1 && block == 5 && page % 5 < 2) {
        text +=
            L"{ТАБЛИЦА:100%,2}{СТРОКА:}{ЯЧЕЙКА:1,1,1,1,40%}Сторона{ЯЧЕЙКА:1,1,1,1,60%,ЖИР}Подпись"
            L"{СТРОКА:}{ЯЧЕЙКА:}А{ЯЧЕЙКА:}Б{:ТАБЛИЦА}";
    }
    if (run == runs_per_block - 1 && block == blocks_per_page - 1) text += L"{%}";
    return text;
}

doc_record text_field(std::wstring name, std::wstring value, std::uint16_t type = 5) {
    doc_record field;
    field.a = type;
    field.b = 1;
    field.s1 = std::move(name);
    field.s2 = std::move(value);
    return field;
}

// A memo of whole words, as a typed contract subject would read.
std::wstring memo_value() {
    std::wstring text;
    while (text.size() < std::size_t(memo_length)) text += L"поставка товара по заявке ";
    text.resize(std::size_t(memo_length));
    return text;
}

}  // namespace

fifty_page_tree fifty_pages(typing_fields typing) {
    fifty_page_tree tree;
    tree.pages.groups.resize(fifty_page_count);
    tree.pages.group_count = fifty_page_count;
    int references = 0;
    const std::uint16_t kinds[] = {1, 2, 2, 0, 3, 10, 10, 13, 5, 0};
    for (int p = 0; p < fifty_page_count; ++p) {
        doc_group& page = tree.pages.groups[std::size_t(p)];
        page.record.a = 1;
        page.elements.resize(blocks_per_page);
        page.element_count = blocks_per_page;
        for (int b = 0; b < blocks_per_page; ++b) {
            doc_element& block = page.elements[std::size_t(b)];
            auto style = [&](doc_record& r, std::uint16_t kind, int run) {
                r.a = kind;
                r.b = 1;
                r.s3 = L"Arial";
                r.v[0] = 11;
                r.v[3] = 3;
                r.v[4] = 2;
                r.v[5] = kind != 0 && run >= 0 ? 5 : 0;
                r.c = 5;
                r.d2 = 10;
                r.s2 = unit_text(p, b, run, references, typing.wanted);
            };
            style(block.record, kinds[b], -1);
            block.items.resize(runs_per_block);
            block.item_count = runs_per_block;
            for (int i = 0; i < runs_per_block; ++i)
                style(block.items[std::size_t(i)], i == 0 ? 4 : 0, i);
        }
    }

    const int sections = parameter_count / 10 + (typing.wanted ? 1 : 0);
    tree.parameters.groups.resize(std::size_t(sections));
    tree.parameters.group_count = sections;
    for (int s = 0; s < parameter_count / 10; ++s) {
        doc_group& section = tree.parameters.groups[std::size_t(s)];
        section.record.s1 = L"Раздел " + std::to_wstring(s + 1);
        section.elements.resize(parameter_count / 10);
        section.element_count = parameter_count / 10;
        for (int f = 0; f < parameter_count / 10; ++f) {
            section.elements[std::size_t(f)].record =
                text_field(name_of(s * 10 + f), L"значение " + std::to_wstring(f % 2));
        }
    }
    if (typing.wanted) {
        doc_group& section = tree.parameters.groups.back();
        section.record.s1 = L"Стороны";
        section.elements.resize(3);
        section.element_count = 3;
        section.elements[0].record = text_field(every_page_field, L"ООО «Ромашка»", 4);
        section.elements[1].record = text_field(one_page_field, L"склад № 3", 4);
        section.elements[2].record = text_field(memo_field, memo_value(), 0);
    }
    return tree;
}

bool write_fifty_pages(const std::filesystem::path& file, typing_fields typing) {
    fifty_page_tree generated = fifty_pages(typing);
    brikc::brik_tree tree;
    tree.page_setup = brikc::default_page_setup();
    tree.pages = std::move(generated.pages);
    tree.parameters = std::move(generated.parameters);
    return brikc::write_brik(std::move(tree), file);
}

}  // namespace generated
