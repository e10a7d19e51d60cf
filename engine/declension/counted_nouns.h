// Nouns counted by a number: 1 день, 2 дня, 5 дней, двум дням.
//
// number_plural_class reduces a number text to the class that picks the
// noun's form; agree_counted_noun puts a noun, with the words before it, into
// that form and a case. Both are pure apart from the declension they ask
// for; any thread, like decline_word.
#pragma once

#include <string>

namespace engine {

// 0 when the integer part ends in 1 but not 11, 1 when it ends in 2-4 but
// not 12-14, 2 otherwise (an empty text too). The integer part is what stands
// before the last "." (else the last ","); text after its last digit, such as
// " шт", is skipped.
int number_plural_class(std::wstring number_text);

// True when the integer part ends in 000 after a digit that is not 0 (1000,
// 25 000): тысяча, миллион … then count the noun, which takes the genitive
// plural in every case («одной тысячей дней»).
bool counted_by_scale_word(const std::wstring& number_text);

// The noun text (the last word is the noun, the words before it its head) in
// the form for a plural class and a case (0 or 1 nominative ... 6; anything
// else acts as 1). With `fraction` set, the count is a decimal and the noun
// and the words before it take the genitive singular whatever the class and
// the case.
std::wstring agree_counted_noun(std::wstring noun, int plural_class, int grammatical_case,
                                bool fraction);

// A noun typed after полтора or полтораста in the form the nominative asks
// for (месяца, тысячи; рублей), put into the plural of case 2, 3, 5 or 6 as
// after any number (полутора месяцев, полутораста рублям). A form that leads
// back to no noun is declined as it stands.
std::wstring counted_noun_in_oblique_case(const std::wstring& typed, int grammatical_case);

// A plural adjective typed between a count and its noun (рабочих, новые)
// in the plural of case 2, 3, 5 or 6 (рабочим, новыми); any other case
// leaves it as typed.
std::wstring counted_adjective_in_oblique_case(const std::wstring& typed, int grammatical_case);

}  // namespace engine
