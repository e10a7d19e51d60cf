// STAND-INS for the Russian declension routines that are not built yet.
//
// The renderers call these by their final names and signatures. Until the
// declension work lands, a word or phrase comes back unchanged, numbers in
// words come back as their digits and every count takes the plural class 2.
// Each goes when its real routine lands: delete it here and include the real
// header in its callers.
#pragma once

#include <string>

namespace engine {

// Digits in Russian words in a case (1-6; 0 acts as 1). Kind 10 integer part
// and 11 fraction part of a decimal, 14 rubles, 15 kopecks; any other kind is
// a plain whole number.
std::wstring number_words_in_case(std::wstring digits, int grammatical_case, int kind);

// A free phrase put into a case.
std::wstring decline_phrase(std::wstring text, int grammatical_case);

// 0 for a count ending in 1 (not 11), 1 for 2-4 (not 12-14), 2 otherwise.
int number_plural_class(std::wstring number_text);

// A noun, with the words before it, in the form for a count's plural class
// and a case.
std::wstring agree_counted_noun(std::wstring noun, int plural_class, int grammatical_case,
                                bool fraction);

}  // namespace engine
