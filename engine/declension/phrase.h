// Declension of a free Russian phrase: a job title, a contract subject, an
// organisation or a person's name.
//
// decline_phrase declines the leading words up to the head noun, keeps typed
// digits (a phrase that is one number alone is spelled out), sends
// capitalised surname-like words to the name code and copies everything else
// as typed; each declined word keeps the letter case it was typed in. Values
// arrive HTML-escaped, so an entity reference ("&lt;") passes through whole.
//
// Any thread; nothing is kept between calls.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace engine {

namespace phrase_kind {
constexpr int separator = 1;        // " " or "/", and the sign-free joint of a merged amount
constexpr int dash = 2;             // "-"
constexpr int line_break = 3;       // "<br />"
constexpr int point = 4;            // "." or ","
constexpr int quote = 5;            // ", « or »
constexpr int word = 6;             // lower-case letters
constexpr int overflow_marker = 7;  // red marker for digits beyond the 21st
constexpr int sign = 8;             // "$" or "?"
constexpr int whole_number = 9;
constexpr int decimal_integer = 10;
constexpr int decimal_fraction = 11;
constexpr int rubles = 14;
constexpr int kopecks = 15;
constexpr int literal = 16;  // any other character, or an entity reference: copied as typed
}  // namespace phrase_kind

// Letter classes of a word token.
namespace word_class {
constexpr int lower_or_mixed = 0;
constexpr int capitalised = 1;
constexpr int capitals = 2;
}  // namespace word_class

// Index for index: a token's text (words lowered), its kind, its letter class
// and the text as typed (a merged joint keeps its "." or "," there).
struct phrase_tokens {
    std::vector<std::wstring> texts;
    std::vector<int> kinds;
    std::vector<int> classes;
    std::vector<std::wstring> typed;

    std::size_t size() const { return kinds.size(); }
    void push(std::wstring text, int kind, int letter_class, std::wstring as_typed);
};

// Lowers `word` in place and returns its letter class: 2 when it has two or
// more characters, all Cyrillic capitals; 1 when it starts with one; else 0.
int fold_case_ru(std::wstring& word);

phrase_tokens tokenize_phrase(std::wstring text);

// Joins decimals (12,5) and money amounts (12.50?) into their number kinds.
void merge_number_tokens(phrase_tokens& tokens);

// The phrase in case 1..6.
std::wstring decline_phrase(std::wstring text, int grammatical_case);

// The declined lower-case `form` in the letter case of `typed`: each shared
// position takes the case of the typed letter, added letters the case of the
// last typed letter; a form equal to the lowered typed word (ё read as е) is
// `typed` itself.
std::wstring restore_letter_case(const std::wstring& typed, std::wstring form);
// The same, appended to `out`.
void append_in_letter_case(std::wstring& out, std::wstring_view typed, std::wstring_view form);

}  // namespace engine
