// A number field as a template asks for it with modifier words: in words
// (Russian in six cases, agreeing in gender with a counted noun), as money in
// figures or in words, grouped, as its integer or fraction part, or as the
// figures typed without the words after them.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "engine/fields/expr_token.h"
#include "engine/fields/number_value.h"

namespace engine {

// The language is the one the number was read in (`number.language`). The
// first of these that the modifiers ask for wins: money in words, number in
// words, grouped digits, money in figures, integer part, fraction part, the
// figures as typed («3 месяца» gives «3»). With no modifiers, or only a
// counted noun, the text as typed.
std::wstring render_number_field(const number_value& number,
                                 const std::vector<expr_token>& modifiers);

// What the same modifiers print for a number field's text that is a term the
// program cannot read: the gap ______, with the document's currency in a
// money form («______ руб.», "$______", «______ рублей», "______ dollars";
// for a currency of the user's own, "______ CHF" with the code typed for it,
// or the gap alone). `document_currency` gives the language and the
// document's currency.
std::wstring render_unread_number(const number_value& document_currency,
                                  const std::vector<expr_token>& modifiers);

// The same gap when the modifiers ask for money; none for any other form.
std::optional<std::wstring> render_money_gap(const number_value& document_currency,
                                             const std::vector<expr_token>& modifiers);

// Every modifier word with a meaning of its own (case letters included), as
// word keys; any other word names a counted noun.
std::vector<std::wstring_view> number_field_keywords();

// Puts the last word of Russian number words into the gender of the counted
// noun (2 feminine, 3 neuter; other genders change nothing): двадцать одна,
// in the accusative (case 4) двадцать одну, две, одно.
void agree_number_gender(std::wstring& words, std::uint32_t gender, int grammatical_case);

}  // namespace engine
