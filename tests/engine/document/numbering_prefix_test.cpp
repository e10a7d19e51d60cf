#include <gtest/gtest.h>

#include <vector>

#include "engine/document/numbering.h"

using namespace engine;

namespace {

// The prefixes of a run of units of `kinds`, from fresh counters.
std::wstring prefixes(const std::vector<int>& kinds, int language) {
    numbering_counter_set counters{};
    std::wstring out;
    for (int k : kinds) out += numbering_prefix(k, counters, language) + L" ";
    return out;
}

}  // namespace

TEST(NumberingPrefix, KindsCountersAndLanguages) {
    struct row {
        std::vector<int> kinds;
        int language;
        const wchar_t* expected;
    };
    const row rows[] = {
        {{1, 2, 1, 2, 3}, 0, L"1.&nbsp; 1.1.&nbsp; 2.&nbsp; 2.1.&nbsp; 2.1.1.&nbsp; "},
        {{3}, 0, L"1.1.1.&nbsp; "},
        {{0, 13, 18}, 0, L" -&nbsp; -&nbsp; "},
        // Restarts, and the thousand flag.
        {{1, 1, 101, 1}, 0, L"1.&nbsp; 2.&nbsp; 1.&nbsp; 2.&nbsp; "},
        {{1005, 1, 1101}, 0, L"I.&nbsp; 1.&nbsp; 1.&nbsp; "},
        // Lower roman numerals share a counter.
        {{6, 7, 8}, 0, L"i.&nbsp; ii)&nbsp; (iii)&nbsp; "},
        {{6, 4, 6}, 0, L"i.&nbsp; 1)&nbsp; i.&nbsp; "},
        // Letters follow the document language.
        {{10, 10, 11}, 0, L"a.&nbsp; b.&nbsp; c)&nbsp; "},
        {{10, 10, 11}, 1, L"а.&nbsp; б.&nbsp; в)&nbsp; "},
        {{9, 9}, 1, L"А.&nbsp; Б.&nbsp; "},
        {{19, 20}, 0, L"а.&nbsp; б)&nbsp; "},
        // Kind twelve counts only in Russian.
        {{12, 10}, 0, L"&nbsp; a.&nbsp; "},
        {{12, 12}, 1, L"(а)&nbsp; (б)&nbsp; "},
        {{14, 16, 15, 17}, 0, L"1&nbsp; 2&nbsp; 1&nbsp; 2&nbsp; "},
        {{21, 99, 1}, 0, L"&nbsp; &nbsp; 1.&nbsp; "},
    };
    for (const row& r : rows) EXPECT_EQ(prefixes(r.kinds, r.language), r.expected) << r.expected;
}

TEST(NumberingPrefix, RomanNumeralsStopAtThirtyAndLettersRunOnPastTheAlphabet) {
    numbering_counter_set romans{}, letters{};
    std::wstring roman, letter;
    for (int i = 0; i < 31; ++i) roman = numbering_prefix(5, romans, 0);
    for (int i = 0; i < 27; ++i) letter = numbering_prefix(10, letters, 0);
    EXPECT_EQ(roman, L"XXX.&nbsp;");
    EXPECT_EQ(letter, L"{.&nbsp;");
}
