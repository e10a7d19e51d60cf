// Words of five or more letters in -т: masculine nouns, the numerals
// пятьдесят to восемьдесят and пятьсот to девятьсот, and египет and хребет,
// whose е drops out in the oblique cases.
#include <utility>

#include "engine/declension/handlers/long_singular_dictionaries.h"
#include "engine/declension/handlers/table_handler.h"
#include "engine/declension/paradigms.h"
#include "engine/declension/word_handlers.h"

namespace engine {
namespace {

constexpr int k_gipet = 0;
constexpr int k_khrebet = 1;

// Every word reaches at most one row; the structural test holds them to it.
// clang-format off
constexpr rule_row k_rows[] = {
    {L"-свят, -опят, -урят, -ельт, -сульт (first letter ю), -опыт, -крут, -прут, -ипут, -опут, -гоут,"
        L" -коут, -ноут, -амут, -плут, -ркут, -леут, -скаут, -ритт, -котт, -клёст, -нгуст, -мгуст, -шарст,"
        L" -шерст, -юрст, -ност, -вост (5 letters; first letter not х), -яист, -шист, -чист, -цист, -хист,"
        L" -фист (5,6,8,9,10,11 letters), -уист, -тист not after е, -етист (5 letters), -сист, -рист,"
        L" -пист, -оист, -нист, -мист, -лист, -кист, -иист, -зист, -жист, -еист, -дист,"
        L" -вист not after с, т, -бист, -аист, -рнест, -клест, -одест, -таст, -ераст, -наст, -оласт, -иаст,"
        L" -перт, -курт, -мурт, -депт, -ихот, -крот, -йрот, -ерот, -дрот, -спот, -енот, -емот, -рмот,"
        L" -юлот, -илот, -алот, -ойот, -диот, -риот, -кзот, -тгот, -робот, -лянт not after и,"
        L" -илянт (5 letters), -ионт, -донт, -лиент, -пиент, -риент, -нзент, -ндент, -удент,"
        L" -агент (5 letters), -рвент, -нфант, -тант not after к, -ктант (5 letters), -грант, -ирант,"
        L" -орант, -трант, -франт (5 letters), -пант, -гнант, -омант, -лант, -диант, -циант, -жант, -ндант,"
        L" -гант, -юнкт, -ефект (first letter п), -бъект (first letter с), -еофит, -зуит, -естит, -ессит,"
        L" -ворит, -барит, -уннит, -рмит, -домит, -ймит, -семит, -полит, -еллит, -зелит,"
        L" -оскит (first letter п), -разит (first letter п), -удит, -одит, -ндит, -жигит, -левит, -оплёт,"
        L" -дочёт (first letter з), -дочет (first letter з), -речет, -эстет, -рюнет,"
        L" -орнет (first letter к), -ронет, -атлет, -оплет, -валет (5 letters), -аскет, -адет, -огет,"
        L" -навт, -певт, -цевт, -утат, -есат, -крат not after м, -пират (5 letters), -дерат, -нерат,"
        L" -брат (first letter с), -опат, -ннат, -ценат, -гнат not after и, -игнат (5 letters), -армат,"
        L" -ломат, -имат, -измат (first letter н), -мулат, -релат, -вокат, -ниат, -зиат, -диат, -реат,"
        L" -идат, -лдат, -легат, -негат, -рват, -робат, -мбат, -ббат, -вост (6+ letters),"
        L" -етист not after м (6+ letters), -илянт not after б (6+ letters), -архонт (6+ letters),"
        L" -геронт (6+ letters), -мамонт (6+ letters), -виконт (6+ letters), -доцент (6+ letters),"
        L" -истент (6+ letters), -потент (6+ letters), -митент (6+ letters), -курент (6+ letters),"
        L" -ферент (6+ letters; first letter р), -бонент (6+ letters), -ациент (6+ letters),"
        L" -зидент (6+ letters), -сидент (6+ letters), -фидент (6+ letters), -кадент (6+ letters),"
        L" -лигент (6+ letters), -рагент (6+ letters), -ктант not after и (6+ letters),"
        L" -ерсант (6+ letters), -урсант (6+ letters), -ресант (6+ letters), -гурант (6+ letters),"
        L" -тенант (6+ letters), -икиант (6+ letters), -ыкиант (6+ letters), -триант (6+ letters),"
        L" -фист (7 letters; first letter not а), -страт (7 letters; first letter к),"
        L" -остат (8 letters; first letter с)", 55, 1, 1},
    {L"-елят, -ллят, -олят, -улят, -ебют, -риют, -алют, -олют, -ашют, -луэт, -нуэт, -руэт, -альт, -ольт,"
        L" -ульт not after с, -сульт (first letter not ю), -змыт, -махт, -рахт, -нафт, -шафт, -шефт, -лифт,"
        L" -рифт, -тифт, -люфт, -ляут, -атут, -итут, -фрут, -шрут, -апут, -спут, -имут, -омут, -рмут,"
        L" -смут, -акут, -скут, -азут, -нжут, -едут, -игут, -нгут, -тгут, -абут, -ебут, -ибут, -рбут,"
        L" -аут (after a hyphen), -каут not after с, -ватт, -лёст not after к, -ряст, -люст, -лыст,"
        L" -густ not after м, н, -оуст, -пуст, -руст, -арст not after ш, -ерст not after ш, -пост, -рост,"
        L" -мост, -ост (after a hyphen), -вост (5 letters; first letter х), -гост, -иост, -олст, -екст,"
        L" -икст, -свист, -твист, -шест, -фест, -тест, -сест, -рест, -пест, -нест not after р,"
        L" -лест not after к, -дест not after о, -вест, -бест, -раст not after е, -паст, -маст,"
        L" -ласт not after о, -варт, -дарт, -зарт, -тарт, -церт, -ферт, -серт, -керт, -верт, -берт, -лирт,"
        L" -пирт, -форт, -рорт, -порт, -морт, -корт, -борт, -гурт, -пурт, -цепт, -липт, -рипт, -афот,"
        L" -трот, -прот, -орот, -ёпот, -ыпот, -опот, -мпот, -ипот, -епот, -апот, -кнот, -тнот, -амот,"
        L" -флот, -тлот, -рлот, -плот, -олот, -млот, -екот, -икот, -йкот, -окот, -ркот, -виот, -лиот,"
        L" -ниот, -озот, -идот, -кдот, -ндот, -ьдот, -агот, -егот, -огот, -авот, -ивот, -ьбот, -тбот,"
        L" -обот not after р, -лбот, -ебот, -абот, -ьянт, -аунт, -пунт, -рунт, -хонт not after р,"
        L" -рхонт (5 letters), -ронт not after е, -еронт (5 letters), -монт not after а,"
        L" -амонт (5 letters), -конт not after и, -иконт (5 letters), -зонт, -винт, -линт, -минт, -ринт,"
        L" -цинт, -цент not after о, -оцент (5 letters), -тент not after и, о, с, -стент (5 letters),"
        L" -отент (5 letters), -итент (5 letters), -сент, -рент not after е, у, -урент (5 letters),"
        L" -ерент (5 letters), -пент, -нент not after о, -онент (5 letters), -мент, -лент,"
        L" -иент not after л, п, р, ц, -циент (5 letters), -зент not after н, -дент not after а, и, н, у,"
        L" -идент (5 letters), -адент (5 letters), -гент not after а, и, -игент (5 letters),"
        L" -вент not after р, -бент, -фант not after н, -сант not after е, р, -рсант (5 letters),"
        L" -есант (5 letters), -рант not after г, и, о, т, у, ф, -урант (5 letters), -нант not after г, е,"
        L" -енант (5 letters), -мант not after о, -иант not after д, к, р, ц, -киант (5 letters),"
        L" -риант (5 letters), -дант not after н, -вант, -бант, -тамт, -ромт, -валт, -болт, -дукт, -рукт,"
        L" -аркт, -инкт, -ункт, -дикт not after е, -кикт, -ликт, -лект, -оект, -пект, -фект not after е,"
        L" -ефект (first letter not п), -ъект not after б, -бъект (first letter not с), -дакт, -ракт,"
        L" -такт, -факт, -байт, -вейт, -пойт, -дюит, -ощит, -ашит, -мшит, -ышит, -ьцит, -уцит, -сцит,"
        L" -рцит, -оцит, -йцит, -ицит, -ацит, -ахит, -нхит, -афит, -ифит, -офит not after е, -ффит, -ьфит,"
        L" -дуит, -ьтит, -утит, -стит not after е, -ртит, -отит, -нтит, -ктит, -етит, -атит, -усит,"
        L" -ссит not after е, -рсит, -осит, -нсит, -мсит, -ксит, -бсит, -асит, -ярит, -фрит, -урит, -трит,"
        L" -ррит, -прит, -орит not after в, -крит, -ирит, -ерит, -дрит not after н, -врит,"
        L" -арит not after б, -епит, -кпит, -опит, -ьпит, -гоит, -унит, -рнит, -онит, -ннит not after у,"
        L" -мнит, -книт, -инит, -енит, -гнит, -анит, -омит not after д, -ммит, -имит, -емит not after с,"
        L" -гмит, -амит, -флит, -улит, -рлит, -олит not after п, -ллит not after е, -клит, -илит,"
        L" -елит not after з, -алит, -акит, -нкит, -скит not after о, -оскит (first letter not п), -риит,"
        L" -юзит, -узит, -озит, -нзит, -мзит, -изит, -езит, -азит not after р, -разит (first letter not п),"
        L" -хеит, -теит, -леит, -деит, -геит, -веит, -рдит, -идит, -едит, -ддит, -вгит, -нгит, -авит,"
        L" -евит not after л, -квит, -овит not after к, -ьбит, -рбит, -обит, -мбит, -ебит, -ббит, -абит,"
        L" -лаит, -ылёт, -флёт, -улёт, -тлёт, -слёт, -плёт not after о, -олёт, -млёт, -клёт, -илёт, -злёт,"
        L" -елёт, -длёт, -глёт, -блёт, -алёт, -амёт, -бмёт, -емёт, -змёт, -омёт, -учёт, -тчёт, -счёт,"
        L" -очёт not after д, -дочёт (first letter not з), -ечёт, -ачёт, -ншет, -ошет, -ычет, -учет, -тчет,"
        L" -счет, -очет not after д, -дочет (first letter not з), -ечет not after р, -ачет, -ацет, -ицет,"
        L" -нцет, -рцет, -ьцет, -афет, -офет, -уфет, -ьтет, -штет, -стет not after э, -ртет, -птет, -отет,"
        L" -нтет, -ктет, -итет, -етет, -атет, -асет, -исет, -рсет, -ссет, -фсет, -урет, -трет, -ррет,"
        L" -прет, -орет, -крет, -ерет, -дрет, -грет, -врет, -арет, -апет, -епет, -опет, -ипет not after г,"
        L" -юнет not after р, -рнет not after о, -орнет (first letter not к), -онет not after р, -инет,"
        L" -енет, -гнет, -анет, -шмет, -омет, -змет, -емет, -дмет, -бмет, -амет, -ылет, -флет, -улет,"
        L" -тлет not after а, -слет, -плет not after о, -олет, -млет, -клет, -илет, -злет, -елет, -длет,"
        L" -глет, -блет, -алет not after в, -экет, -шкет, -укет, -скет not after а, -ркет, -окет, -нкет,"
        L" -икет, -акет, -ззет, -изет, -озет, -юзет, -джет, -ежет, -ржет, -южет, -агет, -егет, -нгет,"
        L" -ювет, -ьвет, -цвет, -увет, -твет, -свет, -рвет, -овет, -ивет, -авет, -абет, -ебет not after р,"
        L" -ребет (5 letters), -рбет, -тбет, -тадт, -ливт, -рхат, -ифат, -сфат, -ьфат, -ьтат, -штат,"
        L" -стат not after о, -остат (5,6,7,9,10,11 letters), -нтат, -ктат, -итат, -етат, -атат, -лсат,"
        L" -нсат, -ссат, -урат, -трат not after с, -страт (5,6,8,9,10,11 letters), -срат, -ррат, -орат,"
        L" -мкрат, -ират not after п, -ерат not after д, н, -драт, -врат, -брат (first letter not с),"
        L" -арат, -ипат, -рнат, -онат, -инат, -енат not after ц, -анат, -шмат, -хмат, -тмат,"
        L" -рмат not after а, -омат not after л, -лмат, -змат not after и, -измат (first letter not н),"
        L" -емат, -гмат, -амат, -шлат, -улат not after м, -илат, -елат not after р, -блат, -алат, -ыкат,"
        L" -укат, -ткат, -скат, -окат not after в, -икат, -екат, -дкат, -бкат, -акат, -циат, -риат, -гиат,"
        L" -азат, -изат, -леат, -ндат, -рдат, -удат, -агат, -егат not after л, н, -игат, -огат, -ават,"
        L" -хват, -фбат, -обат not after р, -нбат, -йбат, -ибат, -абат, -метист (6+ letters),"
        L" -билянт (6+ letters), -рхонт not after а (6+ letters), -еронт not after г (6+ letters),"
        L" -амонт not after м (6+ letters), -иконт not after в (6+ letters),"
        L" -оцент not after д (6+ letters), -стент not after и (6+ letters),"
        L" -отент not after п (6+ letters), -итент not after м (6+ letters),"
        L" -урент not after к (6+ letters), -ерент not after ф (6+ letters),"
        L" -ферент (6+ letters; first letter not р), -онент not after [бп] (6+ letters),"
        L" -циент not after а (6+ letters), -идент not after [зсф] (6+ letters),"
        L" -адент not after к (6+ letters), -игент not after л (6+ letters),"
        L" -агент not after р (6+ letters), -иктант (6+ letters), -рсант not after [еу] (6+ letters),"
        L" -есант not after р (6+ letters), -франт (6+ letters), -урант not after г (6+ letters),"
        L" -енант not after т (6+ letters), -киант not after [иы] (6+ letters),"
        L" -риант not after т (6+ letters), -валет (6+ letters), -ребет not after х (6+ letters),"
        L" -пират (6+ letters), -игнат (6+ letters), -фист (7 letters; first letter а),"
        L" -страт (7 letters; first letter not к), -остат (8 letters; first letter not с)", 54, 1, 0},
    {L"-едикт", 55, 1, 0},
    {L"-целот, -зелот, -оглот, -иглот", 55, not_stored, 1},
    {L"-охот not after р, -елот not after з, ц, -глот not after и, о", 54, not_stored, 0},
    {L"-рохот (contains добро)", 55, not_stored, 1},
    {L"-рохот (does not contain добро)", 54, not_stored, 0},
    {L"-нехт (contains ландс)", 55, 1, 1},
    {L"-нехт (does not contain ландс)", 54, 1, 0},
    {L"-ндрит (contains архима)", 55, 1, 1},
    {L"-ндрит (does not contain архима)", 54, 1, 0},
    {L"-ковит (contains москов)", 55, 1, 1},
    {L"-ковит (does not contain москов)", 54, 1, 0},
    {L"-понент (6+ letters; contains компо)", 54, 1, 0},
    {L"-понент (6+ letters; does not contain компо)", 55, 1, 1},
    {L"-гипет", special_outcome + k_gipet, 1, 0},
    {L"-хребет (6+ letters)", special_outcome + k_khrebet, 1, 0},
    {L"пятьдесят (whole word)", 91, 4, 1},
    {L"шестьдесят", 92, 4, 1},
    {L"семьдесят", 93, 4, 1},
    {L"восемьдесят", 94, 4, 1},
    {L"-есят", keep_word, not_stored, not_stored},
    {L"пятьсот (whole word)", 98, 1, 0},
    {L"шестьсот", 99, 1, 0},
    {L"семьсот", 100, 1, 0},
    {L"восемьсот", 101, 1, 0},
    {L"девятьсот", 102, 1, 0},
    {L"-ьсот", keep_word, 1, not_stored},
};
// clang-format on

constexpr own_forms k_gipet_forms = {3, {L"пет", L"пта", L"пту", L"пет", L"птом", L"пте"}};
constexpr own_forms k_khrebet_forms = {2, {L"ет", L"та", L"ту", L"ет", L"том", L"те"}};

std::wstring decline_fleeting_e(const rule_row& row, std::wstring word, int c) {
    if (row.outcome == special_outcome + k_gipet) {
        if (c == 1 || c == 4) return paradigm_054(std::move(word), c);
        if (c < 1 || c > 6) return paradigm_054(std::move(word), c);
        return apply_own_forms(k_gipet_forms, std::move(word), c);
    }
    if (c < 1 || c > 6) return word;
    return apply_own_forms(k_khrebet_forms, std::move(word), c);
}

}  // namespace

const rule_table& long_t_rules() {
    static const rule_table table(k_rows);
    return table;
}

std::wstring decline_long_t(std::wstring word, int c, std::uint32_t* gender,
                            std::uint32_t* animate) {
    const rule_row* row = long_t_rules().find(word);
    if (!row) return word;
    if (row->outcome == special_outcome + k_gipet || row->outcome == special_outcome + k_khrebet) {
        word = decline_fleeting_e(*row, std::move(word), c);
        store_row_values(*row, gender, animate);
        return word;
    }
    return decline_by_row(*row, std::move(word), c, gender, animate);
}

}  // namespace engine
