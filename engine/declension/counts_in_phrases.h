// Counts inside a phrase: typed digits or number words and the words they
// count («5 дней», «две новые книги», «1,5 тысячи рублей», «одна тысяча
// рублей»). The counted words decline as after that number; after digits,
// words whose form the counted-noun rule cannot give stay as typed.
//
// Any thread; reads only its arguments.
#pragma once

#include <string>
#include <vector>

#include "engine/declension/phrase.h"

namespace engine {

enum class count_role {
    none,         // no count, or declined as usual (the words after один or 1)
    number_word,  // a typed number word before the words it counts
    plural,  // after two and more: the plural of the case («двум рабочим дням»)
    // after a decimal, whole thousands or a cut-off unit, and after digits
    // where the plural of the case is not known: as typed
    as_typed,
    // the digits' own number in words, in brackets after them («30
    // (тридцать) дней»): the form of the whole number in the case
    spelled,
};

struct count_mark {
    count_role role = count_role::none;
    bool noun = false;  // the counted noun, or a unit: declining stops after it
    std::wstring form;  // of a spelled word
};

// Whether token i is digits or a number word: a count may start there.
bool starts_count(const phrase_tokens& tokens, std::size_t i);

// Marks the count starting at token i and the words it counts, for the
// phrase declined into case 1..6, in `marks` (one a token); returns the
// index of the last token of the count and its words. Counts are marked as
// declining reaches them: a phrase with no digit and no number word reads no
// count.
std::size_t mark_count(const phrase_tokens& tokens, std::size_t i, int grammatical_case,
                       std::vector<count_mark>& marks);

// Whether `word` is один, одна or одно.
bool is_one_word(const std::wstring& word);

// один, одна or одно in a case, agreeing in the accusative with the
// animacy of its noun (один договор, одного сотрудника).
std::wstring one_word_in_case(const std::wstring& word, int grammatical_case, bool animate);

}  // namespace engine
