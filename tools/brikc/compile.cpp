#include "tools/brikc/compile.h"

#include <array>
#include <bitset>
#include <map>

#include "engine/document/document_file.h"
#include "tools/brikc/schema.h"
#include "tools/brikc/source_error.h"
#include "tools/brikc/source_text.h"
#include "tools/brikc/value_text.h"
#include "tools/brikc/value_words.h"

namespace brikc {

using engine::doc_element;
using engine::doc_group;
using engine::doc_node;
using engine::doc_record;

engine::doc_node default_page_setup() {
    doc_node node;
    doc_group& setup = node.groups.emplace_back();
    node.group_count = 1;
    setup.record.d1 = 210.0;
    setup.record.v = {297, 0, 19, 19, 10, 19};
    const std::array<std::uint16_t, 4> space_before{2, 12, 0, 0};
    for (std::uint16_t space : space_before) {
        doc_element& style = setup.elements.emplace_back();
        style.record.s3 = L"Arial";
        style.record.v[0] = 8;
        style.record.v[4] = space;
    }
    setup.elements.back().record.b = 1;
    setup.element_count = std::int32_t(setup.elements.size());
    return node;
}

namespace {

class compiler {
public:
    brik_tree run(const std::vector<outline_entry>& top);

private:
    void read_defaults(const outline_entry& entry);
    doc_record start_record(level l) const;
    void apply_key(level l, doc_record& record, std::bitset<field_count>& seen,
                   const outline_entry& key) const;
    void apply_argument(level l, doc_record& record, std::bitset<field_count>& seen,
                        const outline_entry& entry) const;
    // `depth` counts the `children` levels above, as the reader does.
    doc_node compile_node(const outline_entry& entry, level l, int depth) const;
    doc_group compile_group(const outline_entry& entry, level l, int depth) const;
    doc_element compile_element(const outline_entry& entry, level l, int depth) const;
    doc_record compile_item(const outline_entry& entry, level l) const;
    void apply_top_key(brik_tree& tree, const outline_entry& key) const;

