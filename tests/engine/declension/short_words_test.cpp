// Two-, three- and four-letter words outside the lists. Every listed word,
// with its forms and stores, is in the handler probes (probes/short_words.tsv).
#include "engine/declension/decline_word.h"
#include "tests/engine/declension/declension_test_support.h"

using decl_test::expect_decl;
using decl_test::untouched;

TEST(ShortWords, UnlistedWordsComeBackUntouched) {
    for (const wchar_t* word : {L"ёмь", L"ОН", L"Кот", L"xy", L"кту", L"тою", L"атэ", L"объ",
                                L"кофу", L"меню", L"каноэ", L"подъ", L"хрюю", L"абвж"})
        for (int c = 1; c <= 6; ++c) expect_decl(word, c, word, untouched, untouched);
}
