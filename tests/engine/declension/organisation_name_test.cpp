#include <gtest/gtest.h>

#include <cstdint>
#include <string>
#include <vector>

#include "engine/declension/decline_word.h"
#include "engine/declension/organisation_name.h"
#include "engine/declension/phrase.h"

using namespace engine;

namespace {

::testing::AssertionResult splits(const std::wstring& text, const std::wstring& legal_form, const std::wstring& name) {
    organisation_name organisation(text);
    if (organisation.legal_form == legal_form && organisation.name == name) return ::testing::AssertionSuccess();
    return ::testing::AssertionFailure() << "legal form and name differ; name has " << organisation.name.size()
                                         << " characters";
}

std::wstring render(const std::wstring& text, std::vector<std::wstring> words) {
    std::vector<expr_token> modifiers;
    for (std::wstring& word : words) modifiers.emplace_back(std::move(word), expr_kind::format_words);
    organisation_name organisation(text);
    std::wstring out;
    render_organisation_name(organisation, out, modifiers);
    return out;
}

}  // namespace

TEST(SplitOrganisationName, LegalFormFromTheTableBeforeTheName) {
    EXPECT_TRUE(splits(L"ИП Иванов Иван Иванович", L"ИП", L"Иванов Иван Иванович"));
    EXPECT_TRUE(splits(L"  ООО   Ромашка  ", L"ООО", L"Ромашка"));
    EXPECT_TRUE(splits(L"ОООО Ромашка", L"", L"ОООО Ромашка"));
}

TEST(SplitOrganisationName, LegalFormInCapitalsAfterAComma) {
    EXPECT_TRUE(splits(L"Ромашка, ООО", L" ООО", L"Ромашка"));
    EXPECT_TRUE(splits(L"Ромашка, Лютик,", L"", L"Ромашка, Лютик"));
    EXPECT_TRUE(splits(L"\"Ромашка\", ООО", L"ООО", L"\"Ромашка\""));
    EXPECT_TRUE(splits(L"\"Ромашка, Лютик\"", L"", L"\"Ромашка, Лютик\""));
}

TEST(SplitOrganisationName, LegalFormBeforeAQuotedName) {
    EXPECT_TRUE(splits(L"ООО \"Ромашка\"", L"ООО", L" \"Ромашка\""));
    EXPECT_TRUE(splits(L"Общество с ограниченной ответственностью \"Ромашка\"",
                       L"Общество с ограниченной ответственностью ", L"\"Ромашка\""));
    EXPECT_TRUE(splits(L"ООО \"Ромашка\", ЗАО", L"ЗАО", L"ООО \"Ромашка\""));
}

TEST(SplitOrganisationName, TheFirstWordEndsAtAnOpeningQuote) {
    EXPECT_TRUE(splits(L"ООО\"Ромашка\"", L"ООО", L"\"Ромашка\""));
    EXPECT_TRUE(splits(L"ООО\"РОМАШКА\" ПЛЮС", L"ООО", L"\"РОМАШКА\" ПЛЮС"));
}

TEST(SplitOrganisationName, Guillemets) {
    EXPECT_TRUE(splits(L"ООО «Ромашка»", L"ООО", L" «Ромашка»"));
    // The closing guillemet is not a closing quote: no legal form after a comma.
    EXPECT_TRUE(splits(L"«Ромашка», ООО", L"", L"«Ромашка», ООО"));
}

TEST(LegalForms, AbbreviationsExpandWithTheirGender) {
    std::uint32_t gender = 0;
    EXPECT_EQ(expand_legal_form(L" ООО\t", gender), L"Общество с ограниченной ответственностью");
    EXPECT_EQ(gender, 3u);
    EXPECT_EQ(expand_legal_form(L"РЭУ", gender), L"Ремонтно-эксплуатационное управление");
    EXPECT_EQ(expand_legal_form(L"ИП", gender), L"Индивидуальный предприниматель");
    EXPECT_EQ(gender, 1u);
    gender = 7;
    EXPECT_EQ(expand_legal_form(L" ооо ", gender), L"ооо");
    EXPECT_EQ(gender, 7u);
}

TEST(LegalForms, AllCapitals) {
    EXPECT_TRUE(is_all_capitals(L"ООО"));
    EXPECT_TRUE(is_all_capitals(L" ООО-2"));
    EXPECT_FALSE(is_all_capitals(L"ООо"));
    EXPECT_FALSE(is_all_capitals(L"123"));
    EXPECT_FALSE(is_all_capitals(L""));
}

TEST(DetectGender, TheTableFirstThenTheWords) {
    organisation_name after_comma(L"Ромашка, ООО");
    EXPECT_EQ(detect_gender(after_comma), 3u);
    EXPECT_EQ(after_comma.gender, 3u);

    organisation_name spelled_out(L"Агрофирма «Ромашка»");
    std::uint32_t expected = 0, animate = 0;
    decline_word(L"агрофирма", 0, &expected, &animate);
    if (expected == 0) decline_word(L"ромашка", 0, &expected, &animate);
    EXPECT_EQ(detect_gender(spelled_out), expected);

    organisation_name short_name(L"\"Ай\"");
    EXPECT_EQ(detect_gender(short_name), 0u);

    organisation_name known(L"ООО Ромашка");
    known.gender = 2;
    EXPECT_EQ(detect_gender(known), 2u);
}

TEST(RenderOrganisationName, ThePartsAsAsked) {
    const std::wstring text = L"ООО \"Ромашка\"";
    EXPECT_EQ(render(text, {}), L"ООО  \"Ромашка\"");
    EXPECT_EQ(render(text, {L"прописью"}), L"ООО  \"Ромашка\"");
    EXPECT_EQ(render(text, {L"оргформа"}), L"ООО");
    EXPECT_EQ(render(text, {L"р", L"оргформа"}), decline_phrase(L"ООО", 2));
    EXPECT_EQ(render(text, {L"р", L"название"}), L"\"Ромашка\"");
    EXPECT_EQ(render(L"Ромашка, ООО", {L"р", L"название"}), decline_phrase(L"Ромашка", 2));
    EXPECT_EQ(render(text, {L"полное название"}), L"Общество с ограниченной ответственностью  \"Ромашка\"");
    EXPECT_EQ(render(text, {L"д", L"полное  название"}),
              decline_phrase(L"Общество с ограниченной ответственностью", 3) + L"  \"Ромашка\"");
    EXPECT_EQ(render(text, {L"т"}), decline_phrase(L"ООО", 5) + L"  \"Ромашка\"");
    EXPECT_EQ(render(L"Ромашка", {L"т"}), decline_phrase(L"Ромашка", 5));
}

TEST(RenderOrganisationName, AQuotedNameAloneDeclinesInsideItsQuotes) {
    EXPECT_EQ(render(L"\"Ромашка\"", {L"р"}), L"\"" + decline_phrase(L"Ромашка", 2) + L"\"");
    EXPECT_EQ(render(L"«Ромашка»", {L"р"}), L"«" + decline_phrase(L"Ромашка", 2) + L"»");
    EXPECT_EQ(render(L"\"Ромашка\"", {L"название"}), L"\"Ромашка\"");
}
