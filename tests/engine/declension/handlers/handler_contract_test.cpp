// What every word handler promises its callers, whatever its dictionary says:
// odd input comes back unchanged with nothing stored, one slot passed for
// both ends with the gender, and direct calls (case 0 from the plural
// handlers, words shorter than dispatch would send) are safe and answer.
#include "engine/declension/decline_word.h"
#include "engine/text/text_case.h"
#include "engine/text/utf16.h"
#include "tests/engine/declension/declension_test_support.h"

using namespace engine;
using decl_test::expect_handler;
using decl_test::untouched;

namespace {

// A word each handler declines.
// clang-format off
const std::pair<word_handler, const wchar_t*> k_handlers[] = {
    {decline2, L"он"}, {decline3_a, L"ива"}, {decline3_i, L"дни"}, {decline3_y, L"псы"},
    {decline3_other, L"кот"}, {decline4_a, L"вода"}, {decline4_b, L"клуб"}, {decline4_v, L"удав"},
    {decline4_g, L"друг"}, {decline4_d, L"фонд"}, {decline4_e, L"море"}, {decline4_z, L"глаз"},
    {decline4_i, L"боги"}, {decline4_j, L"клей"}, {decline4_k, L"волк"}, {decline4_other, L"врач"},
    {decline4_l, L"баул"}, {decline4_m, L"адам"}, {decline4_n, L"один"}, {decline4_o, L"одно"},
    {decline4_p, L"клоп"}, {decline4_r, L"петр"}, {decline4_s, L"фарс"}, {decline4_t, L"этот"},
    {decline4_y, L"овцы"}, {decline4_soft, L"путь"}, {decline4_ya, L"себя"}, {decline_long_a, L"оплата"},
    {decline_long_b, L"ястреб"}, {decline_long_v, L"чкалов"}, {decline_long_g, L"хирург"}, {decline_long_d, L"завод"},
    {decline_long_e, L"оружие"}, {decline_long_zh, L"пейзаж"}, {decline_long_z, L"француз"},
    {decline_long_i, L"товарищи"},
    {decline_long_j, L"сергей"}, {decline_long_k, L"рыбак"}, {decline_long_l, L"дятел"}, {decline_long_m, L"максим"},
    {decline_long_n, L"пушкин"}, {decline_long_o, L"кольцо"}, {decline_long_p, L"епископ"}, {decline_long_r, L"сапёр"},
    {decline_long_s, L"христос"}, {decline_long_t, L"агент"}, {decline_long_f, L"шериф"}, {decline_long_kh, L"конюх"},
    {decline_long_ts, L"палец"}, {decline_long_ch, L"палач"}, {decline_long_sh, L"латыш"},
    {decline_long_shch, L"товарищ"},
    {decline_long_soft, L"учитель"}, {decline_long_y, L"стрелы"}, {decline_long_ya, L"оружья"},
};
// clang-format on

struct handler_call {
    word_handler handler;
    const wchar_t* word;
    int c;
    const wchar_t* form;
    std::uint32_t gender, animate = untouched;
};

}  // namespace

TEST(WordHandlers, EmptyCapitalAndUnknownWordsComeBackWithNothingStored) {
    for (const auto& [handler, word] : k_handlers) {
        SCOPED_TRACE(to_utf8(word));
        std::uint32_t gender = untouched, animate = untouched;
        ASSERT_NE(handler(word, 3, &gender, &animate), word) << "the sample word must decline";
        for (int c : {0, 2, 5}) {
            expect_handler(handler, L"", c, L"", untouched, untouched);
            expect_handler(handler, to_upper(word), c, to_upper(word), untouched, untouched);
        }
    }
    // Latin look-alikes and digits are no letters of the dictionaries; no row
    // holds a plural in -кы, -гы, -шы or -щы, nor a participle ending without
    // ш or щ in front of it.
    // clang-format off
    const std::pair<word_handler, const wchar_t*> odd[] = {
        {decline_long_r, L"sapёр"}, {decline_long_a, L"оплатa"}, {decline_long_y, L"12345ы"},
        {decline_long_y, L"цы цы"}, {decline_long_ya, L"1234я"}, {decline_long_ya, L"nedelя"},
        {decline4_l, L"stол"},      {decline_long_t, L"egipet"}, {decline_long_i, L"1234и"},
        {decline_long_y, L"волкы"}, {decline_long_y, L"сапогы"}, {decline_long_y, L"карандашы"},
        {decline_long_y, L"чащы"},  {decline_long_ya, L"развитийся"}, {decline_long_ya, L"красаяся"},
        {decline_long_ya, L"зелёнееся"}, {decline_long_ya, L"добриеся"},
    };
    // clang-format on
    for (const auto& [handler, word] : odd)
        expect_handler(handler, word, 2, word, untouched, untouched);
}

