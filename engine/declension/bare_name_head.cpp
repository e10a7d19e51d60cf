#include "engine/declension/bare_name_head.h"

#include <algorithm>
#include <array>
#include <string>
#include <vector>

#include "engine/declension/decline_word.h"
#include "engine/declension/legal_forms.h"
#include "engine/declension/public_body.h"
#include "engine/text/plain_text.h"
#include "engine/text/text_case.h"

namespace engine {

namespace {

struct typed_word {
    std::size_t start, end;
    std::wstring lowered;
};

std::vector<typed_word> words_of(std::wstring_view name) {
    std::vector<typed_word> words;
    for (std::size_t i = 0; i < name.size();) {
        while (i < name.size() && is_blank(name[i])) ++i;
        const std::size_t start = i;
        while (i < name.size() && !is_blank(name[i])) ++i;
        if (i > start)
            words.push_back({start, i, to_lower(std::wstring(name.substr(start, i - start)))});
    }
    return words;
}

template <std::size_t n>
bool is_listed(const std::array<std::wstring_view, n>& list, std::wstring_view word) {
    return std::find(list.begin(), list.end(), word) != list.end();
}

// Words that open a complement: prepositions, the number and name marks, the
// country and a city's mark.
constexpr std::array<std::wstring_view, 14> complement_openers = {
    L"по",  L"в",  L"во", L"на",   L"при",    L"для", L"у",
    L"им.", L"им", L"г.", L"гор.", L"россии", L"рф",  L"№"};
// A place in the genitive after its adjectives («Тверской области»).
constexpr std::array<std::wstring_view, 9> places_in_genitive = {
    L"области", L"края",      L"района",  L"округа", L"республики",
    L"города",  L"поселения", L"поселка", L"села"};

bool is_genitive_adjective(std::wstring_view word) {
    return word.size() >= 4 && (word.ends_with(L"ой") || word.ends_with(L"ого") ||
                                word.ends_with(L"его") || word.ends_with(L"ей"));
}

bool opens_complement(const std::vector<typed_word>& words, std::size_t k) {
    const std::wstring& word = words[k].lowered;
    if (word[0] == L'"' || word[0] == L'«' || word[0] == L'№') return true;
    if (is_listed(complement_openers, word)) return true;
    return word == L"российской" && k + 1 < words.size() &&
           words[k + 1].lowered.starts_with(L"федерации");
}

// The index of the word where the complement starts; words.size() when none does.
std::size_t complement_start(const std::vector<typed_word>& words) {
    for (std::size_t k = 1; k < words.size(); ++k) {
        if (opens_complement(words, k)) return k;
        if (is_listed(places_in_genitive, words[k].lowered)) {
            std::size_t start = k;
            while (start > 1 && is_genitive_adjective(words[start - 1].lowered)) --start;
            return start;
        }
    }
    return words.size();
}

// ЦЗН, СПбГУ, РАНХиГС: two capitals or more, and more capitals than small
// letters (ТехноСтрой is a name).
bool is_abbreviation(std::wstring_view word) {
    int capitals = 0, small = 0;
    for (wchar_t c : word) {
        if (!is_alpha_char(c)) continue;
        is_upper_char(c) ? ++capitals : ++small;
    }
    return capitals >= 2 && capitals > small;
}

}  // namespace

bare_name_head find_bare_name_head(std::wstring_view name) {
    const std::vector<typed_word> words = words_of(name);
    if (words.empty()) return {};
    const auto typed = [&](std::size_t k) {
        return name.substr(words[k].start, words[k].end - words[k].start);
    };
    // «Ромашка ООО»: the legal form written last heads the name.
    const std::size_t last = words.size() - 1;
    if (last > 0 && is_abbreviation(typed(last)) && !is_adjective(words[last - 1].lowered))
        if (const legal_form_row* form = find_legal_form(typed(last))) return {0, form->gender};
    const std::size_t head = complement_start(words) - 1;
    // An abbreviation no list knows: masculine and singular, as typed.
    if (is_abbreviation(typed(head))) return {head == 0 ? 0 : words[head - 1].end, 1};
    std::uint32_t gender = 0, animate = 0;
    decline_word(to_lower(std::wstring(name.substr(0, words[head].end))), 0, &gender, &animate);
    return {words[head].end, gender};
}

}  // namespace engine
