#include "engine/fields/single_number.h"

#include <algorithm>
#include <array>

#include "engine/fields/number_tail_words.h"
#include "engine/fields/number_value.h"
#include "engine/fields/words_before_figures.h"
#include "engine/text/plain_text.h"
#include "engine/text/text_case.h"

namespace engine {

namespace {

bool is_group_blank(wchar_t c) {
    return c == L' ' || c == L'\u00A0' || c == L'\u202F' || c == L'\u2009';
}
bool is_any_blank(wchar_t c) { return is_group_blank(c) || is_blank(c); }
bool is_separator(wchar_t c) { return c == L',' || c == L'.'; }
bool is_dash(wchar_t c) { return c == L'-' || c == L'\u2013' || c == L'\u2014'; }
bool is_money_sign(wchar_t c) {
    return c == L'$' || c == L'\u20AC' || c == L'\u00A3' || c == L'\u20BD';
}
bool is_sign(wchar_t c) {
    return c == L'+' || c == L'-' || c == L'\u2212' || is_money_sign(c) || is_any_blank(c);
}
// Blanks part groups alike, whichever of them was typed.
bool same_mark(wchar_t a, wchar_t b) { return a == b || (is_group_blank(a) && is_group_blank(b)); }

std::size_t skip_blanks(std::wstring_view text, std::size_t at) {
    while (at < text.size() && is_any_blank(text[at])) ++at;
    return at;
}

std::size_t digits_from(std::wstring_view text, std::size_t at) {
    std::size_t end = at;
    while (end < text.size() && is_digit(text[end])) ++end;
    return end - at;
}

// A word in lower case with ё as е; longer words are no unit and come back
// cut, which matches nothing.
class lowered_word {
public:
    lowered_word(std::wstring_view text, std::size_t at) : begin_(at), end_(at) {
        while (end_ < text.size() && is_alpha_char(text[end_])) {
            wchar_t c = to_lower_char(text[end_++]);
            if (size_ < letters_.size()) letters_[size_++] = c == L'ё' ? L'е' : c;
        }
        if (end_ - begin_ > letters_.size()) size_ = 0;
    }
    std::wstring_view view() const { return {letters_.data(), size_}; }
    std::size_t end() const { return end_; }

private:
    std::array<wchar_t, 24> letters_{};
    std::size_t size_ = 0;
    std::size_t begin_;
    std::size_t end_;
};

// Where a number lies in its text and what follows it.
struct number_scan {
    std::size_t figures_start = 0;  // the first digit, or the separator of ",5"
    std::size_t length = 0;         // after the figures and a dangling separator
    bool plain_digits = false;      // one run of digits and nothing else
    int zeros = 0;                  // of a multiplier after the number
    bool number_is_kopecks = false;
    std::optional<std::wstring> kopecks;  // two digits typed with their word
    number_words words;
};

void note_money(number_words& words, std::uint32_t currencies, bool read_with_unit_only) {
    words.money = true;
    words.currencies &= currencies;
    words.read_with_unit_only = words.read_with_unit_only || read_with_unit_only;
}

void note_unit(number_words& words, std::uint32_t marks, bool read_with_unit_only) {
    if (words.unit_count < words.units.size()) words.units[words.unit_count] = marks;
    ++words.unit_count;
    words.read_with_unit_only = words.read_with_unit_only || read_with_unit_only;
}

// The sign, currency signs and at most one currency code before the number;
// none when anything else stands there.
std::optional<std::size_t> lead_end(std::wstring_view text, bool code_allowed,
                                    number_words& words) {
    std::size_t at = 0;
    bool code_seen = false;
    while (at < text.size()) {
        const wchar_t c = text[at];
        if (is_sign(c)) {
            if (is_money_sign(c)) note_money(words, currency_of_sign(c), false);
            ++at;
        } else if (code_allowed && !code_seen && is_alpha_char(c)) {
            lowered_word word(text, at);
            if (!is_currency_code(word.view())) return std::nullopt;
            const tail_word_meaning code = tail_word_of(word.view());
            note_money(words, code.marks, code.read_with_unit_only);
            code_seen = true;
            at = word.end();
        } else {
            return at;
        }
    }
    return at;
}

// The figures from `at`: their end, a dangling decimal separator included;
// none when their marks neither group nor part a fraction.
std::optional<std::size_t> figures_end(std::wstring_view text, std::size_t at, bool& plain) {
    // ",5" is a half.
    if (at + 1 < text.size() && is_separator(text[at]) && is_digit(text[at + 1]))
        return at + 1 + digits_from(text, at + 1);
    const std::size_t first = digits_from(text, at);
    if (first == 0) return std::nullopt;
    at += first;
    // Every mark groups, or the last is the decimal separator, unlike the
    // marks before it.
    std::size_t marks = 0;
    wchar_t first_mark = 0;
    wchar_t last_mark = 0;
    std::size_t last_run = 0;
    bool before_last_group = true;  // the marks before the last, each before three digits
    while (at + 1 < text.size() && (is_separator(text[at]) || is_group_blank(text[at])) &&
           is_digit(text[at + 1])) {
        if (marks > 0 && (last_run != 3 || !same_mark(last_mark, first_mark)))
            before_last_group = false;
        if (marks == 0) first_mark = text[at];
        last_mark = text[at];
        last_run = digits_from(text, at + 1);
        ++marks;
        at += 1 + last_run;
    }
    plain = marks == 0;
    const bool grouped =
        before_last_group && (marks == 0 || (last_run == 3 && same_mark(last_mark, first_mark)));
    const bool decimal = marks > 0 && is_separator(last_mark) && before_last_group &&
                         (marks == 1 || !same_mark(first_mark, last_mark));
    if (!grouped && !decimal) return std::nullopt;
    // A decimal separator with nothing after it: «1234.».
    if (grouped && at < text.size() && is_separator(text[at]) &&
        (marks == 0 || !same_mark(first_mark, text[at]))) {
        plain = false;
        return at + 1;
    }
    return at;
}

// Lower case; each may be followed by its point.
// clang-format off
constexpr std::array<std::wstring_view, 12> short_units = {
    L"руб", L"р", L"коп", L"дн", L"мес", L"шт", L"%", L"$", L"\u20AC", L"usd", L"eur", L"rub",
};
// clang-format on

// Whether `text` from `at` is a short unit, blanks around it allowed, or nothing.
bool is_short_unit_tail(std::wstring_view text, std::size_t at) {
    at = skip_blanks(text, at);
    if (at == text.size()) return true;
    for (std::wstring_view unit : short_units) {
        if (text.size() - at < unit.size()) continue;
        std::size_t i = 0;
        while (i < unit.size() && to_lower_char(text[at + i]) == unit[i]) ++i;
        if (i < unit.size()) continue;
        std::size_t end = at + unit.size();
        if (end < text.size() && text[end] == L'.') ++end;
        if (skip_blanks(text, end) == text.size()) return true;
    }
    return false;
}

// Reads the words after the number into `scan`; false when anything there
// is no word of money, time or quantity.
class tail_reader {
public:
    tail_reader(std::wstring_view text, number_scan& scan)
        : text_(text), scan_(scan), money_(scan.words.money) {}

