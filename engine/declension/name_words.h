// Words of persons' names: which ones are surnames, and how a surname or a
// first name declines.
//
// Surnames decline unlike common nouns (Иванов takes "ым" in the
// instrumental, Иванова declines like an adjective, Черных never changes), so
// they are settled here by their endings, never by the word handlers. Both
// functions read only the word; any thread.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

namespace engine {

namespace name_code {
constexpr std::uint32_t none = 0;      // no surname ending, or a listed first name
constexpr std::uint32_t surname = 1;   // masculine surname; any surname for the person renderer
constexpr std::uint32_t feminine = 2;  // feminine surname
constexpr std::uint32_t plural = 38;   // Ивановы
constexpr std::uint32_t adjectival_plural = 39;  // Толстые
constexpr std::uint32_t lyubov = 45;             // the first name любовь
}  // namespace name_code

// The name code of a lower-case word, by its ending. The first-name lists are
// searched as text, so a fragment of a listed name counts as listed.
int classify_name_word(std::wstring word);

// Whether a lower-case word, ё written е, is a first name the name lists
// hold: those with a surname's ending (Мартин, Савелий) and men's names the
// word rules read as things (Томас, Богдан).
bool is_listed_first_name(std::wstring_view word);

// Whether a lower-case word is a man's first name the word rules take for a
// woman's (Михаэль, Даниэль: feminine like модель).
bool is_listed_mans_first_name(std::wstring_view word);

// Whether a lower-case word is a foreign woman's first name the word rules
// read as a man's or as none (Мэри, Натали, Джейн, Николь).
bool is_listed_womans_first_name(std::wstring_view word);

// Declines `word` in place into case 1..6 by its ending and name code, and
// returns it. A word too short for its rule, or of no known ending, comes
// back unchanged; a case outside 1..6 gives the stem without an ending.
std::wstring& decline_person_name(std::wstring& word, std::uint32_t grammatical_case,
                                  std::uint32_t code);

// Who bears a name: a few endings decline one way for a man and another for
// a woman (Щербина, Смит), and some not at all for one of them.
enum class bearer { unknown, man, woman };

// One part of a person's surname, lower case, declined in place into case
// 1..6 for its bearer. A woman's surname in a consonant, "ь" or "й" does not
// decline; a man's in -ова, -ина and the like declines like Анна.
std::wstring& decline_surname(std::wstring& word, std::uint32_t grammatical_case, bearer who);

// Whether the first part of a double surname stays as typed (Бонч-Бруевич,
// Тер-Петросян): lower case.
bool is_fixed_surname_prefix(std::wstring_view part);

// A first name of lower-case Russian letters, declined in place into case
// 2..6 by its ending and its bearer; any other case leaves it as it is.
std::wstring& decline_first_name(std::wstring& word, std::uint32_t grammatical_case, bearer who);

// A patronymic in -ич or -на, lower case, declined in place into case 2..6
// (any other case leaves it). False, and the word untouched, for any other
// ending.
bool decline_patronymic(std::wstring& word, std::uint32_t grammatical_case);

}  // namespace engine
