// Words of five or more letters in -ф, -х, -ч, -ш and -щ: masculine nouns.
#include <utility>

#include "engine/declension/handlers/long_singular_dictionaries.h"
#include "engine/declension/handlers/table_handler.h"
#include "engine/declension/word_handlers.h"

namespace engine {
namespace {

// Words in -ограф are told apart as people or devices by one letter well
// before the ending: the first letter of an eight-letter word, the ninth
// letter from the end of a longer one (фотограф is a person, афотограф not).
// clang-format off
constexpr rule_row k_f_rows[] = {
    {L"-ельф, -ильф, -ольф not after д, -уфф (after a hyphen), -пруф, -морф, -торф, -троф, -штоф, -иумф,"
        L" -лейф, -рейф, -атиф, -ариф, -гриф, -ериф not after ш, -криф, -глиф, -тбиф, -льеф, -скаф, -шкаф,"
        L" -енаф, -ораф, -траф, -граф not after и, о, -играф (first letter not к),"
        L" -ограф not after е, и, н, п, т, -тограф not after и, о, -пограф not after и,"
        L" -нограф not after т, -иограф not after б, -еограф not after г, -отограф, -итограф, -ипограф,"
        L" -тнограф, -биограф, -географ", 54, 1, 0},
    {L"-дольф, -ософ, -осиф, -шериф, -алиф, -мзиф, -ншеф, -лиаф, -ираф, -играф (first letter к),"
        L" =фотограф, -ф·отограф, =литограф, -л·итограф, =типограф, -т·ипограф, =этнограф, -э·тнограф,"
        L" =биограф, =географ", 55, 1, 1},
};
// clang-format on

// clang-format off
constexpr rule_row k_kh_rows[] = {
    {L"-онюх not after к, -здых, -тдых, -сбух, -тдух, -одух, -здух, -ждух, -едух, -лнух, -двох, -здох,"
        L" -ыдох, -олох, -орох not after м, -ронх, -ывих, -трих, -птих, -стих, -емех, -спех, -грех, -оцех,"
        L" -ьцех, -прах, -трах, -апах, -амах, -змах, -омах, -умах, -рлах, -абах", 54, 1, 0},
    {L"-конюх, -брюх, -нтюх, -вбух, -мбух, -лдух, -внух, -етух, -стух, -тарх, -рарх, -нарх, -марх,"
        L" -иарх, -зарх, -гарх, -морох, -ених, -нрих, -ерех, -орех, -ишах, -онах, -алах, -ллах, -азах", 55, 1, 1},
};
// clang-format on

// clang-format off
constexpr rule_row k_ch_rows[] = {
    {L"-ирюч, -алыч, -ыныч, -авуч, -ивуч, -ьич, -тич, -усич, -арич, -имич, -омич, -яжич, -еич, -одич,"
        L" -вич not after д, -ехач, -ихач, -охач, -ухач, -юхач, -осач, -врач, -епач, -ипач, -опач, -хнач,"
        L" -хмач, -фмач, -смач, -рмач, -лмач, -палач, -илач, -рлач, -хлач, -ылач, -вкач, -лкач, -ркач,"
        L" -юкач, -узач, -одач, -игач not after р, -огач not after р, -ригач not after т,"
        L" -рогач not after т, -овач, -рбач, -убач", 55, 1, 1},
    // Patronymics with an unstressed ending take -ем (Ивановичем, Сергеевичем,
    // Никитичем, Саввичем); the length condition only lifts -ович and -евич
    // above "-вич not after д".
    {L"-ович (6+ letters), -евич (6+ letters), -итич, -аввич", 56, 1, 1},
    // Stressed, like Ильич and Фомич.
    {L"-ьмич, -укич", 55, 1, 1},
    {L"-арыч, -обуч, -ргуч, -олуч, -бруч, -кетч, -мерч, -еточ, -ренч, -линч, -рпич, -алич, -улич, -двич,"
        L" -драч, -урач, -рнач, -умач, -алач not after п, -екач, -ргач, -угач, -ягач, -рвач, -тригач,"
        L" -трогач", 54, 1, 0},
};
// clang-format on

// clang-format off
constexpr rule_row k_sh_rows[] = {
    {L"-гляш, -еляш, -уляш, -дряш, -клюш, -атыш not after л, -ртыш, -утыш, -арыш, -грыш, -порыш, -амыш,"
        L" -олыш, -рдыш, -одыш, -ндыш, -идыш (first letter в), -адыш, -нтуш, -ртуш, -марш, -ебош, -нтош,"
        L" -ванш, -ланш, -ашиш, -етиш, -иниш, -укиш, -нташ, -оташ", 1, 1, 0},
    {L"-улеш, -анаш, -алаш, -ндаш, -рдаш not after о, -аваш, -абаш", 54, 1, 0},
    {L"-емяш, -латыш, -отыш, -орыш not after п, -епыш, -упыш, -еныш, -оныш, -рныш, -уныш, -ёныш, -емыш,"
        L" -рмыш, -ёмыш, -алыш, -удыш, -идыш (first letter not в), -едыш, -рвыш, -ебыш, -ёбыш, -нгуш,"
        L" -ориш, -рвиш", 56, 1, 1},
    {L"-ураш, -лкаш, -ордаш, -егаш, -ргаш, -уваш", 55, 1, 1},
};
// clang-format on

constexpr rule_row k_shch_rows[] = {
    {L"-арищ, -длещ", 56, 1, 1},
};

}  // namespace

const rule_table& long_f_rules() {
    static const rule_table table(k_f_rows);
    return table;
}
const rule_table& long_kh_rules() {
    static const rule_table table(k_kh_rows);
    return table;
}
const rule_table& long_ch_rules() {
    static const rule_table table(k_ch_rows);
    return table;
}
const rule_table& long_sh_rules() {
    static const rule_table table(k_sh_rows);
    return table;
}
const rule_table& long_shch_rules() {
    static const rule_table table(k_shch_rows);
    return table;
}

std::wstring decline_long_f(std::wstring word, int c, std::uint32_t* gender,
                            std::uint32_t* animate) {
    return decline_by_table(long_f_rules(), std::move(word), c, gender, animate);
}

std::wstring decline_long_kh(std::wstring word, int c, std::uint32_t* gender,
                             std::uint32_t* animate) {
    return decline_by_table(long_kh_rules(), std::move(word), c, gender, animate);
}

std::wstring decline_long_ch(std::wstring word, int c, std::uint32_t* gender,
                             std::uint32_t* animate) {
    return decline_by_table(long_ch_rules(), std::move(word), c, gender, animate);
}

std::wstring decline_long_sh(std::wstring word, int c, std::uint32_t* gender,
                             std::uint32_t* animate) {
    return decline_by_table(long_sh_rules(), std::move(word), c, gender, animate);
}

std::wstring decline_long_shch(std::wstring word, int c, std::uint32_t* gender,
                               std::uint32_t* animate) {
    return decline_by_table(long_shch_rules(), std::move(word), c, gender, animate);
}

}  // namespace engine
