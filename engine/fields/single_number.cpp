#include "engine/fields/single_number.h"

#include <algorithm>

#include "engine/fields/number_value.h"
#include "engine/fields/reading/figures.h"
#include "engine/fields/reading/text_marks.h"
#include "engine/fields/reading/words_around.h"
#include "engine/fields/reading/words_before_figures.h"

namespace engine {

namespace {

using namespace reading;

std::optional<number_scan> scan_number(std::wstring_view text, std::size_t start, int language,
                                       number_unit unit) {
    number_scan scan;
    const std::optional<std::size_t> lead = lead_end(text, start, true, scan.words);
    if (!lead) return std::nullopt;
    scan.figures_start = *lead;
    const std::optional<std::size_t> end = figures_end(text, *lead, scan.plain_digits);
    if (!end) return std::nullopt;
    scan.length = *end;
    std::size_t words = *end;
    if (language == 1 && unit == number_unit::unknown)
        if (std::optional<std::wstring> kopecks = kopecks_after_hyphen(text, *lead, *end)) {
            scan.kopecks = std::move(kopecks);
            words += 3;
        }
    if (!read_words_after(text, words, scan)) return std::nullopt;
    return scan;
}

// Money has no third decimal: "€65.000" groups thousands in English too, as
// «65.000» does in Russian (clean_number_text), when the point is its only
// separator.
int language_of_money_figures(std::wstring_view figures, int language, const number_scan& scan) {
    if (language != 0 || !scan.words.money || figures.find(L',') != std::wstring_view::npos ||
        std::count(figures.begin(), figures.end(), L'.') != 1)
        return language;
    return 1;
}

// "thirty (30) days": the figures in brackets, read with what follows them.
// They are the number as typed, neither multiplied nor given kopecks.
std::optional<single_number> read_figures_after_words(std::wstring_view text, int language) {
    const std::optional<words_before_figures> words = find_words_before_figures(text);
    if (!words) return std::nullopt;
    std::optional<single_number> number =
        read_single_number(figures_and_what_follows(text, *words), language);
    if (!number || number->rewritten || number->figures_start != 0 ||
        number->length != words->figures_end - words->figures_start)
        return std::nullopt;
    number->figures_start = words->figures_start;
    number->length = words->after_bracket;
    number->after_words = true;
    return number;
}

}  // namespace

std::optional<single_number> read_single_number(std::wstring_view text, int language,
                                                number_unit unit) {
    const std::size_t start = leading_words_end(text, unit);
    const std::optional<number_scan> scan = scan_number(text, start, language, unit);
    if (!scan) {
        if (unit == number_unit::day_of_month) return day_with_ending(text, start);
        return read_figures_after_words(text, language);
    }
    single_number number;
    number.start = start;
    number.length = scan->length;
    number.figures_start = scan->figures_start;
    number.words = scan->words;
    const std::wstring_view figures = text.substr(0, scan->length);
    number.digits = clean_number_text(figures, language_of_money_figures(figures, language, *scan));
    if (scan->number_is_kopecks) {
        number.digits = L"0." + std::wstring(2 - number.digits.size(), L'0') + number.digits;
        number.rewritten = true;
    }
    if (scan->zeros > 0) {
        number.digits = multiplied(number.digits, scan->zeros);
        number.rewritten = true;
    }
    if (scan->kopecks) {
        const std::size_t point = number.digits.find(L'.');
        const std::wstring typed =
            point == std::wstring::npos ? L"" : number.digits.substr(point + 1);
        if (typed.empty()) {
            number.digits = number.digits.substr(0, point) + L"." + *scan->kopecks;
            number.rewritten = true;
        } else if (without_trailing_zeros(typed) != without_trailing_zeros(*scan->kopecks)) {
            return std::nullopt;
        }
    }
    return number;
}

std::optional<std::size_t> single_number_length(std::wstring_view text) {
    const std::optional<single_number> number =
        read_single_number(text, holds_cyrillic(text) ? 1 : 0);
    if (!number) return std::nullopt;
    return number->length;
}

std::wstring figures_as_typed(std::wstring_view text, int language, number_unit unit) {
    // "thirty (30) days" gives "30".
    if (const std::optional<words_before_figures> words = find_words_before_figures(text))
        return figures_as_typed(figures_and_what_follows(text, *words), language, unit);
    const std::optional<single_number> number = read_single_number(text, language, unit);
    if (!number) return {};
    return figures_as_typed(text, language, *number);
}

std::wstring figures_as_typed(std::wstring_view text, int language, const single_number& number) {
    // "thirty (30) days" gives "30", the figures in the brackets.
    const std::size_t from = number.after_words ? number.figures_start : number.start;
    std::wstring_view typed = text.substr(from, number.length - from);
    if (number.after_words) typed.remove_suffix(1);
    if (number.rewritten) {
        const std::size_t figures_start = number.figures_start - number.start;
        const std::wstring_view figures = typed.substr(figures_start);
        return std::wstring(typed.substr(0, figures_start)) +
               written_like(number.digits, figures, language);
    }
    while (!typed.empty() && (is_separator(typed.back()) || is_any_blank(typed.back())))
        typed.remove_suffix(1);
    return std::wstring(typed);
}

bool is_number_with_short_unit(std::wstring_view text) {
    number_words words;
    const std::optional<std::size_t> lead = lead_end(text, 0, false, words);
    if (!lead) return false;
    bool plain = false;
    const std::optional<std::size_t> end = figures_end(text, *lead, plain);
    return end && is_short_unit_tail(text, *end);
}

}  // namespace engine
