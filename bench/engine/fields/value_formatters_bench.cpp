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
#include "engine/fields/number_reading.h"
#include "engine/fields/number_tail_words.h"
#include "engine/fields/number_words_en.h"
#include "engine/fields/single_number.h"

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

// The first texts of a set read up front, as a number field without a unit
// reads its text once a render in the document's currency (roubles or
// dollars): a number form takes the reading kept. Under callgrind a run
// gets through fewer of them than this.
struct read_text {
    const std::wstring* text;
    single_number number;
};

std::vector<read_text> read_up_front(const std::vector<std::wstring>& texts, int language) {
    const std::uint32_t currency = language ? currency_mark::rouble : currency_mark::us_dollar;
    std::vector<read_text> out;
    for (std::size_t i = 0; i < 65'536; ++i)
        out.push_back(
            {&texts[i],
             *read_number_field(texts[i], language, number_unit::unknown, currency).number});
    return out;
}

template <typename Input, typename Body>
void over_inputs(benchmark::State& state, const std::vector<Input>& inputs, Body body) {
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
    static const std::vector<read_text> amounts = read_up_front(amounts_with_kopecks(), 1);
    const std::vector<expr_token> modifiers = {
        expr_token(L"валюта прописью", expr_kind::format_words)};
    over_inputs(state, amounts, [&](const read_text& read) {
        return render_number_field(number_value(nullptr, *read.text, 1, read.number), modifiers);
    });
}
BENCHMARK(AmountsWithKopecksRussian);

void NumberFieldInWords(benchmark::State& state) {
    static const std::vector<read_text> texts[] = {read_up_front(number_texts(), 0),
                                                   read_up_front(number_texts(), 1)};
    const int language = int(state.range(0));
    const std::vector<expr_token> modifiers = {
        expr_token(state.range(0) ? L"прописью" : L"in words", expr_kind::format_words)};
    over_inputs(state, texts[language], [&](const read_text& read) {
        return render_number_field(number_value(nullptr, *read.text, language, read.number),
                                   modifiers);
    });
}
BENCHMARK(NumberFieldInWords)->Arg(0)->Arg(1)->ArgName("russian");

// A number field's text as clerks type it, with the field's unit and the
// document's currency: figures, units, currencies, none words, words before
// figures, and texts that are no number.
struct typed_value {
    const wchar_t* text;
    int language;
    number_unit unit;
    std::uint32_t currency;
};

const std::vector<typed_value>& typed_values() {
    using enum number_unit;
    constexpr std::uint32_t roubles = currency_mark::rouble, dollars = currency_mark::us_dollar;
    // clang-format off
    static const std::vector<typed_value> values = {
        {L"150000", 1, unknown, roubles}, {L"1 250 000,50", 1, unknown, roubles},
        {L"150 000 руб.", 1, unknown, roubles}, {L"150 000 ₽", 1, unknown, roubles},
        {L"1 500 руб. 50 коп.", 1, unknown, roubles}, {L"15 тыс. руб.", 1, unknown, roubles},
        {L"65 000 руб./мес.", 1, unknown, roubles}, {L"86 500-00", 1, unknown, roubles},
        {L"2 000 долларов", 1, unknown, roubles}, {L"3 месяца", 1, unknown, roubles},
        {L"$1,250.00", 0, unknown, dollars}, {L"USD 45", 0, unknown, dollars},
        {L"US$1,250", 0, unknown, dollars}, {L"1,250 US dollars", 0, unknown, dollars},
        {L"3 месяца", 1, month, roubles}, {L"3 мес.", 1, month, roubles},
        {L"28 календарных дней", 1, calendar_day, roubles}, {L"28 к.д.", 1, calendar_day, roubles},
        {L"10 рабочих дней", 1, working_day, roubles}, {L"5 б.д.", 1, banking_day, roubles},
        {L"в течение 7 дней", 1, day, roubles}, {L"2 недели", 1, day, roubles},
        {L"15-го", 1, day_of_month, roubles}, {L"35", 1, day_of_month, roubles},
        {L"30 %", 1, per_cent, roubles}, {L"250 pcs", 0, piece, dollars},
        {L"6 months", 0, month, dollars}, {L"12 mos", 0, month, dollars},
        {L"Net 30", 0, day, dollars}, {L"24 hrs", 0, hour, dollars},
        {L"нет", 1, month, roubles}, {L"без аванса", 1, per_cent, roubles},
        {L"испытание не устанавливается.", 1, month, roubles}, {L"—", 1, unknown, roubles},
        {L"N/A", 0, unknown, dollars}, {L"not applicable", 0, unknown, dollars},
        {L"три месяца", 1, month, roubles}, {L"не менее трёх месяцев", 1, month, roubles},
        {L"по соглашению сторон", 1, month, roubles}, {L"not yet known", 0, unknown, dollars},
        {L"тридцать (30) дней", 1, day, roubles}, {L"thirty (30) days", 0, day, dollars},
        {L"Twenty-one (21) days", 0, day, dollars}, {L"10-15", 1, day, roubles},
    };
    // clang-format on
    return values;
}

// The whole mix an iteration, so that every value weighs alike in callgrind's
// count per call.
void ReadTypedValues(benchmark::State& state) {
    const std::vector<typed_value>& values = typed_values();
    for (auto _ : state)
        for (const typed_value& value : values)
            benchmark::DoNotOptimize(
                read_number_field(value.text, value.language, value.unit, value.currency));
    state.SetItemsProcessed(std::int64_t(state.iterations() * values.size()));
}
BENCHMARK(ReadTypedValues);

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
