// The pages of the save/print panel: their children in order and what each
// control and pick button changes.
#include <QImage>
#include <QLabel>
#include <QLayout>
#include <QLineEdit>
#include <QTest>
#include <variant>

#include "core/engine_services.h"
#include "core/interface_texts.h"
#include "platform/button.h"
#include "platform/list_box.h"
#include "platform/qt/native_widget.h"
#include "platform/testing.h"
#include "support/temp_folder.h"
#include "ui/editing/value_list.h"
#include "ui/output/open_document_names.h"
#include "window/output_fixture.h"

namespace {

using namespace platform;
using output_test::caption_of;
using output_test::child;

// For the pick buttons' dialogs.
template <class T>
std::shared_ptr<T> child(const std::shared_ptr<Element>& parent, std::size_t index) {
    auto panel = std::dynamic_pointer_cast<Panel>(parent);
    return panel ? std::dynamic_pointer_cast<T>(panel->children().at(index)) : nullptr;
}
std::shared_ptr<ContentDialog> dialog() { return platform::testing::last_dialog(); }
std::wstring title() { return child<TextBlock>(dialog()->title, 0)->text(); }
std::shared_ptr<Button> key(std::int32_t code) {
    auto keypad = child<Panel>(dialog()->content, 1);
    for (std::size_t i = 0; i < keypad->children().size(); ++i) {
        auto candidate = keypad->children().at(i);
        const auto* carried = std::get_if<std::int32_t>(&candidate->data_context);
        if (carried && *carried == code) return std::dynamic_pointer_cast<Button>(candidate);
    }
    return nullptr;
}

class SavePrintPanel : public output_test::OutputWindowTest {
protected:
    Panel& show_page(std::int32_t number) {
        window = template_window();
        // A footer element, as the library's documents have.
        auto& setup = window->session().data()->page_setup.groups[0];
        setup.elements.resize(4);
        setup.element_count = 4;
        setup.elements[3].record.s1 = L"Sales agreement";
        window->session().set_save_print_page(core::SavePrintPage(number));
        window->save_print_panel().BuildSavePrintPanel(window->data_panel().panel(), number);
        return window->data_panel().panel();
    }
    std::size_t preview_starts() const { return window->print_preview().preview_runs(); }
    static void click_pick(const std::shared_ptr<Element>& row) {
        child<Button>(row, 1)->click();
        pump();
    }

