// Screen rendering of a generated 50-page template: 2,000 paragraphs with
// list numbers, template tables, references and conditions.
#include <benchmark/benchmark.h>

#include <string>

#include "engine/document/document.h"
#include "engine/render/document_html.h"
#include "support/fifty_page_template.h"

namespace {

using namespace engine;

void RenderFiftyPages(benchmark::State& state) {
    document doc(L"");
    fixture::fill_fifty_pages(doc);
    // A warm-up, which also writes the page-setup defaults.
    benchmark::DoNotOptimize(to_html(doc, view_state{}));
    for (auto _ : state) benchmark::DoNotOptimize(to_html(doc, view_state{}));
}
BENCHMARK(RenderFiftyPages)->Unit(benchmark::kMillisecond);

}  // namespace
