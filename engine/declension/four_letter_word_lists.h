// The word lists of four-letter words whose final letter the core lists
// itself (а б в г д е з и й к, and every letter without a four-letter handler
// of its own). Each row: the words, what declines them, gender, animacy. е
// and ё are different letters, so a word known with both has two entries.
#pragma once

#include "engine/declension/word_list.h"

namespace engine::four_letter_word_lists {

using namespace list_codes;

// clang-format off
inline constexpr rule_row four_letters_a[] = {
    {L"изба, роба, арба, губа, туба, шуба, дыба, лава, пава, нева, язва, нива, айва, лада, рада, беда, езда, мзда, "
     L"узда, вода, кода, мода, сода, орда, дуда, руда, база, ваза, фаза, виза, риза, доза, лоза, поза, роза, зала, "
     L"игла, мгла, жила, пила, сила, зола, тула, хула, рама, тема, зима, уйма, кома, дума, сума, чума, яшма, тьма, "
     L"рана, вена, иена, мена, пена, цена, мина, тина, шина, зона, урна, луна, руна, дюна, лапа, репа, щепа, кипа, "
     L"липа, оспа, лупа, жара, кара, пара, тара, фара, игра, югра, мера, сера, кира, лира, икра, гора, кора, нора, "
     L"пора, фора, шора, аура, дура, мура, фура, охра, дыра, раса, коса, роса, ряса, вата, дата, фата, хата, чета, "
     L"бита, рита, чита, ялта, йота, нота, рота, юрта, яхта, мята, пята, софа, арфа", 2, feminine, inanimate},
    {L"баба, жаба, раба, рыба, люба, дева, дива, сова, лида, люда, лиза, коза, муза, мила, алла, элла, дама, лама, "
     L"мама, эмма, кума, пума, жена, лена, дина, зина, нина, анна, инна, цыпа, лара, вера, лера, шура, киса, лиса, "
     L"овца", 2, feminine, animate},
    {L"лева, сева, вова, иуда, сема, дима, рома, фома, сёма, тёма, гена, папа, жора", 2, masculine, animate},
    {L"сага, нега, жига, лига, рига, фига, йога, нога, тога, дуга, нуга, фуга, тяга, межа, лыжа, юбка, явка, дека, "
     L"река, чека, щека, пика, елка, ёлка, ямка, арка, мука, рука, юшка, бяка, веха, соха, моча, душа", 3, feminine, inanimate},
    {L"инга, вика, ника, анка, утка, лука, сука, щука, муха", 3, feminine, animate},
    {L"кака", 3, masculine, inanimate},
    {L"юнга, яшка", 3, masculine, animate},
    {L"сажа, жижа, кожа, ложа, рожа, лужа, дача, чача, куча, туча, каша, маша, чаша, ниша, ноша, орша, суша, туша, "
     L"чаща, пища, роща, гуща, куща, пуща", 4, feminine, inanimate},
    {L"даша, нюша, теща, тёща", 4, feminine, animate},
    {L"паша, саша, леша, миша, гоша, лёша", 4, masculine, animate},
    {L"ядра", 63, feminine, inanimate},
    {L"одна", 103, feminine, inanimate},
    {L"сама", 103, feminine, animate},
    {L"бега, рога, луга, рода, суда, века, бока, дома, сома, тома, тона, веса, леса, меха, цеха", 5, plural, inanimate},
    {L"жала, дела, села, тела, сёла, вина, лета, уста", 6, plural, inanimate},
    {L"лица", 7, plural, inanimate},
    {L"чада", 7, plural, animate},
    {L"года", 41, plural, inanimate},
    {L"окна", 61, plural, inanimate},
    {L"яйца", irregular_forms, plural, inanimate},
};

inline constexpr rule_row four_letters_b[] = {
    {L"штаб, ухаб, хлеб, сгиб, гриб, ушиб, лимб, нимб, ромб, румб, гроб, герб, горб, клуб, сруб", 54, masculine, inanimate},
    {L"араб, краб, глеб, сноб, серб", 55, masculine, animate},
};

inline constexpr rule_row four_letters_v[] = {
    {L"нрав, ржев, киев, клев, хлев, гнев, шкив, слив, штив, сшив, плов, улов, кров, нерв, смыв, срыв, клюв, клёв", 54, masculine, inanimate},
    {L"удав, яков", 55, masculine, animate},
};

inline constexpr rule_row four_letters_g[] = {
    {L"флаг, очаг, снег, визг, мозг, лязг, бриг, долг, ранг, ринг, гонг, кунг, ожог, слог, смог, грог, итог, стог, "
     L"морг, торг, плуг, круг, утюг, стяг", 54, masculine, inanimate},
    {L"враг, олег, друг", 55, masculine, animate},
};

inline constexpr rule_row four_letters_d[] = {
    {L"клад, спад, град, обед, плед, след, бред, вред, уезд, спид, рейд, зонд, фонд, обод, ввод, свод, увод, диод, "
     L"плод, анод, брод, вход, сход, уход, корд, форд, неуд, блуд, пруд, труд, стыд, этюд", 54, masculine, inanimate},
    {L"швед, фред, овод, удод, ирод, урод, бард, лорд, курд", 55, masculine, animate},
};

inline constexpr rule_row four_letters_e[] = {
    {L"поле, горе, море", 79, neuter, inanimate},
    {L"свое, твое, ваше", 81, neuter, inanimate},
    {L"ложе", irregular_forms, neuter, inanimate},
    // Indeclinable: желе, кафе and their like.
    {L"=·еле, =·афе", keep_word, neuter, not_stored},
    {L"двое, трое", 80, plural, inanimate},
    // Adjectives agree with their noun: the caller's animacy picks the accusative.
    {L"алые, иные, оные, юные, ярые", 78, plural, from_input},
};

inline constexpr rule_row four_letters_z[] = {
    {L"джаз, сказ, указ, глаз, диез, срез, урез, бриз, приз, ценз, обоз, ввоз, своз, увоз, груз, втуз, блюз, шлюз, "
     L"союз", 54, masculine, inanimate},
};

inline constexpr rule_row four_letters_i[] = {
    {L"даги, маги, боги, доги, йоги, раки, хеки, коки, жуки, быки, зэки, шахи, чехи, лохи, ляхи", 8, plural, animate},
    {L"саги, неги, лиги, фиги, ноги, тоги, дуги, туги, фуги, тяги, кожи, ложи, рожи, лужи, лыжи, каки, веки, деки, "
     L"реки, щеки, пики, муки, руки, щёки, вехи, сохи, дачи, кучи, тучи, каши, чаши, ниши, ноши, души, туши, чащи, "
     L"рощи, кущи, пущи", 11, plural, inanimate},
    {L"юнги, суки, щуки, бяки, мухи, тещи, тёщи", 13, plural, animate},
    {L"шаги, теги, миги, баки, лаки, маки, чеки, лики, доки, соки, токи, шоки, иски, буки, луки, очки, люки, тюки, "
     L"махи, мехи, чихи, духи", 15, plural, inanimate},
    {L"рыки", 15, plural, animate},
    {L"межи, ножи, пыжи, мечи, печи, речи, сечи, течи, ночи, лучи, мячи, шиши, вещи, мощи", 18, plural, inanimate},
    {L"ерши", 18, plural, animate},
    {L"пажи, чижи, мужи, бичи, сычи, мыши, лещи", 19, plural, animate},
    {L"зыби, зяби, пади, мази, рези, вязи, дали, шали, угли, гели, мели, сели, цели, щели, кили, боли, доли, ноли, "
     L"роли, соли, ясли, нули, рули, были, люли, ляли, дани, сани, юани, огни, пени, сени, тени, сини, цепи, сипи, "
     L"копи, топи, лари, шири, веси, выси, рати, сети, нити, пути", 20, plural, inanimate},
    {L"мили, дули, пули, бани, дыни, хари, гири, зори, бури, сиси", 22, plural, inanimate},
    {L"сони, няни", 22, plural, animate},
    {L"елеи, клеи, обои, сбои, удои, слои, ульи", 23, plural, inanimate},
    {L"люди, дети", 24, plural, animate},
    {L"пяди", 25, plural, inanimate},
    {L"дяди, лани, кони, луни, цари, хори, лоси, гуси, рыси, бати, тати, тети, зяти, тяти, тёти", 25, plural, animate},
    {L"швеи, змеи", 26, plural, animate},
    {L"одни, ваши, наши", 27, plural, inanimate},
    {L"сами", 27, plural, animate},
    {L"ушки, юшки", 28, plural, inanimate},
    {L"юбки, явки, елки, ёлки, ямки, арки", 31, plural, inanimate},
    {L"утки", 32, plural, animate},
    {L"сваи, стаи, идеи, унии, арии", 45, plural, inanimate},
    {L"свои, твои", plural_pronoun_forms, plural, not_stored},
};

inline constexpr rule_row four_letters_j[] = {
    {L"край, елей, клей, иней, опий, сбой, убой, удой, слой, гной, зной", 70, masculine, inanimate},
    {L"улей", 72, masculine, inanimate},
    {L"свой, твой", 154, masculine, inanimate},
    {L"змей, змий", 50, masculine, animate},
    {L"юлий, юрий", 175, masculine, animate},
    // Adjectives agree with their noun: the caller's animacy picks the accusative.
    {L"экий", 73, masculine, from_input},
    {L"злой, иной", 75, masculine, from_input},
    {L"алый, оный, юный, ярый", 76, masculine, from_input},
};

inline constexpr rule_row four_letters_k[] = {
    {L"злак, шлак, смак, знак, брак, ирак, мрак, фрак, шнек, трек, отек, стек, блик, клик, флик, ялик, ерик, крик, "
     L"усик, ящик, байк, лайк, фейк, фэйк, шелк, полк, толк, шёлк, банк, танк, цинк, блок, клок, прок, срок, урок, "
     L"сток, шток, парк, цирк, диск, писк, риск, ейск, омск, воск, лоск, орск, пуск, сыск, звук, стук, язык, клык, "
     L"арык, стык, штык, глюк, крюк, трюк, урюк, маяк, отёк", 54, masculine, inanimate},
    {L"ишак, грек, ежик, ёжик, алик, волк, панк, едок, инок, марк, паук, внук, шрэк, дьяк", 55, masculine, animate},
    {L"паек, чаек, боек, буек, паёк, чаёк, боёк, буёк", 68, masculine, inanimate},
};

inline constexpr rule_row four_letters_other[] = {
    {L"стаж, шарж, пляж, вояж, шпиц, герц, ржач, плач, срач, клич, матч, патч, путч, пунш, марш, фарш, овощ, борщ", 1, masculine, inanimate},
    {L"этаж, корж, шкаф, блеф, глиф, гриф, сейф, штоф, шарф, торф, штуф, крах, прах, смех, грех, орех, стих, рейх, "
     L"вдох, верх, обух, слух, жмых, плац, ключ, ковш, грош, плащ, пращ, свищ, прыщ, плющ, хрящ", 54, masculine, inanimate},
    {L"рвач", 54, masculine, animate},
    {L"крыж", 55, masculine, inanimate},
    {L"бомж, морж, граф, скиф, эльф, псих, шейх, сикх, олух, лжец, жнец, жрец, чтец, ткач, врач, грач, усач, клещ", 55, masculine, animate},
    {L"фриц, потц, паяц, неуч", 56, masculine, animate},
    {L"юнец, отец", 57, masculine, animate},
    {L"боец, заяц", irregular_forms, masculine, animate},
    {L"елец", irregular_forms, masculine, inanimate},
    {L"своё, твоё", 81, neuter, inanimate},
};
// clang-format on

}  // namespace engine::four_letter_word_lists
