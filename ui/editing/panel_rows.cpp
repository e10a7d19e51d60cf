#include "ui/editing/panel_rows.h"

#include "platform/controls.h"
#include "platform/decoration.h"
#include "platform/grid.h"
#include "ui/editing/panel_look.h"

namespace ui {

void MakeSectionHeader(platform::Panel& panel, std::wstring title, std::wstring subtitle) {
    if (title.empty()) return;
    auto header = platform::Grid::create();
    header->set_background({look::transparent});
    header->set_rows({platform::GridLength::automatic()});
    header->set_columns({platform::GridLength::automatic(), platform::GridLength::star()});

    auto title_block = platform::TextBlock::create(std::move(title));
    title_block->set_font(look::caption_font());
    title_block->set_margin({18, 12, 6, 2});
    platform::set_word_wrap(*title_block, true);
    platform::keep_on_one_line_when_it_fits(*title_block);
    title_block->set_foreground({look::dark_blue});
    header->set_cell(*title_block, 0, 0);

    auto subtitle_block = platform::TextBlock::create(std::move(subtitle));
    subtitle_block->set_font(look::subtitle_font());
    subtitle_block->set_foreground({look::dark_blue});
    subtitle_block->set_margin({0, 10, 22, 4});
    platform::set_word_wrap(*subtitle_block, true);
    // As the title: one line when the row has the room, else wrapped in all
    // the room there is, never in a narrow box that the row then cuts.
    platform::keep_on_one_line_when_it_fits(*subtitle_block);
    subtitle_block->set_horizontal_alignment(platform::HorizontalAlignment::left);
    header->set_cell(*subtitle_block, 0, 1);

    header->children().append(title_block);
    header->children().append(subtitle_block);
    panel.children().append(header);
}

void MakeLabel(platform::Panel& panel, const std::wstring& text) {
    auto row = platform::Panel::create();
    row->set_margin(look::label_row_margin);
    platform::set_border(*row, {look::row_brush(), look::transparent, 0, look::corner_radius});
    auto label = platform::TextBlock::create(text);
    label->set_font(look::label_font());
    label->set_margin(look::label_text_margin);
    platform::set_word_wrap(*label, true);
    label->set_foreground({look::white});
    row->children().append(label);
    panel.children().append(row);
}

std::shared_ptr<platform::Button> MakePickButton(const std::wstring& install_folder, bool listed,
                                                 platform::VerticalAlignment alignment) {
    auto button = platform::Button::create();
    button->set_width(36);
    button->set_height(36);
    button->set_horizontal_alignment(platform::HorizontalAlignment::right);
    button->set_vertical_alignment(alignment);
    const wchar_t* icon = listed ? L"/icons/pick_list.xpm" : L"/icons/pick_value.xpm";
    button->set_icon(install_folder.empty() ? std::wstring() : install_folder + icon,
                     listed ? 10.5 : 11);
    button->set_colors(look::pick_button, look::dark_blue);
    return button;
}

std::wstring bracketed_hint(const std::wstring& text) { return L"[\u2009" + text + L"\u2009]"; }

}  // namespace ui
