#include <gtest/gtest.h>

#include "engine/declension/decline_word.h"

using namespace engine;

TEST(DeclineWord, PronounYaHasSixForms) {
    const wchar_t* forms[] = {L"я", L"меня", L"мне", L"меня", L"мною", L"мне"};
    for (int c = 1; c <= 6; ++c) {
        std::uint32_t gender = 99, animate = 99;
        EXPECT_EQ(decline_word(L"я", c, &gender, &animate), forms[c - 1]);
        EXPECT_EQ(gender, 99u);
        EXPECT_EQ(animate, 99u);
    }
}
