// The pick buttons of the print and save pages: the page list comes from the
// calculator, then a fresh preview; the file name from a remembered list of
// the interface language.
#include <QCoreApplication>
#include <variant>

#include "core/interface_texts.h"
#include "platform/button.h"
#include "platform/grid.h"
#include "platform/list_box.h"
#include "platform/testing.h"
#include "ui/editing/value_list.h"
#include "window/output_fixture.h"

namespace {

using namespace platform;

template <class T>
std::shared_ptr<T> child(const std::shared_ptr<Element>& parent, std::size_t index) {
    auto panel = std::dynamic_pointer_cast<Panel>(parent);
    return panel ? std::dynamic_pointer_cast<T>(panel->children().at(index)) : nullptr;
}

class SavePrintPicking : public output_test::OutputWindowTest {
protected:
    std::shared_ptr<Element> show_row(core::SavePrintPage page, std::size_t row) {
        window = template_window();
        window->session().set_save_print_page(page);
        window->save_print_panel().BuildSavePrintPanel(window->data_panel().panel(),
                                                       std::int32_t(page));
        return window->data_panel().panel().children().at(row);
    }
    static void click_pick(const std::shared_ptr<Element>& row) {
        child<Button>(row, 1)->click();
        pump();
    }
    static std::shared_ptr<ContentDialog> dialog() { return platform::testing::last_dialog(); }
    static std::wstring title() { return child<TextBlock>(dialog()->title, 0)->text(); }
    static std::shared_ptr<Button> key(std::int32_t code) {
        auto keypad = child<Panel>(dialog()->content, 1);
        for (std::size_t i = 0; i < keypad->children().size(); ++i) {
            auto candidate = keypad->children().at(i);
            const auto* carried = std::get_if<std::int32_t>(&candidate->data_context);
            if (carried && *carried == code) return std::dynamic_pointer_cast<Button>(candidate);
        }
        return nullptr;
    }

    std::unique_ptr<app::MainWindow> window;
};

TEST_F(SavePrintPicking, ThePageListComesFromTheCalculatorWithoutEqualsThenAFreshPreview) {
    auto row = show_row(core::SavePrintPage::print, 4);
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

TEST_F(SavePrintPicking, TheFileNameComesFromARememberedListOfTheInterfaceLanguage) {
    auto row = show_row(core::SavePrintPage::save, 5);
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
