#include "engine/declension/name_words.h"

#include <gtest/gtest.h>

#include <array>
#include <tuple>
#include <vector>

using namespace engine;

TEST(ClassifyNameWord, SurnameEndingsAndTheFirstNamesThatShareThem) {
    // clang-format off
    const std::pair<const wchar_t*, int> words[] = {
        {L"пушкин", 1}, {L"константин", 0}, {L"кузьмичёв", 1}, {L"толстой", 1}, {L"лебедев", 1},
        {L"лев", 0}, {L"иванов", 1}, {L"яков", 0}, {L"петросян", 1}, {L"демьян", 0},
        {L"горький", 1}, {L"юрий", 0}, {L"анатолий", 0}, {L"толстая", 2}, {L"толстые", 39}, {L"русские", 39},
        {L"пушкина", 2}, {L"ирина", 0}, {L"иванова", 2}, {L"ева", 0}, {L"ивановы", 38},
        {L"любовь", 45}, {L"морковь", 0}, {L"смит", 0}, {L"", 0},
        // A fragment of a listed name counts as listed; a capital keeps a
        // first name out of its list.
        {L"ков", 0}, {L"тин", 0}, {L"Юрий", 1},
    };
    // clang-format on
    for (const auto& [word, code] : words) EXPECT_EQ(classify_name_word(word), code) << word;
}

// The word in cases 2 to 6; case 1 must leave it as it is.
TEST(DeclinePersonName, EveryCaseOfEachKindOfName) {
    const struct {
        std::wstring word;
        std::uint32_t code;
        std::array<std::wstring, 5> forms;
    } names[] = {
        {L"Иванов", 1, {L"Иванова", L"Иванову", L"Иванова", L"Ивановым", L"Иванове"}},
        {L"Смит", 1, {L"Смита", L"Смиту", L"Смита", L"Смитом", L"Смите"}},
        {L"Гоголь", 1, {L"Гоголя", L"Гоголю", L"Гоголя", L"Гоголем", L"Гоголе"}},
        {L"Петрович", 1, {L"Петровича", L"Петровичу", L"Петровича", L"Петровичем", L"Петровиче"}},
        {L"Китаец", 1, {L"Китайца", L"Китайцу", L"Китайца", L"Китайцем", L"Китайце"}},
        {L"Кравец", 1, {L"Кравеца", L"Кравецу", L"Кравеца", L"Кравецом", L"Кравеце"}},
        {L"Тихий", 1, {L"Тихого", L"Тихому", L"Тихого", L"Тихим", L"Тихом"}},
        {L"Толстой", 1, {L"Толстого", L"Толстому", L"Толстого", L"Толстым", L"Толстом"}},
        {L"Анна", 1, {L"Анны", L"Анне", L"Анну", L"Анной", L"Анне"}},
        {L"Ольга", 1, {L"Ольги", L"Ольге", L"Ольгу", L"Ольгой", L"Ольге"}},
        {L"Саша", 1, {L"Саши", L"Саше", L"Сашу", L"Сашей", L"Саше"}},
        // Feminine surnames whatever the code.
        {L"Иванова", 1, {L"Ивановой", L"Ивановой", L"Иванову", L"Ивановой", L"Ивановой"}},
        {L"Иванова", 2, {L"Ивановой", L"Ивановой", L"Иванову", L"Ивановой", L"Ивановой"}},
        {L"Толстая", 1, {L"Толстой", L"Толстой", L"Толстую", L"Толстой", L"Толстой"}},
        {L"Ивановы", 38, {L"Ивановых", L"Ивановым", L"Ивановых", L"Ивановыми", L"Ивановых"}},
        {L"любовь", 45, {L"любови", L"любови", L"любовь", L"любовью", L"любови"}},
    };
    for (const auto& n : names)
        for (std::uint32_t c = 1; c <= 6; ++c) {
            std::wstring form = n.word;
            EXPECT_EQ(decline_person_name(form, c, n.code), c == 1 ? n.word : n.forms[c - 2])
                << n.code;
        }
    std::wstring accusative = L"толстые";
    EXPECT_EQ(decline_person_name(accusative, 4, 39), L"толстых");
    std::wstring stem = L"Гоголь";
    EXPECT_EQ(decline_person_name(stem, 0, 1),
              L"Гогол");  // a case outside one to six leaves the stem
}

