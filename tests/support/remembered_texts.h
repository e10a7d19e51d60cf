// Value lists for the benchmarks: texts of 10 to 70 Latin and Cyrillic
// characters and blanks, the same on every run.
#pragma once

#include <string>
#include <vector>

namespace fixture {

// `count` texts in no order.
std::vector<std::wstring> remembered_texts(int count);

}  // namespace fixture
