// One open document's tree: the roots `page_setup`, `pages` and `parameters`,
// the variable table `scratch`, the document file and the path.
//
// Owned by its `document`, which builds it, loads it and destroys it; the
// application may keep further pointers to it for the document's lifetime.
// One thread at a time.
#pragma once

#include <memory>
#include <string>
#include <system_error>

#include "engine/document/doc_model.h"
#include "engine/document/document_file.h"

namespace engine {

struct document_data {
    // Empty roots and a `document_file` on `path` in `env`, which must
    // outlive the tree; nothing is read yet.
    explicit document_data(std::wstring path, const environment& env = system_environment());

    document_data(const document_data&) = delete;
    document_data& operator=(const document_data&) = delete;

    // Whether the file opened, began with "BRF4.0" and was read without
    // damage. Only such a document is ever written back.
    bool loaded() const { return state == load_state::loaded; }

    // The file layout of records, groups, elements and nodes (see
    // document_file.h). `depth` counts the `children` levels below a root.
    void read_record(doc_record& record);
    void read_group(doc_group& group, int depth);
    void read_node(doc_node& node, int depth);
    void write_record(const doc_record& record);
    void write_node(const doc_node& node);

    // Writes the whole tree back to `path` when the file does not hold those
    // bytes already. Answers `operation_not_permitted`, and writes nothing,
    // when the document did not load; answers the failure, keeping the
    // stored file, when the writing fails.
    std::error_code write();
    bool save() { return !write(); }
    // The bytes `node` takes in the file; nothing is written.
    std::string node_bytes(const doc_node& node);

    doc_node page_setup;
    doc_node pages;
    doc_node parameters;
    // Its `records` are the variables set while rendering (s1 name, s2 value).
    doc_element scratch;
    std::unique_ptr<document_file> file;
    std::wstring path;
    load_state state = load_state::not_opened;
};

}  // namespace engine
