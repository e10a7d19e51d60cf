#include <gtest/gtest.h>

#include <array>
#include <string>

#include "engine/declension/word_handlers.h"
#include "tests/engine/declension/declension_test_support.h"

using namespace engine;
using decl_test::expect_decl;
using decl_test::expect_handler;
using decl_test::untouched;

namespace {

void expect_forms(const std::wstring& word, const std::array<const wchar_t*, 6>& forms, std::uint32_t gender,
                  std::uint32_t animate) {
    for (int c = 1; c <= 6; ++c) expect_decl(word, c, forms[std::size_t(c - 1)], gender, animate);
}

}  // namespace

TEST(LongYa, ParticiplesInAllSixCases) {
    expect_forms(L"трудящийся",
                 {L"трудящийся", L"трудящегося", L"трудящемуся", L"трудящийся", L"трудящимся", L"трудящемся"}, 1,
                 untouched);
    expect_forms(L"учащаяся", {L"учащаяся", L"учащейся", L"учащейся", L"учащаяся", L"учащейся", L"учащейся"}, 2,
                 untouched);
    expect_forms(L"будущееся",
                 {L"будущееся", L"будущегося", L"будущемуся", L"будущееся", L"будущимся", L"будущемся"}, 3,
                 untouched);
    expect_forms(L"пришедшиеся",
                 {L"пришедшиеся", L"пришедшихся", L"пришедшимся", L"пришедшиеся", L"пришедшимися", L"пришедшихся"},
                 4, untouched);
}

TEST(LongYa, ParticiplesWithoutHushingLetterAreUnknown) {
    for (const wchar_t* word : {L"развитийся", L"красаяся", L"зелёнееся", L"добриеся"}) {
        expect_decl(word, 2, word, untouched, untouched);
    }
}

TEST(LongYa, OwnFormsAndCaseZeroGiveTheCutStem) {
    expect_forms(L"оружья", {L"оружья", L"оружей", L"оружьям", L"оружья", L"оружьями", L"оружьях"}, 4, untouched);
    expect_handler(decline_long_ya, L"трудящийся", 0, L"трудящ", 1, untouched);
    expect_handler(decline_long_ya, L"оружья", 0, L"оруж", 4, untouched);
}

TEST(LongYa, TodayIsKeptAndStoresTheUndeterminedGender) {
    expect_decl(L"сегодня", 3, L"сегодня", 0, untouched);
}

TEST(LongYa, UnknownAndOddWordsLeaveBothSlots) {
    for (const wchar_t* word : {L"мммся", L"", L"я", L"ся", L"НЕДЕЛЯ", L"nedelя", L"1234я"}) {
        expect_handler(decline_long_ya, word, 2, word, untouched, untouched);
    }
    // Four letters given directly: the participle row still needs its fifth.
    expect_handler(decline_long_ya, L"ийся", 2, L"ийся", untouched, untouched);
    expect_handler(decline_long_ya, L"щийся", 2, L"щегося", 1, untouched);
}
