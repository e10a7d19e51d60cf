// Words of five or more letters in -ь: third-declension feminines, soft
// masculines, fleeting vowels, numerals and a few words with forms of their own.
#include <utility>

#include "engine/declension/handlers/dictionaries.h"
#include "engine/declension/paradigms.h"
#include "engine/declension/row_outcome.h"
#include "engine/declension/word_handlers.h"

namespace engine {
namespace {

// Own forms, in the order of own_outcome + i below.
// clang-format off
constexpr own_forms k_forms[] = {
    {1, {L"ь", L"а", L"у", L"а", L"ом", L"е"}},          // -сподь
    {3, {L"оль", L"ля", L"лю", L"оль", L"лем", L"ле"}},  // -уголь
    {3, {L"онь", L"ня", L"ню", L"онь", L"нем", L"не"}},  // -огонь
    {3, {L"емь", L"ьми", L"ьми", L"емь", L"ьмью", L"ьми"}},  // -осемь
};
// clang-format on

// -ролль: the accusative drops the last letter for "я" and stores nothing.
constexpr int k_rolle = 0;

// clang-format off
constexpr rule_row k_rows[] = {
    {L"-[ору]бь, -[оту]вь, -[аезору]дь, -[аеоё]жь, -[аеиоя]зь, -[аесыэ]ль, -капель,"
        L" -дриль, -озоль, -[сфх]оль, -пермь, -[аезо]нь, -ежень, -юмень, -[еиоы]пь,"
        L" -тварь, -[еу]рь, -хворь, -[аеиоу]сь, -овать (word begins with к), -знать,"
        L" -еч[ае]ть, -треть, -пл[ео]ть, -ежить, -еготь, -якоть, -опоть, -[еио]хоть,"
        L" -[рсуфы]ть, -рфь, -[еор]чь, -[аеоуь]шь, -[ло]щь,"
        L" -итель (7 letters; first letter о)", 48, 2, not_stored},
    {L"-[ья]дь, -гуль, -хмарь", 48, 2, 1},
    {L"the whole word трель, -метель", 48, 2, 0},
    {L"-иль", 48, 1, not_stored},
    {L"-ибирь", 48, 1, 0},
    {L"-дцать, the whole word шесть, -ять", 48, 4, not_stored},
    {L"-рковь (word does not begin with ц)", 48, not_stored, not_stored},
    {L"-ждь, -елудь, -ндаль, -а[пх]аль, -враль, -[бйкмопуюя]ль, -[аю]бель, -а[вш]ель,"
        L" -игель, -[ин]зель, -хмель, -ннель, -[амь]пель, -[пр]рель, -[икпрс]сель, -офель,"
        L" -раиль, -обиль, -[ек]виль, -шпиль, -гриль, -[инс]тиль, -[до]филь, -[вт]ыль,"
        L" -урень (word begins with к), -ясень, -етень, -истень, -[биохы]рь, -агерь", 49, 1, not_stored},
    {L"-скаль", 49, 1, 1},
    {L"-арь", 49, 2, not_stored},
    {L"-лль", 49, 0, not_stored},
    {L"-олубь, -р[вз]ь, -еб[ае]дь, -дв[ае]дь, -вождь, -князь, -итязь, -вль, -[мо]бель,"
        L" -едель, -ниель, -трель (6 letters or more), -[аея]тель, -итель, -амиль,"
        L" -о[бр]оль, -[ою]лень, -а[вх]арь, -[ану]дарь, -[еио]карь, -чмарь, -инарь,"
        L" -[еи]сарь, -тарь, -ыцарь, -зверь, -ег[еи]рь, -игорь, -прь, -одырь, -[хч]мырь,"
        L" -упырь, -[ас]тырь, -арась, -осось, the whole word тесть, the whole word гость", 50, 1, 1},
    {L"-воздь, -руздь, -иваль, -мень, -овырь", 50, 1, not_stored},
    {L"-барь", 50, 2, 1},
    {L"-[бвджз]ень, -[ае]мень, -орень", 42, 1, not_stored},
    {L"-урень (word does not begin with к)", 42, 1, 1},
    {L"-арень, -ротень, -утень", 43, 1, 1},
    {L"-стень, -ршень", 43, 1, not_stored},
    {L"-юбовь", 120, 2, not_stored},
    {L"-рковь (word begins with ц)", 120, not_stored, not_stored},
    {L"-о[гкм]оть, -апоть", 121, 1, not_stored},
    {L"-сподь", own_outcome + 0, 1, 1},
    {L"-уголь", own_outcome + 1, 1, 0},
    {L"-огонь", own_outcome + 2, 1, not_stored},
    {L"-осемь", own_outcome + 3, 4, not_stored},
    {L"-ролль", special_outcome + k_rolle, 1, not_stored},
    {L"-ибудь", keep_word, 1, not_stored},
};
// clang-format on

}  // namespace

const rule_table& long_soft_rules() {
    static const rule_table table(k_rows);
    return table;
}

std::wstring decline_long_soft(std::wstring word, int c, std::uint32_t* gender,
                               std::uint32_t* animate) {
    const rule_row* row = long_soft_rules().find(word);
    if (!row) return word;
    if (row->outcome == special_outcome + k_rolle) {
        if (c == 4) return word.substr(0, word.size() - 1) + L"я";
        word = paradigm_049(std::move(word), c);
        store_row_values(*row, gender, animate);
        return word;
    }
    return decline_by_row(*row, std::move(word), c, gender, animate, k_forms);
}

}  // namespace engine
