#include "tools/typed_corpus/typed_sets.h"

#include <map>

#include "engine/text/utf16.h"

namespace corpus {

namespace {

std::vector<std::string> split_tabs(const std::string& line) {
    std::vector<std::string> cells;
    std::size_t start = 0;
    for (std::size_t tab; (tab = line.find('\t', start)) != std::string::npos; start = tab + 1)
        cells.push_back(line.substr(start, tab - start));
    cells.push_back(line.substr(start));
    return cells;
}

std::string unescaped(const std::string& cell) {
    std::string text;
    for (std::size_t i = 0; i < cell.size(); ++i) {
        if (cell[i] != '\\' || i + 1 == cell.size()) {
            text += cell[i];
            continue;
        }
        const char next = cell[++i];
        text += next == 't' ? '\t' : next == 'n' ? '\n' : next;
    }
    return text;
}

}  // namespace

std::vector<typed_set> read_typed_sets(std::istream& in, std::vector<std::string>& problems) {
    std::vector<typed_set> sets;
    std::map<std::string, std::size_t> index_of;
    std::string line;
    std::getline(in, line);  // the heading
    for (int number = 2; std::getline(in, line); ++number) {
        if (!line.empty() && line.back() == '\r') line.pop_back();
        if (line.empty()) continue;
        const std::vector<std::string> cells = split_tabs(line);
        if (cells.size() != 5) {
            problems.push_back("line " + std::to_string(number) + ": " +
                               std::to_string(cells.size()) + " cells, not 5");
            continue;
        }
        auto [at, added] = index_of.try_emplace(cells[0], sets.size());
        if (added) sets.push_back({cells[0], cells[1], cells[2], {}});
        typed_set& set = sets[at->second];
        if (set.language != cells[1] || set.template_name != cells[2]) {
            problems.push_back("line " + std::to_string(number) + ": set " + cells[0] +
                               " names another template");
            continue;
        }
        set.values.emplace_back(engine::from_utf8(unescaped(cells[3])),
                                engine::from_utf8(unescaped(cells[4])));
    }
    return sets;
}

}  // namespace corpus