    bool read(std::size_t at) {
        // «150 000,-»: a dash after a dangling separator.
        if (at > 0 && at < text_.size() && is_separator(text_[at - 1]) && is_dash(text_[at])) ++at;
        for (at = skip_blanks(text_, at); at < text_.size(); at = skip_blanks(text_, at)) {
            const wchar_t c = text_[at];
            if (is_alpha_char(c)) {
                lowered_word word(text_, at);
                if (!take_word(word.view())) return false;
                at = word.end();
            } else if (is_digit(c)) {
                if (!take_kopecks(at)) return false;
            } else if (!take_mark(c)) {
                return false;
            } else {
                ++at;
            }
            first_ = false;
        }
        return !unit_due_ && !in_brackets_;
    }

private:
    // A point or comma after a word, a slash between units, brackets, signs.
    bool take_mark(wchar_t c) {
        if (is_separator(c)) return after_word_;
        if (c == L'/') {
            if (!after_word_ || unit_due_) return false;
            unit_due_ = true;
            after_word_ = false;
            return true;
        }
        if (c == L'(' && !in_brackets_ && !unit_due_) return in_brackets_ = true;
        if (c == L')' && in_brackets_) {
            in_brackets_ = false;
            return after_word_ = true;
        }
        // "twenty-one".
        if (is_dash(c) && in_brackets_) return true;
        if (c == L'%' || is_money_sign(c)) {
            if (is_money_sign(c)) {
                money_ = true;
                note_money(scan_.words, currency_of_sign(c), false);
            } else if (!unit_due_) {
                note_unit(scan_.words, unit_mark::per_cent, false);
            }
            unit_due_ = false;
            return after_word_ = true;
        }
        if (c == L'\u00A2') {
            note_money(scan_.words, currency_of_sign(c), false);
            return take_minor_word();
        }
        return false;
    }

