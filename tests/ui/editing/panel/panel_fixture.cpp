#include "editing/panel/panel_fixture.h"

namespace panel_test {

namespace {

const std::wstring scroll_reset =
    L"document.body.scrollTop=0;document.documentElement.scrollTop=0;";

}  // namespace

PanelTest::PanelTest() {
    window = make_window();
    show_first_page();
    main_view().web_message_received.raise(main_view(), L"Folder/Two|Words");
    EXPECT_TRUE(window->doc && window->doc->loaded());
    EXPECT_FALSE(engine::library_shown);
}

std::int32_t PanelTest::add_section(std::wstring name) {
    engine::doc_node& parameters = window->doc_data->parameters;
    parameters.groups.emplace_back().record.s1 = std::move(name);
    parameters.group_count = std::int32_t(parameters.groups.size());
    return parameters.group_count - 1;
}

engine::doc_element& PanelTest::add_field(std::int32_t section, std::uint16_t type,
                                          std::wstring name, std::wstring caption,
                                          std::wstring value) {
    engine::doc_group& group = window->doc_data->parameters.groups.at(std::size_t(section));
    engine::doc_element& element = group.elements.emplace_back();
    group.element_count = std::int32_t(group.elements.size());
    element.record.a = type;
    element.record.s1 = std::move(name);
    element.record.s2 = std::move(value);
    element.record.s3 = std::move(caption);
    return element;
}

void PanelTest::add_option(engine::doc_element& field, std::wstring text, bool chosen) {
    engine::doc_record& option = field.items.emplace_back();
    option.s2 = std::move(text);
    option.b = chosen ? 1 : 0;
    field.item_count = std::uint16_t(field.items.size());
}

engine::doc_element& PanelTest::field(std::int32_t section, std::int32_t index) {
    return window->doc_data->parameters.groups.at(std::size_t(section))
        .elements.at(std::size_t(index));
}

void PanelTest::show_section(std::int32_t section) {
    engine::current_section = section;
    window->RefreshMenuPanel();
}

std::size_t PanelTest::renders() const {
    std::size_t count = 0;
    for (const auto& script : views.at(0)->scripts) {
        if (script.starts_with(L"document.documentElement.innerHTML=")) ++count;
    }
    return count;
}

bool PanelTest::last_render_reset_scroll() const {
    const auto& scripts = views.at(0)->scripts;
    return !scripts.empty() && scripts.back() == scroll_reset;
}

}  // namespace panel_test
