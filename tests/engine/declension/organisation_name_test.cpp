#include "engine/declension/organisation_name.h"

#include "engine/declension/decline_word.h"
#include "engine/declension/phrase.h"
#include "engine/declension/public_body.h"
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
        // Only the table's forms are taken after a comma; any other tail stays.
        {L"ООО \"Ромашка\", ИНН 7701234567", L"ООО", L"\"Ромашка\", ИНН 7701234567"},
        {L"АО \"Вектор\", Казань", L"АО", L"\"Вектор\", Казань"},
        {L"ООО \"Ромашка\", г. Москва", L"ООО", L"\"Ромашка\", г. Москва"},
        {L"Ромашка, ИНН 7701234567", L"", L"Ромашка, ИНН 7701234567"},
        {L"ГБУЗ «Городская больница № 1»", L"ГБУЗ", L"«Городская больница № 1»"},
        // A legal form in small letters is one, kept as typed.
        {L"ооо «ромашка»", L"ооо", L"«ромашка»"}, {L"Ромашка, ооо", L"ооо", L"Ромашка"},
        // A body's abbreviation is no legal form, though ГУ alone is one.
        {L"ГУ МВД России", L"", L"ГУ МВД России"}, {L"ГУ «Центр»", L"ГУ", L"«Центр»"},
    };
    // clang-format on
    for (const auto& split : splits) {
        organisation_name organisation(split.text);
        EXPECT_EQ(organisation.legal_form, split.legal_form) << split.text;
        EXPECT_EQ(organisation.name, split.name) << split.text;
    }
}

// The expansions themselves show in the full names rendered below.
TEST(LegalForms, AbbreviationsExpandWithTheirGenderAndCapitalsAreTold) {
    std::uint32_t gender = 0;
    EXPECT_EQ(expand_legal_form(L" ООО\t", gender), L"Общество с ограниченной ответственностью");
    EXPECT_EQ(gender, 3u);
    gender = 7;
    EXPECT_EQ(expand_legal_form(L" ооо ", gender), L"Общество с ограниченной ответственностью");
    EXPECT_EQ(gender, 3u);
    EXPECT_EQ(expand_legal_form(L"Акционерное Общество", gender), L"Акционерное Общество");
    gender = 7;
    EXPECT_EQ(expand_legal_form(L" оооо ", gender), L"оооо");
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
    // A public body without a legal form takes its noun's gender, whatever
    // ends the name.
    for (const auto& [text, gender] : {std::pair{L"Арбитражный суд Московской области", 1u},
                                       {L"Северо-Западное межрегиональное управление", 3u},
                                       {L"прокуратура Тульской области", 2u},
                                       {L"Департамент имущества, ИНН 7705000000, г. Москва", 1u},
                                       {L"Республика Татарстан", 2u},
                                       {L"Сельское поселение Ивановское", 3u},
                                       {L"РОСРЕЕСТР", 1u}}) {
        organisation_name organisation(text);
        EXPECT_EQ(detect_gender(organisation), gender) << to_utf8(text);
    }
    organisation_name known(L"ООО Ромашка");
    known.gender = 2;
    EXPECT_EQ(detect_gender(known), 2u);
}

