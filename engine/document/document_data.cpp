#include "engine/document/document_data.h"

namespace engine {

namespace {

// The number of entries a count asks for, or nothing when the count is
// negative or the rest of the file could not hold that many entries.
bool fits(document_file& file, std::int64_t count, std::size_t min_bytes) {
    if (count < 0 || std::uint64_t(count) > file.remaining() / min_bytes) {
        file.stop();
        return false;
    }
    return true;
}

}  // namespace

document_data::document_data(std::wstring path, const environment& env)
    : file(std::make_unique<document_file>(path, env)), path(std::move(path)) {}

void document_data::read_record(doc_record& record) {
    document_file& f = *file;
    f.read_u16(record.a);
    f.read_u16(record.b);
    f.read_u16(record.c);
    f.read_string(record.s1);
    f.read_string(record.s2);
    f.read_string(record.s3);
    for (std::uint16_t& value : record.v) f.read_u16(value);
    f.read_f64(record.d1);
    f.read_f64(record.d2);
    f.read_string(record.s4);
    f.read_string(record.s5);
}

void document_data::read_node(doc_node& node, int depth) {
    document_file& f = *file;
    read_record(node.record);
    std::int32_t count = 0;
    if (!f.read_i32(count) || count == 0 || !fits(f, count, min_group_bytes)) return;
    node.groups.resize(std::size_t(count));
    node.group_count = count;
    for (doc_group& group : node.groups) {
        if (f.stopped()) return;
        read_group(group, depth);
    }
}

void document_data::read_group(doc_group& group, int depth) {
    document_file& f = *file;
    read_record(group.record);
    std::int32_t count = 0;
    if (!f.read_i32(count) || count == 0 || !fits(f, count, min_element_bytes)) return;
    group.elements.resize(std::size_t(count));
    group.element_count = count;
    for (doc_element& element : group.elements) {
        if (f.stopped()) return;
        read_record(element.record);
        std::uint16_t items = 0;
        if (!f.read_u16(items)) return;
        if (items != 0) {
            if (!fits(f, items, min_item_bytes)) return;
            element.items.resize(items);
            element.item_count = items;
            for (doc_record& item : element.items) read_record(item);
        }
        if (depth >= max_children_depth) {
            f.stop();
            return;
        }
        read_node(*element.children, depth + 1);
    }
}

void document_data::write_record(const doc_record& record) {
    document_file& f = *file;
    f.write_u16(record.a);
    f.write_u16(record.b);
    f.write_u16(record.c);
    f.write_string(record.s1);
    f.write_string(record.s2);
    f.write_string(record.s3);
    for (std::uint16_t value : record.v) f.write_u16(value);
    f.write_f64(record.d1);
    f.write_f64(record.d2);
    f.write_string(record.s4);
    f.write_string(record.s5);
}

// Writes the entries that exist: a count is written as the number of entries
// the arrays hold, so the file always reads back to the same tree.
void document_data::write_node(const doc_node& node) {
    document_file& f = *file;
    write_record(node.record);
    std::size_t groups = group_count_of(node);
    f.write_i32(std::int32_t(groups));
    for (std::size_t g = 0; g < groups; ++g) {
        const doc_group& group = node.groups[g];
        write_record(group.record);
        std::size_t elements = element_count_of(group);
        f.write_i32(std::int32_t(elements));
        for (std::size_t e = 0; e < elements; ++e) {
            const doc_element& element = group.elements[e];
            write_record(element.record);
            std::size_t items = item_count_of(element);
            f.write_u16(std::uint16_t(items));
            for (std::size_t i = 0; i < items; ++i) write_record(element.items[i]);
            if (element.children) {
                write_node(*element.children);
            } else {
                write_node(doc_node{});
            }
        }
    }
}

std::error_code document_data::write() {
    if (!loaded()) return std::make_error_code(std::errc::operation_not_permitted);
    file->write_string(brik_magic);
    write_node(page_setup);
    write_node(pages);
    write_node(parameters);
    return file->commit();
}

std::string document_data::node_bytes(const doc_node& node) {
    write_node(node);
    return file->take_output();
}

}  // namespace engine