    std::map<level, doc_record> defaults_;
};

std::string misplaced(const outline_entry& entry, level parent, std::optional<level> expected) {
    std::string message =
        "'" + entry.name + "' cannot stand inside '" + std::string(level_name(parent)) + "'";
    if (expected) message += " (expected '" + std::string(level_name(*expected)) + "')";
    return message;
}

doc_record compiler::start_record(level l) const {
    const auto found = defaults_.find(l);
    return found != defaults_.end() ? found->second : built_in_default(l);
}

void compiler::apply_key(level l, doc_record& record, std::bitset<field_count>& seen,
                         const outline_entry& key) const {
    const auto def = find_key(l, key.name);
    if (!def)
        throw source_error(key.line,
                           "unknown key '" + key.name + "' for a " + std::string(level_name(l)));
    const auto index = std::size_t(def->field);
    if (seen[index])
        throw source_error(key.line, "'" + key.name + "' sets a field that is already set");
    seen[index] = true;
    if (is_text(def->field)) {
        text_of(record, def->field) = key.value;
    } else if (is_real(def->field)) {
        real_of(record, def->field) = read_real(key.value, key.line);
    } else {
        number_of(record, def->field) = read_value_word(def->kind, key.value, key.line);
    }
}

void compiler::apply_argument(level l, doc_record& record, std::bitset<field_count>& seen,
                              const outline_entry& entry) const {
    if (!entry.has_value) return;
    const auto field = inline_field(l);
    if (!field) throw source_error(entry.line, "'" + entry.name + "' takes no argument");
    seen[std::size_t(*field)] = true;
    text_of(record, *field) = entry.value;
}

doc_record compiler::compile_item(const outline_entry& entry, level l) const {
    doc_record record = start_record(l);
    std::bitset<field_count> seen;
    apply_argument(l, record, seen, entry);
    for (const auto& child : entry.children) {
        if (!child.is_key) throw source_error(child.line, misplaced(child, l, std::nullopt));
        apply_key(l, record, seen, child);
    }
    return record;
}

doc_element compiler::compile_element(const outline_entry& entry, level l, int depth) const {
    doc_element element;
    element.record = start_record(l);
    std::bitset<field_count> seen;
    apply_argument(l, element.record, seen, entry);
    const level item_level = *item_level_of(l);
    bool has_children = false;
    for (const auto& child : entry.children) {
        if (child.is_key) {
            apply_key(l, element.record, seen, child);
        } else if (child.name == level_name(item_level)) {
            if (element.items.size() == 65535)
                throw source_error(child.line, "more than 65535 items in one element");
            element.items.push_back(compile_item(child, item_level));
        } else if (child.name == level_name(level::node)) {
            if (has_children) throw source_error(child.line, "a second 'children' in one element");
            has_children = true;
            *element.children = compile_node(child, level::node, depth + 1);
        } else {
            throw source_error(child.line, misplaced(child, l, item_level));
        }
    }
    element.item_count = std::uint16_t(element.items.size());
    return element;
}

doc_group compiler::compile_group(const outline_entry& entry, level l, int depth) const {
    doc_group group;
    group.record = start_record(l);
    std::bitset<field_count> seen;
    apply_argument(l, group.record, seen, entry);
    const level element_level = *element_level_of(l);
    for (const auto& child : entry.children) {
        if (child.is_key) {
            apply_key(l, group.record, seen, child);
        } else if (child.name == level_name(element_level)) {
            // The reader stops at elements this deep, so the file would not load.
            if (depth >= engine::max_children_depth)
                throw source_error(child.line, "children nested deeper than " +
                                                   std::to_string(engine::max_children_depth) +
                                                   " levels");
            group.elements.push_back(compile_element(child, element_level, depth));
        } else {
            throw source_error(child.line, misplaced(child, l, element_level));
        }
    }
    group.element_count = std::int32_t(group.elements.size());
    return group;
}

doc_node compiler::compile_node(const outline_entry& entry, level l, int depth) const {
    if (entry.has_value) throw source_error(entry.line, "'" + entry.name + "' takes no argument");
    doc_node node;
    node.record = start_record(l);
    std::bitset<field_count> seen;
    const level group_level = *group_level_of(l);
    for (const auto& child : entry.children) {
        if (child.is_key) {
            apply_key(l, node.record, seen, child);
        } else if (child.name == level_name(group_level)) {
            node.groups.push_back(compile_group(child, group_level, depth));
        } else {
            throw source_error(child.line, misplaced(child, l, group_level));
        }
    }
    node.group_count = std::int32_t(node.groups.size());
    return node;
}

void compiler::read_defaults(const outline_entry& entry) {
    static constexpr std::array<level, 8> allowed{
        level::page_setup, level::style,   level::page,  level::block,
        level::paragraph,  level::section, level::field, level::option};
    const std::string name = encode_utf8(entry.value);
    std::optional<level> target;
    for (level l : allowed)
        if (level_name(l) == name) target = l;
    if (!entry.has_value || !target)
        throw source_error(entry.line,
                           "'defaults' needs one of page-setup, style, page, block, paragraph, "
                           "section, field, option");
    if (defaults_.contains(*target))
        throw source_error(entry.line, "defaults for '" + name + "' are given twice");
    doc_record record = built_in_default(*target);
    std::bitset<field_count> seen;
    for (const auto& child : entry.children) {
        if (!child.is_key) throw source_error(child.line, "'defaults' holds keys only");
        apply_key(*target, record, seen, child);
    }
    defaults_[*target] = std::move(record);
}

void compiler::apply_top_key(brik_tree& tree, const outline_entry& key) const {
    doc_record* record = nullptr;
    level l = level::setup;
    if (key.name == "bold-numbering" || key.name == "hanging-indent" || key.name == "link-images") {
        record = &tree.page_setup.record;
    } else if (key.name == "title") {
        if (tree.page_setup.groups.empty())
            throw source_error(key.line, "'title' needs a page setup");
        record = &tree.page_setup.groups[0].record;
        l = level::page_setup;
    } else if (key.name == "footer" || key.name == "page-numbers") {
        if (tree.page_setup.groups.empty() || tree.page_setup.groups[0].elements.size() < 4)
            throw source_error(key.line, "'" + key.name + "' needs a page setup with four styles");
        record = &tree.page_setup.groups[0].elements[3].record;
        l = level::style;
    } else {
        throw source_error(key.line, "unknown key '" + key.name + "' at the top level");
    }
    std::bitset<field_count> seen;
    apply_key(l, *record, seen, key);
}

brik_tree compiler::run(const std::vector<outline_entry>& top) {
    for (const auto& entry : top)
        if (!entry.is_key && entry.name == "defaults") read_defaults(entry);

    brik_tree tree;
    std::bitset<3> roots;
    std::vector<const outline_entry*> top_keys;
    for (const auto& entry : top) {
        if (entry.is_key) {
            top_keys.push_back(&entry);
            continue;
        }
        if (entry.name == "defaults") continue;
        const auto root = level_by_name(entry.name);
        if (!root || !is_root(*root))
            throw source_error(entry.line, "unknown '" + entry.name +
                                               "' at the top level (expected setup, pages, "
                                               "parameters or defaults)");
        const std::size_t index = *root == level::setup ? 0 : *root == level::pages ? 1 : 2;
        if (roots[index]) throw source_error(entry.line, "a second '" + entry.name + "'");
        roots[index] = true;
        doc_node node = compile_node(entry, *root, 0);
        (index == 0   ? tree.page_setup
         : index == 1 ? tree.pages
                      : tree.parameters) = std::move(node);
    }
    if (!roots[0]) tree.page_setup = default_page_setup();
    std::map<std::string, int> seen_top;
    for (const outline_entry* key : top_keys) {
        if (seen_top[key->name]++ > 0)
            throw source_error(key->line, "'" + key->name + "' is given twice");
        apply_top_key(tree, *key);
    }
    return tree;
}

}  // namespace

brik_tree compile_outline(const std::vector<outline_entry>& top) { return compiler().run(top); }

brik_tree compile_source(std::string_view utf8, const shared_files& files) {
    std::vector<outline_entry> top = parse_outline(decode_source_lines(utf8));
    insert_shared_texts(top, files);
    return compile_outline(top);
}

}  // namespace brikc
