// A panel test whose pick buttons open dialogs: helpers that press them and
// reach the controls of the dialog that shows, by their positions.
#pragma once

#include <QCalendarWidget>
#include <QCoreApplication>
#include <QImage>
#include <QTableView>
#include <cstdlib>
#include <utility>
#include <variant>

#include "editing/panel/panel_fixture.h"
#include "platform/calendar_view.h"
#include "platform/fake/fake_document_output.h"
#include "platform/grid.h"
#include "platform/list_box.h"
#include "platform/menu_flyout.h"
#include "platform/qt/native_widget.h"
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
    // Whether the calendar draws its selected day unlike a day of the same
    // month beside it, as the user sees them: the cells' background and the
    // colour of their figures, give or take the smoothing of a thin figure.
    static bool selected_day_stands_out() {
        auto* widget = static_cast<QCalendarWidget*>(platform::widget_of(*calendar()));
        auto* table = widget->findChild<QTableView*>();
        const QModelIndexList selected = table->selectionModel()->selectedIndexes();
        if (selected.size() != 1) return false;
        const QModelIndex day = selected.front();
        // The same weekday a week on, or back, so weekend colours match.
        const QDate other = widget->selectedDate().addDays(7);
        const int step = other.month() == widget->monthShown() ? 1 : -1;
        const QModelIndex neighbour = day.siblingAtRow(day.row() + step);
        const QImage drawn = table->viewport()->grab().toImage();
        const auto away = [](const QColor& a, const QColor& b) {
            return std::abs(a.red() - b.red()) + std::abs(a.green() - b.green()) +
                   std::abs(a.blue() - b.blue());
        };
        // A cell's background, and the colour farthest from it: its figures'.
        const auto colours = [&](const QModelIndex& cell) {
            const QRect area =
                table->visualRect(cell).adjusted(3, 3, -3, -3).intersected(drawn.rect());
            const QColor background = drawn.pixelColor(area.topLeft());
            QColor ink = background;
            for (int y = area.top(); y <= area.bottom(); ++y) {
                for (int x = area.left(); x <= area.right(); ++x) {
                    const QColor c = drawn.pixelColor(x, y);
                    if (away(c, background) > away(ink, background)) ink = c;
                }
            }
            return std::pair{background, ink};
        };
        const auto [day_background, day_ink] = colours(day);
        const auto [other_background, other_ink] = colours(neighbour);
        return away(day_background, other_background) > 120 || away(day_ink, other_ink) > 120;
    }
    // The calculator: the display frame, and the key that carries `code`.
    static std::shared_ptr<platform::Grid> display() {
        return child<platform::Grid>(dialog()->content, 0);
    }
    // The expression, inside the display's scroll viewer.
    static std::shared_ptr<platform::TextBlock> display_block() {
        auto scroller = child<platform::ScrollViewer>(display(), 0);
        return std::dynamic_pointer_cast<platform::TextBlock>(scroller->content());
    }
    static std::wstring display_text() { return display_block()->text(); }
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
