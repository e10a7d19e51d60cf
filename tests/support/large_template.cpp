#include "support/large_template.h"

#include <string>

namespace fixture {

namespace {

std::u16string numbered(const char16_t* text, int n) {
    std::u16string out = text;
    for (char c : std::to_string(n)) out += char16_t(c);
    return out;
}

}  // namespace

brik_tree large_template(int pages) {
    const std::u16string paragraph =
        u"Продавец {Ж:}{Продавец}{:Ж} обязуется передать в собственность Покупателя "
        u"{р:Покупатель} товар на сумму {прописью:Сумма} рублей в срок до {Дата поставки}.";
    brik_tree tree;
    brik_group setup;
    setup.record.s1 = u"Large template";
    setup.record.d1 = 210.0;
    setup.record.v = {297, 0, 19, 19, 10, 19};
    setup.elements.resize(4);
    tree.page_setup.groups.push_back(setup);
    for (int p = 0; p < pages; ++p) {
        brik_group page;
        page.record.a = 1;
        for (int b = 0; b < 20; ++b) {
            brik_element block;
            block.record.s2 = numbered(u"Статья ", p * 20 + b);
            block.record.s3 = u"Times New Roman";
            block.record.v[0] = 12;
            for (int i = 0; i < 9; ++i) {
                brik_record run;
                run.s2 = paragraph;
                run.s3 = u"Times New Roman";
                run.v = {12, 0, 0, 3, 2, 0};
                run.d2 = 12.5;
                block.items.push_back(run);
            }
            page.elements.push_back(block);
        }
        tree.pages.groups.push_back(page);
    }
    for (int s = 0; s < 25; ++s) {
        brik_group section;
        section.record.s1 = numbered(u"Раздел ", s);
        for (int f = 0; f < 20; ++f) {
            brik_element field;
            field.record.a = 5;
            field.record.b = 1;
            field.record.s1 = numbered(u"Поле ", s * 20 + f);
            field.record.s2 = u"ООО «Ромашка», г. Москва, ул. Ленина, д. 1";
            field.record.s5 = u"{Тип договора = \"купля\"}";
            brik_record option;
            option.s2 = u"первый вариант";
            field.items = {option, option};
            section.elements.push_back(field);
        }
        tree.parameters.groups.push_back(section);
    }
    return tree;
}

}  // namespace fixture
