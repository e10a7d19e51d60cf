#include "support/fifty_page_template.h"

#include <string>

namespace fixture {

using namespace engine;

namespace {

constexpr int page_count = 50;
constexpr int blocks_per_page = 10;
constexpr int runs_per_block = 3;  // 50 x 10 x (1 + 3) = 2,000 units
constexpr int parameter_count = 100;

// Names of letters only: "Поле аа" to "Поле йй".
std::wstring name_of(int i) {
    const int n = i % parameter_count;
    return {L'П', L'о', L'л', L'е', L' ', wchar_t(L'а' + n / 10), wchar_t(L'а' + n % 10)};
}

// Every fourth unit holds a braced reference: 500 in all, one in five of them
// a condition chain.
std::wstring unit_text(int page, int block, int run, int& references) {
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
    if (run == -1 && block == 5 && page % 5 < 2) {
        text +=
            L"{ТАБЛИЦА:100%,2}{СТРОКА:}{ЯЧЕЙКА:1,1,1,1,40%}Сторона{ЯЧЕЙКА:1,1,1,1,60%,ЖИР}Подпись"
            L"{СТРОКА:}{ЯЧЕЙКА:}А{ЯЧЕЙКА:}Б{:ТАБЛИЦА}";
    }
    if (run == runs_per_block - 1 && block == blocks_per_page - 1) text += L"{%}";
    return text;
}

}  // namespace

void fill_fifty_pages(document& doc) {
    document_data& data = *doc.data;
    data.page_setup.groups.resize(1);
    data.page_setup.group_count = 1;
    data.page_setup.groups[0].elements.resize(4);
    data.page_setup.groups[0].element_count = 4;

    data.pages.groups.resize(page_count);
    data.pages.group_count = page_count;
    int references = 0;
    const std::uint16_t kinds[] = {1, 2, 2, 0, 3, 10, 10, 13, 5, 0};
    for (int p = 0; p < page_count; ++p) {
        doc_group& page = data.pages.groups[std::size_t(p)];
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
                r.s2 = unit_text(p, b, run, references);
            };
            style(block.record, kinds[b], -1);
            block.items.resize(runs_per_block);
            block.item_count = runs_per_block;
            for (int i = 0; i < runs_per_block; ++i)
                style(block.items[std::size_t(i)], i == 0 ? 4 : 0, i);
        }
    }

    data.parameters.groups.resize(10);
    data.parameters.group_count = 10;
    for (int s = 0; s < 10; ++s) {
        doc_group& section = data.parameters.groups[std::size_t(s)];
        section.elements.resize(parameter_count / 10);
        section.element_count = parameter_count / 10;
        for (int f = 0; f < parameter_count / 10; ++f) {
            doc_record& field = section.elements[std::size_t(f)].record;
            field.a = 5;  // text
            field.b = 1;
            field.s1 = name_of(s * 10 + f);
            field.s2 = L"значение " + std::to_wstring(f % 2);
        }
    }
}

}  // namespace fixture
