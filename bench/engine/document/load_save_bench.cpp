// Loading and saving a large template: 2,000 paragraphs and 500 fields.
// (This folder's benchmark main is in script_bench.cpp.)
#include <benchmark/benchmark.h>

#include <string>

#include "engine/document/document.h"
#include "support/brik_fixture.h"
#include "support/temp_folder.h"

namespace {

using namespace fixture;

std::u16string numbered(const char16_t* text, int n) {
    std::u16string out = text;
    for (char c : std::to_string(n)) out += char16_t(c);
    return out;
}

// Ten pages of 20 blocks, each block with 9 paragraph runs besides its own
// text (2,000 paragraphs), and 25 sections of 20 fields with two options each.
brik_tree large_template() {
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
    for (int p = 0; p < 10; ++p) {
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

struct template_file {
    template_file() { write_bytes(path(), write_brik(large_template())); }
    std::filesystem::path path() const { return folder.file("large.brik"); }
    temp_folder folder;
};

const template_file& shared_template() {
    static template_file file;
    return file;
}

void LoadLargeTemplate(benchmark::State& state) {
    std::wstring path = engine_path(shared_template().path());
    for (auto _ : state) {
        engine::document doc(path);
        if (!doc.loaded()) state.SkipWithError("the template did not load");
        benchmark::DoNotOptimize(doc.data.get());
    }
    state.SetBytesProcessed(std::int64_t(state.iterations()) *
                            std::int64_t(std::filesystem::file_size(shared_template().path())));
}
BENCHMARK(LoadLargeTemplate)->Unit(benchmark::kMillisecond);

void SaveLargeTemplate(benchmark::State& state) {
    engine::document doc(engine_path(shared_template().path()));
    if (!doc.loaded()) state.SkipWithError("the template did not load");
    for (auto _ : state) {
        if (!doc.save()) state.SkipWithError("the template was not saved");
    }
    state.SetBytesProcessed(std::int64_t(state.iterations()) *
                            std::int64_t(std::filesystem::file_size(shared_template().path())));
}
BENCHMARK(SaveLargeTemplate)->Unit(benchmark::kMillisecond);

}  // namespace
