#include "engine/fields/field_evaluator.h"

#include "engine/document/document.h"
#include "engine/document/html_escape.h"
#include "engine/document/script.h"
#include "engine/document/word_key.h"

namespace engine {

namespace {

bool is_blank(wchar_t c) { return c == L' ' || c == L'\t' || c == L'\n' || c == L'\r'; }

void trim_blanks(std::wstring& text) {
    std::size_t begin = 0;
    while (begin < text.size() && is_blank(text[begin])) ++begin;
    std::size_t end = text.size();
    while (end > begin && is_blank(text[end - 1])) --end;
    text = text.substr(begin, end - begin);
}

std::wstring collapse_blanks(const std::wstring& text) {
    std::wstring out;
    bool in_blanks = false;
    for (wchar_t c : text) {
        if (is_blank(c)) {
            if (!in_blanks) out += L' ';
            in_blanks = true;
        } else {
            out += c;
            in_blanks = false;
        }
    }
    return out;
}

}  // namespace

std::wstring raw_named_value(const document_data* data, const std::wstring& name) {
    if (!data) return {};
    std::wstring key = make_word_key(name);
    const doc_node& parameters = data->parameters;
    for (std::size_t g = 0; g < group_count_of(parameters); ++g) {
        const doc_group& section = parameters.groups[g];
        for (std::size_t e = 0; e < element_count_of(section); ++e) {
            const doc_record& field = section.elements[e].record;
            if (!word_key_equals(field.s1, key)) continue;
            if (field.c != 0) return {};
            return html_escape(collapse_blanks(field.s2));
        }
    }
    for (const doc_record& variable : data->scratch.records)
        if (variable.s1 == key) return variable.s2;
    return {};
}

void set_variable(document_data* data, const std::wstring& name, std::wstring value) {
    if (!data) return;
    std::wstring key = make_word_key(name);
    for (doc_record& variable : data->scratch.records) {
        if (variable.s1 == key) {
            variable.s2 = std::move(value);
            return;
        }
    }
    doc_record variable;
    variable.s1 = std::move(key);
    variable.s2 = std::move(value);
    data->scratch.records.push_back(std::move(variable));
}

field_evaluator::field_evaluator(std::vector<expr_token> tokens, document* doc)
    : document_(doc), data_(doc ? doc->data.get() : nullptr), tokens_(std::move(tokens)) {
    if (tokens_.size() >= 2 && tokens_[0].kind == expr_kind::reference) {
        trim_blanks(tokens_[1].text);
        if (tokens_[1].text == L"=") {
            start_ = 2;
            assignment_ = true;
        }
    }
}

std::wstring field_evaluator::evaluate() {
    std::wstring output;
    for (std::size_t i = start_; i < tokens_.size(); ++i) {
        expr_token& token = tokens_[i];
        switch (token.kind) {
        case expr_kind::operator_run:
            trim_blanks(token.text);
            output += token.text;
            break;
        case expr_kind::literal:
        case expr_kind::open_paren:
        case expr_kind::close_paren: output += token.text; break;
        case expr_kind::reference:
        case expr_kind::quoted:
        case expr_kind::number:
        case expr_kind::date_literal: output += raw_value(token); break;
        case expr_kind::indirect: output += script(token.text, document_).run(); break;
        default: break;
        }
    }
    if (assignment_) {
        set_variable(data_, tokens_[0].text, std::move(output));
        return {};
    }
    return output;
}

std::wstring field_evaluator::raw_value(const expr_token& token) const {
    if (token.kind != expr_kind::reference) return token.text;
    return raw_named_value(data_, token.text);
}

}  // namespace engine
