// Screen rendering of a generated 50-page template: 2,000 paragraphs with
// list numbers, template tables, references and conditions.
#include <benchmark/benchmark.h>

#include <string>

#include "engine/document/document.h"
#include "support/fifty_page_template.h"

namespace {

using namespace engine;

void RenderFiftyPages(benchmark::State& state) {
    document doc(L"");
    fixture::fill_fifty_pages(doc);
    benchmark::DoNotOptimize(doc.to_html());  // warm-up; also writes the page-setup defaults
    for (auto _ : state) benchmark::DoNotOptimize(doc.to_html());
}
BENCHMARK(RenderFiftyPages)->Unit(benchmark::kMillisecond);

}  // namespace
