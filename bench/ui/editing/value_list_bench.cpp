// Opening a list dialog reads, extends, sorts and writes its list before the
// dialog shows; a list of 10,000 remembered texts should take well under
// 20 ms.
#include <benchmark/benchmark.h>

#include <string>
#include <vector>

#include "support/temp_folder.h"
#include "ui/editing/value_list.h"

namespace {

// Texts of 10 to 70 characters, Latin and Cyrillic, in no order; the list
// files the dialog writes are sorted.
std::vector<std::wstring> remembered_texts(int count) {
    std::vector<std::wstring> texts;
    std::uint32_t seed = 12345;
    for (int i = 0; i < count; ++i) {
        std::wstring text;
        const int length = 10 + int(seed % 61);
        for (int c = 0; c < length; ++c) {
            seed = seed * 1103515245 + 12345;
            const std::uint32_t r = (seed >> 16) % 40;
            text += r < 6 ? L' ' : r < 23 ? wchar_t(L'a' + r - 6) : wchar_t(L'а' + r - 23);
        }
        texts.push_back(std::move(text));
    }
    ui::sort_value_list(texts);
    return texts;
}

void OpenListOf10000Entries(benchmark::State& state) {
    fixture::temp_folder folder;
    const std::wstring path = fixture::engine_path(folder.file("Client.list"));
    const std::string stored = ui::encode_value_list(remembered_texts(10000));
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
