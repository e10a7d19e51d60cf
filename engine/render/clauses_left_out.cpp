#include "engine/render/clauses_left_out.h"

#include <algorithm>
#include <span>

#include "engine/render/page_texts.h"
#include "engine/render/script_lexer.h"
#include "engine/text/word_key.h"

namespace engine {

namespace {

using tokens = std::span<const script_token>;

bool is_keyword(const script_token& token, std::uint32_t code) {
    return token.type == script_token_type::keyword && token.code == code;
}

// Where the branch that starts at `at` ends: at the next ELSE or the close
// of the statement.
std::size_t branch_end(tokens list, std::size_t at) {
    while (at < list.size() && !is_keyword(list[at], script_code::else_keyword) &&
           list[at].type != script_token_type::close_brace)
        ++at;
    return at;
}

bool prints(tokens branch, const std::wstring& key) {
    return std::any_of(branch.begin(), branch.end(), [&](const script_token& token) {
        return token.type == script_token_type::word && make_word_key(token.text) == key;
    });
}

bool leaves_a_gap(tokens branch) {
    return std::any_of(branch.begin(), branch.end(), [](const script_token& token) {
        return token.text.find(L"______") != std::wstring::npos;
    });
}

void gather(std::wstring_view text, std::vector<std::wstring>& keys) {
    if (text.find(L'{') == std::wstring_view::npos) return;
    const std::vector<script_token> all = lex_script(text);
    const tokens list(all);
    for (std::size_t at = 0; at + 1 < list.size(); ++at) {
        // An «ЕСЛИ» that opens its statement, a field its first operand.
        if (!is_keyword(list[at], script_code::if_keyword) || at == 0 ||
            list[at - 1].type != script_token_type::open_brace ||
            list[at + 1].type != script_token_type::word)
            continue;
        const std::wstring key = make_word_key(list[at + 1].text);
        std::size_t then = at + 2;
        while (then < list.size() && !is_keyword(list[then], script_code::then_keyword)) ++then;
        const std::size_t then_end = branch_end(list, then);
        if (then_end == list.size() || !prints(list.subspan(then, then_end - then), key)) continue;
        if (is_keyword(list[then_end], script_code::else_keyword)) {
            const std::size_t other_end = branch_end(list, then_end + 1);
            // An «ИНАЧЕ ЕСЛИ» chain decides elsewhere.
            if (then_end + 1 < list.size() &&
                is_keyword(list[then_end + 1], script_code::if_keyword))
                continue;
            if (leaves_a_gap(list.subspan(then_end, other_end - then_end))) continue;
        }
        if (std::find(keys.begin(), keys.end(), key) == keys.end()) keys.push_back(key);
    }
}

}  // namespace

std::vector<std::wstring> fields_left_out_when_empty(const document_data& data) {
    std::vector<std::wstring> keys;
    for_each_page_text(data, [&](const std::wstring& text) { gather(text, keys); });
    return keys;
}

}  // namespace engine
