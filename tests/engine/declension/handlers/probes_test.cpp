// Every dictionary entry of the word handlers, probed with a word built from
// the entry's own text, and every word of the closed short-word lists with
// its irregular forms in all six cases: a dropped, duplicated or mistyped
// ending shows as a wrong form or a wrong store. The probe lists were made from the dictionaries
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
#include <cstdlib>
#include <fstream>
#include <map>
#include <sstream>

#include "engine/declension/decline_word.h"
#include "engine/declension/handlers/dictionaries_y_i_ya.h"
#include "engine/declension/paradigms.h"
#include "engine/text/utf16.h"
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
    std::ifstream file(std::string(root ? root : "tests") + "/engine/declension/handlers/probes/" +
                       name + ".tsv");
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
    std::wstring value =
        store.find(L',') == std::wstring::npos ? store : split(store, L',').at(std::size_t(c - 1));
    if (value == L"?") return true;
    return got == (value == L"-" ? untouched : std::uint32_t(std::stoul(value)));
}

word_handler singular_handler(const std::wstring& name) {
    // clang-format off
    static const std::map<std::wstring, word_handler> handlers = {
        {L"decline_long_b", decline_long_b}, {L"decline_long_v", decline_long_v}, {L"decline_long_g", decline_long_g},
        {L"decline_long_d", decline_long_d}, {L"decline_long_z", decline_long_z}, {L"decline_long_l", decline_long_l},
        {L"decline_long_m", decline_long_m}, {L"decline_long_n", decline_long_n}, {L"decline_long_p", decline_long_p},
        {L"decline_long_r", decline_long_r}, {L"decline_long_s", decline_long_s}, {L"decline_long_t", decline_long_t},
        {L"decline_long_f", decline_long_f}, {L"decline_long_kh", decline_long_kh},
        {L"decline_long_ts", decline_long_ts}, {L"decline_long_ch", decline_long_ch},
        {L"decline_long_sh", decline_long_sh},
    };
    // clang-format on
    auto found = handlers.find(name);
    return found == handlers.end() ? nullptr : found->second;
}

using row_check_fn = const singular_check* (*)(const rule_row&);

// The paradigm and stored animacy a check must choose, from the singular
// handler's own answer (whatever its dictionary knows).
std::pair<int, std::uint32_t> by_singular(const singular_check& check, const std::wstring& plural) {
    std::uint32_t gender = 0, animate = 0;
    const int c = check.kind == singular_check_kind::animacy ? 0 : 5;
    std::wstring answer = check.handler(rebuild_singular(check.kind, plural), c, &gender, &animate);
    const bool live = animate != 0;
    const std::uint32_t stored = live ? 1u : untouched;
    bool ev_pair = false;
    switch (check.kind) {
        case singular_check_kind::noun_or_surname:
            if (!answer.ends_with(L"ом")) return {77, animate};
            break;
        case singular_check_kind::tsy_after_bn:
        case singular_check_kind::tsy_after_soft_sign:
            ev_pair = (answer + L" ").find(L"цом ") == std::wstring::npos;
            break;
        case singular_check_kind::tsy_after_consonant: ev_pair = !answer.ends_with(L"цом"); break;
        default: break;
    }
    if (ev_pair) return {live ? check.animate_ev_paradigm : check.inanimate_ev_paradigm, stored};
    return {live ? check.animate_paradigm : check.inanimate_paradigm, stored};
}

// The plural follows its singular handler's answer in every case and stores
// gender 4; returns the check its row names.
const singular_check* expect_follows_singular(const std::wstring& plural, row_check_fn row_check,
                                              const rule_table& table) {
    const rule_row* row = table.find(plural);
    const singular_check* check = row ? row_check(*row) : nullptr;
    if (!check) {
        ADD_FAILURE() << "no check row for " << to_utf8(plural);
        return nullptr;
    }
    const auto [paradigm, animate] = by_singular(*check, plural);
    for (int c = 1; c <= 6; ++c) {
        std::wstring form = apply_paradigm(paradigm, plural, c, animate == untouched ? 0 : animate);
        EXPECT_TRUE(decl_test::declines_as(nullptr, plural, c, form, 4, animate)) << check->name;
    }
    return check;
}

