#include <gtest/gtest.h>
#include <unicode/uchar.h>

#include <clocale>

#include "engine/text/html_escape.h"
#include "engine/text/markup_text.h"
#include "engine/text/number_text.h"
#include "engine/text/text_case.h"
#include "engine/text/utf16.h"
#include "engine/text/word_key.h"

using namespace engine;

TEST(Utf16, LoneSurrogatesSurviveARoundTripAndOutOfRangeValuesAreReplaced) {
    std::u16string units = {u'A', 0xD83D, 0xDE00, 0xD800, u'B', 0xDC01};
    std::wstring text = from_utf16(units);
    ASSERT_EQ(text.size(), 5u);
    EXPECT_EQ(text[1], wchar_t(0x1F600));
    EXPECT_EQ(to_utf16(text), units);
    EXPECT_EQ(utf16_length(text), units.size());
    EXPECT_EQ(to_utf16(std::wstring(1, wchar_t(0x110000))), std::u16string(1, char16_t(0xFFFD)));
}

TEST(Utf8, RoundTripsAndReplacesWhatItCannotCarry) {
    std::wstring text = L"Договор № 5 — €\U0001F600";
    EXPECT_EQ(from_utf8(to_utf8(text)), text);
    EXPECT_EQ(to_utf8(std::wstring(1, wchar_t(0xD800))), "\xEF\xBF\xBD");
    EXPECT_EQ(from_utf8("a\xC3"), L"a\uFFFD");
    EXPECT_EQ(from_utf8("\xE2\x28\xA1"), L"\uFFFD(\uFFFD");
}

TEST(TextCase, MapsCyrillicAndLatinWithoutChangingLength) {
    EXPECT_EQ(to_lower(L"ДОГОВОР Ёлка ABC"), L"договор ёлка abc");
    EXPECT_EQ(to_upper(L"ёж straße"), L"ЁЖ STRAßE");
    EXPECT_EQ(to_lower_char(wchar_t(0x7FFFFFFF)), wchar_t(0x7FFFFFFF));
    // The quick answers for Latin and basic Cyrillic agree with ICU everywhere.
    for (wchar_t c = -1; c <= 0x110000; ++c) {
        const bool in_range = c >= 0 && c <= 0x10FFFF;
        const UChar32 u = in_range ? UChar32(c) : 0;
        ASSERT_EQ(to_lower_char(c), in_range ? wchar_t(u_tolower(u)) : c) << int(c);
        ASSERT_EQ(to_upper_char(c), in_range ? wchar_t(u_toupper(u)) : c) << int(c);
        ASSERT_EQ(is_upper_char(c), in_range && u_isupper(u)) << int(c);
        ASSERT_EQ(is_alpha_char(c), in_range && u_isalpha(u)) << int(c);
    }
}

TEST(NumberText, FormatsAndReadsLikeTheCLocaleWhateverTheProcessLocale) {
    const char* ru = std::setlocale(LC_ALL, "ru_RU.UTF-8");
    EXPECT_EQ(format_fixed6(172.0f), L"172.000000");
    EXPECT_EQ(format_fixed6(-0.5), L"-0.500000");
    EXPECT_EQ(read_double_prefix(L"  3.25e2xyz"), 325.0);
    if (ru) std::setlocale(LC_ALL, "C");
    EXPECT_EQ(read_int64_prefix(L"  -17abc"), -17);
    EXPECT_EQ(read_int64_prefix(L"0x1F"), 0);  // no hexadecimal: the 0 alone is read
    EXPECT_FALSE(read_int64_prefix(L"99999999999999999999").has_value());
    EXPECT_FALSE(read_double_prefix(L"inf").has_value());
    EXPECT_FALSE(read_double_prefix(L"nan").has_value());
    EXPECT_FALSE(read_double_prefix(L"1e999").has_value());
    EXPECT_EQ(read_double_prefix(L"2e"), 2.0);
}

TEST(HtmlEscape, EscapesTheFiveSpecialCharacters) {
    EXPECT_EQ(html_escape(L"<a href=\"x\">Tom & Jerry's</a>"),
              L"&lt;a href=&quot;x&quot;&gt;Tom &amp; Jerry&#39;s&lt;/a&gt;");
}

TEST(WordKey, BlankRunsBecomeOneBarAndTextIsLowered) {
    // clang-format off
    const std::pair<const wchar_t*, const wchar_t*> cases[] = {
        {L" \t\r\n ", L""},
        {L"month\t\n in  words", L"month|in|words"},
        {L"a | b", L"a|||b"},  // typed bars stay except at the end
        {L"|a b|", L"|a|b"},
        {L"a||| ", L"a"},
        {L"a\u00A0b\vc", L"a\u00A0b\vc"},  // only the four blanks separate words
        {L"ДАТА Составления 2-й №5", L"дата|составления|2-й|№5"},
    };
    // clang-format on
    for (const auto& [text, key] : cases) EXPECT_EQ(make_word_key(text), key) << text;
    EXPECT_EQ(join_words(L"  Договоры/Договор  Купли\tПродажи "),
              L"Договоры/Договор|Купли|Продажи");
}

TEST(WordKey, EqualityWithoutBuildingTheKeyAgreesWithTheKey) {
    const wchar_t* texts[] = {
        L"",         L" ",    L"a",    L"A b",    L" a | b ",          L"|a",
        L"a|",       L"a| |", L"ab",   L"a  b\t", L"ДАТА Составления", L"дата|составления",
        L"a\u00A0b", L"||",   L"a b c"};
    for (const wchar_t* text : texts) {
        for (const wchar_t* other : texts) {
            std::wstring key = make_word_key(other);
            EXPECT_EQ(word_key_equals(text, key), make_word_key(text) == key)
                << text << L" / " << other;
        }
    }
    // The quick lowering agrees with the full mapping.
    for (wchar_t c = 1; c < 0x0530; ++c) {
        std::wstring text(1, c);
        EXPECT_TRUE(word_key_equals(text, make_word_key(text))) << int(c);
    }
}

TEST(MarkupToText, DropsTagsAndReadsCharacterReferencesButKeepsWhatIsNeither) {
    const std::pair<std::wstring_view, std::wstring_view> cases[] = {
        {L"<span style=\"white-space:nowrap\">150&thinsp;000,00</span>&nbsp;руб.",
         L"150\u2009000,00\u00A0руб."},
        {L"a<br/>b<!-- note -->c</p>", L"abc"},
        {L"&amp;lt; &lt;b&gt; &#169; &#xA9; &#X2116;", L"&lt; <b> \u00A9 \u00A9 \u2116"},
        {L"a < b, R&D, &unknown; &#xD800; &#1114112; &; &#;",
         L"a < b, R&D, &unknown; &#xD800; &#1114112; &; &#;"},
        {L"<unclosed", L"<unclosed"},
        {L"", L""},
    };
    for (const auto& [markup, text] : cases)
        EXPECT_EQ(engine::markup_to_text(markup), text) << engine::to_utf8(markup);
}
