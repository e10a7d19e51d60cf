// A window with a template open whose parameter sections the test fills in,
// and helpers to look at the data panel's rows.
#pragma once

#include <memory>
#include <string>

#include "engine/document/process_state.h"
#include "platform/button.h"
#include "platform/controls.h"
#include "platform/text_box.h"
#include "platform/toggle_button.h"
#include "window/window_fixture.h"

namespace panel_test {

class PanelTest : public app_test::WindowTest {
protected:
    PanelTest();

    // Appends a section; answers its index.
    std::int32_t add_section(std::wstring name);
    // Appends a field to `section`. The reference is good until the next one.
    engine::doc_element& add_field(std::int32_t section, std::uint16_t type, std::wstring name,
                                   std::wstring caption = {}, std::wstring value = {});
    static void add_option(engine::doc_element& field, std::wstring text, bool chosen = false);
    engine::doc_element& field(std::int32_t section, std::int32_t index);

    // Refreshes the menu, which builds the panel of the selected section.
    void show_section(std::int32_t section);

    platform::Panel& panel() { return *window->data_panel; }
    std::shared_ptr<platform::Element> row(std::size_t index) {
        return panel().children().at(index);
    }
    template <class T>
    std::shared_ptr<T> row_as(std::size_t index) {
        return std::dynamic_pointer_cast<T>(row(index));
    }
    template <class T>
    std::shared_ptr<T> inside(std::size_t row_index, std::size_t child) {
        auto container = row_as<platform::Panel>(row_index);
        return container ? std::dynamic_pointer_cast<T>(container->children().at(child)) : nullptr;
    }

    // Page replacements sent to the view, and whether the last one reset the scroll.
    std::size_t renders() const;
    bool last_render_reset_scroll() const;

    std::unique_ptr<app::MainWindow> window;
};

}  // namespace panel_test
