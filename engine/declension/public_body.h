// A state, municipal or public body named without a legal form («Администрация
// города Тулы», «Федеральная налоговая служба», «Школа 2000», «Межрайонная
// ИФНС России № 1»): the noun that says what kind of body it is, or the
// abbreviation that stands for that noun, with the adjectives before it, opens
// the name and gives the party its gender. Only the noun and its adjectives
// decline; an abbreviation stays as typed, and the rest («города Тулы»,
// «России № 1») is already in the case the name needs.
//
// Any thread; the lists are constant.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

namespace engine {

struct public_body_head {
    // Where what declines ends in the name: the noun, or the adjectives alone
    // before an abbreviation (0 when none stands before it).
    std::size_t length = 0;
    // The noun's gender: 1 masculine, 2 feminine, 3 neuter; 0 when the name
    // opens with no body.
    std::uint32_t gender = 0;
    // The body is named by an abbreviation (ИФНС, ГУ МВД) or a ministry
    // written short (Минфин, Минобороны), never declined as a phrase.
    bool abbreviation = false;
    // Where a ministry written short in the nominative (Минфин) ends: it
    // declines as its noun (decline_short_ministry); 0 for any other body.
    std::size_t ministry_end = 0;
};

// The body's noun of the list (Администрация, Министерство, Управление,
// Отдел, Комиссия, Фонд, Банк, Совет, Школа, Суд, Округ, Область, Росреестр
// and the like) in any letter case, or an abbreviation of the list (ИФНС, УФНС,
// ОМВД, МФЦ, ГУ МЧС and the like) in capitals as a whole word with no hyphen
// after it, as the first word of `name` or after adjectives only («Арбитражный
// суд», «Федеральная налоговая служба», «Межрайонная ИФНС»).
public_body_head find_public_body(std::wstring_view name);

// Whether a lower-case word reads as an adjective before its noun, in any
// gender («федеральная», «главное», «северо-западное»).
bool is_adjective(std::wstring_view word);

// A ministry written short in the nominative (Минфин, Минстрой) in a case
// 1..6, as its noun declines: Минфину, Минстроем.
std::wstring decline_short_ministry(std::wstring_view word, int grammatical_case);

}  // namespace engine
