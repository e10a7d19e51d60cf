// A person's name as the template joins it: an empty part writes nothing,
// and typed initials come back exactly as typed in every case.
#include <gtest/gtest.h>

#include <cstddef>

#include "engine/fields/parameter_fixture.h"

namespace {

struct typed_name {
    const wchar_t *value, *source, *text;
};

// Each name typed into the field фио gives its text through its source.
class PersonNameParts : public engine::testing::parameter_document {
protected:
    template <std::size_t N>
    void expect_each(const typed_name (&names)[N]) {
        for (const typed_name& n : names) {
            add_field(L"фио", n.value);
            EXPECT_EQ(run(n.source), n.text) << n.value << " " << n.source;
            doc.data->parameters.groups.clear();
        }
    }
};

}  // namespace

TEST_F(PersonNameParts, AnEmptyPartLeavesNoBlank) {
    // clang-format off
    const typed_name names[] = {
        {L"Мюллер Ханс", L"{р:фио}, действующего", L"Мюллера Ханса, действующего"},
        {L"Гюго Виктор", L"{р:фио}, паспорт", L"Гюго Виктора, паспорт"},
        {L"Гарсиа Мария", L"{р:фио} основной", L"Гарсиа Марии основной"},
        {L"Гарсиа Мария", L"{д:ио:фио}.", L"Марии."},
        {L"Иванов", L"{т:фио}.", L"Ивановым."},
        {L"Иванов", L"{д:инициалы:фио}.", L"Иванову."},
        {L"И.И. Иванов", L"{д:фио}.", L"И.И. Иванову."},
        {L"Иванов Иван Иванович", L"{р:фио}, действующего", L"Иванова Ивана Ивановича, действующего"},
    };
    // clang-format on
    expect_each(names);
}

TEST_F(PersonNameParts, TypedInitialsComeBackAsTypedInEveryCase) {
    // clang-format off
    const struct { const wchar_t *value, *forms[6]; } names[] = {
        {L"Иванов И.И.", {L"Иванов И.И.", L"Иванова И.И.", L"Иванову И.И.", L"Иванова И.И.", L"Ивановым И.И.",
                          L"Иванове И.И."}},
        {L"Иванова И. И.", {L"Иванова И. И.", L"Ивановой И. И.", L"Ивановой И. И.", L"Иванову И. И.",
                            L"Ивановой И. И.", L"Ивановой И. И."}},
        {L"Петров П.", {L"Петров П.", L"Петрова П.", L"Петрову П.", L"Петрова П.", L"Петровым П.", L"Петрове П."}},
    };
    // clang-format on
    const wchar_t* const sources[6] = {L"{фио}",   L"{р:фио}", L"{д:фио}",
                                       L"{в:фио}", L"{т:фио}", L"{п:фио}"};
    for (const auto& n : names) {
        add_field(L"фио", n.value);
        for (int c = 0; c < 6; ++c) EXPECT_EQ(run(sources[c]), n.forms[c]) << n.value << " " << c;
        EXPECT_EQ(run(L"{р:инициалы:фио}"), n.forms[1]) << n.value;
        doc.data->parameters.groups.clear();
    }
}

