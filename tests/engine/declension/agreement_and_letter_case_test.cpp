#include <gtest/gtest.h>

#include "engine/declension/agreement.h"
#include "engine/declension/copy_letter_case.h"

using engine::agree_with_gender;

TEST(GenderAgreement, WholeWordsEndingsAndTheGenderLetterInAnyLetterCase) {
    // The word, then its forms for gender codes 1, 2, 3, 4.
    // clang-format off
    const wchar_t* words[][5] = {
        {L"он", L"он", L"она", L"оно", L"они"}, {L"ДОЛЖЕН", L"должен", L"должна", L"должно", L"должны"},
        {L"Г-Н", L"г-н", L"г-жа", L"г-н", L"г-н"}, {L"Нём", L"нем", L"ней", L"нем", L"них"},
        {L"  весь\t", L"весь", L"вся", L"всё", L"все"},
        {L"Гражданин", L"гражданин", L"гражданка", L"гражданин", L"гражданин"},
        {L"действующий", L"действующий", L"действующая", L"действующее", L"действующие"},
        {L"обязался", L"обязался", L"обязалась", L"обязалось", L"обязались"},
        {L"Действующего", L"действующего", L"действующей", L"действующего", L"действующих"},
        {L"другой", L"другой", L"другая", L"другое", L"другие"},
        {L"кий", L"кий", L"кийа", L"кийо", L"кийы"},  // only a word longer than the ending takes it
        {L"обязан", L"обязан", L"обязана", L"обязано", L"обязаны"},
        {L"Принят", L"принят", L"принята", L"принято", L"приняты"}, {L"мог", L"мог", L"могла", L"могло", L"могли"},
    };
    // clang-format on
    for (const auto& w : words)
        for (std::uint32_t code = 1; code <= 4; ++code)
            EXPECT_EQ(agree_with_gender(w[0], code), w[code]) << code;
    const std::pair<const wchar_t*, const wchar_t*> plurals[] = {
        {L"уведомил", L"уведомили"}, {L"велик", L"велики"}, {L"свеж", L"свежи"}, {L"тих", L"тихи"}};
    for (const auto& [word, plural] : plurals) EXPECT_EQ(agree_with_gender(word, 4), plural);
}

TEST(GenderAgreement, EveryOtherCodeIsMasculine) {
    for (std::uint32_t code : {0u, 1u, 5u, 38u, 39u, 45u, 0xFFFFFFFFu}) {
        EXPECT_EQ(agree_with_gender(L"ОН", code), L"он") << code;
        EXPECT_EQ(agree_with_gender(L"обязан", code), L"обязан") << code;
        EXPECT_EQ(agree_with_gender(L"действующий", code), L"действующий") << code;
    }
}

TEST(GenderAgreement, EmptyAndEscapedText) {
    EXPECT_EQ(agree_with_gender(L"", 2), L"");
    EXPECT_EQ(agree_with_gender(L" \t\r\n", 2), L"");
    // Entity names come back in lower case, as the page needs them.
    EXPECT_EQ(agree_with_gender(L"&apos;он&apos;", 1), L"&apos;он&apos;");
    EXPECT_EQ(agree_with_gender(L"&LT;обязан", 2), L"&lt;обязана");
}

TEST(CopyLetterCase, FollowsTheReferenceAsWrittenLeavingShortTextsAndMarkupAlone) {
    // clang-format off
    const struct { const wchar_t *source, *target, *cased; } cases[] = {
        {L"ФИО", L"иванову ивану", L"ИВАНОВУ ИВАНУ"},  {L"Фио", L"иванову ивану", L"Иванову ивану"},
        {L"ФИО директора", L"иванову ивану", L"Иванову ивану"}, {L"фио", L"Иванову Ивану", L"Иванову Ивану"},
        {L"фиО", L"Иванову Ивану", L"иванову ивану"}, {L"Истец.ФИО", L"иванову", L"ИВАНОВУ"},
        {L"2_ФИО", L"Иванову", L"иванову"},  // the first character decides
        {L"Ф", L"иванову", L"иванову"}, {L"ФИО", L"и", L"и"}, {L"Истец.", L"иванову", L"иванову"},
        {L"ДАТА", L"05&thinsp;января <span style=\"white-space:nowrap\">2024</span>",
         L"05&thinsp;ЯНВАРЯ <span style=\"white-space:nowrap\">2024</span>"},
        {L"Фото", L"<img src=\"data:image/png;base64,abc\"/>", L"<img src=\"data:image/png;base64,abc\"/>"},
        {L"Имя", L"&laquo;ромашка&raquo;", L"&laquo;Ромашка&raquo;"},
        {L"ИМЯ", L"a & b; c", L"A & B; C"}, {L"ИМЯ", L"a < b", L"A < B"},
    };
    // clang-format on
    for (const auto& one : cases) {
        std::wstring target = one.target;
        engine::copy_letter_case(one.source, target);
        EXPECT_EQ(target, one.cased) << one.source;
    }
}
