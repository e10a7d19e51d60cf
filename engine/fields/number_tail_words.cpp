#include "engine/fields/number_tail_words.h"

namespace engine {

namespace {

// A word is a stem and one of its endings, "|"-separated; an empty ending
// is the stem alone (an abbreviation: «руб», «мес»).
struct word_row {
    std::wstring_view stem;
    std::wstring_view endings;
    tail_word kind;
    int zeros = 0;
};

constexpr std::wstring_view noun_endings = L"|а|у|ом|е|ы|ов|ам|ами|ах";
constexpr std::wstring_view adjective_endings =
    L"ый|ий|ой|ая|яя|ое|ее|ые|ие|ого|его|ому|ему|ым|им|ом|ем|ую|юю|ых|их|ыми|ими|ей";
constexpr std::wstring_view english_plural = L"|s";

constexpr tail_word money = tail_word::money;
constexpr tail_word minor = tail_word::minor_money;
constexpr tail_word unit = tail_word::unit;

// clang-format off
constexpr word_row rows[] = {
    // Money.
    {L"руб", L"|ль|ля|лей|лю|лем|ле|ли|лям|лями|лях", money},
    {L"р", L"", money},
    {L"доллар", noun_endings, money},
    {L"долл", L"", money},
    {L"евро", L"", money},
    {L"usd", L"", money}, {L"eur", L"", money}, {L"rub", L"", money}, {L"rur", L"", money},
    {L"gbp", L"", money}, {L"aud", L"", money}, {L"cad", L"", money},
    {L"dollar", english_plural, money},
    {L"euro", english_plural, money},
    {L"pound", english_plural, money},
    {L"коп", L"|ейка|ейки|еек|ейку|ейкой|ейке|ейкам|ейками|ейках", minor},
    {L"cent", english_plural, minor},
    {L"penny", L"", minor},
    {L"pence", L"", minor},
    // Time.
    {L"дн", L"|я|ей|ю|ям|ями|ях|ем", unit},
    {L"ден", L"ь", unit},
    {L"сут", L"|ки|ок|кам|ками|ках", unit},
    {L"нед", L"|еля|ели|елю|ель|елей|еле|елям|елями|елях", unit},
    {L"мес", L"|яц|яца|яцу|яцем|яце|яцы|яцев|яцам|яцами|яцах", unit},
    {L"год", noun_endings, unit},
    {L"лет", L"", unit},
    {L"час", noun_endings, unit},
    {L"ч", L"", unit},
    {L"мин", L"|ута|уты|ут|уту|утой|уте|утам|утами|утах", unit},
    {L"квартал", noun_endings, unit},
    {L"календарн", adjective_endings, unit},
    {L"рабоч", adjective_endings, unit},
    {L"банковск", adjective_endings, unit},
    {L"годов", adjective_endings, unit},  // «12 % годовых»
    {L"day", english_plural, unit},
    {L"week", english_plural, unit},
    {L"month", english_plural, unit},
    {L"year", english_plural, unit},
    {L"hour", english_plural, unit},
    {L"minute", english_plural, unit},
    {L"calendar", L"", unit}, {L"business", L"", unit}, {L"working", L"", unit}, {L"banking", L"", unit},
    // Quantity.
    {L"процент", noun_endings, unit},
    {L"шт", L"|ука|уки|ук|уку|укой|уке|укам|уками|уках", unit},
    {L"экз", L"|емпляр|емпляра|емпляров|емпляру|емпляром|емпляре|емпляры|емплярам|емплярах", unit},
    {L"ед", L"|иница|иницы|иниц|иницу|иницей|инице|иницам|иницами|иницах", unit},
    {L"percent", L"", unit},
    {L"unit", english_plural, unit},
    {L"piece", english_plural, unit},
    {L"item", english_plural, unit},
    // Before a unit.
    {L"в", L"", tail_word::preposition},
    {L"per", L"", tail_word::preposition},
    // Multipliers.
    {L"тыс", L"|яча|ячи|яч|ячу", tail_word::multiplier, 3},
    {L"млн", L"", tail_word::multiplier, 6},
    {L"миллион", L"|а|ов", tail_word::multiplier, 6},
    {L"млрд", L"", tail_word::multiplier, 9},
    {L"миллиард", L"|а|ов", tail_word::multiplier, 9},
    {L"thousand", L"", tail_word::multiplier, 3},
    {L"million", L"", tail_word::multiplier, 6},
    {L"billion", L"", tail_word::multiplier, 9},
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
    return {row->kind, row->zeros};
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

}  // namespace engine
