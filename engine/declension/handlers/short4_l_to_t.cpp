// Four-letter words in -л, -м, -н, -о, -п, -р, -с, -т: closed lists of whole
// words, one per final letter, each word with its paradigm or forms of its
// own, its gender and its animacy (as listed, even where they disagree with
// the paradigm: баул, адам, джин).
#include <utility>

#include "engine/declension/handlers/dictionaries_y_i_ya.h"
#include "engine/declension/paradigms.h"
#include "engine/declension/row_outcome.h"
#include "engine/declension/word_handlers.h"

namespace engine {
namespace {

enum own_id { odin, oven, odno, etot };

// The kept letters, then the case's ending; a call outside cases 1..6 gets
// the kept letters alone.
constexpr own_forms k_own_forms[] = {
    {2, {L"ин", L"ного", L"ному", L"ного", L"ним", L"ном"}},
    {2, {L"ен", L"на", L"ну", L"на", L"ном", L"не"}},
    {1, {L"о", L"ого", L"ому", L"ого", L"им", L"ом"}},
    {2, {L"от", L"ого", L"ому", L"от", L"им", L"ом"}},
};

constexpr int own(own_id id) { return own_outcome + id; }
// пётр: every form, the nominative included, is spelt with е.
constexpr int peter = special_outcome;

// clang-format off
constexpr rule_row k_l[] = {
    {L"балл, галл, голл, жезл, овал, перл, пёрл, ролл, спил, стол, стул, укол, урал, файл, фалл, фолл,"
        L" холл, цикл, этил, ямал", 54, 1, 0},
    {L"баул", 54, 1, 1},
    {L"идол, карл", 55, 1, 1},
    {L"узел", 65, 1, 0},
    {L"орел, орёл, осел, осёл", 66, 1, 1},
    {L"угол", 67, 1, 0},
};

constexpr rule_row k_m[] = {
    {L"атом, бром, гейм, гром, джем, дюйм, изюм, корм, крем, крым, ритм, сейм, срам, трюм, хлам, холм,"
        L" храм, хром, шарм, шжем, шрам", 54, 1, 0},
    {L"адам", 55, 1, 0},
    {L"гном, ефим, имам, клим, наум", 55, 1, 1},
    {L"заем, заём, займ, наем, наём, найм", 64, 1, 0},
};

constexpr rule_row k_n[] = {
    {L"баян, блин, гимн, гран, дерн, дёрн, дрон, звон, иран, клан, клен, клён, клин, клон, кран, крен,"
        L" лион, неон, озон, пион, план, плен, сгон, спин, стан, стон, тмин, трон, угон, ужин, уран, урон,"
        L" хрен, этан", 54, 1, 0},
    {L"джин", 55, 1, 0},
    {L"буян, воин, врун, грин, гунн, иван, лгун, леон, слон, улан, финн, член", 55, 1, 1},
    {L"один", own(odin), 1, 0},
    {L"овен", own(oven), 1, 0},
};

constexpr rule_row k_o[] = {
    {L"веко, вино, дело, диво, дуло, жало, жито, лето, лицо, лыко, мыло, мясо, небо, окно, очко, перо,"
        L" пиво, пузо, руно, рыло, сало, село, сено, сито, тело, утро, ушко, худо, чадо, чело, чудо, шило,"
        L" ядро, яйцо, ярмо", 59, 3, 0},
    {L"само", 160, 3, 0},
    {L"кино", keep_word, 3, 0},
    {L"одно", own(odno), 3, 0},
};

constexpr rule_row k_p[] = {
    {L"джип, драп, залп, клип, кляп, комп, крап, окоп, серп, сноп, стоп, темп, трап, труп, хайп, храп,"
        L" хрип, этап", 54, 1, 0},
    {L"адип, арап, карп, клоп, осип", 55, 1, 1},
};

constexpr rule_row k_r[] = {
    {L"ажур, амур, веер, взор, гофр, двор, жанр, кадр, кедр, литр, метр, пиар, сбор, сидр, спор, титр,"
        L" убор, угар, удар, узор, укор, упор, фетр, фтор, хлор, шифр, шнур, эфир, юмор, ящур", 54, 1, 0},
    {L"бобр, дояр, егор, зубр, мавр, мэтр, негр, омар, петр, тигр, эмир, эсер, ящер", 55, 1, 1},
    {L"пётр", peter, 1, 1},
};

constexpr rule_row k_s[] = {
    {L"бакс, бокс, брус, вкус, внос, ворс, галс, гипс, глас, гюйс, загс, ирис, квас, кейс, кекс, кокс,"
        L" курс, лаос, люкс, маис, морс, мусс, опус, офис, пасс, пейс, пенс, пирс, плес, плёс, плис, плюс,"
        L" пляс, пояс, рапс, рейс, секс, скос, снос, соус, торс, трос, ужас, укос, укус, улус, унос, утес,"
        L" утёс, флюс, форс, хаос, шанс, эпос, эфес, ярус", 54, 1, 0},
    {L"исус", 54, 1, 1},
    {L"марс, фарс", 54, not_stored, not_stored},
    {L"барс, босс, зевс, макс, мопс, перс, потс, пупс, росс, русс, сакс, стас, трус", 55, 1, 1},
    {L"овес, овёс", 58, 1, 0},
    {L"мисс", keep_word, 2, 1},
};

constexpr rule_row k_t[] = {
    {L"агат, азот, альт, байт, бант, бинт, блат, болт, борт, бунт, бюст, ватт, винт, гнет, гнёт, гост,"
        L" грот, дзот, дуст, дуэт, жакт, жгут, зонт, кант, кнут, корт, крит, куст, ласт, лист, лифт, люфт,"
        L" март, мост, наст, обет, окот, омут, опыт, осот, пакт, плот, понт, порт, пост, прут, рант, рост,"
        L" сайт, сбыт, свет, скит, скот, слет, слёт, софт, сорт, счет, счёт, такт, тент, тест, торт, тост,"
        L" улет, улёт, учет, учёт, ушат, факт, фант, финт, флот, форт, фунт, цвет, цент, шест, шмат, шпат,"
        L" шрот, штат, шунт", 54, 1, 0},
    {L"азат, аист, брат, готт, енот, жмот, кент, крот, мент, плут, поэт, сват, скат, черт, чёрт, шиит, якут", 55, 1, 1},
    {L"этот", own(etot), 1, 0},
};

// clang-format on

std::wstring decline_listed(const rule_table& list, std::wstring word, int c, std::uint32_t* gender,
                            std::uint32_t* animate) {
    const rule_row* row = list.find(word);
    if (!row) return word;
    if (row->outcome == peter) {
        word = paradigm_055(std::move(replace_yo(word)), c);
        store_row_values(*row, gender, animate);
        return word;
    }
    return decline_by_row(*row, std::move(word), c, gender, animate, k_own_forms);
}

}  // namespace

const rule_table* four_letter_list_l_to_t(wchar_t final_letter) {
    static const rule_table l(k_l), m(k_m), n(k_n), o(k_o), p(k_p), r(k_r), s(k_s), t(k_t);
    switch (final_letter) {
        case L'л': return &l;
        case L'м': return &m;
        case L'н': return &n;
        case L'о': return &o;
        case L'п': return &p;
        case L'р': return &r;
        case L'с': return &s;
        case L'т': return &t;
        default: return nullptr;
    }
}

std::wstring decline4_l(std::wstring word, int c, std::uint32_t* gender, std::uint32_t* animate) {
    return decline_listed(*four_letter_list_l_to_t(L'л'), std::move(word), c, gender, animate);
}

std::wstring decline4_m(std::wstring word, int c, std::uint32_t* gender, std::uint32_t* animate) {
    return decline_listed(*four_letter_list_l_to_t(L'м'), std::move(word), c, gender, animate);
}

std::wstring decline4_n(std::wstring word, int c, std::uint32_t* gender, std::uint32_t* animate) {
    return decline_listed(*four_letter_list_l_to_t(L'н'), std::move(word), c, gender, animate);
}

std::wstring decline4_o(std::wstring word, int c, std::uint32_t* gender, std::uint32_t* animate) {
    return decline_listed(*four_letter_list_l_to_t(L'о'), std::move(word), c, gender, animate);
}

std::wstring decline4_p(std::wstring word, int c, std::uint32_t* gender, std::uint32_t* animate) {
    return decline_listed(*four_letter_list_l_to_t(L'п'), std::move(word), c, gender, animate);
}

std::wstring decline4_r(std::wstring word, int c, std::uint32_t* gender, std::uint32_t* animate) {
    return decline_listed(*four_letter_list_l_to_t(L'р'), std::move(word), c, gender, animate);
}

std::wstring decline4_s(std::wstring word, int c, std::uint32_t* gender, std::uint32_t* animate) {
    return decline_listed(*four_letter_list_l_to_t(L'с'), std::move(word), c, gender, animate);
}

std::wstring decline4_t(std::wstring word, int c, std::uint32_t* gender, std::uint32_t* animate) {
    return decline_listed(*four_letter_list_l_to_t(L'т'), std::move(word), c, gender, animate);
}

}  // namespace engine