TEST(WordHandlers, OneSlotForBothEndsWithTheGender) {
    // clang-format off
    const handler_call cases[] = {
        {decline_long_r, L"сапёр", 2, L"сапёра", 1},     {decline_long_j, L"сергей", 2, L"сергея", 1},
        {decline_long_a, L"дедушка", 2, L"дедушки", 1},  {decline_long_soft, L"учитель", 2, L"учителя", 1},
        {decline_long_k, L"рыбак", 2, L"рыбака", 1},     {decline_long_i, L"товарищи", 2, L"товарищей", 4},
        {decline_long_y, L"комиссары", 2, L"комиссаров", 4}, {decline_long_i_ki, L"брумзаки", 2, L"брумзаков", 4},
        {decline4_s, L"мисс", 2, L"мисс", 2},            {decline4_soft, L"весь", 3, L"всему", 2},
    };
    // clang-format on
    for (const auto& one : cases) {
        std::uint32_t slot = 9;
        EXPECT_EQ(one.handler(one.word, one.c, &slot, &slot), one.form);
        EXPECT_EQ(slot, one.gender) << to_utf8(one.word);
    }
}

TEST(WordHandlers, DirectCallsWithCaseZeroOrWordsDispatchWouldNotSend) {
    // clang-format off
    const handler_call calls[] = {
        // Case 0: the paradigm's cut word, the own forms' bare stem, a whole
        // word kept; the stores as for any case.
        {decline_long_r, L"шатёр", 0, L"шат", 1, 0}, {decline_long_a, L"семена", 0, L"семен", 4, untouched},
        {decline_long_a, L"полтора", 0, L"полтора", 2, 0}, {decline_long_soft, L"уголь", 0, L"уг", 1, 0},
        {decline_long_soft, L"восемь", 0, L"вос", 4, untouched},
        {decline_long_soft, L"тролль", 0, L"тролл", 1, untouched}, {decline_long_k, L"сурок", 0, L"сур", 1, 1},
        {decline_long_i, L"бойни", 0, L"бойн", 4, 0}, {decline_long_ya, L"трудящийся", 0, L"трудящ", 1, untouched},
        {decline_long_l, L"посол", 0, L"пос", 1, 1}, {decline_long_e, L"четыре", 0, L"четыр", 4, untouched},
        {decline_long_o, L"никто", 0, L"никто", 3, untouched}, {decline4_n, L"один", 0, L"од", 1, 0},
        {decline4_ya, L"себя", 0, L"с", 1, 1}, {decline4_soft, L"весь", 7, L"весь", 2, 0},
        // The plural handlers ask singulars of any length, with case 0 or 5.
        {decline_long_k, L"волк", 0, L"волк", 1, 0}, {decline_long_g, L"ург", 0, L"ург", 1, 1},
        {decline_long_g, L"уг", 0, L"уг", untouched, untouched},
        {decline_long_n, L"он", 0, L"он", untouched, untouched},
        {decline_long_p, L"клоп", 5, L"клопом", 1, 1}, {decline_long_ts, L"борец", 5, L"борцом", 1, 1},
        {decline_long_ts, L"боец", 5, L"бойцем", 1, 1}, {decline_long_v, L"чкалов", 5, L"чкаловом", 1, 0},
        // The -лов surname is asked for by name.
        {decline_long_v_surname, L"чкалов", 5, L"чкаловым", 1, 1},
        // A row that needs more letters than the word has is not met.
        {decline_long_r, L"одар", 2, L"одара", 1, 0}, {decline_long_ya, L"ийся", 2, L"ийся", untouched, untouched},
        {decline_long_ya, L"щийся", 2, L"щегося", 1, untouched}, {decline_long_o, L"-то", 5, L"-то", 3, untouched},
    };
    // clang-format on
    for (const auto& call : calls)
        expect_handler(call.handler, call.word, call.c, call.form, call.gender, call.animate);
    // Short words that still match a plural row build even shorter singulars.
    for (const wchar_t* word :
         {L"бцы", L"ьцы", L"овы", L"рцы", L"олы", L"йни", L"иги", L"ачи", L"аши", L"ахи"}) {
        std::uint32_t gender = untouched, animate = untouched;
        word_handler plural = std::wstring(word).back() == L'ы' ? decline_long_y : decline_long_i;
        plural(word, 2, &gender, &animate);
        EXPECT_EQ(gender, 4u) << to_utf8(word);
    }
}

TEST(WordHandlers, NeuterHandlerNeverTouchesTheAnimacySlot) {
    std::uint32_t gender = untouched, animate = untouched;
    EXPECT_EQ(decline_long_o(L"кольцо", 2, &gender, &animate), L"кольца");
    EXPECT_EQ(animate, untouched);
    EXPECT_EQ(decline_long_o(L"кольцо", 2, &gender, nullptr), L"кольца");
    EXPECT_EQ(gender, 3u);
}
