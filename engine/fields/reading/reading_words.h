// Every word a number field's text is read with, as data: the words of
// money, time and quantity after a number, multipliers, the beginnings of
// number words, the short units of any other field, the words that say there
// is none, and the names of the units a template gives a field. The matchers
// over them are number_tail_words.h, none_words.h and number_unit.h.
//
// Words are in lower case with ё as е.
#pragma once

#include <array>
#include <cstdint>
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
    {L"ден", L"ь", rows::unit, unit_mark::day},
    {L"сут", L"|ки|ок|кам|ками|ках", rows::unit, unit_mark::day},
    {L"нед", L"|еля|ели|елю|ель|елей|еле|елям|елями|елях", rows::unit, unit_mark::week},
    {L"мес", L"|яц|яца|яцу|яцем|яце|яцы|яцев|яцам|яцами|яцах", rows::unit, unit_mark::month},
    {L"год", rows::noun_endings, rows::unit, unit_mark::year},
    {L"лет", L"", rows::unit, unit_mark::year},
    {L"час", rows::noun_endings, rows::unit, unit_mark::hour},
    {L"ч", L"", rows::unit, unit_mark::hour},
    {L"мин", L"|ута|уты|ут|уту|утой|уте|утам|утами|утах", rows::unit, unit_mark::minute},
    {L"квартал", rows::noun_endings, rows::unit, unit_mark::quarter},
    {L"календарн", rows::adjective_endings, rows::unit, unit_mark::calendar},
    {L"рабоч", rows::adjective_endings, rows::unit, unit_mark::working},
    {L"банковск", rows::adjective_endings, rows::unit, unit_mark::banking},
    {L"кал", L"", rows::unit, unit_mark::calendar, 0, true},
    {L"раб", L"", rows::unit, unit_mark::working, 0, true},
    {L"банк", L"", rows::unit, unit_mark::banking, 0, true},
    {L"годов", rows::adjective_endings, rows::unit, unit_mark::annual},  // «12 % годовых»
    {L"day", rows::english_plural, rows::unit, unit_mark::day},
    {L"week", rows::english_plural, rows::unit, unit_mark::week},
    {L"month", rows::english_plural, rows::unit, unit_mark::month},
    {L"year", rows::english_plural, rows::unit, unit_mark::year},
    {L"hour", rows::english_plural, rows::unit, unit_mark::hour},
    {L"minute", rows::english_plural, rows::unit, unit_mark::minute},
    {L"calendar", L"", rows::unit, unit_mark::calendar},
    {L"business", L"", rows::unit, unit_mark::working | unit_mark::banking},
    {L"working", L"", rows::unit, unit_mark::working},
    {L"banking", L"", rows::unit, unit_mark::banking},
    // Quantity.
    {L"процент", rows::noun_endings, rows::unit, unit_mark::per_cent},
    {L"шт", L"|ука|уки|ук|уку|укой|уке|укам|уками|уках", rows::unit, unit_mark::piece},
    {L"экз", L"|емпляр|емпляра|емпляров|емпляру|емпляром|емпляре|емпляры|емплярам|емплярах", rows::unit, unit_mark::piece},
    {L"ед", L"|иница|иницы|иниц|иницу|иницей|инице|иницам|иницами|иницах", rows::unit, unit_mark::piece},
    {L"percent", L"", rows::unit, unit_mark::per_cent},
    {L"unit", rows::english_plural, rows::unit, unit_mark::piece},
    {L"piece", rows::english_plural, rows::unit, unit_mark::piece},
    {L"item", rows::english_plural, rows::unit, unit_mark::piece},
    // Before a unit.
    {L"в", L"", tail_word::preposition},
    {L"per", L"", tail_word::preposition},
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

// The units any other field's number may be followed by; each may be
// followed by its point.
inline constexpr std::array<std::wstring_view, 12> short_units = {
    L"руб", L"р", L"коп", L"дн", L"мес", L"шт", L"%", L"$", L"\u20AC", L"usd", L"eur", L"rub",
};

// The words that say there is none, one blank between words.
inline constexpr std::array<std::wstring_view, 17> none_words = {
    L"нет", L"не устанавливается", L"не установлен", L"не установлена", L"не установлено",
    L"без испытания", L"не предусмотрен", L"не предусмотрена", L"не предусмотрено",
    L"отсутствует", L"-", L"\u2014", L"\u2013", L"no", L"none", L"nil", L"n/a",
};

// The units a template names ("unit: calendar day") and the unit_mark bits
// of the words each reads: a bare day word is the field's own kind of day, a
// word naming another kind is another unit.
struct unit_row {
    std::wstring_view name;
    number_unit unit;
    std::uint32_t marks;
};

inline constexpr std::array<unit_row, 11> unit_names = {{
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
}};
// clang-format on

}  // namespace engine::reading
