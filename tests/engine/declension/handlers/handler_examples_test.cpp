// Real words on both sides of the dictionaries' conditions and precedence
// pairs, with their stores; the probe lists cover every entry with made-up
// words, these show the rows meet the words they were written for.
#include <array>

#include "tests/engine/declension/declension_test_support.h"

using decl_test::expect_decl;
using decl_test::untouched;

constexpr std::uint32_t none = untouched;

TEST(HandlerExamples, RealWordsMeetTheirRows) {
    // clang-format off
    const struct { const wchar_t* word; int c; const wchar_t* form; std::uint32_t gender, animate; } examples[] = {
        // -р: contained stems, first letters, whole words and lengths decide both ways.
        {L"режиссер", 4, L"режиссера", 1, 1}, {L"транспортер", 4, L"транспортер", 1, 0}, {L"гример", 4, L"гримера", 1, 1},
        {L"бример", 4, L"бример", 1, 0}, {L"мастер", 4, L"мастера", 1, 1}, {L"квастер", 4, L"квастер", 1, 0},
        {L"организатор", 4, L"организатора", 1, 1}, {L"костёр", 5, L"костром", 1, 0}, {L"накостёр", 2, L"накостёр", none, none},
        {L"электролотёр", 4, L"электролотёр", 1, 1}, {L"мяетёр", 2, L"мяетёр", 1, none}, {L"колозёр", 2, L"колозёра", none, 1},
        // -й: longer endings over shorter ones; the first letter of -жий.
        {L"кощей", 4, L"кощея", 1, 1}, {L"божий", 2, L"божьего", 1, none},
        // -а: plurals, numerals and kept words.
        {L"доктора", 4, L"докторов", 4, 1}, {L"лектора", 4, L"лектора", 4, none}, {L"семена", 2, L"семян", 4, none},
        {L"четыреста", 5, L"четырьмястами", 4, none},
        // -ь: numerals, the church rows storing nothing, the -ролль accusative.
        {L"церковь", 2, L"церкви", none, none}, {L"тролль", 4, L"тролля", none, none}, {L"тролль", 2, L"тролля", 1, none},
        // -к: both spellings of a fleeting vowel; the first row stores no animacy.
        {L"ночник", 4, L"ночник", 1, 0}, {L"ручеёк", 2, L"ручейка", 1, 0}, {L"потёк", 2, L"потёк", none, none},
        // -б to -з, -л, -м, -н, -с, -т, -ф to -щ, -ц: length, first letter, substrings.
        {L"короб", 4, L"короб", 1, 0}, {L"дикообраз", 4, L"дикообраза", 1, 1}, {L"прообраз", 4, L"прообраз", 1, 0},
        {L"посол", 3, L"послу", 1, 1}, {L"поднаём", 5, L"поднаймом", 1, none}, {L"антон", 4, L"антона", 1, 1},
        {L"доонос", 4, L"дооноса", 1, 1}, {L"полу-вес", 2, L"полу-веса", 1, 0}, {L"пятьдесят", 2, L"пятидесяти", 4, 1},
        {L"доброхот", 4, L"доброхота", none, 1}, {L"хвост", 4, L"хвост", 1, 0}, {L"прохвост", 4, L"прохвоста", 1, 1},
        {L"фотограф", 4, L"фотографа", 1, 1}, {L"видыш", 4, L"видыш", 1, 0}, {L"орденоносец", 4, L"орденоносца", 1, 1},
        {L"шельмец", 4, L"шельмеца", 1, 1},
        // -е, -о, -п: indeclinables still store; hundreds are whole words.
        {L"портье", 4, L"портье", 1, 1}, {L"дальнейее", 4, L"дальнейее", none, none}, {L"тристо", 2, L"трехсот", 4, none},
        {L"подкоп", 4, L"подкоп", 1, 0},
        // -ы, -и, -я: longer and conditional endings; unchanged rows still store.
        {L"бойцы", 2, L"бойцов", 4, 1}, {L"программы", 2, L"программ", 4, none}, {L"кандидатуры", 4, L"кандидатур", 4, 1},
        {L"мечты", 2, L"мечтаний", 4, none}, {L"олухи", 2, L"олухов", 4, 1}, {L"сегодня", 3, L"сегодня", 0, none},
        // Four letters: stores as listed, even against the paradigm.
        {L"баул", 4, L"баул", 1, 1}, {L"пётр", 1, L"петр", 1, 1}, {L"годы", 2, L"лет", 4, 0},
        {L"лёня", 2, L"лёни", 2, 1},
    };
    // clang-format on
    for (const auto& e : examples) expect_decl(e.word, e.c, e.form, e.gender, e.animate);
}

// Patronymics and everyday words whose nearest row gave a wrong form, beside
// the words those rows were written for, which keep theirs.
TEST(HandlerExamples, PatronymicsAndEverydayWordsInEveryCase) {
    // clang-format off
    const struct { std::array<const wchar_t*, 6> forms; std::uint32_t gender, animate; } words[] = {
        {{L"иванович", L"ивановича", L"ивановичу", L"ивановича", L"ивановичем", L"ивановиче"}, 1, 1},
        {{L"сергеевич", L"сергеевича", L"сергеевичу", L"сергеевича", L"сергеевичем", L"сергеевиче"}, 1, 1},
        {{L"никитич", L"никитича", L"никитичу", L"никитича", L"никитичем", L"никитиче"}, 1, 1},
        {{L"кузьмич", L"кузьмича", L"кузьмичу", L"кузьмича", L"кузьмичом", L"кузьмиче"}, 1, 1},
        {{L"лукич", L"лукича", L"лукичу", L"лукича", L"лукичом", L"лукиче"}, 1, 1},
        {{L"москвич", L"москвича", L"москвичу", L"москвича", L"москвичом", L"москвиче"}, 1, 1},
        {{L"ильинична", L"ильиничны", L"ильиничне", L"ильиничну", L"ильиничной", L"ильиничне"}, 2, 1},
        {{L"никитична", L"никитичны", L"никитичне", L"никитичну", L"никитичной", L"никитичне"}, 2, 1},
        {{L"игоревна", L"игоревны", L"игоревне", L"игоревну", L"игоревной", L"игоревне"}, 2, 1},
        {{L"брёвна", L"брёвен", L"брёвнам", L"брёвна", L"брёвнами", L"брёвнах"}, 4, none},
        {{L"отлична", L"отлична", L"отлична", L"отлична", L"отлична", L"отлична"}, none, none},
        {{L"сотрудник", L"сотрудника", L"сотруднику", L"сотрудника", L"сотрудником", L"сотруднике"}, 1, 1},
        {{L"рудник", L"рудника", L"руднику", L"рудник", L"рудником", L"руднике"}, 1, 1},
        {{L"месяц", L"месяца", L"месяцу", L"месяц", L"месяцем", L"месяце"}, 1, 0},
    };
    // clang-format on
    for (const auto& w : words)
        for (int c = 1; c <= 6; ++c)
            expect_decl(w.forms[0], c, w.forms[std::size_t(c - 1)], w.gender, w.animate);
}
