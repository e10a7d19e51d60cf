// Finds a parameter field by the word key of its name without comparing the
// name with every field of the document.
//
// One table maps each word key to the first field (sections, then fields)
// whose name has it; it is built from the fields' names and kept while they
// stay the same. Before answering it compares the names with the copies it
// was built from and builds itself again on any difference (a field renamed,
// added or removed, another document). It compares once per outermost script
// run, as nothing renames a field while a script runs, and at every lookup
// made outside a run. Values are always read from the field itself. Each
// render context has its own.
#pragma once

#include <cstdint>
#include <string>
#include <unordered_map>
#include <vector>

#include "engine/document/doc_model.h"

namespace engine {

class parameter_index {
public:
    // The first field of the parameters root `parameters` whose name has the word key `key`;
    // null when there is none. `run` numbers the outermost script run under
    // way, 0 outside one.
    doc_record* find(doc_node& parameters, const std::wstring& key, std::uint64_t run);

private:
    struct field_position {
        std::size_t section = 0;
        std::size_t element = 0;
    };

    bool names_match(const doc_node& parameters) const;
    void rebuild(const doc_node& parameters);

    std::uint64_t checked_run_ = 0;
    const doc_node* checked_parameters_ = nullptr;  // compared, never read
    std::vector<std::size_t> section_sizes_;
    std::vector<std::wstring> names_;
    std::unordered_map<std::wstring, field_position> first_field_;
};

}  // namespace engine