// Indeclinable surnames, and words too short for their rule.
TEST(DeclinePersonName, SomeWordsComeBackUnchanged) {
    const std::pair<std::wstring, std::vector<std::uint32_t>> words[] = {
        {L"Черных", {1}}, {L"Долгих", {1}}, {L"Шевченко", {1}}, {L"Гюго", {1}}, {L"Моруа", {1}},
        {L"", {1, 2}},    {L"а", {1, 2}},   {L"я", {1, 2}},     {L"ь", {1, 2}}, {L"й", {1, 2}},
        {L"ец", {1, 2}},  {L"Ой", {1, 2}},  {L"ая", {1, 2}}};
    for (const auto& [word, codes] : words)
        for (std::uint32_t code : codes)
            for (std::uint32_t c = 1; c <= 6; ++c) {
                std::wstring form = word;
                EXPECT_EQ(decline_person_name(form, c, code), word) << code;
            }
}

namespace {

// A name, its bearer and its forms in case 2, 3, 4, 5, 6.
struct name_forms {
    std::wstring word;
    bearer who;
    std::array<std::wstring, 5> forms;
};

// `decline` (a name function of this header) gives every form, and case 1
// leaves the word as it is.
template <typename Decline, std::size_t n>
void expect_forms(const name_forms (&names)[n], Decline decline) {
    for (const name_forms& name : names)
        for (std::uint32_t c = 1; c <= 6; ++c) {
            std::wstring form = name.word;
            EXPECT_EQ(decline(form, c, name.who), c == 1 ? name.word : name.forms[c - 2]) << c;
        }
}

}  // namespace

// Each group of surnames that declines by a rule of its own, with the cases a
// change of that rule would break first.
TEST(DeclineSurname, GroupsWithRulesOfTheirOwn) {
    // clang-format off
    const name_forms names[] = {
        // -ец keeps its е after a consonant; after a vowel it gives -йца; the
        // nationality noun keeps its fleeting form.
        {L"борец", bearer::man, {L"бореца", L"борецу", L"бореца", L"борецом", L"бореце"}},
        {L"китаец", bearer::man, {L"китайца", L"китайцу", L"китайца", L"китайцем", L"китайце"}},
        {L"немец", bearer::man, {L"немца", L"немцу", L"немца", L"немцем", L"немце"}},
        {L"штольц", bearer::man, {L"штольца", L"штольцу", L"штольца", L"штольцем", L"штольце"}},
        // Adjectival: г, к, х hard; ж, ш, ч, щ and н soft; other voiced consonants a noun.
        {L"строгий", bearer::man, {L"строгого", L"строгому", L"строгого", L"строгим", L"строгом"}},
        {L"свежий", bearer::man, {L"свежего", L"свежему", L"свежего", L"свежим", L"свежем"}},
        {L"крайний", bearer::man, {L"крайнего", L"крайнему", L"крайнего", L"крайним", L"крайнем"}},
        {L"гурий", bearer::man, {L"гурия", L"гурию", L"гурия", L"гурием", L"гурии"}},
        {L"большой", bearer::man, {L"большого", L"большому", L"большого", L"большим", L"большом"}},
        {L"лесной", bearer::man, {L"лесного", L"лесному", L"лесного", L"лесным", L"лесном"}},
        {L"синяя", bearer::woman, {L"синей", L"синей", L"синюю", L"синей", L"синей"}},
        {L"большая", bearer::woman, {L"большой", L"большой", L"большую", L"большой", L"большой"}},
        {L"свежая", bearer::woman, {L"свежей", L"свежей", L"свежую", L"свежей", L"свежей"}},
        // The -ова, -ина family: possessive for a woman, a noun for a man or
        // when shorter than five letters.
        {L"лисицына", bearer::woman, {L"лисицыной", L"лисицыной", L"лисицыну", L"лисицыной", L"лисицыной"}},
        {L"королёва", bearer::unknown, {L"королёвой", L"королёвой", L"королёву", L"королёвой", L"королёвой"}},
        {L"щербина", bearer::man, {L"щербины", L"щербине", L"щербину", L"щербиной", L"щербине"}},
        {L"сова", bearer::woman, {L"совы", L"сове", L"сову", L"совой", L"сове"}},
        {L"зуева", bearer::woman, {L"зуевой", L"зуевой", L"зуеву", L"зуевой", L"зуевой"}},
        // Three-letter -ой is a noun, four letters an adjective.
        {L"цой", bearer::man, {L"цоя", L"цою", L"цоя", L"цоем", L"цое"}},
        {L"злой", bearer::man, {L"злого", L"злому", L"злого", L"злым", L"злом"}},
        // Georgian -ия like Мария; -я after a consonant, and a man's -ея, like Зозуля.
        {L"шония", bearer::woman, {L"шонии", L"шонии", L"шонию", L"шонией", L"шонии"}},
        {L"зозуля", bearer::man, {L"зозули", L"зозуле", L"зозулю", L"зозулей", L"зозуле"}},
        {L"кривошея", bearer::man, {L"кривошеи", L"кривошее", L"кривошею", L"кривошеей", L"кривошее"}},
        // Well-known foreign -ин surnames take "ом", Russian ones "ым".
        {L"дарвин", bearer::man, {L"дарвина", L"дарвину", L"дарвина", L"дарвином", L"дарвине"}},
        {L"пушкин", bearer::man, {L"пушкина", L"пушкину", L"пушкина", L"пушкиным", L"пушкине"}},
    };
    // clang-format on
    expect_forms(names, decline_surname);
}

