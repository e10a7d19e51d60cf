// A large template for the file and render benchmarks: `pages` pages of 20
// blocks, each block with 9 paragraph runs besides its own text (200
// paragraphs a page), and 25 sections of 20 fields with two options each.
// Ten pages make 2,000 paragraphs and 1.0 MB.
#pragma once

#include "support/brik_fixture.h"

namespace fixture {

brik_tree large_template(int pages = 10);

}  // namespace fixture
