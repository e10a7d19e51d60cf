// Number words, number fields and dates over a million generated inputs each.
#include <benchmark/benchmark.h>

#include <cstdint>
#include <random>
#include <string>
#include <vector>

#include "engine/declension/number_words.h"
#include "engine/document/environment.h"
#include "engine/fields/date_parse.h"
#include "engine/fields/date_render.h"
#include "engine/fields/number_field.h"
#include "engine/fields/number_words_en.h"

namespace {

using namespace engine;

constexpr std::size_t input_count = 1'000'000;

// Digit strings of 1 to 15 digits, every eighth with two decimals.
const std::vector<std::wstring>& number_texts() {
    static const std::vector<std::wstring> texts = [] {
        std::mt19937_64 random(20240105);
        std::uniform_int_distribution<int> length(1, 15);
        std::uniform_int_distribution<int> digit(0, 9);
        std::vector<std::wstring> out(input_count);
        for (std::size_t i = 0; i < input_count; ++i) {
            const int n = length(random);
            for (int k = 0; k < n; ++k) out[i] += wchar_t(L'0' + digit(random));
            if (i % 8 == 7)
                out[i] += L"." + std::to_wstring(digit(random)) + std::to_wstring(digit(random));
        }
        return out;
    }();
    return texts;
}

// Whole numbers drawn evenly from [low, high], as digit strings.
std::vector<std::wstring> random_integers(std::uint64_t low, std::uint64_t high,
                                          std::uint64_t seed) {
    std::mt19937_64 random(seed);
    std::uniform_int_distribution<std::uint64_t> value(low, high);
    std::vector<std::wstring> out(input_count);
    for (std::wstring& text : out) text = std::to_wstring(value(random));
    return out;
}

// Numbers of one to four digits, and integers below 10^9.
const std::vector<std::wstring>& short_numbers() {
    static const std::vector<std::wstring> texts = random_integers(1, 9999, 11);
    return texts;
}
const std::vector<std::wstring>& integers_below_a_billion() {
    static const std::vector<std::wstring> texts = random_integers(0, 999'999'999, 12);
    return texts;
}

// Money amounts with kopecks, up to a million rubles, typed as "12345.67".
const std::vector<std::wstring>& amounts_with_kopecks() {
    static const std::vector<std::wstring> texts = [] {
        std::vector<std::wstring> out = random_integers(0, 99'999'999, 13);
        for (std::wstring& text : out) {
            while (text.size() < 3) text.insert(0, 1, L'0');
            text.insert(text.size() - 2, 1, L'.');
        }
        return out;
    }();
    return texts;
}

// Dates of 1900-2099 typed in the language's numeric, short-year and named forms.
const std::vector<std::wstring>& date_texts(int language) {
    static std::vector<std::wstring> cache[2];
    std::vector<std::wstring>& out = cache[language];
    if (!out.empty()) return out;
    static const wchar_t* russian_months[] = {L"января",   L"февраля", L"марта",  L"апреля",
                                              L"мая",      L"июня",    L"июля",   L"августа",
                                              L"сентября", L"октября", L"ноября", L"декабря"};
    static const wchar_t* english_months[] = {L"Jan", L"February", L"Mar", L"April",
                                              L"May", L"June",     L"Jul", L"August",
                                              L"Sep", L"Oct",      L"Nov", L"December"};
    std::mt19937_64 random(language + 7);
    std::uniform_int_distribution<int> year(1900, 2099);
    std::uniform_int_distribution<int> month(1, 12);
    std::uniform_int_distribution<int> day(1, 28);
    out.resize(input_count);
    for (std::size_t i = 0; i < input_count; ++i) {
        const std::wstring y = std::to_wstring(year(random));
        const int m = month(random);
        const std::wstring d = std::to_wstring(day(random));
        const std::wstring mm = (m < 10 ? L"0" : L"") + std::to_wstring(m);
        switch (i % 3) {
            case 0:
                out[i] =
                    language ? d + L"." + mm + L"." + y : std::to_wstring(m) + L"/" + d + L"/" + y;
                break;
            case 1:
                out[i] = language ? d + L"-" + mm + L"-" + y.substr(2)
                                  : mm + L"-" + d + L"-" + y.substr(2);
                break;
            default:
                out[i] = language ? d + L" " + russian_months[m - 1] + L" " + y
                                  : std::wstring(english_months[m - 1]) + L" " + d + L", " + y;
        }
    }
    return out;
}

template <typename Body>
void over_inputs(benchmark::State& state, const std::vector<std::wstring>& inputs, Body body) {
    std::size_t i = 0;
    for (auto _ : state) {
        benchmark::DoNotOptimize(body(inputs[i]));
        if (++i == inputs.size()) i = 0;
    }
    state.SetItemsProcessed(std::int64_t(state.iterations()));
}

void NumberWordsEnglish(benchmark::State& state) {
    over_inputs(state, number_texts(),
                [](const std::wstring& text) { return number_words_en(text, 0); });
}
BENCHMARK(NumberWordsEnglish);

void NumberWordsRussian(benchmark::State& state) {
    over_inputs(state, number_texts(),
                [](const std::wstring& text) { return number_words_in_case(text, 2, 1); });
}
BENCHMARK(NumberWordsRussian);

void ShortNumbersInWordsRussian(benchmark::State& state) {
    over_inputs(state, short_numbers(),
                [](const std::wstring& text) { return number_words_in_case(text, 2, 1); });
}
BENCHMARK(ShortNumbersInWordsRussian);

void IntegersInWordsRussian(benchmark::State& state) {
    over_inputs(state, integers_below_a_billion(),
                [](const std::wstring& text) { return number_words_in_case(text, 2, 1); });
}
BENCHMARK(IntegersInWordsRussian);

// An amount field «{валюта прописью:сумма}»: rubles and kopecks in words.
void AmountsWithKopecksRussian(benchmark::State& state) {
    const std::vector<expr_token> modifiers = {
        expr_token(L"валюта прописью", expr_kind::format_words)};
    over_inputs(state, amounts_with_kopecks(), [&](const std::wstring& text) {
        return render_number_field(number_value(nullptr, text, 1), modifiers);
    });
}
BENCHMARK(AmountsWithKopecksRussian);

void NumberFieldInWords(benchmark::State& state) {
    const int language = int(state.range(0));
    const std::vector<expr_token> modifiers = {
        expr_token(state.range(0) ? L"прописью" : L"in words", expr_kind::format_words)};
    over_inputs(state, number_texts(), [&](const std::wstring& text) {
        return render_number_field(number_value(nullptr, text, language), modifiers);
    });
}
BENCHMARK(NumberFieldInWords)->Arg(0)->Arg(1)->ArgName("russian");

void ParseDateAndLongForm(benchmark::State& state) {
    const int language = int(state.range(0));
    const environment& env = system_environment();
    over_inputs(state, date_texts(language), [&](const std::wstring& text) {
        return render_long_date(parse_date_value(text, language, env.now()), true);
    });
}
BENCHMARK(ParseDateAndLongForm)->Arg(0)->Arg(1)->ArgName("russian");

void RussianDateInWords(benchmark::State& state) {
    const environment& env = system_environment();
    over_inputs(state, date_texts(1), [&](const std::wstring& text) {
        return render_date_in_words(parse_date_value(text, 1, env.now()));
    });
}
BENCHMARK(RussianDateInWords);

}  // namespace

BENCHMARK_MAIN();
