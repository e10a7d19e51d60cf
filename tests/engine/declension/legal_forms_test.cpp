// Every row of the legal-form table is found by its abbreviation and by its
// full name in any letter case, and splits a name off the way ООО does.
#include "engine/declension/legal_forms.h"

#include <gtest/gtest.h>

#include <set>

#include "engine/declension/organisation_name.h"
#include "engine/text/text_case.h"
#include "engine/text/utf16.h"

using namespace engine;

TEST(LegalForms, EveryRowIsFoundAbbreviatedAndInFullInAnyLetterCase) {
    std::set<std::wstring_view> abbreviations, full_names;
    ASSERT_EQ(legal_form_rows().size(), 42u);
    for (const legal_form_row& row : legal_form_rows()) {
        SCOPED_TRACE(to_utf8(std::wstring(row.full_name)));
        EXPECT_TRUE(abbreviations.insert(row.abbreviation).second);
        EXPECT_TRUE(full_names.insert(row.full_name).second);
        EXPECT_EQ(find_legal_form(row.abbreviation), &row);
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
    EXPECT_EQ(find_legal_form(L"ооо"), nullptr);
}
