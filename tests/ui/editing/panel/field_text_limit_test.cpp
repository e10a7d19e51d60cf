// A field takes at most the field limit of characters from the user: a paste,
// a key or a picked entry that would pass it is refused whole, the field
// keeps what it had and a message below it says why. Nothing is cut.
#include "ui/editing/field_text_limit.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QClipboard>
#include <QTest>
#include <filesystem>
#include <functional>

#include "core/interface_texts.h"
#include "editing/panel/picking_fixture.h"
#include "platform/info_bar.h"
#include "platform/qt/native_widget.h"
#include "ui/editing/value_list.h"

namespace {

using namespace platform;
using ui::field_text_limit;

const std::wstring refused_english =
    L"The text was not taken: a field holds at most 20,000 characters.";

void paste(TextBox& box, const std::wstring& text) {
    QApplication::clipboard()->setText(QString::fromStdWString(text));
    QTest::keyClick(widget_of(box), Qt::Key_V, Qt::ControlModifier);
}
void type(TextBox& box, const char* keys) { QTest::keyClicks(widget_of(box), keys); }

class FieldTextLimit : public panel_test::PickingTest {
protected:
    // The status bar, when a message placed it in the panel.
    std::shared_ptr<InfoBar> bar() {
        for (std::size_t i = 0; i < panel().children().size(); ++i) {
            if (auto found = std::dynamic_pointer_cast<InfoBar>(panel().children().at(i)))
                return found;
        }
        return nullptr;
    }
    // Where the panel holds the bar; the panel's size when it holds none.
    std::size_t bar_position() {
        auto shown = bar();
        if (!shown) return panel().children().size();
        return *panel().children().index_of(*shown);
    }
};

TEST_F(FieldTextLimit, TextPastTheLimitIsRefusedWholeWithAMessageAndTextReachingItIsTaken) {
    const auto s = add_section(L"S");
    add_field(s, 4, L"Line", L"Line");  // rows 0 and 1
    add_field(s, 0, L"Memo", L"Memo");  // rows 2 and 3
    add_field(s, 9, L"Logo", L"Logo");  // rows 4 and 5
    show_section(s);
    const std::wstring at_limit(field_text_limit, L'a');
    const std::wstring past_limit = at_limit + L"b";
    struct limit_case {
        const char* what;
        std::size_t row;
        std::wstring held;  // set before the edit
        std::function<void(TextBox&)> edit;
        std::wstring stored;  // what the field holds after it
        bool refused;
    };
    // clang-format off
    const limit_case cases[] = {
        {"a paste past the limit into a line", 1, L"kept",
         [&](TextBox& b) { paste(b, past_limit); }, L"kept", true},
        {"a paste past the limit into several lines", 3, L"kept",
         [&](TextBox& b) { paste(b, past_limit); }, L"kept", true},
        {"a paste past the limit into an image's path", 5, L"",
         [&](TextBox& b) { paste(b, past_limit); }, L"", true},
        {"a paste reaching the limit in a line", 1, L"",
         [&](TextBox& b) { paste(b, at_limit); }, at_limit, false},
        {"a paste reaching the limit in several lines", 3, L"",
         [&](TextBox& b) { paste(b, at_limit); }, at_limit, false},
        {"a key typed at the limit in a line", 1, at_limit,
         [](TextBox& b) { type(b, "b"); }, at_limit, true},
        {"a key typed at the limit in several lines", 3, at_limit,
         [](TextBox& b) { type(b, "b"); }, at_limit, true},
    };
    // clang-format on
    // The bar moves the rows below it: they are held from the start.
    std::vector<std::shared_ptr<Element>> rows;
    for (std::size_t i = 0; i < panel().children().size(); ++i) rows.push_back(row(i));
    for (const limit_case& c : cases) {
        auto box = child<TextBox>(rows.at(c.row), 0);
        ASSERT_TRUE(box) << c.what;
        box->set_text(c.held);
        if (auto old = bar()) old->set_open(false);
        QWidget* editor = widget_of(*box);
        editor->setFocus();
        QTest::keyClick(editor, Qt::Key_End, Qt::ControlModifier);
        const std::size_t before = renders();

        c.edit(*box);
        const std::size_t field_index = c.row / 2;
        EXPECT_EQ(field(s, std::int32_t(field_index)).record.s2, c.stored) << c.what;
        EXPECT_EQ(box->text(), c.stored) << c.what;
        if (c.refused) {
            ASSERT_TRUE(bar()) << c.what;
            EXPECT_TRUE(bar()->is_open()) << c.what;
            EXPECT_EQ(bar()->title(), refused_english) << c.what;
            // Right below the field.
            EXPECT_EQ(bar_position(), *panel().children().index_of(*rows[c.row]) + 1) << c.what;
            EXPECT_EQ(renders(), before) << c.what;
        } else {
            EXPECT_FALSE(bar() && bar()->is_open()) << c.what;
            EXPECT_EQ(renders(), before + 1) << c.what;
        }
    }
    EXPECT_TRUE(failures.messages.empty());

    // In Russian the message is the Russian row, its number grouped as Russian writes it.
    core::current_language = 1;
    paste(*child<TextBox>(rows[1], 0), past_limit);
    ASSERT_TRUE(bar());
    EXPECT_EQ(bar()->title(), L"Текст не принят: в поле помещается не больше 20\u00A0000 знаков.");
}

TEST_F(FieldTextLimit, AStoredValuePastTheLimitIsKeptWholeAndMayBeShortenedNotLengthened) {
    const std::wstring stored(field_text_limit + 5, L'a');
    const auto s = add_section(L"S");
    add_field(s, 4, L"Line", L"Line", stored);
    show_section(s);
    auto box = inside<TextBox>(1, 0);
    EXPECT_EQ(box->text(), stored);
    EXPECT_EQ(field(s, 0).record.s2, stored);

    QWidget* editor = widget_of(*box);
    editor->setFocus();
    QTest::keyClick(editor, Qt::Key_End);
    QTest::keyClick(editor, Qt::Key_Backspace);
    EXPECT_EQ(field(s, 0).record.s2, stored.substr(1));
    type(*box, "bc");
    EXPECT_EQ(field(s, 0).record.s2, stored.substr(1) + L"b");
    ASSERT_TRUE(bar());
    EXPECT_EQ(bar()->title(), refused_english);
}

TEST_F(FieldTextLimit, APickedListEntryPastTheLimitIsRefusedAsAPasteIs) {
    make_section(2, L"Bob", L"Client");
    std::filesystem::create_directories(data_file(L"lists"));
    const std::wstring long_entry(field_text_limit + 1, L'x');
    const std::error_code written =
        ui::write_value_list(data_file(L"lists/Client.list").wstring(), {L"Bob", long_entry});
    ASSERT_FALSE(written) << written.message();
    pick(1);
    ASSERT_EQ(listed().size(), 2u);
    list_box()->set_selected_index(1);
    const std::size_t before = renders();
    ok();
    EXPECT_EQ(stored(), L"Bob");
    EXPECT_EQ(shown(), L"Bob");
    EXPECT_EQ(renders(), before);
    ASSERT_TRUE(bar());
    EXPECT_EQ(bar()->title(), refused_english);
}

}  // namespace
