// Opening a list dialog reads, extends, sorts and writes its list before the
// dialog shows; a list of 10,000 remembered texts should take well under
// 20 ms.
#include <benchmark/benchmark.h>

#include <string>
#include <vector>

#include "support/remembered_texts.h"
#include "support/temp_folder.h"
#include "ui/editing/value_list.h"

namespace {

void OpenListOf10000Entries(benchmark::State& state) {
    fixture::temp_folder folder;
    const std::wstring path = fixture::engine_path(folder.file("Client.list"));
    // Sorted, as the dialog writes its lists; the field's own text makes the
    // 10,000th entry, the most a list keeps, so the list is written too.
    std::vector<std::wstring> texts = fixture::remembered_texts(ui::value_list_max_entries - 1);
    ui::sort_value_list(texts);
    const std::string stored = ui::encode_value_list(texts);
    for (auto _ : state) {
        state.PauseTiming();
        fixture::write_bytes(folder.file("Client.list"), stored);
        state.ResumeTiming();
        ui::value_list_choice choice(path, L"Northwind Trading LLC, Moscow branch");
        choice.open();
        benchmark::DoNotOptimize(choice.selected_index());
    }
}
BENCHMARK(OpenListOf10000Entries)->Unit(benchmark::kMillisecond);

}  // namespace
