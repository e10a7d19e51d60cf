// The executor of the singular checks, driven by a stand-in singular handler
// so that both sides of every check are reached whatever the real handlers
// know.
#include "engine/declension/handlers/singular_check.h"

#include "engine/declension/decline_word.h"
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

std::wstring stand_in_handler(std::wstring word, int c, std::uint32_t* gender,
                              std::uint32_t* animate) {
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

outcome run(const singular_check& check, const std::wstring& plural, int c, std::uint32_t animacy,
            bool knows = true, const std::wstring& instrumental = L"") {
    stand_in = {};
    stand_in.animacy = animacy;
    stand_in.knows = knows;
    stand_in.instrumental = instrumental;
    outcome out;
    out.form = run_singular_check(check, plural, c, &out.gender, &out.animate);
    return out;
}

}  // namespace

TEST(SingularCheck, EachCheckPicksThePluralFromWhatTheSingularAnswers) {
    // `singular` and `asked_case`: what the stand-in must be asked, when given.
    struct example {
        const singular_check& check;
        const wchar_t* plural;
        int c;
        std::uint32_t singular_animacy;
        bool known;
        const wchar_t *instrumental, *form;
        std::uint32_t animate;
        const wchar_t* singular = nullptr;
        int asked_case = -1;
    };
    // clang-format off
    const example examples[] = {
        {check_a, L"комиссары", 4, 1, true, L"", L"комиссаров", 1, L"комиссар", 0},
        {check_a, L"самовары", 4, 0, true, L"", L"самовары", untouched},
        {check_a, L"самовары", 4, 0, false, L"", L"самовары", untouched},
        // A5 asks the instrumental but reads only the animacy.
        {check_a5, L"шведы", 2, 1, true, L"что-то иное", L"шведов", 1, nullptr, 5},
        {check_a5, L"комоды", 4, 0, true, L"", L"комоды", untouched},
        // B: an instrumental in -ом is a noun; any other is a surname, which
        // stores the singular's animacy even when it is 0.
        {check_b, L"островы", 2, 0, true, L"островом", L"островов", untouched, nullptr, 5},
        {check_b, L"грифоновы", 4, 1, true, L"грифоновом", L"грифоновов", 1},
        {check_b, L"ивановы", 4, 1, true, L"ивановым", L"ивановых", 1},
        {check_b, L"ивановы", 4, 0, true, L"ивановым", L"ивановы", 0},
        {check_b, L"зуковы", 5, 0, false, L"", L"зуковыми", 0},
        // C1: -цом takes the -ов pair, anything else the -ев pair.
        {check_c1, L"иностранцы", 2, 1, true, L"иностранцом", L"иностранцов", 1, L"иностранец", 5},
        {check_c1, L"танцы", 2, 0, true, L"танцом", L"танцов", untouched},
        {check_c1, L"иноземцы", 2, 1, true, L"иноземцем", L"иноземцев", 1},
        {check_c1, L"ранцы", 2, 0, false, L"", L"ранцев", untouched},
        {check_c1, L"купцы", 2, 0, true, L"купцом ещё", L"купцов", untouched},
        {check_c2, L"пальцы", 2, 0, true, L"пальцем", L"пальцев", untouched, L"палец"},
        {check_c2, L"пальцы", 4, 1, true, L"пальцом", L"пальцов", 1},
        // C3 compares the last three letters only.
        {check_c3, L"купцы", 4, 1, true, L"купцом", L"купцов", 1, L"купец"},
        {check_c3, L"купцы", 2, 0, true, L"купцом ещё", L"купцев", untouched},
        {check_c3, L"купцы", 3, 0, false, L"", L"купцам", untouched},
    };
    // clang-format on
    for (const example& e : examples) {
        SCOPED_TRACE(std::string(e.check.name) + " " + std::to_string(e.c));
        outcome out = run(e.check, e.plural, e.c, e.singular_animacy, e.known, e.instrumental);
        EXPECT_EQ(out.form, e.form);
        EXPECT_EQ(out.animate, e.animate);
        EXPECT_EQ(out.gender, 4u);
        if (e.singular) {
            EXPECT_EQ(stand_in.singular, e.singular);
        }
        if (e.asked_case >= 0) {
            EXPECT_EQ(stand_in.c, e.asked_case);
        }
    }
}

TEST(SingularCheck, TheSingularStartsInanimateWhateverTheCallerHolds) {
    for (std::uint32_t preset : {0u, 1u, 7u}) {
        stand_in = {};
        stand_in.knows = false;
        std::uint32_t gender = preset, animate = preset;
        EXPECT_EQ(run_singular_check(check_a, L"самовары", 4, &gender, &animate), L"самовары");
        EXPECT_EQ(stand_in.animacy_seen, 0u);
        EXPECT_EQ(animate, preset);
        EXPECT_EQ(gender, 4u);
    }
}

TEST(SingularCheck, RebuildsSingularsOfAnyLength) {
    EXPECT_EQ(rebuild_singular(animacy, L""), L"");
    EXPECT_EQ(rebuild_singular(animacy, L"ы"), L"");
    EXPECT_EQ(rebuild_singular(tsy_after_bn, L"ы"), L"ец");
    EXPECT_EQ(rebuild_singular(tsy_after_soft_sign, L"цы"), L"ец");
    EXPECT_EQ(rebuild_singular(tsy_after_consonant, L"отцы"), L"отец");
    EXPECT_EQ(run(check_c2, L"ы", 2, 0, false).form, apply_paradigm(17, L"ы", 2));
}
