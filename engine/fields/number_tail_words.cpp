#include "engine/fields/number_tail_words.h"

namespace engine {

namespace {

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

constexpr std::wstring_view noun_endings = L"|а|у|ом|е|ы|ов|ам|ами|ах";
constexpr std::wstring_view adjective_endings =
    L"ый|ий|ой|ая|яя|ое|ее|ые|ие|ого|его|ому|ему|ым|им|ом|ем|ую|юю|ых|их|ыми|ими|ей";
constexpr std::wstring_view english_plural = L"|s";

constexpr tail_word money = tail_word::money;
constexpr tail_word minor = tail_word::minor_money;
constexpr tail_word unit = tail_word::unit;

constexpr std::uint32_t rub = currency_mark::rouble;
constexpr std::uint32_t usd = currency_mark::us_dollar;
constexpr std::uint32_t aud = currency_mark::australian_dollar;
constexpr std::uint32_t cad = currency_mark::canadian_dollar;
constexpr std::uint32_t dollar = currency_mark::dollar;
constexpr std::uint32_t eur = currency_mark::euro;
constexpr std::uint32_t gbp = currency_mark::pound;

// clang-format off
constexpr word_row rows[] = {
    // Money.
    {L"руб", L"|ль|ля|лей|лю|лем|ле|ли|лям|лями|лях", money, rub},
    {L"р", L"", money, rub},
    {L"доллар", noun_endings, money, dollar},
    {L"долл", L"", money, dollar},
    {L"евро", L"", money, eur},
    {L"usd", L"", money, usd}, {L"eur", L"", money, eur}, {L"rub", L"", money, rub}, {L"rur", L"", money, rub},
    {L"gbp", L"", money, gbp}, {L"aud", L"", money, aud}, {L"cad", L"", money, cad},
    {L"dollar", english_plural, money, dollar},
    {L"euro", english_plural, money, eur},
    {L"pound", english_plural, money, gbp},
    {L"коп", L"|ейка|ейки|еек|ейку|ейкой|ейке|ейкам|ейками|ейках", minor, rub},
    {L"cent", english_plural, minor, currency_mark::cent},
    {L"penny", L"", minor, gbp},
    {L"pence", L"", minor, gbp},
    // Currencies no document prints: read only to say so.
    {L"тенге", L"", money, 0, 0, true},
    {L"юан", L"ь|я|ю|ем|е|и|ей|ям|ями|ях", money, 0, 0, true},
    {L"kzt", L"", money, 0, 0, true}, {L"cny", L"", money, 0, 0, true},
    {L"chf", L"", money, 0, 0, true}, {L"jpy", L"", money, 0, 0, true},
    // Time.
    {L"дн", L"|я|ей|ю|ям|ями|ях|ем", unit, unit_mark::day},
    {L"ден", L"ь", unit, unit_mark::day},
    {L"сут", L"|ки|ок|кам|ками|ках", unit, unit_mark::day},
    {L"нед", L"|еля|ели|елю|ель|елей|еле|елям|елями|елях", unit, unit_mark::week},
    {L"мес", L"|яц|яца|яцу|яцем|яце|яцы|яцев|яцам|яцами|яцах", unit, unit_mark::month},
    {L"год", noun_endings, unit, unit_mark::year},
    {L"лет", L"", unit, unit_mark::year},
    {L"час", noun_endings, unit, unit_mark::hour},
    {L"ч", L"", unit, unit_mark::hour},
    {L"мин", L"|ута|уты|ут|уту|утой|уте|утам|утами|утах", unit, unit_mark::minute},
    {L"квартал", noun_endings, unit, unit_mark::quarter},
    {L"календарн", adjective_endings, unit, unit_mark::calendar},
    {L"рабоч", adjective_endings, unit, unit_mark::working},
    {L"банковск", adjective_endings, unit, unit_mark::banking},
    {L"кал", L"", unit, unit_mark::calendar, 0, true},
    {L"раб", L"", unit, unit_mark::working, 0, true},
    {L"банк", L"", unit, unit_mark::banking, 0, true},
    {L"годов", adjective_endings, unit, unit_mark::annual},  // «12 % годовых»
    {L"day", english_plural, unit, unit_mark::day},
    {L"week", english_plural, unit, unit_mark::week},
    {L"month", english_plural, unit, unit_mark::month},
    {L"year", english_plural, unit, unit_mark::year},
    {L"hour", english_plural, unit, unit_mark::hour},
    {L"minute", english_plural, unit, unit_mark::minute},
    {L"calendar", L"", unit, unit_mark::calendar},
    {L"business", L"", unit, unit_mark::working | unit_mark::banking},
    {L"working", L"", unit, unit_mark::working},
    {L"banking", L"", unit, unit_mark::banking},
    // Quantity.
    {L"процент", noun_endings, unit, unit_mark::per_cent},
    {L"шт", L"|ука|уки|ук|уку|укой|уке|укам|уками|уках", unit, unit_mark::piece},
    {L"экз", L"|емпляр|емпляра|емпляров|емпляру|емпляром|емпляре|емпляры|емплярам|емплярах", unit, unit_mark::piece},
    {L"ед", L"|иница|иницы|иниц|иницу|иницей|инице|иницам|иницами|иницах", unit, unit_mark::piece},
    {L"percent", L"", unit, unit_mark::per_cent},
    {L"unit", english_plural, unit, unit_mark::piece},
    {L"piece", english_plural, unit, unit_mark::piece},
    {L"item", english_plural, unit, unit_mark::piece},
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
constexpr std::wstring_view number_word_stems[] = {
    L"нол", L"нул", L"од", L"дв", L"тр", L"четыр", L"пят", L"шест", L"сем", L"восем", L"восьм",
    L"девят", L"девяност", L"десят", L"сорок", L"сто", L"ста", L"сот", L"тысяч", L"миллион",
    L"миллиард", L"цел",
    L"zero", L"one", L"two", L"thr", L"thir", L"four", L"fort", L"fiv", L"fif", L"six", L"seven",
    L"eigh", L"nine", L"ten", L"eleven", L"twel", L"twen", L"hundred", L"thousand", L"million",
    L"billion", L"and",
};
// clang-format on

bool has_ending(std::wstring_view endings, std::wstring_view rest) {
    for (;;) {
        const std::size_t bar = endings.find(L'|');
        if (endings.substr(0, bar) == rest) return true;
        if (bar == std::wstring_view::npos) return false;
        endings.remove_prefix(bar + 1);
    }
}

const word_row* find_row(std::wstring_view word) {
    for (const word_row& row : rows)
        if (word.starts_with(row.stem) && has_ending(row.endings, word.substr(row.stem.size())))
            return &row;
    return nullptr;
}

}  // namespace

tail_word_meaning tail_word_of(std::wstring_view word) {
    const word_row* row = find_row(word);
    if (!row) return {};
    return {row->kind, row->zeros, row->marks, row->read_with_unit_only};
}

bool is_number_word(std::wstring_view word) {
    // «и» joins the words; as a beginning it would let «или» in.
    if (word == L"и") return true;
    for (std::wstring_view stem : number_word_stems)
        if (word.starts_with(stem)) return true;
    return false;
}

bool is_currency_code(std::wstring_view word) {
    const word_row* row = find_row(word);
    return row && row->kind == money && word.size() == 3 && word[0] < 0x80;
}

std::uint32_t currency_of_sign(wchar_t c) {
    switch (c) {
        case L'$': return currency_mark::dollar;
        case L'\u20AC': return currency_mark::euro;
        case L'\u00A3': return currency_mark::pound;
        case L'\u20BD': return currency_mark::rouble;
        case L'\u00A2': return currency_mark::cent;
        default: return 0;
    }
}

}  // namespace engine
