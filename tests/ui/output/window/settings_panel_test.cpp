// The pages of the settings panel: their children in order with the open
// document's values, and what each control writes and renders.
#include "ui/output/settings_panel.h"

#include <QListWidget>
#include <QTest>
#include <algorithm>
#include <filesystem>
#include <tuple>

#include "core/engine_services.h"
#include "platform/list_box.h"
#include "platform/qt/native_widget.h"
#include "support/formatted_document.h"
#include "window/output_fixture.h"

namespace {

using namespace platform;
using output_test::caption_of;
using output_test::child;

std::vector<std::wstring> texts_of(const std::vector<ListEntry>& entries) {
    std::vector<std::wstring> texts;
    for (const ListEntry& entry : entries) texts.push_back(entry.text);
    return texts;
}

// The caption (not the value) of the row header at `header`.
std::wstring title_of(Panel& page, std::size_t header) {
    return child<TextBlock>(child(page, header), 0).text();
}

Slider& slider_of(Panel& page, std::size_t box) { return child<Slider>(child(page, box), 0); }

class SettingsPages : public output_test::OutputWindowTest {
protected:
    SettingsPages() {
        core_test::write_file(data_file(L"briks/Formatted.brik"),
                              fixture::formatted_document_bytes());
        system.latin_families = {L"Noto Sans", L"Liberation Serif", L"@Gothic",
                                 L"DejaVu Sans [Foundry]", L"Liberation Sans"};
        system.cyrillic_families = {L"Liberation Serif", L"Ёлка"};
    }
    // The formatted document in the settings mode, showing `page`.
    Panel& show(std::int32_t page) {
        if (!window) {
            window = started_window();
            window->OnWebMessageReceived(main_view(), L"Formatted");
            window->ToggleSettings();
        }
        window->settings_panel().BuildSettingsPanel(panel(), page);
        return panel();
    }
    Panel& panel() { return window->data_panel().panel(); }
    core::session& session() { return window->session(); }
    engine::document_data& data() { return *session().data(); }
    engine::doc_record& setup() { return *core::page_setup_record(&data()); }
    engine::doc_record& block(std::size_t b) { return data().pages.groups[0].elements[b].record; }
    engine::doc_record& paragraph(std::size_t b, std::size_t p) {
        return data().pages.groups[0].elements[b].items[p];
    }
    std::size_t renders() { return main_view().scripts.size(); }
    std::size_t preview_starts() { return preview_view().scripts.size(); }

