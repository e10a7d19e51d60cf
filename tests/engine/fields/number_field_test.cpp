#include "engine/fields/number_field.h"

#include <tuple>

#include "engine/fields/currency.h"
#include "fields_test_support.h"

namespace engine {
namespace {

using testing::language_test;

std::vector<expr_token> words(std::initializer_list<const wchar_t*> texts) {
    std::vector<expr_token> tokens;
    for (const wchar_t* text : texts) tokens.emplace_back(text, expr_kind::format_words);
    return tokens;
}

// A parameters root with one section holding the given (name, value, hidden)
// fields.
struct parameter_tree {
    doc_node root;
    void add(const wchar_t* name, const wchar_t* value, bool hidden = false) {
        if (root.groups.empty()) {
            root.groups.emplace_back();
            root.group_count = 1;
        }
        doc_group& section = root.groups.front();
        section.elements.emplace_back();
        section.element_count = std::int32_t(section.elements.size());
        section.elements.back().record.s1 = name;
        section.elements.back().record.s2 = value;
        section.elements.back().record.c = hidden ? 1 : 0;
    }
};

class NumberField : public language_test {
protected:
    std::wstring render(const wchar_t* text, std::initializer_list<const wchar_t*> modifiers) {
        return render_number_field(number_value(&tree.root, text), words(modifiers));
    }
    parameter_tree tree;
};

const std::wstring nowrap = L"<span style=\"white-space:nowrap\">";

TEST_F(NumberField, NoModifiersOrOnlyACountedNounShowTheTextAsTyped) {
    russian();
    EXPECT_EQ(render(L"1 234,50", {}), L"1 234,50");
    EXPECT_EQ(render(L"1 234,50", {L"штук"}), L"1 234,50");
    english();
    EXPECT_EQ(render(L"-5", {L"pieces"}), L"-5");
}

TEST_F(NumberField, GroupedIntegerAndFractionParts) {
    russian();
    EXPECT_EQ(render(L"1234,5", {L"формат"}), nowrap + L"1&thinsp;234,50</span>");
    EXPECT_EQ(render(L"1234,5", {L"целая часть"}), L"1234");
    EXPECT_EQ(render(L"1234,5", {L"дробь"}), L"5");
    EXPECT_EQ(render(L"1234,5", {L"дробная  часть"}), L"5");
    EXPECT_EQ(render(L"-1234,5", {L"целая часть"}), L"-1234");
    english();
    EXPECT_EQ(render(L"1,234.56", {L"format"}), L"1,234.56");
    EXPECT_EQ(render(L"1,234.56", {L"integer"}), L"1234");
    EXPECT_EQ(render(L"1,234.56", {L"fraction"}), L"56");
    EXPECT_EQ(render(L"12", {L"fraction"}), L"");
}

TEST_F(NumberField, FiguresWinOverMoneyAndMoneyOverParts) {
    english();
    EXPECT_EQ(render(L"1234.5", {L"format", L"currency"}), L"1,234.50");
    EXPECT_EQ(render(L"1234.5", {L"integer", L"currency"}), nowrap + L"$1,234.50</span>");
    EXPECT_EQ(render(L"1234.5", {L"fraction", L"integer"}), L"1234");
}

TEST_F(NumberField, RussianMoneyInFiguresIsInRoubles) {
    russian();
    EXPECT_EQ(render(L"1234.5", {L"валюта"}), nowrap + L"1&thinsp;234,50</span>&nbsp;руб.");
    EXPECT_EQ(render(L"-7", {L"валюта"}), nowrap + L"-7,00</span>&nbsp;руб.");
}

TEST_F(NumberField, EnglishMoneyInFiguresTakesTheCurrencySign) {
    english();
    EXPECT_EQ(render(L"1234.5", {L"currency"}), nowrap + L"$1,234.50</span>");
    EXPECT_EQ(render(L"-1234.5", {L"currency"}), nowrap + L"-$1,234.50</span>");
    tree.add(L"Currency", L"Euro");
    EXPECT_EQ(render(L"5", {L"currency"}), nowrap + L"€5.00</span>");
}

TEST_F(NumberField, CurrencySignsFollowTheFirstVisibleCurrencyField) {
    english();
    number_value none(nullptr, L"1");
    EXPECT_EQ(currency_sign(none), L"$");
    parameter_tree pounds;
    pounds.add(L"currency", L"United Kingdom Pounds");
    pounds.add(L"currency", L"Euro");
    EXPECT_EQ(currency_sign(number_value(&pounds.root, L"1")), L"£");
    parameter_tree hidden;
    hidden.add(L"currency", L"Euro", true);
    EXPECT_EQ(currency_sign(number_value(&hidden.root, L"1")), L"$");
    parameter_tree other;
    other.add(L"currency", L"Other");
    EXPECT_EQ(currency_sign(number_value(&other.root, L"1")), L"");
    parameter_tree canadian;
    canadian.add(L"currency", L"Canadian Dollars");
    EXPECT_EQ(currency_sign(number_value(&canadian.root, L"1")), L"$");
}

TEST_F(NumberField, EnglishMoneyInWordsForEachCurrency) {
    english();
    EXPECT_EQ(render(L"1", {L"currency in words"}), L"one dollar");
    EXPECT_EQ(render(L"2", {L"currency in words"}), L"two dollars");
    EXPECT_EQ(render(L"1234.50", {L"currency", L"in words"}),
              L"one thousand two hundred thirty-four dollars and fifty cents");
    EXPECT_EQ(render(L"3.01", {L"currency in words"}), L"three dollars and one cent");
    EXPECT_EQ(render(L"0.50", {L"currency in words"}), L"zero dollars and fifty cents");
    EXPECT_EQ(render(L"1,000,000", {L"currency in words"}), L"one million dollars");
    EXPECT_EQ(render(L"-5", {L"currency in words"}), L"minus five dollars");
    EXPECT_EQ(render(L"19.999", {L"currency in words"}), L"nineteen dollars and ninety-nine cents");
    tree.add(L"currency", L"United Kingdom Pounds");
    EXPECT_EQ(render(L"1.01", {L"currency in words"}), L"one pound and one pence");
    EXPECT_EQ(render(L"2.50", {L"currency in words"}), L"two pounds and fifty pence");
}

TEST_F(NumberField, EnglishMoneyInWordsForTheEuroAndOtherCurrencies) {
    english();
    parameter_tree euro;
    euro.add(L"currency", L"Euro");
    number_value amount(&euro.root, L"2.01");
    EXPECT_EQ(render_number_field(amount, words({L"currency in words"})), L"two euros and one cent");
    parameter_tree other;
    other.add(L"currency", L"Other");
    other.add(L"Other_Currency", L"krona kronor");
    std::wstring minor;
    std::wstring plural;
    EXPECT_EQ(currency_words_en(number_value(&other.root, L"1"), minor, plural), L"krona");
    EXPECT_EQ(plural, L"krona");
    EXPECT_EQ(minor, L"kronor");
    parameter_tree bare;
    bare.add(L"currency", L"Other");
    EXPECT_EQ(currency_words_en(number_value(&bare.root, L"1"), minor, plural), L"dollar");
    EXPECT_EQ(plural, L"dollars");
    EXPECT_EQ(minor, L"cent");
}

TEST_F(NumberField, EnglishNumbersInWordsIgnoreCasesAndNouns) {
    english();
    EXPECT_EQ(render(L"21", {L"in words"}), L"twenty-one");
    EXPECT_EQ(render(L"21", {L"р", L"pieces"}), L"twenty-one");
    EXPECT_EQ(render(L"1,500", {L"in words"}), L"one thousand five hundred");
    EXPECT_EQ(render(L"1.5", {L"in words"}), L"one point five");
    EXPECT_EQ(render(L"1.05", {L"in words"}), L"one point zero five");
    EXPECT_EQ(render(L"0", {L"in words"}), L"zero");
    EXPECT_EQ(render(L"-5", {L"прописью"}), L"minus five");
}

TEST_F(NumberField, RussianWordsTakeTheSignAndTheCase) {
    russian();
    EXPECT_EQ(render(L"21", {L"прописью"}), L"двадцать один");
    EXPECT_EQ(render(L"-5", {L"прописью"}), L"минус пять");
    EXPECT_EQ(render(L"5", {L"р"}), L"пяти");
    EXPECT_EQ(render(L"5000", {L"т"}), L"пятью тысячами");
    EXPECT_EQ(render(L"3456", {L"Р"}), L"трех тысяч четырехсот пятидесяти шести");
    // A case letter after "прописью" still counts; a later one replaces it.
    EXPECT_EQ(render(L"2", {L"д", L"прописью", L"п"}), L"двух");
}

TEST_F(NumberField, RussianDecimalsInWordsIgnoreTheCountedNoun) {
    russian();
    EXPECT_EQ(render(L"2,5", {L"прописью", L"штука"}), L"две целых пять десятых");
}

TEST(NumberGender, TheLastWordAgreesWithFeminineAndNeuterNouns) {
    const std::tuple<const wchar_t*, std::uint32_t, int, const wchar_t*> cases[] = {
        {L"двадцать один", 2, 1, L"двадцать одна"},
        {L"двадцать один", 2, 4, L"двадцать одну"},
        {L"двадцать один", 3, 4, L"двадцать одно"},
        {L"два", 2, 1, L"две"},
        {L"двадцати одного", 2, 2, L"двадцати одной"},
        {L"одному", 2, 3, L"одной"},
        {L"одним", 2, 5, L"одной"},
        {L"одном", 2, 6, L"одной"},
        {L"двух", 2, 2, L"двух"},
        {L"двадцать один", 1, 1, L"двадцать один"},
        {L"два", 3, 1, L"два"},
        {L"", 2, 1, L""},
    };
    for (auto [words, gender, grammatical_case, expected] : cases) {
        std::wstring text = words;
        agree_number_gender(text, gender, grammatical_case);
        EXPECT_EQ(text, expected) << gender << " " << grammatical_case;
    }
}

TEST_F(NumberField, RussianWordsAgreeWithTheCountedNoun) {
    russian();
    EXPECT_EQ(render(L"21", {L"прописью", L"штука"}), L"двадцать одна");
    EXPECT_EQ(render(L"21", {L"в", L"штука"}), L"двадцать одну");
    EXPECT_EQ(render(L"2", {L"прописью", L"штука"}), L"две");
    EXPECT_EQ(render(L"1", {L"прописью", L"поле"}), L"одно");
    EXPECT_EQ(render(L"1", {L"прописью", L"рубль"}), L"один");
    // A field named by the modifier supplies the noun.
    number_value counted(nullptr, L"2");
    counted.named_value = [](const std::wstring& name) {
        return name == L"товар" ? std::wstring(L"единица") : std::wstring();
    };
    EXPECT_EQ(render_number_field(counted, words({L"прописью", L"товар"})), L"две");
}

TEST_F(NumberField, RussianMoneyInWordsKeepsTheKopecksInFigures) {
    russian();
    EXPECT_EQ(render(L"1234.50", {L"валюта прописью"}),
              L"одна тысяча двести тридцать четыре рубля 50 копеек");
    EXPECT_EQ(render(L"2.01", {L"валюта", L"прописью"}), L"два рубля 01 копейка");
    EXPECT_EQ(render(L"-2,99", {L"валюта прописью"}), L"минус два рубля 99 копеек");
    EXPECT_EQ(render(L"21", {L"р", L"валюта прописью"}), L"двадцати одного рубля");
    EXPECT_EQ(render(L"5", {L"валюта прописью"}), L"пять рублей");
    EXPECT_EQ(render(L"-5,99", {L"валюта прописью"}), L"минус пять рублей 99 копеек");
}

TEST_F(NumberField, CountedNounsAreLookedUpByName) {
    russian();
    number_value counted(nullptr, L"21");
    std::wstring asked;
    counted.named_value = [&](const std::wstring& name) {
        asked = name;
        return std::wstring();
    };
    render_number_field(counted, words({L"прописью", L"Единица  товара"}));
    EXPECT_EQ(asked, L"единица|товара");
}

}  // namespace
}  // namespace engine
