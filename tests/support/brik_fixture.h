// Builds ".brik" bytes for reader tests without the engine's writer, so a
// reader fault cannot hide behind the same fault in the writer. Every string
// picks a form the reader accepts and may declare a wrong length; every count
// may be overridden (negative, huge, or simply wrong).
#pragma once

#include <gtest/gtest.h>

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "engine/document/doc_model.h"

namespace fixture {

enum class string_form {
    full,    // FF FE FF FF FF FF + u32 length (as the engine writes)
    word,    // FF FE FF FF + u16 length
    byte,    // FF FE FF + one length byte
    absent,  // two bytes other than FF FE: an empty string
};

struct brik_string {
    brik_string() = default;
    brik_string(std::u16string units, string_form form = string_form::full)
        : units(std::move(units)), form(form) {}
    brik_string(const char16_t* units, string_form form = string_form::full)
        : units(units), form(form) {}

    std::u16string units;
    string_form form = string_form::full;
    std::optional<std::uint32_t> declared_length;  // written instead of the real one
};

struct brik_record {
    std::uint16_t a = 0, b = 0, c = 0;
    brik_string s1{}, s2{}, s3{};
    std::array<std::uint16_t, 6> v{};
    double d1 = 0.0, d2 = 0.0;
    brik_string s4{}, s5{};
};

struct brik_node;

struct brik_element {
    brik_record record{};
    std::vector<brik_record> items{};
    std::optional<std::uint16_t> item_count{};  // written instead of items.size()
    std::vector<brik_node> children{};          // none: an empty children node
};

struct brik_group {
    brik_record record{};
    std::vector<brik_element> elements{};
    std::optional<std::int32_t> element_count{};
};

struct brik_node {
    brik_record record{};
    std::vector<brik_group> groups{};
    std::optional<std::int32_t> group_count{};
};

struct brik_tree {
    brik_string magic{u"BRF4.0"};
    brik_node page_setup{}, pages{}, parameters{};
};

// Little-endian bytes, appended field by field.
class byte_writer {
public:
    void u8(std::uint8_t value) { bytes_ += char(value); }
    void u16(std::uint16_t value) { le(value, 2); }
    void u32(std::uint32_t value) { le(value, 4); }
    void i32(std::int32_t value) { le(std::uint32_t(value), 4); }
    void f64(double value);
    void string(const brik_string& text);
    void record(const brik_record& record);
    void node(const brik_node& node);
    const std::string& bytes() const { return bytes_; }

private:
    void le(std::uint64_t value, int size);
    std::string bytes_;
};

std::string write_brik(const brik_tree& tree);
// page_setup's root holds one group with one element whose children hold the
// same again, `levels` times.
std::string nested_brik(int levels);

// Every kind of content: all string forms, a non-BMP character, lone
// surrogates, an element without items but with children, deep nesting.
brik_tree sample_tree();
// The same tree with every string in the form the engine writes.
brik_tree canonical(brik_tree tree);

// What the reader should build from a well-formed description.
engine::doc_node to_model(const brik_node& node);
engine::doc_record to_model(const brik_record& record);

// Compares two trees field by field and names the first difference.
testing::AssertionResult same_node(const engine::doc_node& expected,
                                   const engine::doc_node& actual);

}  // namespace fixture
