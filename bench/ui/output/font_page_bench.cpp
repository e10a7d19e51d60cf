// Building the settings panel's Font page with the machine's font families:
// the first time in a run, which reads the families from the system, and
// later, with the list kept.
#include <benchmark/benchmark.h>

#include "bench_document.h"
#include "platform/qt/qt_platform.h"
#include "ui/output/settings_panel.h"

namespace {

constexpr auto font_page = std::int32_t(ui::SettingsPage::font);

ui::SettingsPanel settings_panel(platform::System& system) {
    app::MainWindow& window = *app_test::bench_document->window;
    return ui::SettingsPanel(
        window.session(), [](bool) {}, system, window.elements().main_webview);
}

void BuildFontPageReadingTheFamilies(benchmark::State& state) {
    platform::QtSystem system;
    for (auto _ : state) {
        ui::SettingsPanel panel = settings_panel(system);
        auto page = platform::Panel::create();
        panel.BuildSettingsPanel(*page, font_page);
        benchmark::DoNotOptimize(page->children().size());
    }
}
BENCHMARK(BuildFontPageReadingTheFamilies)->Unit(benchmark::kMillisecond);

void BuildFontPage(benchmark::State& state) {
    platform::QtSystem system;
    ui::SettingsPanel panel = settings_panel(system);
    auto page = platform::Panel::create();
    panel.BuildSettingsPanel(*page, font_page);
    for (auto _ : state) {
        panel.BuildSettingsPanel(*page, font_page);
        benchmark::DoNotOptimize(page->children().size());
    }
}
BENCHMARK(BuildFontPage)->Unit(benchmark::kMillisecond);

}  // namespace
