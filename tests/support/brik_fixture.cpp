#include "support/brik_fixture.h"

#include <algorithm>
#include <bit>
#include <sstream>

#include "engine/text/utf16.h"

namespace fixture {

void byte_writer::le(std::uint64_t value, int size) {
    for (int i = 0; i < size; ++i) u8(std::uint8_t(value >> (8 * i)));
}

void byte_writer::f64(double value) { le(std::bit_cast<std::uint64_t>(value), 8); }

void byte_writer::string(const brik_string& text) {
    std::uint32_t length = text.declared_length.value_or(std::uint32_t(text.units.size()));
    switch (text.form) {
        case string_form::full: u16(0xFEFF), u16(0xFFFF), u16(0xFFFF), u32(length); break;
        case string_form::word: u16(0xFEFF), u16(0xFFFF), u16(std::uint16_t(length)); break;
        case string_form::byte: u16(0xFEFF), u8(0xFF), u8(std::uint8_t(length)); break;
        case string_form::absent: u16(0); return;
    }
    for (char16_t unit : text.units) u16(unit);
}

void byte_writer::record(const brik_record& r) {
    u16(r.a), u16(r.b), u16(r.c);
    string(r.s1), string(r.s2), string(r.s3);
    for (std::uint16_t value : r.v) u16(value);
    f64(r.d1), f64(r.d2);
    string(r.s4), string(r.s5);
}

void byte_writer::node(const brik_node& n) {
    record(n.record);
    i32(n.group_count.value_or(std::int32_t(n.groups.size())));
    for (const brik_group& g : n.groups) {
        record(g.record);
        i32(g.element_count.value_or(std::int32_t(g.elements.size())));
        for (const brik_element& e : g.elements) {
            record(e.record);
            u16(e.item_count.value_or(std::uint16_t(e.items.size())));
            for (const brik_record& item : e.items) record(item);
            node(e.children.empty() ? brik_node{} : e.children.front());
        }
    }
}

std::string write_brik(const brik_tree& tree) {
    byte_writer out;
    out.string(tree.magic);
    for (const brik_node* root : {&tree.page_setup, &tree.pages, &tree.parameters}) out.node(*root);
    return out.bytes();
}

std::string nested_brik(int levels) {
    // Written flat: a recursive writer would itself run out of stack here.
    byte_writer out;
    out.string(brik_string(u"BRF4.0"));
    for (int level = 0; level < levels; ++level) {
        out.record({}), out.i32(1);  // the node, one group
        out.record({}), out.i32(1);  // the group, one element
        out.record({}), out.u16(0);  // the element, no items
    }
    out.node({}), out.node({}), out.node({});
    return out.bytes();
}

namespace {

template <class Visit>
void each_record(brik_node& n, const Visit& visit) {
    visit(n.record);
    for (brik_group& g : n.groups) {
        visit(g.record);
        for (brik_element& e : g.elements) {
            visit(e.record);
            for (brik_record& item : e.items) visit(item);
            for (brik_node& child : e.children) each_record(child, visit);
        }
    }
}

}  // namespace

brik_tree sample_tree() {
    using enum string_form;
    brik_tree tree;
    tree.page_setup.record = {.v = {2}, .s5 = u"/library/Agreements/Sale.brik"};
    brik_group setup{
        .record = {.s1 = u"Sales Agreement", .v = {297, 0, 19, 19, 10, 19}, .d1 = 210.0}};
    for (std::uint16_t i = 0; i < 4; ++i)
        setup.elements.push_back(
            {.record = {.s3 = {u"Arial", i % 2 ? word : byte}, .v = {std::uint16_t(8 + i)}}});
    setup.elements[3].record.s1 = u"Page footer";
    setup.elements[3].record.b = 1;
    tree.page_setup.groups.push_back(setup);

    brik_element heading{.record = {.s1 = u"Heading",
                                    .s2 = u"SALES AGREEMENT No. {number}",
                                    .v = {14, 0, 700, 1, 6, 0},
                                    .d2 = 12.5,
                                    .s4 = {u"kept", word}}};
    heading.items = {{.s2 = u"Seller \U0001F600 «{seller}» and € buyer",
                      .s3 = {u"Times New Roman", byte},
                      .d2 = -0.25},
                     {.s2 = std::u16string{u'a', 0xD800, u'b', 0xDC01}}};
    // No items, but children that nest twice.
    brik_node deepest{.record = {.s1 = u"deepest"}};
    brik_element grandchild{.record = {.s1 = u"deep", .s2 = u"x"}, .children = {deepest}};
    brik_node child{.record = {.s2 = {u"", absent}},
                    .groups = {{.record = {.s1 = u"inner"}, .elements = {grandchild}}}};
    brik_element empty_items{.record = {.s1 = u"nested"}, .children = {child}};
    tree.pages.groups = {{.record = {.a = 1, .c = 5}, .elements = {heading, empty_items}},
                         {.record = {.b = 1, .s2 = {std::u16string(300, u'ж'), word}}}};

    brik_element field{
        .record = {.a = 5, .b = 1, .s1 = u"Seller name", .s2 = u"ООО «Ромашка»", .s5 = u"{buyer}"},
        .items = {{.b = 1, .s2 = u"first"}, {.s2 = u"second"}}};
    tree.parameters.groups = {{.record = {.s1 = u"Parties"}, .elements = {field}},
                              {.record = {.s1 = u"Empty section"}}};
    return tree;
}

brik_tree canonical(brik_tree tree) {
    auto full = [](brik_string& s) { s.form = string_form::full, s.declared_length.reset(); };
    full(tree.magic);
    for (brik_node* root : {&tree.page_setup, &tree.pages, &tree.parameters})
        each_record(*root, [&](brik_record& r) {
            for (brik_string* s : {&r.s1, &r.s2, &r.s3, &r.s4, &r.s5}) full(*s);
        });
    return tree;
}

engine::doc_record to_model(const brik_record& r) {
    auto w = [](const brik_string& s) { return engine::from_utf16(s.units); };
    return {r.a, r.b, r.c, w(r.s1), w(r.s2), w(r.s3), r.v, r.d1, r.d2, w(r.s4), w(r.s5)};
}

engine::doc_node to_model(const brik_node& n) {
    engine::doc_node out;
    out.record = to_model(n.record);
    out.group_count = std::int32_t(n.groups.size());
    for (const brik_group& g : n.groups) {
        engine::doc_group& group = out.groups.emplace_back();
        group.record = to_model(g.record);
        group.element_count = std::int32_t(g.elements.size());
        for (const brik_element& e : g.elements) {
            engine::doc_element& element = group.elements.emplace_back();
            element.record = to_model(e.record);
            element.item_count = std::uint16_t(e.items.size());
            for (const brik_record& item : e.items) element.items.push_back(to_model(item));
            if (!e.children.empty()) *element.children = to_model(e.children.front());
        }
    }
    return out;
}

namespace {

// One line per field, strings with every unit outside printable ASCII as a
// code, reals as their bits: equal lines mean equal trees.
using lines = std::vector<std::string>;

void dump(const engine::doc_record& r, const std::string& at, lines& out) {
    auto text = [](const std::wstring& s) {
        std::ostringstream o;
        for (wchar_t c : s)
            c >= 0x20 && c < 0x7F ? o << char(c) : o << "\\x" << std::hex << unsigned(c) << ';';
        return '"' + o.str() + '"';
    };
    auto real = [](double d) {
        std::ostringstream o;
        o << d << " (" << std::hex << std::bit_cast<std::uint64_t>(d) << ')';
        return o.str();
    };
    std::ostringstream v;
    for (auto value : r.v) v << value << ' ';
    const std::pair<const char*, std::string> fields[] = {{"a", std::to_string(r.a)},
                                                          {"b", std::to_string(r.b)},
                                                          {"c", std::to_string(r.c)},
                                                          {"s1", text(r.s1)},
                                                          {"s2", text(r.s2)},
                                                          {"s3", text(r.s3)},
                                                          {"v", v.str()},
                                                          {"d1", real(r.d1)},
                                                          {"d2", real(r.d2)},
                                                          {"s4", text(r.s4)},
                                                          {"s5", text(r.s5)}};
    for (const auto& [name, value] : fields) out.push_back(at + ": " + name + ' ' + value);
}

void dump(const engine::doc_node& n, const std::string& at, lines& out) {
    auto count = [&](const std::string& where, const char* what, auto value, std::size_t size) {
        out.push_back(where + ": " + what + " count " + std::to_string(value) + " of " +
                      std::to_string(size));
    };
    dump(n.record, at, out);
    count(at, "group", n.group_count, n.groups.size());
    for (std::size_t g = 0; g < n.groups.size(); ++g) {
        const std::string at_group = at + "/group " + std::to_string(g);
        dump(n.groups[g].record, at_group, out);
        count(at_group, "element", n.groups[g].element_count, n.groups[g].elements.size());
        for (std::size_t e = 0; e < n.groups[g].elements.size(); ++e) {
            const engine::doc_element& element = n.groups[g].elements[e];
            const std::string at_element = at_group + "/element " + std::to_string(e);
            dump(element.record, at_element, out);
            count(at_element, "item", element.item_count, element.items.size());
            for (std::size_t i = 0; i < element.items.size(); ++i)
                dump(element.items[i], at_element + "/item " + std::to_string(i), out);
            dump(*element.children, at_element + "/children", out);
        }
    }
}

}  // namespace

testing::AssertionResult same_node(const engine::doc_node& expected,
                                   const engine::doc_node& actual) {
    lines x, y;
    dump(expected, "root", x);
    dump(actual, "root", y);
    for (std::size_t i = 0; i < std::max(x.size(), y.size()); ++i) {
        if (i < x.size() && i < y.size() && x[i] == y[i]) continue;
        return testing::AssertionFailure() << (i < x.size() ? x[i] : "(nothing)")
                                           << " != " << (i < y.size() ? y[i] : "(nothing)");
    }
    return testing::AssertionSuccess();
}

}  // namespace fixture
