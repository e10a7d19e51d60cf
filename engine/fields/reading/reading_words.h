// Every word a number field's text is read with, as data: the words of
// money, time and quantity after a number, multipliers, the beginnings of
// number words, the short units of any other field, the words that say there
// is none and the words of a field's own thing, the phrases before and after
// the figures of a term or a day, and the names of the units a template
// gives a field. The matchers over them are number_tail_words.h, none_words.h,
// number_unit.h and words_around.h.
//
// Words are in lower case with ё as е.
#pragma once

#include <array>
#include <cstdint>
#include <span>
#include <string_view>

#include "engine/fields/number_tail_words.h"
#include "engine/fields/number_unit.h"

namespace engine::reading {

// A word is a stem and one of its endings, "|"-separated; an empty ending
// is the stem alone (an abbreviation: «руб», «мес»).
struct word_row {
    std::wstring_view stem;
    std::wstring_view endings;
    tail_word kind;
    std::uint32_t marks = 0;  // unit_mark or currency_mark bits
    int zeros = 0;
    bool read_with_unit_only = false;
};

// `word.starts_with(stem)` without a call: stems are a few letters.
inline bool begins_with(std::wstring_view word, std::wstring_view stem) {
    if (word.size() < stem.size()) return false;
    for (std::size_t i = 0; i < stem.size(); ++i)
        if (word[i] != stem[i]) return false;
    return true;
}

// Whether `rest`, a word after its stem, is one of the "|"-separated
// `endings`.
inline bool has_ending(std::wstring_view endings, std::wstring_view rest) {
    std::size_t start = 0;
    for (std::size_t i = 0; i <= endings.size(); ++i) {
        if (i < endings.size() && endings[i] != L'|') continue;
        if (i - start == rest.size() && begins_with(endings.substr(start), rest)) return true;
        start = i + 1;
    }
    return false;
}

// Whether `word` is one of `list`, in which a word ending in "*" is a
// beginning: any word that begins so matches it.
inline bool in_list(std::wstring_view word, std::span<const std::wstring_view> list) {
    for (std::wstring_view listed : list) {
        if (listed.ends_with(L'*') ? word.starts_with(listed.substr(0, listed.size() - 1))
                                   : word == listed)
            return true;
    }
    return false;
}

namespace rows {

inline constexpr std::wstring_view noun_endings = L"|а|у|ом|е|ы|ов|ам|ами|ах";
inline constexpr std::wstring_view adjective_endings =
    L"ый|ий|ой|ая|яя|ое|ее|ые|ие|ого|его|ому|ему|ым|им|ом|ем|ую|юю|ых|их|ыми|ими|ей";
inline constexpr std::wstring_view english_plural = L"|s";

inline constexpr tail_word money = tail_word::money;
inline constexpr tail_word minor = tail_word::minor_money;
inline constexpr tail_word unit = tail_word::unit;

inline constexpr std::uint32_t rub = currency_mark::rouble;
inline constexpr std::uint32_t usd = currency_mark::us_dollar;
inline constexpr std::uint32_t aud = currency_mark::australian_dollar;
inline constexpr std::uint32_t cad = currency_mark::canadian_dollar;
inline constexpr std::uint32_t dollar = currency_mark::dollar;
inline constexpr std::uint32_t eur = currency_mark::euro;
inline constexpr std::uint32_t gbp = currency_mark::pound;

}  // namespace rows

// The words after a number (number_tail_words.h); the first row that
// matches is the word's meaning.
// clang-format off
inline constexpr word_row tail_words[] = {
    // Money.
    {L"руб", L"|ль|ля|лей|лю|лем|ле|ли|лям|лями|лях", rows::money, rows::rub},
    {L"р", L"", rows::money, rows::rub},
    {L"доллар", rows::noun_endings, rows::money, rows::dollar},
    {L"долл", L"", rows::money, rows::dollar},
    {L"евро", L"", rows::money, rows::eur},
    {L"usd", L"", rows::money, rows::usd}, {L"eur", L"", rows::money, rows::eur},
    {L"rub", L"", rows::money, rows::rub}, {L"rur", L"", rows::money, rows::rub},
    {L"gbp", L"", rows::money, rows::gbp}, {L"aud", L"", rows::money, rows::aud},
    {L"cad", L"", rows::money, rows::cad},
    {L"dollar", rows::english_plural, rows::money, rows::dollar},
    {L"euro", rows::english_plural, rows::money, rows::eur},
    {L"pound", rows::english_plural, rows::money, rows::gbp},
    {L"коп", L"|ейка|ейки|еек|ейку|ейкой|ейке|ейкам|ейками|ейках", rows::minor, rows::rub},
    {L"cent", rows::english_plural, rows::minor, currency_mark::cent},
    {L"penny", L"", rows::minor, rows::gbp},
    {L"pence", L"", rows::minor, rows::gbp},
    // Currencies no document prints: read only to say so.
    {L"тенге", L"", rows::money, 0, 0, true},
    {L"юан", L"ь|я|ю|ем|е|и|ей|ям|ями|ях", rows::money, 0, 0, true},
    {L"kzt", L"", rows::money, 0, 0, true}, {L"cny", L"", rows::money, 0, 0, true},
    {L"chf", L"", rows::money, 0, 0, true}, {L"jpy", L"", rows::money, 0, 0, true},
    // Time.
    {L"дн", L"|я|ей|ю|ям|ями|ях|ем", rows::unit, unit_mark::day},
    {L"д", L"", rows::unit, unit_mark::day}, {L"d", L"", rows::unit, unit_mark::day},
    {L"ден", L"ь", rows::unit, unit_mark::day},
    {L"сут", L"|ки|ок|кам|ками|ках", rows::unit, unit_mark::day},
    {L"нед", L"|еля|ели|елю|ель|елей|еле|елям|елями|елях", rows::unit, unit_mark::week},
    {L"мес", L"|яц|яца|яцу|яцем|яце|яцы|яцев|яцам|яцами|яцах", rows::unit, unit_mark::month},
    {L"год", rows::noun_endings, rows::unit, unit_mark::year},
    {L"лет", L"", rows::unit, unit_mark::year},
    {L"г", L"", rows::unit, unit_mark::year}, {L"л", L"", rows::unit, unit_mark::year},
    {L"час", rows::noun_endings, rows::unit, unit_mark::hour},
    {L"ч", L"", rows::unit, unit_mark::hour},
    {L"мин", L"|ута|уты|ут|уту|утой|уте|утам|утами|утах", rows::unit, unit_mark::minute},
    {L"квартал", rows::noun_endings, rows::unit, unit_mark::quarter},
    {L"календарн", rows::adjective_endings, rows::unit, unit_mark::calendar},
    {L"рабоч", rows::adjective_endings, rows::unit, unit_mark::working},
    {L"банковск", rows::adjective_endings, rows::unit, unit_mark::banking},
    {L"кал", L"", rows::unit, unit_mark::calendar, 0, true},
    {L"календ", L"", rows::unit, unit_mark::calendar}, {L"кд", L"", rows::unit, unit_mark::calendar},
    {L"рд", L"", rows::unit, unit_mark::working}, {L"бд", L"", rows::unit, unit_mark::banking},
    {L"раб", L"", rows::unit, unit_mark::working, 0, true},
    {L"банк", L"", rows::unit, unit_mark::banking, 0, true},
    {L"годов", rows::adjective_endings, rows::unit, unit_mark::annual},  // «12 % годовых»
    {L"day", rows::english_plural, rows::unit, unit_mark::day},
    {L"week", rows::english_plural, rows::unit, unit_mark::week},
    {L"month", rows::english_plural, rows::unit, unit_mark::month},
    {L"year", rows::english_plural, rows::unit, unit_mark::year},
    {L"hour", rows::english_plural, rows::unit, unit_mark::hour},
    {L"minute", rows::english_plural, rows::unit, unit_mark::minute},
    {L"wk", rows::english_plural, rows::unit, unit_mark::week},
    {L"mo", rows::english_plural, rows::unit, unit_mark::month},
    {L"mth", rows::english_plural, rows::unit, unit_mark::month},
    {L"y", L"", rows::unit, unit_mark::year}, {L"yr", rows::english_plural, rows::unit, unit_mark::year},
    {L"h", L"", rows::unit, unit_mark::hour}, {L"hr", rows::english_plural, rows::unit, unit_mark::hour},
    {L"cal", L"", rows::unit, unit_mark::calendar},
    {L"calendar", L"", rows::unit, unit_mark::calendar},
    {L"business", L"", rows::unit, unit_mark::working | unit_mark::banking},
    {L"working", L"", rows::unit, unit_mark::working}, {L"work", L"", rows::unit, unit_mark::working},
    {L"banking", L"", rows::unit, unit_mark::banking}, {L"bank", L"", rows::unit, unit_mark::banking},
    // "30 days' notice": a term of any unit of time.
    {L"notice", L"", rows::unit, unit_mark::day | unit_mark::calendar | unit_mark::working |
        unit_mark::banking | unit_mark::week | unit_mark::month | unit_mark::year | unit_mark::hour},
    // Quantity.
    {L"процент", rows::noun_endings, rows::unit, unit_mark::per_cent},
    {L"шт", L"|ука|уки|ук|уку|укой|уке|укам|уками|уках", rows::unit, unit_mark::piece},
    {L"экз", L"|емпляр|емпляра|емпляров|емпляру|емпляром|емпляре|емпляры|емплярам|емплярах", rows::unit, unit_mark::piece},
    {L"ед", L"|иница|иницы|иниц|иницу|иницей|инице|иницам|иницами|иницах", rows::unit, unit_mark::piece},
    {L"проц", L"", rows::unit, unit_mark::per_cent},
    {L"percent", L"", rows::unit, unit_mark::per_cent}, {L"pct", L"", rows::unit, unit_mark::per_cent},
    {L"pc", rows::english_plural, rows::unit, unit_mark::piece}, {L"ea", L"", rows::unit, unit_mark::piece},
    {L"unit", rows::english_plural, rows::unit, unit_mark::piece},
    {L"piece", rows::english_plural, rows::unit, unit_mark::piece},
    {L"item", rows::english_plural, rows::unit, unit_mark::piece},
    // Before a unit.
    {L"в", L"", tail_word::preposition},
    {L"per", L"", tail_word::preposition},
    {L"a", L"", tail_word::preposition}, {L"an", L"", tail_word::preposition},  // "$60,000 a year"
    // Multipliers.
    {L"тыс", L"|яча|ячи|яч|ячу", tail_word::multiplier, 0, 3},
    {L"млн", L"", tail_word::multiplier, 0, 6},
    {L"миллион", L"|а|ов", tail_word::multiplier, 0, 6},
    {L"млрд", L"", tail_word::multiplier, 0, 9},
    {L"миллиард", L"|а|ов", tail_word::multiplier, 0, 9},
    {L"thousand", L"", tail_word::multiplier, 0, 3},
    {L"million", L"", tail_word::multiplier, 0, 6},
    {L"billion", L"", tail_word::multiplier, 0, 9},
};

// Beginnings of the words of a number written out; none begins a word that
// changes the amount (не, более, менее, до, от, около, свыше, "over", "to").
inline constexpr std::wstring_view number_word_stems[] = {
    L"нол", L"нул", L"од", L"дв", L"тр", L"четыр", L"пят", L"шест", L"сем", L"восем", L"восьм",
    L"девят", L"девяност", L"десят", L"сорок", L"сто", L"ста", L"сот", L"тысяч", L"миллион",
    L"миллиард", L"цел",
    L"zero", L"one", L"two", L"thr", L"thir", L"four", L"fort", L"fiv", L"fif", L"six", L"seven",
    L"eigh", L"nine", L"ten", L"eleven", L"twel", L"twen", L"hundred", L"thousand", L"million",
    L"billion", L"and",
};

// Phrases, in lower case with ё as е and one blank between words.
//
// Before the figures of a term («в течение 7 дней», "Net 30"), in a field
// counted in a unit of time only; longer first.
inline constexpr std::wstring_view leading_words_of_a_term[] = {
    L"в течение", L"сроком на", L"сроком", L"within", L"for",
};
// A payment term names days: "Net 30" is no term of weeks, months or years.
inline constexpr std::wstring_view leading_words_of_days[] = {L"net"};
// Before the figures of a day of the month, only in such a field; each may
// follow another («ежемесячно до 10 числа»).
inline constexpr std::wstring_view leading_words_of_a_day[] = {
    L"не позднее", L"до", L"ежемесячно", L"каждого", L"каждое",
    L"no later than the", L"no later than", L"on or before the", L"by the", L"on the", L"the",
};
// After a day of the month's figures: the ending («15-го», "15th"), then
// the noun.
inline constexpr std::wstring_view day_endings[] = {
    L"го", L"ого", L"е", L"ое", L"st", L"nd", L"rd", L"th",
};
inline constexpr std::wstring_view day_nouns[] = {
    L"числа каждого месяца", L"числа следующего месяца", L"числа текущего месяца",
    L"числа месяца", L"числа", L"число",
    L"day of the month", L"day of each month", L"of the month", L"of each month",
};
// The case ending after a hyphen that a unit word must follow («5-ти
// дней», «3-х месяцев»).
inline constexpr std::wstring_view case_endings[] = {L"ти", L"х", L"ми"};
// Dollars of the United States: "US$45", "45 US dollars", "45 U.S. dollars".
inline constexpr std::wstring_view us_words[] = {L"u.s.", L"us"};
// Two-letter short forms of a kind of day, read as one word with a point,
// blank or slash between the letters («к.д.», «р д», «б/д»).
struct letter_pair {
    wchar_t first;
    wchar_t second;
    std::uint32_t marks;
};
inline constexpr letter_pair day_letter_pairs[] = {
    {L'к', L'д', unit_mark::calendar}, {L'р', L'д', unit_mark::working}, {L'б', L'д', unit_mark::banking},
};

// The units any other field's number may be followed by; each may be
// followed by its point.
inline constexpr std::array<std::wstring_view, 12> short_units = {
    L"руб", L"р", L"коп", L"дн", L"мес", L"шт", L"%", L"$", L"\u20AC", L"usd", L"eur", L"rub",
};

// The words that say there is none (none_words.h). A word ending in "*" is
// a beginning: any word that begins so matches it. A text says none when,
// without what is in brackets, its punctuation and the words naming the
// field's own thing, it holds only these, and a denial or a word that says
// none by itself among them.
//
// Denials, as whole words. "No." before more text is a number sign, which
// a digit follows.
inline constexpr std::wstring_view denials[] = {
    L"нет", L"нету", L"без", L"не", L"ни", L"н/а", L"н/д",
    L"no", L"none", L"not", L"nil", L"without", L"n/a", L"na", L"n.a",
};
// Words of absence or of not providing: with a denial they say none
// («не предусмотрен», "not required")...
inline constexpr std::wstring_view absence_words[] = {
    L"предусм*", L"установл*", L"устанавл*", L"назнач*", L"выплач*", L"требу*", L"нуж*",
    L"полож*", L"имеет", L"имеется", L"подлеж*", L"примен*", L"будет", L"было", L"использ*",
    L"необходим*", L"required", L"provided", L"needed", L"applicable", L"applies", L"chargeable",
    // Where it is not provided: «не предусмотрен трудовым договором».
    L"договор*", L"трудов*", L"contract", L"agreement",
};
// ...and these by themselves («отсутствуют», "waived").
inline constexpr std::wstring_view absence_alone[] = {L"отсутств*", L"waived"};
// In a field of money: nothing to pay.
inline constexpr std::wstring_view free_of_charge[] = {
    L"бесплатно", L"безвозмездно", L"free", L"of", L"charge",
};
inline constexpr std::wstring_view free_alone[] = {L"бесплатно", L"безвозмездно", L"free"};
// The library's words for the things a field may leave out, each group
// one thing: a text that names the field's thing in any of them names it
// (the field «Испытание» and «без испытательного срока»).
inline constexpr std::wstring_view own_thing_groups[][6] = {
    {L"испытани*", L"испытательн*", L"срок*", L"probation*", L"period*"},
    {L"аванс*", L"предоплат*", L"предварительн*", L"оплат*", L"advance*", L"prepayment*"},
    {L"материал*", L"materials*"},
    {L"travel*", L"expense*"},
};
// Zero in words, read as 0.
inline constexpr std::wstring_view zero_words[] = {L"ноль", L"нуль", L"zero"};

// The units a template names ("unit: calendar day") and the unit_mark bits
// of the words each reads: a bare day word is the field's own kind of day, a
// word naming another kind is another unit.
struct unit_row {
    std::wstring_view name;
    number_unit unit;
    std::uint32_t marks;
};

inline constexpr std::array<unit_row, 17> unit_names = {{
    {L"day", number_unit::day, unit_mark::day | unit_mark::calendar},
    {L"calendar day", number_unit::calendar_day, unit_mark::day | unit_mark::calendar},
    {L"working day", number_unit::working_day, unit_mark::day | unit_mark::working},
    {L"banking day", number_unit::banking_day, unit_mark::day | unit_mark::banking},
    {L"week", number_unit::week, unit_mark::week},
    {L"month", number_unit::month, unit_mark::month},
    {L"year", number_unit::year, unit_mark::year},
    {L"hour", number_unit::hour, unit_mark::hour},
    {L"per cent", number_unit::per_cent, unit_mark::per_cent | unit_mark::annual},
    {L"day of the month", number_unit::day_of_month, 0},
    {L"piece", number_unit::piece, unit_mark::piece},
    {L"money", number_unit::money, 0},
    {L"money per hour", number_unit::money_per_hour, unit_mark::hour},
    {L"money per day", number_unit::money_per_day, unit_mark::day | unit_mark::calendar | unit_mark::working},
    {L"money per week", number_unit::money_per_week, unit_mark::week},
    {L"money per month", number_unit::money_per_month, unit_mark::month},
    {L"money per year", number_unit::money_per_year, unit_mark::year},
}};
// clang-format on

}  // namespace engine::reading