// The row also names the check and the singular handler it asks.
void check_singular_row(const probe& p, row_check_fn row_check, const rule_table& table) {
    SCOPED_TRACE(p.entry);
    auto parts = split(p.outcome, L':');
    if (const singular_check* check = expect_follows_singular(p.word, row_check, table)) {
        EXPECT_EQ(from_utf8(std::string(check->name)), parts.at(1));
        EXPECT_EQ(check->handler, singular_handler(parts.at(2)));
    }
}

void check_probe(const probe& p) {
    for (int c = 1; c <= 6; ++c) {
        std::uint32_t gender = untouched, animate = untouched;
        std::wstring got = decline_word(p.word, c, &gender, &animate);
        if (p.outcome == L"ki") {
            std::uint32_t g = untouched, a = untouched;
            const std::wstring ki = decline_long_i_ki(p.word, c, &g, &a);
            EXPECT_TRUE(got == ki && gender == g && animate == a) << p.entry << " case " << c;
            continue;
        }
        EXPECT_EQ(got, expected_form(p, c)) << p.entry << " case " << c;
        EXPECT_TRUE(store_matches(p.gender, c, gender))
            << p.entry << " case " << c << " gender " << gender;
        EXPECT_TRUE(store_matches(p.animacy, c, animate))
            << p.entry << " case " << c << " animacy " << animate;
    }
}

struct probe_file {
    const char* name;
    section_counts counts;
    row_check_fn row_check = nullptr;
    const rule_table* table = nullptr;
};

}  // namespace

TEST(HandlerProbes, EveryEntryGivesItsRowsFormsAndStores) {
    // clang-format off
    const probe_file files[] = {
        {"long_r", {{"", 694}}},  {"long_j", {{"", 216}}},  {"long_a", {{"", 462}}},  {"long_soft", {{"", 242}}},
        {"long_k", {{"", 489}}},  {"long_b", {{"", 33}}},   {"long_v", {{"", 77}}},   {"long_g", {{"", 72}}},
        {"long_d", {{"", 126}}},  {"long_zh", {{"", 35}}},  {"long_z", {{"", 74}}},   {"long_l", {{"", 110}}},
        {"long_m", {{"", 103}}},  {"long_n", {{"", 239}}},  {"long_e", {{"", 116}}},  {"long_o", {{"", 186}}},
        {"long_p", {{"", 75}}},   {"long_s", {{"", 398}}},  {"long_t", {{"", 870}}},  {"long_f", {{"", 59}}},
        {"long_kh", {{"", 60}}},  {"long_ch", {{"", 81}}},  {"long_sh", {{"", 68}}},  {"long_shch", {{"", 2}}},
        {"long_ts", {{"", 261}}}, {"long_ya", {{"-я", 236}}},
        {"long_y", {{"-бы -вы -пы -фы -цы", 183}, {"-ды -зы", 139}, {"-лы -мы", 137}, {"-ны", 121}, {"-ры", 121},
                    {"-сы -ты", 170}}, long_y_check, &long_y_rules()},
        {"long_i", {{"-и", 471}}, long_i_check, &long_i_rules()},
        {"short4_l_to_t", {{"decline4_l", 29}, {"decline4_m", 33}, {"decline4_n", 49}, {"decline4_o", 38},
                           {"decline4_p", 23}, {"decline4_r", 44}, {"decline4_s", 75}, {"decline4_t", 101}}},
        {"short4_y_soft_ya", {{"decline4_y", 240}, {"decline4_soft", 93}, {"decline4_ya", 72}}},
        {"short_words", {{"decline2", 28}, {"decline3_a", 27}, {"decline3_i", 27}, {"decline3_y", 20},
                         {"decline3_other", 305}, {"decline4_a", 282}, {"decline4_b", 20}, {"decline4_v", 20},
                         {"decline4_g", 27}, {"decline4_d", 41}, {"decline4_e", 18}, {"decline4_z", 19},
                         {"decline4_i", 211}, {"decline4_j", 25}, {"decline4_k", 85}, {"decline4_other", 82}}},
    };
    // clang-format on
    for (const probe_file& file : files) {
        SCOPED_TRACE(file.name);
        probe_list list = read_probes(file.name);
        EXPECT_EQ(list.sections, file.counts);
        for (const probe& p : list.probes) {
            if (!p.outcome.starts_with(L"check:")) {
                check_probe(p);
            } else if (file.row_check) {
                check_singular_row(p, file.row_check, *file.table);
            } else {
                ADD_FAILURE() << "a check row in a list without checks: " << p.entry;
            }
        }
    }
}

