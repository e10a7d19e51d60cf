// Every dictionary entry of the handlers for -ы, -и, -я and of the four-letter
// lists, probed with a word built from the entry's own text. The probe lists
// were made from the dictionaries apart from the tables the handlers compile;
// a list's sections are counted so a lost or doubled line shows.
//
// Line format: probe word, outcome, gender, animacy, entry (tab-separated);
// "# title" starts a section. Outcome: pNNN (that paradigm), keep (the word
// unchanged), =f1|...|f6 (the six forms), ki (what the -ки handler gives) or
// check:NAME:handler (the row asks that singular handler by that check). A
// store is a digit, "-" for not stored, "?" for not asserted, or "check".
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

struct probe_list {
    std::vector<std::pair<std::string, std::size_t>> sections;  // title, probe count
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
        if (line.empty()) continue;
        if (line[0] == '#') {
            list.sections.emplace_back(line.substr(2), 0);
            continue;
        }
        auto cells = split(from_utf8(line), L'\t');
        if (cells.size() != 5 || list.sections.empty()) {
            ADD_FAILURE() << "bad probe line: " << line;
            continue;
        }
        list.probes.push_back({cells[0], cells[1], cells[2], cells[3], to_utf8(cells[4])});
        ++list.sections.back().second;
    }
    return list;
}

std::uint32_t expected_store(const std::wstring& store) { return store == L"-" ? untouched : std::stoul(store); }

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

// The row names the check and handler; whatever the singular answers, the
// plural takes one of the check's paradigms, animacy 1 goes with the animate
// side only (B's surname side stores the singular's), and gender 4 is stored.
void check_singular_row(const probe& p, const singular_check* (*row_check)(const rule_row&),
                        const rule_table& table) {
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

void check_probes(const std::string& name, const std::vector<std::pair<std::string, std::size_t>>& counts,
                  const singular_check* (*row_check)(const rule_row&) = nullptr,
                  const rule_table* table = nullptr) {
    probe_list list = read_probes(name);
    EXPECT_EQ(list.sections, counts) << name;
    for (const probe& p : list.probes) {
        if (p.outcome.starts_with(L"check:")) {
            ASSERT_TRUE(row_check && table) << p.entry;
            check_singular_row(p, row_check, *table);
            continue;
        }
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
            std::wstring form = p.outcome == L"keep"    ? p.word
                                : p.outcome[0] == L'='  ? split(p.outcome.substr(1), L'|').at(std::size_t(c - 1))
                                                        : apply_paradigm(std::stoi(p.outcome.substr(1)), p.word, c);
            EXPECT_EQ(got, form) << p.entry << " case " << c;
            if (p.gender != L"?") {
                EXPECT_EQ(gender, expected_store(p.gender)) << p.entry;
            }
            if (p.animacy != L"?") {
                EXPECT_EQ(animate, expected_store(p.animacy)) << p.entry;
            }
        }
    }
}

}  // namespace

TEST(HandlerProbesYIYa, LongY) {
    check_probes("long_y",
                 {{"-бы -вы -пы -фы -цы", 183}, {"-ды -зы", 139}, {"-лы -мы", 137}, {"-ны", 121}, {"-ры", 120},
                  {"-сы -ты", 170}},
                 long_y_check, &long_y_rules());
}

TEST(HandlerProbesYIYa, LongI) { check_probes("long_i", {{"-и", 471}}, long_i_check, &long_i_rules()); }

TEST(HandlerProbesYIYa, LongYa) { check_probes("long_ya", {{"-я", 236}}); }

TEST(HandlerProbesYIYa, FourLettersLToT) {
    check_probes("short4_l_to_t", {{"decline4_l", 29}, {"decline4_m", 33}, {"decline4_n", 49}, {"decline4_o", 38},
                                   {"decline4_p", 23}, {"decline4_r", 44}, {"decline4_s", 75}, {"decline4_t", 101}});
}

TEST(HandlerProbesYIYa, FourLettersYSoftYa) {
    check_probes("short4_y_soft_ya", {{"decline4_y", 240}, {"decline4_soft", 93}, {"decline4_ya", 72}});
}
