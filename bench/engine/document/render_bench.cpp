// Screen rendering of a generated 50-page template: 2,000 paragraphs with
// list numbers, template tables, references and conditions.
#include <benchmark/benchmark.h>

#include "engine/document/document.h"
#include "tools/generated_templates/fifty_pages.h"

namespace {

using namespace engine;

void fill(document& doc) {
    document_data& data = *doc.data;
    data.page_setup.groups.resize(1);
    data.page_setup.group_count = 1;
    data.page_setup.groups[0].elements.resize(4);
    data.page_setup.groups[0].element_count = 4;
    generated::fifty_page_tree tree = generated::fifty_pages();
    data.pages = std::move(tree.pages);
    data.parameters = std::move(tree.parameters);
}

void RenderFiftyPages(benchmark::State& state) {
    document doc(L"");
    fill(doc);
    benchmark::DoNotOptimize(doc.to_html());  // warm-up; also writes the page-setup defaults
    for (auto _ : state) benchmark::DoNotOptimize(doc.to_html());
}
BENCHMARK(RenderFiftyPages)->Unit(benchmark::kMillisecond);

}  // namespace
