#include <gtest/gtest.h>

#include "engine/document/process_state.h"
#include "engine/fields/base64.h"
#include "engine/fields/text_replace.h"
#include "engine/fields/tidy_number_text.h"

using namespace engine;

TEST(Base64, MatchesTheStandardVectors) {
    EXPECT_EQ(base64_encode(""), L"");
    EXPECT_EQ(base64_encode("f"), L"Zg==");
    EXPECT_EQ(base64_encode("fo"), L"Zm8=");
    EXPECT_EQ(base64_encode("foo"), L"Zm9v");
    EXPECT_EQ(base64_encode("foob"), L"Zm9vYg==");
    EXPECT_EQ(base64_encode("fooba"), L"Zm9vYmE=");
    EXPECT_EQ(base64_encode("foobar"), L"Zm9vYmFy");
    EXPECT_EQ(base64_encode("\xFF\xFE\x00\x80"), L"//4=");
    EXPECT_EQ(base64_encode(std::string("\xFB\xFF\x00", 3)), L"+/8A");
}

TEST(ReplaceAll, DoesNotReplaceInsideItsOwnReplacement) {
    std::wstring text = L"a.b.c";
    EXPECT_EQ(replace_all(text, L".", L".."), L"a..b..c");
    text = L"aaa";
    EXPECT_EQ(replace_all(text, L"a", L"ba"), L"bababa");
    EXPECT_EQ(erase_all(text, L"ba"), L"");
}

TEST(ReplaceAll, AnEmptyPatternChangesNothing) {
    std::wstring text = L"abc";
    EXPECT_EQ(replace_all(text, L"", L"x"), L"abc");
    EXPECT_EQ(erase_all(text, L""), L"abc");
}

TEST(TidyNumberText, ShortFormInTheDocumentLanguage) {
    current_language = 1;
    EXPECT_EQ(tidy_number_text(L"12.500000"), L"12,5");
    EXPECT_EQ(tidy_number_text(L"0.100000"), L"0,1");
    EXPECT_EQ(tidy_number_text(L"-3.250000"), L"-3,25");
    current_language = 0;
    EXPECT_EQ(tidy_number_text(L"12.500000"), L"12.5");
    EXPECT_EQ(tidy_number_text(L"100.000000"), L"100");
    EXPECT_EQ(tidy_number_text(L"7"), L"7");
    EXPECT_EQ(tidy_number_text(L""), L"");
}

TEST(TidyNumberText, MinusZeroAndNonFiniteTextsAreZero) {
    current_language = 0;
    EXPECT_EQ(tidy_number_text(L"-0.000000"), L"0");
    EXPECT_EQ(tidy_number_text(L"-0.500000"), L"-0.5");
    EXPECT_EQ(tidy_number_text(L"inf"), L"0");
    EXPECT_EQ(tidy_number_text(L"-nan"), L"0");
}
