// Every dictionary entry of the handlers, probed with a word built from the
// entry's own text: a dropped, duplicated or mistyped ending shows as a wrong
// form or a wrong store. The probe lists were made from the dictionaries apart
// from the tables the handlers compile.
//
// Line format: probe word, outcome, gender, animacy, entry (tab-separated).
// Outcome: pNNN (that paradigm), pNNN* (that paradigm with the animacy the
// caller supplies), keep (the word unchanged) or =f1|...|f6 (the six forms).
// A store is a digit, "-" for not stored, or six comma-separated values.
#include <gtest/gtest.h>

#include <cstdlib>
#include <fstream>
#include <map>
#include <sstream>
#include <string>
#include <vector>

#include "engine/declension/decline_word.h"
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

std::vector<std::wstring> split(const std::wstring& text, wchar_t separator) {
    std::vector<std::wstring> parts;
    std::wstringstream in(text);
    for (std::wstring part; std::getline(in, part, separator);) parts.push_back(part);
    return parts;
}

std::vector<probe> read_probes(const std::string& handler) {
    const char* root = std::getenv("PAPERWRIGHT_TEST_DATA");
    std::ifstream file(std::string(root ? root : "tests") + "/engine/declension/handlers/probes/" + handler + ".tsv");
    std::vector<probe> probes;
    for (std::string line; std::getline(file, line);) {
        if (line.empty() || line[0] == '#') continue;
        auto cells = split(from_utf8(line), L'\t');
        if (cells.size() != 5) {
            ADD_FAILURE() << "bad probe line: " << line;
            continue;
        }
        probes.push_back({cells[0], cells[1], cells[2], cells[3], to_utf8(cells[4])});
    }
    return probes;
}

std::wstring expected_form(const probe& p, int c) {
    if (p.outcome == L"keep") return p.word;
    if (p.outcome[0] == L'=') return split(p.outcome.substr(1), L'|').at(std::size_t(c - 1));
    int number = std::stoi(p.outcome.substr(1, 3));
    bool from_input = p.outcome.back() == L'*';
    return apply_paradigm(number, p.word, c, from_input ? untouched : 0);
}

std::uint32_t expected_store(const std::wstring& store, int c) {
    std::wstring value = store.find(L',') == std::wstring::npos ? store : split(store, L',').at(std::size_t(c - 1));
    return value == L"-" ? untouched : std::uint32_t(std::stoul(value));
}

void check_handler(const std::string& handler, std::size_t expected_count) {
    std::vector<probe> probes = read_probes(handler);
    EXPECT_EQ(probes.size(), expected_count) << handler;
    for (const probe& p : probes) {
        for (int c = 1; c <= 6; ++c) {
            EXPECT_TRUE(decl_test::declines_as(nullptr, p.word, c, expected_form(p, c), expected_store(p.gender, c),
                                               expected_store(p.animacy, c)))
                << "entry " << p.entry;
        }
    }
}

}  // namespace

TEST(HandlerProbes, LongR) { check_handler("long_r", 694); }
TEST(HandlerProbes, LongJ) { check_handler("long_j", 216); }
TEST(HandlerProbes, LongA) { check_handler("long_a", 454); }
TEST(HandlerProbes, LongSoft) { check_handler("long_soft", 242); }
TEST(HandlerProbes, LongK) { check_handler("long_k", 488); }
TEST(HandlerProbes, LongB) { check_handler("long_b", 33); }
TEST(HandlerProbes, LongV) { check_handler("long_v", 77); }
TEST(HandlerProbes, LongG) { check_handler("long_g", 72); }
TEST(HandlerProbes, LongD) { check_handler("long_d", 126); }
TEST(HandlerProbes, LongZh) { check_handler("long_zh", 35); }
TEST(HandlerProbes, LongZ) { check_handler("long_z", 74); }
TEST(HandlerProbes, LongL) { check_handler("long_l", 110); }
TEST(HandlerProbes, LongM) { check_handler("long_m", 103); }
TEST(HandlerProbes, LongN) { check_handler("long_n", 239); }
TEST(HandlerProbes, LongE) { check_handler("long_e", 116); }
TEST(HandlerProbes, LongO) { check_handler("long_o", 186); }
TEST(HandlerProbes, LongP) { check_handler("long_p", 75); }
TEST(HandlerProbes, LongS) { check_handler("long_s", 398); }
TEST(HandlerProbes, LongT) { check_handler("long_t", 870); }
TEST(HandlerProbes, LongF) { check_handler("long_f", 59); }
TEST(HandlerProbes, LongKh) { check_handler("long_kh", 60); }
TEST(HandlerProbes, LongCh) { check_handler("long_ch", 75); }
TEST(HandlerProbes, LongSh) { check_handler("long_sh", 68); }
TEST(HandlerProbes, LongShch) { check_handler("long_shch", 2); }
TEST(HandlerProbes, LongTs) { check_handler("long_ts", 260); }
