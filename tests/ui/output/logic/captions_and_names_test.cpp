#include <gtest/gtest.h>

#include <memory>

#include "core/interface_language_fixture.h"
#include "ui/output/document_names.h"
#include "ui/output/preview_page.h"
#include "ui/output/value_captions.h"

namespace {

using Captions = core_test::interface_language_test;
using Pairs = std::vector<std::pair<std::wstring, std::wstring>>;

TEST_F(Captions, CopiesAndPointsTakeTheirFormByNumber) {
    EXPECT_EQ(ui::millimetres_text(12.75), L"12 mm");  // the whole part
    core::current_language = 1;
    // clang-format off
    const Pairs russian = {
        {ui::copies_text(1), L"1 копию"},        {ui::copies_text(4), L"4 копии"},
        {ui::copies_text(5), L"5 копий"},
        {ui::line_spacing_text(4), L"4 пункта"}, {ui::heading_delta_text(-2), L"на 2 пункта меньше"},
    };
    // clang-format on
    for (const auto& [made, expected] : russian) EXPECT_EQ(made, expected);
}

// A page setup titled `title` whose group has `elements` elements, the
// fourth (when there) a footer with the page number on.
std::unique_ptr<engine::document_data> titled(std::wstring title, int elements = 4) {
    auto data = std::make_unique<engine::document_data>(L"");
    data->page_setup.group_count = 1;
    auto& group = data->page_setup.groups.emplace_back();
    group.record.s1 = std::move(title);
    group.elements.resize(std::size_t(elements));
    group.element_count = elements;
    if (elements < 4) return data;
    group.elements[3].record.s1 = L"Contract 12";
    group.elements[3].record.b = 1;
    return data;
}

TEST_F(Captions, TitlesFallBackToTheShortNameOnlyWhenAskedAndTheFooterNeedsTheFourthElement) {
    const auto data = titled(L"  Lease \t\r\n"), untitled = titled(L" ", 3);
    EXPECT_EQ(ui::document_title(data.get(), true, L"Name"), L"  Lease");
    EXPECT_EQ(ui::document_title(untitled.get(), false, L"Name"), L"");
    EXPECT_EQ(ui::document_title(untitled.get(), true, L"Name"), L"Name");
    EXPECT_EQ(ui::document_title(nullptr, true, L"Name"), L"Vellumcraft");
    EXPECT_EQ(ui::short_document_name(L"Agreements/Sales Agreement.brik"), L"Sales Agreement");
    EXPECT_EQ(ui::short_document_name(L"Ver.2/Doc"), L"Ver");
    EXPECT_EQ(ui::short_document_name(L"/.brik"), L"Vellumcraft");

    EXPECT_EQ(ui::footer_text(data.get()), L"Contract 12");
    EXPECT_TRUE(ui::page_number_in_footer(data.get()));
    EXPECT_EQ(ui::footer_text(untitled.get()), L"");
    EXPECT_FALSE(ui::page_number_in_footer(untitled.get()));
    EXPECT_FALSE(ui::page_number_in_footer(nullptr));
}

TEST_F(Captions, TypedFileNamesBecomeTitlesAndTitlesBecomeSafeFileNames) {
    for (const auto& [typed, title] : Pairs{{L"Report.pdf ", L"Report"},
                                            {L"Report.final", L"Report.final"},
                                            {L"a:b*c?.DocX", L"abc"},
                                            {L"Memo...", L"Memo"},
                                            {L"1/2", L"12"}}) {
        EXPECT_EQ(ui::title_from_file_name(typed), title);
    }
    for (const auto& [title, name] : Pairs{{L"Sales/Agreement", L"SalesAgreement"},
                                           {L"../x", L"x"},
                                           {L"line\nbreak\ttab", L"linebreaktab"},
                                           {L"..", L"Vellumcraft"},
                                           {L"", L"Vellumcraft"},
                                           {L"Договор № 5 ", L"Договор № 5"},
                                           {L"\u202Eexe.Invoice\u202C", L"exe.Invoice"},
                                           {L"a\u2066b\u2069c\u202Ad", L"abcd"}}) {
        EXPECT_EQ(ui::file_name_from_title(title), name);
    }
    // Cut at a whole character that fits; what the cut leaves at the end is
    // dropped as always.
    EXPECT_EQ(ui::file_name_from_title(L"Договор", 5), L"До");
    EXPECT_EQ(ui::file_name_from_title(L"ab. \U0001F600", 7), L"ab");
    EXPECT_EQ(ui::file_name_from_title(L"ab. \U0001F600", 8), L"ab. \U0001F600");
}

TEST_F(Captions, PreviewPagesFrameTheirAddressSafely) {
    EXPECT_NE(ui::preview_page(L"tembrick:preview/1.pdf")
                  .find(L"<iframe src=\"tembrick:preview/1.pdf#toolbar=0\">"),
              std::wstring::npos);
    // An address cannot leave its attribute.
    EXPECT_EQ(ui::preview_page(L"x\"><script>").find(L"<script>"), std::wstring::npos);
    core::current_language = 1;
    EXPECT_NE(ui::preview_error_page().find(L"Просмотр не доступен"), std::wstring::npos);
}

}  // namespace

TEST_F(Captions, TheStatusBarNamesTheFolderAndDocumentAndTheLibraryItsSection) {
    const std::wstring bullet = ui::caption_separator;
    for (const auto& [stored, caption] :
         Pairs{{L"Agreements/Sales Agreement.brik", L"Agreements" + bullet + L"Sales Agreement"},
               {L"Кадры/Приказ.brik", L"Кадровые документы" + bullet + L"Приказ"},
               {L"кадры/Приказ.brik", L"кадры" + bullet + L"Приказ"},
               {L"Кадры/Архив/Приказ.brik", L"Кадры/Архив" + bullet + L"Приказ"},
               {L"Memo.brik", bullet + L"Memo"},
               {L"Notes.brik.bak", bullet + L"Notes.brik.bak"},
               {L"A.brikett/Plan.brik", L"A.brikett" + bullet + L"Plan"}}) {
        EXPECT_EQ(ui::document_breadcrumb(stored), caption);
    }

    auto library = std::make_unique<engine::document_data>(L"");
    for (const wchar_t* name : {L"Agreements", L"Forms"})
        library->parameters.groups.emplace_back().record.s1 = name;
    library->parameters.group_count = 2;
    EXPECT_EQ(ui::library_breadcrumb(library.get(), 1, L"Library"), L"Library \u2022  Forms");
    EXPECT_EQ(ui::library_breadcrumb(library.get(), 0, L"Библиотека"),
              L"Библиотека \u2022  Agreements");
    for (int outside : {2, -1})
        EXPECT_EQ(ui::library_breadcrumb(library.get(), outside, L"Library"), L"Library");
    EXPECT_EQ(ui::library_breadcrumb(nullptr, 0, L"Library"), L"Library");
}
