#include "engine/declension/word_list.h"

#include <string_view>
#include <utility>

#include "engine/declension/paradigms.h"
#include "engine/declension/row_outcome.h"

namespace engine {
namespace {

struct irregular_word {
    std::wstring_view word;
    std::wstring_view forms[6];
};

// clang-format off
constexpr irregular_word k_irregular[] = {
    {L"ты",   {L"ты",   L"тебя",  L"тебе",   L"тебя", L"тобой",   L"тебе"}},
    {L"мы",   {L"мы",   L"нас",   L"нам",    L"нас",  L"нами",    L"нас"}},
    {L"вы",   {L"вы",   L"вас",   L"вам",    L"вас",  L"вами",    L"вас"}},
    {L"то",   {L"то",   L"того",  L"тому",   L"то",   L"тем",     L"том"}},
    {L"те",   {L"те",   L"тех",   L"тем",    L"те",   L"теми",    L"тех"}},
    {L"она",  {L"она",  L"ее",    L"ей",     L"ее",   L"ею",      L"ней"}},
    {L"оба",  {L"оба",  L"обоих", L"обоим",  L"оба",  L"обоими",  L"обоих"}},
    {L"они",  {L"они",  L"их",    L"им",     L"их",   L"ими",     L"них"}},
    {L"три",  {L"три",  L"трех",  L"трем",   L"три",  L"тремя",   L"трех"}},
    {L"боец", {L"боец", L"бойца", L"бойцу",  L"бойца", L"бойцом", L"бойце"}},
    {L"заяц", {L"заяц", L"зайца", L"зайцу",  L"зайца", L"зайцем", L"зайце"}},
    {L"елец", {L"елец", L"ельца", L"ельцу",  L"елец", L"ельцом",  L"ельце"}},
    {L"яйца", {L"яйца", L"яиц",   L"яйцам",  L"яйца", L"яйцами",  L"яйцах"}},
    {L"ложе", {L"ложе", L"ложи",  L"ложу",   L"ложе", L"ложем",   L"ложе"}},
};
// clang-format on

// Cases outside 1..6 never come from decline_word; such a call keeps the word.
std::wstring own_form(int outcome, std::wstring word, int c) {
    if (outcome == yo_replaced_then_055) return paradigm_055(std::move(replace_yo(word)), c);
    if (c < 1 || c > 6) return word;
    if (outcome == plural_pronoun_forms) {
        static constexpr const wchar_t* endings[6] = {L"", L"х", L"м", L"", L"ми", L"х"};
        return word + endings[c - 1];
    }
    for (const irregular_word& entry : k_irregular) {
        if (entry.word == word) return std::wstring(entry.forms[c - 1]);
    }
    return word;
}

}  // namespace

std::wstring decline_by_list_row(const rule_row& row, std::wstring word, int c,
                                 std::uint32_t* gender, std::uint32_t* animate) {
    const std::uint32_t supplied = row.animacy == from_input ? read_input_slot(animate) : 0;
    std::wstring result;
    if (row.outcome == keep_word)
        result = std::move(word);
    else if (row.outcome < own_outcome)
        result = apply_paradigm(row.outcome, std::move(word), c, supplied);
    else
        result = own_form(row.outcome, std::move(word), c);
    store_row_values(row, gender, animate);
    return result;
}

std::wstring decline_by_list(const rule_table& list, std::wstring word, int c,
                             std::uint32_t* gender, std::uint32_t* animate) {
    const rule_row* row = list.find(word);
    if (!row) return word;
    return decline_by_list_row(*row, std::move(word), c, gender, animate);
}

}  // namespace engine
