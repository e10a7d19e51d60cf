// What the program reads and writes of an open document, with every access
// bounds-checked: a document that failed to load, or a tree without a page
// setup, gives null instead of an out-of-range element.
#pragma once

#include "engine/document/document.h"

namespace core {

// The page_setup root record; null without data.
engine::doc_record* page_setup_root(engine::document_data* data);
// The record of the first page_setup group (title, margins); null when none.
engine::doc_record* page_setup_record(engine::document_data* data);
// The fourth element of the first page_setup group (footer text and page
// number flag); null when missing.
engine::doc_element* footer_element(engine::document_data* data);
// A document counts as loaded when its page_setup root has a group.
bool has_page_setup(const engine::document_data* data);

// The zoom a document is shown with: the setting kept within 50 to 250
// percent, 100 for a value that is not a finite number. The setting itself
// is left as the file holds it.
double applied_zoom(double setting);

}  // namespace core
