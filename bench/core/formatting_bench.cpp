// What the settings handlers add to the render that follows them: the font
// and paragraph settings written into the generated 50-page template, beside
// a screen render of the same document.
#include <benchmark/benchmark.h>

#include "core/formatting_cache.h"
#include "engine/render/document_html.h"
#include "support/fifty_page_template.h"

namespace {

constexpr core::ParagraphSetting every_paragraph_setting[] = {
    core::ParagraphSetting::first_line_indent, core::ParagraphSetting::body_top_padding,
    core::ParagraphSetting::line_spacing,      core::ParagraphSetting::heading_top_padding,
    core::ParagraphSetting::justify_body,      core::ParagraphSetting::center_headings,
};

struct fifty_pages {
    fifty_pages() {
        fixture::fill_fifty_pages(doc);
        // A warm-up, which writes the page-setup defaults.
        benchmark::DoNotOptimize(engine::to_html(doc, engine::view_state{}));
        cache = core::read_formatting(doc.data->page_setup, doc.data->pages);
        cache.font_family = L"Liberation Serif";
        cache.first_line_indent = 12;
        cache.justify_body = 1;
    }
    void apply_both() {
        core::apply_font_settings(cache, doc.data->pages);
        for (auto setting : every_paragraph_setting)
            core::apply_paragraph_settings(cache, doc.data->pages, setting);
    }

    engine::document doc{L""};
    core::formatting_cache cache;
};

void ApplyFontSettings(benchmark::State& state) {
    fifty_pages document;
    for (auto _ : state) core::apply_font_settings(document.cache, document.doc.data->pages);
}
BENCHMARK(ApplyFontSettings)->Unit(benchmark::kMicrosecond);

// All six settings, one after the other; a handler writes one of them.
void ApplyEveryParagraphSetting(benchmark::State& state) {
    fifty_pages document;
    for (auto _ : state) {
        for (auto setting : every_paragraph_setting)
            core::apply_paragraph_settings(document.cache, document.doc.data->pages, setting);
    }
}
BENCHMARK(ApplyEveryParagraphSetting)->Unit(benchmark::kMicrosecond);

// The render the handlers ask for, alone and after both apply routines.
void ToHtmlFiftyPages(benchmark::State& state) {
    fifty_pages document;
    for (auto _ : state)
        benchmark::DoNotOptimize(engine::to_html(document.doc, engine::view_state{}));
}
BENCHMARK(ToHtmlFiftyPages)->Unit(benchmark::kMillisecond);

void ToHtmlFiftyPagesAfterBothApplied(benchmark::State& state) {
    fifty_pages document;
    for (auto _ : state) {
        document.apply_both();
        benchmark::DoNotOptimize(engine::to_html(document.doc, engine::view_state{}));
    }
}
BENCHMARK(ToHtmlFiftyPagesAfterBothApplied)->Unit(benchmark::kMillisecond);

}  // namespace
