#include "engine/declension/paradigms.h"

#include <gtest/gtest.h>

#include <array>
#include <map>

#include "engine/text/plain_text.h"

using namespace engine;

// A stem long enough for every cut, without ё.
static const std::wstring k_word = L"абвгдж";

static std::size_t cut_of(int n) { return k_word.size() - apply_paradigm(n, k_word, 0).size(); }

// Cuts are spread as tabled; a case outside one to six returns the cut word,
// short words keep their letters, and where the nominative appends an ending
// to the cut word, stem plus ending gives the word back.
TEST(Paradigms, CutsAndNominativeEndingsOfEveryParadigm) {
    std::map<std::size_t, int> counts;
    for (int n = 1; n <= paradigm_count; ++n) {
        ++counts[cut_of(n)];
        std::wstring cut = k_word.substr(0, k_word.size() - cut_of(n)),
                     ending = apply_paradigm(n, L"", 1);
        for (int c : {0, 7, -1, 100})
            EXPECT_EQ(apply_paradigm(n, k_word, c), cut) << "paradigm " << n << " case " << c;
        EXPECT_EQ(apply_paradigm(n, L"ш", 0), cut_of(n) == 1 ? L"" : L"ш") << "paradigm " << n;
        if (apply_paradigm(n, k_word, 1) != cut + ending) continue;
        EXPECT_EQ(ending.size(), cut_of(n)) << "paradigm " << n;
        EXPECT_EQ(apply_paradigm(n, L"стол" + ending, 1), L"стол" + ending) << "paradigm " << n;
    }
    EXPECT_EQ(counts, (std::map<std::size_t, int>{{0, 27}, {1, 66}, {2, 70}, {3, 14}}));
    EXPECT_EQ(paradigm_009(L"шш", 1), L"шшьбы");
    EXPECT_EQ(paradigm_002(L"", 5), L"ой");
    EXPECT_EQ(paradigm_009(L"", 2), L"еб");
}

// The uncut nominative of 050, only the first ё of 141 turned into е, and
// whole-word forms that ignore the word but not an out-of-range case.
TEST(Paradigms, RealWordsYoAndWholeWordForms) {
    const wchar_t* forms[] = {L"сестры", L"сестер", L"сестрам", L"сестер", L"сестрами", L"сестрах"};
    for (int c = 1; c <= 6; ++c) EXPECT_EQ(paradigm_141(L"сёстры", c), forms[c - 1]);
    // clang-format off
    const struct { int n; const wchar_t* word; int c; const wchar_t* form; } cases[] = {
        {2, L"вода", 4, L"воду"}, {1, L"пейзаж", 5, L"пейзажем"}, {177, L"двери", 5, L"дверями"},
        {178, L"слово", 2, L"слово"}, {50, L"учитель", 1, L"учитель"}, {50, L"учитель", 2, L"учителя"},
        {50, L"учитель", 0, L"учител"}, {141, L"сёстры", 0, L"сест"}, {141, L"ёжёры", 2, L"ежёер"},
        {63, L"сёстра", 2, L"сёстер"}, {163, L"что-нибудь", 2, L"кого"}, {163, L"кто", 0, L"кто"},
        {98, L"пятьсот", 2, L"пятисот"}, {41, L"годы", 2, L"лет"},
    };
    // clang-format on
    for (const auto& one : cases)
        EXPECT_EQ(apply_paradigm(one.n, one.word, one.c), one.form) << one.n;
}

TEST(Paradigms, AnimacyFlagMakesTheAccusativeTheGenitiveOnlyWhereTaken) {
    using flagged = std::wstring (*)(std::wstring, int, std::uint32_t);
    // clang-format off
    const std::array<std::pair<int, flagged>, 9> nine = {{
        {73, paradigm_073}, {74, paradigm_074}, {75, paradigm_075}, {76, paradigm_076}, {77, paradigm_077},
        {78, paradigm_078}, {116, paradigm_116}, {117, paradigm_117}, {119, paradigm_119}}};
    // clang-format on
    int taking = 0;
    for (int n = 1; n <= paradigm_count; ++n) taking += paradigm_takes_animacy(n) ? 1 : 0;
    EXPECT_EQ(taking, 9);
    for (const auto& [n, paradigm] : nine) {
        EXPECT_TRUE(paradigm_takes_animacy(n)) << n;
        for (int c = 0; c <= 7; ++c)
            EXPECT_EQ(paradigm(k_word, c, 0), apply_paradigm(n, k_word, c)) << n;
        EXPECT_EQ(paradigm(k_word, 4, 1), paradigm(k_word, 2, 0)) << n;
        EXPECT_EQ(paradigm(k_word, 5, 1), paradigm(k_word, 5, 0)) << n;
    }
    EXPECT_EQ(paradigm_076(L"новый", 4), L"новый");
    EXPECT_EQ(paradigm_076(L"новый", 4, 1), L"нового");
    EXPECT_EQ(apply_paradigm(1, L"стол", 4, 1), L"стол");
}

TEST(WordUtilities, TrimAndTailAndYo) {
    std::wstring number = L"2500", padded = L" \t\r\nслово слово\n ", kept = L"\u00a0слово",
                 yo = L"Ёлка ёжика ёж";
    EXPECT_EQ(trim_trailing_zeros(number), L"25");
    EXPECT_EQ(trim_blanks(padded), L"слово слово");
    EXPECT_EQ(trim_blanks(kept), L"\u00a0слово");
    EXPECT_EQ(tail_chars(L"иванов", 2), L"ов");
    EXPECT_EQ(tail_chars(L"иванов", 7), L"");
    EXPECT_EQ(replace_yo(yo), L"Ёлка ежика ёж");
}
