#include "engine/fields/date_parse.h"

#include <array>
#include <optional>
#include <string_view>

#include "engine/text/number_text.h"
#include "engine/text/plain_text.h"
#include "engine/text/text_case.h"

namespace engine {

namespace {

struct month_name {
    const wchar_t* russian;
    const wchar_t* russian_alternative;
    const wchar_t* english;
};

// Compared in this order with the first three letters, in capitals.
constexpr std::array<month_name, 12> month_names = {{
    {L"ЯНВ", nullptr, L"JAN"},
    {L"ФЕВ", nullptr, L"FEB"},
    {L"МАР", nullptr, L"MAR"},
    {L"АПР", nullptr, L"APR"},
    {L"МАЯ", L"МАЙ", L"MAY"},
    {L"ИЮН", nullptr, L"JUN"},
    {L"ИЮЛ", nullptr, L"JUL"},
    {L"АВГ", nullptr, L"AUG"},
    {L"СЕН", nullptr, L"SEP"},
    {L"ОКТ", nullptr, L"OCT"},
    {L"НОЯ", nullptr, L"NOV"},
    {L"ДЕК", nullptr, L"DEC"},
}};

struct scanner_rules {
    const wchar_t* separators;
    bool (*is_letter)(wchar_t);
    int month_field;  // the field that may hold letters
    int day_field;
};

bool is_cyrillic(wchar_t c) { return c >= 0x0400 && c <= 0x04FF; }
bool is_latin(wchar_t c) { return (c >= L'A' && c <= L'Z') || (c >= L'a' && c <= L'z'); }

constexpr scanner_rules russian_rules = {L" -./\\", is_cyrillic, 1, 0};
constexpr scanner_rules english_rules = {L" ,-./\\", is_latin, 0, 1};

bool is_one_of(wchar_t c, const wchar_t* set) {
    for (; *set; ++set)
        if (*set == c) return true;
    return false;
}

// Replaces a month name by its number; a name of fewer than three letters
// vanishes and an unknown one stays as letters (and fails the length test).
void name_to_number(std::wstring& month, bool russian) {
    if (month.size() < 3) {
        month.clear();
        return;
    }
    month = to_upper(month.substr(0, 3));
    for (std::size_t i = 0; i < month_names.size(); ++i) {
        const month_name& name = month_names[i];
        bool match = russian ? (month == name.russian ||
                                (name.russian_alternative && month == name.russian_alternative))
                             : month == name.english;
        if (match) {
            month = format_int(std::int64_t(i) + 1);
            return;
        }
    }
}

// Dates are written with four-digit years at most; a longer run of digits is
// a typo, not a year.
constexpr std::int64_t largest_year = 9999;

// Makes `d` the given date when it is a possible one; leaves it no date
// otherwise.
void set_calendar_date(date_value& d, std::int64_t year, std::int64_t month, std::int64_t day) {
    if (month < 1 || month > 12 || day < 1 || day > days_in_month(year, int(month))) return;
    d.valid = true;
    d.broken_down.tm_mday = int(day);
    d.broken_down.tm_mon = int(month) - 1;
    d.broken_down.tm_year = int(year - 1900);
    d.seconds = days_from_civil(year, int(month), int(day)) * 86400;
}

// The digits at `at`, at most `most` of them, as a number, moving `at` past
// them; none when there are fewer than `least`.
std::optional<int> read_digits(std::wstring_view text, std::size_t& at, std::size_t least,
                               std::size_t most) {
    std::size_t start = at;
    int value = 0;
    while (at < text.size() && at - start < most && is_digit(text[at]))
        value = value * 10 + (text[at++] - L'0');
    if (at - start < least) return std::nullopt;
    return value;
}

struct calendar_date {
    int year = 0, month = 0, day = 0;
};

// A date typed year first with dashes, as forms and other programs write it
// in either language: 2026-12-07, 2026-1-7. Nothing but blanks around it.
std::optional<calendar_date> read_year_first(std::wstring_view text) {
    text = trimmed(text);
    std::size_t at = 0;
    auto part = [&](std::size_t least, std::size_t most, bool dash_after) -> std::optional<int> {
        std::optional<int> value = read_digits(text, at, least, most);
        if (!value || (dash_after && (at >= text.size() || text[at++] != L'-')))
            return std::nullopt;
        return value;
    };
    std::optional<int> year = part(4, 4, true);
    std::optional<int> month = year ? part(1, 2, true) : std::nullopt;
    std::optional<int> day = month ? part(1, 2, false) : std::nullopt;
    if (!day || at != text.size()) return std::nullopt;
    return calendar_date{*year, *month, *day};
}

}  // namespace

date_value parse_date_value(const std::wstring& text, int language, std::int64_t now) {
    std::size_t end = text.size();
    while (end > 0 && is_blank(text[end - 1])) --end;
    if (end == 0) {
        date_value blank = date_value::today(language, now);
        blank.valid = false;
        return blank;
    }

    date_value d;
    d.language = language;
    d.text = text;
    d.clock = now;

    if (std::optional<calendar_date> date = read_year_first(text)) {
        set_calendar_date(d, date->year, date->month, date->day);
        return d;
    }

    const bool russian = d.language == 1;
    const scanner_rules& rules = russian ? russian_rules : english_rules;
    std::array<std::wstring, 3> fields;
    int field = 0;
    bool after_separator = false;
    bool month_has_letters = false;
    // English also writes the day first with the month in words (7 December
    // 2026, 7 Dec 2026): letters of the second field after a day of digits,
    // and then no word before the year («1 May Street 10» is an address).
    std::wstring second_field_letters;
    bool word_before_year = false;
    // The year ends at the first character after its digits: digits further
    // on («2026 Z356») are a typo, not more of the year.
    bool year_ended = false;
    for (wchar_t c : text) {
        if (c == L'\t' || c == L'\n' || c == L'\r') continue;
        const bool digit = c >= L'0' && c <= L'9';
        if (field == 2 && !fields[2].empty() && !digit) year_ended = true;
        if (year_ended && digit) return d;
        if (is_one_of(c, rules.separators)) {
            if (after_separator) continue;
            after_separator = true;
            if (field < 2) ++field;
        } else if (digit) {
            after_separator = false;
            fields[std::size_t(field)] += c;
        } else if (rules.is_letter(c)) {
            after_separator = false;
            if (field == rules.month_field) {
                fields[std::size_t(field)] += c;
                month_has_letters = true;
            } else if (!russian && field == 1 && !month_has_letters) {
                second_field_letters += c;
            } else if (field == 2 && fields[2].empty()) {
                word_before_year = true;
            }
        }
    }
    if (!second_field_letters.empty() && fields[1].empty()) {
        if (word_before_year) return d;
        fields[1] = std::move(fields[0]);
        fields[0] = std::move(second_field_letters);
        month_has_letters = true;
    }

    std::wstring& month_text = fields[std::size_t(rules.month_field)];
    std::wstring& day_text = fields[std::size_t(rules.day_field)];
    std::wstring& year_text = fields[2];
    if (month_has_letters) name_to_number(month_text, russian);
    if (year_text.size() < 2 || month_text.empty() || month_text.size() > 2 || day_text.empty() ||
        day_text.size() > 2)
        return d;
    if (year_text.size() == 2) year_text.insert(0, L"20");

    const auto year = read_int64_prefix(year_text);
    const auto month = read_int64_prefix(month_text);
    const auto day = read_int64_prefix(day_text);
    if (!year || !month || !day || *year > largest_year) return d;
    set_calendar_date(d, *year, *month, *day);
    return d;
}

}  // namespace engine
