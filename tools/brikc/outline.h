// The first stage of reading a template source: lines into an outline.
//
// A line is blank, a comment ("#" first), a key ("name: value") or a level
// ("name" or "name argument"). Indentation is by spaces; a line belongs to
// the nearest line above it that is indented less. A key's value is plain,
// quoted, or a block: "|" keeps the lines of the block joined by line feeds,
// ">" folds them into one line. The outline knows nothing of the document
// tree; the compiler gives the names their meaning.
#pragma once

#include <memory>
#include <string>
#include <utility>
#include <vector>

namespace brikc {

struct outline_entry {
    int line = 0;
    int indent = 0;
    bool is_key = false;  // "name: value" rather than a level line
    std::string name;     // ASCII: letters, digits, "-"
    bool has_value = false;
    bool quoted = false;  // a quoted value, read as written
    std::wstring value;   // a key's value, or a level line's argument
    // Where the text of each source line of a block value starts in `value`,
    // and that line's number.
    std::vector<std::pair<std::size_t, int>> value_lines;
    std::vector<outline_entry> children;
};

// Throws `source_error` on a malformed line or nesting under a key.
std::vector<outline_entry> parse_outline(const std::vector<std::wstring>& lines);

}  // namespace brikc
