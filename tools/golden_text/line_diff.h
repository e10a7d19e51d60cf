// The lines that differ between two texts, as the golden test and the corpus
// tool show them.
#pragma once

#include <string>

namespace golden {

// "-" lines from `before` and "+" lines from `after`, each after its line
// number in `before`, one a line; empty when the texts hold the same lines.
// The texts stay readable UTF-8, as golden files are.
std::string line_diff(const std::string& before, const std::string& after);

}  // namespace golden
