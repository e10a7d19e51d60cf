// The words a clerk types after a number in a number field: units and nouns
// of money, time and quantity with their adjectives («рублей», «календарных
// дней», "months", «руб./мес.», «в месяц»), multipliers (тыс., млн, million),
// kopecks and cents, and the words of an amount written out in brackets
// («(сто пятьдесят тысяч)»). The lists are closed: words that change the
// amount («или более», «не менее», "approx.") are in none of them, so a
// number followed by them is no number.
#pragma once

#include <cstdint>
#include <string_view>

namespace engine {

// What a word of time or quantity counts, as bits: a field counted in one
// unit reads only the words whose bits it takes.
namespace unit_mark {
constexpr std::uint32_t day = 1;  // дней, дн., сутки, days: the field's own kind of day
constexpr std::uint32_t calendar = 2;
constexpr std::uint32_t working = 4;
constexpr std::uint32_t banking = 8;
constexpr std::uint32_t week = 16;
constexpr std::uint32_t month = 32;
constexpr std::uint32_t year = 64;
constexpr std::uint32_t hour = 128;
constexpr std::uint32_t minute = 256;
constexpr std::uint32_t quarter = 512;
constexpr std::uint32_t per_cent = 1024;
constexpr std::uint32_t annual = 2048;  // «годовых», after a per cent
constexpr std::uint32_t piece = 4096;
}  // namespace unit_mark

// The currencies a money word or sign may name, as bits: "$" and "dollars"
// name any dollar, cents dollars and euros.
namespace currency_mark {
constexpr std::uint32_t rouble = 1;
constexpr std::uint32_t us_dollar = 2;
constexpr std::uint32_t australian_dollar = 4;
constexpr std::uint32_t canadian_dollar = 8;
constexpr std::uint32_t euro = 16;
constexpr std::uint32_t pound = 32;
constexpr std::uint32_t dollar = us_dollar | australian_dollar | canadian_dollar;
constexpr std::uint32_t cent = dollar | euro;
}  // namespace currency_mark

enum class tail_word {
    none,
    money,        // рубль, руб., доллар, USD, dollars
    minor_money,  // копейка, коп., cents
    unit,  // a noun or adjective of time or quantity: дней, календарных, months, %
    preposition,  // в, per: a unit must follow («в месяц», "per month")
    multiplier,   // тыс., млн, million: the number is multiplied
};

struct tail_word_meaning {
    tail_word kind = tail_word::none;
    int zeros = 0;  // of a multiplier: 3, 6 or 9
    // unit_mark bits of a unit, currency_mark bits of money (none for a
    // currency no document prints: тенге, юань).
    std::uint32_t marks = 0;
    // A word a number field without a unit of its own does not read
    // («кал.», «тенге»): such a field reads as it always has.
    bool read_with_unit_only = false;
};

// `word` in lower case with ё as е, letters only (an abbreviation's point
// is not part of it).
tail_word_meaning tail_word_of(std::wstring_view word);

// A word of a number written out («пятьдесят», «тысяч», «целых», "twenty",
// "and"), in lower case with ё as е.
bool is_number_word(std::wstring_view word);

// USD, EUR, RUB and the other currency codes a number may follow.
bool is_currency_code(std::wstring_view word);

// The currency_mark bits of a money sign ("$", "€", "£", "₽", "¢"); 0 for
// any other character.
std::uint32_t currency_of_sign(wchar_t c);

}  // namespace engine
