// Throughput of the declension entry and of the dictionary matcher, in words
// per second.
#include <benchmark/benchmark.h>

#include <cstdint>
#include <filesystem>
#include <fstream>
#include <initializer_list>
#include <string>
#include <vector>

#include "engine/declension/decline_word.h"
#include "engine/declension/rule_table.h"
#include "engine/text/utf16.h"

namespace {

// Everyday words of every length class and many final letters.
// clang-format off
const std::vector<std::wstring> k_word_mix = {
    L"договор",  L"поставщик", L"покупатель", L"сторона",   L"директор", L"общество",  L"ответственность",
    L"цена",     L"товар",     L"бельё",      L"я",         L"он",       L"она",       L"срок",
    L"работы",   L"услуги",    L"генеральный", L"акт",      L"неделя",   L"сведения",  L"  оплата ",
    L"[фамилия]", L"заказчик", L"исполнитель", L"ружьё",    L"месяц",    L"приложение", L"рубль",
};
// clang-format on

void BM_DeclineWord(benchmark::State& state) {
    std::size_t i = 0;
    for (auto _ : state) {
        std::uint32_t gender = 0, animate = 0;
        const std::wstring& word = k_word_mix[i % k_word_mix.size()];
        benchmark::DoNotOptimize(engine::decline_word(word, int(i % 6) + 1, &gender, &animate));
        ++i;
    }
    state.SetItemsProcessed(std::int64_t(state.iterations()));
}
BENCHMARK(BM_DeclineWord);

// The probe words of the handlers' dictionaries (one per entry), as the tests
// keep them beside the handler tests; with only_checks, just the words whose
// row asks the singular.
std::vector<std::wstring> probe_words(std::initializer_list<const char*> handlers,
                                      bool only_checks = false) {
    std::filesystem::path folder =
        std::filesystem::path(PAPERWRIGHT_TESTS_DIR) / "engine/declension/handlers/probes";
    std::vector<std::wstring> words;
    for (const char* handler : handlers) {
        std::ifstream file(folder / (std::string(handler) + ".tsv"));
        for (std::string line; std::getline(file, line);) {
            if (line.empty() || line[0] == '#') continue;
            if (only_checks && line.find("\tcheck:") == std::string::npos) continue;
            words.push_back(engine::from_utf8(line.substr(0, line.find('\t'))));
        }
    }
    return words;
}

void decline_all_cases(benchmark::State& state, const std::vector<std::wstring>& words) {
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

// Words of five or more letters in -р, -й, -а, -ь and -к.
void BM_DeclineLongRJASoftK(benchmark::State& state) {
    static const std::vector<std::wstring> words =
        probe_words({"long_r", "long_j", "long_a", "long_soft", "long_k"});
    decline_all_cases(state, words);
}
BENCHMARK(BM_DeclineLongRJASoftK);

// Words of five or more letters in -б to -з, -е, -л to -п, -с, -т, -ц and -ф
// to -щ.
void BM_DeclineLongOtherSingulars(benchmark::State& state) {
    static const std::vector<std::wstring> words =
        probe_words({"long_b", "long_v",  "long_g",  "long_d",  "long_zh",   "long_z", "long_e",
                     "long_l", "long_m",  "long_n",  "long_o",  "long_p",    "long_s", "long_t",
                     "long_f", "long_kh", "long_ch", "long_sh", "long_shch", "long_ts"});
    decline_all_cases(state, words);
}
BENCHMARK(BM_DeclineLongOtherSingulars);

// The largest dictionary alone.
void BM_DeclineLongT(benchmark::State& state) {
    static const std::vector<std::wstring> words = probe_words({"long_t"});
    decline_all_cases(state, words);
}
BENCHMARK(BM_DeclineLongT);

// Plurals in -ы and -и, words in -я and the four-letter lists. Plurals that
// ask their singular make one extra handler call.
void BM_DeclinePluralsInY(benchmark::State& state) {
    static const std::vector<std::wstring> words = probe_words({"long_y"});
    decline_all_cases(state, words);
}
BENCHMARK(BM_DeclinePluralsInY);

void BM_DeclinePluralsInI(benchmark::State& state) {
    static const std::vector<std::wstring> words = probe_words({"long_i"});
    decline_all_cases(state, words);
}
BENCHMARK(BM_DeclinePluralsInI);

// Every call here makes one extra call of a singular handler.
void BM_DeclinePluralsAskingTheSingular(benchmark::State& state) {
    static const std::vector<std::wstring> words = probe_words({"long_y", "long_i"}, true);
    decline_all_cases(state, words);
}
BENCHMARK(BM_DeclinePluralsAskingTheSingular);

void BM_DeclineWordsInYa(benchmark::State& state) {
    static const std::vector<std::wstring> words = probe_words({"long_ya"});
    decline_all_cases(state, words);
}
BENCHMARK(BM_DeclineWordsInYa);

void BM_DeclineFourLetterLists(benchmark::State& state) {
    static const std::vector<std::wstring> words =
        probe_words({"short4_l_to_t", "short4_y_soft_ya"});
    decline_all_cases(state, words);
}
BENCHMARK(BM_DeclineFourLetterLists);

// About a thousand entries ending in -т, the size of the largest handler
// dictionary, with a share of conditions like the real ones.
struct synthetic_table {
    std::vector<std::wstring> texts;
    std::vector<engine::rule_row> rows;
    std::vector<std::wstring> words;

    synthetic_table() {
        const std::wstring vowels = L"аеиоуыя";
        const std::wstring consonants = L"бвгдзклмнпрсфхц";
        for (wchar_t v : vowels) {
            for (wchar_t c1 : consonants) {
                for (wchar_t c2 : consonants) {
                    if ((c1 + c2) % 3 == 2) continue;
                    std::wstring ending = std::wstring(1, c2) + c1 + v + L"т";
                    std::wstring text = L"-" + ending;
                    if (texts.size() % 4 == 0) text += L" (6+ letters)";
                    if (texts.size() % 9 == 0)
                        text = L"-[" + std::wstring(1, c2) + L"ш]" + c1 + v + L"т";
                    texts.push_back(text);
                    words.push_back(L"пере" + ending);
                    words.push_back(L"о" + std::wstring(1, c1) + v + L"т");
                }
            }
        }
        for (std::size_t i = 0; i < texts.size(); ++i)
            rows.push_back({texts[i], int(i % 177) + 1, 1, 0});
    }
};

void BM_RuleMatcher(benchmark::State& state) {
    static const synthetic_table data;
    static const engine::rule_table table(data.rows);
    std::size_t i = 0;
    for (auto _ : state) {
        benchmark::DoNotOptimize(table.find(data.words[i % data.words.size()]));
        ++i;
    }
    state.SetItemsProcessed(std::int64_t(state.iterations()));
    state.counters["entries"] = double(table.entries().size());
}
BENCHMARK(BM_RuleMatcher);

}  // namespace

BENCHMARK_MAIN();
