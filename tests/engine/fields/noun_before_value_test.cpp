// A noun the template writes before a value the clerk may have typed with it:
// printed once, the template's own.
#include <tuple>

#include "engine/fields/parameter_fixture.h"
#include "engine/text/utf16.h"

namespace {

using Nouns = engine::testing::parameter_document;

TEST_F(Nouns, TheTemplatesNounIsPrintedOnceAndTheValueWithoutIt) {
    add_fields({{L"x", L""}});
    // clang-format off
    const std::tuple<const wchar_t*, const wchar_t*, const wchar_t*> rows[] = {
        {L"{паспорт:x}", L"4501 123456", L"паспорт 4501 123456"},
        {L"{паспорт:x}", L"Паспорт 4512 345678", L"паспорт 4512 345678"},
        {L"{паспорт:x}", L"паспорт: 4501 123456", L"паспорт 4501 123456"},
        {L"{паспорт:x}", L"паспортные данные: 4501 123456", L"паспорт 4501 123456"},
        {L"{паспорт:x}", L"пасп. 4501 123456", L"паспорт 4501 123456"},
        {L"{паспорт:x}", L"Паспорт гражданина РФ 4501 123456", L"паспорт гражданина РФ 4501 123456"},
        {L"{паспорт:x}", L"загранпаспорт 75 1234567", L"загранпаспорт 75 1234567"},
        {L"{паспорт:x}", L"Вид на жительство 82 1234567", L"вид на жительство 82 1234567"},
        {L"{паспорт:x}", L"удостоверение личности 123", L"удостоверение личности 123"},
        {L"{паспорт:x}", L"паспорт", L"паспорт ______"},
        {L"{паспорт:x}", L"Паспортист 1", L"паспорт Паспортист 1"},
        {L"{на основании:x}", L"Устава", L"на основании Устава"},
        {L"{на основании:x}", L"действующего на основании Устава", L"на основании Устава"},
        {L"{на основании:x}", L"действующей на основании доверенности", L"на основании доверенности"},
        {L"{на основании:x}", L"на осн. Устава", L"на основании Устава"},
        {L"{на основании:x}", L"На основании устава", L"на основании устава"},
        {L"{на основании:x}", L"основании устава", L"на основании устава"},
        {L"{на основании:x}", L"Основного договора", L"на основании Основного договора"},
        {L"{passport:x}", L"GA123456", L"passport GA123456"},
        {L"{passport:x}", L"passport GA123456", L"passport GA123456"},
        {L"{passport:x}", L"Passport No. 548213907", L"passport 548213907"},
        {L"{passport:x}", L"US passport 548213907", L"passport 548213907"},
        {L"{passport:x}", L"Passport #548213907", L"passport 548213907"},
        {L"{passport:x}", L"Nova 1", L"passport Nova 1"},
        {L"{account:x}", L"Acct. 000123456789", L"account 000123456789"},
        {L"{account:x}", L"A/C 12345", L"account 12345"},
        {L"{account:x}", L"bank account 12345", L"account 12345"},
        {L"{account:x}", L"Account No. 12345", L"account 12345"},
        {L"{account:x}", L"Acc.12345", L"account 12345"},
        {L"{account:x}", L"Accenture 5", L"account Accenture 5"},
        {L"{the laws of:x}", L"New York law", L"the laws of New York"},
        {L"{the laws of:x}", L"State of Ohio", L"the laws of the State of Ohio"},
        {L"{the laws of:x}", L"the State of Ohio", L"the laws of the State of Ohio"},
        {L"{the laws of:x}", L"laws of Ohio", L"the laws of Ohio"},
        {L"{the laws of:x}", L"The Laws of Texas", L"the laws of Texas"},
        {L"{the laws of:x}", L"Germany", L"the laws of Germany"},
        {L"{the laws of:x}", L"Lawson County", L"the laws of Lawson County"},
        {L"{the laws of:x}", L"Texas law", L"the laws of Texas"},
        {L"{the laws of:x}", L"English law", L"the laws of English law"},
        {L"{the laws of:x}", L"applicable law", L"the laws of applicable law"},
        {L"{the laws of:x}", L"Federal law", L"the laws of Federal law"},
        {L"{account:x}", L"Account Holder: John Smith, 12345", L"account Account Holder: John Smith, 12345"},
        {L"{паспорт:x}", L"  ", L""}};
    // clang-format on
    for (auto [script, typed, printed] : rows) {
        field(0).s2 = typed;
        EXPECT_EQ(run(script), printed) << engine::to_utf8(typed);
    }
}

}  // namespace
