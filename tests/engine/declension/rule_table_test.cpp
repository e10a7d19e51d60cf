#include <gtest/gtest.h>

#include <array>
#include <string>

#include "engine/declension/rule_table.h"
#include "tests/engine/declension/declension_test_support.h"

using namespace engine;

namespace {

// The outcome of the row a word selects; -1 for none.
int outcome_of(const rule_table& table, const std::wstring& word) {
    const rule_row* row = table.find(word);
    return row ? row->outcome : -1;
}

rule_row row(std::wstring_view entries, int outcome) { return {entries, outcome, 1, 0}; }

}  // namespace

TEST(LetterFromEnd, PositionsBeforeTheStartReadAsNoLetter) {
    EXPECT_EQ(letter_from_end(L"кот", 1), L'т');
    EXPECT_EQ(letter_from_end(L"кот", 3), L'к');
    EXPECT_EQ(letter_from_end(L"кот", 4), 0);
    EXPECT_EQ(letter_from_end(L"кот", 0), 0);
    EXPECT_EQ(letter_from_end(L"", 1), 0);
    EXPECT_EQ(first_letter(L""), 0);
    EXPECT_EQ(first_letter(L"кот"), L'к');
}

TEST(RuleNotation, LettersAlternativesAndAnyLetter) {
    const std::array rows = {row(L"-вар", 1), row(L"-[им]бар", 2), row(L"-·ёр, -?юр", 3)};
    rule_table table(rows);
    EXPECT_EQ(outcome_of(table, L"самовар"), 1);
    EXPECT_EQ(outcome_of(table, L"самоВар"), -1);
    EXPECT_EQ(outcome_of(table, L"цимбар"), 2);
    EXPECT_EQ(outcome_of(table, L"мбар"), 2);
    EXPECT_EQ(outcome_of(table, L"кабар"), -1);
    EXPECT_EQ(outcome_of(table, L"монтёр"), 3);
    EXPECT_EQ(outcome_of(table, L"монтер"), -1);
    EXPECT_EQ(outcome_of(table, L"абажюр"), 3);
    EXPECT_EQ(outcome_of(table, L"ёр"), -1);  // the any-letter position needs a letter
    EXPECT_EQ(outcome_of(table, L""), -1);
}

TEST(RuleNotation, NotAfterIsAlsoMetByAnAbsentLetter) {
    const std::array rows = {row(L"-трап not after о", 1), row(L"-[^ое]кап", 2), row(L"-но not after в, г, д", 3)};
    rule_table table(rows);
    EXPECT_EQ(outcome_of(table, L"стрeтрап"), 1);
    EXPECT_EQ(outcome_of(table, L"отрап"), -1);
    EXPECT_EQ(outcome_of(table, L"трап"), 1);
    EXPECT_EQ(outcome_of(table, L"кап"), 2);
    EXPECT_EQ(outcome_of(table, L"скап"), 2);
    EXPECT_EQ(outcome_of(table, L"екап"), -1);
    EXPECT_EQ(outcome_of(table, L"равно"), -1);
    EXPECT_EQ(outcome_of(table, L"гно"), -1);
    EXPECT_EQ(outcome_of(table, L"кино"), 3);
    EXPECT_EQ(outcome_of(table, L"но"), 3);
}

TEST(RuleNotation, WholeWordsInEverySpelling) {
    const std::array rows = {row(L"=костёр", 1), row(L"word бобры", 2), row(L"парник", 3),
                             row(L"-шатёр (whole word)", 4)};
    rule_table table(rows);
    EXPECT_EQ(outcome_of(table, L"костёр"), 1);
    EXPECT_EQ(outcome_of(table, L"хворостёр"), -1);
    EXPECT_EQ(outcome_of(table, L"бобры"), 2);
    EXPECT_EQ(outcome_of(table, L"парник"), 3);
    EXPECT_EQ(outcome_of(table, L"напарник"), -1);
    EXPECT_EQ(outcome_of(table, L"шатёр"), 4);
    EXPECT_EQ(outcome_of(table, L"ашатёр"), -1);
}

TEST(RuleNotation, LengthConditions) {
    const std::array rows = {row(L"-абв (5 letters)", 1), row(L"-где (6+ letters)", 2),
                             row(L"-жзи (6 letters or more)", 3), row(L"-клм (at most 4 letters)", 4),
                             row(L"-ноп (4 or 6 letters)", 5)};
    rule_table table(rows);
    EXPECT_EQ(outcome_of(table, L"ааабв"), 1);
    EXPECT_EQ(outcome_of(table, L"аабв"), -1);
    EXPECT_EQ(outcome_of(table, L"аааабв"), -1);
    EXPECT_EQ(outcome_of(table, L"ааагде"), 2);
    EXPECT_EQ(outcome_of(table, L"аагде"), -1);
    EXPECT_EQ(outcome_of(table, L"аааажзи"), 3);
    EXPECT_EQ(outcome_of(table, L"аажзи"), -1);
    EXPECT_EQ(outcome_of(table, L"аклм"), 4);
    EXPECT_EQ(outcome_of(table, L"клм"), 4);
    EXPECT_EQ(outcome_of(table, L"ааклм"), -1);
    EXPECT_EQ(outcome_of(table, L"аноп"), 5);
    EXPECT_EQ(outcome_of(table, L"аааноп"), 5);
    EXPECT_EQ(outcome_of(table, L"ааноп"), -1);
}

