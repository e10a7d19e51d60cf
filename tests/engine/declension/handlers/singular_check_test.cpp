// The executor of the singular checks, driven by a stand-in singular handler
// so that both sides of every check are reached whatever the real handlers
// know.
#include <gtest/gtest.h>

#include <string>

#include "engine/declension/decline_word.h"
#include "engine/declension/handlers/singular_check.h"
#include "engine/declension/paradigms.h"
#include "tests/engine/declension/declension_test_support.h"

using namespace engine;
using decl_test::untouched;

namespace {

// What the stand-in saw and what it answers.
struct stand_in_state {
    std::wstring singular;
    int c = -1;
    std::uint32_t animacy_seen = 77;
    std::uint32_t animacy = 0;  // written when `knows`
    bool knows = true;
    std::wstring instrumental;  // returned in place of the singular when set
};
stand_in_state stand_in;

std::wstring stand_in_handler(std::wstring word, int c, std::uint32_t* gender, std::uint32_t* animate) {
    stand_in.singular = word;
    stand_in.c = c;
    stand_in.animacy_seen = *animate;
    if (!stand_in.knows) return word;
    *animate = stand_in.animacy;
    *gender = 1;
    return stand_in.instrumental.empty() ? word : stand_in.instrumental;
}

using enum singular_check_kind;
constexpr singular_check check_a{"A", animacy, stand_in_handler, 10, 16};
constexpr singular_check check_a5{"A5", animacy_instrumental, stand_in_handler, 10, 16};
constexpr singular_check check_b{"B", noun_or_surname, stand_in_handler, 10, 16};
constexpr singular_check check_c1{"C1", tsy_after_bn, stand_in_handler, 10, 16, 114, 17};
constexpr singular_check check_c2{"C2", tsy_after_soft_sign, stand_in_handler, 10, 16, 114, 17};
constexpr singular_check check_c3{"C3", tsy_after_consonant, stand_in_handler, 10, 16, 114, 17};

struct outcome {
    std::wstring form;
    std::uint32_t gender = untouched, animate = untouched;
};

outcome run(const singular_check& check, const std::wstring& plural, int c, std::uint32_t animacy, bool knows = true,
            const std::wstring& instrumental = L"") {
    stand_in = {};
    stand_in.animacy = animacy;
    stand_in.knows = knows;
    stand_in.instrumental = instrumental;
    outcome out;
    out.form = run_singular_check(check, plural, c, &out.gender, &out.animate);
    return out;
}

}  // namespace

TEST(SingularCheckA, AnimateSingularTakesTheAnimatePluralAndStoresAnimacy) {
    outcome out = run(check_a, L"комиссары", 4, 1);
    EXPECT_EQ(stand_in.singular, L"комиссар");
    EXPECT_EQ(stand_in.c, 0);
    EXPECT_EQ(out.form, L"комиссаров");
    EXPECT_EQ(out.animate, 1u);
    EXPECT_EQ(out.gender, 4u);
}

TEST(SingularCheckA, InanimateOrUnknownSingularTakesTheInanimatePluralAndStoresNoAnimacy) {
    for (bool knows : {true, false}) {
        outcome out = run(check_a, L"самовары", 4, 0, knows);
        EXPECT_EQ(out.form, L"самовары");
        EXPECT_EQ(out.animate, untouched);
        EXPECT_EQ(out.gender, 4u);
    }
}

TEST(SingularCheckA5, AsksTheInstrumentalButReadsOnlyTheAnimacy) {
    outcome out = run(check_a5, L"шведы", 2, 1, true, L"что-то иное");
    EXPECT_EQ(stand_in.c, 5);
    EXPECT_EQ(out.form, L"шведов");
    EXPECT_EQ(out.animate, 1u);
    EXPECT_EQ(run(check_a5, L"комоды", 4, 0).form, L"комоды");
}

TEST(SingularCheckB, InstrumentalInOmIsANoun) {
    outcome out = run(check_b, L"островы", 2, 0, true, L"островом");
    EXPECT_EQ(stand_in.c, 5);
    EXPECT_EQ(out.form, L"островов");
    EXPECT_EQ(out.animate, untouched);
    out = run(check_b, L"грифоновы", 4, 1, true, L"грифоновом");
    EXPECT_EQ(out.form, L"грифоновов");
    EXPECT_EQ(out.animate, 1u);
}

