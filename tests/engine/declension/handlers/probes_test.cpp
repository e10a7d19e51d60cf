// Every dictionary entry of the word handlers, probed with a word built from
// the entry's own text: a dropped, duplicated or mistyped ending shows as a
// wrong form or a wrong store. The probe lists were made from the dictionaries
// apart from the tables the handlers compile; each list's sections are counted
// so that a lost or doubled line shows.
//
// Line format: probe word, outcome, gender, animacy, entry (tab-separated);
// "# title" starts a section ("# probe word..." is a column header).
// Outcome: pNNN (that paradigm), pNNN* (that paradigm with the animacy the
// caller supplies), keep (the word unchanged), =f1|...|f6 (the six forms),
// ki (what the -ки handler gives) or check:NAME:handler (the row asks that
// singular handler by that check). A store is a digit, "-" for not stored,
// "?" for not asserted, or six comma-separated values, one per case.
#include <gtest/gtest.h>

#include <cstdlib>
#include <fstream>
#include <map>
#include <sstream>
#include <string>
#include <utility>
#include <vector>

#include "engine/declension/decline_word.h"
#include "engine/declension/handlers/dictionaries_y_i_ya.h"
#include "engine/declension/paradigms.h"
#include "engine/document/utf16.h"
#include "tests/engine/declension/declension_test_support.h"

using namespace engine;
using decl_test::untouched;

namespace {

struct probe {
    std::wstring word, outcome, gender, animacy;
    std::string entry;
};

using section_counts = std::vector<std::pair<std::string, std::size_t>>;

struct probe_list {
    section_counts sections;  // title, probe count; "" for lines before any title
    std::vector<probe> probes;
};

std::vector<std::wstring> split(const std::wstring& text, wchar_t separator) {
    std::vector<std::wstring> parts;
    std::wstringstream in(text);
    for (std::wstring part; std::getline(in, part, separator);) parts.push_back(part);
    return parts;
}

probe_list read_probes(const std::string& name) {
    const char* root = std::getenv("PAPERWRIGHT_TEST_DATA");
    std::ifstream file(std::string(root ? root : "tests") + "/engine/declension/handlers/probes/" + name + ".tsv");
    probe_list list;
    for (std::string line; std::getline(file, line);) {
        if (line.empty() || line.starts_with("# probe word")) continue;
        if (line[0] == '#') {
            list.sections.emplace_back(line.substr(2), 0);
            continue;
        }
        auto cells = split(from_utf8(line), L'\t');
        if (cells.size() != 5) {
            ADD_FAILURE() << "bad probe line: " << line;
            continue;
        }
        if (list.sections.empty()) list.sections.emplace_back("", 0);
        list.probes.push_back({cells[0], cells[1], cells[2], cells[3], to_utf8(cells[4])});
        ++list.sections.back().second;
    }
    return list;
}

std::wstring expected_form(const probe& p, int c) {
    if (p.outcome == L"keep") return p.word;
    if (p.outcome[0] == L'=') return split(p.outcome.substr(1), L'|').at(std::size_t(c - 1));
    bool from_input = p.outcome.back() == L'*';
    return apply_paradigm(std::stoi(p.outcome.substr(1, 3)), p.word, c, from_input ? untouched : 0);
}

// Whether `got` is what the store says for case c ("?" takes anything).
bool store_matches(const std::wstring& store, int c, std::uint32_t got) {
    std::wstring value = store.find(L',') == std::wstring::npos ? store : split(store, L',').at(std::size_t(c - 1));
    if (value == L"?") return true;
    return got == (value == L"-" ? untouched : std::uint32_t(std::stoul(value)));
}

word_handler singular_handler(const std::wstring& name) {
    static const std::map<std::wstring, word_handler> handlers = {
        {L"decline_long_b", decline_long_b},   {L"decline_long_v", decline_long_v},
        {L"decline_long_g", decline_long_g},   {L"decline_long_d", decline_long_d},
        {L"decline_long_z", decline_long_z},   {L"decline_long_l", decline_long_l},
        {L"decline_long_m", decline_long_m},   {L"decline_long_n", decline_long_n},
        {L"decline_long_p", decline_long_p},   {L"decline_long_r", decline_long_r},
        {L"decline_long_s", decline_long_s},   {L"decline_long_t", decline_long_t},
        {L"decline_long_f", decline_long_f},   {L"decline_long_kh", decline_long_kh},
        {L"decline_long_ts", decline_long_ts}, {L"decline_long_ch", decline_long_ch},
        {L"decline_long_sh", decline_long_sh},
    };
    auto found = handlers.find(name);
    return found == handlers.end() ? nullptr : found->second;
}

using row_check_fn = const singular_check* (*)(const rule_row&);

// The row names the check and handler; whatever the singular answers, the
// plural takes one of the check's paradigms, animacy 1 goes with the animate
// side only (B's surname side stores the singular's), and gender 4 is stored.
void check_singular_row(const probe& p, row_check_fn row_check, const rule_table& table) {
    auto parts = split(p.outcome, L':');
    const rule_row* row = table.find(p.word);
    ASSERT_NE(row, nullptr) << p.entry;
    const singular_check* check = row_check(*row);
    ASSERT_NE(check, nullptr) << p.entry;
    EXPECT_EQ(from_utf8(std::string(check->name)), parts.at(1)) << p.entry;
    EXPECT_EQ(check->handler, singular_handler(parts.at(2))) << p.entry;
    for (int c = 1; c <= 6; ++c) {
        std::uint32_t gender = untouched, animate = untouched;
        std::wstring got = decline_word(p.word, c, &gender, &animate);
        EXPECT_EQ(gender, 4u) << p.entry;
        const bool animate_side = animate == 1;
        std::vector<int> allowed = {animate_side ? check->animate_paradigm : check->inanimate_paradigm};
        if (check->animate_ev_paradigm) {
            allowed.push_back(animate_side ? check->animate_ev_paradigm : check->inanimate_ev_paradigm);
        }
        bool ok = false;
        for (int paradigm : allowed) ok = ok || got == apply_paradigm(paradigm, p.word, c);
        if (check->kind == singular_check_kind::noun_or_surname && animate != untouched) {
            ok = ok || got == apply_paradigm(77, p.word, c, animate);
        } else {
            EXPECT_TRUE(animate == 1 || animate == untouched) << p.entry;
        }
        EXPECT_TRUE(ok) << p.entry << ": case " << c << " gave " << to_utf8(got);
    }
}

void check_probe(const probe& p) {
    for (int c = 1; c <= 6; ++c) {
        std::uint32_t gender = untouched, animate = untouched;
        std::wstring got = decline_word(p.word, c, &gender, &animate);
        if (p.outcome == L"ki") {
            std::uint32_t ki_gender = untouched, ki_animate = untouched;
            EXPECT_EQ(got, decline_long_i_ki(p.word, c, &ki_gender, &ki_animate)) << p.entry;
            EXPECT_EQ(gender, ki_gender) << p.entry;
            EXPECT_EQ(animate, ki_animate) << p.entry;
            continue;
        }
        EXPECT_EQ(got, expected_form(p, c)) << p.entry << " case " << c;
        EXPECT_TRUE(store_matches(p.gender, c, gender)) << p.entry << " case " << c << " gender " << gender;
        EXPECT_TRUE(store_matches(p.animacy, c, animate)) << p.entry << " case " << c << " animacy " << animate;
    }
}

struct probe_file {
    const char* name;
    section_counts counts;
    row_check_fn row_check = nullptr;
    const rule_table* (*table)() = nullptr;
};

const rule_table* y_rules() { return &long_y_rules(); }
const rule_table* i_rules() { return &long_i_rules(); }

}  // namespace

