#include "engine/fields/empty_value_words.h"

#include <gtest/gtest.h>

#include "engine/text/utf16.h"

using namespace engine;

TEST(EmptyValueWords, OnlyAWholeValueOfTheListMeansEmpty) {
    for (const wchar_t* value :
         {L"нет", L"НЕТ", L"Нет.", L"-", L"—", L"н/а", L"N/A", L"none", L" нет "})
        EXPECT_TRUE(means_empty_value(value)) << to_utf8(value);
    for (const wchar_t* value : {L"Нетребко", L"НЕТ-12", L"Нет Ан", L"", L"нет нет", L"—12", L"."})
        EXPECT_FALSE(means_empty_value(value)) << to_utf8(value);
}
