#include "ui/editing/dlg_calc.h"

#include <variant>

#include "core/interface_texts.h"
#include "engine/document/ui_text.h"
#include "platform/decoration.h"
#include "platform/grid.h"
#include "ui/editing/dialog_texts.h"
#include "ui/editing/panel_look.h"

namespace ui {

namespace {

// The keys as the keypad lays them out. The glyph keys show characters of
// the sans font (⌫ ␣ × −) in place of the original symbol font's; clear reads
// "C", for a cross beside × reads as multiply.
struct key_look {
    calculator_key key;
    const wchar_t* text;
    double font_size;
    bool bold;
    double width;
    double height;
    int row;
    int column;
    int row_span;
};

constexpr double key_side = 50;

// The display is four lines high from the start, with this padding above and
// below: growing, it would move the keys under the pointer.
constexpr int display_lines = 4;
constexpr double display_padding = 9;

// clang-format off
constexpr key_look key_looks[] = {
    // key                        text      size  bold   width  height  row col span
    {calculator_key::backspace,   L"\u232B", 15, false,   76,    50,     0,  0,  1},  // in the edit row
    {calculator_key::clear,       L"C",      13, false,   77,    50,     0,  1,  1},  // in the edit row
    {calculator_key(7),           L"7",      16, true,    50,    50,     1,  0,  1},
    {calculator_key(8),           L"8",      16, true,    50,    50,     1,  1,  1},
    {calculator_key(9),           L"9",      16, true,    50,    50,     1,  2,  1},
    {calculator_key(4),           L"4",      16, true,    50,    50,     2,  0,  1},
    {calculator_key(5),           L"5",      16, true,    50,    50,     2,  1,  1},
    {calculator_key(6),           L"6",      16, true,    50,    50,     2,  2,  1},
    {calculator_key(1),           L"1",      16, true,    50,    50,     3,  0,  1},
    {calculator_key(2),           L"2",      16, true,    50,    50,     3,  1,  1},
    {calculator_key(3),           L"3",      16, true,    50,    50,     3,  2,  1},
    {calculator_key::point,       L".",      16, true,    50,    50,     4,  0,  1},
    {calculator_key(0),           L"0",      16, true,    50,    50,     4,  1,  1},
    {calculator_key::comma,       L",",      16, true,    50,    50,     4,  2,  1},
    {calculator_key::blank,       L"\u2423", 17, false,   50,    50,     0,  4,  1},
    {calculator_key::colon,       L":",      18, false,   50,    50,     0,  5,  1},
    {calculator_key::divide,      L"/",      18, false,   50,    50,     1,  4,  1},
    {calculator_key::open,        L"(",      18, false,   50,    50,     1,  5,  1},
    {calculator_key::multiply,    L"\u00D7", 18, false,   50,    50,     2,  4,  1},
    {calculator_key::close,       L")",      18, false,   50,    50,     2,  5,  1},
    {calculator_key::minus,       L"\u2212", 18, false,   50,    50,     3,  4,  1},
    {calculator_key::plus,        L"+",      18, false,   50,    50,     4,  4,  1},
    {calculator_key::equals,      L"=",      18, false,   50,   102,     3,  5,  2},
};
// clang-format on

constexpr platform::Color key_colour{255, 0xFC, 0xFC, 0xFC};
constexpr platform::Color key_text{255, 0x1A, 0x1A, 0x1A};
constexpr platform::Color disabled_key_text{255, 0xA0, 0xA0, 0xA0};
constexpr platform::Color light_gray{255, 0xD3, 0xD3, 0xD3};
constexpr platform::Color gray{255, 0x80, 0x80, 0x80};

const key_look& look_of(calculator_key key) {
    for (const key_look& row : key_looks) {
        if (row.key == key) return row;
    }
    return key_looks[0];
}

}  // namespace

DlgCalc::DlgCalc(PickerOwner owner, const std::wstring& initial_value, const std::wstring& title,
                 bool equals)
    : owner_(std::move(owner)),
      initial_value_(dialog_initial_value(initial_value)),
      title_(dialog_title(title, engine::ui_text::enter_number)),
      equals_(equals) {}

platform::Task<platform::DialogResult> DlgCalc::ShowAsync() {
    result_ = initial_value_;
    dialog_ = make_picker_dialog(title_, 252, BuildContent());
    return show_over(*dialog_, owner_.window);
}

std::shared_ptr<platform::Button> DlgCalc::AddKeyButton(calculator_key key) {
    const key_look& look = look_of(key);
    auto button = platform::Button::create();
    button->set_text(look.text);
    button->set_font({L"", look.font_size, look.bold});
    button->set_width(look.width);
    button->set_height(look.height);
    button->set_margin({1, 1, 1, 1});
    button->set_vertical_alignment(platform::VerticalAlignment::top);
    if (key == calculator_key::clear)
        button->set_horizontal_alignment(platform::HorizontalAlignment::right);
    const bool enabled = key != calculator_key::equals || equals_;
    button->set_enabled(enabled);
    button->set_colors(key_colour, enabled ? key_text : disabled_key_text);
    button->data_context = std::int32_t(key);
    button->clicked.add([this](platform::Button& sender, const platform::NoArgs&) {
        if (const auto* code = std::get_if<std::int32_t>(&sender.data_context))
            OnKeyClick(calculator_key(*code));
    });
    return button;
}

std::shared_ptr<platform::Element> DlgCalc::BuildContent() {
    auto display = platform::Grid::create();
    display->set_margin({9, 12, 9, 8});
    platform::set_border(*display, {look::white_smoke, light_gray, 1, look::corner_radius});
    display->set_columns({platform::GridLength::automatic(), platform::GridLength::automatic()});
    display->double_tapped.add(
        [this](platform::Grid&, const platform::NoArgs&) { OnDisplayDoubleTapped(); });
    display_text_ = platform::TextBlock::create(initial_value_);
    display_text_->set_font({L"", 16, false, 600});
    display_text_->set_margin({8, 0, 8, 0});
    // A run of digits has no blank to break at.
    platform::wrap_anywhere(*display_text_);
    // Four lines, however long the expression, so the keypad keeps its size
    // and its place; a longer expression scrolls, its end in view, where the
    // keys add to it.
    display_scroller_ = platform::ScrollViewer::create();
    display_scroller_->set_content(display_text_);
    // The counter takes from the display what four digits need.
    display_scroller_->set_width(234);
    // The padding stays put while the lines scroll.
    display_scroller_->set_margin({0, display_padding, 0, display_padding});
    display_scroller_->set_max_lines(display_lines);
    display_scroller_->set_min_lines(display_lines);
    display_scroller_->set_keeps_end_in_view(true);
    digit_counter_ = platform::TextBlock::create(digit_count_text(initial_value_));
    digit_counter_->set_width(36);
    digit_counter_->set_font({L"", 11, false});
    digit_counter_->set_foreground({gray});
    digit_counter_->set_vertical_alignment(platform::VerticalAlignment::top);
    digit_counter_->set_horizontal_alignment(platform::HorizontalAlignment::right);
    digit_counter_->set_margin({2, 2, 6, 2});
    display->set_cell(*display_scroller_, 0, 0);
    display->set_cell(*digit_counter_, 0, 1);
    display->children().append(display_scroller_);
    display->children().append(digit_counter_);

    auto edit_row = platform::Grid::create();
    edit_row->set_columns({platform::GridLength::automatic(), platform::GridLength::automatic()});
    auto keypad = platform::Grid::create();
    keypad->set_margin({7, 0, 6, 6});
    keypad->set_rows(std::vector(5, platform::GridLength::automatic()));
    std::vector<platform::GridLength> columns(6, platform::GridLength::automatic());
    // 12 pixels between the digits and the operators.
    columns[3] = platform::GridLength::pixels(12);
    keypad->set_columns(columns);
    keypad->set_cell(*edit_row, 0, 0, 1, 3);
    keypad->children().append(edit_row);
    for (const key_look& look : key_looks) {
        auto button = AddKeyButton(look.key);
        const bool edits =
            look.key == calculator_key::backspace || look.key == calculator_key::clear;
        platform::Grid& holder = edits ? *edit_row : *keypad;
        holder.set_cell(*button, look.row, look.column, look.row_span);
        holder.children().append(button);
    }

    auto outer = platform::Grid::create();
    platform::set_border(*outer, {platform::Color{0xDB, 0xDB, 0xDB, 0xDB}, look::transparent, 0,
                                  look::corner_radius});
    outer->set_rows({platform::GridLength::automatic(), platform::GridLength::automatic()});
    outer->set_cell(*display, 0, 0);
    outer->set_cell(*keypad, 1, 0);
    outer->children().append(display);
    outer->children().append(keypad);
    return outer;
}

void DlgCalc::OnKeyClick(calculator_key key) {
    const std::wstring text =
        press_calculator_key(display_text_->text(), key, core::current_language);
    result_ = text;
    display_text_->set_text(text);
    digit_counter_->set_text(digit_count_text(text));
}

void DlgCalc::OnDisplayDoubleTapped() {
    accepted_ = true;
    dialog_->hide();
}

}  // namespace ui
