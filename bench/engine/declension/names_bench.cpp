// Throughput of person names, in full names a second (each into six cases),
// and of free phrases, in words a second: the name list rendered through a
// «фио» field, and decline_phrase over job titles and contract subjects and
// over one very long run of digits.
#include <benchmark/benchmark.h>

#include <cstdint>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "engine/declension/phrase.h"
#include "engine/fields/field_value.h"
#include "engine/fields/name_field.h"
#include "engine/text/utf16.h"

namespace {

std::filesystem::path name_list_path() {
    return std::filesystem::path(PAPERWRIGHT_TESTS_DIR) / "engine/declension/data/person_names.tsv";
}

// The nominative of every row of the name list.
const std::vector<std::wstring>& names() {
    static const std::vector<std::wstring> list = [] {
        std::vector<std::wstring> out;
        std::ifstream file(name_list_path(), std::ios::binary);
        std::string line;
        while (std::getline(file, line)) {
            if (line.empty() || line[0] == '#') continue;
            std::size_t first = line.find('\t');
            std::size_t second = first == std::string::npos ? first : line.find('\t', first + 1);
            std::size_t third = second == std::string::npos ? second : line.find('\t', second + 1);
            if (third == std::string::npos) continue;
            out.push_back(engine::from_utf8(line.substr(second + 1, third - second - 1)));
        }
        return out;
    }();
    return list;
}

// Each name of the list into all six cases, the way a person field renders a
// reference with a case letter (none for the nominative).
void BM_FullNamesInSixCases(benchmark::State& state) {
    const std::vector<std::wstring>& list = names();
    if (list.empty()) {
        state.SkipWithError("the name list was not found");
        return;
    }
    std::vector<std::vector<engine::expr_token>> modifiers(1);
    for (const wchar_t* letter : {L"р", L"д", L"в", L"т", L"п"})
        modifiers.push_back({engine::expr_token(letter, engine::expr_kind::format_words)});
    engine::render_context no_document(nullptr, engine::view_state{});
    engine::field_value field(no_document,
                              engine::expr_token(L"фио работника", engine::expr_kind::literal));
    std::size_t i = 0;
    std::wstring out;
    for (auto _ : state) {
        field.value_text = list[i % list.size()];
        for (const std::vector<engine::expr_token>& words : modifiers) {
            engine::render_name_field(field.value_text, field, out, words);
            benchmark::DoNotOptimize(out);
        }
        ++i;
    }
    state.SetItemsProcessed(std::int64_t(state.iterations()));
}
BENCHMARK(BM_FullNamesInSixCases);

const std::vector<std::wstring> k_phrases = {
    L"генеральный директор",
    L"главный бухгалтер",
    L"заместитель генерального директора по финансам",
    L"старший научный сотрудник",
    L"Общество с ограниченной ответственностью",
    L"договор поставки",
    L"трудовой договор",
    L"расторжение договора аренды",
    L"оказание консультационных услуг",
    L"поставка 500 штук товара",
    L"Научно-исследовательский институт",
    L"ООО \"Ромашка\"",
};

void BM_DeclinePhrase(benchmark::State& state) {
    std::vector<std::int64_t> word_counts;
    for (const std::wstring& phrase : k_phrases) {
        std::int64_t words = 1;
        for (wchar_t c : phrase) words += c == L' ' ? 1 : 0;
        word_counts.push_back(words);
    }
    std::size_t i = 0;
    std::int64_t words = 0;
    for (auto _ : state) {
        std::size_t k = i % k_phrases.size();
        benchmark::DoNotOptimize(engine::decline_phrase(k_phrases[k], int(i % 5) + 2));
        words += word_counts[k];
        ++i;
    }
    state.SetItemsProcessed(words);
}
BENCHMARK(BM_DeclinePhrase);

// A value of 20,000 digits declined once: the digits past the 21st show as one
// red marker, whose cost must grow with the run, not with its square.
void BM_DeclineTwentyThousandDigits(benchmark::State& state) {
    std::wstring digits;
    while (digits.size() < 20000) digits += L"1234567890";
    for (auto _ : state) benchmark::DoNotOptimize(engine::decline_phrase(digits, 2));
    state.SetItemsProcessed(std::int64_t(state.iterations()));
}
BENCHMARK(BM_DeclineTwentyThousandDigits);

}  // namespace
