#include "tools/brikc/dump.h"

#include "tools/brikc/schema.h"
#include "tools/brikc/source_text.h"
#include "tools/brikc/value_text.h"
#include "tools/brikc/value_words.h"

namespace brikc {

namespace {

using engine::doc_element;
using engine::doc_group;
using engine::doc_node;
using engine::doc_record;

// A text that reads back unchanged as a "|" block.
bool block_safe(std::wstring_view text) {
    if (text.find(L'\n') == std::wstring_view::npos || text.back() == L'\n' || text.back() == L' ')
        return false;
    if (text[text.find_first_not_of(L'\n')] == L' ') return false;
    if (text.find(L"<<") != std::wstring_view::npos) return false;
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (text[i] == L'\n') {
            if (i > 0 && text[i - 1] == L' ') return false;
        } else if (needs_escape(text[i])) {
            return false;
        }
    }
    return true;
}

class dumper {
public:
    std::wstring out;

    void node(const doc_node& n, level l, int indent);

private:
    void line(int indent, const std::wstring& text) {
        out.append(std::size_t(indent), L' ');
        out += text;
        out.push_back(L'\n');
    }
    // The level line and the record's keys.
    void record(const doc_record& r, level l, int indent, std::wstring_view head);
    void text_key(int indent, std::string_view name, const std::wstring& value);
    void group(const doc_group& g, level l, int indent);
    void element(const doc_element& e, level l, int indent);
};

std::wstring widen(std::string_view ascii) { return std::wstring(ascii.begin(), ascii.end()); }

void dumper::text_key(int indent, std::string_view name, const std::wstring& value) {
    const std::wstring key = widen(name) + L":";
    if (value.empty()) {
        line(indent, key);
    } else if (plain_safe(value)) {
        line(indent, key + L" " + value);
    } else if (block_safe(value)) {
        line(indent, key + L" |");
        std::size_t start = 0;
        while (start <= value.size()) {
            const std::size_t end = std::min(value.find(L'\n', start), value.size());
            const std::wstring part = value.substr(start, end - start);
            if (part.empty()) {
                out.push_back(L'\n');
            } else {
                line(indent + 2, part);
            }
            start = end + 1;
        }
    } else {
        line(indent, key + L" " + write_quoted(value));
    }
}

void dumper::record(const doc_record& r, level l, int indent, std::wstring_view head) {
    const doc_record start = built_in_default(l);
    std::wstring level_line(head);
    bool done[field_count] = {};
    if (const auto f = inline_field(l);
        f && !text_of(r, *f).empty() && plain_safe(text_of(r, *f)) && text_of(start, *f).empty()) {
        level_line += L" " + text_of(r, *f);
        done[std::size_t(*f)] = true;
    }
    line(indent, level_line);
    auto write_field = [&](const key_def& key) {
        const auto index = std::size_t(key.field);
        if (done[index]) return;
        done[index] = true;
        if (same_field(r, start, key.field)) return;
        if (is_text(key.field)) {
            text_key(indent + 2, key.name, text_of(r, key.field));
        } else if (is_real(key.field)) {
            line(indent + 2, widen(key.name) + L": " + write_real(real_of(r, key.field)));
        } else {
            line(indent + 2,
                 widen(key.name) + L": " + write_value_word(key.kind, number_of(r, key.field)));
        }
    };
    for (const key_def& key : readable_keys(l)) write_field(key);
    for (int f = 0; f < field_count; ++f) write_field(key_for(l, field_id(f)));
}

void dumper::node(const doc_node& n, level l, int indent) {
    record(n.record, l, indent, widen(level_name(l)));
    const level g = *group_level_of(l);
    for (std::size_t i = 0; i < engine::group_count_of(n); ++i) group(n.groups[i], g, indent + 2);
}

void dumper::group(const doc_group& grp, level l, int indent) {
    record(grp.record, l, indent, widen(level_name(l)));
    const level e = *element_level_of(l);
    for (std::size_t i = 0; i < engine::element_count_of(grp); ++i)
        element(grp.elements[i], e, indent + 2);
}

void dumper::element(const doc_element& e, level l, int indent) {
    record(e.record, l, indent, widen(level_name(l)));
    const level item_level = *item_level_of(l);
    for (std::size_t i = 0; i < engine::item_count_of(e); ++i)
        record(e.items[i], item_level, indent + 2, widen(level_name(item_level)));
    const doc_node& children = *e.children;
    const bool empty_children = engine::group_count_of(children) == 0 && [&] {
        const doc_record zero = built_in_default(level::node);
        for (int f = 0; f < field_count; ++f)
            if (!same_field(children.record, zero, field_id(f))) return false;
        return true;
    }();
    if (!empty_children) node(children, level::node, indent + 2);
}

}  // namespace

std::string dump_source(const brik_tree& tree) {
    dumper d;
    d.node(tree.page_setup, level::setup, 0);
    d.node(tree.pages, level::pages, 0);
    d.node(tree.parameters, level::parameters, 0);
    return encode_utf8(d.out);
}

}  // namespace brikc
