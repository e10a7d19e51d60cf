// Declines every person of the name list into the six cases the way a person
// field renders it, and prints pass rates: whole names, each part, each case,
// each gender and each group, then the failing forms.
//
//   name_quality LIST                  print the rates (exit 0 whatever they are)
//   name_quality --check LIST KNOWN    also check the list (at least 1,500 rows,
//       six forms each, both genders) and the rates: at least 98% of whole
//       names in every case, 90% in every group, no failing form that KNOWN
//       does not list and no listed one that passes (exit 1 when not)
//
// KNOWN lists the forms that still fail, one "group<TAB>case<TAB>nominative"
// a line, so that a form that passes cannot start failing unnoticed.
//
// Row format (UTF-8, tab-separated, "#" starts a comment line):
//   group  gender(м|ж)  nominative  genitive  dative  accusative  instrumental  prepositional
//
// A form of a name in one case is right when every render of that case is:
// the whole name (a case letter, none for the nominative), "фамилия", "имя",
// "ио" and "инициалы". Rows of the group "fio_field" go through fields named
// «ФИО», «Ф.И.О.» and the like, the others through «фио работника». Forms
// compare with ё and е taken as one letter, except that an ё typed in the
// nominative must come back where the expected form keeps it.
#include <cstdio>
#include <fstream>
#include <iostream>
#include <map>
#include <set>
#include <sstream>
#include <string>
#include <vector>

#include "engine/fields/field_value.h"
#include "engine/fields/name_field.h"
#include "engine/text/utf16.h"