// A Turkic patronymic stays as typed in every form that shows it; кызы tells a
// woman, оглы, улы, уулу and угли a man. A Russian patronymic beside it.
TEST_F(PersonNameParts, ATurkicPatronymicStaysAsTypedAndTellsTheGender) {
    // clang-format off
    const typed_name names[] = {
        {L"Мамедов Ильхам Гейдар оглы", L"{р:фио}", L"Мамедова Ильхама Гейдар оглы"},
        {L"Гусейнов Рашид Кямал оглы", L"{р:фио}", L"Гусейнова Рашида Кямал оглы"},
        {L"Алиева Лейла Гейдар кызы", L"{д:фио}, {фио:именуемый}, {фио:получил}",
         L"Алиевой Лейле Гейдар кызы, именуемая, получила"},
        {L"Алиева Лейла Гейдар кызы", L"Подпись {р:фамилия:фио} {инициалы:фио}", L"Подпись Алиевой Алиева Л.Г."},
        {L"Алиева Лейла Гейдар кызы", L"{фио}; {т:ио:фио}", L"Алиева Лейла Гейдар кызы; Лейлой Гейдар кызы"},
        {L"Мамедов Ильхам Гейдар оглы", L"{т:инициалы:фио}, {фио:именуемый}", L"Мамедовым И.Г., именуемый"},
        {L"Алиева Лейла Гейдар-КЫЗЫ", L"{п:фио}", L"Алиевой Лейле Гейдар-КЫЗЫ"},
        {L"Сейтов Нурлан Абай улы", L"{т:фио}", L"Сейтовым Нурланом Абай улы"},
        {L"Акаев Азамат Бакыт уулу", L"{д:фио}", L"Акаеву Азамату Бакыт уулу"},
        {L"Каримов Азиз Рустам угли", L"{в:фио}", L"Каримова Азиза Рустам угли"},
        {L"Мамедов И.Г. оглы", L"{р:фио}", L"Мамедова И.Г. оглы"},
        {L"Алиева Л. Г. кызы", L"{д:фио}, {фио:получил}", L"Алиевой Л. Г. кызы, получила"},
        {L"Алиева Лейла Гейдаровна", L"{д:фио}, {р:инициалы:фио}", L"Алиевой Лейле Гейдаровне, Алиевой Л.Г."},
        {L"Мамедов Ильхам", L"{р:фио}, {фио:именуемый}", L"Мамедова Ильхама, именуемый"},
    };
    // clang-format on
    expect_each(names);
}

// Without a patronymic the first name tells a man or a woman; one the word
// rules read as neuter (Пабло) or plural (Фания, Натали) leaves it to the
// surname, and both parts decline for that person.
TEST_F(PersonNameParts, WithoutAPatronymicThePersonIsAManOrAWoman) {
    const wchar_t* const source = L"{р:фио}, {фио:именуемый}, {д:фио}";
    // clang-format off
    const typed_name names[] = {
        {L"Гуляева Фания", source, L"Гуляевой Фании, именуемая, Гуляевой Фании"},
        {L"Кузнецова Натали", source, L"Кузнецовой Натали, именуемая, Кузнецовой Натали"},
        {L"Бродская Фания", source, L"Бродской Фании, именуемая, Бродской Фании"},
        {L"ГУЛЯЕВА ФАНИЯ", source, L"ГУЛЯЕВОЙ ФАНИИ, именуемая, ГУЛЯЕВОЙ ФАНИИ"},
        {L"Иванов Пабло", source, L"Иванова Пабло, именуемый, Иванову Пабло"},
        {L"Иванов Бруно", source, L"Иванова Бруно, именуемый, Иванову Бруно"},
        {L"Шмидт Михаэль", source, L"Шмидта Михаэля, именуемый, Шмидту Михаэлю"},
        {L"Шмидт Даниэль", source, L"Шмидта Даниэля, именуемый, Шмидту Даниэлю"},
        {L"Шмидт Адель", source, L"Шмидт Адели, именуемая, Шмидт Адели"},
        {L"Иванова Мария", source, L"Ивановой Марии, именуемая, Ивановой Марии"},
        {L"Смирнова Виктория", source, L"Смирновой Виктории, именуемая, Смирновой Виктории"},
        {L"Иванов Иван", source, L"Иванова Ивана, именуемый, Иванову Ивану"},
        // A foreign woman's first name the name lists hold.
        {L"Джонсон Мэри", source, L"Джонсон Мэри, именуемая, Джонсон Мэри"},
        {L"Смит Джейн", source, L"Смит Джейн, именуемая, Смит Джейн"},
        {L"Смит Николь", source, L"Смит Николи, именуемая, Смит Николи"},
        {L"Смит Джон", source, L"Смита Джона, именуемый, Смиту Джону"},
        {L"Дюбуа Шарль", source, L"Дюбуа Шарля, именуемый, Дюбуа Шарлю"},
    };
    // clang-format on
    expect_each(names);
}

