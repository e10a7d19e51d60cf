#include "engine/declension/organisation_name.h"

#include "engine/declension/decline_word.h"
#include "engine/declension/phrase.h"
#include "engine/fields/name_field.h"
#include "engine/text/utf16.h"
#include "tests/engine/declension/declension_test_support.h"

using namespace engine;

// The legal form from the table before the name, in capitals after a comma
// or before a quoted name; the first word ends at an opening quote. Neither
// part keeps the blanks between them.
TEST(SplitOrganisationName, LegalFormAndName) {
    // clang-format off
    const struct { const wchar_t *text, *legal_form, *name; } splits[] = {
        {L"ИП Иванов Иван Иванович", L"ИП", L"Иванов Иван Иванович"}, {L"  ООО   Ромашка  ", L"ООО", L"Ромашка"},
        {L"ОООО Ромашка", L"", L"ОООО Ромашка"}, {L"Ромашка, ООО", L"ООО", L"Ромашка"},
        {L"Ромашка, Лютик,", L"", L"Ромашка, Лютик"}, {L"\"Ромашка\", ООО", L"ООО", L"\"Ромашка\""},
        {L"\"Ромашка, Лютик\"", L"", L"\"Ромашка, Лютик\""}, {L"ООО \"Ромашка\"", L"ООО", L"\"Ромашка\""},
        {L"Общество с ограниченной ответственностью \"Ромашка\"", L"Общество с ограниченной ответственностью",
         L"\"Ромашка\""},
        {L"ООО \"Ромашка\", ЗАО", L"ЗАО", L"ООО \"Ромашка\""}, {L"ООО\"РОМАШКА\" ПЛЮС", L"ООО", L"\"РОМАШКА\" ПЛЮС"},
        {L"ООО «Ромашка»", L"ООО", L"«Ромашка»"},
        // The closing guillemet is not a closing quote: no legal form after a comma.
        {L"«Ромашка», ООО", L"", L"«Ромашка», ООО"},
    };
    // clang-format on
    for (const auto& split : splits) {
        organisation_name organisation(split.text);
        EXPECT_EQ(organisation.legal_form, split.legal_form) << split.text;
        EXPECT_EQ(organisation.name, split.name) << split.text;
    }
}

TEST(LegalForms, AbbreviationsExpandWithTheirGenderAndCapitalsAreTold) {
    std::uint32_t gender = 0;
    EXPECT_EQ(expand_legal_form(L" ООО\t", gender), L"Общество с ограниченной ответственностью");
    EXPECT_EQ(gender, 3u);
    EXPECT_EQ(expand_legal_form(L"РЭУ", gender), L"Ремонтно-эксплуатационное управление");
    EXPECT_EQ(expand_legal_form(L"ИП", gender), L"Индивидуальный предприниматель");
    EXPECT_EQ(gender, 1u);
    gender = 7;
    EXPECT_EQ(expand_legal_form(L" ооо ", gender), L"ооо");
    EXPECT_EQ(gender, 7u);
    EXPECT_TRUE(is_all_capitals(L" ООО-2"));
    EXPECT_FALSE(is_all_capitals(L"ООо"));
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
    organisation_name guillemets(L"«Ромашка»");
    expected = 0;
    decline_word(L"ромашка", 0, &expected, &animate);
    EXPECT_EQ(detect_gender(guillemets), expected);
    organisation_name short_name(L"\"Ай\"");
    EXPECT_EQ(detect_gender(short_name), 0u);
    organisation_name known(L"ООО Ромашка");
    known.gender = 2;
    EXPECT_EQ(detect_gender(known), 2u);
}

TEST(RenderOrganisationName, ThePartsAsAskedAndAQuotedNameDeclinedInsideItsQuotes) {
    const std::wstring text = L"ООО \"Ромашка\"";
    // clang-format off
    const struct { std::wstring text; std::vector<std::wstring> words; std::wstring out; } renders[] = {
        {text, {}, L"ООО \"Ромашка\""}, {text, {L"оргформа"}, L"ООО"},
        {text, {L"р", L"оргформа"}, decline_phrase(L"ООО", 2)}, {text, {L"р", L"название"}, L"\"Ромашка\""},
        {L"Ромашка, ООО", {L"р", L"название"}, decline_phrase(L"Ромашка", 2)},
        {text, {L"полное название"}, L"Общество с ограниченной ответственностью \"Ромашка\""},
        {text, {L"д", L"полное  название"},
         decline_phrase(L"Общество с ограниченной ответственностью", 3) + L" \"Ромашка\""},
        {L"Ромашка", {L"т"}, decline_phrase(L"Ромашка", 5)},
        {L"\"Ромашка\"", {L"р"}, L"\"" + decline_phrase(L"Ромашка", 2) + L"\""},
        {L"«Ромашка»", {L"р"}, L"«" + decline_phrase(L"Ромашка", 2) + L"»"},
        {L"\"Ромашка\"", {L"название"}, L"\"Ромашка\""},
    };
    // clang-format on
    for (const auto& r : renders) {
        organisation_name organisation(r.text);
        std::wstring out;
        render_organisation_name(organisation, out,
                                 read_organisation_request(decl_test::modifiers(r.words)));
        EXPECT_EQ(out, r.out) << to_utf8(r.text) << " " << r.words.size();
    }
}
