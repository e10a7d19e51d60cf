// The pick buttons of the data panel: each opens the dialog of its field's
// type, and only an accepted, non-empty answer reaches the field, its box
// and the document.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

#include "core/file_paths.h"
#include "core/interface_texts.h"
#include "editing/panel/picking_fixture.h"
#include "engine/document/environment.h"
#include "engine/fields/date_value.h"
#include "support/temp_folder.h"
#include "ui/editing/date_choice.h"
#include "ui/editing/value_list.h"

namespace {

using namespace platform;
using Texts = std::vector<std::wstring>;

class ValuePicking : public panel_test::PickingTest {
protected:
    // The window's documents read the machine's clock.
    static CalendarDate today() {
        const engine::date_value now =
            engine::date_value::today(0, engine::system_environment().now());
        return {now.broken_down.tm_year + 1900, now.broken_down.tm_mon + 1,
                now.broken_down.tm_mday};
    }
    static std::wstring today_text() {
        const CalendarDate day = today();
        return ui::long_date_text({day.year, day.month, day.day});
    }
    std::filesystem::path list_file(const std::wstring& name) {
        return data_file(L"lists/" + name + L".list");
    }
    Texts in_file(const std::wstring& name) {
        return ui::read_value_list(list_file(name).wstring()).entries;
    }
    // The line under the list.
    static std::wstring note() {
        const auto line = child<TextBlock>(dialog()->content, 1);
        return line ? line->text() : L"(none)";
    }
};

TEST_F(ValuePicking, TheCalculatorHandsBackItsDisplayAndTheFieldIsStoredAsTyped) {
    make_section(3, L" 12 ");
    const std::size_t before = renders();
    pick(1);
    ASSERT_TRUE(dialog());
    EXPECT_EQ(title(), L"The Net amount");  // the caption, rendered
    EXPECT_EQ(display_text(), L"12");
    press(L"x1,5*2=");
    EXPECT_EQ(display_text(), L"3");
    EXPECT_EQ(digit_counter(), L"1");
    ok();
    EXPECT_FALSE(dialog());
    EXPECT_EQ(stored(), L"3");
    EXPECT_EQ(shown(), L"3");
    EXPECT_EQ(field(0, 1).record.c, 1);  // conditions evaluated again
    EXPECT_EQ(row(3)->visibility(), Visibility::collapsed);
    EXPECT_EQ(renders(), before + 1);
    EXPECT_FALSE(last_render_reset_scroll());

    // Russian: the comma is the separator; a double tap on the display
    // takes it as it stands.
    core::current_language = 1;
    pick(1);
    press(L"x7:2=");
    EXPECT_EQ(display_text(), L"3,5");
    display()->double_tap();
    settle();
    EXPECT_EQ(stored(), L"3,5");
    EXPECT_TRUE(failures.messages.empty());
}

TEST_F(ValuePicking, CancelAndAnEmptyAnswerWriteNothing) {
    make_section(3, L"");
    const std::size_t before = renders();
    pick(1);
    ok();  // nothing typed: an empty display
    pick(1);
    press(L"42");
    cancel();
    EXPECT_EQ(stored(), L"");
    EXPECT_EQ(shown(), L"");
    EXPECT_EQ(renders(), before);

    // An empty caption gives the default title.
    field(0, 0).record.s3 = L"  ";
    pick(1);
    EXPECT_EQ(title(), L"Enter a number");
    cancel();
}

TEST_F(ValuePicking, TheDateDialogHandsBackTheLongDateOfTheInterfaceLanguage) {
    make_section(1, L"");
    pick(1);
    EXPECT_EQ(calendar()->selected_date(), today());
    ok();  // today, untouched
    EXPECT_EQ(stored(), today_text());

    pick(1);
    EXPECT_EQ(calendar()->selected_date(), today());
    calendar()->click_date({2025, 3, 8});
    ok();
    EXPECT_EQ(stored(), L"March 8, 2025");
    EXPECT_EQ(shown(), L"March 8, 2025");
}

TEST_F(ValuePicking, OnATextThatIsNoDateOkKeepsTheTextUntilADayIsPicked) {
    make_section(1, L"when it suits");
    const std::size_t before = renders();
    pick(1);
    EXPECT_EQ(calendar()->shown_month(), (CalendarDate{today().year, today().month, 1}));
    ok();
    EXPECT_EQ(stored(), L"when it suits");
    EXPECT_EQ(renders(), before);
    // The day the calendar shows selected takes a click too.
    pick(1);
    calendar()->click_date(calendar()->selected_date());
    ok();
    EXPECT_EQ(stored(), today_text());
}

TEST_F(ValuePicking, AListRemembersEveryTextItWasOpenedWithSortedPerListName) {
    make_section(2, L"Bob", L"Client1");
    pick(1);
    EXPECT_EQ(listed(), (Texts{L"Bob"}));
    EXPECT_EQ(list_box()->selected_index(), 0);
    cancel();
    // Client1 and Client2 share one file, which the opening wrote.
    EXPECT_EQ(in_file(L"Client"), (Texts{L"Bob"}));

    inside<TextBox>(1, 0)->set_text(L"Ann");
    pick(1);
    EXPECT_EQ(listed(), (Texts{L"Ann", L"Bob"}));
    EXPECT_EQ(list_box()->selected_index(), 0);
    list_box()->set_selected_index(1);
    const std::size_t before = renders();
    ok();
    EXPECT_EQ(stored(), L"Bob");
    EXPECT_EQ(shown(), L"Bob");
    EXPECT_EQ(renders(), before + 1);

    // A double click takes the entry and closes.
    pick(1);
    list_box()->double_click(0);
    settle();
    EXPECT_FALSE(dialog());
    EXPECT_EQ(stored(), L"Ann");
}

TEST_F(ValuePicking, AListNotReadWholeIsKeptAsideAndTheDialogSaysSo) {
    make_section(2, L"Bob", L"Client");
    std::filesystem::create_directories(data_file(L"lists"));
    std::ofstream(list_file(L"Client"), std::ios::binary) << "Boston\nChicago\nМосква\n";
    pick(1);
    // A plain text file holds no entry: no empty row shows, none is stored.
    EXPECT_EQ(listed(), (Texts{L"Bob"}));
    EXPECT_EQ(note(),
              L"This list could not be read whole; the old file was kept as "
              L"Client.list.unreadable.");
    cancel();
    EXPECT_EQ(in_file(L"Client"), (Texts{L"Bob"}));
    EXPECT_TRUE(std::filesystem::exists(data_file(L"lists/Client.list.unreadable")));
    // The list written then reads whole: nothing more is kept, nothing said.
    pick(1);
    EXPECT_EQ(std::dynamic_pointer_cast<Panel>(dialog()->content)->children().size(), 1u);
    cancel();
}

TEST_F(ValuePicking, AListThatCannotBeWrittenSaysSoInTheDialog) {
    make_section(2, L"Bob", L"Client");
    const std::wstring path = core::text_of(list_file(L"Client"));
    std::filesystem::create_directories(data_file(L"lists"));
    const auto take_every_kept_name = [this] {
        for (int n = 1; n <= ui::value_list_kept_names; ++n)
            std::filesystem::create_symlink(
                "nowhere", data_file(L"lists/" + ui::unreadable_list_name(L"Client.list", n)));
    };
    const std::wstring names_taken =
        L"This list could not be read whole and was not changed: every name to keep the old file "
        L"under, Client.list.unreadable to Client.list.100.unreadable, is taken.";

    // A folder in the file's place.
    std::filesystem::create_directories(list_file(L"Client") / "inside");
    pick(1);
    EXPECT_EQ(listed(), (Texts{L"Bob"}));
    EXPECT_EQ(note(),
              core::changes_not_saved(path, std::make_error_code(std::errc::is_a_directory)));
    cancel();
    std::filesystem::remove_all(list_file(L"Client"));

    // A damaged file with every name to keep it under taken stays as it is.
    std::ofstream(list_file(L"Client"), std::ios::binary) << "damaged";
    take_every_kept_name();
    pick(1);
    EXPECT_EQ(note(), names_taken);
    cancel();
    EXPECT_EQ(fixture::read_bytes(list_file(L"Client")), "damaged");

    // A deletion that cannot be written says so too: the file was damaged
    // after the dialog opened on it.
    std::filesystem::remove(list_file(L"Client"));
    ui::write_value_list(path, {L"Ann"});
    pick(1);
    ASSERT_EQ(listed(), (Texts{L"Ann", L"Bob"}));
    EXPECT_EQ(std::dynamic_pointer_cast<Panel>(dialog()->content)->children().size(), 1u);
    const std::string cut = ui::encode_value_list({L"Ann", L"Bob"}) + "x";
    fixture::write_bytes(list_file(L"Client"), cut);
    list_box()->right_click(0);
    std::dynamic_pointer_cast<MenuFlyoutItem>(MenuFlyout::open_menu()->items().at(0))->click();
    settle();
    EXPECT_EQ(note(), names_taken);
    cancel();
    EXPECT_EQ(fixture::read_bytes(list_file(L"Client")), cut);
}

TEST_F(ValuePicking, DeletingAnEntryRewritesTheListAndNeverHandsItBack) {
    make_section(0, L"Carol", L"Client");
    std::filesystem::create_directories(data_file(L"lists"));
    ui::write_value_list(list_file(L"Client").wstring(), {L"Ann", L"Bob"});
    pick(1);
    ASSERT_EQ(listed(), (Texts{L"Ann", L"Bob", L"Carol"}));
    list_box()->set_selected_index(0);
    list_box()->right_click(0);
    auto menu = MenuFlyout::open_menu();
    ASSERT_TRUE(menu);
    std::dynamic_pointer_cast<MenuFlyoutItem>(menu->items().at(0))->click();
    settle();
    EXPECT_EQ(listed(), (Texts{L"Bob", L"Carol"}));
    EXPECT_EQ(list_box()->selected_index(), -1);
    EXPECT_EQ(in_file(L"Client"), (Texts{L"Bob", L"Carol"}));
    ok();  // "Ann" was selected, then deleted: nothing to hand back
    EXPECT_EQ(stored(), L"Carol");
}

TEST_F(ValuePicking, ADatabaseListOffersOnlyTheFieldsTextAndWritesNoFile) {
    make_section(5, L"First Bank", L"Bank");
    pick(1);
    EXPECT_EQ(listed(), (Texts{L"First Bank"}));
    EXPECT_EQ(list_box()->selected_index(), 0);
    ok();
    EXPECT_EQ(stored(), L"First Bank");
    EXPECT_FALSE(std::filesystem::exists(list_file(L"Bank")));
    // A plain text field's button opens nothing.
    field(0, 0).record.a = 4;
    pick(1);
    EXPECT_FALSE(dialog());
}

TEST_F(ValuePicking, AnAnswerForADocumentThatWasReplacedWritesNothing) {
    make_section(3, L"7");
    pick(1);
    press(L"+1=");
    main_view().web_message_received.raise(main_view(), L"Agreements/Sales|Agreement");
    ASSERT_TRUE(dialog());
    const std::size_t before = renders();
    ok();
    EXPECT_EQ(renders(), before);
    EXPECT_TRUE(failures.messages.empty());
}

}  // namespace
