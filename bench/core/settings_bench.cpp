// Reading a settings file whose DocumentZoom is a number of N digits: the
// time grows linearly with N, up to the reader's 1 MB limit.
#include <benchmark/benchmark.h>

#include <string>

#include "core/settings.h"
#include "core/temp_folder.h"

namespace {

void ReadLongStoredNumber(benchmark::State& state) {
    core_test::TempFolder folder;
    const std::u16string zoom =
        u"DocumentZoom:\t\t" + std::u16string(std::size_t(state.range(0)), u'7') + u".5";
    core_test::write_file(folder / L"tembrick.ini", core_test::settings_file({zoom}));
    for (auto _ : state) {
        core::settings config;
        config.load(folder.text());
        benchmark::DoNotOptimize(config.DocumentZoom);
    }
    state.SetComplexityN(state.range(0));
}
BENCHMARK(ReadLongStoredNumber)
    ->RangeMultiplier(4)
    ->Range(1 << 10, 1 << 18)
    ->Complexity(benchmark::oN);

}  // namespace

BENCHMARK_MAIN();