// Particles typed in small letters before the surname stay as typed in every
// form and come before the surname; the surname after them declines as it
// would alone. A capitalised first word is the surname.
TEST_F(PersonNameParts, AParticleBeforeTheSurnameStaysAsTyped) {
    const wchar_t* const signature = L"Подпись {р:фамилия:фио} {инициалы:фио}";
    const wchar_t* const receipt = L"для {р:фио}; {фио:получил}: {фамилия:фио} {ио:фио}";
    // clang-format off
    const typed_name names[] = {
        {L"фон Берг Эрика Карловна", signature, L"Подпись фон Берг фон Берг Э.К."},
        {L"фон Берг Эрика Карловна", receipt, L"для фон Берг Эрики Карловны; получила: фон Берг Эрика Карловна"},
        {L"фон Берг Карл Иванович", signature, L"Подпись фон Берга фон Берг К.И."},
        {L"ван дер Берг Ян", receipt, L"для ван дер Берга Яна; получил: ван дер Берг Ян"},
        {L"ван дер Берг Ян", signature, L"Подпись ван дер Берга ван дер Берг Я."},
        {L"де Голль Шарль", receipt, L"для де Голля Шарля; получил: де Голль Шарль"},
        {L"де ла Фуэнте Мария", L"{т:фио}, {фио:именуемый}", L"де ла Фуэнте Марией, именуемая"},
        {L"фон дер Ляйен Урсула", L"{д:фио}", L"фон дер Ляйен Урсуле"},
        {L"ди Каприо Леонардо", L"{р:фио}", L"ди Каприо Леонардо"},
        {L"дю Белле Жоаким", L"{т:фио}", L"дю Белле Жоакимом"},
        {L"ибн Сина Абу", L"{р:фамилия:фио}", L"ибн Сины"},
        {L"бен Ами Давид", L"{д:фио}", L"бен Ами Давиду"},
        {L"аль-Масри Ахмед", L"{р:фио}", L"аль-Масри Ахмеда"},
        {L"эль-Хаким Рашид", L"{т:фамилия:фио}", L"эль-Хакимом"},
        {L"да Силва Жуан", L"{д:фио}", L"да Силве Жуану"},
        // Capitalised, the first word is the surname.
        {L"Ле Тхи Хоа", L"{р:фио}", L"Ле Тхи Хоа"},
        {L"Ван Лэй", L"{р:фио}", L"Вана Лэя"},
        {L"Нгуен Ван Туан", L"{инициалы:фио}", L"Нгуен В.Т."},
        {L"Де Голль Шарль", L"{р:фамилия:фио}", L"Де"},
    };
    // clang-format on
    expect_each(names);
}

// Both parts of a double first name decline, but a man's first part in a
// consonant (Жан-, Ханс-).
TEST_F(PersonNameParts, ADoubleFirstNameDeclinesInEveryCase) {
    // clang-format off
    const struct { const wchar_t *value, *forms[6]; } names[] = {
        {L"Петрова Анна-Мария Ивановна",
         {L"Петрова Анна-Мария Ивановна", L"Петровой Анны-Марии Ивановны", L"Петровой Анне-Марии Ивановне",
          L"Петрову Анну-Марию Ивановну", L"Петровой Анной-Марией Ивановной", L"Петровой Анне-Марии Ивановне"}},
        {L"Мюллер Анна-Мария Францевна",
         {L"Мюллер Анна-Мария Францевна", L"Мюллер Анны-Марии Францевны", L"Мюллер Анне-Марии Францевне",
          L"Мюллер Анну-Марию Францевну", L"Мюллер Анной-Марией Францевной", L"Мюллер Анне-Марии Францевне"}},
        {L"Дюбуа Жан-Поль",
         {L"Дюбуа Жан-Поль", L"Дюбуа Жан-Поля", L"Дюбуа Жан-Полю", L"Дюбуа Жан-Поля", L"Дюбуа Жан-Полем",
          L"Дюбуа Жан-Поле"}},
        {L"Шмидт Ханс-Петер",
         {L"Шмидт Ханс-Петер", L"Шмидта Ханс-Петера", L"Шмидту Ханс-Петеру", L"Шмидта Ханс-Петера",
          L"Шмидтом Ханс-Петером", L"Шмидте Ханс-Петере"}},
        {L"Иванов Иван Иванович",
         {L"Иванов Иван Иванович", L"Иванова Ивана Ивановича", L"Иванову Ивану Ивановичу",
          L"Иванова Ивана Ивановича", L"Ивановым Иваном Ивановичем", L"Иванове Иване Ивановиче"}},
    };
    // clang-format on
    const wchar_t* const sources[6] = {L"{фио}",   L"{р:фио}", L"{д:фио}",
                                       L"{в:фио}", L"{т:фио}", L"{п:фио}"};
    for (const auto& n : names) {
        add_field(L"фио", n.value);
        for (int c = 0; c < 6; ++c) EXPECT_EQ(run(sources[c]), n.forms[c]) << n.value << " " << c;
        doc.data->parameters.groups.clear();
    }
}
