#include "engine/fields/number_field.h"

#include <array>
#include <string_view>

#include "engine/declension/counted_nouns.h"
#include "engine/declension/decline_word.h"
#include "engine/declension/number_words.h"
#include "engine/fields/currency.h"
#include "engine/fields/field_value.h"
#include "engine/fields/number_grouping.h"
#include "engine/fields/number_words_en.h"
#include "engine/fields/single_number.h"
#include "engine/text/html_escape.h"
#include "engine/text/plain_text.h"
#include "engine/text/word_key.h"

namespace engine {

namespace {

// Kinds of digit strings for the Russian words.
constexpr int whole_number = 1;
constexpr int decimal_integer = 10;
constexpr int decimal_fraction = 11;
constexpr int rubles = 14;

constexpr int accusative = 4;

enum class modifier {
    none,
    in_words,
    currency,
    currency_in_words,
    format,
    integer,
    fraction,
    figures
};

struct keyword {
    std::wstring_view key;
    modifier meaning;
    int grammatical_case;
};

constexpr std::array<keyword, 20> keywords = {{
    {L"р", modifier::none, 2},
    {L"д", modifier::none, 3},
    {L"в", modifier::none, 4},
    {L"т", modifier::none, 5},
    {L"п", modifier::none, 6},
    {L"прописью", modifier::in_words, 0},
    {L"in|words", modifier::in_words, 0},
    {L"валюта", modifier::currency, 0},
    {L"currency", modifier::currency, 0},
    {L"валюта|прописью", modifier::currency_in_words, 0},
    {L"currency|in|words", modifier::currency_in_words, 0},
    {L"формат", modifier::format, 0},
    {L"format", modifier::format, 0},
    {L"целая|часть", modifier::integer, 0},
    {L"integer", modifier::integer, 0},
    {L"дробь", modifier::fraction, 0},
    {L"дробная|часть", modifier::fraction, 0},
    {L"fraction", modifier::fraction, 0},
    {L"цифрами", modifier::figures, 0},
    {L"figures", modifier::figures, 0},
}};

struct request {
    int grammatical_case = 0;
    bool in_words = false;
    bool currency = false;
    bool currency_in_words = false;
    bool format = false;
    bool integer = false;
    bool fraction = false;
    bool figures = false;
    std::wstring counted_noun;
};

request read_modifiers(const std::vector<expr_token>& modifiers) {
    request r;
    for (const expr_token& token : modifiers) {
        const keyword* found = nullptr;
        for (const keyword& k : keywords)
            if (word_key_equals(token.text, k.key)) found = &k;
        if (!found) {
            std::wstring key = make_word_key(token.text);
            if (!key.empty()) r.counted_noun = std::move(key);
            continue;
        }
        if (found->grammatical_case != 0) r.grammatical_case = found->grammatical_case;
        switch (found->meaning) {
            case modifier::in_words: r.in_words = true; break;
            case modifier::currency: r.currency = true; break;
            case modifier::currency_in_words: r.currency_in_words = true; break;
            case modifier::format: r.format = true; break;
            case modifier::integer: r.integer = true; break;
            case modifier::fraction: r.fraction = true; break;
            case modifier::figures: r.figures = true; break;
            case modifier::none: break;
        }
    }
    return r;
}

bool russian(const number_value& number) { return number.language == 1; }

std::wstring sign_words(const number_value& number) {
    if (!number.negative) return {};
    return russian(number) ? L"минус " : L"minus ";
}

bool ends_with(const std::wstring& text, std::wstring_view tail) {
    return text.size() >= tail.size() &&
           std::wstring_view(text).substr(text.size() - tail.size()) == tail;
}

std::wstring counted_noun_text(const number_value& number, const std::wstring& key) {
    std::wstring noun = number.named_value ? number.named_value(key) : std::wstring();
    if (noun.empty()) {
        noun = key;
        for (wchar_t& c : noun)
            if (c == L'|') c = L' ';
    }
    return noun;
}

std::wstring number_in_words(const number_value& number, const request& r) {
    const std::wstring sign = sign_words(number);
    if (!russian(number)) {
        std::wstring words = number_words_en(number.integer_part, 0);
        if (!number.fraction_part.empty()) words += L" " + decimal_words_en(number.fraction_part);
        return sign + words;
    }
    // «1234,» has no fraction to write: no «целых» before nothing.
    if (number.has_separator && !number.fraction_part.empty())
        return sign +
               number_words_in_case(number.integer_part, r.grammatical_case, decimal_integer) +
               L" " +
               number_words_in_case(number.fraction_part, r.grammatical_case, decimal_fraction);
    std::wstring words =
        number_words_in_case(number.integer_part, r.grammatical_case, whole_number);
    if (!r.counted_noun.empty()) {
        std::uint32_t gender = 0;
        std::uint32_t animate = 0;
        decline_word(counted_noun_text(number, r.counted_noun), 1, &gender, &animate);
        agree_number_gender(words, gender, r.grammatical_case);
    }
    return sign + words;
}

// копейка after a count of kopecks in figures. The hundredths are a whole
// count, so no fraction form; the forms never change, so each is made once.
const std::wstring& kopecks_after(const std::wstring& hundredths, int grammatical_case) {
    static const auto forms = [] {
        std::array<std::array<std::wstring, 7>, 3> table;  // [plural class][case 0..6]
        for (int plural_class = 0; plural_class < 3; ++plural_class)
            for (int c = 0; c <= 6; ++c)
                table[std::size_t(plural_class)][std::size_t(c)] =
                    agree_counted_noun(L"копейка", plural_class, c, false);
        return table;
    }();
    return forms[std::size_t(number_plural_class(hundredths))][std::size_t(grammatical_case)];
}

std::wstring money_in_words(const number_value& number, const request& r) {
    const std::wstring sign = sign_words(number);
    if (russian(number)) {
        std::wstring words = number_words_in_case(number.money_integer, r.grammatical_case, rubles);
        if (number.has_separator) {
            words += L' ';
            words += number.money_hundredths;
            words += L' ';
            words += kopecks_after(number.money_hundredths, r.grammatical_case);
        }
        return sign.empty() ? words : sign + words;
    }
    std::wstring minor;
    std::wstring plural;
    const std::wstring singular = currency_words_en(number, minor, plural);
    // One penny, two pence; a minor unit the user named is one word for both.
    const std::wstring minor_plural = minor == L"cent"    ? L"cents"
                                      : minor == L"penny" ? L"pence"
                                                          : minor;
    std::wstring words = number_words_en(number.money_integer, 0);
    const std::wstring& unit = number.money_integer == L"1" ? singular : plural;
    if (!unit.empty()) words += L" " + unit;
    if (number.has_separator) {
        words += L" and " + number_words_en(number.money_hundredths, 1);
        const std::wstring& cents = number.money_hundredths == L"01" ? minor : minor_plural;
        if (!cents.empty()) words += L" " + cents;
    }
    return sign + words;
}

std::wstring money_in_figures(const number_value& number) {
    if (russian(number)) return group_digits_html(number) + L"&nbsp;руб.";
    return L"<span style=\"white-space:nowrap\">" + std::wstring(number.negative ? L"-" : L"") +
           currency_sign(number) + group_digits_plain(number) + L"</span>";
}

// The currency's words after a gap, in the form that reads after any
// number: «рублей», "dollars".
std::wstring currency_words_after_gap(const number_value& number, const request& r) {
    if (russian(number)) return agree_counted_noun(L"рубль", 2, r.grammatical_case, false);
    std::wstring minor;
    std::wstring plural;
    currency_words_en(number, minor, plural);
    return plural;
}

}  // namespace

std::optional<std::wstring> render_money_gap(const number_value& document_currency,
                                             const std::vector<expr_token>& modifiers) {
    const std::wstring gap(unread_number_gap);
    const request r = read_modifiers(modifiers);
    if (r.currency_in_words || (r.currency && r.in_words)) {
        const std::wstring words = currency_words_after_gap(document_currency, r);
        return words.empty() ? gap : gap + L" " + words;
    }
    if (!r.currency || r.grammatical_case != 0 || r.format) return std::nullopt;
    if (russian(document_currency)) return gap + L"&nbsp;руб.";
    const std::wstring sign = currency_sign(document_currency);
    if (!sign.empty()) return sign + gap;
    // A currency of the user's own has no sign: its code follows.
    const std::wstring code = escape_field_value(trimmed(other_currency_code(document_currency)));
    return code.empty() ? gap : gap + L"&nbsp;" + code;
}

std::wstring render_unread_number(const number_value& document_currency,
                                  const std::vector<expr_token>& modifiers) {
    std::optional<std::wstring> money = render_money_gap(document_currency, modifiers);
    return money ? std::move(*money) : std::wstring(unread_number_gap);
}

std::vector<std::wstring_view> number_field_keywords() {
    std::vector<std::wstring_view> keys;
    for (const keyword& k : keywords) keys.push_back(k.key);
    return keys;
}

std::wstring render_number_field(const number_value& number,
                                 const std::vector<expr_token>& modifiers) {
    if (modifiers.empty()) return number.text;
    const request r = read_modifiers(modifiers);
    if (r.currency_in_words || (r.currency && r.in_words)) return money_in_words(number, r);
    if (r.grammatical_case != 0 || r.in_words) return number_in_words(number, r);
    if (r.format) return group_digits_html(number);
    if (r.currency) return money_in_figures(number);
    if (r.integer) return (number.negative ? L"-" : L"") + number.integer_part;
    if (r.fraction) return number.fraction_part;
    // Before the template's own noun: «3 месяца» gives «3».
    if (r.figures)
        return number.reading ? figures_as_typed(number.text, number.language, *number.reading)
                              : figures_as_typed(number.text, number.language, number.unit);
    return number.text;
}

void agree_number_gender(std::wstring& words, std::uint32_t gender, int grammatical_case) {
    struct ending {
        std::uint32_t gender;
        std::wstring_view from;
        std::wstring_view to;
    };
    // clang-format off
    constexpr std::array<ending, 7> endings = {{
        {2, L"дин", L"дна"},
        {2, L"ого", L"ой"},
        {2, L"ому", L"ой"},
        {2, L"ним", L"ной"},
        {2, L"ном", L"ной"},
        {2, L"два", L"две"},
        {3, L"дин", L"дно"},
    }};
    // clang-format on
    for (const ending& e : endings) {
        if (e.gender != gender || !ends_with(words, e.from)) continue;
        std::wstring_view to = e.to;
        if (gender == 2 && e.from == L"дин" && grammatical_case == accusative) to = L"дну";
        words.replace(words.size() - e.from.size(), e.from.size(), to);
        return;
    }
}

}  // namespace engine
