// Four-letter words in -ы, -ь, -я: closed lists of whole words, one per final
// letter, each word with its paradigm or forms of its own, its gender and its
// animacy (as listed: весь, вымя, семя, темя and лёня store feminine, and
// рамы stores nothing).
#include <array>
#include <string_view>
#include <utility>

#include "engine/declension/handlers/dictionaries_y_i_ya.h"
#include "engine/declension/row_outcome.h"
#include "engine/declension/word_handlers.h"

namespace engine {
namespace {

enum own_id { sheep, way, dark, lie };

// The stem (the word less `cut` letters), then the case's ending; a call
// outside cases 1..6 gets the stem alone.
constexpr own_forms k_own_forms[] = {
    {2, {L"цы", L"ец", L"цам", L"ец", L"цами", L"цах"}},
    {1, {L"ь", L"и", L"и", L"ь", L"ем", L"и"}},
    {1, {L"ь", L"ени", L"ени", L"ь", L"енью", L"ени"}},
    {3, {L"ожь", L"жи", L"жи", L"ожь", L"ожью", L"жи"}},
};

constexpr int own(own_id id) { return own_outcome + id; }
// весь: every form a whole word; outside cases 1..6 the word unchanged.
constexpr int whole = special_outcome;
// себя: the stem and an ending, but "-" for the nominative it does not have.
constexpr int oneself = special_outcome + 1;

constexpr std::array<std::wstring_view, 6> k_whole_forms = {L"весь", L"всего", L"всему",
                                                            L"весь", L"всем",  L"всем"};
constexpr own_forms k_oneself_forms = {3, {L"", L"ебя", L"ебе", L"ебя", L"обой", L"ебе"}};

// clang-format off
constexpr rule_row k_y[] = {
    {L"отцы, юнцы, шефы, шуты, коты, готы, анты, киты, бесы, мэры, пэры, сэры, воры, угры, мары, копы,"
        L" попы, овны, паны, ханы, сомы, хамы, замы, орлы, ослы, мулы, волы, гиды, деды, гады, львы, завы, рабы", 10, 4, 1},
    {L"поцы", 114, 4, 1},
    {L"овцы", own(sheep), 4, 1},
    {L"арфы, софы, яхты, пяты, путы, юрты, соты, роты, ноты, биты, даты, латы, хаты, лясы, рясы, бусы,"
        L" косы, росы, расы, дыры, фуры, шоры, поры, норы, горы, икры, лиры, меры, игры, чары, фары, нары,"
        L" кары, лупы, жопы, кипы, липы, репы, лапы, урны, луны, руны, дюны, зоны, мины, шины, цены, мены,"
        L" иены, вены, раны, думы, уймы, зимы, темы, вилы, жилы, пилы, силы, иглы, дозы, позы, розы, визы,"
        L" ризы, фазы, разы, вазы, базы, дуды, руды, орды, моды, воды, узды, беды, веды, кеды, дивы, нивы,"
        L" язвы, лавы, дыбы, шубы, тубы, губы, арбы, робы, избы", 12, 4, 0},
    {L"мифы, рифы, тифы, ауты, футы, лоты, доты, боты, унты, акты, щиты, маты, паты, иксы, мысы, носы,"
        L" весы, басы, пасы, часы, сыры, хоры, боры, акры, жиры, миры, пиры, тиры, херы, шары, пары, дары,"
        L" бары, пупы, супы, щупы, типы, чипы, шипы, тыны, ионы, коны, фоны, чины, фены, гены, саны, чаны,"
        L" дымы, шумы, тылы, аулы, пулы, фолы, полы, молы, колы, голы, узлы, углы, балы, валы, залы, вязы,"
        L" вузы, тузы, возы, низы, тазы, пазы, лазы, газы, ряды, льды, пуды, суды, ярды, ходы, роды, коды,"
        L" виды, зады, лады, сады, зовы, чубы, кубы, зубы, дубы, бобы, зобы, ямбы", 16, 4, 0},
    {L"лисы, куры, дуры, цыпы, папы, жёны, жены, пумы, мамы, ламы, дамы, музы, козы, иуды, совы, девы,"
        L" рыбы, бабы, жабы", 14, 4, 1},
    {L"туры, буры", 16, 4, 1},
    {L"ауры", 12, 4, 1},
    {L"рамы", 12, not_stored, not_stored},
    {L"годы", 41, 4, 0},
};

constexpr rule_row k_soft[] = {
    {L"мощь, вещь, сушь, тушь, чушь, тишь, ночь, дичь, печь, речь, сечь, течь, жуть, муть, суть, нить,"
        L" сеть, рать, высь, рысь, русь, дурь, корь, ширь, гарь, сыпь, копь, топь, цепь, вонь, синь, лень,"
        L" сень, тень, дань, лань, рань, тюль, быль, пыль, толь, соль, роль, моль, голь, боль, мель, цель,"
        L" щель, даль, шаль, вязь, резь, мазь, пядь, медь, падь, новь, зябь, рябь, зыбь", 48, 2, 0},
    {L"мышь, вошь", 48, 2, 1},
    {L"дочь, мать", 51, 2, 1},
    {L"зять, тать, гусь, лось, хорь, царь, лунь, конь", 50, 1, 1},
    {L"пять, семь", 48, 4, 0},
    {L"путь", own(way), 1, 0},
    {L"весь", whole, 2, 0},
    {L"ларь, юань, июль, куль, нуль, руль, ноль", 49, 1, 0},
    {L"июнь", 50, 1, 0},
    {L"день, пень", 42, 1, 0},
    {L"темь", own(dark), 2, 0},
    {L"киль, гель, сель", 49, 2, 0},
    {L"ложь, рожь", own(lie), 2, 0},
};

constexpr rule_row k_ya[] = {
    {L"илья, тятя, витя, петя, батя, вася, боря, веня, женя, леня, ваня, даня, саня, коля, толя, кузя,"
        L" дядя, федя", 44, 1, 1},
    {L"тётя, тетя, няня, лёня, таня, валя, галя, уния, майя, змея, швея, надя", 44, 2, 1},
    {L"дитя", 50, 1, 1},
    {L"катя, сися, леся, буря, гиря, варя, заря, харя, хвоя, дыня, соня, тоня, пеня, баня, ляля, люля,"
        L" дуля, пуля, воля, доля, лиля, миля, филя, геля, ебля, ария, шлея, идея, стая, свая", 44, 2, 0},
    {L"моря, поля", 52, 4, 0},
    {L"своя, твоя", 53, 2, 0},
    {L"вымя, семя, темя", 47, 2, 0},
    {L"юлия", 87, 2, 1},
    {L"азия", 87, 2, 0},
    {L"себя", oneself, 1, 1},
    {L"края", 71, 4, 0},
};

// clang-format on

std::wstring decline_listed(const rule_table& list, std::wstring word, int c, std::uint32_t* gender,
                            std::uint32_t* animate) {
    const rule_row* row = list.find(word);
    if (!row) return word;
    if (row->outcome != whole && row->outcome != oneself) {
        return decline_by_row(*row, std::move(word), c, gender, animate, k_own_forms);
    }
    if (row->outcome == whole && c >= 1 && c <= 6) word = k_whole_forms[std::size_t(c - 1)];
    if (row->outcome == oneself)
        word = c == 1 ? std::wstring(L"-") : apply_own_forms(k_oneself_forms, std::move(word), c);
    store_row_values(*row, gender, animate);
    return word;
}

}  // namespace

const rule_table* four_letter_list_y_soft_ya(wchar_t final_letter) {
    static const rule_table y(k_y), soft(k_soft), ya(k_ya);
    switch (final_letter) {
        case L'ы': return &y;
        case L'ь': return &soft;
        case L'я': return &ya;
        default: return nullptr;
    }
}

std::wstring decline4_y(std::wstring word, int c, std::uint32_t* gender, std::uint32_t* animate) {
    return decline_listed(*four_letter_list_y_soft_ya(L'ы'), std::move(word), c, gender, animate);
}

std::wstring decline4_soft(std::wstring word, int c, std::uint32_t* gender,
                           std::uint32_t* animate) {
    return decline_listed(*four_letter_list_y_soft_ya(L'ь'), std::move(word), c, gender, animate);
}

std::wstring decline4_ya(std::wstring word, int c, std::uint32_t* gender, std::uint32_t* animate) {
    return decline_listed(*four_letter_list_y_soft_ya(L'я'), std::move(word), c, gender, animate);
}

}  // namespace engine
