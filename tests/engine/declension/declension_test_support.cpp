#include "tests/engine/declension/declension_test_support.h"

#include <algorithm>
#include <map>

#include "engine/declension/decline_word.h"
#include "engine/text/utf16.h"

namespace decl_test {

using engine::letter_mask;
using engine::rule_entry;
using engine::to_utf8;

::testing::AssertionResult declines_as(engine::word_handler handler, const std::wstring& word,
                                       int c, const std::wstring& form, std::uint32_t gender,
                                       std::uint32_t animate) {
    std::uint32_t g = untouched, a = untouched;
    std::wstring got = handler ? handler(word, c, &g, &a) : engine::decline_word(word, c, &g, &a);
    if (got == form && g == gender && a == animate) return ::testing::AssertionSuccess();
    return ::testing::AssertionFailure()
           << "'" << to_utf8(word) << "' case " << c << ": got '" << to_utf8(got) << "' g" << g
           << " a" << a << ", expected '" << to_utf8(form) << "' g" << gender << " a" << animate;
}

std::wstring form_of(const std::wstring& word, int c, std::uint32_t animate) {
    std::uint32_t gender = 0;
    return engine::decline_word(word, c, &gender, &animate);
}

std::vector<engine::expr_token> modifiers(std::vector<std::wstring> words) {
    std::vector<engine::expr_token> tokens;
    for (std::wstring& word : words)
        tokens.emplace_back(std::move(word), engine::expr_kind::format_words);
    return tokens;
}

namespace {

// Filler letters in the order they are tried; the last two stand for the
// hyphen and for a character outside the alphabet.
const std::wstring k_letters = L"аоиеуыяюэёбвгджзйклмнпрстфхцчшщьъ-x";
constexpr letter_mask k_all = engine::any_present_letter | engine::no_letter_bit;

std::wstring allowed_letters(letter_mask mask) {
    std::wstring out;
    for (wchar_t c : k_letters)
        if (mask & engine::letter_bit(c)) out += c;
    return out;
}

// Words that every given entry matches, built from the entries' positions and
// conditions with varying filler letters and lengths; empty when none found.
std::vector<std::wstring> words_matching(const std::vector<const rule_entry*>& entries) {
    std::vector<letter_mask> positions;
    letter_mask first = k_all;
    std::size_t min_length = 0, max_length = 40;
    std::vector<std::wstring> contains;
    for (const rule_entry* e : entries) {
        if (positions.size() < e->positions.size() + 1)
            positions.resize(e->positions.size() + 1, k_all);
        for (std::size_t i = 0; i < e->positions.size(); ++i) positions[i] &= e->positions[i];
        if (e->after_hyphen) positions[e->positions.size()] &= engine::letter_bit(L'-');
        if (e->first_letters) first &= e->first_letters;
        min_length = std::max(min_length, e->min_length);
        max_length = std::min(max_length, e->max_length);
        contains.insert(contains.end(), e->contains.begin(), e->contains.end());
    }
    for (std::size_t i = 0; i < positions.size(); ++i) {
        if ((positions[i] & engine::no_letter_bit) == 0) min_length = std::max(min_length, i + 1);
        if ((positions[i] & engine::any_present_letter) == 0) max_length = std::min(max_length, i);
    }
    std::vector<std::wstring> words;
    for (std::size_t length = std::max<std::size_t>(min_length, 1);
         length <= max_length && length <= min_length + 8; ++length) {
        for (std::size_t variant = 0; variant < k_letters.size(); ++variant) {
            std::wstring word(length, L' ');
            bool possible = true;
            for (std::size_t i = 0; i < length && possible; ++i) {
                letter_mask mask =
                    (i < positions.size() ? positions[i] : k_all) & engine::any_present_letter;
                if (i + 1 == length) mask &= first;
                std::wstring allowed = allowed_letters(mask);
                if (allowed.empty())
                    possible = false;
                else
                    word[length - 1 - i] =
                        allowed[variant == 0 ? 0 : (variant + i) % allowed.size()];
            }
            if (!possible) break;
            for (const std::wstring& part : contains)
                if (word.find(part) == std::wstring::npos && part.size() <= length)
                    word.replace(0, part.size(), part);
            bool all = std::all_of(entries.begin(), entries.end(),
                                   [&](const rule_entry* e) { return e->matches(word); });
            if (all && std::find(words.begin(), words.end(), word) == words.end())
                words.push_back(word);
        }
    }
    return words;
}

}  // namespace

std::vector<std::string> rule_table_problems(const engine::rule_table& table) {
    std::vector<std::string> problems = table.errors();
    const auto& entries = table.entries();
    for (std::size_t e = 0; e < entries.size(); ++e) {
        std::vector<std::wstring> words = words_matching({&entries[e]});
        bool chosen = std::any_of(words.begin(), words.end(), [&](const std::wstring& w) {
            return table.find_entry(w) == int(e);
        });
        if (chosen) continue;
        std::string message = "entry '" + to_utf8(entries[e].text) + "' (row " +
                              std::to_string(entries[e].row + 1) + ") is never chosen";
        if (!words.empty()) {
            int winner = table.find_entry(words.front());
            message += ": '" + to_utf8(words.front()) + "' goes to '" +
                       (winner < 0 ? std::string("nothing") : to_utf8(entries[winner].text)) + "'";
        }
        problems.push_back(message);
    }
    std::map<int, std::vector<std::size_t>> by_rank;
    for (std::size_t e = 0; e < entries.size(); ++e) by_rank[entries[e].rank].push_back(e);
    for (const auto& [rank, group] : by_rank) {
        for (std::size_t i = 0; i < group.size(); ++i) {
            for (std::size_t j = i + 1; j < group.size(); ++j) {
                const rule_entry& a = entries[group[i]];
                const rule_entry& b = entries[group[j]];
                if (table.same_outcome(a.row, b.row)) continue;
                bool disjoint = false;
                for (std::size_t p = 0; p < std::min(a.positions.size(), b.positions.size()); ++p)
                    disjoint = disjoint || (a.positions[p] & b.positions[p]) == 0;
                std::vector<std::wstring> both =
                    disjoint ? std::vector<std::wstring>{} : words_matching({&a, &b});
                if (!both.empty())
                    problems.push_back("entries '" + to_utf8(a.text) + "' and '" + to_utf8(b.text) +
                                       "' tie on '" + to_utf8(both.front()) + "'");
            }
        }
    }
    return problems;
}

}  // namespace decl_test
