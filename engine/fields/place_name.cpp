#include "engine/fields/place_name.h"

#include <algorithm>
#include <iterator>

#include "engine/declension/copy_letter_case.h"
#include "engine/text/plain_text.h"
#include "engine/text/text_case.h"
#include "engine/text/word_key.h"

namespace engine {

namespace {

constexpr std::wstring_view keyword = L"место";

// Words that say what kind of place follows, folded (small letters, «е» for
// «ё», no point); words of a phrase are parted by a blank.
// clang-format off
constexpr std::wstring_view place_words[] = {
    // a town or a village with its word
    L"г", L"гор", L"город", L"г.-к", L"город-курорт", L"зато", L"городок",
    L"д", L"дер", L"деревня", L"п", L"пос", L"поселок", L"пгт", L"рп", L"кп", L"дп",
    L"гп", L"нп", L"с", L"село", L"сл", L"слобода", L"ст-ца", L"станица", L"станция", L"х",
    L"хут", L"хутор", L"аул", L"аал", L"улус", L"мкр", L"микрорайон", L"рзд", L"разъезд",
    L"высел", L"выселки", L"починок", L"заимка", L"кишлак",
    // a garden or dacha partnership
    L"снт", L"днт", L"днп", L"тсн", L"снтсн", L"спк", L"нст", L"дпк", L"садовое товарищество",
    L"садоводческое", L"товарищество", L"партнерство",
    // a street
    L"ул", L"улица", L"пр-т", L"проспект", L"пр", L"пер", L"переулок", L"проезд", L"б-р",
    L"бульвар", L"наб", L"шоссе", L"пл", L"площадь",
};

// A region or a district: after an adjective too («Московская обл.»).
constexpr std::wstring_view region_words[] = {
    L"обл", L"область", L"край", L"кр", L"р-н", L"район", L"респ", L"республика", L"ао",
    L"округ", L"м о", L"городской округ", L"пст", L"поселение", L"муниципальное образование",
};

// Written in these letters only: «ст. Каневская» is a village, «Ст. Оскол» a
// town; «СТ «Ромашка»» a partnership; «МО», not «Мо» or «МОСКВА».
constexpr std::wstring_view exact_words[] = {
    L"ст", L"СТ", L"МО", L"ГО", L"ЛО", L"ХМАО", L"ЯНАО", L"НАО", L"ЕАО", L"ТиНАО",
    L"КЧР", L"КБР", L"РТ", L"РБ",
};

// Russia and its regions named without their word, matched against the
// whole part: «Крым», not «Крымск».
constexpr std::wstring_view region_names[] = {
    L"россия", L"российская федерация", L"рф",
    L"адыгея", L"алтай", L"башкортостан", L"башкирия", L"бурятия", L"дагестан",
    L"ингушетия", L"кабардино-балкария", L"калмыкия", L"карачаево-черкесия", L"карелия",
    L"коми", L"крым", L"марий эл", L"мордовия", L"саха", L"саха (якутия)", L"якутия",
    L"северная осетия", L"северная осетия - алания", L"северная осетия – алания",
    L"осетия", L"алания", L"татарстан", L"тыва", L"тува", L"удмуртия", L"хакасия",
    L"чечня", L"чечения", L"чувашия",
    L"подмосковье", L"мособласть", L"ленобласть", L"кузбасс", L"югра", L"ямал",
    L"чукотка", L"камчатка", L"приморье", L"кубань", L"ставрополье", L"забайкалье",
    L"прикамье", L"зауралье", L"сахалин", L"таймыр", L"хмао-югра",
};
// clang-format on

constexpr std::wstring_view adjective_endings[] = {L"ая", L"ий", L"ый", L"ой", L"ое"};
// A region after a town in the genitive («Обнинск Калужской обл.») is that
// town's.
constexpr std::wstring_view genitive_endings[] = {L"ой", L"ей", L"ого", L"его"};

struct place_word {
    std::wstring_view typed;  // without its final point
    std::wstring folded;
    bool small = false;
};

bool ends_with_one_of(std::wstring_view word, auto const& endings) {
    return std::any_of(std::begin(endings), std::end(endings), [&](std::wstring_view ending) {
        return word.size() > ending.size() && word.ends_with(ending);
    });
}

bool is_adjective(const place_word& word) {
    return std::all_of(word.folded.begin(), word.folded.end(),
                       [](wchar_t c) { return is_alpha_char(c) || is_hyphen(c); }) &&
           ends_with_one_of(word.folded, adjective_endings);
}

// The words of a part, parted by blanks and by a point a letter follows
// («г.Москва»); a point, a hyphen and a letter carry a name on
// («С.-Петербург»).
std::vector<place_word> words_of(std::wstring_view part) {
    std::vector<place_word> words;
    auto add = [&](std::wstring_view word) {
        if (word.size() > 1 && word.back() == L'.') word.remove_suffix(1);
        if (word.empty()) return;
        words.push_back(
            {word, folded_phrase(word), is_alpha_char(word[0]) && !is_upper_char(word[0])});
    };
    std::size_t start = 0;
    for (std::size_t i = 0; i <= part.size(); ++i) {
        if (i == part.size() || is_typed_space(part[i])) {
            add(part.substr(start, i - start));
            start = i + 1;
        } else if (part[i] == L'.' && i + 1 < part.size() && is_alpha_char(part[i + 1])) {
            add(part.substr(start, i + 1 - start));
            start = i + 1;
        }
    }
    return words;
}

// Whether `typed` begins with `word` as a whole word: what follows is no
// letter, no hyphen and no point before a hyphen («с/п», «СНТ«Ромашка»» begin
// with «с», «СНТ»; «ст-ца», «С.-Петербург» do not begin with «ст», «с»).
bool begins_with(std::wstring_view typed, std::wstring_view word) {
    if (!typed.starts_with(word)) return false;
    if (typed.size() == word.size()) return true;
    const wchar_t next = typed[word.size()];
    if (next == L'.') return word.size() + 1 == typed.size() || !is_hyphen(typed[word.size() + 1]);
    return !is_alpha_char(next) && !is_hyphen(next);
}

// Whether the phrase (words parted by a blank) stands at `at`.
bool phrase_at(const std::vector<place_word>& words, std::size_t at, std::wstring_view phrase,
               bool exactly) {
    while (true) {
        const std::size_t blank = phrase.find(L' ');
        if (at >= words.size()) return false;
        const std::wstring_view word = phrase.substr(0, blank);
        const std::wstring_view typed = exactly ? words[at].typed : words[at].folded;
        if (blank == std::wstring_view::npos) return begins_with(typed, word);
        if (typed != word) return false;
        phrase.remove_prefix(blank + 1);
        ++at;
    }
}

bool any_at(const std::vector<place_word>& words, std::size_t at, auto const& phrases,
            bool exactly = false) {
    return std::any_of(std::begin(phrases), std::end(phrases), [&](std::wstring_view phrase) {
        return phrase_at(words, at, phrase, exactly);
    });
}

bool names_a_place_kind(const std::vector<place_word>& words) {
    if (any_at(words, 0, place_words) || any_at(words, 0, region_words) ||
        any_at(words, 0, exact_words, true))
        return true;
    if (words.size() > 1 && is_adjective(words[0]) && any_at(words, 1, region_words)) return true;
    // Further in, a kind of place counts written small («рабочий посёлок
    // Столбовая»); «Красное Село» is a name.
    for (std::size_t i = 1; i < words.size(); ++i) {
        if (!words[i].small) continue;
        if (any_at(words, i, place_words) || any_at(words, i, exact_words, true)) return true;
        if (any_at(words, i, region_words) &&
            (i < 2 || !ends_with_one_of(words[i - 1].folded, genitive_endings)))
            return true;
    }
    return false;
}

bool is_town(std::wstring_view value) {
    const std::vector<std::wstring> parts = split(value, L',');
    const std::vector<place_word> words = words_of(parts[0]);
    if (words.empty()) return false;
    if (words.size() == 1 && words[0].folded == L"починок") return true;
    if (is_digit(words[0].typed[0])) return false;
    const std::wstring whole = folded_phrase(parts[0]);
    if (std::find(std::begin(region_names), std::end(region_names), whole) !=
        std::end(region_names))
        return false;
    if (names_a_place_kind(words)) return false;
    for (std::size_t i = 1; i < parts.size(); ++i) {
        const std::vector<place_word> later = words_of(parts[i]);
        if (!later.empty() && (later[0].folded == L"г" || later[0].folded == L"город"))
            return false;
    }
    return true;
}

}  // namespace

bool asks_place_name(const std::vector<expr_token>& format_words) {
    return format_words.size() == 1 && make_word_key(format_words[0].text) == keyword;
}

std::wstring render_place_name(std::wstring_view value) {
    const std::wstring_view place = trimmed_typed(value);
    if (place.empty()) return {};
    if (!is_town(place)) return std::wstring(place);
    // A town typed in small letters gets its capital («москва»).
    std::wstring town(place);
    copy_letter_case(L"Город", town);
    return L"г.&nbsp;" + town;
}

std::vector<std::wstring_view> place_name_keywords() { return {keyword}; }

}  // namespace engine
