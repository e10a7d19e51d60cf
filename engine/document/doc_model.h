// The document tree: one fixed-layout record at every level.
//
// A node holds groups, a group holds elements, an element holds item records,
// a nested node (`children`) and a growable list of `records` that is never
// stored in the file. What each record field means depends on its level (see
// the field notes below). Counts are kept beside the arrays with the signed
// 32-bit (groups, elements) and unsigned 16-bit (items) semantics of the file;
// every walk runs while the index is below the count and below the array size,
// so a count of 0 or a negative count visits nothing.
//
// One thread at a time.
#pragma once

#include <algorithm>
#include <array>
#include <cstdint>
#include <memory>
#include <string>
#include <vector>

namespace engine {

struct doc_record {
    std::uint16_t a = 0;               // kind or type
    std::uint16_t b = 0;               // flag: shown, rendered, selected
    std::uint16_t c = 0;               // line height (pages); condition answer (parameter field)
    std::wstring s1;                   // name
    std::wstring s2;                   // value or text
    std::wstring s3;                   // font face
    std::array<std::uint16_t, 6> v{};  // sizes and margins
    double d1 = 0.0;                   // page width in mm (page setup)
    double d2 = 0.0;                   // first-line indent in mm (pages)
    std::wstring s4;                   // not read by the engine; kept and saved
    std::wstring s5;                   // document path (page_setup root); display condition (field)
};

struct doc_group;

struct doc_node {
    doc_record record;
    std::vector<doc_group> groups;
    std::int32_t group_count = 0;
};

struct doc_element {
    doc_record record;
    std::vector<doc_record> items;
    std::uint16_t item_count = 0;
    std::unique_ptr<doc_node> children = std::make_unique<doc_node>();
    std::vector<doc_record> records;  // variables and other run-time lists; not in the file
};

struct doc_group {
    doc_record record;
    std::vector<doc_element> elements;
    std::int32_t element_count = 0;
};

// Bounded views over the arrays: they honour both the stored count and the
// real size, so a damaged count can never index past an array.
inline std::size_t group_count_of(const doc_node& n) {
    return n.group_count <= 0 ? 0
                              : std::min<std::size_t>(std::size_t(n.group_count), n.groups.size());
}
inline std::size_t element_count_of(const doc_group& g) {
    return g.element_count <= 0
               ? 0
               : std::min<std::size_t>(std::size_t(g.element_count), g.elements.size());
}
inline std::size_t item_count_of(const doc_element& e) {
    return std::min<std::size_t>(e.item_count, e.items.size());
}

}  // namespace engine
