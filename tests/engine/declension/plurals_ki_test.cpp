// Plurals in -ки: the ending decides, whole words of a given length depart
// from it, and -аки/-ики ask their singular for the animacy.
#include <gtest/gtest.h>

#include <cstdint>
#include <string>

#include "engine/declension/decline_word.h"
#include "tests/engine/declension/declension_test_support.h"

using namespace engine;
using decl_test::expect_decl;
using decl_test::expect_handler;
using decl_test::untouched;

namespace {

constexpr std::uint32_t pl = 4, inan = 0, anim = 1, none = untouched;

void expect_ki(const wchar_t* word, int c, const wchar_t* form, std::uint32_t animate) {
    expect_handler(decline_long_i_ki, word, c, form, pl, animate);
}

}  // namespace

TEST(PluralsInKi, LongestEndingWins) {
    expect_ki(L"собаки", 2, L"собак", anim);      // -собаки over -аки
    expect_ki(L"распевки", 2, L"распевок", inan); // -певки over -евки
    expect_ki(L"плевки", 2, L"плевков", inan);
    expect_ki(L"девки", 4, L"девок", anim);
    expect_ki(L"проверки", 4, L"проверки", none);
    expect_ki(L"тренировки", 4, L"тренировки", none);
}

TEST(PluralsInKi, FirstLetterConditionBeatsTheSameEnding) {
    expect_ki(L"фиверки", 2, L"фиверков", inan);
    expect_ki(L"сверки", 2, L"сверок", none);
    expect_ki(L"пчелки", 4, L"пчелок", none);
    expect_ki(L"челки", 4, L"челки", none);
}

TEST(PluralsInKi, SubstringExceptions) {
    expect_ki(L"характеристики", 2, L"характеристик", inan);
    expect_ki(L"статистики", 2, L"статистиков", anim);
    expect_ki(L"заработки", 2, L"заработков", none);
    expect_ki(L"заработки", 4, L"заработки", none);
    expect_ki(L"обработки", 2, L"обработок", none);
}

TEST(PluralsInKi, WholeWordsByLengthWinOverEndings) {
    expect_ki(L"улики", 2, L"улик", none);
    expect_ki(L"зазулики", 2, L"зазуликов", anim);
    expect_ki(L"колики", 2, L"колик", none);
    expect_ki(L"толики", 2, L"толиков", none);
    expect_ki(L"лайки", 2, L"лаек", anim);
    expect_ki(L"танки", 2, L"танков", none);
    expect_ki(L"станки", 2, L"станков", none);
    expect_ki(L"титанки", 2, L"титанков", none);
    expect_ki(L"капитанки", 4, L"капитанок", none);
    expect_ki(L"коровки", 4, L"коровок", anim);
    expect_ki(L"красотки", 4, L"красоток", anim);
    expect_ki(L"виски", 2, L"виски", none);
}

TEST(PluralsInKi, EveryAnkiBranch) {
    struct {
        const wchar_t* word;
        const wchar_t* accusative;
        std::uint32_t animate;
    } const words[] = {
        {L"планки", L"планки", none},          // л
        {L"болванки", L"болванки", none},      // в, first letter б
        {L"кованки", L"кованок", anim},        // в
        {L"поганки", L"поганки", none},        // г, first letter п
        {L"цыганки", L"цыганок", anim},        // г
        {L"гуданки", L"гуданок", anim},        // д, first letter г
        {L"лоданки", L"лоданки", none},        // д
        {L"лежанки", L"лежанки", none},        // ж, first letter л
        {L"горожанки", L"горожанок", anim},    // ж
        {L"партизанки", L"партизанок", anim},  // з
        {L"испанки", L"испанок", anim},        // п
        {L"мещанки", L"мещанок", anim},        // щ
        {L"чеканки", L"чеканки", none},        // к, first letter ч
        {L"американки", L"американок", anim},  // к
        {L"романки", L"романок", anim},        // м after о
        {L"шаманки", L"шаманки", none},        // м
        {L"баранки", L"баранки", inan},        // р: -баранки
        {L"сирранки", L"сирранок", anim},      // р: -ирранки
        {L"иностранки", L"иностранок", anim},  // р: -странки
        {L"франки", L"франки", anim},          // р after ф
        {L"таранки", L"таранки", none},        // р
        {L"расанки", L"расанки", none},        // с
        {L"капитанки", L"капитанок", none},    // т
        {L"пацанки", L"пацанок", anim},        // ц after а
        {L"лицанки", L"лицанки", none},        // ц
        {L"фанки", L"фанки", none},            // no row: indeclinable
    };
    for (const auto& w : words) expect_ki(w.word, 4, w.accusative, w.animate);
    expect_handler(decline_long_i_ki_anki, L"планки", 2, L"планков", pl, none);
    expect_ki(L"франки", 2, L"франков", anim);
}

TEST(PluralsInKi, UnknownLetterBeforeKiWritesNothing) {
    for (const wchar_t* word : {L"берегки", L"мокки", L"трахки", L"кецки", L"фуфки", L"щищки", L"рёёки", L"abcки"})
        expect_handler(decline_long_i_ki, word, 2, word, untouched, untouched);
}

TEST(PluralsInKi, UnknownSingularIsInanimateAndGenderEndsAtFour) {
    expect_ki(L"брумзаки", 2, L"брумзаков", inan);
    expect_ki(L"брумзаки", 4, L"брумзаки", inan);
    expect_ki(L"брумзики", 5, L"брумзиками", inan);
    expect_ki(L"черпаки", 4, L"черпаки", inan);
    // One slot for both: the gender is stored last.
    std::uint32_t slot = 1;
    EXPECT_EQ(decline_long_i_ki(L"брумзаки", 2, &slot, &slot), L"брумзаков");
    EXPECT_EQ(slot, 4u);
}

TEST(PluralsInKi, ReachedThroughDeclineWord) {
    expect_decl(L"собаки", 2, L"собак", pl, anim);
    expect_decl(L"характеристики", 2, L"характеристик", pl, inan);
    expect_decl(L"обработки", 5, L"обработками", pl, none);
    expect_decl(L"брумзаки", 2, L"брумзаков", pl, inan);
    expect_decl(L"фанки", 6, L"фанки", pl, none);
    expect_decl(L"берегки", 2, L"берегки", untouched, untouched);
    expect_decl(L"сутки", 2, L"суток", pl, none);
}