    std::unique_ptr<app::MainWindow> window;
};

TEST_F(SavePrintPanel, PrintPageCopiesPagesAndFooter) {
    Panel& page = show_page(0);
    ASSERT_EQ(page.children().size(), 7u);
    EXPECT_EQ(caption_of(page, 1), L"1 copy");
    std::size_t starts = preview_starts();
    child<Slider>(child(page, 2), 0).set_value(3);
    EXPECT_EQ(window->session().output().copies, 3);
    EXPECT_EQ(caption_of(page, 1), L"3 copies");
    EXPECT_EQ(preview_starts(), starts);  // copies need no preview

    auto& options = child(page, 3);
    EXPECT_TRUE(child<RadioButton>(options, 0).is_checked());
    EXPECT_EQ(page.children().at(4)->visibility(), Visibility::collapsed);
    child<RadioButton>(options, 3).click();
    EXPECT_EQ(window->session().output().print_pages, core::PrintPages::selected);
    EXPECT_EQ(page.children().at(4)->visibility(), Visibility::visible);
    EXPECT_GT(preview_starts(), starts);  // the preview follows the choice
    child<RadioButton>(options, 1).click();
    EXPECT_EQ(window->session().output().print_pages, core::PrintPages::odd);
    EXPECT_EQ(page.children().at(4)->visibility(), Visibility::collapsed);

    // The footer box writes the document and refreshes the preview.
    auto& footer = child<CheckBox>(page, 5);
    EXPECT_FALSE(footer.is_checked());
    starts = preview_starts();
    footer.click();
    EXPECT_EQ(core::footer_element(window->session().data())->record.b, 1);
    EXPECT_TRUE(ui::IsPageNumberInFooter(window->session()));
    EXPECT_GT(preview_starts(), starts);

    // Built again with "selected pages" chosen, the list shows at once.
    window->session().output().print_pages = core::PrintPages::selected;
    window->save_print_panel().BuildSavePrintPanel(page, 0);
    EXPECT_EQ(page.children().at(4)->visibility(), Visibility::visible);
    // The page list is kept as typed; emptying it refreshes the preview.
    auto& box = child<TextBox>(child(page, 4), 0);
    starts = preview_starts();
    box.set_text(L"1 2, 1000");
    EXPECT_EQ(window->session().output().selected_pages, L"1 2, 1000");
    EXPECT_EQ(box.text(), L"1 2, 1000");
    EXPECT_EQ(preview_starts(), starts);
    box.set_text(L"");
    EXPECT_GT(preview_starts(), starts);
}

TEST_F(SavePrintPanel, ThePageListKeepsWhatIsTypedAndPrintsThePagesItNames) {
    Panel& page = show_page(0);
    window->session().output().print_pages = core::PrintPages::selected;
    window->save_print_panel().BuildSavePrintPanel(page, 0);
    auto& box = child<TextBox>(child(page, 4), 0);
    auto* editor = static_cast<QLineEdit*>(widget_of(box));
    auto print = [&](int page_count) {
        output->pages = page_count;
        child<AppBarButton>(child(page, 6), 1).click();
        finish_pdf();
        return output->printed.back().pages;
    };

    QTest::keyClicks(editor, "1 3");
    EXPECT_EQ(box.text(), L"1 3");
    EXPECT_EQ(editor->cursorPosition(), 3);
    EXPECT_EQ(print(5), (std::vector<int>{1, 3}));

    // A character the list skips stays where it was typed, and so does the cursor.
    QTest::keyClick(editor, Qt::Key_A, Qt::ControlModifier);
    QTest::keyClicks(editor, "15");
    QTest::keyClick(editor, Qt::Key_Home);
    QTest::keyClicks(editor, "a2");
    EXPECT_EQ(box.text(), L"a215");
    EXPECT_EQ(editor->cursorPosition(), 2);
    EXPECT_EQ(window->session().output().selected_pages, L"a215");
    EXPECT_EQ(print(300), (std::vector<int>{215}));
}

// The colour inside the box at its right end, away from its text.
QRgb background_of(TextBox& box) {
    QWidget* editor = widget_of(box);
    editor->resize(200, 36);
    const QImage shot = editor->grab().toImage();
    return shot.pixel(shot.width() - 3, shot.height() / 2);
}

TEST_F(SavePrintPanel, SavePageFormatFolderNameAndOpening) {
    output->documents = L"/home/user/Documents";
    Panel& page = show_page(1);
    ASSERT_EQ(page.children().size(), 8u);
    const std::size_t starts = preview_starts();
    child<RadioButton>(child(page, 1), 2).click();
    EXPECT_EQ(window->session().output().save_format, core::SaveFormat::html);
    EXPECT_EQ(preview_starts(), starts);  // a format causes no render

    // The folder is chosen with the button only, and the box looks it; the
    // dialog opens at the folder the box shows.
    auto& folder_row = child(page, 3);
    auto& folder_box = child<TextBox>(folder_row, 0);
    auto& name_box = child<TextBox>(child(page, 5), 0);
    EXPECT_TRUE(folder_box.read_only());
    EXPECT_FALSE(name_box.read_only());
    EXPECT_NE(background_of(folder_box), background_of(name_box));
    EXPECT_NE(folder_box.placeholder_text().find(L"/home/user/Documents"), std::wstring::npos);
    for (const std::optional<std::wstring>& chosen :
         {std::optional<std::wstring>(L"/home/user/Contracts"), std::optional<std::wstring>()}) {
        child<Button>(folder_row, 1).click();
        output->answer_folder(chosen);
        pump();
        EXPECT_EQ(window->session().output().save_folder, chosen.value_or(L""));
        EXPECT_EQ(folder_box.text(), chosen.value_or(L""));
    }
    EXPECT_EQ(output->folder_starts,
              (std::vector<std::wstring>{L"/home/user/Documents", L"/home/user/Contracts"}));

    EXPECT_EQ(name_box.text(), L"Sales");
    name_box.set_text(L"Deal: final.PDF ");
    EXPECT_EQ(ui::GetDocumentTitle(window->session(), false), L"Deal final");

    child<CheckBox>(page, 6).click();
    EXPECT_EQ(window->session().config().OpenDocAfterSaving, 0.0);

    // The Save button saves under the typed name and says so below itself.
    fixture::temp_folder saved;
    window->session().output().save_folder = fixture::engine_path(saved.path());
    child<AppBarButton>(child(page, 7), 1).click();
    pump();
    EXPECT_TRUE(std::filesystem::exists(saved.path() / "Deal final.html"));
    EXPECT_EQ(page.children().at(page.children().size() - 1), window->status_message().info_bar());
    EXPECT_EQ(window->status_message().info_bar()->title(), L"Document saved.");
    EXPECT_TRUE(output->opened.empty());
}

TEST_F(SavePrintPanel, AHeaderTakesOneLineWhenThePanelHasRoomAndWrapsWhenItHasNot) {
    Panel& page = show_page(1);
    core::current_language = 1;
    window->save_print_panel().BuildSavePrintPanel(page, 1);
    auto* title = static_cast<QLabel*>(widget_of(child<TextBlock>(child(page, 2), 0)));
    ASSERT_EQ(title->text(), QStringLiteral("Папка для сохранения"));
    window->activate();
    pump();
    const int line = title->fontMetrics().lineSpacing();
    EXPECT_LT(title->contentsRect().height(), 2 * line);
    // A header narrower than its title.
    QWidget* header = title->parentWidget();
    header->resize(120, header->heightForWidth(120));
    header->layout()->activate();
    EXPECT_GE(title->contentsRect().height(), 2 * line);
}

TEST_F(SavePrintPanel, LayoutPageRowsInOrderAndTheFontSizeWaitsForApply) {
    show_page(2);
    window->session().formatting().margin_left = 0;
    window->session().formatting().body_top_padding = 20;
    window->save_print_panel().BuildSavePrintPanel(window->data_panel().panel(), 2);
    Panel& page = window->data_panel().panel();
    ASSERT_EQ(page.children().size(), 21u);
    // A zero margin shows as its caption says but its slider stays within range.
    EXPECT_EQ(caption_of(page, 1), L"0 mm");
    EXPECT_EQ(child<Slider>(child(page, 2), 0).value(), 1);

    const std::size_t main_scripts = main_view().scripts.size(), starts = preview_starts();
    child<Slider>(child(page, 11), 0).set_value(14);
    EXPECT_EQ(caption_of(page, 10), L"14 pt");
    EXPECT_EQ(window->session().formatting().body_font_size, 14.0f);
    EXPECT_EQ(window->session().data()->pages.groups[0].elements[0].items[0].v[0], 14);
    EXPECT_EQ(main_view().scripts.size(), main_scripts);
    EXPECT_EQ(preview_starts(), starts);

    child<AppBarButton>(child(page, 20), 1).click();
    EXPECT_GT(preview_starts(), starts);
}

TEST_F(SavePrintPanel, WithoutADocumentEveryPageIsEmpty) {
    window = started_window();
    window->OnWebMessageReceived(main_view(), L"No|Such|Document");
    for (std::int32_t page = 0; page < 3; ++page) {
        window->save_print_panel().BuildSavePrintPanel(window->data_panel().panel(), page);
        EXPECT_EQ(window->data_panel().panel().children().size(), 0u);
    }
}

// The pick buttons: the page list from the calculator, the file name from a
// remembered list of the interface language.
TEST_F(SavePrintPanel, ThePageListComesFromTheCalculatorWithoutEqualsThenAFreshPreview) {
    std::shared_ptr<Element> row = show_page(0).children().at(4);
    window->session().output().selected_pages = L"2";
    click_pick(row);
    ASSERT_TRUE(dialog());
    EXPECT_EQ(title(), L"Separate each entry with a comma (1, 3 or 5-7 for example)");
    EXPECT_FALSE(key(22)->is_enabled());                   // "="
    for (std::int32_t code : {11, 3}) key(code)->click();  // "," "3"
    const std::uint64_t previews = window->print_preview().preview_runs();
    dialog()->click_primary();
    pump();
    EXPECT_EQ(window->session().output().selected_pages, L"2,3");
    EXPECT_EQ(child<TextBox>(row, 0)->text(), L"2,3");
    EXPECT_EQ(window->print_preview().preview_runs(), previews + 1);
    EXPECT_TRUE(failures.messages.empty());
}

TEST_F(SavePrintPanel, TheFileNameComesFromARememberedListOfTheInterfaceLanguage) {
    std::shared_ptr<Element> row = show_page(1).children().at(5);
    const std::wstring title_before = child<TextBox>(row, 0)->text();
    click_pick(row);
    EXPECT_EQ(title(), L"File Name");
    dialog()->click_close();
    pump();
    child<TextBox>(row, 0)->set_text(L"Contract 7");
    click_pick(row);
    auto list = child<ListBox>(child<Panel>(dialog()->content, 0), 0);
    ASSERT_EQ(list->entries().size(), 2u);
    EXPECT_EQ(list->entries()[0].text, L"Contract 7");
    list->set_selected_index(1);
    dialog()->click_primary();
    pump();
    EXPECT_EQ(child<TextBox>(row, 0)->text(), title_before);
    EXPECT_EQ(window->session().data()->page_setup.groups[0].record.s1, title_before);
    EXPECT_EQ(ui::read_value_list(core::text_of(data_file(L"lists/File Name.list"))).entries,
              (std::vector<std::wstring>{L"Contract 7", title_before}));

    core::current_language = 1;
    click_pick(row);
    EXPECT_EQ(title(), L"Имя файла");
    dialog()->click_close();
    pump();
    EXPECT_TRUE(std::filesystem::exists(data_file(L"lists/Имя файла.list")));
}

}  // namespace
