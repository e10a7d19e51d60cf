// Every row of the legal-form table is found by its abbreviation and by its
// full name in any letter case, and splits a name off the way ООО does.
#include "engine/declension/legal_forms.h"

#include <gtest/gtest.h>

#include <map>
#include <set>

#include "engine/declension/agreement.h"
#include "engine/declension/organisation_name.h"
#include "engine/declension/phrase.h"
#include "engine/text/text_case.h"
#include "engine/text/utf16.h"

using namespace engine;

TEST(LegalForms, EveryRowIsFoundAbbreviatedAndInFullInAnyLetterCase) {
    std::set<std::wstring_view> abbreviations, full_names;
    ASSERT_EQ(legal_form_rows().size(), 56u);
    for (const legal_form_row& row : legal_form_rows()) {
        SCOPED_TRACE(to_utf8(std::wstring(row.full_name)));
        EXPECT_TRUE(abbreviations.insert(row.abbreviation).second);
        EXPECT_TRUE(full_names.insert(row.full_name).second);
        EXPECT_EQ(find_legal_form(row.abbreviation), &row);
        EXPECT_EQ(find_legal_form(to_lower(std::wstring(row.abbreviation))), &row);
        const std::wstring full(row.full_name);
        for (const std::wstring& typed : {full, to_lower(full), to_upper(full)}) {
            EXPECT_EQ(find_legal_form(L" " + typed + L" "), &row);
            for (const wchar_t* name : {L" «Ромашка»", L" \"Ромашка\"", L"  Ромашка"}) {
                organisation_name organisation(typed + name);
                EXPECT_EQ(organisation.legal_form, typed);
                EXPECT_EQ(detect_gender(organisation), row.gender) << to_utf8(typed + name);
            }
        }
    }
    // The longest full name wins; a full name must end at a word's end.
    EXPECT_EQ(organisation_name(L"Акционерное общество закрытого типа «Заря»").legal_form,
              L"Акционерное общество закрытого типа");
    EXPECT_EQ(organisation_name(L"Агрофирмы Юга").legal_form, L"");
    EXPECT_EQ(find_legal_form(L"оооо"), nullptr);
    EXPECT_EQ(find_legal_form(L"Ооо\t"), find_legal_form(L"ООО"));
}

// The table is compared in order: a form that begins with another comes
// first, or the shorter would be found in its place (ГБУЗ before ГБУ).
TEST(LegalForms, ALongerFormComesBeforeAShorterOneItBeginsWith) {
    const auto rows = legal_form_rows();
    for (std::size_t i = 0; i < rows.size(); ++i) {
        for (std::size_t j = i + 1; j < rows.size(); ++j) {
            EXPECT_FALSE(rows[j].abbreviation.starts_with(rows[i].abbreviation))
                << to_utf8(std::wstring(rows[j].abbreviation));
            EXPECT_FALSE(to_lower(std::wstring(rows[j].full_name))
                             .starts_with(to_lower(std::wstring(rows[i].full_name))))
                << to_utf8(std::wstring(rows[j].full_name));
        }
    }
    EXPECT_EQ(organisation_name(L"Государственное бюджетное учреждение здравоохранения «Больница»")
                  .legal_form,
              L"Государственное бюджетное учреждение здравоохранения");
}

