#include "engine/fields/date_render.h"

#include <array>

#include "engine/declension/number_word_tables.h"
#include "engine/declension/number_words.h"
#include "engine/declension/phrase.h"
#include "engine/text/number_text.h"

namespace engine {

namespace {

constexpr std::array<const wchar_t*, 12> russian_months = {
    L"января", L"февраля", L"марта",    L"апреля",  L"мая",    L"июня",
    L"июля",   L"августа", L"сентября", L"октября", L"ноября", L"декабря"};
constexpr std::array<const wchar_t*, 12> english_months = {
    L"January", L"February", L"March",     L"April",   L"May",      L"June",
    L"July",    L"August",   L"September", L"October", L"November", L"December"};

// Day of the month in words: the Russian neuter agrees with the omitted
// "число".
struct day_words {
    const wchar_t* russian;
    const wchar_t* english;
};
constexpr std::array<day_words, 31> days = {{
    {L"первое", L"first"},
    {L"второе", L"second"},
    {L"третье", L"third"},
    {L"четвертое", L"fourth"},
    {L"пятое", L"fifth"},
    {L"шестое", L"sixth"},
    {L"седьмое", L"seventh"},
    {L"восьмое", L"eighth"},
    {L"девятое", L"ninth"},
    {L"десятое", L"tenth"},
    {L"одиннадцатое", L"eleventh"},
    {L"двенадцатое", L"twelfth"},
    {L"тринадцатое", L"thirteenth"},
    {L"четырнадцатое", L"fourteenth"},
    {L"пятнадцатое", L"fifteenth"},
    {L"шестнадцатое", L"sixteenth"},
    {L"семнадцатое", L"seventeenth"},
    {L"восемнадцатое", L"eighteenth"},
    {L"девятнадцатое", L"nineteenth"},
    {L"двадцатое", L"twentieth"},
    {L"двадцать первое", L"twenty-first"},
    {L"двадцать второе", L"twenty-second"},
    {L"двадцать третье", L"twenty-third"},
    {L"двадцать четвертое", L"twenty-fourth"},
    {L"двадцать пятое", L"twenty-fifth"},
    {L"двадцать шестое", L"twenty-sixth"},
    {L"двадцать седьмое", L"twenty-seventh"},
    {L"двадцать восьмое", L"twenty-eighth"},
    {L"двадцать девятое", L"twenty-ninth"},
    {L"тридцатое", L"thirtieth"},
    {L"тридцать первое", L"thirty-first"},
}};

bool is_russian(const date_value& date) { return date.language == 1; }

std::wstring two_digits(std::wstring text) {
    if (text.size() == 1) text.insert(0, 1, L'0');
    return text;
}

const wchar_t* day_suffix(const std::wstring& day) {
    if (day == L"1" || day == L"21" || day == L"31") return L"st";
    if (day == L"2" || day == L"22") return L"nd";
    if (day == L"3" || day == L"23") return L"rd";
    return L"th";
}

int digit_value(wchar_t c) { return c >= L'0' && c <= L'9' ? int(c - L'0') : 0; }

}  // namespace

std::wstring render_year(const date_value& date) {
    return format_int(std::int64_t(date.broken_down.tm_year) + 1900);
}

std::wstring render_day(const date_value& date, unsigned mode) {
    const int day = date.broken_down.tm_mday;
    std::wstring number = format_int(day);
    switch (mode) {
        case day_with_suffix: return number + day_suffix(number);
        case day_in_words:
            if (day < 1 || day > 31) return number;
            return is_russian(date) ? days[std::size_t(day - 1)].russian
                                    : days[std::size_t(day - 1)].english;
        default: return is_russian(date) ? two_digits(number) : number;
    }
}

std::wstring render_month(const date_value& date, bool in_words) {
    const int month = date.broken_down.tm_mon;
    if (!in_words) {
        std::wstring number = format_int(std::int64_t(month) + 1);
        return is_russian(date) ? two_digits(number) : number;
    }
    if (month < 0 || month > 11) return {};
    return is_russian(date) ? russian_months[std::size_t(month)]
                            : english_months[std::size_t(month)];
}

std::wstring render_short_date(const date_value& date) {
    if (is_russian(date))
        return render_day(date, day_number) + L"." + render_month(date, false) + L"." +
               render_year(date);
    return render_month(date, false) + L"/" + render_day(date, day_number) + L"/" +
           render_year(date);
}

std::wstring render_long_date(const date_value& date, bool html) {
    if (!is_russian(date))
        return render_month(date, true) + L" " + render_day(date, day_number) + L", " +
               render_year(date);
    if (html)
        return render_day(date, day_number) + L"&thinsp;" + render_month(date, true) +
               L" <span style=\"white-space:nowrap\">" + render_year(date) + L"&thinsp;г.</span>";
    return render_day(date, day_number) + L" " + render_month(date, true) + L" " +
           render_year(date) + L" г.";
}

std::wstring render_formal_date(const date_value& date) {
    if (is_russian(date))
        return L"«" + render_day(date, day_number) + L"»&thinsp;" + render_month(date, true) +
               L" " + render_year(date) + L"&thinsp;г.";
    return render_day(date, day_with_suffix) + L" day of " + render_month(date, true) + L", " +
           render_year(date);
}

std::wstring render_date_in_words(const date_value& date) {
    if (is_russian(date))
        return render_day(date, day_in_words) + L" " + render_month(date, true) + L" " +
               russian_year_in_words(render_year(date)) + L" года";
    return render_month(date, true) + L"/" + render_day(date, day_with_suffix) + L" " +
           render_year(date);
}

std::wstring russian_year_in_words(const std::wstring& year) {
    if (year.size() != 4) return year;
    const int century = digit_value(year[0]) * 10 + digit_value(year[1]);
    const int rest = digit_value(year[2]) * 10 + digit_value(year[3]);
    if (rest == 0) {
        if (century == 20) return L"двухтысячного";
        if (century == 19) return L"одна тысяча девятисотого";
        return year;
    }
    std::wstring out = number_words_in_case(format_int(century * 100), 0, 0) + L" ";
    constexpr int genitive = 2;
    if (rest < 20) return out + decline_phrase(ordinal_units[rest], genitive);
    if (rest % 10 != 0)
        return out + cardinal_tens[0][rest / 10] + L" " +
               decline_phrase(ordinal_units[rest % 10], genitive);
    return out + decline_phrase(ordinal_tens[rest / 10], genitive);
}

}  // namespace engine
