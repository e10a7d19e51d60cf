#include "engine/fields/parameter_index.h"

#include <cstdint>
#include <unordered_map>
#include <vector>

#include "engine/document/document_data.h"
#include "engine/render/script.h"
#include "engine/text/word_key.h"

namespace engine {

namespace {

struct field_position {
    std::size_t section = 0;
    std::size_t element = 0;
};

class parameter_index {
public:
    doc_record* find(document_data& data, const std::wstring& key) {
        const std::uint64_t run = current_script_run();
        if (run == 0 || run != checked_run_ || &data != checked_data_) {
            if (!names_match(data.parameters)) rebuild(data.parameters);
            checked_run_ = run;
            checked_data_ = &data;
        }
        auto found = first_field_.find(key);
        if (found == first_field_.end()) return nullptr;
        return &data.parameters.groups[found->second.section].elements[found->second.element].record;
    }

private:
    // Comparing the names costs less than one lookup by word keys did.
    bool names_match(const doc_node& parameters) const {
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

    void rebuild(const doc_node& parameters) {
        section_sizes_.clear();
        names_.clear();
        first_field_.clear();
        for (std::size_t g = 0; g < group_count_of(parameters); ++g) {
            const doc_group& section = parameters.groups[g];
            section_sizes_.push_back(element_count_of(section));
            for (std::size_t e = 0; e < element_count_of(section); ++e) {
                const std::wstring& name = section.elements[e].record.s1;
                names_.push_back(name);
                first_field_.emplace(make_word_key(name), field_position{g, e});  // an earlier field keeps its key
            }
        }
    }

    std::uint64_t checked_run_ = 0;
    const document_data* checked_data_ = nullptr;  // compared, never read
    std::vector<std::size_t> section_sizes_;
    std::vector<std::wstring> names_;
    std::unordered_map<std::wstring, field_position> first_field_;
};

}  // namespace

doc_record* find_parameter(document_data* data, const std::wstring& key) {
    static parameter_index index;
    return data ? index.find(*data, key) : nullptr;
}

}  // namespace engine
