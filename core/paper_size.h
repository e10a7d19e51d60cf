// The paper and orientation of the open document, written into its page
// setup record: the width `d1` (a double) and the height `v[0]` (16 bits), in
// millimetres. The margins are left as they are. The choice is not stored
// anywhere else; it is read back from the two sizes.
#pragma once

#include <cstdint>

#include "engine/document/doc_model.h"

namespace core {

// The values are the paper's position among the page's radio buttons and
// what `engine::paper_kind` answers.
enum class Paper : std::int32_t {
    letter = 0,             // 216 x 279
    government_letter = 1,  // 203 x 254
    legal = 2,              // 216 x 356
    a4 = 3,                 // 210 x 297
};

// Stores the paper's size in the orientation the page has now.
void set_paper(engine::doc_record& page_setup, Paper paper);

// Swaps width and height when the page is not yet in that orientation; the
// old width, cut to a whole number within 1 to 65535, becomes the height. A
// width that is not a finite number changes nothing.
void set_landscape(engine::doc_record& page_setup, bool landscape);

}  // namespace core