    bool take_word(std::wstring_view word) {
        const tail_word_meaning meaning = tail_word_of(word);
        // «(сто пятьдесят тысяч)»: «тысяч» multiplies nothing there.
        if (in_brackets_ &&
            (meaning.kind == tail_word::none || meaning.kind == tail_word::multiplier))
            return is_number_word(word) && (after_word_ = true);
        switch (meaning.kind) {
            case tail_word::multiplier:
                if (!first_ || in_brackets_) return false;
                scan_.zeros = meaning.zeros;
                return after_word_ = true;
            case tail_word::minor_money:
                // "per cent".
                if (unit_due_) {
                    unit_due_ = false;
                    note_unit(scan_.words, unit_mark::per_cent, false);
                    return after_word_ = true;
                }
                note_money(scan_.words, meaning.marks, meaning.read_with_unit_only);
                return take_minor_word();
            case tail_word::money:
                money_ = true;
                note_money(scan_.words, meaning.marks, meaning.read_with_unit_only);
                unit_due_ = false;
                return after_word_ = true;
            case tail_word::unit:
                // A rate's unit («руб./мес.») is not what the number counts.
                if (!unit_due_) note_unit(scan_.words, meaning.marks, meaning.read_with_unit_only);
                unit_due_ = false;
                return after_word_ = true;
            case tail_word::preposition:
                if (unit_due_) return false;
                unit_due_ = true;
                after_word_ = false;
                return true;
            case tail_word::none: return false;
        }
        return false;
    }

    // «коп.» or "¢" right after a number of one or two digits: the number
    // counts kopecks.
    bool take_minor_word() {
        if (!first_ || !scan_.plain_digits || scan_.length - scan_.figures_start > 2) return false;
        scan_.number_is_kopecks = true;
        return after_word_ = true;
    }

    // One or two digits and the word of kopecks or cents, after a money word.
    bool take_kopecks(std::size_t& at) {
        const std::size_t count = digits_from(text_, at);
        if (!money_ || scan_.kopecks || unit_due_ || count > 2) return false;
        std::wstring kopecks(text_.substr(at, count));
        if (count == 1) kopecks.insert(0, 1, L'0');
        std::size_t end = skip_blanks(text_, at + count);
        if (end < text_.size() && text_[end] == L'\u00A2') {
            note_money(scan_.words, currency_of_sign(text_[end]), false);
            ++end;
        } else {
            lowered_word word(text_, end);
            const tail_word_meaning meaning = tail_word_of(word.view());
            if (meaning.kind != tail_word::minor_money) return false;
            note_money(scan_.words, meaning.marks, meaning.read_with_unit_only);
            end = word.end();
        }
        scan_.kopecks = std::move(kopecks);
        at = end;
        return after_word_ = true;
    }

