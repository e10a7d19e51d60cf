// Document tree back to template source. The dump names every level and
// writes every field that differs from its level's built-in start value, so
// compiling the dump gives the same tree; it uses no "defaults" and no
// top-level keys, and always writes the page setup out.
#pragma once

#include <string>

#include "tools/brikc/brik_tree.h"

namespace brikc {

// UTF-8 source text.
std::string dump_source(const brik_tree& tree);

}  // namespace brikc
