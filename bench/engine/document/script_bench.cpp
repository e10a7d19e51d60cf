// Lexing and running a 100 KB template script against a document with fields.
#include <benchmark/benchmark.h>

#include <string>

#include "engine/document/document.h"
#include "engine/render/script.h"
#include "engine/render/script_lexer.h"

namespace {

using namespace engine;

std::wstring hundred_kilobyte_script() {
    const std::wstring paragraph =
        L"Договор № {Номер} заключён {дата:Дата договора} между {Ж:}{Продавец}{:Ж} и "
        L"{р:Покупатель}. "
        L"{ЕСЛИ Пол = \"м\" ТО \"Он обязуется\" ИНАЧЕ ЕСЛИ Пол = \"ж\" ТО \"Она обязуется\" ИНАЧЕ "
        L"\"Стороны обязуются\"} "
        L"оплатить {прописью:Сумма} руб.{/}{итого = Сумма * 2}{К:}It's {итого}{:К}{}{|}{!заметка "
        L"{x}}{.}\n";
    std::wstring source;
    while (source.size() < 100 * 1024) source += paragraph;
    return source;
}

document& bench_document() {
    static document doc(L"");
    static bool filled = false;
    if (!filled) {
        filled = true;
        doc_node& parameters = doc.data->parameters;
        parameters.groups.resize(5);
        parameters.group_count = 5;
        const wchar_t* names[] = {L"Номер",      L"Дата договора", L"Продавец",
                                  L"Покупатель", L"Пол",           L"Сумма"};
        for (std::size_t g = 0; g < 5; ++g) {
            doc_group& section = parameters.groups[g];
            section.elements.resize(10);
            section.element_count = 10;
            for (std::size_t e = 0; e < 10; ++e) {
                doc_record& field = section.elements[e].record;
                field.s1 = g == 4 && e < 6 ? names[e] : L"Поле " + std::to_wstring(g * 10 + e);
                field.s2 = L"значение " + std::to_wstring(e);
            }
        }
    }
    return doc;
}

void LexScript(benchmark::State& state) {
    std::wstring source = hundred_kilobyte_script();
    for (auto _ : state) benchmark::DoNotOptimize(lex_script(source));
    state.SetBytesProcessed(std::int64_t(state.iterations()) *
                            std::int64_t(source.size() * sizeof(wchar_t)));
}
BENCHMARK(LexScript)->Unit(benchmark::kMillisecond);

void RunScript(benchmark::State& state) {
    std::wstring source = hundred_kilobyte_script();
    document& doc = bench_document();
    for (auto _ : state) {
        doc.data->scratch.records.clear();
        render_context context(&doc, view_state{});
        benchmark::DoNotOptimize(script(source, context).run());
    }
    state.SetBytesProcessed(std::int64_t(state.iterations()) *
                            std::int64_t(source.size() * sizeof(wchar_t)));
}
BENCHMARK(RunScript)->Unit(benchmark::kMillisecond);

}  // namespace

BENCHMARK_MAIN();
