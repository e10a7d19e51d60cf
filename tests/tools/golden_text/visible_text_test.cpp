// The reader's text of a rendered page, and the faults the golden test must
// never let through, among them what an empty field leaves in a sentence.
#include "tools/golden_text/visible_text.h"

#include <gtest/gtest.h>

#include "engine/text/utf16.h"

namespace {

using golden::collapse_blanks;
using golden::rendering_faults;
using golden::visible_text;

TEST(VisibleText, BlocksMakeLinesCellsArePartedAndReferencesAreRead) {
    const std::wstring html =
        L"<html><head><style>td {color:red}</style></head><body>"
        L"<div>Seller:\n  <b>Jane</b>&nbsp;Miller</div><script>var x = '{';</script>"
        L"<table><tr><td>A &amp; B</td><td> </td><td>&#171;C&#187;</td></tr>"
        L"<tr><td>&nbsp;</td></tr></table><p>1&thinsp;000&nbsp;руб.<br>end</p></body></html>";
    EXPECT_EQ(collapse_blanks(visible_text(html)),
              L"Seller: Jane\u00A0Miller\nA & B | «C»\n1\u2009000\u00A0руб.\nend\n");
}

TEST(VisibleText, BracesRedMarkersUndefinedAndDoubledBlanksAreFaults) {
    const auto faults_of = [](const std::wstring& html) {
        return rendering_faults(html, visible_text(html));
    };
    // A run of three or more no-break or thin spaces is spacing the form writes.
    EXPECT_TRUE(faults_of(L"<div>a&nbsp;b</div><div> c </div><td>  d</td>"
                          L"<div>J. Miller&nbsp;&nbsp;&nbsp;____ &nbsp;&nbsp;Miller</div>"
                          L"<div>г.&nbsp;Казань&thinsp;&thinsp;&thinsp;&thinsp;«16»</div>")
                    .empty());
    for (const wchar_t* html :
         {L"<div>{name</div>", L"<div>a}</div>", L"<div>x <font color=red>[??]</font></div>",
          L"<div>undefined</div>", L"<div>two  blanks</div>", L"<div>two <b> blanks</b></div>",
          L"<div>сдал, а &nbsp;Администрация</div>", L"<div>a&nbsp;&thinsp;b</div>",
          L"<div>a&nbsp;&nbsp;b</div>", L"<table><tr><td>&nbsp;Администрация</td></tr></table>"})
        EXPECT_EQ(faults_of(html).size(), 1u) << html;
    // The style sheet is no visible text, yet a red marker in it is still found.
    EXPECT_EQ(faults_of(L"<style>{color:red}</style>").size(), 1u);
    // A brace typed in a value that nothing closes is the clerk's text; any
    // other brace beside it is still a fault.
    const std::wstring typed = L"<div>счёт № {12 в течение 5 дней</div>";
    EXPECT_TRUE(rendering_faults(typed, visible_text(typed), {L"{12"}).empty());
    const std::wstring beside = L"<div>№ {12 {name</div>";
    EXPECT_EQ(rendering_faults(beside, visible_text(beside), {L"{12"}).size(), 1u);
}

// What a field left empty leaves in a sentence when the template gives it no
// gap; each faulty line holds one fault.
TEST(VisibleText, WhatAnEmptyFieldLeavesInASentenceIsAFault) {
    const auto faults_in = [](const std::wstring& line) {
        const std::wstring html = L"<div>" + line + L"</div>";
        return rendering_faults(html, visible_text(html)).size();
    };
    for (const wchar_t* line : {
             L"Dear ,",
             L"governed by the laws of .",
             L"г.&nbsp;, 10 апреля 2026 г.",
             L"held ; or",
             L"the following matters :",
             L"SALES AGREEMENT No.&nbsp;",
             L"АКТ №&nbsp;сдачи-приёмки",
             L"к договору №, от",
             L"the following services:.",
             L"Стоимость работы составляет 0 ( ) и может быть изменена",
             L"within -9 days, by March 1, 2026.",
             L"(&#8722;30 days from issue)",
             L"в течение -5 (пяти) календарных дней",
         })
        EXPECT_EQ(faults_in(line), 1u) << engine::to_utf8(line);
    for (const wchar_t* line : {
             L"SALES AGREEMENT No.&nbsp;2026-014",
             L"INVOICE No. INV-0042",
             L"ДОГОВОР №&nbsp;______",
             L"цех № 5, бригада №&nbsp;21",
             L"No probation period applies.",
             L"Quantity: ______ units at ______ per unit.",
             L"Payment is due at 10:30 on March 1, 2026-03-01.",
             L"within 30 (thirty) days, by April 30, 2026.",
             L"a balance of -9.50 is carried over",
             L"(далее&nbsp;—&nbsp;вещь)",
         })
        EXPECT_EQ(faults_in(line), 0u) << engine::to_utf8(line);
    // A column headed "№" is a heading, not a number left out.
    EXPECT_TRUE(rendering_faults(L"<table><tr><td>№</td></tr></table>", visible_text(L"<td>№</td>"))
                    .empty());
}

// A row of empty cells with a line below them is where the parties sign; the
// row under it (over it, when it is the last) must name each of them.
TEST(VisibleText, ASignatureLineWithNoNameIsAFault) {
    const std::wstring line = L"<td style=\"border-bottom:1px solid black;\"></td>";
    const std::wstring gap = L"<td style=\"width:10%;\"></td>";
    const auto faults_of = [](const std::wstring& html) {
        return rendering_faults(html, visible_text(html)).size();
    };
    const std::wstring lines = L"<tr style=\"height:30px;\">" + line + gap + line + L"</tr>";
    EXPECT_EQ(faults_of(L"<table><tr><td>Seller</td><td></td><td>Buyer</td></tr>" + lines +
                        L"<tr><td>J. Miller</td><td></td><td>R. Chen</td></tr></table>"),
              0u);
    EXPECT_EQ(faults_of(L"<table><tr><td>Seller</td><td></td><td>Buyer</td></tr>" + lines +
                        L"<tr><td></td><td></td><td>R. Chen</td></tr></table>"),
              1u);
    // Names above the last row of lines; a bordered table of figures is no
    // signature table.
    EXPECT_EQ(faults_of(L"<table><tr><td>Northwind</td><td></td><td>&nbsp;</td></tr>" + lines +
                        L"</table>"),
              1u);
    EXPECT_EQ(faults_of(L"<table><tr><td style=\"border-bottom:1px solid black\">1</td>"
                        L"<td style=\"border-bottom:1px solid black\">64 000,00</td></tr>"
                        L"<tr><td>Итого</td><td></td></tr></table>"),
              0u);
}

}  // namespace
