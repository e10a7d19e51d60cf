#include "engine/fields/condition_evaluator.h"

#include "engine/document/document_data.h"
#include "engine/fields/calculator.h"
#include "engine/fields/field_evaluator.h"

namespace engine {

namespace {

bool is_blank_text(const std::wstring& text) {
    for (wchar_t c : text)
        if (c != L' ' && c != L'\t' && c != L'\n' && c != L'\r') return false;
    return true;
}

}  // namespace

condition_evaluator::condition_evaluator(std::vector<expr_token> tokens, const document_data* data)
    : data_(data), tokens_(std::move(tokens)) {}

bool condition_evaluator::evaluate() const {
    for (const expr_token& token : tokens_) {
        switch (token.kind) {
        case expr_kind::number: return parse_double_or_zero(token.text) != 0;
        case expr_kind::quoted: return !is_blank_text(token.text);
        case expr_kind::reference: return !is_blank_text(raw_named_value(data_, token.text));
        default: break;
        }
    }
    return false;
}

}  // namespace engine
