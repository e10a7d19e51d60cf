// Builds document trees in memory for the rendering tests.
#pragma once

#include <gtest/gtest.h>

#include <memory>
#include <string>

#include "engine/document/document.h"
#include "engine/render/document_html.h"

namespace render_test {

using namespace engine;
using RenderTest = ::testing::Test;

// A document with no file, opened in `language`: its tree is filled by the
// helpers below.
inline std::unique_ptr<document> empty_document(int language = 0) {
    return std::make_unique<document>(std::wstring(), language);
}

// Appends a default entry to `list` and keeps its count in step.
template <class Entry, class Count>
Entry& append(std::vector<Entry>& list, Count& count) {
    list.emplace_back();
    count = static_cast<Count>(list.size());
    return list.back();
}
inline doc_group& add_group(doc_node& node) { return append(node.groups, node.group_count); }
inline doc_element& add_element(doc_group& group) {
    return append(group.elements, group.element_count);
}

// A page-setup group with its two default style elements.
inline doc_group& add_page_setup(document& doc) {
    doc_group& setup = add_group(doc.data->page_setup);
    add_element(setup);
    add_element(setup);
    return setup;
}

// A standard page.
inline doc_group& add_page(document& doc) {
    doc_group& page = add_group(doc.data->pages);
    page.record.a = 1;
    return page;
}

// A shown unit with text, `kind` and an 11 pt Arial style.
inline void set_unit(doc_record& r, std::wstring text, std::uint16_t kind) {
    r.a = kind;
    r.b = 1;
    r.s2 = std::move(text);
    r.s3 = L"Arial";
    r.v[0] = 11;
}
inline doc_element& add_block(doc_group& page, std::wstring text, std::uint16_t kind = 0) {
    doc_element& block = add_element(page);
    set_unit(block.record, std::move(text), kind);
    return block;
}
inline doc_record& add_run(doc_element& block, std::wstring text, std::uint16_t kind = 0) {
    doc_record& run = append(block.items, block.item_count);
    set_unit(run, std::move(text), kind);
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
