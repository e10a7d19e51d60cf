// Sets of values typed into the library's templates, read from a table of
// tab-separated UTF-8 lines under the heading "set language template field
// value"; the lines of one set are typed together into one template. In a
// value "\t", "\n" and "\\" stand for a tab, a line feed and a backslash.
#pragma once

#include <istream>
#include <string>
#include <vector>

#include "tools/golden_text/typed_values.h"

namespace corpus {

struct typed_set {
    std::string id;
    std::string language;       // en, ru
    std::string template_name;  // relative to the language's folder, no extension
    golden::typed_values values;
};

// The sets in the order of their first lines. A malformed line is skipped
// and named in `problems`.
std::vector<typed_set> read_typed_sets(std::istream& in, std::vector<std::string>& problems);

}  // namespace corpus
