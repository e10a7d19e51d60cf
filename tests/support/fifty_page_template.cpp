#include "support/fifty_page_template.h"

#include "tools/generated_templates/fifty_pages.h"

namespace fixture {

void fill_fifty_pages(engine::document& doc) {
    engine::document_data& data = *doc.data;
    data.page_setup.groups.resize(1);
    data.page_setup.group_count = 1;
    data.page_setup.groups[0].elements.resize(4);
    data.page_setup.groups[0].element_count = 4;
    generated::fifty_page_tree tree = generated::fifty_pages();
    data.pages = std::move(tree.pages);
    data.parameters = std::move(tree.parameters);
}

}  // namespace fixture
