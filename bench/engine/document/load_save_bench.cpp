// Loading and saving a large template: 2,000 paragraphs and 500 fields.
// (This folder's benchmark main is in script_bench.cpp.)
#include <benchmark/benchmark.h>

#include <string>

#include "engine/document/document.h"
#include "support/brik_fixture.h"
#include "support/large_template.h"
#include "support/temp_folder.h"

namespace {

using namespace fixture;

struct template_file {
    template_file() { write_bytes(path(), write_brik(large_template())); }
    std::filesystem::path path() const { return folder.file("large.brik"); }
    temp_folder folder;
};

const template_file& shared_template() {
    static template_file file;
    return file;
}

void LoadLargeTemplate(benchmark::State& state) {
    std::wstring path = engine_path(shared_template().path());
    for (auto _ : state) {
        engine::document doc(path);
        if (!doc.loaded()) state.SkipWithError("the template did not load");
        benchmark::DoNotOptimize(doc.data.get());
    }
    state.SetBytesProcessed(std::int64_t(state.iterations()) *
                            std::int64_t(std::filesystem::file_size(shared_template().path())));
}
BENCHMARK(LoadLargeTemplate)->Unit(benchmark::kMillisecond);

// Each save changes the stored section, so that every one writes the file.
void SaveLargeTemplate(benchmark::State& state) {
    engine::document doc(engine_path(shared_template().path()));
    if (!doc.loaded()) state.SkipWithError("the template did not load");
    for (auto _ : state) {
        doc.data->page_setup.record.v[0] ^= 1;
        if (!doc.save()) state.SkipWithError("the template was not saved");
    }
    state.SetBytesProcessed(std::int64_t(state.iterations()) *
                            std::int64_t(std::filesystem::file_size(shared_template().path())));
}
BENCHMARK(SaveLargeTemplate)->Unit(benchmark::kMillisecond);

// A save whose bytes the file holds already: read and compared, not written.
void SaveUnchangedLargeTemplate(benchmark::State& state) {
    engine::document doc(engine_path(shared_template().path()));
    if (!doc.loaded() || !doc.save()) state.SkipWithError("the template was not saved");
    for (auto _ : state) {
        if (!doc.save()) state.SkipWithError("the template was not saved");
    }
    state.SetBytesProcessed(std::int64_t(state.iterations()) *
                            std::int64_t(std::filesystem::file_size(shared_template().path())));
}
BENCHMARK(SaveUnchangedLargeTemplate)->Unit(benchmark::kMillisecond);

}  // namespace
