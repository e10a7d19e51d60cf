#include <gtest/gtest.h>

#include <memory>

#include "engine/document/process_state.h"
#include "support/process_state_fixture.h"
#include "ui/output/document_names.h"
#include "ui/output/preview_page.h"
#include "ui/output/value_captions.h"

namespace {

class Captions : public fixture::process_state_test {};

TEST_F(Captions, CopiesTakeTheirFormByNumberInBothLanguages) {
    EXPECT_EQ(ui::copies_text(1), L"1 copy");
    EXPECT_EQ(ui::copies_text(3), L"3 copies");
    EXPECT_EQ(ui::copies_text(7), L"7 copies");
    engine::current_language = 1;
    EXPECT_EQ(ui::copies_text(1), L"1 копию");
    EXPECT_EQ(ui::copies_text(4), L"4 копии");
    EXPECT_EQ(ui::copies_text(5), L"5 копий");
    EXPECT_EQ(ui::copies_text(10), L"10 копий");
}

TEST_F(Captions, NumbersShowTheirWholePartWithTheUnit) {
    EXPECT_EQ(ui::millimetres_text(12.75), L"12 mm");
    EXPECT_EQ(ui::millimetres_text(20), L"20 mm");
    EXPECT_EQ(ui::points_text(12), L"12 pt");
    EXPECT_EQ(ui::line_spacing_text(0), L"default value");
    EXPECT_EQ(ui::line_spacing_text(4), L"4 pt");
    engine::current_language = 1;
    EXPECT_EQ(ui::points_text(12), L"12 пунктов");
    EXPECT_EQ(ui::line_spacing_text(4), L"4 пункта");
    EXPECT_EQ(ui::line_spacing_text(5), L"5 пунктов");
    EXPECT_EQ(ui::line_spacing_text(0), L"значение по умолчанию");
    EXPECT_EQ(ui::millimetres_text(0), L"0 мм");
    EXPECT_EQ(ui::heading_delta_text(-2), L"на 2 пункта меньше");
    EXPECT_EQ(ui::heading_delta_text(7), L"");
}

std::unique_ptr<engine::document_data> titled(std::wstring title, int footer_elements = 4) {
    auto data = std::make_unique<engine::document_data>(L"");
    data->page_setup.groups.emplace_back();
    data->page_setup.group_count = 1;
    auto& group = data->page_setup.groups[0];
    group.record.s1 = std::move(title);
    group.elements.resize(std::size_t(footer_elements));
    group.element_count = footer_elements;
    if (footer_elements >= 4) {
        group.elements[3].record.s1 = L"Contract 12";
        group.elements[3].record.b = 1;
    }
    return data;
}

TEST_F(Captions, TitlesFallBackToTheShortNameOnlyWhenAsked) {
    const auto data = titled(L"  Lease \t\r\n");
    EXPECT_EQ(ui::document_title(data.get(), true, L"Name"), L"  Lease");
    const auto untitled = titled(L" ");
    EXPECT_EQ(ui::document_title(untitled.get(), false, L"Name"), L"");
    EXPECT_EQ(ui::document_title(untitled.get(), true, L"Name"), L"Name");
    EXPECT_EQ(ui::document_title(nullptr, true, L"Name"), L"Vellumcraft");
    EXPECT_EQ(ui::short_document_name(L"Agreements/Sales Agreement.brik"), L"Sales Agreement");
    EXPECT_EQ(ui::short_document_name(L"Ver.2/Doc"), L"Ver");
    EXPECT_EQ(ui::short_document_name(L"/.brik"), L"Vellumcraft");
}

TEST_F(Captions, FooterNeedsTheFourthElement) {
    const auto data = titled(L"T");
    EXPECT_EQ(ui::footer_text(data.get()), L"Contract 12");
    EXPECT_TRUE(ui::page_number_in_footer(data.get()));
    const auto short_group = titled(L"T", 3);
    EXPECT_EQ(ui::footer_text(short_group.get()), L"");
    EXPECT_FALSE(ui::page_number_in_footer(short_group.get()));
    EXPECT_FALSE(ui::page_number_in_footer(nullptr));
}

TEST_F(Captions, TypedFileNamesBecomeTitles) {
    EXPECT_EQ(ui::title_from_file_name(L"Report.pdf "), L"Report");
    EXPECT_EQ(ui::title_from_file_name(L"Report.final"), L"Report.final");
    EXPECT_EQ(ui::title_from_file_name(L"a:b*c?.DocX"), L"abc");
    EXPECT_EQ(ui::title_from_file_name(L"Memo..."), L"Memo");
    EXPECT_EQ(ui::title_from_file_name(L"1/2"), L"12");
}

TEST_F(Captions, TitlesBecomeSafeFileNames) {
    EXPECT_EQ(ui::file_name_from_title(L"Sales/Agreement"), L"SalesAgreement");
    EXPECT_EQ(ui::file_name_from_title(L"../x"), L"x");
    EXPECT_EQ(ui::file_name_from_title(L"line\nbreak\ttab"), L"linebreaktab");
    EXPECT_EQ(ui::file_name_from_title(L".."), L"Vellumcraft");
    EXPECT_EQ(ui::file_name_from_title(L""), L"Vellumcraft");
    EXPECT_EQ(ui::file_name_from_title(L"Договор № 5 "), L"Договор № 5");
}

TEST_F(Captions, PreviewPagesAreTheFixedTextAroundTheirContent) {
    const std::wstring page = ui::preview_page(L"tembrick:preview/1.pdf");
    const std::wstring tail = L"#toolbar=0\"></iframe></body></html>";
    EXPECT_EQ(page.rfind(L"<!DOCTYPE html><html lang=\"ru\"><head> \t\t\t\t\t<style type=\"text/css\">", 0), 0u);
    EXPECT_EQ(page.substr(page.size() - tail.size()), tail);
    EXPECT_NE(page.find(L"<iframe src=\"tembrick:preview/1.pdf#toolbar=0\">"), std::wstring::npos);
    // An address cannot leave its attribute.
    EXPECT_EQ(ui::preview_page(L"x\"><script>").find(L"<script>"), std::wstring::npos);

    EXPECT_EQ(ui::preview_error_page().find(L"Preview unavailable"), 235u);
    engine::current_language = 1;
    EXPECT_NE(ui::preview_error_page().find(L"Просмотр не доступен</p></body></html>"), std::wstring::npos);
}

}  // namespace
