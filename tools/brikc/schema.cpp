#include "tools/brikc/schema.h"

#include <array>
#include <bit>

namespace brikc {

namespace {

using enum field_id;
using enum value_kind;

struct level_row {
    level id;
    std::string_view name;
};

// clang-format off
constexpr std::array<level_row, 16> levels{{
    {level::setup, "setup"},         {level::page_setup, "page-setup"}, {level::style, "style"},
    {level::setup_item, "item"},     {level::pages, "pages"},           {level::page, "page"},
    {level::block, "block"},         {level::paragraph, "paragraph"},   {level::parameters, "parameters"},
    {level::section, "section"},     {level::field, "field"},           {level::option, "option"},
    {level::node, "children"},       {level::group, "group"},           {level::element, "element"},
    {level::item, "item"},
}};
// clang-format on

// clang-format off
constexpr std::array<key_def, 16> raw_keys{{
    {"a", a, number},   {"b", b, number},   {"c", c, number},   {"s1", s1, text},
    {"s2", s2, text},   {"s3", s3, text},   {"v0", v0, number}, {"v1", v1, number},
    {"v2", v2, number}, {"v3", v3, number}, {"v4", v4, number}, {"v5", v5, number},
    {"d1", d1, real},   {"d2", d2, real},   {"s4", s4, text},   {"s5", s5, text},
}};
// clang-format on

// Paragraph-style fields, shared by page-setup styles, pages, blocks and
// paragraphs.
#define STYLE_KEYS                                                                              \
    {"font", s3, text}, {"size", v0, number}, {"italic", v1, flag}, {"bold", v2, flag},         \
        {"align", v3, value_kind::align}, {"space-before", v4, number}, {"indent", v5, number}, \
        {"line-height", c, number}, {                                                           \
        "first-indent", d2, real                                                                \
    }

constexpr key_def setup_keys[] = {{"section", v0, number},
                                  {"link-images", b, flag},
                                  {"bold-numbering", c, flag},
                                  {"hanging-indent", v1, flag},
                                  {"path", s5, text}};
constexpr key_def page_setup_keys[] = {{"title", s1, text},          {"width", d1, real},
                                       {"height", v0, number},       {"margin-bottom", v2, number},
                                       {"margin-right", v3, number}, {"margin-top", v4, number},
                                       {"margin-left", v5, number}};
constexpr key_def style_keys[] = {{"footer", s1, text}, {"page-numbers", b, flag}, STYLE_KEYS};
constexpr key_def page_keys[] = {
    {"kind", a, page_kind}, {"shown", b, flag}, {"text", s2, text}, STYLE_KEYS};
constexpr key_def block_keys[] = {
    {"numbering", a, value_kind::numbering}, {"shown", b, flag}, {"text", s2, text}, STYLE_KEYS};
constexpr key_def section_keys[] = {{"name", s1, text}};
// "unit" names what a number field counts ("calendar day"), which the
// engine reads from s4.
constexpr key_def field_keys[] = {
    {"type", a, field_type}, {"shown", b, flag},      {"hidden", c, flag},
    {"name", s1, text},      {"value", s2, text},     {"caption", s3, text},
    {"width", d1, real},     {"condition", s5, text}, {"unit", s4, text}};
constexpr key_def option_keys[] = {{"selected", b, flag}, {"text", s2, text}};

#undef STYLE_KEYS

}  // namespace

std::string_view level_name(level l) {
    for (const auto& row : levels)
        if (row.id == l) return row.name;
    return "?";
}

std::optional<level> level_by_name(std::string_view name) {
    for (const auto& row : levels)
        if (row.name == name) return row.id;
    return std::nullopt;
}

bool is_root(level l) { return l == level::setup || l == level::pages || l == level::parameters; }

std::optional<level> group_level_of(level node_level) {
    switch (node_level) {
        case level::setup: return level::page_setup;
        case level::pages: return level::page;
        case level::parameters: return level::section;
        case level::node: return level::group;
        default: return std::nullopt;
    }
}

std::optional<level> element_level_of(level group_level) {
    switch (group_level) {
        case level::page_setup: return level::style;
        case level::page: return level::block;
        case level::section: return level::field;
        case level::group: return level::element;
        default: return std::nullopt;
    }
}

std::optional<level> item_level_of(level element_level) {
    switch (element_level) {
        case level::style: return level::setup_item;
        case level::block: return level::paragraph;
        case level::field: return level::option;
        case level::element: return level::item;
        default: return std::nullopt;
    }
}

std::span<const key_def> readable_keys(level l) {
    switch (l) {
        case level::setup: return setup_keys;
        case level::page_setup: return page_setup_keys;
        case level::style: return style_keys;
        case level::page: return page_keys;
        case level::block:
        case level::paragraph: return block_keys;
        case level::section: return section_keys;
        case level::field: return field_keys;
        case level::option: return option_keys;
        default: return {};
    }
}

std::optional<key_def> find_key(level l, std::string_view name) {
    for (const auto& key : readable_keys(l))
        if (key.name == name) return key;
    for (const auto& key : raw_keys)
        if (key.name == name) return key;
    return std::nullopt;
}

key_def key_for(level l, field_id field) {
    for (const auto& key : readable_keys(l))
        if (key.field == field) return key;
    return raw_keys[std::size_t(field)];
}

std::optional<field_id> inline_field(level l) {
    switch (l) {
        case level::section:
        case level::field: return s1;
        case level::option: return s2;
        default: return std::nullopt;
    }
}

engine::doc_record built_in_default(level l) {
    engine::doc_record r;
    switch (l) {
        case level::page: r.a = 1; break;
        case level::block:
        case level::paragraph:
            r.b = 1;
            r.s3 = L"Arial";
            r.v[0] = 11;
            break;
        default: break;
    }
    return r;
}

bool is_text(field_id f) { return f == s1 || f == s2 || f == s3 || f == s4 || f == s5; }
bool is_real(field_id f) { return f == d1 || f == d2; }

std::wstring& text_of(engine::doc_record& r, field_id f) {
    switch (f) {
        case s1: return r.s1;
        case s2: return r.s2;
        case s3: return r.s3;
        case s4: return r.s4;
        default: return r.s5;
    }
}
const std::wstring& text_of(const engine::doc_record& r, field_id f) {
    return text_of(const_cast<engine::doc_record&>(r), f);
}

std::uint16_t& number_of(engine::doc_record& r, field_id f) {
    switch (f) {
        case a: return r.a;
        case b: return r.b;
        case c: return r.c;
        default: return r.v[std::size_t(f) - std::size_t(v0)];
    }
}
std::uint16_t number_of(const engine::doc_record& r, field_id f) {
    return number_of(const_cast<engine::doc_record&>(r), f);
}

double& real_of(engine::doc_record& r, field_id f) { return f == d1 ? r.d1 : r.d2; }
double real_of(const engine::doc_record& r, field_id f) { return f == d1 ? r.d1 : r.d2; }

bool same_field(const engine::doc_record& x, const engine::doc_record& y, field_id f) {
    if (is_text(f)) return text_of(x, f) == text_of(y, f);
    if (is_real(f))
        return std::bit_cast<std::uint64_t>(real_of(x, f)) ==
               std::bit_cast<std::uint64_t>(real_of(y, f));
    return number_of(x, f) == number_of(y, f);
}

}  // namespace brikc