TEST(RuleNotation, FirstLetterConditions) {
    const std::array rows = {row(L"-овер (first letter п)", 1), row(L"-айзер (first letter not к)", 2),
                             row(L"-ктора (word begins with [дп])", 3)};
    rule_table table(rows);
    EXPECT_EQ(outcome_of(table, L"пловер"), 1);
    EXPECT_EQ(outcome_of(table, L"кловер"), -1);
    EXPECT_EQ(outcome_of(table, L"лайзер"), 2);
    EXPECT_EQ(outcome_of(table, L"кайзер"), -1);
    EXPECT_EQ(outcome_of(table, L"доктора"), 3);
    EXPECT_EQ(outcome_of(table, L"поктора"), 3);
    EXPECT_EQ(outcome_of(table, L"лектора"), -1);
}

TEST(RuleNotation, SubstringAndHyphenConditions) {
    const std::array rows = {row(L"-ортёр (contains трансп)", 1), row(L"-ортёр (does not contain \"трансп\")", 2),
                             row(L"-уфф (after a hyphen)", 3), row(L"-тёр (contains электро; 8+ letters)", 4)};
    rule_table table(rows);
    EXPECT_EQ(outcome_of(table, L"транспортёр"), 1);
    EXPECT_EQ(outcome_of(table, L"репортёр"), 2);
    EXPECT_EQ(outcome_of(table, L"блеф-уфф"), 3);
    EXPECT_EQ(outcome_of(table, L"блефуфф"), -1);
    EXPECT_EQ(outcome_of(table, L"электромонтёр"), 4);
    EXPECT_EQ(outcome_of(table, L"электротёр"), 4);
    EXPECT_EQ(outcome_of(table, L"монтёр"), -1);
}

TEST(RulePrecedence, LongestEntryWins) {
    const std::array rows = {row(L"-атор", 1), row(L"-[кл]ьатор", 2), row(L"-ратор", 3)};
    rule_table table(rows);
    EXPECT_EQ(outcome_of(table, L"сенатор"), 1);
    EXPECT_EQ(outcome_of(table, L"оператор"), 3);
    EXPECT_EQ(outcome_of(table, L"кьатор"), 2);
}

TEST(RulePrecedence, WholeWordCountsOneLetterLonger) {
    // =шатёр tests six positions; -[а-я]атёр-like five-letter endings lose to it.
    const std::array rows = {row(L"=шатёр", 1), row(L"-·атёр", 2), row(L"-ъшатёр", 3)};
    rule_table table(rows);
    EXPECT_EQ(outcome_of(table, L"шатёр"), 1);
    EXPECT_EQ(outcome_of(table, L"латёр"), 2);
    EXPECT_EQ(table.entries()[0].rank, table.entries()[2].rank);
}

TEST(RulePrecedence, ConditionalEntryBeatsTheSameEndingWithout) {
    const std::array rows = {row(L"-ример", 1), row(L"-ример (first letter г)", 2), row(L"-ример (7 letters)", 3)};
    rule_table table(rows);
    EXPECT_EQ(outcome_of(table, L"примерр") == -1, true);
    EXPECT_EQ(outcome_of(table, L"гример"), 2);
    EXPECT_EQ(outcome_of(table, L"праймер"), -1);
    EXPECT_EQ(outcome_of(table, L"опример"), 3);
    EXPECT_EQ(outcome_of(table, L"оопример"), 1);
}

TEST(RuleTableCheck, SoundTablePasses) {
    const std::array rows = {row(L"-[им]бар, -ревар", 1), row(L"-[ир]вар, -евар", 2), row(L"-ортёр (contains трансп)", 3),
                             row(L"-ортёр (does not contain трансп)", 4), row(L"=костёр, -трап not after о", 5),
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
    const std::array tied = {row(L"-[ао]кар", 1), row(L"-[оу]кар", 2), row(L"-ер (first letter п)", 3),
                             row(L"-ер (5 letters)", 4)};
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

    const std::array shadowed_by_longer = {row(L"-ар (first letter п)", 1), row(L"-·ар", 2), row(L"=ар", 3)};
    auto longer = decl_test::rule_table_problems(rule_table(shadowed_by_longer));
    ASSERT_EQ(longer.size(), 1u) << testing::PrintToString(longer);
    EXPECT_NE(longer[0].find("-ар (first letter п)"), std::string::npos);
}