// The probe words' singulars are mostly unknown to the singular handlers;
// real words reach the animate side and the instrumentals in -ом and -цом.
TEST(HandlerProbes, RealPluralsFollowWhatTheirSingularHandlerKnows) {
    // clang-format off
    const std::pair<const wchar_t*, bool> plurals[] = {
        {L"комиссары", true}, {L"самовары", true}, {L"пионеры", true},  {L"бегемоты", true}, {L"жирафы", true},
        {L"голубы", true},    {L"гепарды", true},  {L"львовы", true},   {L"островы", true},  {L"ивановы", true},
        {L"иностранцы", true}, {L"ранцы", true},   {L"пальцы", true},   {L"купцы", true},    {L"кузнецы", true},
        {L"педагоги", false}, {L"хирурги", false}, {L"монахи", false},  {L"врачи", false},   {L"карандаши", false},
    };
    // clang-format on
    for (const auto& [plural, in_y] : plurals)
        expect_follows_singular(plural, in_y ? long_y_check : long_i_check,
                                in_y ? long_y_rules() : long_i_rules());
    decl_test::expect_decl(L"комиссары", 4, L"комиссаров", 4, 1);
}

// Persons and things of one ending, the plurals whose handler asks their
// singular: a person's accusative is its genitive, a thing's its nominative,
// whatever the probe lists hold.
TEST(HandlerProbes, PersonsAndThingsOfOneEndingTakeTheirOwnAccusative) {
    constexpr std::uint32_t person = 1, thing = untouched;
    // clang-format off
    const struct { const wchar_t* plural; const wchar_t* accusative; const wchar_t* genitive; std::uint32_t animate; } words[] = {
        {L"педагоги", L"педагогов", L"педагогов", person}, {L"пироги", L"пироги", L"пирогов", thing},
        {L"монахи", L"монахов", L"монахов", person},       {L"взмахи", L"взмахи", L"взмахов", thing},
        {L"врачи", L"врачей", L"врачей", person},          {L"кирпичи", L"кирпичи", L"кирпичей", thing},
        {L"латыши", L"латышей", L"латышей", person},       {L"карандаши", L"карандаши", L"карандашей", thing},
        {L"бегемоты", L"бегемотов", L"бегемотов", person}, {L"пакеты", L"пакеты", L"пакетов", thing},
        {L"иноземцы", L"иноземцев", L"иноземцев", person}, {L"ранцы", L"ранцы", L"ранцев", thing},
        {L"жильцы", L"жильцов", L"жильцов", person},       {L"пальцы", L"пальцы", L"пальцев", thing},
        {L"борцы", L"борцов", L"борцов", person},          {L"дворцы", L"дворцы", L"дворцов", thing},
        {L"офицеры", L"офицеров", L"офицеров", person},    {L"заборы", L"заборы", L"заборов", thing},
        {L"шпионы", L"шпионов", L"шпионов", person},       {L"вагоны", L"вагоны", L"вагонов", thing},
        {L"генералы", L"генералов", L"генералов", person}, {L"столы", L"столы", L"столов", thing},
        {L"матросы", L"матросов", L"матросов", person},    {L"компасы", L"компасы", L"компасов", thing},
        {L"фотографы", L"фотографов", L"фотографов", person}, {L"эпиграфы", L"эпиграфы", L"эпиграфов", thing},
        {L"холопы", L"холопов", L"холопов", person},       {L"снопы", L"снопы", L"снопов", thing},
        {L"агрономы", L"агрономов", L"агрономов", person}, {L"дипломы", L"дипломы", L"дипломов", thing},
        {L"гепарды", L"гепардов", L"гепардов", person},    {L"комоды", L"комоды", L"комодов", thing},
        {L"французы", L"французов", L"французов", person}, {L"арбузы", L"арбузы", L"арбузов", thing},
    };
    // clang-format on
    for (const auto& w : words) {
        decl_test::expect_decl(w.plural, 4, w.accusative, 4, w.animate);
        decl_test::expect_decl(w.plural, 2, w.genitive, 4, w.animate);
    }
}
