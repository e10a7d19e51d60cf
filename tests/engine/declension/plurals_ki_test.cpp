// Plurals in -ки: the ending decides, whole words of a given length depart
// from it, and -аки/-ики ask their singular for the animacy.
#include "engine/declension/decline_word.h"
#include "tests/engine/declension/declension_test_support.h"

using namespace engine;
using decl_test::expect_decl;
using decl_test::expect_handler;
using decl_test::untouched;

constexpr std::uint32_t pl = 4, inan = 0, anim = 1, none = untouched;

TEST(PluralsInKi, EndingsConditionsWholeWordsAndUnknownLetters) {
    // clang-format off
    const struct { const wchar_t* word; int c; const wchar_t* form; std::uint32_t animate; } plurals[] = {
        // The longest ending wins; a first-letter condition beats the same ending.
        {L"собаки", 2, L"собак", anim},          {L"распевки", 2, L"распевок", inan},
        {L"плевки", 2, L"плевков", inan},        {L"проверки", 4, L"проверки", none},
        {L"фиверки", 2, L"фиверков", inan},      {L"сверки", 2, L"сверок", none},
        {L"пчелки", 4, L"пчелок", none},         {L"челки", 4, L"челки", none},
        // Substrings, and whole words of a length over the endings.
        {L"характеристики", 2, L"характеристик", inan}, {L"статистики", 2, L"статистиков", anim},
        {L"заработки", 2, L"заработков", none},  {L"обработки", 2, L"обработок", none},
        {L"улики", 2, L"улик", none},            {L"зазулики", 2, L"зазуликов", anim},
        {L"танки", 2, L"танков", none},          {L"капитанки", 4, L"капитанок", none},
        {L"виски", 2, L"виски", none},
        // Every branch of -анки: the letter before it, then the first letter
        // or the two letters before that.
        {L"планки", 4, L"планки", none},         {L"болванки", 4, L"болванки", none},
        {L"кованки", 4, L"кованок", anim},       {L"поганки", 4, L"поганки", none},
        {L"цыганки", 4, L"цыганок", anim},       {L"гуданки", 4, L"гуданок", anim},
        {L"лоданки", 4, L"лоданки", none},       {L"лежанки", 4, L"лежанки", none},
        {L"горожанки", 4, L"горожанок", anim},   {L"партизанки", 4, L"партизанок", anim},
        {L"мещанки", 4, L"мещанок", anim},       {L"чеканки", 4, L"чеканки", none},
        {L"американки", 4, L"американок", anim}, {L"романки", 4, L"романок", anim},
        {L"шаманки", 4, L"шаманки", none},       {L"баранки", 4, L"баранки", inan},
        {L"сирранки", 4, L"сирранок", anim},     {L"иностранки", 4, L"иностранок", anim},
        {L"франки", 4, L"франки", anim},         {L"франки", 2, L"франков", anim},
        {L"таранки", 4, L"таранки", none},       {L"расанки", 4, L"расанки", none},
        {L"пацанки", 4, L"пацанок", anim},       {L"лицанки", 4, L"лицанки", none},
        {L"фанки", 4, L"фанки", none},
        // The singular's animacy decides -аки and -ики; one nobody knows is inanimate.
        {L"рыбаки", 4, L"рыбаков", anim},        {L"старики", 4, L"стариков", anim},
        {L"брумзаки", 2, L"брумзаков", inan},    {L"брумзаки", 4, L"брумзаки", inan},
        {L"брумзики", 5, L"брумзиками", inan},   {L"черпаки", 4, L"черпаки", inan},
    };
    // clang-format on
    for (const auto& p : plurals)
        expect_handler(decline_long_i_ki, p.word, p.c, p.form, pl, p.animate);
    expect_handler(decline_long_i_ki_anki, L"планки", 2, L"планков", pl, none);
    // An unknown letter before -ки writes nothing.
    for (const wchar_t* word :
         {L"берегки", L"мокки", L"трахки", L"кецки", L"фуфки", L"щищки", L"рёёки", L"abcки"})
        expect_handler(decline_long_i_ki, word, 2, word, untouched, untouched);
}

TEST(PluralsInKi, ReachedThroughDeclineWord) {
    expect_decl(L"собаки", 2, L"собак", pl, anim);
    expect_decl(L"обработки", 5, L"обработками", pl, none);
    expect_decl(L"берегки", 2, L"берегки", untouched, untouched);
    expect_decl(L"сутки", 2, L"суток", pl, none);
}
