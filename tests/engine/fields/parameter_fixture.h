// An in-memory document with parameter sections, for tests that run scripts.
#pragma once

#include <gtest/gtest.h>

#include <initializer_list>
#include <stdexcept>
#include <string>
#include <string_view>
#include <utility>

#include "engine/document/document.h"
#include "engine/document/memory_environment.h"
#include "engine/render/script.h"

namespace engine::testing {

using text_pairs = std::initializer_list<std::pair<const wchar_t*, const wchar_t*>>;

class parameter_document : public ::testing::Test {
protected:
    // Appends a field to section `section_index` (sections are made as needed).
    // The reference is good until the next field is added.
    doc_record& add_field(std::wstring name, std::wstring value, std::size_t section_index = 0) {
        doc_node& parameters = doc.data->parameters;
        while (parameters.groups.size() <= section_index) parameters.groups.emplace_back();
        parameters.group_count = std::int32_t(parameters.groups.size());
        doc_group& section = parameters.groups[section_index];
        section.elements.emplace_back();
        section.element_count = std::int32_t(section.elements.size());
        doc_record& field = section.elements.back().record;
        field.s1 = std::move(name);
        field.s2 = std::move(value);
        return field;
    }
    // Name and value pairs, all in the first section.
    void add_fields(text_pairs fields) {
        for (auto [name, value] : fields) add_field(name, value);
    }
    doc_record& field(std::size_t index) {
        return doc.data->parameters.groups[0].elements[index].record;
    }
    doc_record& field_named(std::wstring_view name) {
        for (doc_element& element : doc.data->parameters.groups[0].elements)
            if (element.record.s1 == name) return element.record;
        throw std::out_of_range("no such field");
    }

    std::wstring variable(const std::wstring& key) const {
        for (const doc_record& record : doc.data->scratch.records)
            if (record.s1 == key) return record.s2;
        return L"<unset>";
    }

    // Each runs in a render context of its own, made from `view` and `target`.
    std::wstring run(std::wstring source) {
        render_context context(&doc, view, target);
        return script(std::move(source), context).run();
    }
    bool test(std::wstring source) {
        render_context context(&doc, view, target);
        return script(std::move(source), context).test();
    }
    // Source and expected output pairs.
    void expect_runs(text_pairs cases) {
        for (auto [source, expected] : cases) EXPECT_EQ(run(source), expected) << source;
    }

    // 2024-03-15 12:00:00 UTC.
    memory_environment env{1710504000};
    document doc{L"", 0, env};
    view_state view;
    render_target target = render_target::screen;
};

}  // namespace engine::testing
