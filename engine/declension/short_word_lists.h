// The word lists of two- and three-letter words: pronouns and numerals with
// their irregular forms, short nouns and plurals. Each row: the words, what
// declines them, gender, animacy. е and ё are different letters, so a word
// known with both has two entries.
#pragma once

#include "engine/declension/word_list.h"

namespace engine::short_word_lists {

using namespace list_codes;

// clang-format off
inline constexpr rule_row two_letters[] = {
    {L"юг, ад, яд, юз, ил, ом, ум, ар, яр, ус, ах, ох", 54, masculine, inanimate},
    {L"еж, уж, ёж, як, ян, ас", 55, masculine, animate},
    {L"он", 152, masculine, inanimate},
    {L"та", 103, feminine, inanimate},
    {L"ея", 44, feminine, inanimate},
    {L"ия", 44, feminine, animate},
    {L"щи", 18, plural, inanimate},
    {L"ты", irregular_forms, masculine, animate},
    {L"мы, вы", irregular_forms, plural, animate},
    {L"то", irregular_forms, neuter, inanimate},
    {L"те", irregular_forms, plural, inanimate},
};

inline constexpr rule_row three_letters_a[] = {
    {L"ива, ява, еда, ода, юла, яма, хна, эра, уфа", 2, feminine, inanimate},
    {L"ева, яга, ада, аза, ира, оса", 2, feminine, animate},
    {L"яна, юра", 2, masculine, animate},
    {L"ока, оха, уха", 3, feminine, inanimate},
    {L"яша", 3, masculine, animate},
    {L"эта, юта", 103, feminine, inanimate},
    {L"юга", 5, plural, inanimate},
    {L"два", 157, plural, inanimate},
    {L"она", irregular_forms, feminine, inanimate},
    {L"оба", irregular_forms, plural, inanimate},
};

inline constexpr rule_row three_letters_i[] = {
    {L"яки", 8, plural, animate},
    {L"уми", 16, plural, inanimate},
    {L"очи, уши", 18, plural, inanimate},
    {L"вши", 19, plural, inanimate},
    {L"ежи, ужи", 19, plural, animate},
    {L"яви, ели, дни, пни, оси", 20, plural, inanimate},
    {L"паи, чаи, кии, бои, буи", 23, plural, inanimate},
    {L"феи", 26, plural, animate},
    {L"реи, шеи, туи", 45, plural, inanimate},
    {L"геи, гои", 118, plural, animate},
    {L"они, три", irregular_forms, plural, inanimate},
    {L"мои, эти", plural_pronoun_forms, plural, not_stored},
};

inline constexpr rule_row three_letters_y[] = {
    {L"асы, псы", 10, plural, animate},
    {L"ивы, оды, узы, омы, ямы, эры", 12, plural, inanimate},
    {L"осы", 14, plural, animate},
    {L"лбы, рвы, швы, яды, азы, умы, сны, ары, яры, усы, рты", 16, plural, inanimate},
};

inline constexpr rule_row three_letters_other[] = {
    {L"ямб, боб, зоб, дуб, зуб, куб, чуб, зев, рев, сев, зов, лов, рёв, шаг, бег, тег, миг, рог, луг, "
     L"зад, лад, сад, чад, мед, вид, год, йод, код, род, ход, ярд, гуд, зуд, пуд, суд, люд, ряд, мёд, "
     L"баз, газ, лаз, паз, раз, таз, низ, воз, вуз, туз, вяз, бак, лак, мак, век, чек, лик, пик, шик, "
     L"бок, док, рок, сок, ток, шок, иск, бук, лук, сук, тук, рык, люк, тюк, бал, вал, зал, кал, мел, "
     L"гол, кол, мол, пол, тол, фол, аул, гул, пул, пыл, тыл, гам, жим, рим, дом, ком, лом, ром, том, "
     L"зум, шум, дым, бан, сан, чан, ген, фен, чин, гон, дон, ион, кон, тон, фон, тын, тип, чип, шип, "
     L"топ, пуп, суп, щуп, рэп, бар, дар, жар, пар, шар, хер, жир, мир, пир, тир, акр, бор, мор, сор, "
     L"тор, хор, бур, тур, сыр, уяр, бас, пас, час, вес, лес, рис, икс, нос, мыс, мат, пат, бит, щит, "
     L"акт, дот, лот, опт, аут, фут, быт, уют, миф, риф, тиф, мах, пах, мех, цех, чих, мох, дух, пух, "
     L"нюх, меч, бич, луч, мяч, шиш, душ, куш", 54, masculine, inanimate},
    {L"сыч", 55, masculine, inanimate},
    {L"раб, зав, даг, маг, бог, дог, йог, гад, дед, гид, чиж, рак, хек, вик, кок, орк, жук, бык, зэк, "
     L"вол, мул, зам, хам, сом, кум, пан, хан, сын, коп, поп, вор, лор, мэр, пэр, сэр, бес, лис, рус, "
     L"кит, кот, шут, шеф, бах, шах, чех, лох, хях, ерш, лещ", 55, masculine, animate},
    {L"ёрш", yo_replaced_then_055, masculine, animate},
    {L"реж, нож, пыж", 1, masculine, inanimate},
    {L"паж, муж", 56, masculine, animate},
    {L"пес, пёс", 58, masculine, animate},
    {L"лай, май, пай, рай, чай, кий, бой, вой, рой, буй", 70, masculine, inanimate},
    {L"гей, гой", 50, masculine, animate},
    {L"лоб", 148, masculine, inanimate},
    {L"ров, шов", 149, masculine, inanimate},
    {L"лед, лёд", 150, masculine, inanimate},
    {L"лев", 151, masculine, animate},
    {L"рот", 158, masculine, inanimate},
    {L"сон", 161, masculine, inanimate},
    {L"лен, лён", 162, masculine, inanimate},
    {L"ваш, наш", 83, masculine, inanimate},
    {L"мой", 154, masculine, inanimate},
    {L"сей", 155, masculine, inanimate},
    {L"тот", 159, masculine, inanimate},
    {L"сам", 153, masculine, animate},
    {L"кто", 163, masculine, animate},
    {L"зея, рея, шея, тля, соя, туя, шуя", 44, feminine, inanimate},
    {L"рая, гея, фея, оля, эля, юля, аня, зоя, ася", 44, feminine, animate},
    {L"обь, явь, ель, ось", 48, feminine, inanimate},
    {L"моя, вся", 53, feminine, inanimate},
    {L"имя", 47, neuter, inanimate},
    {L"иго, око, зло, дно, ухо, эхо", 59, neuter, inanimate},
    {L"мое, моё", 81, neuter, inanimate},
    {L"всё", 82, neuter, inanimate},
    {L"оно", 152, neuter, inanimate},
    {L"сие", 156, neuter, inanimate},
    {L"это", 160, neuter, inanimate},
    {L"что", 164, neuter, inanimate},
    {L"сто", 136, plural, inanimate},
    {L"две", 157, plural, inanimate},
    // Agrees with its noun: the caller's animacy picks the accusative.
    {L"все", 77, plural, from_input},
};
// clang-format on

}  // namespace engine::short_word_lists