namespace {

constexpr std::size_t minimum_rows = 1500;
constexpr double minimum_case_rate = 0.98;
constexpr double minimum_group_rate = 0.90;
const char* const case_names[] = {"",           "nominative",   "genitive",     "dative",
                                  "accusative", "instrumental", "prepositional"};
const wchar_t* const case_letters[] = {L"", L"", L"р", L"д", L"в", L"т", L"п"};
const wchar_t* const capital_field_names[] = {L"ФИО", L"Ф.И.О.", L"Фио", L"ФИО заказчика",
                                              L"Ф.И.О. Работника"};

struct row {
    std::size_t line = 0;
    std::string group;
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

bool is_yo(wchar_t c) { return c == L'ё' || c == L'Ё'; }

wchar_t without_yo(wchar_t c) { return c == L'ё' ? L'е' : c == L'Ё' ? L'Е' : c; }

// `got` matches `expected`, ё and е alike, and keeps every ё of `typed` that
// `expected` keeps at the same place.
bool same_word(const std::wstring& expected, const std::wstring& got, const std::wstring& typed) {
    if (expected.size() != got.size()) return false;
    for (std::size_t i = 0; i < expected.size(); ++i) {
        if (without_yo(expected[i]) != without_yo(got[i])) return false;
        bool kept = i < typed.size() && is_yo(typed[i]) && is_yo(expected[i]);
        if (kept && !is_yo(got[i])) return false;
    }
    return true;
}

bool same_words(const std::vector<std::wstring>& expected, const std::wstring& got,
                const std::vector<std::wstring>& typed) {
    std::vector<std::wstring> got_words = words_of(got);
    if (got_words.size() != expected.size()) return false;
    for (std::size_t i = 0; i < expected.size(); ++i)
        if (!same_word(expected[i], got_words[i], i < typed.size() ? typed[i] : std::wstring()))
            return false;
    return true;
}

std::wstring initials_of(const std::wstring& first_name, const std::wstring& patronymic) {
    std::wstring initials;
    for (const std::wstring* part : {&first_name, &patronymic})
        if (!part->empty()) initials += std::wstring(1, (*part)[0]) + L".";
    return initials;
}

std::wstring render(const std::wstring& field_name, const std::wstring& value, int grammatical_case,
                    const wchar_t* part) {
    engine::render_context context(nullptr, engine::view_state{});
    engine::field_value field(context, engine::expr_token(field_name, engine::expr_kind::literal));
    field.value_text = value;
    std::vector<engine::expr_token> modifiers;
    if (*case_letters[grammatical_case])
        modifiers.emplace_back(case_letters[grammatical_case], engine::expr_kind::format_words);
    if (part) modifiers.emplace_back(part, engine::expr_kind::format_words);
    std::wstring out;
    engine::render_name_field(value, field, out, modifiers);
    return out;
}

std::string percent(const tally& t) {
    if (t.total == 0) return "-";
    char text[48];
    std::snprintf(text, sizeof text, "%.1f%% (%zu/%zu)", 100.0 * double(t.passed) / double(t.total),
                  t.passed, t.total);
    return text;
}

double rate(const tally& t) { return t.total == 0 ? 1.0 : double(t.passed) / double(t.total); }

std::set<std::string> read_known_failures(std::ifstream& file) {
    std::set<std::string> known;
    std::string line;
    while (std::getline(file, line)) {
        if (!line.empty() && line.back() == '\r') line.pop_back();
        if (!line.empty() && line[0] != '#') known.insert(line);
    }
    return known;
}

std::vector<row> read_rows(std::ifstream& file, std::vector<std::string>& problems) {
    std::vector<row> rows;
    std::string line;
    for (std::size_t number = 1; std::getline(file, line); ++number) {
        if (!line.empty() && line.back() == '\r') line.pop_back();
        if (line.empty() || line[0] == '#') continue;
        std::vector<std::string> cells = split_tabs(line);
        std::string where = "line " + std::to_string(number) + ": ";
        if (cells.size() != 8) {
            problems.push_back(where + std::to_string(cells.size()) + " cells, not 8");
            continue;
        }
        row r{number, cells[0], engine::from_utf8(cells[1]), {}};
        for (std::size_t i = 2; i < 8; ++i) r.forms.push_back(engine::from_utf8(cells[i]));
        if (r.gender != L"м" && r.gender != L"ж")
            problems.push_back(where + "gender is not м or ж");
        for (const std::wstring& form : r.forms)
            if (words_of(form).size() != 3) problems.push_back(where + "a form is not three words");
        rows.push_back(std::move(r));
    }
    return rows;
}

struct form_result {
    bool parts[3] = {true, true, true};
    std::vector<std::string> wrong;  // the renders that went wrong, as "modifier: got"
    bool whole() const { return parts[0] && parts[1] && parts[2] && wrong.empty(); }
};

form_result check_form(const row& r, int grammatical_case, std::size_t index) {
    std::vector<std::wstring> typed = words_of(r.forms[0]);
    std::vector<std::wstring> want = words_of(r.forms[std::size_t(grammatical_case - 1)]);
    std::wstring field_name = r.group == "fio_field"
                                  ? capital_field_names[index % std::size(capital_field_names)]
                                  : L"фио работника";
    form_result result;
    auto expect = [&](const wchar_t* part, std::vector<std::size_t> slots,
                      const std::wstring& suffix = L"") {
        std::wstring got = render(field_name, r.forms[0], grammatical_case, part);
        std::vector<std::wstring> expected, typed_words;
        for (std::size_t slot : slots) {
            expected.push_back(want[slot]);
            typed_words.push_back(typed[slot]);
        }
        if (!suffix.empty()) expected.push_back(suffix);
        if (same_words(expected, got, typed_words)) return;
        std::vector<std::wstring> got_words = words_of(got);
        for (std::size_t at = 0; at < slots.size(); ++at) {
            std::size_t slot = slots[at];
            if (at >= got_words.size() || !same_word(want[slot], got_words[at], typed[slot]))
                result.parts[slot] = false;
        }
        result.wrong.push_back(engine::to_utf8(part ? part : L"-") + ": " + engine::to_utf8(got));
    };
    expect(nullptr, {0, 1, 2});
    expect(L"фамилия", {0});
    expect(L"имя", {1});
    expect(L"ио", {1, 2});
    expect(L"инициалы", {0}, initials_of(typed[1], typed[2]));
    return result;
}

}  // namespace

int main(int argc, char** argv) {
    bool check = argc == 4 && std::string(argv[1]) == "--check";
    if (argc != 2 && !check) {
        std::cerr << "usage: name_quality LIST | name_quality --check LIST KNOWN_FAILURES\n";
        return 2;
    }
    const char* list_path = argv[check ? 2 : 1];
    std::ifstream file(list_path, std::ios::binary);
    std::ifstream known_file;
    if (check) known_file.open(argv[3], std::ios::binary);
    if (!file || (check && !known_file)) {
        std::cerr << "cannot read " << list_path << (check ? std::string(" or ") + argv[3] : "")
                  << "\n";
        return 2;
    }
    std::vector<std::string> problems;
    std::vector<row> rows = read_rows(file, problems);

    tally whole, parts[3], by_case[7];
    std::map<std::wstring, tally> by_gender;
    std::map<std::string, tally> by_group;
    std::map<std::string, tally[3]> group_parts;
    std::vector<std::string> failures;
    std::set<std::string> failing_keys;
    const char* const part_names[] = {"surname", "first name", "patronymic"};
    for (std::size_t index = 0; index < rows.size(); ++index) {
        const row& r = rows[index];
        for (int c = 1; c <= 6; ++c) {
            form_result result = check_form(r, c, index);
            bool ok = result.whole();
            whole.count(ok);
            by_case[c].count(ok);
            by_gender[r.gender].count(ok);
            by_group[r.group].count(ok);
            for (std::size_t p = 0; p < 3; ++p) {
                parts[p].count(result.parts[p]);
                group_parts[r.group][p].count(result.parts[p]);
            }
            if (ok) continue;
            std::string key = r.group + "\t" + case_names[c] + "\t" + engine::to_utf8(r.forms[0]);
            failing_keys.insert(key);
            std::string failure = key + "\twant " + engine::to_utf8(r.forms[std::size_t(c - 1)]);
            for (const std::string& wrong : result.wrong) failure += "\t" + wrong;
            failures.push_back(failure);
        }
    }

    std::cout << "rows: " << rows.size() << ", forms: " << whole.total << "\n";
    std::cout << "whole names: " << percent(whole) << "\n";
    for (int p = 0; p < 3; ++p) std::cout << part_names[p] << ": " << percent(parts[p]) << "\n";
    for (int c = 1; c <= 6; ++c)
        std::cout << "case " << case_names[c] << ": " << percent(by_case[c]) << "\n";
    for (const auto& [gender, t] : by_gender)
        std::cout << "gender " << engine::to_utf8(gender) << ": " << percent(t) << "\n";
    for (const auto& [group, t] : by_group) {
        std::cout << "group " << group << ": " << percent(t);
        for (int p = 0; p < 3; ++p)
            std::cout << "; " << part_names[p] << " " << percent(group_parts[group][p]);
        std::cout << "\n";
    }
    std::cout << "failing forms: " << failures.size() << "\n";
    for (const std::string& failure : failures) std::cout << "  " << failure << "\n";

    if (!check) return 0;
    if (rows.size() < minimum_rows)
        problems.push_back("fewer than " + std::to_string(minimum_rows) + " rows");
    if (by_gender[L"м"].total == 0 || by_gender[L"ж"].total == 0)
        problems.push_back("the list lacks a gender");
    for (int c = 1; c <= 6; ++c)
        if (rate(by_case[c]) < minimum_case_rate)
            problems.push_back(std::string(case_names[c]) + " below 98%");
    for (const auto& [group, t] : by_group)
        if (rate(t) < minimum_group_rate) problems.push_back("group " + group + " below 90%");
    std::set<std::string> known = read_known_failures(known_file);
    for (const std::string& key : failing_keys)
        if (!known.count(key)) problems.push_back("fails, and is no known failure: " + key);
    for (const std::string& key : known)
        if (!failing_keys.count(key))
            problems.push_back("passes now, take it off the known failures: " + key);
    for (const std::string& problem : problems) std::cerr << "name list: " << problem << "\n";
    return problems.empty() ? 0 : 1;
}
