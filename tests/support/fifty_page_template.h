// A generated template of 50 standard pages and 2,000 paragraphs: list
// numbers (framed and plain), 20 template tables, a page break ending each
// page and 500 braced references to 100 text fields, one in five a
// condition chain. The benchmarks of rendering and of the settings run on it;
// it is the generated template of tools/generated_templates.
#pragma once

#include "engine/document/document.h"

namespace fixture {

// Fills an empty document with the template.
void fill_fifty_pages(engine::document& doc);

}  // namespace fixture