TEST(DeclineSurname, SomeStayAsTyped) {
    const std::pair<std::wstring, bearer> names[] = {
        {L"моруа", bearer::man},    {L"гарсиа", bearer::woman}, {L"дюма", bearer::man},
        {L"золя", bearer::man},     {L"борец", bearer::woman},  {L"цой", bearer::woman},
        {L"гоголь", bearer::woman}, {L"черных", bearer::man},   {L"кривошея", bearer::woman},
        {L"гоя", bearer::man}};
    for (const auto& [word, who] : names)
        for (std::uint32_t c = 2; c <= 6; ++c) {
            std::wstring form = word;
            EXPECT_EQ(decline_surname(form, c, who), word) << c;
        }
}

// First names decline by their ending and their bearer.
TEST(DeclineFirstName, EndingsAndBearers) {
    // clang-format off
    const name_forms names[] = {
        {L"оскар", bearer::man, {L"оскара", L"оскару", L"оскара", L"оскаром", L"оскаре"}},
        {L"франц", bearer::man, {L"франца", L"францу", L"франца", L"францем", L"франце"}},
        {L"игнатий", bearer::man, {L"игнатия", L"игнатию", L"игнатия", L"игнатием", L"игнатии"}},
        {L"моисей", bearer::man, {L"моисея", L"моисею", L"моисея", L"моисеем", L"моисее"}},
        {L"эмиль", bearer::man, {L"эмиля", L"эмилю", L"эмиля", L"эмилем", L"эмиле"}},
        {L"ассоль", bearer::woman, {L"ассоли", L"ассоли", L"ассоль", L"ассолью", L"ассоли"}},
        {L"ия", bearer::woman, {L"ии", L"ии", L"ию", L"ией", L"ии"}},
        {L"захария", bearer::man, {L"захарии", L"захарии", L"захарию", L"захарией", L"захарии"}},
        {L"снежана", bearer::woman, {L"снежаны", L"снежане", L"снежану", L"снежаной", L"снежане"}},
        {L"савва", bearer::man, {L"саввы", L"савве", L"савву", L"саввой", L"савве"}},
        {L"даша", bearer::woman, {L"даши", L"даше", L"дашу", L"дашей", L"даше"}},
        {L"хельга", bearer::woman, {L"хельги", L"хельге", L"хельгу", L"хельгой", L"хельге"}},
        {L"лев", bearer::man, {L"льва", L"льву", L"льва", L"львом", L"льве"}},
        {L"пётр", bearer::man, {L"петра", L"петру", L"петра", L"петром", L"петре"}},
        {L"семён", bearer::man, {L"семёна", L"семёну", L"семёна", L"семёном", L"семёне"}},
    };
    // clang-format on
    expect_forms(names, decline_first_name);
    // Foreign vowel endings, and a woman's name in a consonant, stay.
    for (const auto& [word, who] :
         {std::pair{L"хосе", bearer::man}, std::pair{L"ноа", bearer::man},
          std::pair{L"мари", bearer::woman}, std::pair{L"эстер", bearer::woman}}) {
        std::wstring form = word;
        EXPECT_EQ(decline_first_name(form, 2, who), word);
    }
}

TEST(DeclinePatronymic, MenStressedOrNotWomenAndOtherWords) {
    const std::tuple<const wchar_t*, std::uint32_t, const wchar_t*, bool> rows[] = {
        {L"ильич", 5, L"ильичом", true},
        {L"никитич", 5, L"никитичем", true},
        {L"фёдоровна", 4, L"фёдоровну", true},
        {L"оглы", 2, L"оглы", false}};
    for (const auto& [word, c, expected, declined] : rows) {
        std::wstring form = word;
        EXPECT_EQ(decline_patronymic(form, c), declined);
        EXPECT_EQ(form, expected);
    }
}
