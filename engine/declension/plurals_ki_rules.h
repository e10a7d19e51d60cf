// The endings of plurals in -ки (five letters or more), one group of rows per
// letter before "ки", each group opening with its default; then the whole
// words of a given length that depart from the endings. A word takes its
// longest matching entry, an entry with a condition beats the same ending
// without one, and a whole word beats every ending. A letter before "ки"
// without a group (г, к, х, ц, щ, ъ, э, ф, ё ...) matches nothing.
//
// Dictionary rows are copied as they stand, including forms that look
// doubtful (the accusative of the -аботки and -атаки rows).
#pragma once

#include "engine/declension/word_list.h"

namespace engine::plurals_ki {

using namespace list_codes;

// The plural's animacy is its singular's (кулаки against черпаки): the
// singular is asked, then paradigm_008 with animacy 1 or paradigm_015 with 0.
inline constexpr int by_singular = own_outcome + 10;
// -анки words, decided on the letters before "анки".
inline constexpr int anki_words = own_outcome + 11;

// clang-format off
inline constexpr rule_row rules[] = {
    // -аки
    {L"-аки", by_singular, plural, not_stored},
    {L"-собаки, -убаки, -еваки, -ужаки, -акаки, -исаки", 13, plural, animate},
    {L"-драки", 11, plural, not_stored},
    {L"-атаки", 13, plural, not_stored},
    // -бки
    {L"-бки", 15, plural, not_stored},
    {L"-бабки, -рыбки", 32, plural, animate},
    {L"-шибки, -[кр]обки, -убки, -лыбки, -июбки", 31, plural, not_stored},
    // -вки
    {L"-вки", 31, plural, not_stored},
    {L"-авки, -евки", 15, plural, inanimate},
    {L"-[бдрт]авки, -певки", 31, plural, inanimate},
    {L"-шавки, -девки", 32, plural, animate},
    {L"-оловки, -тровки, -[бт]рывки", 15, plural, not_stored},
    // -дки
    {L"-дки", 31, plural, not_stored},
    {L"-падки, -аводки, -родки, -рядки", 15, plural, not_stored},
    {L"-оедки, -редки, -[ао]седки, -ндки, -водки", 32, plural, animate},
    {L"-предки", 8, plural, animate},
    {L"-гудки", 15, plural, inanimate},
    {L"-[аг]рядки", 31, plural, not_stored},
    // -еки
    {L"-еки", 11, plural, not_stored},
    {L"-збеки, -восеки", 8, plural, animate},
    {L"-овеки, -алеки", 13, plural, animate},
    {L"-тсеки", 15, plural, not_stored},
    // -жки
    {L"-жки", 28, plural, not_stored},
    {L"-вражки, -снежки, -апожки, -[ио]рожки, -рыжки", 15, plural, not_stored},
    {L"-вежки", 29, plural, animate},
    // -зки
    {L"-зки", 31, plural, not_stored},
    {L"-р[ео]зки", 15, plural, not_stored},
    // -ики
    {L"-ики", by_singular, plural, not_stored},
    {L"-заики", 13, plural, animate},
    {L"-одики, -блики, -олики", 15, plural, not_stored},
    {L"-тодики, -публики, -плики, -номики, -линики, -роники, -абрики, -мерики, -актики, -астики", 11, plural,
     not_stored},
    {L"-улики, -омики, -иники, -оники, -хники, -брики, -ерики, -ктики, -стики", 8, plural, animate},
    {L"-стики (contains характер)", 11, plural, inanimate},
    {L"-ящики", 15, plural, inanimate},
    // -йки
    {L"-йки", 35, plural, inanimate},
    {L"-[взнч]айки, -[вгдм]ейки, -пейки (first letter е), -[ия]йки", 30, plural, animate},
    {L"-пайки", 15, plural, not_stored},
    {L"-фейки, -фэйки", 15, plural, inanimate},
    // -лки
    {L"-лки", 31, plural, not_stored},
    {L"-[динрс]алки, -[бт]елки, -тёлки", 32, plural, animate},
    {L"-[змс]елки, -уголки, -сколки, -[пт]олки, -[еч]улки, -мылки, -атылки, -сёлки", 15, plural, not_stored},
    {L"-челки (first letter п)", 32, plural, not_stored},
    {L"-волки", 8, plural, animate},
    // -мки
    {L"-мки", 31, plural, not_stored},
    {L"-замки, -ремки, -снимки, -бломки, -дымки", 15, plural, not_stored},
    {L"-[мс]амки, -немки, -[кн]омки", 32, plural, animate},
    {L"-томки (first letter п), -оумки", 8, plural, animate},
    // -нки
    {L"-нки", 31, plural, not_stored},
    {L"-звонки, -[гдз]унки, -исунки", 15, plural, not_stored},
    {L"-[вджмрщ]енки, -аинки, -винки (first letter т), -узинки, -ппинки, -етинки, -[зи]онки, -японки, "
     L"-[авеи]янки, -·лянки (first letter р), -[вг]лянки, -[ео]рянки, -[ипь]тянки, -рёнки", 32, plural, animate},
    {L"-одонки, -сынки", 8, plural, animate},
    {L"-анки", anki_words, plural, not_stored},
    // -оки
    {L"-оки", 11, plural, not_stored},
    {L"-одоки", 8, plural, not_stored},
    {L"-о[лт]оки, -лноки, -[су]роки", 15, plural, not_stored},
    {L"-гроки, -ророки", 8, plural, animate},
    {L"-ороки", 13, plural, animate},
    // -пки
    {L"-пки", 31, plural, not_stored},
    {L"-[лр]епки, -[пт]упки", 15, plural, not_stored},
    // -рки
    {L"-рки", 31, plural, inanimate},
    {L"-одарки, -парки, -омерки, -черки", 15, plural, not_stored},
    {L"-[ктхч]арки, -жерки (first letter с), -онерки, -ушерки, -ящерки, -яжирки, -шкирки, -вчурки, -оярки", 32,
     plural, animate},
    {L"-верки, -жерки, -мерки, -нерки, -шерки, -щерки, -жирки, -кирки, -чурки", 31, plural, not_stored},
    {L"-верки (first letter ф)", 15, plural, inanimate},
    {L"-клерки, -идурки", 8, plural, animate},
    {L"-умерки", 28, plural, not_stored},
    // -ски
    {L"-ски", 31, plural, not_stored},
    {L"-лески, -диски, -поиски, -писки, -[лр]оски, -носки, -[пр]уски", 15, plural, not_stored},
    {L"-редиски, -записки, -реписки, -бноски", 31, plural, not_stored},
    {L"-киски", 32, plural, animate},
    // -тки
    {L"-тки", 31, plural, not_stored},
    {L"-[бимпр]атки, -[дт]етки, -летки, -юнетки, -[аея]нтки, -иотки, -настки (first letter г), "
     L"-вестки (first letter н), -истки, -итутки, -тётки", 32, plural, animate},
    {L"-датки, -аботки", 32, plural, not_stored},
    {L"-аботки (contains заработ)", 15, plural, not_stored},
    {L"-адатки", 15, plural, animate},
    {L"-платки, -статки, -ечатки, -цветки, -житки, -слитки, -апитки, -о[глт]отки, -частки, -остки, -убытки, "
     L"-взятки, -сятки", 15, plural, not_stored},
    {L"-клетки", 31, plural, animate},
    {L"-чистки", 31, plural, not_stored},
    {L"-дростки", 8, plural, animate},
    {L"-жутки", 15, plural, inanimate},
    // -уки
    {L"-уки", 11, plural, not_stored},
    {L"-тбуки", 15, plural, inanimate},
    {L"-внуки, -нруки", 8, plural, animate},
    {L"-стуки", 8, plural, not_stored},
    // -чки
    {L"-чки", 28, plural, not_stored},
    {L"-ыбачки, -огачки, -[зс]ачки, -ипачки, -рачки, -бечки, -овечки, -ядечки, -[её]течки, "
     L"-очечки (first letter д), -евички, -трички, -исички, -птички, -евочки, -внучки, -[ио]рячки", 29, plural,
     animate},
    {L"-[кн]ачки", 29, plural, not_stored},
    {L"-лачки", 15, plural, not_stored},
    {L"-дурачки, -ички, -ыночки, -жучки, -бычки", 8, plural, animate},
    {L"-ыречки, -блучки, -сучки, -рёчки", 15, plural, inanimate},
    {L"-спички, -ещички", 28, plural, inanimate},
    {L"-адочки", 15, plural, animate},
    // -шки
    {L"-шки", 28, plural, not_stored},
    {L"-онашки, -ташки, -[уы]нишки, -атишки, -кошки, -абушки, -евушки, -ягушки, -душки, -укушки, -[аеё]тушки, "
     L"-мышки, -ядюшки, -йняшки", 29, plural, animate},
    {L"-ешки, -кишки", 15, plural, not_stored},
    {L"-иешки, -ьмешки, -епешки", 28, plural, not_stored},
    {L"-рошки", 15, plural, inanimate},
    {L"-ршки", 15, plural, animate},
    // -ыки
    {L"-ыки", 15, plural, not_stored},
    {L"-лмыки", 8, plural, animate},
    // -ьки
    {L"-ьки", 36, plural, not_stored},
    {L"-ядьки, -яньки", 37, plural, animate},
    {L"-оньки, -ырьки", 15, plural, inanimate},
    // -юки
    {L"-юки", 11, plural, not_stored},
    {L"-адюки", 13, plural, animate},
    {L"-ндюки", 8, plural, animate},
    {L"-глюки, -крюки", 15, plural, inanimate},
    // -яки
    {L"-яки", 11, plural, inanimate},
    {L"-рвяки, -оляки, -[бо]ряки, -ньяки", 8, plural, animate},
    {L"-бияки, -уляки", 13, plural, animate},
    {L"-тояки", 15, plural, inanimate},

    // Whole words of five letters.
    {L"дочки, чешки, мошки", 29, plural, animate},
    {L"дубки, кубки, совки, рывки, мазки, комки, танки, венки, рынки, пески, риски, соски, куски, мотки, бачки, "
     L"начки, башки", 15, plural, not_stored},
    {L"сырки", 15, plural, inanimate},
    {L"панки, щенки, сурки, качки, рачки, сачки", 8, plural, animate},
    {L"иалки, занки, ханки, чанки, чарки, патки", 31, plural, not_stored},
    {L"тезки, тёзки, галки, турки", 32, plural, animate},
    {L"лайки", 30, plural, animate},
    {L"улики", 11, plural, not_stored},
    {L"виски", keep_word, plural, not_stored},
    // Whole words of six letters.
    {L"=·венки, =·сачки", 8, plural, animate},
    {L"=·садки, =·танки, =·бачки, =·начки", 15, plural, not_stored},
    {L"=·иалки, =·занки, =·ханки, =·чанки, =·аинки, =·патки", 31, plural, not_stored},
    {L"колики", 11, plural, not_stored},
    // Whole words of seven letters.
    {L"=··занки, =··ханки, =··чанки, =··патки", 31, plural, not_stored},
    {L"=··танки", 15, plural, not_stored},
    {L"=·[^т]ровки", 32, plural, animate},
    // Whole words of eight letters.
    {L"=··асотки", 32, plural, animate},
};

// -анки words by the letters before "анки" and the first letter. A letter
// without a row (фанки) leaves the word as it is.
inline constexpr rule_row anki_rules[] = {
    {L"-анки", keep_word, plural, not_stored},
    {L"-банки, -ланки", 15, plural, not_stored},
    {L"-ванки (first letter б)", 31, plural, not_stored},
    {L"-ванки", 32, plural, animate},
    {L"-ганки (first letter п)", 31, plural, not_stored},
    {L"-ганки", 32, plural, animate},
    {L"-данки (first letter г)", 32, plural, animate},
    {L"-данки", 31, plural, not_stored},
    {L"-жанки (first letter л)", 31, plural, not_stored},
    {L"-жанки", 32, plural, animate},
    {L"-[зипухчщ]анки", 32, plural, animate},
    {L"-канки (first letter [зч])", 31, plural, not_stored},
    {L"-канки", 32, plural, animate},
    {L"-[оь]манки", 32, plural, animate},
    {L"-манки", 31, plural, not_stored},
    {L"-баранки", 31, plural, inanimate},
    {L"-ирранки, -странки", 32, plural, animate},
    {L"-франки", 15, plural, animate},
    {L"-ранки", 31, plural, not_stored},
    {L"-санки", 31, plural, not_stored},
    {L"-танки", 32, plural, not_stored},
    {L"-ацанки", 32, plural, animate},
    {L"-цанки", 31, plural, not_stored},
};
// clang-format on

}  // namespace engine::plurals_ki