TEST(SingularCheckB, OtherInstrumentalIsASurnameStoringTheSingularAnimacyEvenZero) {
    outcome out = run(check_b, L"ивановы", 4, 1, true, L"ивановым");
    EXPECT_EQ(out.form, L"ивановых");
    EXPECT_EQ(out.animate, 1u);
    EXPECT_EQ(out.gender, 4u);
    out = run(check_b, L"ивановы", 4, 0, true, L"ивановым");
    EXPECT_EQ(out.form, L"ивановы");
    EXPECT_EQ(out.animate, 0u);
    // A singular nobody knows comes back as it went: not "ом", so the surname
    // side with animacy 0.
    out = run(check_b, L"зуковы", 5, 0, false);
    EXPECT_EQ(out.form, L"зуковыми");
    EXPECT_EQ(out.animate, 0u);
}

TEST(SingularCheckC1, TsomTakesTheOvPairAnyOtherTheEvPair) {
    outcome out = run(check_c1, L"иностранцы", 2, 1, true, L"иностранцом");
    EXPECT_EQ(stand_in.singular, L"иностранец");
    EXPECT_EQ(stand_in.c, 5);
    EXPECT_EQ(out.form, L"иностранцов");
    EXPECT_EQ(out.animate, 1u);
    EXPECT_EQ(run(check_c1, L"танцы", 2, 0, true, L"танцом").form, L"танцов");
    out = run(check_c1, L"иноземцы", 2, 1, true, L"иноземцем");
    EXPECT_EQ(out.form, L"иноземцев");
    EXPECT_EQ(out.animate, 1u);
    out = run(check_c1, L"ранцы", 2, 0, false);
    EXPECT_EQ(out.form, L"ранцев");  // unknown singular: the inanimate -ев paradigm
    EXPECT_EQ(out.animate, untouched);
    EXPECT_EQ(out.gender, 4u);
}

TEST(SingularCheckC2, SoftSignStemAndBothPairs) {
    outcome out = run(check_c2, L"пальцы", 2, 0, true, L"пальцем");
    EXPECT_EQ(stand_in.singular, L"палец");
    EXPECT_EQ(out.form, L"пальцев");
    out = run(check_c2, L"пальцы", 4, 1, true, L"пальцом");
    EXPECT_EQ(out.form, L"пальцов");
    EXPECT_EQ(out.animate, 1u);
}

TEST(SingularCheckC3, ComparesTheLastThreeLettersOnly) {
    outcome out = run(check_c3, L"купцы", 4, 1, true, L"купцом");
    EXPECT_EQ(stand_in.singular, L"купец");
    EXPECT_EQ(out.form, L"купцов");
    // "цом" not at the end: the -ев pair, where C1 would have found it.
    EXPECT_EQ(run(check_c3, L"купцы", 2, 0, true, L"купцом ещё").form, L"купцев");
    EXPECT_EQ(run(check_c1, L"купцы", 2, 0, true, L"купцом ещё").form, L"купцов");
    EXPECT_EQ(run(check_c3, L"купцы", 3, 0, false).form, L"купцам");
}

TEST(SingularCheck, TheSingularStartsInanimateWhateverTheCallerOrTheSinkHolds) {
    for (std::uint32_t preset : {0u, 1u, 7u}) {
        declension_sink = preset;
        stand_in = {};
        stand_in.knows = false;
        std::uint32_t gender = preset, animate = preset;
        EXPECT_EQ(run_singular_check(check_a, L"самовары", 4, &gender, &animate), L"самовары");
        EXPECT_EQ(stand_in.animacy_seen, 0u);
        EXPECT_EQ(animate, preset);
        EXPECT_EQ(gender, 4u);
    }
    declension_sink = 0;
}

TEST(SingularCheck, OneSlotForBothEndsWithThePluralGender) {
    stand_in = {};
    stand_in.animacy = 1;
    std::uint32_t slot = 9;
    EXPECT_EQ(run_singular_check(check_a, L"комиссары", 2, &slot, &slot), L"комиссаров");
    EXPECT_EQ(slot, 4u);
    stand_in = {};
    stand_in.instrumental = L"ивановым";
    stand_in.animacy = 1;
    EXPECT_EQ(run_singular_check(check_b, L"ивановы", 2, &slot, &slot), L"ивановых");
    EXPECT_EQ(slot, 4u);
}

TEST(SingularCheck, RebuildsSingularsOfAnyLength) {
    EXPECT_EQ(rebuild_singular(animacy, L""), L"");
    EXPECT_EQ(rebuild_singular(animacy, L"ы"), L"");
    EXPECT_EQ(rebuild_singular(tsy_after_bn, L"ы"), L"ец");
    EXPECT_EQ(rebuild_singular(tsy_after_soft_sign, L"цы"), L"ец");
    EXPECT_EQ(rebuild_singular(tsy_after_consonant, L"отцы"), L"отец");
    EXPECT_EQ(run(check_c2, L"ы", 2, 0, false).form, apply_paradigm(17, L"ы", 2));
}
