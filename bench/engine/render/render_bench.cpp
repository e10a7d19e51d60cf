// Screen rendering of a generated 50-page template: 2,000 paragraphs with
// list numbers, template tables, references and conditions.
//
// The program makes the benchmarks in this order, each after the ones before:
// a render into a kept context first, then the same after a save of a large
// template, after reading a 3 MB file, after a thousand renders through
// fresh contexts, and once more at the end; then `to_html()`, which makes a
// context and its output anew for every render, and last the same pages as
// printing lays them on paper.
#include <benchmark/benchmark.h>

#include <string>

#include "engine/document/document.h"
#include "engine/render/document_html.h"
#include "support/brik_fixture.h"
#include "support/fifty_page_template.h"
#include "support/large_template.h"
#include "support/temp_folder.h"

namespace {

using namespace engine;

// The 50 pages rendered once, which writes their page-setup defaults.
struct fifty_pages {
    fifty_pages() {
        fixture::fill_fifty_pages(doc);
        to_html(doc, view_state{});
    }
    document doc{L""};
};

// Renders into one context, as a caller that keeps it renders again.
void render_into_kept_context(benchmark::State& state) {
    fifty_pages pages;
    render_context context(&pages.doc, view_state{});
    render_html(context);
    for (auto _ : state) benchmark::DoNotOptimize(render_html(context).size());
}

void render_through_to_html(benchmark::State& state) {
    fifty_pages pages;
    for (auto _ : state) benchmark::DoNotOptimize(to_html(pages.doc, view_state{}));
}

// What the save benchmark does: a large template saved a hundred times.
void save_a_large_template() {
    fixture::temp_folder folder;
    fixture::write_bytes(folder.file("large.brik"), fixture::write_brik(fixture::large_template()));
    document doc(fixture::engine_path(folder.file("large.brik")));
    // Each save changes the stored section, so that every one writes.
    for (int i = 0; i < 100; ++i) {
        doc.data->page_setup.record.v[0] ^= 1;
        doc.save();
    }
}

void read_a_three_megabyte_file() {
    fixture::temp_folder folder;
    fixture::write_bytes(folder.file("three.brik"),
                         fixture::write_brik(fixture::large_template(30)));
    document doc(fixture::engine_path(folder.file("three.brik")));
    benchmark::DoNotOptimize(to_html(doc, view_state{}));
}

void render_a_thousand_times() {
    fifty_pages pages;
    for (int i = 0; i < 1000; ++i) benchmark::DoNotOptimize(to_html(pages.doc, view_state{}));
}

void RenderFiftyPages(benchmark::State& state) { render_into_kept_context(state); }
BENCHMARK(RenderFiftyPages)->Unit(benchmark::kMillisecond);

void RenderFiftyPagesAfterASave(benchmark::State& state) {
    save_a_large_template();
    render_into_kept_context(state);
}
BENCHMARK(RenderFiftyPagesAfterASave)->Unit(benchmark::kMillisecond);

void RenderFiftyPagesAfterAThreeMegabyteFile(benchmark::State& state) {
    read_a_three_megabyte_file();
    render_into_kept_context(state);
}
BENCHMARK(RenderFiftyPagesAfterAThreeMegabyteFile)->Unit(benchmark::kMillisecond);

void RenderFiftyPagesAfterAThousandRenders(benchmark::State& state) {
    render_a_thousand_times();
    render_into_kept_context(state);
}
BENCHMARK(RenderFiftyPagesAfterAThousandRenders)->Unit(benchmark::kMillisecond);

void RenderFiftyPagesAfterAll(benchmark::State& state) { render_into_kept_context(state); }
BENCHMARK(RenderFiftyPagesAfterAll)->Unit(benchmark::kMillisecond);

void ToHtmlFiftyPagesAfterAll(benchmark::State& state) { render_through_to_html(state); }
BENCHMARK(ToHtmlFiftyPagesAfterAll)->Unit(benchmark::kMillisecond);

void PrintFiftyPages(benchmark::State& state) {
    fifty_pages pages;
    for (auto _ : state) benchmark::DoNotOptimize(to_paper_html(pages.doc, view_state{}));
}
BENCHMARK(PrintFiftyPages)->Unit(benchmark::kMillisecond);

}  // namespace

BENCHMARK_MAIN();
