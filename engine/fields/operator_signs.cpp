#include "engine/fields/operator_signs.h"

#include "engine/text/plain_text.h"

namespace engine {

namespace {

bool is_sign(wchar_t c) { return c == L'-' || c == L'+'; }

}  // namespace

void attach_operator_signs(std::vector<expr_token>& tokens) {
    for (std::size_t i = 0; i + 1 < tokens.size(); ++i) {
        if (tokens[i].kind != expr_kind::operator_run || tokens[i + 1].kind != expr_kind::number)
            continue;
        std::wstring op(trimmed(tokens[i].text));
        if (op.size() < 2 || !is_sign(op.back())) continue;
        tokens[i + 1].text.insert(tokens[i + 1].text.begin(), op.back());
        op.pop_back();
        tokens[i].text = op;
    }
}

std::wstring bare_operator(std::wstring text) {
    trim_blanks(text);
    if (text.size() >= 2 && is_sign(text.back())) text.pop_back();
    return text;
}

}  // namespace engine