    std::unique_ptr<app::MainWindow> window;
};

TEST_F(SettingsPages, EachPageShowsTheDocumentInItsOrderAndBuildingChangesNothing) {
    Panel& font = show(0);
    const std::size_t scripts = renders();
    ASSERT_EQ(font.children().size(), 10u);
    EXPECT_EQ(caption_of(font, 1), L"Liberation Serif");
    auto& families = child<ListBox>(child(font, 2), 0);
    EXPECT_EQ(texts_of(families.entries()),
              (std::vector<std::wstring>{L"DejaVu Sans", L"Liberation Sans", L"Liberation Serif",
                                         L"Noto Sans"}));
    EXPECT_EQ(families.entries()[1].font_family, L"Liberation Sans");
    EXPECT_EQ(families.selected_index(), 2);
    EXPECT_EQ(caption_of(font, 3), L"12 pt");
    EXPECT_TRUE(child<CheckBox>(font, 5).is_checked());
    EXPECT_EQ(caption_of(font, 7), L"2 points larger");
    EXPECT_EQ(slider_of(font, 8).value(), 2);
    EXPECT_TRUE(child<CheckBox>(font, 9).is_checked());

    Panel& paragraph_page = show(1);
    ASSERT_EQ(paragraph_page.children().size(), 13u);
    EXPECT_EQ(title_of(paragraph_page, 1), L"First Line Indent");
    EXPECT_EQ(caption_of(paragraph_page, 1), L"10 mm");
    EXPECT_FALSE(child<CheckBox>(paragraph_page, 3).is_checked());
    EXPECT_EQ(caption_of(paragraph_page, 4), L"4 mm");
    EXPECT_EQ(caption_of(paragraph_page, 6), L"default value");
    EXPECT_EQ(slider_of(paragraph_page, 7).value(), 1);
    EXPECT_TRUE(child<CheckBox>(paragraph_page, 8).is_checked());
    EXPECT_EQ(caption_of(paragraph_page, 10), L"6 mm");
    EXPECT_TRUE(child<CheckBox>(paragraph_page, 12).is_checked());

    Panel& page = show(2);
    ASSERT_EQ(page.children().size(), 13u);
    auto& paper = child(page, 1);
    ASSERT_EQ(paper.children().size(), 4u);
    EXPECT_EQ(child<RadioButton>(paper, 2).content(), L"Legal");
    EXPECT_TRUE(child<RadioButton>(paper, 3).is_checked());  // 220 x 300 counts as A4
    EXPECT_TRUE(child<RadioButton>(child(page, 3), 0).is_checked());
    const std::pair<std::size_t, std::wstring> margins[] = {
        {5, L"30 mm"}, {7, L"15 mm"}, {9, L"25 mm"}, {11, L"20 mm"}};
    std::vector<std::int32_t> sides;
    for (const auto& [header, text] : margins) {
        EXPECT_EQ(caption_of(page, header), text);
        sides.push_back(unbox_i32(slider_of(page, header + 1).data_context));
    }
    EXPECT_EQ(sides, (std::vector<std::int32_t>{0, 2, 1, 3}));

    Panel& general = show(3);
    ASSERT_EQ(general.children().size(), 5u);
    EXPECT_FALSE(child<RadioButton>(child(general, 2), 0).is_checked());  // the library by default
    EXPECT_TRUE(child<RadioButton>(child(general, 2), 1).is_checked());
    EXPECT_EQ(caption_of(general, 3), L"100%");
    EXPECT_EQ(slider_of(general, 4).value(), 100);

    EXPECT_EQ(show(4).children().size(), 0u);
    EXPECT_EQ(renders(), scripts);
    EXPECT_EQ(paragraph(0, 1).v[3], 2);
    EXPECT_EQ(setup().v[5], 30);
    EXPECT_EQ(system.font_family_reads, 1);  // the list is read once a run

    window->OnWebMessageReceived(main_view(), L"No|Such|Document");
    for (std::int32_t number = 0; number < 4; ++number)
        EXPECT_EQ(show(number).children().size(), 0u);
}

TEST_F(SettingsPages, InRussianThePagesAndTheListFollowTheLanguage) {
    system.region = L"RU";
    Panel& font = show(0);
    EXPECT_EQ(caption_of(font, 3), L"12 пунктов");
    auto& families = child<ListBox>(child(font, 2), 0);
    EXPECT_EQ(texts_of(families.entries()), std::vector<std::wstring>{L"Liberation Serif"});
    EXPECT_EQ(families.selected_index(), 0);
    EXPECT_EQ(child<RadioButton>(child(show(2), 3), 1).content(), L"Альбомная");
}

TEST_F(SettingsPages, FontAndParagraphChangesWriteTheTreeAndRenderKeepingTheScroll) {
    Panel& font = show(0);
    std::size_t scripts = renders();
    child<ListBox>(child(font, 2), 0).set_selected_index(1);
    EXPECT_EQ(caption_of(font, 1), L"Liberation Sans");
    EXPECT_EQ(paragraph(1, 0).s3, L"Liberation Sans");
    EXPECT_EQ(renders(), ++scripts);  // the page only: no scroll reset

    Panel& page = show(1);
    slider_of(page, 2).set_value(12);
    EXPECT_EQ(caption_of(page, 1), L"12 mm");
    EXPECT_EQ(block(0).d2, 12.0);
    EXPECT_EQ(paragraph(1, 0).d2, 12.0);
    slider_of(page, 5).set_value(7);
    EXPECT_EQ(caption_of(page, 4), L"7 mm");
    EXPECT_EQ(paragraph(0, 1).v[4], 7);
    slider_of(page, 7).set_value(5);
    EXPECT_EQ(caption_of(page, 6), L"5 pt");
    EXPECT_EQ(data().pages.groups[0].record.c, 5);
    EXPECT_EQ(paragraph(0, 0).c, 5);
    slider_of(page, 7).set_value(1);
    EXPECT_EQ(caption_of(page, 6), L"default value");
    EXPECT_EQ(paragraph(0, 0).c, 0);
    slider_of(page, 11).set_value(9);
    EXPECT_EQ(caption_of(page, 10), L"9 mm");
    EXPECT_EQ(block(0).v[4], 0);
    EXPECT_EQ(block(1).v[4], 9);
    // Neither slider touched the template's alignments.
    EXPECT_EQ(block(0).v[3], 1);
    EXPECT_EQ(paragraph(0, 1).v[3], 2);

    child<CheckBox>(page, 8).click();  // justify off: the date line stays right-aligned
    EXPECT_EQ(paragraph(0, 0).v[3], 0);
    EXPECT_EQ(paragraph(0, 1).v[3], 2);
    child<CheckBox>(page, 12).click();  // centring off
    EXPECT_EQ(block(0).v[3], 0);
    EXPECT_EQ(session().formatting().center_headings, 0);
    EXPECT_EQ(renders(), scripts + 7);
}

TEST_F(SettingsPages, TheHangingIndentBoxRenamesTheIndentRowAndSetsTheNumbering) {
    Panel& page = show(1);
    auto& hanging = child<CheckBox>(page, 3);
    const std::size_t scripts = renders();
    hanging.click();
    EXPECT_EQ(title_of(page, 1), L"Indent Left");
    EXPECT_EQ(data().page_setup.record.v[1], 1);
    EXPECT_TRUE(session().formatting().hanging_indent);
    hanging.click();
    EXPECT_EQ(title_of(page, 1), L"First Line Indent");
    EXPECT_EQ(data().page_setup.record.v[1], 0);
    EXPECT_EQ(renders(), scripts + 2);
    session().formatting().hanging_indent = true;
    EXPECT_EQ(title_of(show(1), 1), L"Indent Left");
}

// A template's indent past the slider's end is named as it is; a stored
// number that is no length shows the slider's position.
TEST_F(SettingsPages, TheIndentCaptionNamesTheDocumentsIndentPastTheSlidersEnd) {
    show(1);
    session().formatting().first_line_indent = 45;
    Panel& page = show(1);
    EXPECT_EQ(caption_of(page, 1), L"45 mm");
    EXPECT_EQ(slider_of(page, 2).value(), 30);
    session().formatting().first_line_indent = 1e30f;
    EXPECT_EQ(caption_of(show(1), 1), L"30 mm");
}

// Every template of the library keeps each setting inside its control: each
// slider row shows its caption and the slider stands at the template's own
// value (the English Invoice's heading, 5 points above the body, left its
// caption empty and the slider at its end).
TEST_F(SettingsPages, EveryLibraryTemplateShowsEachSettingWithItsCaptionAtItsOwnValue) {
    namespace fs = std::filesystem;
    show(0);
    std::vector<fs::path> templates;
    for (const auto& entry : fs::recursive_directory_iterator(PAPERWRIGHT_BUILT_SHARE "/briks"))
        if (entry.path().extension() == ".brik" && entry.path().stem() != "Library" &&
            entry.path().stem() != "Библиотека")
            templates.push_back(entry.path());
    ASSERT_EQ(templates.size(), 14u);
    for (const fs::path& built : templates) {
        SCOPED_TRACE(built.stem().string());
        // Paths in the process's C locale hold UTF-8 bytes.
        const fs::path tests = data_file(L"briks/Tests");
        fs::create_directories(tests);
        fs::copy_file(built, tests / built.filename(), fs::copy_options::overwrite_existing);
        std::wstring message =
            QString::fromStdString("Tests/" + built.stem().string()).toStdWString();
        std::replace(message.begin(), message.end(), L' ', L'|');
        const std::uint64_t serial = session().document_serial();
        window->OnWebMessageReceived(main_view(), message);
        ASSERT_NE(session().document_serial(), serial);
        const core::formatting_cache& own = session().formatting();
        const double line_spacing = own.line_spacing < 2 ? 1 : own.line_spacing;
        // Page, header of the row (its slider below it) and the value.
        const std::tuple<std::int32_t, std::size_t, double> rows[] = {
            {0, 3, own.body_font_size},
            {0, 7, own.heading_size_delta},
            {1, 1, own.first_line_indent},
            {1, 4, double(own.body_top_padding)},
            {1, 6, line_spacing},
            {1, 10, double(own.heading_top_padding)},
            {2, 5, double(own.margin_left)},
            {2, 7, double(own.margin_right)},
            {2, 9, double(own.margin_top)},
            {2, 11, double(own.margin_bottom)},
        };
        for (const auto& [page_index, header, value] : rows) {
            Panel& page = show(page_index);
            EXPECT_FALSE(title_of(page, header).empty()) << page_index << " " << header;
            EXPECT_FALSE(caption_of(page, header).empty()) << page_index << " " << header;
            EXPECT_EQ(slider_of(page, header + 1).value(), value) << page_index << " " << header;
        }
    }
}

TEST_F(SettingsPages, PaperOrientationAndMarginsGoIntoThePageSetup) {
    Panel& page = show(2);
    std::size_t scripts = renders();
    child<RadioButton>(child(page, 1), 2).click();
    EXPECT_EQ(std::make_pair(setup().d1, int(setup().v[0])), std::make_pair(216.0, 356));
    child<RadioButton>(child(page, 3), 1).click();
    EXPECT_EQ(std::make_pair(setup().d1, int(setup().v[0])), std::make_pair(356.0, 216));
    slider_of(page, 10).set_value(15);
    EXPECT_EQ(caption_of(page, 9), L"15 mm");
    EXPECT_EQ(setup().v[4], 15);
    EXPECT_EQ(session().formatting().margin_top, 15);
    EXPECT_EQ(renders(), scripts += 3);

    // Built again, the page reads the choices back from the size.
    show(2);
    EXPECT_TRUE(child<RadioButton>(child(page, 1), 2).is_checked());
    EXPECT_TRUE(child<RadioButton>(child(page, 3), 1).is_checked());
    // A margin slider that names no side changes nothing.
    slider_of(page, 12).data_context = {};
    slider_of(page, 12).set_value(40);
    EXPECT_EQ(setup().v[2], 20);
    EXPECT_EQ(renders(), scripts);
}

TEST_F(SettingsPages, TheLayoutPageChangesTheTreeAtOnceAndOnlyItsMarginsStartAPreview) {
    show(0);
    session().set_mode(core::ViewMode::save_print);
    window->save_print_panel().BuildSavePrintPanel(panel(), 2);
    Panel& page = panel();
    const std::size_t scripts = renders(), starts = preview_starts();
    slider_of(page, 13).set_value(3);
    EXPECT_EQ(caption_of(page, 12), L"3 pt");
    EXPECT_EQ(paragraph(0, 0).c, 3);
    slider_of(page, 15).set_value(2);
    EXPECT_EQ(caption_of(page, 14), L"2 mm");
    slider_of(page, 17).set_value(5);
    EXPECT_EQ(caption_of(page, 16), L"5 mm");
    EXPECT_EQ(paragraph(0, 0).d2, 5.0);
    slider_of(page, 19).set_value(8);
    EXPECT_EQ(caption_of(page, 18), L"8 mm");
    EXPECT_EQ(block(1).v[4], 8);
    EXPECT_EQ(preview_starts(), starts);

    slider_of(page, 8).set_value(12);
    EXPECT_EQ(caption_of(page, 7), L"12 mm");
    EXPECT_EQ(setup().v[2], 12);
    EXPECT_GT(preview_starts(), starts);
    EXPECT_EQ(renders(), scripts);
}

TEST_F(SettingsPages, TheStartChoiceTouchesOnlyItsSettingAndTheZoomShowsAtOnce) {
    Panel& page = show(3);
    const std::size_t scripts = renders();
    auto& recent = child<RadioButton>(child(page, 2), 0);
    recent.click();
    EXPECT_EQ(session().config().StartOnLibrary, 0.0);
    EXPECT_EQ(session().config().DocumentZoom, 100.0);
    EXPECT_EQ(renders(), scripts);
    child<RadioButton>(child(page, 2), 1).click();
    EXPECT_EQ(session().config().StartOnLibrary, 1.0);

    slider_of(page, 4).set_value(150);
    EXPECT_EQ(caption_of(page, 3), L"150%");
    EXPECT_EQ(session().config().DocumentZoom, 150.0);
    EXPECT_EQ(session().document()->zoom, 150.0);
    EXPECT_EQ(main_view().scripts.back(), L"document.body.style['zoom']='150%';");

    // Under the print preview only the document takes the zoom.
    session().set_mode(core::ViewMode::save_print);
    session().config().DocumentZoom = 120;
    window->settings_panel().ApplyDocumentZoom();
    EXPECT_EQ(session().document()->zoom, 120.0);
    EXPECT_EQ(renders(), scripts + 1);

    // A stored zoom the view cannot show is shown as the view applies it, and
    // stays stored until the slider moves.
    session().set_mode(core::ViewMode::settings);
    session().config().DocumentZoom = 900;
    EXPECT_EQ(caption_of(show(3), 3), L"250%");
    EXPECT_EQ(slider_of(page, 4).value(), 250);
    EXPECT_EQ(session().config().DocumentZoom, 900.0);
}

TEST_F(SettingsPages, ChangesSurviveClosingAndReopening) {
    slider_of(show(0), 4).set_value(14);
    slider_of(show(1), 2).set_value(15);
    child<RadioButton>(child(show(2), 1), 2).click();
    slider_of(panel(), 10).set_value(15);
    Panel& general = show(3);
    child<RadioButton>(child(general, 2), 0).click();
    slider_of(general, 4).set_value(150);
    const core::formatting_cache changed = session().formatting();
    window->elements().window->close();
    window.reset();
    views.clear();

    // The new window starts on the last document.
    show(1);
    EXPECT_EQ(session().document()->path, data_text(L"briks/Formatted.brik"));
    EXPECT_EQ(session().document()->zoom, 150.0);
    EXPECT_EQ(session().config().StartOnLibrary, 0.0);
    const core::formatting_cache& read = session().formatting();
    EXPECT_EQ(read.body_font_size, 14.0f);
    EXPECT_EQ(read.first_line_indent, 15.0f);
    EXPECT_EQ(read.margin_top, 15);
    EXPECT_EQ(read.font_family, changed.font_family);
    EXPECT_EQ(caption_of(panel(), 1), L"15 mm");
    EXPECT_TRUE(child<RadioButton>(child(show(2), 1), 2).is_checked());
    EXPECT_EQ(caption_of(panel(), 9), L"15 mm");
    EXPECT_EQ(caption_of(show(3), 3), L"150%");
}

// On the offscreen platform, with real widgets laid out in a shown window.
TEST_F(SettingsPages, TheChosenFamilyAndThreeBelowItShowWhenTheListOpens) {
    system.latin_families.clear();
    for (int n = 0; n < 20; ++n) {
        system.latin_families.push_back(L"Face " + std::to_wstring(100 + n));
        system.latin_families.push_back(L"Type " + std::to_wstring(100 + n));
    }
    system.latin_families.push_back(fixture::formatted_family);
    Panel& font = show(0);
    window->activate();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(widget_of(*window->elements().window)));
    window->settings_panel().BuildSettingsPanel(font, 0);
    pump();
    auto& families = child<ListBox>(child(font, 2), 0);
    ASSERT_EQ(families.selected_index(), 20);
    auto* list = static_cast<QListWidget*>(widget_of(families));
    const QRect viewport = list->viewport()->rect();
    for (int row = 20; row <= 23; ++row)
        EXPECT_TRUE(viewport.contains(list->visualItemRect(list->item(row)))) << row;
    EXPECT_FALSE(viewport.contains(list->visualItemRect(list->item(0))));
}

}  // namespace
