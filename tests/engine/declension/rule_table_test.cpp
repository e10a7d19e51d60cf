#include <array>

#include "engine/text/utf16.h"
#include "tests/engine/declension/declension_test_support.h"

using namespace engine;

static rule_row row(std::wstring_view entries, int outcome) { return {entries, outcome, 1, 0}; }

// Each word selects the row with that outcome; -1 for none.
template <std::size_t n>
static void expect_outcomes(const std::array<rule_row, n>& rows,
                            std::initializer_list<std::pair<const wchar_t*, int>> words) {
    rule_table table(rows);
    for (const auto& [word, outcome] : words) {
        const rule_row* found = table.find(word);
        EXPECT_EQ(found ? found->outcome : -1, outcome) << to_utf8(word);
    }
}

TEST(LetterFromEnd, PositionsBeforeTheStartReadAsNoLetter) {
    for (const auto& [word, at, letter] : {std::tuple{L"кот", 1, L'т'},
                                           {L"кот", 3, L'к'},
                                           {L"кот", 4, L'\0'},
                                           {L"кот", 0, L'\0'},
                                           {L"", 1, L'\0'}})
        EXPECT_EQ(letter_from_end(word, at), letter) << at;
    EXPECT_EQ(first_letter(L""), 0);
}

// clang-format off
TEST(RuleNotation, LettersAlternativesNotAfterAndWholeWords) {
    // The any-letter position needs a letter.
    expect_outcomes(std::array{row(L"-вар", 1), row(L"-[им]бар", 2), row(L"-·ёр, -?юр", 3)},
                    {{L"самовар", 1}, {L"самоВар", -1}, {L"цимбар", 2}, {L"мбар", 2}, {L"кабар", -1},
                     {L"монтёр", 3}, {L"монтер", -1}, {L"абажюр", 3}, {L"ёр", -1}, {L"", -1}});
    // "not after" is also met by an absent letter.
    expect_outcomes(std::array{row(L"-трап not after о", 1), row(L"-[^ое]кап", 2), row(L"-но not after в, г, д", 3)},
                    {{L"стрeтрап", 1}, {L"отрап", -1}, {L"трап", 1}, {L"кап", 2}, {L"скап", 2},
                     {L"екап", -1}, {L"равно", -1}, {L"гно", -1}, {L"кино", 3}, {L"но", 3}});
    // Whole words in every spelling.
    expect_outcomes(std::array{row(L"=костёр", 1), row(L"word бобры", 2), row(L"парник", 3), row(L"-шатёр (whole word)", 4)},
                    {{L"костёр", 1}, {L"хворостёр", -1}, {L"бобры", 2}, {L"парник", 3}, {L"напарник", -1},
                     {L"шатёр", 4}, {L"ашатёр", -1}});
}

TEST(RuleNotation, LengthFirstLetterSubstringAndHyphenConditions) {
    expect_outcomes(std::array{row(L"-абв (5 letters)", 1), row(L"-где (6+ letters)", 2),
                               row(L"-жзи (6 letters or more)", 3), row(L"-клм (at most 4 letters)", 4),
                               row(L"-ноп (4 or 6 letters)", 5)},
                    {{L"ааабв", 1}, {L"аабв", -1}, {L"аааабв", -1}, {L"ааагде", 2}, {L"аагде", -1},
                     {L"аааажзи", 3}, {L"аажзи", -1}, {L"аклм", 4}, {L"клм", 4}, {L"ааклм", -1},
                     {L"аноп", 5}, {L"аааноп", 5}, {L"ааноп", -1}});
    expect_outcomes(std::array{row(L"-овер (first letter п)", 1), row(L"-айзер (first letter not к)", 2),
                               row(L"-ктора (word begins with [дп])", 3)},
                    {{L"пловер", 1}, {L"кловер", -1}, {L"лайзер", 2}, {L"кайзер", -1}, {L"доктора", 3},
                     {L"поктора", 3}, {L"лектора", -1}});
    expect_outcomes(std::array{row(L"-ортёр (contains трансп)", 1), row(L"-ортёр (does not contain \"трансп\")", 2),
                               row(L"-уфф (after a hyphen)", 3), row(L"-тёр (contains электро; 8+ letters)", 4)},
                    {{L"транспортёр", 1}, {L"репортёр", 2}, {L"блеф-уфф", 3}, {L"блефуфф", -1},
                     {L"электромонтёр", 4}, {L"электротёр", 4}, {L"монтёр", -1}});
}
// clang-format on

