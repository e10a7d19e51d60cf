// Dictionary rows of the word handlers and the matcher that picks one row for
// a word.
//
// A handler keeps its dictionary as a constexpr array of rule_row, in the
// order and spelling of the dictionary it was copied from, and builds one
// rule_table from it on first use (a function-local static). The table holds
// copies of the parsed entries; the rows must outlive it.
//
// Entry notation (other handlers rely on it: add to it, never change it).
// A row's `entries` lists entries separated by commas. Letters are counted
// from the end of the word, the final letter included, and compare exactly as
// code points (е and ё differ).
//   -вар          the word ends in these letters
//   =костёр       the whole word (fixes the length); also "word костёр",
//                 "the whole word костёр" and a bare "костёр"
//   [аб]          one of these letters at that position
//   [^аб]         any letter but these, or no letter at all (the word is too
//                 short to have one there)
//   · or ?        any letter, which must be present
//   # in a set     any character that is not a lower-case Cyrillic letter
//                 or the hyphen (a capital, a Latin letter, a digit): -[ё-#]то
//   -трап not after о     the same as -[^о]трап; "not after д, п, р" lists
//                 several letters
// Conditions follow the ending in parentheses; several are separated by ";"
// inside one pair of parentheses or given in several pairs:
//   (6 letters)  (6+ letters)  (6 letters or more)  (at most 6 letters)
//   (5 or 6 letters)  (word of nine or more letters)  (longer than сорок)
//                              the word's length: exact, minimum, maximum, set
//   (first letter п)  (first letter [дп])  (first letter not л)
//   (word begins with д)  (word beginning with з)  (word does not begin with л)
//                              the first letter is, or is not, in a set
//   (contains трансп)  (does not contain трансп)   a substring anywhere
//   (after a hyphen)           "-" stands right before the ending
//   (whole word)  (any other length)  (word beginning with any other letter)
//                 spellings the dictionaries use; the first fixes the length,
//                 the others add nothing
//
// Choice: every matching entry is a candidate and the highest rank wins. The
// rank counts the positions an entry tests ([^…] and the empty position in
// front of a whole word included), so the longest ending wins and a whole
// word counts one letter longer; at equal length an entry with a condition
// beats one without. Two entries of equal rank that both match and lead to
// different outcomes are a data error: debug builds assert, and the tests'
// structural check finds them.
//
// Immutable after construction; safe to share between threads.
#pragma once

#include <cstddef>
#include <cstdint>
#include <span>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

namespace engine {

// The letter k places from the end of the word (1 is the final letter), or 0
// when the word has no letter there. Every handler reads letters through this.
inline wchar_t letter_from_end(std::wstring_view word, std::size_t k) {
    return (k >= 1 && k <= word.size()) ? word[word.size() - k] : wchar_t(0);
}

// The word's first letter, or 0 for an empty word.
inline wchar_t first_letter(std::wstring_view word) {
    return word.empty() ? wchar_t(0) : word.front();
}

// Values of rule_row::gender and rule_row::animacy besides the codes
// themselves.
inline constexpr std::int8_t not_stored = -1;
// Animacy only: the row reads the animacy the caller supplies (the noun an
// adjective agrees with), hands it to its paradigm and stores none.
inline constexpr std::int8_t from_input = -2;

// Values of rule_row::outcome: 1 ... 177 name a paradigm; keep_word returns the
// word unchanged (the row still stores); own_outcome + i declines by entry i
// of the handler's own forms; special_outcome + i is the handler's own
// procedure i.
inline constexpr int keep_word = 0;
inline constexpr int own_outcome = 1000;
inline constexpr int special_outcome = 2000;

struct rule_row {
    std::wstring_view entries;
    int outcome;
    std::int8_t gender;   // 0 ... 4 or not_stored
    std::int8_t animacy;  // 0, 1, not_stored or from_input
};

// Each position or first-letter test is a set of letter classes, one bit each:
// а ... я (0-31), ё (32), the hyphen (33), any other character (34) and
// "no letter" (35).
using letter_mask = std::uint64_t;
inline constexpr int letter_classes = 36;
int letter_class(wchar_t letter);  // 0 (no letter) has a class of its own
inline letter_mask letter_bit(wchar_t letter) { return letter_mask(1) << letter_class(letter); }
inline constexpr letter_mask any_present_letter = (letter_mask(1) << 35) - 1;
inline constexpr letter_mask no_letter_bit = letter_mask(1) << 35;

// One parsed entry. Exposed read-only for the structural checks of the tests.
struct rule_entry {
    std::wstring text;  // as written, for messages
    int row = -1;       // index into the rows
    int rank = 0;
    std::vector<letter_mask> positions;  // [0] is the final letter
    std::size_t min_length = 0;
    std::size_t max_length = SIZE_MAX;
    std::uint64_t length_set = 0;   // bit n: length n allowed; 0 = any length
    letter_mask first_letters = 0;  // 0 = no condition
    std::vector<std::wstring> contains;
    std::vector<std::wstring> lacks;
    bool after_hyphen = false;
    bool conditional = false;

    bool matches(std::wstring_view word) const;
};

class rule_table {
public:
    explicit rule_table(std::span<const rule_row> rows);

    // The winning row for the word, or null when no entry matches.
    const rule_row* find(std::wstring_view word) const;
    // The index of the winning entry, or -1.
    int find_entry(std::wstring_view word) const;

    std::span<const rule_row> rows() const { return rows_; }
    const std::vector<rule_entry>& entries() const { return entries_; }
    // One message per entry that could not be read; such entries are left out.
    const std::vector<std::string>& errors() const { return errors_; }
    // Whether two rows lead to the same result (outcome and both stores).
    bool same_outcome(int row_a, int row_b) const;

private:
    std::span<const rule_row> rows_;
    std::vector<rule_entry> entries_;
    std::vector<std::string> errors_;
    // Candidate entries by the classes of the word's last three letters,
    // highest rank first, so a search never looks at entries for other
    // endings however large the table grows.
    std::unordered_map<std::uint32_t, std::vector<int>> buckets_;
};

}  // namespace engine
