// A panel test whose pick buttons open dialogs: helpers that press them and
// reach the controls of the dialog that shows, by their positions.
#pragma once

#include <QCoreApplication>
#include <variant>

#include "editing/panel/panel_fixture.h"
#include "platform/calendar_view.h"
#include "platform/fake/fake_document_output.h"
#include "platform/grid.h"
#include "platform/list_box.h"
#include "platform/menu_flyout.h"
#include "platform/testing.h"

namespace panel_test {

class PickingTest : public PanelTest {
protected:
    PickingTest() { window->print_preview().set_output(output); }
    ~PickingTest() override {
        // A dialog left open by a failed check closes with the test.
        if (auto open = platform::testing::last_dialog()) open->click_close();
        settle();
    }

    // A field of `type` at rows 0 (caption) and 1, and a field hidden
    // while the first one's value is "3" at rows 2 and 3.
    void make_section(std::uint16_t type, std::wstring value, std::wstring name = L"Amount") {
        const auto s = add_section(L"S");
        add_field(s, type, std::move(name), L"The {Other} amount", std::move(value));
        add_field(s, 4, L"Other", L"Other", L"net").record.s5 = L"Amount = 3";
        show_section(s);
    }
    std::wstring stored() { return field(0, 0).record.s2; }
    std::wstring shown() { return inside<platform::TextBox>(1, 0)->text(); }
    // Runs posted work until none is left: a dialog's answer resumes its
    // flow on a later turn.
    static void settle() {
        for (int turn = 0; turn < 10; ++turn) QCoreApplication::processEvents();
    }
    // Presses the pick button of the row at `row_index`.
    void pick(std::size_t row_index) {
        inside<platform::Button>(row_index, 1)->click();
        settle();
    }
    static std::shared_ptr<platform::ContentDialog> dialog() {
        return platform::testing::last_dialog();
    }
    static void ok() {
        dialog()->click_primary();
        settle();
    }
    static void cancel() {
        dialog()->click_close();
        settle();
    }
    static std::wstring title() { return child<platform::TextBlock>(dialog()->title, 0)->text(); }
    // The list dialog: its list box inside the framed panel of the content.
    static std::shared_ptr<platform::ListBox> list_box() {
        return child<platform::ListBox>(child<platform::Panel>(dialog()->content, 0), 0);
    }
    static std::vector<std::wstring> listed() {
        std::vector<std::wstring> texts;
        for (const auto& entry : list_box()->entries()) texts.push_back(entry.text);
        return texts;
    }
    static std::shared_ptr<platform::CalendarView> calendar() {
        return child<platform::CalendarView>(dialog()->content, 0);
    }
    // The calculator: the display frame, and the key that carries `code`.
    static std::shared_ptr<platform::Grid> display() {
        return child<platform::Grid>(dialog()->content, 0);
    }
    static std::wstring display_text() { return child<platform::TextBlock>(display(), 0)->text(); }
    static std::wstring digit_counter() { return child<platform::TextBlock>(display(), 1)->text(); }
    static std::shared_ptr<platform::Button> key(std::int32_t code) {
        auto keypad = child<platform::Panel>(dialog()->content, 1);
        for (std::size_t i = 0; i < keypad->children().size(); ++i) {
            auto element = keypad->children().at(i);
            auto holder = std::dynamic_pointer_cast<platform::Panel>(element);
            const std::size_t inner = holder ? holder->children().size() : 1;
            for (std::size_t j = 0; j < inner; ++j) {
                auto candidate = holder ? holder->children().at(j) : element;
                const auto* carried = std::get_if<std::int32_t>(&candidate->data_context);
                if (carried && *carried == code)
                    return std::dynamic_pointer_cast<platform::Button>(candidate);
            }
        }
        return nullptr;
    }
    // Presses keys by their characters: digits, "," "." " " ":" "/" "*" "-"
    // "+" "(" ")" "=", "<" back-space and "x" clear.
    static void press(std::wstring_view keys) {
        constexpr std::wstring_view codes = L"0123456789.,<x :/*+-()=";
        for (wchar_t c : keys) key(std::int32_t(codes.find(c)))->click();
    }

    std::shared_ptr<platform::FakeDocumentOutput> output =
        std::make_shared<platform::FakeDocumentOutput>();
};

}  // namespace panel_test