// Each full name in the genitive and each form's gender as the word that
// agrees with it, written here rather than read from the table, so a misspelt
// full name or a wrong gender fails, found by the abbreviation or in full.
TEST(LegalForms, EveryFullNameDeclinesAsSpelt) {
    // clang-format off
    const std::map<std::wstring_view, std::wstring_view> genitives = {
        {L"ООО", L"Общества с ограниченной ответственностью"}, {L"ОАО", L"Открытого акционерного общества"},
        {L"АБ", L"Акционерного банка"}, {L"АКБ", L"Акционерного коммерческого банка"},
        {L"АНО", L"Автономной некоммерческой организации"}, {L"АОЗТ", L"Акционерного общества закрытого типа"},
        {L"АООТ", L"Акционерного общества открытого типа"}, {L"АО", L"Акционерного общества"},
        {L"АП", L"Арендного предприятия"}, {L"АТП", L"Автотранспортного предприятия"}, {L"АФ", L"Агрофирмы"},
        {L"ГБОУ", L"Государственного бюджетного общеобразовательного учреждения"},
        {L"ГБУЗ", L"Государственного бюджетного учреждения здравоохранения"},
        {L"ГБУ", L"Государственного бюджетного учреждения"}, {L"ГСК", L"Гаражно-строительного кооператива"},
        {L"ГУП", L"Государственного унитарного предприятия"}, {L"ГУ", L"Государственного учреждения"},
        {L"ЖСК", L"Жилищно-строительного кооператива"}, {L"ЗАО", L"Закрытого акционерного общества"},
        {L"ИП", L"Индивидуального предпринимателя"}, {L"КФХ", L"Крестьянского (фермерского) хозяйства"},
        {L"КХ", L"Крестьянского хозяйства"},
        {L"МАОУ", L"Муниципального автономного общеобразовательного учреждения"},
        {L"МБОУ", L"Муниципального бюджетного общеобразовательного учреждения"},
        {L"МБУ", L"Муниципального бюджетного учреждения"}, {L"МКУ", L"Муниципального казенного учреждения"},
        {L"МУП", L"Муниципального унитарного предприятия"}, {L"МУ", L"Муниципального учреждения"},
        {L"НИИ", L"Научно-исследовательского института"}, {L"НИЦ", L"Научно-исследовательского центра"},
        {L"НКО", L"Некоммерческой организации"}, {L"НПО", L"Научно-производственного объединения"},
        {L"НП", L"Некоммерческого партнерства"}, {L"ПКО", L"Производственно-коммерческого объединения"},
        {L"ПК", L"Производственного кооператива"}, {L"ПАО", L"Публичного акционерного общества"},
        {L"ПО", L"Производственного объединения"}, {L"РСУ", L"Ремонтно-строительного управления"},
        {L"РЭУ", L"Ремонтно-эксплуатационного управления"}, {L"СМУ", L"Строительно-монтажного управления"},
        {L"СНТ", L"Садоводческого некоммерческого товарищества"}, {L"СП", L"Совместного предприятия"},
        {L"СУ", L"Строительного управления"}, {L"СХПП", L"Сельскохозяйственного производственного предприятия"},
        {L"ТОО", L"Товарищества с ограниченной ответственностью"}, {L"ТСЖ", L"Товарищества собственников жилья"},
        {L"ТСН", L"Товарищества собственников недвижимости"}, {L"УМР", L"Управления муниципальных ресурсов"},
        {L"ФАКБ", L"Филиала акционерного коммерческого банка"},
        {L"ФГБУ", L"Федерального государственного бюджетного учреждения"},
        {L"ФГУП", L"Федерального государственного унитарного предприятия"},
        {L"ФУП", L"Федерального унитарного предприятия"}, {L"ФКБ", L"Филиала коммерческого банка"},
        {L"ФКП", L"Федерального казенного предприятия"}, {L"ЧП", L"Частного предприятия"},
        {L"ЧУП", L"Частного унитарного предприятия"},
    };
    const std::set<std::wstring_view> masculine = {
        L"АБ", L"АКБ", L"ГСК", L"ЖСК", L"ИП", L"НИИ", L"НИЦ", L"ПК", L"ФАКБ", L"ФКБ"};
    const std::set<std::wstring_view> feminine = {L"АНО", L"АФ", L"НКО"};
    // clang-format on
    EXPECT_EQ(genitives.size(), legal_form_rows().size());
    for (const legal_form_row& row : legal_form_rows()) {
        const std::wstring abbreviation(row.abbreviation), full(row.full_name);
        SCOPED_TRACE(to_utf8(abbreviation));
        const auto genitive = genitives.find(row.abbreviation);
        ASSERT_NE(genitive, genitives.end());
        EXPECT_EQ(decline_phrase(full, 2), genitive->second);
        const std::wstring agreeing = masculine.contains(row.abbreviation)  ? L"именуемый"
                                      : feminine.contains(row.abbreviation) ? L"именуемая"
                                                                            : L"именуемое";
        for (const std::wstring& typed : {abbreviation, full}) {
            organisation_name organisation(typed + L" «Ромашка»");
            EXPECT_EQ(organisation.legal_form, typed);
            EXPECT_EQ(agree_with_gender(L"именуемый", detect_gender(organisation)), agreeing);
        }
    }
}
