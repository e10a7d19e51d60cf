// Values the template writes inside a tag stay inside their attribute; values
// in text keep the output they always had.
#include <gtest/gtest.h>

#include "engine/fields/parameter_fixture.h"
#include "engine/text/markup_position.h"

using namespace engine;
using ValuesInTags = engine::testing::parameter_document;

TEST_F(ValuesInTags, ReferencesInTextKeepTheirOutput) {
    view.language = 1;
    // clang-format off
    add_fields({{L"Поставщик юрлицо", L"ООО \"Ромашка\""}, {L"Сумма", L"\"100\""}, {L"Фирма", L"A & \"B\""}});
    expect_runs({{L"{ЕСЛИ 1 ТО \"ok\"}", L"ok"}, {L"{р:Поставщик юрлицо}", L"ООО \"Ромашка\""},
                 // Digits in quotes are a text, the template's quoted digits a number.
                 {L"{прописью:Сумма}", L"\"100\""}, {L"{прописью:\"100\"}", L"сто"},
                 {L"<b>{Фирма}</b>", L"<b>A &amp; \"B\"</b>"}});
    // clang-format on
}

TEST_F(ValuesInTags, AValueInsideATagCannotLeaveItsAttribute) {
    add_fields({{L"Link", L"\" onmouseover=\"alert(1)"},
                {L"Name", L"a\fonclick=x/y `z` & b &amp; c"},
                {L"Bold", L"{B:}x{:B}"},
                {L"Sum", L"21"}});
    expect_runs({
        {L"<a href=\"{Link}\">{Link}</a>",
         L"<a href=\"&quot; onmouseover=&quot;alert(1)\">\" onmouseover=\"alert(1)</a>"},
        // Unquoted (the lexer writes a template's "'" as "&apos;"): blanks,
        // "=", "/" and "`" would start another attribute.
        // A typed "&amp;" is text there too.
        {L"<i title={name}>",
         L"<i "
         L"title=a&#12;onclick&#61;x&#47;y&#32;&#96;z&#96;&#32;&amp;&#32;b&#32;&amp;amp;&#32;c>"},
        {L"<i title='{name}'>",
         L"<i "
         L"title=&apos;a&#12;onclick&#61;x&#47;y&#32;&#96;z&#96;&#32;&amp;&#32;b&#32;&amp;amp;&#32;"
         L"c&"
         L"apos;>"},
        {L"<i title=\"{name}\">", L"<i title=\"a\fonclick=x/y `z` &amp; b &amp;amp; c\">"},
        // Markup a value formula makes is text inside a tag.
        {L"<i title=\"{bold}\">{bold}", L"<i title=\"&lt;b&gt;x&lt;/b&gt;\"><b>x</b>"},
        // The template's own quoted texts may write the tag around a value.
        {L"{\"<i title=\" Link \">\"}", L"<i title=&quot;&#32;onmouseover&#61;&quot;alert(1)>"},
        {L"<td width={Sum * 2}>{Sum * 2}", L"<td width=42>42"},
    });
    // An assignment stores the value as it is; it is escaped where it is printed.
    EXPECT_EQ(run(L"<i title=\"{x = Link}\">{x}</i>"),
              L"<i title=\"\">\" onmouseover=\"alert(1)</i>");
}

TEST(MarkupPosition, FollowsTagsAndQuotedValuesAcrossPieces) {
    struct step {
        const wchar_t* html;
        bool in_tag;
        bool quoted;
    };
    markup_position position;
    for (step s : {step{L"a < b", false, false}, step{L"<", true, false}, step{L"td", true, false},
                   step{L" title = ", true, false}, step{L"\"x", true, true},
                   step{L"'>", true, true}, step{L"\"", true, false}, step{L" alt='", true, true},
                   step{L"'/>", false, false}, step{L"<!-- c -->", false, false},
                   step{L"<b x=y\"", true, false}, step{L">", false, false}}) {
        position.follow(s.html);
        EXPECT_EQ(position.in_tag(), s.in_tag) << s.html;
        EXPECT_EQ(position.in_quoted_value(), s.quoted) << s.html;
    }
}
