// Template source (UTF-8 outline) to document tree.
//
// Besides the levels and keys of schema.h, a source may hold at its top:
//   title, footer, page-numbers, bold-numbering, hanging-indent, link-images
//     set fields of the page setup (its record, its first group, the
//     fourth style element);
//   defaults LEVEL
//     keys that every record of that level starts from.
// Without a "setup" the source gets `default_page_setup()`.
#pragma once

#include <string_view>
#include <vector>

#include "tools/brikc/brik_tree.h"
#include "tools/brikc/outline.h"
#include "tools/brikc/shared_text.h"

namespace brikc {

// Throws `source_error` (with the line) on any fault of the source.
brik_tree compile_outline(const std::vector<outline_entry>& top);
// `files` gives the texts a source's "<<NAME>>" stands for (shared_text.h).
brik_tree compile_source(std::string_view utf8, const shared_files& files = {});

}  // namespace brikc