// Every abbreviation of the list, written here rather than read from it, gives
// the gender of the noun it stands for after an adjective, and only the
// adjective declines. One in other letters, or with a hyphen or more letters
// after it, is none.
TEST(PublicBody, AnAbbreviationInCapitalsStandsForItsNoun) {
    // clang-format off
    const std::pair<std::uint32_t, std::vector<std::wstring>> genders[] = {
        {2, {L"ИФНС", L"ФНС", L"ФССП", L"ГИБДД", L"ФМС", L"ФСБ", L"ФСИН", L"ФТС", L"ФАС"}},
        {3, {L"УФНС", L"УФССП", L"УФМС", L"УМВД", L"ГУ МВД", L"МВД", L"МЧС", L"ГУ МЧС", L"МИД"}},
        {1, {L"ОМВД", L"МФЦ", L"ЗАГС", L"ОВД", L"ПФР", L"СФР", L"ФСС", L"ФОМС", L"ТФОМС", L"ЦБ", L"МГУ",
             L"СПбГУ"}},
    };
    // clang-format on
    for (const auto& [gender, abbreviations] : genders) {
        for (const std::wstring& abbreviation : abbreviations) {
            const std::wstring rest = abbreviation + L" России, ИНН 7700000000";
            const public_body_head body = find_public_body(L"Межрайонный " + rest);
            EXPECT_EQ(body.gender, gender) << to_utf8(rest);
            EXPECT_TRUE(body.abbreviation) << to_utf8(rest);
            organisation_name organisation(L"Межрайонный " + rest);
            std::wstring out;
            render_organisation_name(organisation, out,
                                     read_organisation_request(decl_test::modifiers({L"т"})));
            EXPECT_EQ(out, L"Межрайонным " + rest);
        }
    }
    for (const wchar_t* name :
         {L"Фнс России", L"Межрайонная ИФНС-2", L"ИФНСР", L"ФНС2", L"России ФНС"})
        EXPECT_EQ(find_public_body(name).gender, 0u) << to_utf8(name);
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
        // A tail stays as typed, and no digit of a name is spelled out.
        {L"ООО \"Ромашка\", ИНН 7701234567", {L"д"}, L"ООО \"Ромашка\", ИНН 7701234567"},
        {L"ООО \"Ромашка\", ИНН 7701234567", {L"р", L"полное название"},
         L"Общества с ограниченной ответственностью \"Ромашка\", ИНН 7701234567"},
        {L"Ромашка, ИНН 7701234567", {L"т"}, L"Ромашкой, ИНН 7701234567"},
        {L"\"Ромашка\", г. Москва", {L"р"}, L"\"Ромашки\", г. Москва"},
        {L"ИНН 7701234567", {L"д"}, L"ИНН 7701234567"}, {L"Школа 2000", {L"т"}, L"Школой 2000"},
        // Without a legal form the full name is the name, in its case; a public
        // body declines its noun and the adjectives before it.
        {L"Управление Росреестра по г. Москве", {L"т", L"название"}, L"Управлением Росреестра по г. Москве"},
        {L"Суд города Тулы, ИНН 7107000000", {L"п"}, L"Суде города Тулы, ИНН 7107000000"},
        {L"Школа 2000", {L"т", L"полное название"}, L"Школой 2000"},
        {L"«Ромашка»", {L"д", L"полное название"}, L"«Ромашке»"}, {L"ооо «ромашка»", {L"д"}, L"ооо «ромашка»"},
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

// ИП before a person's full name: the name declines as a person field's does
// and the person's gender wins over the table's. Company names, other legal
// forms and names that are no person's stay as they were.
TEST(SoleTrader, APersonsNameDeclinesInEveryCaseWithThePersonsGender) {
    // clang-format off
    const struct { const wchar_t* text; std::uint32_t gender; const wchar_t* forms[5]; } traders[] = {
        {L"ИП Петров Пётр Петрович", 1,
         {L"Петрова Петра Петровича", L"Петрову Петру Петровичу", L"Петрова Петра Петровича",
          L"Петровым Петром Петровичем", L"Петрове Петре Петровиче"}},
        {L"ИП Смирнова Ольга Петровна", 2,
         {L"Смирновой Ольги Петровны", L"Смирновой Ольге Петровне", L"Смирнову Ольгу Петровну",
          L"Смирновой Ольгой Петровной", L"Смирновой Ольге Петровне"}},
        {L"ИП Соколова-Микитова Анна Ильинична", 2,
         {L"Соколовой-Микитовой Анны Ильиничны", L"Соколовой-Микитовой Анне Ильиничне",
          L"Соколову-Микитову Анну Ильиничну", L"Соколовой-Микитовой Анной Ильиничной",
          L"Соколовой-Микитовой Анне Ильиничне"}},
        {L"ИП  Королёв   Семён", 1,
         {L"Королёва Семёна", L"Королёву Семёну", L"Королёва Семёна", L"Королёвым Семёном",
          L"Королёве Семёне"}},
    };
    // clang-format on
    const wchar_t* letters[] = {L"р", L"д", L"в", L"т", L"п"};
    for (const auto& t : traders) {
        organisation_name organisation(t.text);
        EXPECT_EQ(detect_gender(organisation), t.gender) << to_utf8(t.text);
        for (int c = 2; c <= 6; ++c) {
            const std::wstring form = t.forms[c - 2];
            auto render = [&](std::vector<std::wstring> words) {
                std::wstring out;
                render_organisation_name(organisation, out,
                                         read_organisation_request(decl_test::modifiers(words)));
                return out;
            };
            EXPECT_EQ(render({letters[c - 2]}), decline_phrase(L"ИП", c) + L" " + form)
                << to_utf8(t.text) << " " << c;
            EXPECT_EQ(render({letters[c - 2], L"название"}), form) << to_utf8(t.text) << " " << c;
            EXPECT_EQ(render({letters[c - 2], L"полное название"}),
                      decline_phrase(L"Индивидуальный предприниматель", c) + L" " + form)
                << to_utf8(t.text) << " " << c;
        }
    }
}

TEST(SoleTrader, CompanyNamesAndNamesThatAreNoPersonsStayAsTheyWere) {
    // clang-format off
    const struct { const wchar_t* text; std::uint32_t gender; std::wstring dative; } others[] = {
        {L"ООО Петров Пётр Петрович", 3, decline_phrase(L"ООО", 3) + L" Петров Пётр Петрович"},
        {L"ИП \"Петров Пётр Петрович\"", 1, decline_phrase(L"ИП", 3) + L" \"Петров Пётр Петрович\""},
        {L"ИП «Смирнова Ольга Петровна»", 1, decline_phrase(L"ИП", 3) + L" «Смирнова Ольга Петровна»"},
        {L"ИП Строймонтаж Плюс", 1, decline_phrase(L"ИП", 3) + L" Строймонтаж Плюс"},
        {L"ИП Строй Монтаж Сервис", 1, decline_phrase(L"ИП", 3) + L" Строй Монтаж Сервис"},
        {L"ИП Техно Сервис", 1, decline_phrase(L"ИП", 3) + L" Техно Сервис"},
        {L"ИП Альфа Строй", 1, decline_phrase(L"ИП", 3) + L" Альфа Строй"},
        {L"ИП Мир Окон", 1, decline_phrase(L"ИП", 3) + L" Мир Окон"},
        {L"ИП Гранд Отель", 1, decline_phrase(L"ИП", 3) + L" Гранд Отель"},
        // A person field would read Мария as a man's patronymic.
        {L"ИП Ким Анна Мария", 1, decline_phrase(L"ИП", 3) + L" Ким Анна Мария"},
        {L"ИП петров пётр петрович", 1, decline_phrase(L"ИП", 3) + L" петров пётр петрович"},
        {L"ИП Иванов Иван Иванович Младший", 1, decline_phrase(L"ИП", 3) + L" Иванов Иван Иванович Младший"},
        {L"Смирнова Ольга Петровна, ООО", 3, decline_phrase(L"ООО", 3) + L" Смирнова Ольга Петровна"},
    };
    // clang-format on
    for (const auto& o : others) {
        organisation_name organisation(o.text);
        EXPECT_EQ(detect_gender(organisation), o.gender) << to_utf8(o.text);
        std::wstring out;
        render_organisation_name(organisation, out,
                                 read_organisation_request(decl_test::modifiers({L"д"})));
        EXPECT_EQ(out, o.dative) << to_utf8(o.text);
        render_organisation_name(organisation, out,
                                 read_organisation_request(decl_test::modifiers({})));
        EXPECT_EQ(out, organisation.legal_form + L" " + organisation.name) << to_utf8(o.text);
    }
}

// Letters the form does not change come back as typed, ё included, on every
// part an organisation is rendered by.
TEST(RenderOrganisationName, TypedYoComesBack) {
    // clang-format off
    const struct { const wchar_t* text; std::vector<std::wstring> words; const wchar_t* out; } renders[] = {
        {L"ИП Королёв Пётр Семёнович", {L"название"}, L"Королёв Пётр Семёнович"},
        {L"ИП Королёв Пётр Семёнович", {L"р", L"название"}, L"Королёва Петра Семёновича"},
        {L"ИП Королёв Пётр Семёнович", {L"полное название"}, L"Индивидуальный предприниматель Королёв Пётр Семёнович"},
        {L"ООО Зелёный Клён", {L"название"}, L"Зелёный Клён"},
        {L"Зелёный Клён, ООО", {L"название"}, L"Зелёный Клён"},
        {L"Расчётный центр", {L"т"}, L"Расчётным центром"},
    };
    // clang-format on
    for (const auto& r : renders) {
        organisation_name organisation(r.text);
        std::wstring out;
        render_organisation_name(organisation, out,
                                 read_organisation_request(decl_test::modifiers(r.words)));
        EXPECT_EQ(out, r.out) << to_utf8(r.text);
    }
}
