// Every text of a document's pages that a render runs as a script: each
// page's own, each block's and each of its items'.
#pragma once

#include <string>

#include "engine/document/document_data.h"

namespace engine {

template <typename Visit>
void for_each_page_text(const document_data& data, Visit visit) {
    for (std::size_t p = 0; p < group_count_of(data.pages); ++p) {
        const doc_group& page = data.pages.groups[p];
        visit(page.record.s2);
        for (std::size_t e = 0; e < element_count_of(page); ++e) {
            const doc_element& block = page.elements[e];
            visit(block.record.s2);
            for (std::size_t i = 0; i < item_count_of(block); ++i) visit(block.items[i].s2);
        }
    }
}

}  // namespace engine
