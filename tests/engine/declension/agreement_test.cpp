#include <gtest/gtest.h>

#include <cstdint>
#include <string>
#include <utility>

#include "engine/declension/agreement.h"

namespace engine {
namespace {

// Forms for gender codes 1, 2, 3, 4.
void expect_forms(const wchar_t* word, const wchar_t* m, const wchar_t* f, const wchar_t* n, const wchar_t* pl) {
    EXPECT_EQ(agree_with_gender(word, 1), m) << "masculine";
    EXPECT_EQ(agree_with_gender(word, 2), f) << "feminine";
    EXPECT_EQ(agree_with_gender(word, 3), n) << "neuter";
    EXPECT_EQ(agree_with_gender(word, 4), pl) << "plural";
}

TEST(GenderAgreement, WholeWordsInAnyLetterCase) {
    expect_forms(L"он", L"он", L"она", L"оно", L"они");
    expect_forms(L"ДОЛЖЕН", L"должен", L"должна", L"должно", L"должны");
    expect_forms(L"Г-Н", L"г-н", L"г-жа", L"г-н", L"г-н");
    expect_forms(L"Нём", L"нем", L"ней", L"нем", L"них");
    expect_forms(L"  весь\t", L"весь", L"вся", L"всё", L"все");
    expect_forms(L"Гражданин", L"гражданин", L"гражданка", L"гражданин", L"гражданин");
}

TEST(GenderAgreement, EndingsOfAdjectivesAndParticiples) {
    expect_forms(L"действующий", L"действующий", L"действующая", L"действующее", L"действующие");
    expect_forms(L"обязался", L"обязался", L"обязалась", L"обязалось", L"обязались");
    expect_forms(L"Действующего", L"действующего", L"действующей", L"действующего", L"действующих");
    expect_forms(L"другой", L"другой", L"другая", L"другое", L"другие");
    // Only a word longer than the ending takes it.
    expect_forms(L"кий", L"кий", L"кийа", L"кийо", L"кийы");
}

TEST(GenderAgreement, OtherWordsTakeTheGenderLetter) {
    expect_forms(L"обязан", L"обязан", L"обязана", L"обязано", L"обязаны");
    expect_forms(L"Принят", L"принят", L"принята", L"принято", L"приняты");
    expect_forms(L"мог", L"мог", L"могла", L"могло", L"могли");
    for (const auto& [word, plural] :
         {std::pair{L"велик", L"велики"}, std::pair{L"свеж", L"свежи"}, std::pair{L"тих", L"тихи"}})
        EXPECT_EQ(agree_with_gender(word, 4), plural);
}

TEST(GenderAgreement, EveryOtherCodeIsMasculine) {
    for (std::uint32_t code : {0u, 1u, 5u, 38u, 39u, 45u, 0xFFFFFFFFu}) {
        EXPECT_EQ(agree_with_gender(L"ОН", code), L"он") << code;
        EXPECT_EQ(agree_with_gender(L"обязан", code), L"обязан") << code;
        EXPECT_EQ(agree_with_gender(L"действующий", code), L"действующий") << code;
    }
}

TEST(GenderAgreement, EmptyAndEscapedText) {
    EXPECT_EQ(agree_with_gender(L"", 2), L"");
    EXPECT_EQ(agree_with_gender(L" \t\r\n", 2), L"");
    // Entity names come back in lower case, as the page needs them.
    EXPECT_EQ(agree_with_gender(L"&apos;он&apos;", 1), L"&apos;он&apos;");
    EXPECT_EQ(agree_with_gender(L"&LT;обязан", 2), L"&lt;обязана");
}

}  // namespace
}  // namespace engine
