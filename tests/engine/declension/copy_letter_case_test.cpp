#include <gtest/gtest.h>

#include "engine/declension/copy_letter_case.h"

TEST(CopyLetterCase, FollowsTheReferenceAsWrittenLeavingShortTextsAndMarkupAlone) {
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
    for (const auto& one : cases) {
        std::wstring target = one.target;
        engine::copy_letter_case(one.source, target);
        EXPECT_EQ(target, one.cased) << one.source;
    }
}
