#include "engine/fields/operator_signs.h"

namespace engine {

namespace {

bool is_blank(wchar_t c) { return c == L' ' || c == L'\t' || c == L'\n' || c == L'\r'; }
bool is_sign(wchar_t c) { return c == L'-' || c == L'+'; }

std::wstring trimmed(const std::wstring& text) {
    std::size_t begin = 0;
    std::size_t end = text.size();
    while (begin < end && is_blank(text[begin])) ++begin;
    while (end > begin && is_blank(text[end - 1])) --end;
    return text.substr(begin, end - begin);
}

}  // namespace

void attach_operator_signs(std::vector<expr_token>& tokens) {
    for (std::size_t i = 0; i + 1 < tokens.size(); ++i) {
        if (tokens[i].kind != expr_kind::operator_run || tokens[i + 1].kind != expr_kind::number) continue;
        std::wstring op = trimmed(tokens[i].text);
        if (op.size() < 2 || !is_sign(op.back())) continue;
        tokens[i + 1].text.insert(tokens[i + 1].text.begin(), op.back());
        op.pop_back();
        tokens[i].text = op;
    }
}

std::wstring bare_operator(std::wstring text) {
    text = trimmed(text);
    if (text.size() >= 2 && is_sign(text.back())) text.pop_back();
    return text;
}

}  // namespace engine
