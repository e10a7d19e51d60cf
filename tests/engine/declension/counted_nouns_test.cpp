#include <gtest/gtest.h>

#include <string>

#include "engine/declension/counted_nouns.h"

namespace engine {
namespace {

TEST(NumberPluralClass, LastTwoDigitsOfTheIntegerPart) {
    for (const wchar_t* one : {L"1", L"21", L"101", L"21,5", L"21.5", L"31 шт.", L"41 \t", L"1,001.2"})
        EXPECT_EQ(number_plural_class(one), 0) << one;
    for (const wchar_t* few : {L"2", L"3", L"4", L"22", L"1004", L"3 штуки"})
        EXPECT_EQ(number_plural_class(few), 1) << few;
    for (const wchar_t* many : {L"11", L"111", L"12", L"13", L"14", L"5", L"0", L"20", L"", L"1 000", L"шт", L".1"})
        EXPECT_EQ(number_plural_class(many), 2) << many;
}

}  // namespace
}  // namespace engine