    std::wstring_view text_;
    number_scan& scan_;
    bool money_;
    bool first_ = true;
    bool after_word_ = false;
    bool unit_due_ = false;  // after «в», "per" or "/"
    bool in_brackets_ = false;
};

std::optional<number_scan> scan_number(std::wstring_view text) {
    number_scan scan;
    const std::optional<std::size_t> lead = lead_end(text, true, scan.words);
    if (!lead) return std::nullopt;
    scan.figures_start = *lead;
    const std::optional<std::size_t> end = figures_end(text, *lead, scan.plain_digits);
    if (!end) return std::nullopt;
    scan.length = *end;
    if (!tail_reader(text, scan).read(*end)) return std::nullopt;
    return scan;
}

// The decimal point of `digits` moved `zeros` places to the right.
std::wstring multiplied(const std::wstring& digits, int zeros) {
    const std::size_t point = digits.find(L'.');
    std::wstring integer = digits.substr(0, point);
    std::wstring fraction = point == std::wstring::npos ? L"" : digits.substr(point + 1);
    fraction.resize(std::max(fraction.size(), std::size_t(zeros)), L'0');
    integer = without_leading_zeros(integer + fraction.substr(0, std::size_t(zeros)));
    fraction.erase(0, std::size_t(zeros));
    return fraction.empty() ? integer : integer + L"." + fraction;
}

std::wstring without_trailing_zeros(std::wstring digits) {
    while (!digits.empty() && digits.back() == L'0') digits.pop_back();
    return digits;
}

int language_of_words(std::wstring_view text) {
    for (wchar_t c : text)
        if (c >= 0x0400 && c <= 0x04FF) return 1;
    return 0;
}

// `digits` written as the clerk typed the figures in `typed`: the same group
// mark and decimal separator, or the language's own where none was typed.
std::wstring written_like(const std::wstring& digits, std::wstring_view typed, int language) {
    const std::size_t decimal = decimal_separator_position(typed, language);
    wchar_t group_mark = language == 1 ? L' ' : L',';
    wchar_t decimal_mark = language == 1 ? L',' : L'.';
    for (std::size_t i = 0; i < typed.size(); ++i) {
        if (i == decimal) {
            decimal_mark = typed[i];
        } else if (!is_digit(typed[i])) {
            group_mark = typed[i];
            break;
        }
    }
    const std::size_t point = digits.find(L'.');
    const std::size_t integer = std::min(point, digits.size());
    std::wstring out;
    for (std::size_t i = 0; i < integer; ++i) {
        if (i > 0 && (integer - i) % 3 == 0) out += group_mark;
        out += digits[i];
    }
    if (point != std::wstring::npos) out += decimal_mark + digits.substr(point + 1);
    return out;
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

// A day of the month typed with its ending: «15-го», «15-е», «15го», «15
// числа», «15-го числа».
std::optional<single_number> day_with_ending(std::wstring_view text) {
    const std::size_t start = skip_blanks(text, 0);
    const std::size_t count = digits_from(text, start);
    if (count == 0 || count > 2) return std::nullopt;
    const std::size_t figures_end = start + count;
    std::size_t at = figures_end;
    if (at < text.size() && is_dash(text[at])) ++at;
    bool ending = false;
    const lowered_word suffix(text, at);
    const std::wstring_view letters = suffix.view();
    if (letters == L"го" || letters == L"ого" || letters == L"е" || letters == L"ое") {
        ending = true;
        at = suffix.end();
    } else if (at != figures_end) {
        return std::nullopt;  // a dash and no ending
    }
    at = skip_blanks(text, at);
    const lowered_word noun(text, at);
    if (noun.view() == L"числа" || noun.view() == L"число") {
        ending = true;
        at = noun.end();
    }
    if (!ending || skip_blanks(text, at) != text.size()) return std::nullopt;
    single_number number;
    number.length = figures_end;
    number.figures_start = start;
    number.digits = std::wstring(text.substr(start, count));
    return number;
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
    return number;
}

}  // namespace

std::optional<single_number> read_single_number(std::wstring_view text, int language,
                                                number_unit unit) {
    const std::optional<number_scan> scan = scan_number(text);
    if (!scan) {
        if (unit == number_unit::day_of_month) return day_with_ending(text);
        return read_figures_after_words(text, language);
    }
    single_number number;
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
    const std::optional<single_number> number = read_single_number(text, language_of_words(text));
    if (!number) return std::nullopt;
    return number->length;
}

std::wstring figures_as_typed(std::wstring_view text, int language, number_unit unit) {
    // "thirty (30) days" gives "30".
    if (const std::optional<words_before_figures> words = find_words_before_figures(text))
        return figures_as_typed(figures_and_what_follows(text, *words), language, unit);
    const std::optional<single_number> number = read_single_number(text, language, unit);
    if (!number) return {};
    std::wstring_view typed = text.substr(0, number->length);
    if (number->rewritten) {
        const std::wstring_view figures = typed.substr(number->figures_start);
        return std::wstring(typed.substr(0, number->figures_start)) +
               written_like(number->digits, figures, language);
    }
    while (!typed.empty() && (is_separator(typed.back()) || is_any_blank(typed.back())))
        typed.remove_suffix(1);
    return std::wstring(typed);
}

bool is_number_with_short_unit(std::wstring_view text) {
    number_words words;
    const std::optional<std::size_t> lead = lead_end(text, false, words);
    if (!lead) return false;
    bool plain = false;
    const std::optional<std::size_t> end = figures_end(text, *lead, plain);
    return end && is_short_unit_tail(text, *end);
}

}  // namespace engine
