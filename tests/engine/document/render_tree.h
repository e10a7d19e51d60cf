// Builds document trees in memory for the rendering tests, and resets every
// process-wide variable the renderer reads or writes.
#pragma once

#include <gtest/gtest.h>

#include <memory>
#include <string>

#include "engine/document/document.h"
#include "engine/document/process_state.h"
#include "support/process_state_fixture.h"

namespace render_test {

using RenderTest = fixture::process_state_test;

// A document with no file: its tree is filled by the helpers below.
inline std::unique_ptr<engine::document> empty_document(int language = 0) {
    engine::current_language = language;
    auto doc = std::make_unique<engine::document>(std::wstring());
    engine::current_language = 0;
    return doc;
}

inline engine::doc_group& add_group(engine::doc_node& node) {
    node.groups.emplace_back();
    node.group_count = static_cast<std::int32_t>(node.groups.size());
    return node.groups.back();
}

inline engine::doc_element& add_element(engine::doc_group& group) {
    group.elements.emplace_back();
    group.element_count = static_cast<std::int32_t>(group.elements.size());
    return group.elements.back();
}

inline engine::doc_record& add_item(engine::doc_element& element) {
    element.items.emplace_back();
    element.item_count = static_cast<std::uint16_t>(element.items.size());
    return element.items.back();
}

// A page-setup group with its two default style elements.
inline engine::doc_group& add_page_setup(engine::document& doc) {
    engine::doc_group& setup = add_group(doc.data->page_setup);
    add_element(setup);
    add_element(setup);
    return setup;
}

// A standard page.
inline engine::doc_group& add_page(engine::document& doc) {
    engine::doc_group& page = add_group(doc.data->pages);
    page.record.a = 1;
    return page;
}

// A shown block with text and an 11 pt Arial style.
inline engine::doc_element& add_block(engine::doc_group& page, std::wstring text,
                                      std::uint16_t kind = 0) {
    engine::doc_element& block = add_element(page);
    block.record.a = kind;
    block.record.b = 1;
    block.record.s2 = std::move(text);
    block.record.s3 = L"Arial";
    block.record.v[0] = 11;
    return block;
}

inline engine::doc_record& add_run(engine::doc_element& block, std::wstring text,
                                   std::uint16_t kind = 0) {
    engine::doc_record& run = add_item(block);
    run.a = kind;
    run.b = 1;
    run.s2 = std::move(text);
    run.s3 = L"Arial";
    run.v[0] = 11;
    return run;
}

inline std::size_t count_of(const std::wstring& text, const std::wstring& what) {
    std::size_t n = 0;
    for (auto at = text.find(what); at != std::wstring::npos;
         at = text.find(what, at + what.size()))
        ++n;
    return n;
}

inline bool contains(const std::wstring& text, const std::wstring& what) {
    return text.find(what) != std::wstring::npos;
}

}  // namespace render_test