TEST(RulePrecedence, LongestThenWholeWordThenConditional) {
    expect_outcomes(std::array{row(L"-атор", 1), row(L"-[кл]ьатор", 2), row(L"-ратор", 3)},
                    {{L"сенатор", 1}, {L"оператор", 3}, {L"кьатор", 2}});
    // A whole word tests one position more than its letters.
    const std::array whole = {row(L"=шатёр", 1), row(L"-·атёр", 2), row(L"-ъшатёр", 3)};
    expect_outcomes(whole, {{L"шатёр", 1}, {L"латёр", 2}});
    EXPECT_EQ(rule_table(whole).entries()[0].rank, rule_table(whole).entries()[2].rank);
    expect_outcomes(
        std::array{row(L"-ример", 1), row(L"-ример (first letter г)", 2),
                   row(L"-ример (7 letters)", 3)},
        {{L"примерр", -1}, {L"гример", 2}, {L"праймер", -1}, {L"опример", 3}, {L"оопример", 1}});
}

TEST(RuleTableCheck, SoundTablePasses) {
    const std::array rows = {row(L"-[им]бар, -ревар", 1),
                             row(L"-[ир]вар, -евар", 2),
                             row(L"-ортёр (contains трансп)", 3),
                             row(L"-ортёр (does not contain трансп)", 4),
                             row(L"=костёр, -трап not after о", 5),
                             row(L"-уфф (after a hyphen), -ер (first letter not г; 5 letters)", 6)};
    rule_table table(rows);
    EXPECT_TRUE(decl_test::rule_table_problems(table).empty())
        << testing::PrintToString(decl_test::rule_table_problems(table));
}

TEST(RuleTableCheck, FindsUnreadableShadowedAndTiedEntries) {
    const std::array unreadable = {row(L"-ар (first vowel а)", 1), row(L"-[ар", 2), row(L"-", 3)};
    EXPECT_EQ(decl_test::rule_table_problems(rule_table(unreadable)).size(), 3u);
    // A duplicated ending is never chosen, even with the same outcome.
    const std::array duplicated = {row(L"-[ие]вар", 1), row(L"-евар", 1)};
    EXPECT_EQ(decl_test::rule_table_problems(rule_table(duplicated)).size(), 1u);
    // -[ие]вар covers every word of -ивар, which says something else.
    const std::array shadowed = {row(L"-[ие]вар", 1), row(L"-ивар", 2)};
    const std::array tied = {row(L"-[ао]кар", 1), row(L"-[оу]кар", 2),
                             row(L"-ер (first letter п)", 3), row(L"-ер (5 letters)", 4)};
#ifdef NDEBUG
    auto problems = decl_test::rule_table_problems(rule_table(shadowed));
    ASSERT_EQ(problems.size(), 2u) << testing::PrintToString(problems);
    EXPECT_NE(problems[0].find("never chosen"), std::string::npos);
    EXPECT_NE(problems[1].find("tie"), std::string::npos);
    problems = decl_test::rule_table_problems(rule_table(tied));
    EXPECT_EQ(problems.size(), 2u) << testing::PrintToString(problems);
#else
    // Debug builds stop at the first tie the matcher meets.
    EXPECT_DEATH(decl_test::rule_table_problems(rule_table(shadowed)), "equal rank");
    EXPECT_DEATH(decl_test::rule_table_problems(rule_table(tied)), "equal rank");
#endif
    const std::array shadowed_by_longer = {row(L"-ар (first letter п)", 1), row(L"-·ар", 2),
                                           row(L"=ар", 3)};
    auto longer = decl_test::rule_table_problems(rule_table(shadowed_by_longer));
    ASSERT_EQ(longer.size(), 1u) << testing::PrintToString(longer);
    EXPECT_NE(longer[0].find("-ар (first letter п)"), std::string::npos);
}