TEST(HandlerProbes, EveryEntryGivesItsRowsFormsAndStores) {
    const probe_file files[] = {
        {"long_r", {{"", 694}}},
        {"long_j", {{"", 216}}},
        {"long_a", {{"", 454}}},
        {"long_soft", {{"", 242}}},
        {"long_k", {{"", 488}}},
        {"long_b", {{"", 33}}},
        {"long_v", {{"", 77}}},
        {"long_g", {{"", 72}}},
        {"long_d", {{"", 126}}},
        {"long_zh", {{"", 35}}},
        {"long_z", {{"", 74}}},
        {"long_l", {{"", 110}}},
        {"long_m", {{"", 103}}},
        {"long_n", {{"", 239}}},
        {"long_e", {{"", 116}}},
        {"long_o", {{"", 186}}},
        {"long_p", {{"", 75}}},
        {"long_s", {{"", 398}}},
        {"long_t", {{"", 870}}},
        {"long_f", {{"", 59}}},
        {"long_kh", {{"", 60}}},
        {"long_ch", {{"", 75}}},
        {"long_sh", {{"", 68}}},
        {"long_shch", {{"", 2}}},
        {"long_ts", {{"", 260}}},
        {"long_y",
         {{"-бы -вы -пы -фы -цы", 183}, {"-ды -зы", 139}, {"-лы -мы", 137}, {"-ны", 121}, {"-ры", 120},
          {"-сы -ты", 170}},
         long_y_check,
         y_rules},
        {"long_i", {{"-и", 471}}, long_i_check, i_rules},
        {"long_ya", {{"-я", 236}}},
        {"short4_l_to_t",
         {{"decline4_l", 29}, {"decline4_m", 33}, {"decline4_n", 49}, {"decline4_o", 38}, {"decline4_p", 23},
          {"decline4_r", 44}, {"decline4_s", 75}, {"decline4_t", 101}}},
        {"short4_y_soft_ya", {{"decline4_y", 240}, {"decline4_soft", 93}, {"decline4_ya", 72}}},
    };
    for (const probe_file& file : files) {
        SCOPED_TRACE(file.name);
        probe_list list = read_probes(file.name);
        EXPECT_EQ(list.sections, file.counts);
        for (const probe& p : list.probes) {
            if (!p.outcome.starts_with(L"check:")) {
                check_probe(p);
            } else if (file.row_check) {
                check_singular_row(p, file.row_check, *file.table());
            } else {
                ADD_FAILURE() << "a check row in a list without checks: " << p.entry;
            }
        }
    }
}
