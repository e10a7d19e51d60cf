// The modifiers of a person's or an organisation's name: a case letter
// (р д в т п) and the words that ask for a part of the name, read into the
// plain request the declension floor takes. Each name kind keeps its words in
// a table of `part_keyword` rows.
#pragma once

#include <array>
#include <string>
#include <string_view>
#include <vector>

#include "engine/fields/expr_token.h"
#include "engine/text/word_key.h"

namespace engine {

// 2 genitive ... 6 prepositional for a case letter, else 0.
inline int case_of_letter(const std::wstring& key) {
    const std::size_t letter =
        key.size() == 1 ? std::wstring_view(L"рдвтп").find(key[0]) : std::wstring_view::npos;
    return letter == std::wstring_view::npos ? 0 : static_cast<int>(letter) + 2;
}

// A word key and the flag of `Request` it sets.
template <class Request>
struct part_keyword {
    std::wstring_view key;
    bool Request::*part;
};

// `Request` has `grammatical_case` and `any`, which is set when a modifier
// was understood; other words are passed over.
template <class Request, std::size_t N>
Request read_name_modifiers(const std::vector<expr_token>& modifiers,
                            const std::array<part_keyword<Request>, N>& parts) {
    Request request;
    for (const expr_token& modifier : modifiers) {
        const std::wstring key = make_word_key(modifier.text);
        if (const int c = case_of_letter(key)) {
            request.grammatical_case = c;
            request.any = true;
        }
        for (const part_keyword<Request>& keyword : parts)
            if (key == keyword.key) request.*keyword.part = request.any = true;
    }
    return request;
}

template <class Request, std::size_t N>
std::vector<std::wstring_view> keys_of(const std::array<part_keyword<Request>, N>& parts) {
    std::vector<std::wstring_view> keys;
    for (const part_keyword<Request>& keyword : parts) keys.push_back(keyword.key);
    return keys;
}

}  // namespace engine
