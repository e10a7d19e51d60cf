// The About box: the product, its version and four links, built anew in the
// interface language each time it opens.
#include "app/main_window.h"
#include "app/window_look.h"
#include "core/interface_texts.h"
#include "engine/document/ui_text.h"
#include "platform/content_dialog.h"
#include "platform/hyperlink_button.h"

namespace app {

namespace {

namespace ui_text = engine::ui_text;
using platform::GridLength;

constexpr wchar_t product_line[] = L"Vellumcraft Pro";
constexpr wchar_t narrow_family[] = L"Liberation Sans Narrow";

std::shared_ptr<platform::TextBlock> text(const std::wstring& content, platform::Color colour,
                                          platform::FontSpec font) {
    auto block = platform::TextBlock::create(content);
    block->set_foreground({colour});
    block->set_font(font);
    block->set_vertical_alignment(platform::VerticalAlignment::center);
    return block;
}

// A page of the product's site, named without its scheme and extension.
std::wstring web_page(int row) { return L"https://" + core::ui_string(row) + L".html"; }

void place(platform::Grid& grid, const std::shared_ptr<platform::Element>& element, int row,
           int column, int row_span = 1, int column_span = 1) {
    grid.set_cell(*element, row, column, row_span, column_span);
    grid.children().append(element);
}

std::shared_ptr<platform::Grid> about_header(const std::wstring& icons) {
    auto header = platform::Grid::create();
    header->set_margin({8, 12, 16, 0});
    header->set_rows({GridLength::automatic(), GridLength::automatic(), GridLength::automatic(),
                      GridLength::automatic()});
    header->set_columns({GridLength::automatic(), GridLength::automatic(), GridLength::star(),
                         GridLength::automatic()});
    auto logo = platform::Image::create();
    logo->set_width(64);
    logo->set_height(64);
    logo->set_margin({0, 0, 12, 0});
    if (!icons.empty()) logo->set_source(icons + L"about_logo.xpm");
    place(*header, logo, 0, 0, 3);
    place(*header,
          text(core::ui_string(ui_text::spaced_name), look::accent, {L"", 13, false, 900, 200}), 0,
          1, 1, 3);
    place(*header,
          text(core::ui_string(ui_text::version), look::dark_slate_gray, {L"", 12, false, 200}), 1,
          1);
    auto product = text(product_line, look::product_line, {L"", 12, false, 0, 150});
    product->set_horizontal_alignment(platform::HorizontalAlignment::right);
    place(*header, product, 1, 3);
    place(*header,
          text(core::ui_string(ui_text::program_tagline), look::dark_slate_gray,
               {narrow_family, 10, false, 200}),
          2, 1, 1, 3);
    return header;
}

}  // namespace

platform::FireAndForget MainWindow::ShowAboutAsync() {
    auto dialog = platform::ContentDialog::create();
    dialog->window_title = core::ui_string(ui_text::about);
    dialog->fixed_size = true;
    dialog->title = about_header(icons_folder());
    dialog->content = AboutLinks();
    dialog->close_button_text = L"OK";
    // Enter closes the box rather than opening the first link in the browser.
    dialog->close_is_default = true;
    dialog->is_primary_button_enabled = false;
    dialog->background = look::alice_blue;
    dialog->button_font = {L"", 12, false};
    // Nothing follows the closing; a second box while one shows is refused.
    co_await dialog->show_async(*elements_.window);
}

std::shared_ptr<platform::Grid> MainWindow::AboutLinks() {
    auto links = platform::Grid::create();
    links->set_margin({16, 8, 16, 4});
    links->set_columns({GridLength::automatic(), GridLength::star()});
    links->set_rows(std::vector<GridLength>(5, GridLength::automatic()));

    // The rule: a dark gray top border across both columns.
    auto rule = platform::Panel::create();
    rule->set_width(364);
    rule->set_height(16);
    auto line = platform::Panel::create();
    line->set_height(1);
    line->set_background({look::dark_gray});
    rule->children().append(line);
    place(*links, rule, 0, 0, 1, 2);

    const platform::FontSpec font{L"", 11, false, 400};
    const struct {
        int label_row;
        std::wstring shown;
        std::function<void()> open;
    } rows[] = {
        {ui_text::home_page, core::ui_string(ui_text::home_page_link),
         [this] { system_.launch_uri(core::ui_string(ui_text::home_page_link)); }},
        {ui_text::support_contact, core::ui_string(ui_text::support_address),
         [this] { OnSupportLinkClick(); }},
        {ui_text::privacy_policy, core::ui_string(ui_text::privacy_policy_link),
         [this] { system_.launch_uri(web_page(ui_text::privacy_policy_link)); }},
        {ui_text::disclaimer, core::ui_string(ui_text::disclaimer_link),
         [this] { system_.launch_uri(web_page(ui_text::disclaimer_link)); }},
    };
    int row = 1;
    for (const auto& link_row : rows) {
        auto label = text(core::ui_string(link_row.label_row), look::dark_slate_gray, font);
        label->set_margin({0, 0, 16, 0});
        place(*links, label, row, 0);
        auto link = platform::HyperlinkButton::create(link_row.shown);
        link->set_foreground({look::link});
        link->set_font(font);
        link->clicked.add([open = link_row.open, alive = std::weak_ptr<int>(alive_)](
                              platform::HyperlinkButton&, const platform::NoArgs&) {
            if (!alive.expired()) open();
        });
        place(*links, link, row, 1);
        ++row;
    }
    return links;
}

void MainWindow::OnSupportLinkClick() {
    // The mail program's answer is not awaited: without one nothing shows.
    system_.launch_uri(core::ui_string(ui_text::support_link));
}

}  // namespace app
