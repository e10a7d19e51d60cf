#include "engine/render/money_forms.h"

#include <algorithm>
#include <array>
#include <string_view>

#include "engine/render/page_texts.h"
#include "engine/render/script_lexer.h"
#include "engine/text/text_case.h"
#include "engine/text/word_key.h"

namespace engine {

namespace {

constexpr std::array<std::wstring_view, 4> money_forms = {L"валюта", L"валюта|прописью",
                                                          L"currency", L"currency|in|words"};

// Most texts name no money form: they are not lexed.
bool may_name_money(std::wstring_view text) {
    for (std::size_t at = text.find(L':'); at != std::wstring_view::npos;
         at = text.find(L':', at + 1)) {
        std::size_t first = at;
        while (first > 0 && is_alpha_char(text[first - 1])) --first;
        const std::wstring_view word = text.substr(first, at - first);
        if (word.size() < 5) continue;
        const wchar_t initial = to_lower_char(word[0]);
        if (initial == L'в' || initial == L'c' || initial == L'п' || initial == L'w') return true;
    }
    return false;
}

void gather(std::wstring_view text, std::vector<std::wstring>& keys, int depth) {
    if (depth > 4 || !may_name_money(text)) return;
    bool money = false;
    for (const script_token& token : lex_script(text)) {
        if (token.type == script_token_type::modifier) {
            const std::wstring key = make_word_key(token.text);
            money = money ||
                    std::find(money_forms.begin(), money_forms.end(), key) != money_forms.end();
            continue;
        }
        if (token.type == script_token_type::word && money) {
            std::wstring key = make_word_key(token.text);
            if (std::find(keys.begin(), keys.end(), key) == keys.end())
                keys.push_back(std::move(key));
        } else if (token.type == script_token_type::nested_condition ||
                   token.type == script_token_type::quoted) {
            gather(token.text, keys, depth + 1);
        }
        money = false;
    }
}

}  // namespace

std::vector<std::wstring> money_field_keys(const document_data& data) {
    std::vector<std::wstring> keys;
    for_each_page_text(data, [&](const std::wstring& text) { gather(text, keys, 0); });
    // A value may be a script of its own that prints another field.
    for (std::size_t s = 0; s < group_count_of(data.parameters); ++s) {
        const doc_group& section = data.parameters.groups[s];
        for (std::size_t f = 0; f < element_count_of(section); ++f)
            gather(section.elements[f].record.s2, keys, 0);
    }
    return keys;
}

}  // namespace engine
