// The levels of the document tree as a template source names them, the keys
// each level accepts, and the values a record starts from.
//
//   setup       page-setup   style     item      (the page-setup root)
//   pages       page         block     paragraph
//   parameters  section      field     option
//   children    group        element   item      (a nested node, any root)
//
// Every level accepts the raw keys a b c s1 s2 s3 v0..v5 d1 d2 s4 s5; most
// also have readable names for the fields the program reads there.
#pragma once

#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <string_view>

#include "engine/document/doc_model.h"

namespace brikc {

enum class level {
    setup,
    page_setup,
    style,
    setup_item,
    pages,
    page,
    block,
    paragraph,
    parameters,
    section,
    field,
    option,
    node,
    group,
    element,
    item
};

enum class field_id { a, b, c, s1, s2, s3, v0, v1, v2, v3, v4, v5, d1, d2, s4, s5 };
inline constexpr int field_count = 16;

// How a key's value is spelled.
enum class value_kind { text, number, flag, real, align, numbering, field_type, page_kind };

struct key_def {
    std::string_view name;
    field_id field;
    value_kind kind;
};

std::string_view level_name(level l);
std::optional<level> level_by_name(std::string_view name);

// Root levels: setup, pages, parameters. Each level's child levels.
bool is_root(level l);
std::optional<level> group_level_of(level node_level);
std::optional<level> element_level_of(level group_level);
std::optional<level> item_level_of(level element_level);

// The readable keys of a level (raw keys are always accepted too).
std::span<const key_def> readable_keys(level l);
// A readable or raw key of the level.
std::optional<key_def> find_key(level l, std::string_view name);
// The key the dump writes for a field: the readable one when there is one.
key_def key_for(level l, field_id field);
// The key whose value an inline argument sets ("section Parties").
std::optional<field_id> inline_field(level l);

// The record a level starts from before its keys are applied.
engine::doc_record built_in_default(level l);

// The record's value of a field: numbers widened, texts as they are.
bool is_text(field_id f);
bool is_real(field_id f);
std::wstring& text_of(engine::doc_record& r, field_id f);
const std::wstring& text_of(const engine::doc_record& r, field_id f);
std::uint16_t& number_of(engine::doc_record& r, field_id f);
std::uint16_t number_of(const engine::doc_record& r, field_id f);
double& real_of(engine::doc_record& r, field_id f);
double real_of(const engine::doc_record& r, field_id f);
// Exact equality of one field (reals by their bits).
bool same_field(const engine::doc_record& x, const engine::doc_record& y, field_id f);

}  // namespace brikc
