#include "support/brik_fixture.h"

#include <bit>
#include <sstream>

#include "engine/document/utf16.h"

namespace fixture {

void byte_writer::u16(std::uint16_t value) {
    u8(std::uint8_t(value & 0xFF));
    u8(std::uint8_t(value >> 8));
}

void byte_writer::u32(std::uint32_t value) {
    for (int i = 0; i < 4; ++i) u8(std::uint8_t((value >> (8 * i)) & 0xFF));
}

void byte_writer::f64(double value) {
    std::uint64_t bits = std::bit_cast<std::uint64_t>(value);
    for (int i = 0; i < 8; ++i) u8(std::uint8_t((bits >> (8 * i)) & 0xFF));
}

void byte_writer::string(const brik_string& text) {
    std::uint32_t length = text.declared_length.value_or(std::uint32_t(text.units.size()));
    switch (text.form) {
        case string_form::full:
            u16(0xFEFF), u16(0xFFFF), u16(0xFFFF), u32(length);
            break;
        case string_form::word:
            u16(0xFEFF), u16(0xFFFF), u16(std::uint16_t(length));
            break;
        case string_form::byte:
            u16(0xFEFF), u8(0xFF), u8(std::uint8_t(length));
            break;
        case string_form::absent:
            u8(0x00), u8(0x00);
            return;
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
    out.node(tree.page_setup);
    out.node(tree.pages);
    out.node(tree.parameters);
    return out.bytes();
}

std::string nested_brik(int levels) {
    // Written flat: a recursive writer would itself run out of stack here.
    byte_writer out;
    out.string(brik_string(u"BRF4.0"));
    brik_record empty;
    for (int level = 0; level <= levels; ++level) {
        out.record(empty);
        if (level == levels) {
            out.i32(0);
            break;
        }
        out.i32(1);
        out.record(empty);  // the group
        out.i32(1);
        out.record(empty);  // the element
        out.u16(0);
    }
    out.node(brik_node{});
    out.node(brik_node{});
    return out.bytes();
}

namespace {

brik_record named(std::u16string s1, std::u16string s2 = {}) {
    brik_record r;
    r.s1 = brik_string(std::move(s1));
    r.s2 = brik_string(std::move(s2));
    return r;
}

void canonical_string(brik_string& s) {
    s.form = string_form::full;
    s.declared_length.reset();
}

void canonical_record(brik_record& r) {
    for (brik_string* s : {&r.s1, &r.s2, &r.s3, &r.s4, &r.s5}) canonical_string(*s);
}

void canonical_node(brik_node& n) {
    canonical_record(n.record);
    for (brik_group& g : n.groups) {
        canonical_record(g.record);
        for (brik_element& e : g.elements) {
            canonical_record(e.record);
            for (brik_record& item : e.items) canonical_record(item);
            for (brik_node& child : e.children) canonical_node(child);
        }
    }
}

}  // namespace

brik_tree sample_tree() {
    brik_tree tree;

    tree.page_setup.record.v[0] = 2;
    tree.page_setup.record.s5 = u"/library/Agreements/Sale.brik";
    brik_group setup;
    setup.record = named(u"Sales Agreement");
    setup.record.d1 = 210.0;
    setup.record.v = {297, 0, 19, 19, 10, 19};
    for (int i = 0; i < 4; ++i) {
        brik_element style;
        style.record.s3 = brik_string(u"Arial", i % 2 ? string_form::word : string_form::byte);
        style.record.v[0] = std::uint16_t(8 + i);
        setup.elements.push_back(style);
    }
    setup.elements[3].record.s1 = u"Page footer";
    setup.elements[3].record.b = 1;
    tree.page_setup.groups.push_back(setup);

    brik_group page;
    page.record.a = 1;
    page.record.c = 5;
    brik_element heading;
    heading.record = named(u"Heading", u"SALES AGREEMENT No. {number}");
    heading.record.d2 = 12.5;
    heading.record.v = {14, 0, 700, 1, 6, 0};
    heading.record.s4 = brik_string(u"kept", string_form::word);
    brik_record run = named(u"", u"Seller \U0001F600 «{seller}» and € buyer");
    run.s3 = brik_string(u"Times New Roman", string_form::byte);
    run.d2 = -0.25;
    heading.items = {run, named(u"", std::u16string{u'a', 0xD800, u'b', 0xDC01})};
    brik_element empty_items;  // no items, but children that nest twice
    empty_items.record = named(u"nested");
    brik_node child;
    child.record.s2 = brik_string(u"", string_form::absent);
    brik_group child_group;
    child_group.record = named(u"inner");
    brik_element grandchild;
    grandchild.record = named(u"deep", u"x");
    grandchild.children.push_back(brik_node{});
    grandchild.children[0].record = named(u"deepest");
    child_group.elements.push_back(grandchild);
    child.groups.push_back(child_group);
    empty_items.children.push_back(child);
    page.elements = {heading, empty_items};
    brik_group legacy;
    legacy.record.a = 0;
    legacy.record.b = 1;
    legacy.record.s2 = brik_string(std::u16string(300, u'ж'), string_form::word);
    tree.pages.groups = {page, legacy};

    brik_group section = {named(u"Parties"), {}, {}};
    brik_element field;
    field.record = named(u"Seller name", u"ООО «Ромашка»");
    field.record.a = 5;
    field.record.b = 1;
    field.record.s5 = u"{buyer}";
    brik_record option = named(u"", u"first");
    option.b = 1;
    field.items = {option, named(u"", u"second")};
    section.elements.push_back(field);
    tree.parameters.groups.push_back(section);
    tree.parameters.groups.push_back(brik_group{named(u"Empty section"), {}, {}});
    return tree;
}

brik_tree canonical(brik_tree tree) {
    canonical_string(tree.magic);
    canonical_node(tree.page_setup);
    canonical_node(tree.pages);
    canonical_node(tree.parameters);
    return tree;
}

engine::doc_record to_model(const brik_record& r) {
    engine::doc_record out;
    out.a = r.a, out.b = r.b, out.c = r.c;
    out.s1 = engine::from_utf16(r.s1.units);
    out.s2 = engine::from_utf16(r.s2.units);
    out.s3 = engine::from_utf16(r.s3.units);
    out.v = r.v;
    out.d1 = r.d1, out.d2 = r.d2;
    out.s4 = engine::from_utf16(r.s4.units);
    out.s5 = engine::from_utf16(r.s5.units);
    return out;
}

engine::doc_node to_model(const brik_node& n) {
    engine::doc_node out;
    out.record = to_model(n.record);
    out.group_count = std::int32_t(n.groups.size());
    out.groups.resize(n.groups.size());
    for (std::size_t g = 0; g < n.groups.size(); ++g) {
        const brik_group& in_group = n.groups[g];
        engine::doc_group& group = out.groups[g];
        group.record = to_model(in_group.record);
        group.element_count = std::int32_t(in_group.elements.size());
        group.elements.resize(in_group.elements.size());
        for (std::size_t e = 0; e < in_group.elements.size(); ++e) {
            const brik_element& in_element = in_group.elements[e];
            engine::doc_element& element = group.elements[e];
            element.record = to_model(in_element.record);
            element.item_count = std::uint16_t(in_element.items.size());
            for (const brik_record& item : in_element.items)
                element.items.push_back(to_model(item));
            if (!in_element.children.empty())
                *element.children = to_model(in_element.children.front());
        }
    }
    return out;
}

namespace {

std::string narrow(const std::wstring& text) { return engine::to_utf8(text); }

bool compare_record(const engine::doc_record& x, const engine::doc_record& y,
                    const std::string& where, std::string& difference) {
    std::ostringstream out;
    if (x.a != y.a)
        out << "a " << x.a << " != " << y.a;
    else if (x.b != y.b)
        out << "b " << x.b << " != " << y.b;
    else if (x.c != y.c)
        out << "c " << x.c << " != " << y.c;
    else if (x.s1 != y.s1)
        out << "s1 \"" << narrow(x.s1) << "\" != \"" << narrow(y.s1) << "\"";
    else if (x.s2 != y.s2)
        out << "s2 \"" << narrow(x.s2) << "\" != \"" << narrow(y.s2) << "\"";
    else if (x.s3 != y.s3)
        out << "s3 \"" << narrow(x.s3) << "\" != \"" << narrow(y.s3) << "\"";
    else if (x.v != y.v)
        out << "v differs";
    else if (std::bit_cast<std::uint64_t>(x.d1) != std::bit_cast<std::uint64_t>(y.d1))
        out << "d1 " << x.d1 << " != " << y.d1;
    else if (std::bit_cast<std::uint64_t>(x.d2) != std::bit_cast<std::uint64_t>(y.d2))
        out << "d2 " << x.d2 << " != " << y.d2;
    else if (x.s4 != y.s4)
        out << "s4 \"" << narrow(x.s4) << "\" != \"" << narrow(y.s4) << "\"";
    else if (x.s5 != y.s5)
        out << "s5 \"" << narrow(x.s5) << "\" != \"" << narrow(y.s5) << "\"";
    else
        return true;
    difference = where + ": " + out.str();
    return false;
}

bool compare_node(const engine::doc_node& x, const engine::doc_node& y, const std::string& where,
                  std::string& difference) {
    if (!compare_record(x.record, y.record, where, difference)) return false;
    if (x.group_count != y.group_count || x.groups.size() != y.groups.size()) {
        difference = where + ": group counts " + std::to_string(x.group_count) +
                     " != " + std::to_string(y.group_count);
        return false;
    }
    for (std::size_t g = 0; g < x.groups.size(); ++g) {
        const engine::doc_group& xg = x.groups[g];
        const engine::doc_group& yg = y.groups[g];
        std::string at_group = where + "/group " + std::to_string(g);
        if (!compare_record(xg.record, yg.record, at_group, difference)) return false;
        if (xg.element_count != yg.element_count || xg.elements.size() != yg.elements.size()) {
            difference = at_group + ": element counts " + std::to_string(xg.element_count) +
                         " != " + std::to_string(yg.element_count);
            return false;
        }
        for (std::size_t e = 0; e < xg.elements.size(); ++e) {
            const engine::doc_element& xe = xg.elements[e];
            const engine::doc_element& ye = yg.elements[e];
            std::string at_element = at_group + "/element " + std::to_string(e);
            if (!compare_record(xe.record, ye.record, at_element, difference)) return false;
            if (xe.item_count != ye.item_count || xe.items.size() != ye.items.size()) {
                difference = at_element + ": item counts " + std::to_string(xe.item_count) +
                             " != " + std::to_string(ye.item_count);
                return false;
            }
            for (std::size_t i = 0; i < xe.items.size(); ++i) {
                if (!compare_record(xe.items[i], ye.items[i],
                                    at_element + "/item " + std::to_string(i), difference))
                    return false;
            }
            if (!compare_node(*xe.children, *ye.children, at_element + "/children", difference))
                return false;
        }
    }
    return true;
}

}  // namespace

testing::AssertionResult same_node(const engine::doc_node& expected,
                                   const engine::doc_node& actual) {
    std::string difference;
    if (compare_node(expected, actual, "root", difference)) return testing::AssertionSuccess();
    return testing::AssertionFailure() << difference;
}

}  // namespace fixture
