#include "engine/fields/number_field.h"

#include <tuple>

#include "engine/fields/currency.h"
#include "engine/fields/parameter_fixture.h"
#include "fields_test_support.h"

namespace engine {
namespace {

const std::wstring nowrap = L"<span style=\"white-space:nowrap\">";

using testing::format_words;

class NumberField : public testing::parameter_document {
protected:
    number_value number(const wchar_t* text) { return number_value(&doc.data->parameters, text); }
    std::wstring render(const wchar_t* text, std::initializer_list<const wchar_t*> modifiers) {
        return render_number_field(number(text), format_words(modifiers));
    }
    doc_record& field(std::size_t index) { return doc.data->parameters.groups[0].elements[index].record; }
};

TEST_F(NumberField, FiguresPartsAndThePriorityBetweenThem) {
    current_language = 1;
    EXPECT_EQ(render(L"1 234,50", {L"штук"}), L"1 234,50");  // only a counted noun: as typed
    EXPECT_EQ(render(L"1234,5", {L"формат"}), nowrap + L"1&thinsp;234,50</span>");
    EXPECT_EQ(render(L"-1234,5", {L"целая часть"}), L"-1234");
    EXPECT_EQ(render(L"1234,5", {L"дробная  часть"}), L"5");
    EXPECT_EQ(render(L"-7", {L"валюта"}), nowrap + L"-7,00</span>&nbsp;руб.");
    current_language = 0;
    EXPECT_EQ(render(L"12", {L"fraction"}), L"");
    EXPECT_EQ(render(L"1234.5", {L"format", L"currency"}), L"1,234.50");
    EXPECT_EQ(render(L"1234.5", {L"integer", L"currency"}), nowrap + L"$1,234.50</span>");
    EXPECT_EQ(render(L"1234.5", {L"fraction", L"integer"}), L"1234");
    EXPECT_EQ(render(L"-1234.5", {L"currency"}), nowrap + L"-$1,234.50</span>");
}

TEST_F(NumberField, CurrencySignsFollowTheFirstCurrencyFieldUnlessItIsHidden) {
    EXPECT_EQ(currency_sign(number(L"1")), L"$");
    add_field(L"currency", L"United Kingdom Pounds");
    add_field(L"currency", L"Euro");
    EXPECT_EQ(currency_sign(number(L"1")), L"£");
    field(0).s2 = L"Other";
    EXPECT_EQ(currency_sign(number(L"1")), L"");
    field(0).s2 = L"Canadian Dollars";
    EXPECT_EQ(currency_sign(number(L"1")), L"$");
    field(0).c = 1;
    EXPECT_EQ(currency_sign(number(L"1")), L"$");
}

TEST_F(NumberField, EnglishMoneyInWordsForEachCurrency) {
    EXPECT_EQ(render(L"1", {L"currency in words"}), L"one dollar");
    EXPECT_EQ(render(L"1234.50", {L"currency", L"in words"}),
              L"one thousand two hundred thirty-four dollars and fifty cents");
    EXPECT_EQ(render(L"0.50", {L"currency in words"}), L"zero dollars and fifty cents");
    EXPECT_EQ(render(L"1,000,000", {L"currency in words"}), L"one million dollars");
    EXPECT_EQ(render(L"-5", {L"currency in words"}), L"minus five dollars");
    EXPECT_EQ(render(L"19.999", {L"currency in words"}), L"nineteen dollars and ninety-nine cents");
    add_field(L"currency", L"United Kingdom Pounds");
    EXPECT_EQ(render(L"1.01", {L"currency in words"}), L"one pound and one pence");
    EXPECT_EQ(render(L"2.50", {L"currency in words"}), L"two pounds and fifty pence");
    field(0).s2 = L"Euro";
    EXPECT_EQ(render(L"2.01", {L"currency in words"}), L"two euros and one cent");
}

TEST_F(NumberField, TheOtherCurrencyTakesItsWordsFromItsFieldOrFallsBackToDollars) {
    add_field(L"currency", L"Other");
    std::wstring minor;
    std::wstring plural;
    EXPECT_EQ(currency_words_en(number(L"1"), minor, plural), L"dollar");
    EXPECT_EQ(plural + L"|" + minor, L"dollars|cent");
    add_field(L"Other_Currency", L"krona kronor");
    EXPECT_EQ(currency_words_en(number(L"1"), minor, plural), L"krona");
    EXPECT_EQ(plural + L"|" + minor, L"krona|kronor");
}

TEST_F(NumberField, EnglishNumbersInWordsIgnoreCasesAndNouns) {
    EXPECT_EQ(render(L"21", {L"р", L"pieces"}), L"twenty-one");
    EXPECT_EQ(render(L"1.05", {L"in words"}), L"one point zero five");
    EXPECT_EQ(render(L"-5", {L"прописью"}), L"minus five");
}

TEST_F(NumberField, RussianWordsTakeTheSignTheCaseAndTheCountedNounsGender) {
    current_language = 1;
    EXPECT_EQ(render(L"-5", {L"прописью"}), L"минус пять");
    EXPECT_EQ(render(L"5000", {L"т"}), L"пятью тысячами");
    EXPECT_EQ(render(L"3456", {L"Р"}), L"трех тысяч четырехсот пятидесяти шести");
    // A case letter after "прописью" still counts; a later one replaces it.
    EXPECT_EQ(render(L"2", {L"д", L"прописью", L"п"}), L"двух");
    EXPECT_EQ(render(L"2,5", {L"прописью", L"штука"}), L"две целых пять десятых");
    EXPECT_EQ(render(L"21", {L"в", L"штука"}), L"двадцать одну");
    EXPECT_EQ(render(L"1", {L"прописью", L"поле"}), L"одно");
    EXPECT_EQ(render(L"1", {L"прописью", L"рубль"}), L"один");
}

TEST_F(NumberField, CountedNounsAreLookedUpByTheirFieldName) {
    current_language = 1;
    number_value counted(nullptr, L"2");
    std::wstring asked;
    counted.named_value = [&](const std::wstring& name) {
        asked = name;
        return name == L"единица|товара" ? std::wstring(L"единица") : std::wstring();
    };
    EXPECT_EQ(render_number_field(counted, format_words({L"прописью", L"Единица  товара"})), L"две");
    EXPECT_EQ(asked, L"единица|товара");
}

TEST(NumberGender, TheLastWordAgreesWithFeminineAndNeuterNouns) {
    const std::tuple<const wchar_t*, std::uint32_t, int, const wchar_t*> cases[] = {
        {L"двадцать один", 3, 4, L"двадцать одно"}, {L"двадцати одного", 2, 2, L"двадцати одной"},
        {L"одному", 2, 3, L"одной"},                {L"одним", 2, 5, L"одной"},
        {L"двух", 2, 2, L"двух"},                   {L"двадцать один", 1, 1, L"двадцать один"},
        {L"", 2, 1, L""}};
    for (auto [words, gender, grammatical_case, expected] : cases) {
        std::wstring text = words;
        agree_number_gender(text, gender, grammatical_case);
        EXPECT_EQ(text, expected) << gender << " " << grammatical_case;
    }
}

TEST_F(NumberField, RussianMoneyInWordsKeepsTheKopecksInFigures) {
    current_language = 1;
    EXPECT_EQ(render(L"1234.50", {L"валюта прописью"}),
              L"одна тысяча двести тридцать четыре рубля 50 копеек");
    EXPECT_EQ(render(L"2.01", {L"валюта", L"прописью"}), L"два рубля 01 копейка");
    EXPECT_EQ(render(L"-2,99", {L"валюта прописью"}), L"минус два рубля 99 копеек");
    EXPECT_EQ(render(L"21", {L"р", L"валюта прописью"}), L"двадцати одного рубля");
    EXPECT_EQ(render(L"5", {L"валюта прописью"}), L"пять рублей");
}

}  // namespace
}  // namespace engine
