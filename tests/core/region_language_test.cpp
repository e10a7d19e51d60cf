#include "core/region_language.h"

#include <gtest/gtest.h>

#include <limits>

namespace {

TEST(RegionLanguage, RussianSpeakingRegionsInAnyCaseAndUnreadableCodes) {
    for (const wchar_t* code : {L"RU", L"ru", L"By", L"KZ", L"UA", L"uz"}) {
        EXPECT_EQ(core::language_from_region(std::wstring(code)), 1.0) << code;
    }
    for (const wchar_t* code : {L"US", L"DE", L"UB"})
        EXPECT_EQ(core::language_from_region(std::wstring(code)), 0.0) << code;
    EXPECT_EQ(core::language_from_region(std::nullopt), std::nullopt);
    for (const wchar_t* code : {L"", L"R", L"RUS", L"R,", L"001", L"Р"}) {
        EXPECT_EQ(core::language_from_region(std::wstring(code)), std::nullopt) << code;
    }
}

TEST(RegionLanguage, IndexIsRussianOnlyForExactlyOne) {
    for (double stored : {0.0, 2.0, -1.0, std::numeric_limits<double>::quiet_NaN(),
                          std::numeric_limits<double>::infinity()}) {
        EXPECT_EQ(core::language_index(stored), 0) << stored;
    }
    EXPECT_EQ(core::language_index(1.0), 1);
    EXPECT_EQ(core::language_index(1.9), 1);
}

}  // namespace
