// The English Sales Agreement with its own values, rendered for the screen as
// after every keystroke: the library's everyday cost of a render, money and
// terms included.
#include <benchmark/benchmark.h>

#include "engine/document/document.h"
#include "engine/render/document_html.h"

namespace {

using namespace engine;

void SalesAgreementOnScreen(benchmark::State& state) {
    document doc(PAPERWRIGHT_BUILT_SHARE L"/briks/01/Agreements/Sales Agreement.brik");
    if (!doc.loaded()) {
        state.SkipWithError("the Sales Agreement is not built");
        return;
    }
    render_context context(&doc, view_state{});
    for (auto _ : state) benchmark::DoNotOptimize(to_html(context).size());
}
BENCHMARK(SalesAgreementOnScreen)->Unit(benchmark::kMicrosecond);

}  // namespace
