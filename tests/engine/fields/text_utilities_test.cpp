#include <gtest/gtest.h>

#include "engine/fields/base64.h"
#include "engine/fields/tidy_number_text.h"
#include "engine/text/text_replace.h"

using namespace engine;

TEST(Base64, MatchesTheStandardVectors) {
    // clang-format off
    const std::pair<std::string, const wchar_t*> cases[] = {
        {"", L""}, {"f", L"Zg=="}, {"fo", L"Zm8="}, {"foo", L"Zm9v"}, {"foob", L"Zm9vYg=="}, {"fooba", L"Zm9vYmE="},
        {"foobar", L"Zm9vYmFy"}, {"\xFF\xFE", L"//4="}, {std::string("\xFB\xFF\x00", 3), L"+/8A"}};
    // clang-format on
    for (const auto& [bytes, expected] : cases) EXPECT_EQ(base64_encode(bytes), expected) << bytes;
}

TEST(ReplaceAll, DoesNotReplaceInsideItsOwnReplacementNorMatchAnEmptyPattern) {
    std::wstring text = L"aaa";
    EXPECT_EQ(replace_all(text, L"a", L"ba"), L"bababa");
    EXPECT_EQ(replace_all(text, L"", L"x"), L"bababa");
    EXPECT_EQ(erase_all(text, L""), L"bababa");
    EXPECT_EQ(erase_all(text, L"ba"), L"");
}

TEST(TidyNumberText, ShortFormInTheDocumentLanguageAndNoMinusZeroOrNonFinite) {
    EXPECT_EQ(tidy_number_text(L"-3.250000", 1), L"-3,25");
    const std::pair<const wchar_t*, const wchar_t*> cases[] = {
        {L"12.500000", L"12.5"}, {L"100.000000", L"100"}, {L"7", L"7"},   {L"", L""},
        {L"-0.000000", L"0"},    {L"-0.500000", L"-0.5"}, {L"inf", L"0"}, {L"-nan", L"0"}};
    for (auto [text, expected] : cases) EXPECT_EQ(tidy_number_text(text, 0), expected) << text;
}
