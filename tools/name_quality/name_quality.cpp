// Declines every person of the name list into cases 2 to 6, the way a «фио»
// field with a case letter renders it, and prints pass rates: whole names,
// each part, each gender and each category, then the failing forms.
//
//   name_quality FILE           print the rates (exit 0 whatever they are)
//   name_quality --check FILE   also check the file: at least 300 rows, six
//                               forms each, both genders (exit 1 when not)
//
// Row format (UTF-8, tab-separated, "#" starts a comment line):
//   category  gender(м|ж)  nominative  genitive  dative  accusative  instrumental  prepositional
// Forms compare with ё and е taken as one letter.
#include <cstdio>
#include <fstream>
#include <iostream>
#include <map>
#include <sstream>
#include <string>
#include <vector>

#include "engine/declension/person_name.h"
#include "engine/text/utf16.h"

namespace {

constexpr std::size_t minimum_rows = 300;
const char* const case_names[] = {"", "", "genitive", "dative", "accusative", "instrumental", "prepositional"};

struct row {
    std::size_t line = 0;
    std::string category;
    std::wstring gender;
    std::vector<std::wstring> forms;
};

struct tally {
    std::size_t passed = 0;
    std::size_t total = 0;
    void count(bool ok) {
        total += 1;
        passed += ok ? 1 : 0;
    }
};

std::vector<std::string> split_tabs(const std::string& line) {
    std::vector<std::string> cells;
    std::stringstream stream(line);
    std::string cell;
    while (std::getline(stream, cell, '\t')) cells.push_back(cell);
    return cells;
}

std::vector<std::wstring> words_of(const std::wstring& text) {
    std::vector<std::wstring> words;
    std::wstring word;
    for (wchar_t c : text + L" ") {
        if (c != L' ') {
            word += c;
        } else if (!word.empty()) {
            words.push_back(word);
            word.clear();
        }
    }
    return words;
}

std::wstring without_yo(std::wstring text) {
    for (wchar_t& c : text) {
        if (c == L'ё') c = L'е';
        if (c == L'Ё') c = L'Е';
    }
    return text;
}

std::wstring rendered(const std::wstring& nominative, int grammatical_case) {
    engine::person_name name(nominative);
    std::wstring out;
    engine::render_person_name(name, out, engine::person_request{.grammatical_case = grammatical_case});
    return out;
}

std::string percent(const tally& t) {
    if (t.total == 0) return "-";
    char text[32];
    std::snprintf(text, sizeof text, "%.1f%% (%zu/%zu)", 100.0 * double(t.passed) / double(t.total), t.passed, t.total);
    return text;
}

}  // namespace

int main(int argc, char** argv) {
    bool check = argc == 3 && std::string(argv[1]) == "--check";
    if (argc != 2 && !check) {
        std::cerr << "usage: name_quality [--check] person_names.tsv\n";
        return 2;
    }
    std::ifstream file(argv[argc - 1], std::ios::binary);
    if (!file) {
        std::cerr << "cannot read " << argv[argc - 1] << "\n";
        return 2;
    }
    std::vector<row> rows;
    std::vector<std::string> problems;
    std::string line;
    for (std::size_t number = 1; std::getline(file, line); ++number) {
        if (!line.empty() && line.back() == '\r') line.pop_back();
        if (line.empty() || line[0] == '#') continue;
        std::vector<std::string> cells = split_tabs(line);
        if (cells.size() != 8) {
            problems.push_back("line " + std::to_string(number) + ": " + std::to_string(cells.size()) + " cells, not 8");
            continue;
        }
        row r{number, cells[0], engine::from_utf8(cells[1]), {}};
        for (std::size_t i = 2; i < 8; ++i) r.forms.push_back(engine::from_utf8(cells[i]));
        if (r.gender != L"м" && r.gender != L"ж") problems.push_back("line " + std::to_string(number) + ": gender is not м or ж");
        for (const std::wstring& form : r.forms)
            if (words_of(form).size() != 3) problems.push_back("line " + std::to_string(number) + ": a form is not three words");
        rows.push_back(std::move(r));
    }

    tally whole, parts[3];
    std::map<std::wstring, tally> by_gender;
    std::map<std::string, tally> by_category;
    std::map<std::string, tally[3]> category_parts;
    std::vector<std::string> failures;
    const char* const part_names[] = {"surname", "first name", "patronymic"};
    for (const row& r : rows) {
        for (int c = 2; c <= 6; ++c) {
            std::wstring expected = without_yo(r.forms[std::size_t(c - 1)]);
            std::wstring got_as_rendered = rendered(r.forms[0], c);
            std::wstring got = without_yo(got_as_rendered);
            std::vector<std::wstring> want_words = words_of(expected), got_words = words_of(got);
            bool ok = want_words == got_words;
            whole.count(ok);
            by_gender[r.gender].count(ok);
            by_category[r.category].count(ok);
            for (std::size_t p = 0; p < 3; ++p) {
                bool part_ok = p < want_words.size() && p < got_words.size() && want_words[p] == got_words[p];
                parts[p].count(part_ok);
                category_parts[r.category][p].count(part_ok);
            }
            if (!ok)
                failures.push_back(r.category + "\t" + case_names[c] + "\t" + engine::to_utf8(r.forms[0]) + "\twant " +
                                   engine::to_utf8(r.forms[std::size_t(c - 1)]) + "\tgot " + engine::to_utf8(got_as_rendered));
        }
    }

    std::cout << "rows: " << rows.size() << ", forms: " << whole.total << "\n";
    std::cout << "whole names: " << percent(whole) << "\n";
    for (int p = 0; p < 3; ++p) std::cout << part_names[p] << ": " << percent(parts[p]) << "\n";
    for (const auto& [gender, t] : by_gender) std::cout << "gender " << engine::to_utf8(gender) << ": " << percent(t) << "\n";
    for (const auto& [category, t] : by_category) {
        std::cout << "category " << category << ": " << percent(t);
        for (int p = 0; p < 3; ++p) std::cout << "; " << part_names[p] << " " << percent(category_parts[category][p]);
        std::cout << "\n";
    }
    std::cout << "failing forms: " << failures.size() << "\n";
    for (const std::string& failure : failures) std::cout << "  " << failure << "\n";

    if (!check) return 0;
    if (rows.size() < minimum_rows) problems.push_back("fewer than " + std::to_string(minimum_rows) + " rows");
    if (by_gender[L"м"].total == 0 || by_gender[L"ж"].total == 0) problems.push_back("the list lacks a gender");
    for (const std::string& problem : problems) std::cerr << "name list: " << problem << "\n";
    return problems.empty() ? 0 : 1;
}
