// The three roots of a document file, as the compiler builds them and the
// dump reads them.
#pragma once

#include "engine/document/doc_model.h"

namespace brikc {

struct brik_tree {
    engine::doc_node page_setup;
    engine::doc_node pages;
    engine::doc_node parameters;
};

// The page setup a source gets when it names none: A4 with the margins the
// renderer would otherwise write, and four style elements (the renderer
// reads the first two, the footer is the fourth) with page numbers on.
engine::doc_node default_page_setup();

}  // namespace brikc
