#include "app/region_language.h"

#include <gtest/gtest.h>

#include <limits>

namespace {

using app::language_from_region;
using app::language_index;

TEST(RegionLanguage, RussianSpeakingRegionsInAnyCaseGiveRussian) {
    for (const wchar_t* code : {L"RU", L"ru", L"By", L"KZ", L"UA", L"uz"}) {
        EXPECT_EQ(language_from_region(std::wstring(code)), 1.0) << code;
    }
    for (const wchar_t* code : {L"US", L"DE", L"GB", L"UB"}) {
        EXPECT_EQ(language_from_region(std::wstring(code)), 0.0) << code;
    }
}

TEST(RegionLanguage, EmptyOrMalformedCodesCannotBeRead) {
    EXPECT_EQ(language_from_region(std::nullopt), std::nullopt);
    for (const wchar_t* code : {L"", L"R", L"RUS", L"R,", L",B", L"001", L"Р"}) {
        EXPECT_EQ(language_from_region(std::wstring(code)), std::nullopt) << code;
    }
}

TEST(RegionLanguage, IndexIsRussianOnlyForExactlyOne) {
    EXPECT_EQ(language_index(1.0), 1);
    EXPECT_EQ(language_index(1.9), 1);
    EXPECT_EQ(language_index(0.0), 0);
    EXPECT_EQ(language_index(2.0), 0);
    EXPECT_EQ(language_index(-1.0), 0);
    EXPECT_EQ(language_index(std::numeric_limits<double>::quiet_NaN()), 0);
    EXPECT_EQ(language_index(std::numeric_limits<double>::infinity()), 0);
}

}  // namespace
