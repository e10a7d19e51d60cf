// The Sales Agreement of the English library, with its own values, as
// printing and PDF saving lay it on paper.
#include <benchmark/benchmark.h>

#include "engine/document/document.h"
#include "engine/render/document_html.h"

namespace {

using namespace engine;

void PrintSalesAgreement(benchmark::State& state) {
    document doc(PAPERWRIGHT_BUILT_SHARE L"/briks/01/Agreements/Sales Agreement.brik");
    for (auto _ : state) benchmark::DoNotOptimize(to_paper_html(doc, view_state{}));
}
BENCHMARK(PrintSalesAgreement)->Unit(benchmark::kMillisecond);

}  // namespace
