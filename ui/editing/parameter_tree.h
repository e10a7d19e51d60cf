// Typed, range-checked access to the parts of a document tree that the data
// panel and the left menu read and write.
//
// Sections are the groups of the parameters root, fields their elements,
// options the item records of a field; pages are the groups of the pages
// root, blocks their elements. Every index is checked against both the stored
// count and the real array: a lookup out of range gives null, never an
// element past the end. Pointers stay valid until the tree changes shape,
// which the panel never does (it only writes record fields).
// UI thread only.
#pragma once

#include <cstdint>
#include <optional>
#include <string>

#include "engine/document/document_data.h"

namespace ui {

// The editor a field gets, by its record's `a`. Types not named here (8 and
// above 10) get none.
enum class field_type : std::uint16_t {
    multi_line_text = 0,
    date = 1,
    listed_text = 2,
    number = 3,
    text = 4,
    database_text = 5,
    options = 6,
    choice = 7,
    image = 9,
    note = 10,
};

inline field_type type_of(const engine::doc_element& field) {
    return static_cast<field_type>(field.record.a);
}

// Hidden: caption and editor row collapsed. Only 1 means hidden.
inline bool is_hidden(const engine::doc_element& field) { return field.record.c == 1; }

inline bool is_chosen(const engine::doc_record& option) { return option.b == 1; }

// Sections, fields and options.
std::size_t section_count(const engine::document_data* data);
engine::doc_group* section_at(engine::document_data* data, std::int32_t section);
std::size_t field_count(const engine::doc_group& section);
engine::doc_element* field_at(engine::document_data* data, std::int32_t section,
                              std::int32_t field);
engine::doc_element* field_at(engine::doc_group& section, std::int32_t field);
std::size_t option_count(const engine::doc_element& field);
engine::doc_record* option_at(engine::doc_element& field, std::int32_t option);

// Pages and blocks.
std::size_t page_count(const engine::document_data* data);
engine::doc_group* page_at(engine::document_data* data, std::int32_t page);
// The first page of kind 1 (a standard page); nullopt when there is none.
std::optional<std::int32_t> first_standard_page(const engine::document_data* data);
// The record whose text the text-editing mode edits: the page itself when
// `block` is -1, the block itself when `paragraph` is -1, else the paragraph.
engine::doc_record* text_record_at(engine::document_data* data, std::int32_t page,
                                   std::int32_t block, std::int32_t paragraph);

}  // namespace ui
