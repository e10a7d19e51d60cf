// Real words on both sides of the dictionaries' conditions and precedence
// pairs, with their stores; the probe lists cover every entry with made-up
// words, these show the rows meet the words they were written for.
#include <gtest/gtest.h>

#include "tests/engine/declension/declension_test_support.h"

using decl_test::expect_decl;
using decl_test::untouched;

namespace {

constexpr std::uint32_t none = untouched;

struct example {
    const wchar_t* word;
    int c;
    const wchar_t* form;
    std::uint32_t gender, animate;
};

}  // namespace

TEST(HandlerExamples, RealWordsMeetTheirRows) {
    // clang-format off
    const example examples[] = {
        // -р: contained stems, first letters, whole words and lengths decide both ways.
        {L"режиссер", 4, L"режиссера", 1, 1},     {L"компрессер", 4, L"компрессер", 1, 0},
        {L"транспортер", 4, L"транспортер", 1, 0}, {L"спортер", 4, L"спортера", 1, 1},
        {L"гример", 4, L"гримера", 1, 1},         {L"бример", 4, L"бример", 1, 0},
        {L"мастер", 4, L"мастера", 1, 1},         {L"квастер", 4, L"квастер", 1, 0},
        {L"организатор", 4, L"организатора", 1, 1}, {L"стабилизатор", 4, L"стабилизатор", 1, 0},
        {L"костёр", 5, L"костром", 1, 0},         {L"накостёр", 2, L"накостёр", none, none},
        {L"электролотёр", 4, L"электролотёр", 1, 1}, {L"мяетёр", 2, L"мяетёр", 1, none},
        {L"колозёр", 2, L"колозёра", none, 1},    {L"ориматер", 3, L"ориматер", 1, 0},
        // -й: longer endings over shorter ones; the first letter of -жий.
        {L"кощей", 4, L"кощея", 1, 1},            {L"ручей", 2, L"ручья", 1, 0},
        {L"арсений", 2, L"арсения", 1, none},     {L"январий", 2, L"январия", 1, 0},
        {L"божий", 2, L"божьего", 1, none},       {L"небожий", 2, L"небожего", 1, none},
        {L"рублей", 2, L"рублей", 1, none},
        // -а: plurals, numerals and kept words.
        {L"доктора", 4, L"докторов", 4, 1},       {L"лектора", 4, L"лектора", 4, none},
        {L"права", 2, L"прав", 4, none},          {L"оправа", 2, L"оправы", 2, none},
        {L"семена", 2, L"семян", 4, none},        {L"перемена", 2, L"перемены", 2, none},
        {L"четыреста", 5, L"четырьмястами", 4, none}, {L"аметиста", 2, L"аметиста", none, none},
        {L"вчера", 2, L"вчера", 0, none},
        // -ь: numerals, the church rows storing nothing, the -ролль accusative.
        {L"двадцать", 5, L"двадцатью", 4, none},  {L"рисовать", 2, L"рисовать", none, none},
        {L"церковь", 2, L"церкви", none, none},   {L"атолль", 2, L"атолля", 0, none},
        {L"тролль", 4, L"тролля", none, none},    {L"тролль", 2, L"тролля", 1, none},
        {L"что-нибудь", 3, L"что-нибудь", 1, none},
        // -к: both spellings of a fleeting vowel; the first row stores no animacy.
        {L"ночник", 4, L"ночник", 1, 0},          {L"полуночник", 4, L"полуночника", 1, 1},
        {L"ручеёк", 2, L"ручейка", 1, 0},         {L"потёк", 2, L"потёк", none, none},
        {L"сорок", 2, L"сорока", 4, 0},           {L"кулак", 2, L"кулака", 1, none},
        // -б to -з, -л, -м, -н, -с, -т, -ф to -щ, -ц: length, first letter, substrings.
        {L"короб", 4, L"короб", 1, 0},            {L"скороб", 4, L"скороба", 1, 1},
        {L"дикообраз", 4, L"дикообраза", 1, 1},   {L"прообраз", 4, L"прообраз", 1, 0},
        {L"сугрёб", 2, L"сугрёба", 1, none},      {L"напротив", 2, L"напротив", none, none},
        {L"посол", 3, L"послу", 1, 1},            {L"посёл", 2, L"посёл", 1, none},
        {L"поднаём", 5, L"поднаймом", 1, none},   {L"поднайм", 4, L"поднаем", 1, none},
        {L"калинин", 5, L"калининым", 1, 0},      {L"семён", 4, L"семёна", none, 1},
        {L"антон", 4, L"антона", 1, 1},           {L"кантон", 4, L"кантон", 1, 0},
        {L"доонос", 4, L"дооноса", 1, 1},         {L"адонос", 4, L"адонос", 1, 0},
        {L"полу-вес", 2, L"полу-веса", 1, 0},     {L"полувес", 2, L"полувес", none, none},
        {L"миссис", 2, L"миссис", 2, 1},          {L"аиисус", 3, L"аиисус", 1, none},
        {L"пятьдесят", 2, L"пятидесяти", 4, 1},   {L"стопятьдесят", 2, L"стопятьдесят", none, none},
        {L"доброхот", 4, L"доброхота", none, 1},  {L"грохот", 4, L"грохот", none, 0},
        {L"хвост", 4, L"хвост", 1, 0},            {L"прохвост", 4, L"прохвоста", 1, 1},
        {L"нок-аут", 2, L"нок-аута", 1, 0},       {L"хребет", 2, L"хребта", 1, 0},
        {L"фотограф", 4, L"фотографа", 1, 1},     {L"кинофотограф", 4, L"кинофотограф", 1, 0},
        {L"пуф-уфф", 2, L"пуф-уффа", 1, 0},       {L"пуфуфф", 2, L"пуфуфф", none, none},
        {L"видыш", 4, L"видыш", 1, 0},            {L"сидыш", 4, L"сидыша", 1, 1},
        {L"орденоносец", 4, L"орденоносца", 1, 1}, {L"миноносец", 4, L"миноносец", 1, 0},
        {L"молодец", 5, L"молодцом", 1, 1},       {L"колодец", 4, L"колодец", 1, 0},
        {L"шельмец", 4, L"шельмеца", 1, 1},       {L"бельмец", 4, L"бельмец", 1, 0},
        // -е, -о, -п: indeclinables still store; hundreds are whole words.
        {L"благозвучие", 2, L"благозвучия", 3, none}, {L"портье", 4, L"портье", 1, 1},
        {L"дальнейее", 4, L"дальнейее", none, none},  {L"третье", 3, L"третьему", none, none},
        {L"тристо", 2, L"трехсот", 4, none},      {L"петристо", 2, L"петристо", none, none},
        {L"ABCто", 2, L"ABCто", 3, none},         {L"бабето", 2, L"бабето", none, none},
        {L"подкоп", 4, L"подкоп", 1, 0},          {L"гидокоп", 4, L"гидокопа", 1, 1},
        // -ы, -и, -я: longer and conditional endings; unchanged rows still store.
        {L"бойцы", 2, L"бойцов", 4, 1},           {L"войцы", 2, L"войцев", 4, 1},
        {L"программы", 2, L"программ", 4, none},  {L"каллиграммы", 2, L"каллиграммов", 4, none},
        {L"тропы", 2, L"троп", 4, none},          {L"остропы", 2, L"остропов", 4, 1},
        {L"кандидатуры", 4, L"кандидатур", 4, 1}, {L"карикатуры", 4, L"карикатуры", 4, none},
        {L"мечты", 2, L"мечтаний", 4, none},      {L"налёты", 5, L"налёты", 4, none},
        {L"олухи", 2, L"олухов", 4, 1},           {L"поолухи", 2, L"поолух", 4, none},
        {L"ничьи", 4, L"ничьи", 4, none},         {L"колеи", 2, L"колей", 4, none},
        {L"сегодня", 3, L"сегодня", 0, none},     {L"развитийся", 2, L"развитийся", none, none},
        // Four letters: stores as listed, even against the paradigm.
        {L"баул", 4, L"баул", 1, 1},              {L"марс", 2, L"марса", none, none},
        {L"пётр", 1, L"петр", 1, 1},              {L"годы", 2, L"лет", 4, 0},
        {L"лёня", 2, L"лёни", 2, 1},              {L"леня", 2, L"лени", 1, 1},
    };
    // clang-format on
    for (const example& e : examples) expect_decl(e.word, e.c, e.form, e.gender, e.animate);
}
