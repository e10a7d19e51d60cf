// The words a clerk types after a number in a number field: units and nouns
// of money, time and quantity with their adjectives («рублей», «календарных
// дней», "months", «руб./мес.», «в месяц»), multipliers (тыс., млн, million),
// kopecks and cents, and the words of an amount written out in brackets
// («(сто пятьдесят тысяч)»). The lists are closed: words that change the
// amount («или более», «не менее», "approx.") are in none of them, so a
// number followed by them is no number.
#pragma once

#include <string_view>

namespace engine {

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
};

// `word` in lower case with ё as е, letters only (an abbreviation's point
// is not part of it).
tail_word_meaning tail_word_of(std::wstring_view word);

// A word of a number written out («пятьдесят», «тысяч», «целых», "twenty",
// "and"), in lower case with ё as е.
bool is_number_word(std::wstring_view word);

// USD, EUR, RUB and the other currency codes a number may follow.
bool is_currency_code(std::wstring_view word);

}  // namespace engine
