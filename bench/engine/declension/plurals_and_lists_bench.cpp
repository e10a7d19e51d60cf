// decline_word over the probe words of the dictionaries for -ы, -и, -я and the
// four-letter lists, all six cases. Plurals that ask their singular make one
// extra handler call.
#include <benchmark/benchmark.h>

#include <cstdint>
#include <filesystem>
#include <fstream>
#include <initializer_list>
#include <string>
#include <vector>

#include "engine/declension/decline_word.h"
#include "engine/document/utf16.h"

namespace {

// The probe words of those lists; with only_checks, just the words whose row
// asks the singular.
std::vector<std::wstring> words_of(std::initializer_list<const char*> lists, bool only_checks = false) {
    std::filesystem::path folder = std::filesystem::path(PAPERWRIGHT_TESTS_DIR) / "engine/declension/handlers/probes";
    std::vector<std::wstring> words;
    for (const char* list : lists) {
        std::ifstream file(folder / (std::string(list) + ".tsv"));
        for (std::string line; std::getline(file, line);) {
            if (line.empty() || line[0] == '#') continue;
            if (only_checks && line.find("\tcheck:") == std::string::npos) continue;
            words.push_back(engine::from_utf8(line.substr(0, line.find('\t'))));
        }
    }
    return words;
}

void run_all_cases(benchmark::State& state, const std::vector<std::wstring>& words) {
    if (words.empty()) {
        state.SkipWithError("no probe words found");
        return;
    }
    std::size_t i = 0;
    for (auto _ : state) {
        std::uint32_t gender = 0, animate = 0;
        benchmark::DoNotOptimize(
            engine::decline_word(words[(i / 6) % words.size()], int(i % 6) + 1, &gender, &animate));
        ++i;
    }
    state.SetItemsProcessed(std::int64_t(state.iterations()));
}

void BM_DeclinePluralsInY(benchmark::State& state) {
    static const std::vector<std::wstring> words = words_of({"long_y"});
    run_all_cases(state, words);
}
BENCHMARK(BM_DeclinePluralsInY);

void BM_DeclinePluralsInI(benchmark::State& state) {
    static const std::vector<std::wstring> words = words_of({"long_i"});
    run_all_cases(state, words);
}
BENCHMARK(BM_DeclinePluralsInI);

// Every call here makes one extra call of a singular handler.
void BM_DeclinePluralsAskingTheSingular(benchmark::State& state) {
    static const std::vector<std::wstring> words = words_of({"long_y", "long_i"}, true);
    run_all_cases(state, words);
}
BENCHMARK(BM_DeclinePluralsAskingTheSingular);

void BM_DeclineWordsInYa(benchmark::State& state) {
    static const std::vector<std::wstring> words = words_of({"long_ya"});
    run_all_cases(state, words);
}
BENCHMARK(BM_DeclineWordsInYa);

void BM_DeclineFourLetterLists(benchmark::State& state) {
    static const std::vector<std::wstring> words = words_of({"short4_l_to_t", "short4_y_soft_ya"});
    run_all_cases(state, words);
}
BENCHMARK(BM_DeclineFourLetterLists);

}  // namespace
