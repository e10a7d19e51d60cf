#include "engine/declension/paradigms.h"

#include <array>
#include <utility>

namespace engine {
namespace {

// One cell per case, nominative first. "" appends nothing, "=form" replaces
// the whole word, "~" returns the word as given, uncut.
struct paradigm_row {
    unsigned cut;
    std::array<const wchar_t*, 6> cells;
    bool accusative_by_animacy = false;
};

// Laid out like the reference table, one row per paradigm in number order.
// The numbers are part of every handler's data: a row must never move.
// clang-format off
constexpr paradigm_row k_paradigms[paradigm_count] = {
    {0, {L"", L"а", L"у", L"", L"ем", L"е"}},  // 001
    {1, {L"а", L"ы", L"е", L"у", L"ой", L"е"}},  // 002
    {1, {L"а", L"и", L"е", L"у", L"ой", L"е"}},  // 003
    {1, {L"а", L"и", L"е", L"у", L"ей", L"е"}},  // 004
    {1, {L"а", L"ов", L"ам", L"а", L"ами", L"ах"}},  // 005
    {1, {L"а", L"", L"ам", L"а", L"ами", L"ах"}},  // 006
    {1, {L"а", L"", L"ам", L"", L"ами", L"ах"}},  // 007
    {1, {L"и", L"ов", L"ам", L"ов", L"ами", L"ах"}},  // 008
    {3, {L"ьбы", L"еб", L"ьбам", L"ьбы", L"ьбами", L"ьбах"}},  // 009
    {1, {L"ы", L"ов", L"ам", L"ов", L"ами", L"ах"}},  // 010
    {1, {L"и", L"", L"ам", L"и", L"ами", L"ах"}},  // 011
    {1, {L"ы", L"", L"ам", L"ы", L"ами", L"ах"}},  // 012
    {1, {L"и", L"", L"ам", L"", L"ами", L"ах"}},  // 013
    {1, {L"ы", L"", L"ам", L"", L"ами", L"ах"}},  // 014
    {1, {L"и", L"ов", L"ам", L"и", L"ами", L"ах"}},  // 015
    {1, {L"ы", L"ов", L"ам", L"ы", L"ами", L"ах"}},  // 016
    {1, {L"ы", L"ев", L"ам", L"ы", L"ами", L"ах"}},  // 017
    {1, {L"и", L"ей", L"ам", L"и", L"ами", L"ах"}},  // 018
    {1, {L"и", L"ей", L"ам", L"ей", L"ами", L"ах"}},  // 019
    {1, {L"и", L"ей", L"ям", L"и", L"ями", L"ях"}},  // 020
    {1, {L"и", L"ей", L"ям", L"и", L"ьми", L"ях"}},  // 021
    {1, {L"и", L"ь", L"ям", L"и", L"ями", L"ях"}},  // 022
    {1, {L"и", L"ев", L"ям", L"и", L"ями", L"ях"}},  // 023
    {1, {L"и", L"ей", L"ям", L"ей", L"ьми", L"ях"}},  // 024
    {1, {L"и", L"ей", L"ям", L"ей", L"ями", L"ях"}},  // 025
    {1, {L"и", L"й", L"ям", L"й", L"ями", L"ях"}},  // 026
    {1, {L"и", L"их", L"им", L"их", L"ими", L"их"}},  // 027
    {2, {L"ки", L"ек", L"кам", L"ки", L"ками", L"ках"}},  // 028
    {2, {L"ки", L"ек", L"кам", L"ек", L"ками", L"ках"}},  // 029
    {3, {L"йки", L"ек", L"йкам", L"ек", L"йками", L"йках"}},  // 030
    {2, {L"ки", L"ок", L"кам", L"ки", L"ками", L"ках"}},  // 031
    {2, {L"ки", L"ок", L"кам", L"ок", L"ками", L"ках"}},  // 032
    {3, {L"ьги", L"ег", L"ьгам", L"ьги", L"ьгами", L"ьгах"}},  // 033
    {2, {L"ли", L"ель", L"лям", L"ли", L"лями", L"лях"}},  // 034
    {3, {L"йки", L"ек", L"йкам", L"йки", L"йками", L"йках"}},  // 035
    {3, {L"ьки", L"ек", L"ькам", L"ьки", L"ьками", L"ьках"}},  // 036
    {3, {L"ьки", L"ек", L"ькам", L"ек", L"ьками", L"ьках"}},  // 037
    {2, {L"лы", L"ол", L"лам", L"лы", L"лами", L"лах"}},  // 038
    {2, {L"лы", L"ел", L"лам", L"лы", L"лами", L"лах"}},  // 039
    {2, {L"ла", L"ел", L"лам", L"ла", L"лами", L"лах"}},  // 040
    {1, {L"ы", L"=лет", L"ам", L"ы", L"ами", L"ах"}},  // 041
    {3, {L"ень", L"ня", L"ню", L"ень", L"нем", L"не"}},  // 042
    {3, {L"ень", L"ня", L"ню", L"ня", L"нем", L"не"}},  // 043
    {1, {L"я", L"и", L"е", L"ю", L"ей", L"е"}},  // 044
    {1, {L"и", L"й", L"ям", L"и", L"ями", L"ях"}},  // 045
    {3, {L"ьни", L"ен", L"ьням", L"ьни", L"ьнями", L"ьнях"}},  // 046
    {1, {L"я", L"ени", L"ени", L"я", L"енем", L"ени"}},  // 047
    {1, {L"ь", L"и", L"и", L"ь", L"ью", L"и"}},  // 048
    {1, {L"ь", L"я", L"ю", L"ь", L"ем", L"е"}},  // 049
    {1, {L"~", L"я", L"ю", L"я", L"ем", L"е"}},  // 050
    {1, {L"ь", L"ери", L"ери", L"ь", L"ерью", L"ери"}},  // 051
    {1, {L"я", L"ей", L"ям", L"я", L"ями", L"ях"}},  // 052
    {1, {L"я", L"ей", L"ей", L"ю", L"ей", L"ей"}},  // 053
    {0, {L"", L"а", L"у", L"", L"ом", L"е"}},  // 054
    {0, {L"", L"а", L"у", L"а", L"ом", L"е"}},  // 055
    {0, {L"", L"а", L"у", L"а", L"ем", L"е"}},  // 056
    {2, {L"ец", L"ца", L"цу", L"ца", L"цом", L"це"}},  // 057
    {2, {L"ес", L"са", L"су", L"ес", L"сом", L"се"}},  // 058
    {1, {L"о", L"а", L"у", L"о", L"ом", L"е"}},  // 059
    {1, {L"о", L"а", L"у", L"о", L"ым", L"е"}},  // 060
    {2, {L"на", L"он", L"нам", L"на", L"нами", L"нах"}},  // 061
    {2, {L"ны", L"ен", L"нам", L"ны", L"нами", L"нах"}},  // 062
    {2, {L"ра", L"ер", L"рам", L"ра", L"рами", L"рах"}},  // 063
    {2, {L"ем", L"йма", L"йму", L"ем", L"ймом", L"йме"}},  // 064
    {2, {L"ел", L"ла", L"лу", L"ел", L"лом", L"ле"}},  // 065
    {2, {L"ел", L"ла", L"лу", L"ла", L"лом", L"ле"}},  // 066
    {2, {L"ол", L"ла", L"лу", L"ол", L"лом", L"ле"}},  // 067
    {2, {L"ек", L"йка", L"йку", L"ек", L"йком", L"йке"}},  // 068
    {1, {L"й", L"я", L"ю", L"я", L"ем", L"е"}},  // 069
    {1, {L"й", L"я", L"ю", L"й", L"ем", L"е"}},  // 070
    {1, {L"я", L"ев", L"ям", L"я", L"ями", L"ях"}},  // 071
    {2, {L"ей", L"ья", L"ью", L"ей", L"ьем", L"ье"}},  // 072
    {2, {L"ий", L"ого", L"ому", L"ий", L"им", L"ом"}, true},  // 073
    {2, {L"ий", L"его", L"ему", L"ий", L"им", L"ем"}, true},  // 074
    {2, {L"ой", L"ого", L"ому", L"ой", L"ым", L"ом"}, true},  // 075
    {2, {L"ый", L"ого", L"ому", L"ый", L"ым", L"ом"}, true},  // 076
    {0, {L"", L"х", L"м", L"", L"ми", L"х"}, true},  // 077
    {1, {L"е", L"х", L"м", L"е", L"ми", L"х"}, true},  // 078
    {1, {L"е", L"я", L"ю", L"е", L"ем", L"е"}},  // 079
    {1, {L"е", L"их", L"им", L"их", L"ими", L"их"}},  // 080
    {1, {L"е", L"его", L"ему", L"е", L"им", L"ем"}},  // 081
    {1, {L"е", L"его", L"ему", L"е", L"ем", L"ем"}},  // 082
    {0, {L"", L"его", L"ему", L"", L"им", L"ем"}},  // 083
    {2, {L"ая", L"ой", L"ой", L"ую", L"ой", L"ой"}},  // 084
    {2, {L"ая", L"ей", L"ей", L"ую", L"ей", L"ей"}},  // 085
    {2, {L"яя", L"ей", L"ей", L"юю", L"ей", L"ей"}},  // 086
    {1, {L"я", L"и", L"и", L"ю", L"ей", L"и"}},  // 087
    {1, {L"я", L"й", L"ям", L"я", L"ями", L"ях"}},  // 088
    {2, {L"ья", L"ей", L"ьям", L"ей", L"ьями", L"ьях"}},  // 089
    {1, {L"я", L"ев", L"ям", L"ев", L"ями", L"ях"}},  // 090
    {0, {L"=пятьдесят", L"=пятидесяти", L"=пятидесяти", L"=пятьдесят", L"=пятьюдесятью", L"=пятидесяти"}},  // 091
    {0, {L"=шестьдесят", L"=шестидесяти", L"=шестидесяти", L"=шестьдесят", L"=шестьюдесятью", L"=шестидесяти"}},  // 092
    {0, {L"=семьдесят", L"=семидесяти", L"=семидесяти", L"=семьдесят", L"=семьюдесятью", L"=семидесяти"}},  // 093
    {0, {L"=восемьдесят", L"=восьмидесяти", L"=восьмидесяти", L"=восемьдесят", L"=восьмьюдесятью", L"=восьмидесяти"}},  // 094
    {0, {L"=двести", L"=двухсот", L"=двумстам", L"=двести", L"=двумястами", L"=двухстах"}},  // 095
    {0, {L"=триста", L"=трехсот", L"=тремстам", L"=триста", L"=тремястами", L"=трехстах"}},  // 096
    {0, {L"=четыреста", L"=четырехсот", L"=четыремстам", L"=четыреста", L"=четырьмястами", L"=четырехстах"}},  // 097
    {0, {L"", L"=пятисот", L"=пятистам", L"", L"=пятьюстами", L"=пятистах"}},  // 098
    {0, {L"", L"=шестисот", L"=шестистам", L"", L"=шестьюстами", L"=шестистах"}},  // 099
    {0, {L"", L"=семисот", L"=семистам", L"", L"=семьюстами", L"=семистах"}},  // 100
    {0, {L"", L"=восьмисот", L"=восьмистам", L"", L"=восьмьюстами", L"=восьмистах"}},  // 101
    {0, {L"", L"=девятисот", L"=девятистам", L"", L"=девятьюстами", L"=девятистах"}},  // 102
    {1, {L"а", L"ой", L"ой", L"у", L"ой", L"ой"}},  // 103
    {2, {L"ни", L"ен", L"ням", L"ни", L"нями", L"нях"}},  // 104
    {1, {L"е", L"я", L"ю", L"е", L"ем", L"и"}},  // 105
    {1, {L"е", L"", L"ам", L"", L"ами", L"ах"}},  // 106
    {1, {L"е", L"а", L"у", L"е", L"ем", L"е"}},  // 107
    {1, {L"а", L"ы", L"е", L"у", L"ей", L"е"}},  // 108
    {2, {L"ья", L"ий", L"ьям", L"ья", L"ьями", L"ьях"}},  // 109
    {1, {L"а", L"ей", L"ам", L"ей", L"ами", L"ах"}},  // 110
    {0, {L"", L"а", L"у", L"а", L"ым", L"е"}},  // 111
    {0, {L"", L"а", L"у", L"", L"ым", L"е"}},  // 112
    {1, {L"а", L"ов", L"ам", L"ов", L"ами", L"ах"}},  // 113
    {1, {L"ы", L"ев", L"ам", L"ев", L"ами", L"ах"}},  // 114
    {2, {L"ей", L"ья", L"ью", L"ья", L"ьем", L"ье"}},  // 115
    {2, {L"ий", L"ьего", L"ьему", L"ий", L"ьим", L"ьем"}, true},  // 116
    {2, {L"ой", L"ого", L"ому", L"ой", L"им", L"ом"}, true},  // 117
    {1, {L"и", L"ев", L"ям", L"ев", L"ями", L"ях"}},  // 118
    {2, {L"ьи", L"их", L"им", L"ьи", L"ими", L"их"}, true},  // 119
    {3, {L"овь", L"ви", L"ви", L"овь", L"овью", L"ви"}},  // 120
    {3, {L"оть", L"тя", L"тю", L"оть", L"тем", L"те"}},  // 121
    {2, {L"ек", L"ка", L"ку", L"ек", L"ком", L"ке"}},  // 122
    {2, {L"ек", L"ька", L"ьку", L"ька", L"ьком", L"ьке"}},  // 123
    {2, {L"ек", L"ька", L"ьку", L"ек", L"ьком", L"ьке"}},  // 124
    {2, {L"ек", L"ка", L"ку", L"ка", L"ком", L"ке"}},  // 125
    {2, {L"ок", L"ка", L"ку", L"ок", L"ком", L"ке"}},  // 126
    {2, {L"ок", L"ка", L"ку", L"ка", L"ком", L"ке"}},  // 127
    {0, {L"", L"а", L"а", L"", L"а", L"а"}},  // 128
    {0, {L"", L"ого", L"ому", L"ого", L"ым", L"ом"}},  // 129
    {2, {L"ни", L"ен", L"ням", L"ен", L"нями", L"нях"}},  // 130
    {1, {L"о", L"ых", L"ым", L"ых", L"ыми", L"ых"}},  // 131
    {1, {L"а", L"ев", L"ам", L"а", L"ами", L"ах"}},  // 132
    {2, {L"ла", L"ол", L"лам", L"ла", L"лами", L"лах"}},  // 133
    {3, {L"ьма", L"ем", L"ьмам", L"ьма", L"ьмами", L"ьмах"}},  // 134
    {2, {L"на", L"ен", L"нам", L"на", L"нами", L"нах"}},  // 135
    {1, {L"о", L"а", L"а", L"о", L"а", L"а"}},  // 136
    {2, {L"ер", L"ра", L"ру", L"ра", L"ром", L"ре"}},  // 137
    {2, {L"ор", L"ра", L"ру", L"ра", L"ром", L"ре"}},  // 138
    {2, {L"ер", L"ра", L"ру", L"ер", L"ром", L"ре"}},  // 139
    {2, {L"ор", L"ра", L"ру", L"ор", L"ром", L"ре"}},  // 140
    {2, {L"ры", L"ер", L"рам", L"ер", L"рами", L"рах"}},  // 141
    {2, {L"ец", L"йца", L"йцу", L"йца", L"йцем", L"йце"}},  // 142
    {2, {L"ец", L"ца", L"цу", L"ец", L"цом", L"це"}},  // 143
    {2, {L"ец", L"ца", L"цу", L"ец", L"цем", L"це"}},  // 144
    {2, {L"ец", L"ца", L"цу", L"ца", L"цем", L"це"}},  // 145
    {2, {L"ец", L"ьца", L"ьцу", L"ьца", L"ьцем", L"ьце"}},  // 146
    {2, {L"ец", L"ьца", L"ьцу", L"ьца", L"ьцом", L"ьце"}},  // 147
    {2, {L"об", L"ба", L"бу", L"об", L"бом", L"бе"}},  // 148
    {2, {L"ов", L"ва", L"ву", L"ов", L"вом", L"ве"}},  // 149
    {2, {L"ед", L"ьда", L"ьду", L"ед", L"ьдом", L"ьде"}},  // 150
    {2, {L"ев", L"ьва", L"ьву", L"ьва", L"ьвом", L"ьве"}},  // 151
    {0, {L"", L"=его", L"=ему", L"=его", L"=им", L"=нем"}},  // 152
    {0, {L"", L"ого", L"ому", L"ого", L"им", L"ом"}},  // 153
    {1, {L"й", L"его", L"ему", L"й", L"им", L"ем"}},  // 154
    {2, {L"ей", L"его", L"ему", L"ей", L"им", L"ем"}},  // 155
    {2, {L"ие", L"его", L"ему", L"ие", L"им", L"ем"}},  // 156
    {0, {L"", L"=двух", L"=двум", L"", L"=двумя", L"=двух"}},  // 157
    {2, {L"от", L"та", L"ту", L"от", L"том", L"те"}},  // 158
    {2, {L"от", L"ого", L"ому", L"от", L"ем", L"ом"}},  // 159
    {1, {L"о", L"ого", L"ому", L"о", L"им", L"ом"}},  // 160
    {2, {L"он", L"на", L"ну", L"он", L"ном", L"не"}},  // 161
    {2, {L"ен", L"ьна", L"ьну", L"ен", L"ьном", L"ьне"}},  // 162
    {0, {L"=кто", L"=кого", L"=кому", L"=кого", L"=кем", L"=ком"}},  // 163
    {0, {L"=что", L"=чего", L"=чему", L"=что", L"=чем", L"=чем"}},  // 164
    {2, {L"ьи", L"ей", L"ьям", L"ьи", L"ьями", L"ьях"}},  // 165
    {2, {L"ьи", L"ий", L"ьям", L"ьи", L"ьями", L"ьях"}},  // 166
    {2, {L"ца", L"ец", L"цам", L"ца", L"цами", L"цах"}},  // 167
    {2, {L"ни", L"ень", L"ням", L"ни", L"нями", L"нях"}},  // 168
    {2, {L"ни", L"ень", L"ням", L"ень", L"нями", L"нях"}},  // 169
    {1, {L"я", L"ей", L"ям", L"ей", L"ями", L"ях"}},  // 170
    {2, {L"ни", L"онь", L"ням", L"ни", L"нями", L"нях"}},  // 171
    {2, {L"ьи", L"ей", L"ьям", L"ей", L"ьями", L"ьях"}},  // 172
    {3, {L"ьмы", L"ем", L"ьмам", L"ьмы", L"ьмами", L"ьмах"}},  // 173
    {3, {L"ьца", L"ец", L"ьцам", L"ьца", L"ьцами", L"ьцах"}},  // 174
    {1, {L"й", L"я", L"ю", L"я", L"ем", L"и"}},  // 175
    {1, {L"й", L"я", L"ю", L"й", L"ем", L"и"}},  // 176
    {1, {L"и", L"ь", L"ям", L"ь", L"ями", L"ях"}},  // 177
};
// clang-format on

// The one paradigm that also swaps a letter: сёстры declines on сестр-.
constexpr int k_yo_paradigm = 141;

}  // namespace

bool paradigm_takes_animacy(int number) {
    return number >= 1 && number <= paradigm_count && k_paradigms[number - 1].accusative_by_animacy;
}

std::wstring apply_paradigm(int number, std::wstring word, int c, std::uint32_t animate) {
    if (number < 1 || number > paradigm_count) return word;
    const paradigm_row& row = k_paradigms[number - 1];
    int cell = c;
    if (c == 4 && animate != 0 && row.accusative_by_animacy) cell = 2;
    const wchar_t* action = (cell >= 1 && cell <= 6) ? row.cells[cell - 1] : nullptr;
    if (action && action[0] == L'~') return word;
    if (action && action[0] == L'=') return std::wstring(action + 1);
    if (word.size() >= row.cut) word.resize(word.size() - row.cut);
    if (number == k_yo_paradigm) replace_yo(word);
    if (action) word += action;
    return word;
}

std::wstring paradigm_001(std::wstring w, int c) { return apply_paradigm(1, std::move(w), c); }
std::wstring paradigm_002(std::wstring w, int c) { return apply_paradigm(2, std::move(w), c); }
std::wstring paradigm_003(std::wstring w, int c) { return apply_paradigm(3, std::move(w), c); }
std::wstring paradigm_004(std::wstring w, int c) { return apply_paradigm(4, std::move(w), c); }
std::wstring paradigm_005(std::wstring w, int c) { return apply_paradigm(5, std::move(w), c); }
std::wstring paradigm_006(std::wstring w, int c) { return apply_paradigm(6, std::move(w), c); }
std::wstring paradigm_007(std::wstring w, int c) { return apply_paradigm(7, std::move(w), c); }
std::wstring paradigm_008(std::wstring w, int c) { return apply_paradigm(8, std::move(w), c); }
std::wstring paradigm_009(std::wstring w, int c) { return apply_paradigm(9, std::move(w), c); }
std::wstring paradigm_010(std::wstring w, int c) { return apply_paradigm(10, std::move(w), c); }
std::wstring paradigm_011(std::wstring w, int c) { return apply_paradigm(11, std::move(w), c); }
std::wstring paradigm_012(std::wstring w, int c) { return apply_paradigm(12, std::move(w), c); }
std::wstring paradigm_013(std::wstring w, int c) { return apply_paradigm(13, std::move(w), c); }
std::wstring paradigm_014(std::wstring w, int c) { return apply_paradigm(14, std::move(w), c); }
std::wstring paradigm_015(std::wstring w, int c) { return apply_paradigm(15, std::move(w), c); }
std::wstring paradigm_016(std::wstring w, int c) { return apply_paradigm(16, std::move(w), c); }
std::wstring paradigm_017(std::wstring w, int c) { return apply_paradigm(17, std::move(w), c); }
std::wstring paradigm_018(std::wstring w, int c) { return apply_paradigm(18, std::move(w), c); }
std::wstring paradigm_019(std::wstring w, int c) { return apply_paradigm(19, std::move(w), c); }
std::wstring paradigm_020(std::wstring w, int c) { return apply_paradigm(20, std::move(w), c); }
std::wstring paradigm_021(std::wstring w, int c) { return apply_paradigm(21, std::move(w), c); }
std::wstring paradigm_022(std::wstring w, int c) { return apply_paradigm(22, std::move(w), c); }
std::wstring paradigm_023(std::wstring w, int c) { return apply_paradigm(23, std::move(w), c); }
std::wstring paradigm_024(std::wstring w, int c) { return apply_paradigm(24, std::move(w), c); }
std::wstring paradigm_025(std::wstring w, int c) { return apply_paradigm(25, std::move(w), c); }
std::wstring paradigm_026(std::wstring w, int c) { return apply_paradigm(26, std::move(w), c); }
std::wstring paradigm_027(std::wstring w, int c) { return apply_paradigm(27, std::move(w), c); }
std::wstring paradigm_028(std::wstring w, int c) { return apply_paradigm(28, std::move(w), c); }
std::wstring paradigm_029(std::wstring w, int c) { return apply_paradigm(29, std::move(w), c); }
std::wstring paradigm_030(std::wstring w, int c) { return apply_paradigm(30, std::move(w), c); }
std::wstring paradigm_031(std::wstring w, int c) { return apply_paradigm(31, std::move(w), c); }
std::wstring paradigm_032(std::wstring w, int c) { return apply_paradigm(32, std::move(w), c); }
std::wstring paradigm_033(std::wstring w, int c) { return apply_paradigm(33, std::move(w), c); }
std::wstring paradigm_034(std::wstring w, int c) { return apply_paradigm(34, std::move(w), c); }
std::wstring paradigm_035(std::wstring w, int c) { return apply_paradigm(35, std::move(w), c); }
std::wstring paradigm_036(std::wstring w, int c) { return apply_paradigm(36, std::move(w), c); }
std::wstring paradigm_037(std::wstring w, int c) { return apply_paradigm(37, std::move(w), c); }
std::wstring paradigm_038(std::wstring w, int c) { return apply_paradigm(38, std::move(w), c); }
std::wstring paradigm_039(std::wstring w, int c) { return apply_paradigm(39, std::move(w), c); }
std::wstring paradigm_040(std::wstring w, int c) { return apply_paradigm(40, std::move(w), c); }
std::wstring paradigm_041(std::wstring w, int c) { return apply_paradigm(41, std::move(w), c); }
std::wstring paradigm_042(std::wstring w, int c) { return apply_paradigm(42, std::move(w), c); }
std::wstring paradigm_043(std::wstring w, int c) { return apply_paradigm(43, std::move(w), c); }
std::wstring paradigm_044(std::wstring w, int c) { return apply_paradigm(44, std::move(w), c); }
std::wstring paradigm_045(std::wstring w, int c) { return apply_paradigm(45, std::move(w), c); }
std::wstring paradigm_046(std::wstring w, int c) { return apply_paradigm(46, std::move(w), c); }
std::wstring paradigm_047(std::wstring w, int c) { return apply_paradigm(47, std::move(w), c); }
std::wstring paradigm_048(std::wstring w, int c) { return apply_paradigm(48, std::move(w), c); }
std::wstring paradigm_049(std::wstring w, int c) { return apply_paradigm(49, std::move(w), c); }
std::wstring paradigm_050(std::wstring w, int c) { return apply_paradigm(50, std::move(w), c); }
std::wstring paradigm_051(std::wstring w, int c) { return apply_paradigm(51, std::move(w), c); }
std::wstring paradigm_052(std::wstring w, int c) { return apply_paradigm(52, std::move(w), c); }
std::wstring paradigm_053(std::wstring w, int c) { return apply_paradigm(53, std::move(w), c); }
std::wstring paradigm_054(std::wstring w, int c) { return apply_paradigm(54, std::move(w), c); }
std::wstring paradigm_055(std::wstring w, int c) { return apply_paradigm(55, std::move(w), c); }
std::wstring paradigm_056(std::wstring w, int c) { return apply_paradigm(56, std::move(w), c); }
std::wstring paradigm_057(std::wstring w, int c) { return apply_paradigm(57, std::move(w), c); }
std::wstring paradigm_058(std::wstring w, int c) { return apply_paradigm(58, std::move(w), c); }
std::wstring paradigm_059(std::wstring w, int c) { return apply_paradigm(59, std::move(w), c); }
std::wstring paradigm_060(std::wstring w, int c) { return apply_paradigm(60, std::move(w), c); }
std::wstring paradigm_061(std::wstring w, int c) { return apply_paradigm(61, std::move(w), c); }
std::wstring paradigm_062(std::wstring w, int c) { return apply_paradigm(62, std::move(w), c); }
std::wstring paradigm_063(std::wstring w, int c) { return apply_paradigm(63, std::move(w), c); }
std::wstring paradigm_064(std::wstring w, int c) { return apply_paradigm(64, std::move(w), c); }
std::wstring paradigm_065(std::wstring w, int c) { return apply_paradigm(65, std::move(w), c); }
std::wstring paradigm_066(std::wstring w, int c) { return apply_paradigm(66, std::move(w), c); }
std::wstring paradigm_067(std::wstring w, int c) { return apply_paradigm(67, std::move(w), c); }
std::wstring paradigm_068(std::wstring w, int c) { return apply_paradigm(68, std::move(w), c); }
std::wstring paradigm_069(std::wstring w, int c) { return apply_paradigm(69, std::move(w), c); }
std::wstring paradigm_070(std::wstring w, int c) { return apply_paradigm(70, std::move(w), c); }
std::wstring paradigm_071(std::wstring w, int c) { return apply_paradigm(71, std::move(w), c); }
std::wstring paradigm_072(std::wstring w, int c) { return apply_paradigm(72, std::move(w), c); }
std::wstring paradigm_073(std::wstring w, int c, std::uint32_t animate) {
    return apply_paradigm(73, std::move(w), c, animate);
}
std::wstring paradigm_074(std::wstring w, int c, std::uint32_t animate) {
    return apply_paradigm(74, std::move(w), c, animate);
}
std::wstring paradigm_075(std::wstring w, int c, std::uint32_t animate) {
    return apply_paradigm(75, std::move(w), c, animate);
}
std::wstring paradigm_076(std::wstring w, int c, std::uint32_t animate) {
    return apply_paradigm(76, std::move(w), c, animate);
}
std::wstring paradigm_077(std::wstring w, int c, std::uint32_t animate) {
    return apply_paradigm(77, std::move(w), c, animate);
}
std::wstring paradigm_078(std::wstring w, int c, std::uint32_t animate) {
    return apply_paradigm(78, std::move(w), c, animate);
}
std::wstring paradigm_079(std::wstring w, int c) { return apply_paradigm(79, std::move(w), c); }
std::wstring paradigm_080(std::wstring w, int c) { return apply_paradigm(80, std::move(w), c); }
std::wstring paradigm_081(std::wstring w, int c) { return apply_paradigm(81, std::move(w), c); }
std::wstring paradigm_082(std::wstring w, int c) { return apply_paradigm(82, std::move(w), c); }
std::wstring paradigm_083(std::wstring w, int c) { return apply_paradigm(83, std::move(w), c); }
std::wstring paradigm_084(std::wstring w, int c) { return apply_paradigm(84, std::move(w), c); }
std::wstring paradigm_085(std::wstring w, int c) { return apply_paradigm(85, std::move(w), c); }
std::wstring paradigm_086(std::wstring w, int c) { return apply_paradigm(86, std::move(w), c); }
std::wstring paradigm_087(std::wstring w, int c) { return apply_paradigm(87, std::move(w), c); }
std::wstring paradigm_088(std::wstring w, int c) { return apply_paradigm(88, std::move(w), c); }
std::wstring paradigm_089(std::wstring w, int c) { return apply_paradigm(89, std::move(w), c); }
std::wstring paradigm_090(std::wstring w, int c) { return apply_paradigm(90, std::move(w), c); }
std::wstring paradigm_091(std::wstring w, int c) { return apply_paradigm(91, std::move(w), c); }
std::wstring paradigm_092(std::wstring w, int c) { return apply_paradigm(92, std::move(w), c); }
std::wstring paradigm_093(std::wstring w, int c) { return apply_paradigm(93, std::move(w), c); }
std::wstring paradigm_094(std::wstring w, int c) { return apply_paradigm(94, std::move(w), c); }
std::wstring paradigm_095(std::wstring w, int c) { return apply_paradigm(95, std::move(w), c); }
std::wstring paradigm_096(std::wstring w, int c) { return apply_paradigm(96, std::move(w), c); }
std::wstring paradigm_097(std::wstring w, int c) { return apply_paradigm(97, std::move(w), c); }
std::wstring paradigm_098(std::wstring w, int c) { return apply_paradigm(98, std::move(w), c); }
std::wstring paradigm_099(std::wstring w, int c) { return apply_paradigm(99, std::move(w), c); }
std::wstring paradigm_100(std::wstring w, int c) { return apply_paradigm(100, std::move(w), c); }
std::wstring paradigm_101(std::wstring w, int c) { return apply_paradigm(101, std::move(w), c); }
std::wstring paradigm_102(std::wstring w, int c) { return apply_paradigm(102, std::move(w), c); }
std::wstring paradigm_103(std::wstring w, int c) { return apply_paradigm(103, std::move(w), c); }
std::wstring paradigm_104(std::wstring w, int c) { return apply_paradigm(104, std::move(w), c); }
std::wstring paradigm_105(std::wstring w, int c) { return apply_paradigm(105, std::move(w), c); }
std::wstring paradigm_106(std::wstring w, int c) { return apply_paradigm(106, std::move(w), c); }
std::wstring paradigm_107(std::wstring w, int c) { return apply_paradigm(107, std::move(w), c); }
std::wstring paradigm_108(std::wstring w, int c) { return apply_paradigm(108, std::move(w), c); }
std::wstring paradigm_109(std::wstring w, int c) { return apply_paradigm(109, std::move(w), c); }
std::wstring paradigm_110(std::wstring w, int c) { return apply_paradigm(110, std::move(w), c); }
std::wstring paradigm_111(std::wstring w, int c) { return apply_paradigm(111, std::move(w), c); }
std::wstring paradigm_112(std::wstring w, int c) { return apply_paradigm(112, std::move(w), c); }
std::wstring paradigm_113(std::wstring w, int c) { return apply_paradigm(113, std::move(w), c); }
std::wstring paradigm_114(std::wstring w, int c) { return apply_paradigm(114, std::move(w), c); }
std::wstring paradigm_115(std::wstring w, int c) { return apply_paradigm(115, std::move(w), c); }
std::wstring paradigm_116(std::wstring w, int c, std::uint32_t animate) {
    return apply_paradigm(116, std::move(w), c, animate);
}
std::wstring paradigm_117(std::wstring w, int c, std::uint32_t animate) {
    return apply_paradigm(117, std::move(w), c, animate);
}
std::wstring paradigm_118(std::wstring w, int c) { return apply_paradigm(118, std::move(w), c); }
std::wstring paradigm_119(std::wstring w, int c, std::uint32_t animate) {
    return apply_paradigm(119, std::move(w), c, animate);
}
std::wstring paradigm_120(std::wstring w, int c) { return apply_paradigm(120, std::move(w), c); }
std::wstring paradigm_121(std::wstring w, int c) { return apply_paradigm(121, std::move(w), c); }
std::wstring paradigm_122(std::wstring w, int c) { return apply_paradigm(122, std::move(w), c); }
std::wstring paradigm_123(std::wstring w, int c) { return apply_paradigm(123, std::move(w), c); }
std::wstring paradigm_124(std::wstring w, int c) { return apply_paradigm(124, std::move(w), c); }
std::wstring paradigm_125(std::wstring w, int c) { return apply_paradigm(125, std::move(w), c); }
std::wstring paradigm_126(std::wstring w, int c) { return apply_paradigm(126, std::move(w), c); }
std::wstring paradigm_127(std::wstring w, int c) { return apply_paradigm(127, std::move(w), c); }
std::wstring paradigm_128(std::wstring w, int c) { return apply_paradigm(128, std::move(w), c); }
std::wstring paradigm_129(std::wstring w, int c) { return apply_paradigm(129, std::move(w), c); }
std::wstring paradigm_130(std::wstring w, int c) { return apply_paradigm(130, std::move(w), c); }
std::wstring paradigm_131(std::wstring w, int c) { return apply_paradigm(131, std::move(w), c); }
std::wstring paradigm_132(std::wstring w, int c) { return apply_paradigm(132, std::move(w), c); }
std::wstring paradigm_133(std::wstring w, int c) { return apply_paradigm(133, std::move(w), c); }
std::wstring paradigm_134(std::wstring w, int c) { return apply_paradigm(134, std::move(w), c); }
std::wstring paradigm_135(std::wstring w, int c) { return apply_paradigm(135, std::move(w), c); }
std::wstring paradigm_136(std::wstring w, int c) { return apply_paradigm(136, std::move(w), c); }
std::wstring paradigm_137(std::wstring w, int c) { return apply_paradigm(137, std::move(w), c); }
std::wstring paradigm_138(std::wstring w, int c) { return apply_paradigm(138, std::move(w), c); }
std::wstring paradigm_139(std::wstring w, int c) { return apply_paradigm(139, std::move(w), c); }
std::wstring paradigm_140(std::wstring w, int c) { return apply_paradigm(140, std::move(w), c); }
std::wstring paradigm_141(std::wstring w, int c) { return apply_paradigm(141, std::move(w), c); }
std::wstring paradigm_142(std::wstring w, int c) { return apply_paradigm(142, std::move(w), c); }
std::wstring paradigm_143(std::wstring w, int c) { return apply_paradigm(143, std::move(w), c); }
std::wstring paradigm_144(std::wstring w, int c) { return apply_paradigm(144, std::move(w), c); }
std::wstring paradigm_145(std::wstring w, int c) { return apply_paradigm(145, std::move(w), c); }
std::wstring paradigm_146(std::wstring w, int c) { return apply_paradigm(146, std::move(w), c); }
std::wstring paradigm_147(std::wstring w, int c) { return apply_paradigm(147, std::move(w), c); }
std::wstring paradigm_148(std::wstring w, int c) { return apply_paradigm(148, std::move(w), c); }
std::wstring paradigm_149(std::wstring w, int c) { return apply_paradigm(149, std::move(w), c); }
std::wstring paradigm_150(std::wstring w, int c) { return apply_paradigm(150, std::move(w), c); }
std::wstring paradigm_151(std::wstring w, int c) { return apply_paradigm(151, std::move(w), c); }
std::wstring paradigm_152(std::wstring w, int c) { return apply_paradigm(152, std::move(w), c); }
std::wstring paradigm_153(std::wstring w, int c) { return apply_paradigm(153, std::move(w), c); }
std::wstring paradigm_154(std::wstring w, int c) { return apply_paradigm(154, std::move(w), c); }
std::wstring paradigm_155(std::wstring w, int c) { return apply_paradigm(155, std::move(w), c); }
std::wstring paradigm_156(std::wstring w, int c) { return apply_paradigm(156, std::move(w), c); }
std::wstring paradigm_157(std::wstring w, int c) { return apply_paradigm(157, std::move(w), c); }
std::wstring paradigm_158(std::wstring w, int c) { return apply_paradigm(158, std::move(w), c); }
std::wstring paradigm_159(std::wstring w, int c) { return apply_paradigm(159, std::move(w), c); }
std::wstring paradigm_160(std::wstring w, int c) { return apply_paradigm(160, std::move(w), c); }
std::wstring paradigm_161(std::wstring w, int c) { return apply_paradigm(161, std::move(w), c); }
std::wstring paradigm_162(std::wstring w, int c) { return apply_paradigm(162, std::move(w), c); }
std::wstring paradigm_163(std::wstring w, int c) { return apply_paradigm(163, std::move(w), c); }
std::wstring paradigm_164(std::wstring w, int c) { return apply_paradigm(164, std::move(w), c); }
std::wstring paradigm_165(std::wstring w, int c) { return apply_paradigm(165, std::move(w), c); }
std::wstring paradigm_166(std::wstring w, int c) { return apply_paradigm(166, std::move(w), c); }
std::wstring paradigm_167(std::wstring w, int c) { return apply_paradigm(167, std::move(w), c); }
std::wstring paradigm_168(std::wstring w, int c) { return apply_paradigm(168, std::move(w), c); }
std::wstring paradigm_169(std::wstring w, int c) { return apply_paradigm(169, std::move(w), c); }
std::wstring paradigm_170(std::wstring w, int c) { return apply_paradigm(170, std::move(w), c); }
std::wstring paradigm_171(std::wstring w, int c) { return apply_paradigm(171, std::move(w), c); }
std::wstring paradigm_172(std::wstring w, int c) { return apply_paradigm(172, std::move(w), c); }
std::wstring paradigm_173(std::wstring w, int c) { return apply_paradigm(173, std::move(w), c); }
std::wstring paradigm_174(std::wstring w, int c) { return apply_paradigm(174, std::move(w), c); }
std::wstring paradigm_175(std::wstring w, int c) { return apply_paradigm(175, std::move(w), c); }
std::wstring paradigm_176(std::wstring w, int c) { return apply_paradigm(176, std::move(w), c); }
std::wstring paradigm_177(std::wstring w, int c) { return apply_paradigm(177, std::move(w), c); }

std::wstring& trim_trailing_zeros(std::wstring& word) {
    std::size_t end = word.find_last_not_of(L'0');
    word.erase(end == std::wstring::npos ? 0 : end + 1);
    return word;
}

std::wstring tail_chars(const std::wstring& word, std::size_t n) {
    if (word.size() < n) return std::wstring();
    return word.substr(word.size() - n);
}

std::wstring& replace_yo(std::wstring& word) {
    std::size_t at = word.find(L'ё');
    if (at != std::wstring::npos) word[at] = L'е';
    return word;
}

}  // namespace engine
