#include "tools/golden_text/line_diff.h"

#include <algorithm>
#include <sstream>
#include <vector>

namespace golden {

namespace {

std::vector<std::string> lines_of(const std::string& text) {
    std::vector<std::string> lines;
    std::istringstream in(text);
    for (std::string line; std::getline(in, line);) lines.push_back(line);
    return lines;
}

}  // namespace

std::string line_diff(const std::string& before, const std::string& after) {
    const std::vector<std::string> a = lines_of(before), b = lines_of(after);
    // common[i][j]: the longest common run of lines of a[i..] and b[j..].
    std::vector<std::vector<std::size_t>> common(a.size() + 1,
                                                 std::vector<std::size_t>(b.size() + 1));
    for (std::size_t i = a.size(); i-- > 0;)
        for (std::size_t j = b.size(); j-- > 0;)
            common[i][j] = a[i] == b[j] ? common[i + 1][j + 1] + 1
                                        : std::max(common[i + 1][j], common[i][j + 1]);
    std::string diff;
    std::size_t i = 0, j = 0;
    while (i < a.size() || j < b.size()) {
        if (i < a.size() && j < b.size() && a[i] == b[j]) {
            ++i, ++j;
        } else if (j == b.size() || (i < a.size() && common[i + 1][j] >= common[i][j + 1])) {
            diff += std::to_string(i + 1) + " - " + a[i] + "\n";
            ++i;
        } else {
            diff += std::to_string(i + 1) + " + " + b[j] + "\n";
            ++j;
        }
    }
    return diff;
}

}  // namespace golden
