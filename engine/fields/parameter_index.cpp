#include "engine/fields/parameter_index.h"

#include "engine/text/word_key.h"

namespace engine {

doc_record* parameter_index::find(doc_node& parameters, const std::wstring& key,
                                  std::uint64_t run) {
    if (run == 0 || run != checked_run_ || &parameters != checked_parameters_) {
        if (!names_match(parameters)) rebuild(parameters);
        checked_run_ = run;
        checked_parameters_ = &parameters;
    }
    auto found = first_field_.find(key);
    if (found == first_field_.end()) return nullptr;
    return &parameters.groups[found->second.section].elements[found->second.element].record;
}

// Comparing the names costs less than one lookup by word keys did.
bool parameter_index::names_match(const doc_node& parameters) const {
    const std::size_t sections = group_count_of(parameters);
    if (sections != section_sizes_.size()) return false;
    std::size_t next = 0;
    for (std::size_t g = 0; g < sections; ++g) {
        const doc_group& section = parameters.groups[g];
        const std::size_t count = element_count_of(section);
        if (count != section_sizes_[g]) return false;
        for (std::size_t e = 0; e < count; ++e)
            if (section.elements[e].record.s1 != names_[next++]) return false;
    }
    return true;
}

void parameter_index::rebuild(const doc_node& parameters) {
    section_sizes_.clear();
    names_.clear();
    first_field_.clear();
    for (std::size_t g = 0; g < group_count_of(parameters); ++g) {
        const doc_group& section = parameters.groups[g];
        section_sizes_.push_back(element_count_of(section));
        for (std::size_t e = 0; e < element_count_of(section); ++e) {
            const std::wstring& name = section.elements[e].record.s1;
            names_.push_back(name);
            first_field_.emplace(make_word_key(name),
                                 field_position{g, e});  // an earlier field keeps its key
        }
    }
}

}  // namespace engine
