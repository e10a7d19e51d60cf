// A window with a template open whose parameter sections the test fills in,
// and helpers to look at the data panel's rows.
#pragma once

#include <algorithm>
#include <memory>
#include <string>

#include "platform/button.h"
#include "platform/controls.h"
#include "platform/text_box.h"
#include "platform/toggle_button.h"
#include "window/window_fixture.h"

namespace panel_test {

class PanelTest : public app_test::WindowTest {
protected:
    PanelTest() {
        show_first_page();
        main_view().web_message_received.raise(main_view(), L"Folder/Two|Words");
        EXPECT_TRUE(window->session().document() && window->session().document()->loaded());
    }

    engine::doc_node& parameters() { return window->session().data()->parameters; }
    std::int32_t add_section(std::wstring name) {
        parameters().groups.emplace_back().record.s1 = std::move(name);
        parameters().group_count = std::int32_t(parameters().groups.size());
        return parameters().group_count - 1;
    }
    // Appends a field to `section`. The reference is good until the next one.
    engine::doc_element& add_field(std::int32_t section, std::uint16_t type, std::wstring name,
                                   std::wstring caption = {}, std::wstring value = {}) {
        engine::doc_group& group = parameters().groups.at(std::size_t(section));
        engine::doc_element& element = group.elements.emplace_back();
        group.element_count = std::int32_t(group.elements.size());
        element.record.a = type;
        element.record.s1 = std::move(name);
        element.record.s2 = std::move(value);
        element.record.s3 = std::move(caption);
        return element;
    }
    static void add_option(engine::doc_element& field, std::wstring text, bool chosen = false) {
        engine::doc_record& option = field.items.emplace_back();
        option.s2 = std::move(text);
        option.b = chosen ? 1 : 0;
        field.item_count = std::uint16_t(field.items.size());
    }
    engine::doc_element& field(std::int32_t section, std::int32_t index) {
        return parameters().groups.at(std::size_t(section)).elements.at(std::size_t(index));
    }
    // Refreshes the menu, which builds the panel of the selected section.
    void show_section(std::int32_t section) {
        window->session().set_section(section);
        window->left_menu().RefreshMenuPanel();
    }

    platform::Panel& panel() { return window->data_panel().panel(); }
    std::shared_ptr<platform::Element> row(std::size_t index) {
        return panel().children().at(index);
    }
    // Child `index` of `parent`, which must be a panel.
    template <class T>
    static std::shared_ptr<T> child(const std::shared_ptr<platform::Element>& parent,
                                    std::size_t index) {
        auto panel = std::dynamic_pointer_cast<platform::Panel>(parent);
        return panel ? std::dynamic_pointer_cast<T>(panel->children().at(index)) : nullptr;
    }
    template <class T>
    std::shared_ptr<T> inside(std::size_t row_index, std::size_t index) {
        return child<T>(row(row_index), index);
    }

    // Page replacements sent to the view, and whether the last one reset the scroll.
    std::size_t renders() const {
        return std::size_t(
            std::count_if(views.at(0)->scripts.begin(), views.at(0)->scripts.end(), is_render));
    }
    bool last_render_reset_scroll() const {
        const auto& scripts = views.at(0)->scripts;
        return !scripts.empty() &&
               scripts.back() == L"document.body.scrollTop=0;document.documentElement.scrollTop=0;";
    }

    std::unique_ptr<app::MainWindow> window = make_window();
};

}  // namespace panel_test
