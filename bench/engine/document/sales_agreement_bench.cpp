// The English Sales Agreement with its own values: rendered for the screen
// as after every keystroke, the library's everyday cost of a render, money
// and terms included; and as printing and PDF saving lay it on paper.
#include <benchmark/benchmark.h>

#include "engine/document/document.h"
#include "engine/render/document_html.h"

namespace {

using namespace engine;

const wchar_t* const sales_agreement =
    PAPERWRIGHT_BUILT_SHARE L"/briks/01/Agreements/Sales Agreement.brik";

void SalesAgreementOnScreen(benchmark::State& state) {
    document doc(sales_agreement);
    if (!doc.loaded()) {
        state.SkipWithError("the Sales Agreement is not built");
        return;
    }
    render_context context(&doc, view_state{});
    for (auto _ : state) benchmark::DoNotOptimize(to_html(context).size());
}
BENCHMARK(SalesAgreementOnScreen)->Unit(benchmark::kMicrosecond);

void PrintSalesAgreement(benchmark::State& state) {
    document doc(sales_agreement);
    for (auto _ : state) benchmark::DoNotOptimize(to_paper_html(doc, view_state{}));
}
BENCHMARK(PrintSalesAgreement)->Unit(benchmark::kMillisecond);

}  // namespace
