// Whether a typed text is one number, as a clerk types it, and which.
//
// A number field's text is a single number when it begins with one number
// and has after it only words of money, time or quantity:
// - before the number: a sign, a currency sign (-, $, €, £, ₽) or a currency
//   code ("USD 45", «RUB 1 234,56»); any other letter or mark («НДС 20%»,
//   "approx. 40", «≈100», «№ 5») makes it no number;
// - the number: digits whose groups after the first hold three each (parted
//   by a blank, a no-break or narrow no-break space, "." or ","), at most one
//   decimal separator, perhaps with nothing after it or followed by «,-»;
// - after it, units and nouns of number_tail_words.h («рублей», «₽»,
//   «RUR», «календарных дней», «руб./мес.», «в месяц», "months", «%»);
// - an amount in words in round brackets («(сто пятьдесят тысяч)»);
// - a multiplier right after the number: «15 тыс. руб.» is 15 000;
// - kopecks or cents after a money word: «1 500 руб. 50 коп.» is
//   1 500,50, and «50 коп.» alone 0,50.
// Kopecks that contradict the typed decimals, and any other digit after the
// number («10-15», «1/3», «5.5.5», «1 2345»), make it no number.
// A number in words with the same number in figures in brackets after it
// ("thirty (30) days", words_before_figures.h) is read as those figures.
//
// Any other field's value is a number only with at most one short unit
// (is_number_with_short_unit): «5 дней» in a text field stays a text.
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "engine/fields/number_unit.h"

namespace engine {

// What the words and signs typed with a number name: the units it counts and
// the currency it is in, which the field's own unit and the document's
// currency read (number_reading.h). A unit after "/", «в» or "per" is a rate's
// («руб./мес.») and not kept.
struct number_words {
    // The unit_mark bits of each unit word, in order; past the array the
    // count goes on and the words are not kept.
    std::array<std::uint32_t, 6> units{};
    std::size_t unit_count = 0;
    // A money word, sign or code, and the currency_mark bits all of them
    // allow.
    bool money = false;
    std::uint32_t currencies = ~std::uint32_t(0);
    // A word only a field with a unit reads («кал.», «тенге»).
    bool read_with_unit_only = false;
};

struct single_number {
    // Where the number starts: after the words its field's unit reads
    // before it («в течение 7 дней», "Net 30").
    std::size_t start = 0;
    // The length of the number at the start of the text, its sign, currency
    // code and a dangling decimal separator included, what follows it not.
    std::size_t length = 0;
    // Where the figures start, after the sign, currency sign or code (or
    // inside the brackets after a number in words).
    std::size_t figures_start = 0;
    // Decimal digits with at most one "." (clean_number_text), multiplied
    // and with the kopecks typed in words as the fraction.
    std::wstring digits;
    // The figures differ from the typed ones: multiplied, or kopecks in words.
    bool rewritten = false;
    // The figures stand in brackets after the number in words, which
    // `length` takes in with the closing bracket.
    bool after_words = false;
    number_words words;
};

// A number field's text read in `language` (0 English, 1 Russian), which
// decides what a lone "," or "." means; none when it is no single number.
// A field counted in days of the month also reads the day with its ending
// («15-го», «15-е», «15го», «15 числа», "15th") and «не позднее» before it;
// a field of time reads «в течение», «сроком (на)», "within", "for", "net"
// before the figures, a case ending before a unit word («5-ти дней») and a
// unit made an adjective ("45-day"). A Russian amount in a field without a
// unit reads its kopecks after a hyphen, as accountants write them («86
// 500-00»), when three figures or more come before it.
std::optional<single_number> read_single_number(std::wstring_view text, int language,
                                                number_unit unit = number_unit::unknown);

// The length of the number at the start of `text` (single_number::length);
// none when `text` is not a single number. Read in the language of its words
// (Russian when it holds a Cyrillic letter).
std::optional<std::size_t> single_number_length(std::wstring_view text);

// The number at the start of `text` as the clerk typed it, without the words,
// unit or trailing separator after it: «3 мес.» gives «3», «150 000,-» gives
// «150 000». A multiplier is carried out and kopecks in words become decimals,
// grouped and parted as typed («15 тыс. руб.» gives «15 000», «1 500 руб. 50
// коп.» «1 500,50»). Empty when `text` is not a single number. Templates print
// this before a noun of their own, so a noun the clerk typed is not printed
// twice. A day of the month gives its figures without the ending.
std::wstring figures_as_typed(std::wstring_view text, int language,
                              number_unit unit = number_unit::unknown);
// The same from `number`, the reading of `text` kept already.
std::wstring figures_as_typed(std::wstring_view text, int language, const single_number& number);

// Whether a value of any other field is a number: one number, no currency
// code before it, and at most one unit of a short list after it (руб., р.,
// коп., дн., мес., шт., %, $, €, USD, EUR, RUB), in any letter case, with or
// without its point.
bool is_number_with_short_unit(std::wstring_view text);

}  // namespace engine
