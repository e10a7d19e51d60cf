// Plurals that ask their singular, run against the real singular handlers:
// whatever those handlers know (their dictionaries grow), the plural's
// paradigm follows the animacy and the instrumental they give back.
#include <gtest/gtest.h>

#include <string>

#include "engine/declension/handlers/dictionaries_y_i_ya.h"
#include "engine/declension/paradigms.h"
#include "engine/declension/word_handlers.h"
#include "engine/document/utf16.h"
#include "tests/engine/declension/declension_test_support.h"

using namespace engine;
using decl_test::untouched;

namespace {

struct expected {
    int paradigm;
    std::uint32_t animate;  // as stored; untouched when not
};

bool ends_with(const std::wstring& text, const std::wstring& tail) {
    return text.size() >= tail.size() && text.compare(text.size() - tail.size(), tail.size(), tail) == 0;
}

// What the check must choose, from the singular handler's own answer.
expected by_singular(const singular_check& check, const std::wstring& plural) {
    std::uint32_t gender = 0, animate = 0;
    const int c = check.kind == singular_check_kind::animacy ? 0 : 5;
    std::wstring answer = check.handler(rebuild_singular(check.kind, plural), c, &gender, &animate);
    const bool live = animate != 0;
    switch (check.kind) {
        case singular_check_kind::noun_or_surname:
            if (!ends_with(answer, L"ом")) return {77, animate};
            break;
        case singular_check_kind::tsy_after_bn:
        case singular_check_kind::tsy_after_soft_sign:
            if ((answer + L" ").find(L"цом ") == std::wstring::npos) {
                return {live ? check.animate_ev_paradigm : check.inanimate_ev_paradigm, live ? 1u : untouched};
            }
            break;
        case singular_check_kind::tsy_after_consonant:
            if (!ends_with(answer, L"цом")) {
                return {live ? check.animate_ev_paradigm : check.inanimate_ev_paradigm, live ? 1u : untouched};
            }
            break;
        default:
            break;
    }
    return {live ? check.animate_paradigm : check.inanimate_paradigm, live ? 1u : untouched};
}

void expect_follows(const std::wstring& plural, const rule_table& table,
                    const singular_check* (*row_check)(const rule_row&)) {
    const rule_row* row = table.find(plural);
    ASSERT_NE(row, nullptr) << to_utf8(plural);
    const singular_check* check = row_check(*row);
    ASSERT_NE(check, nullptr) << to_utf8(plural);
    expected want = by_singular(*check, plural);
    for (int c = 1; c <= 6; ++c) {
        std::wstring form = apply_paradigm(want.paradigm, plural, c, want.animate == untouched ? 0 : want.animate);
        EXPECT_TRUE(decl_test::declines_as(nullptr, plural, c, form, 4, want.animate)) << check->name;
    }
}

}  // namespace

TEST(PluralsAskingTheSingular, PluralsInYFollowTheSingularHandlers) {
    for (const wchar_t* plural :
         {L"комиссары", L"самовары", L"пионеры", L"директоры", L"столы", L"гномы", L"альбомы",
          L"слоны", L"баллоны", L"бегемоты", L"самокаты", L"автобусы", L"страусы", L"жирафы", L"шкафы", L"голубы",
          L"клопы", L"холопы", L"арбузы", L"карапузы", L"комоды", L"гепарды", L"обряды", L"львовы",
          L"островы", L"ивановы", L"уловы", L"иностранцы", L"ранцы", L"пальцы", L"купцы",
          L"самцы", L"гонцы", L"кузнецы"}) {
        expect_follows(plural, long_y_rules(), long_y_check);
    }
}

TEST(PluralsAskingTheSingular, PluralsInIFollowTheSingularHandlers) {
    for (const wchar_t* plural : {L"пироги", L"педагоги", L"бульдоги", L"хирурги", L"монахи", L"врачи", L"москвичи",
                                  L"кирпичи", L"малыши", L"камыши", L"карандаши"}) {
        expect_follows(plural, long_i_rules(), long_i_check);
    }
}

// On main the -р handler is built: a known animate and a known inanimate
// singular land on the two sides.
TEST(PluralsAskingTheSingular, TheRSingularDecidesBothWays) {
    decl_test::expect_decl(L"комиссары", 4, L"комиссаров", 4, 1);
    decl_test::expect_decl(L"самовары", 4, L"самовары", 4, untouched);
}
