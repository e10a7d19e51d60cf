#include <gtest/gtest.h>

#include "engine/declension/copy_letter_case.h"

using namespace engine;

namespace {

std::wstring cased(const std::wstring& source, std::wstring target) {
    copy_letter_case(source, target);
    return target;
}

}  // namespace

TEST(CopyLetterCase, FollowsTheReferenceAsWritten) {
    EXPECT_EQ(cased(L"ФИО", L"иванову ивану"), L"ИВАНОВУ ИВАНУ");
    EXPECT_EQ(cased(L"Фио", L"иванову ивану"), L"Иванову ивану");
    EXPECT_EQ(cased(L"ФИО директора", L"иванову ивану"), L"Иванову ивану");
    EXPECT_EQ(cased(L"фио", L"Иванову Ивану"), L"Иванову Ивану");
    EXPECT_EQ(cased(L"фиО", L"Иванову Ивану"), L"иванову ивану");
    EXPECT_EQ(cased(L"Истец.ФИО", L"иванову"), L"ИВАНОВУ");
    EXPECT_EQ(cased(L"2_ФИО", L"Иванову"), L"иванову");  // the first character decides
}

TEST(CopyLetterCase, ShortTextsAreLeftAlone) {
    EXPECT_EQ(cased(L"Ф", L"иванову"), L"иванову");
    EXPECT_EQ(cased(L"ФИО", L"и"), L"и");
    EXPECT_EQ(cased(L"Истец.", L"иванову"), L"иванову");
}

TEST(CopyLetterCase, MarkupKeepsItsCase) {
    EXPECT_EQ(cased(L"ДАТА", L"05&thinsp;января <span style=\"white-space:nowrap\">2024</span>"),
              L"05&thinsp;ЯНВАРЯ <span style=\"white-space:nowrap\">2024</span>");
    EXPECT_EQ(cased(L"Фото", L"<img src=\"data:image/png;base64,abc\"/>"), L"<img src=\"data:image/png;base64,abc\"/>");
    EXPECT_EQ(cased(L"Имя", L"&laquo;ромашка&raquo;"), L"&laquo;Ромашка&raquo;");
    EXPECT_EQ(cased(L"ИМЯ", L"a & b; c"), L"A & B; C");
    EXPECT_EQ(cased(L"ИМЯ", L"a < b"), L"A < B");
}
