#include "engine/fields/field_evaluator.h"

#include <optional>
#include <utility>

#include "engine/declension/copy_letter_case.h"
#include "engine/document/document_data.h"
#include "engine/fields/block_fields.h"
#include "engine/fields/calculator.h"
#include "engine/fields/date_arithmetic.h"
#include "engine/fields/date_field.h"
#include "engine/fields/date_parse.h"
#include "engine/fields/date_reference.h"
#include "engine/fields/date_render.h"
#include "engine/fields/document_number.h"
#include "engine/fields/field_value.h"
#include "engine/fields/name_field.h"
#include "engine/fields/name_modifiers.h"
#include "engine/fields/noun_before_value.h"
#include "engine/fields/number_field.h"
#include "engine/fields/number_value.h"
#include "engine/fields/operator_signs.h"
#include "engine/fields/place_name.h"
#include "engine/fields/single_number.h"
#include "engine/fields/stop_after_value.h"
#include "engine/fields/tidy_number_text.h"
#include "engine/text/markup_position.h"
#include "engine/text/number_text.h"
#include "engine/text/plain_text.h"
#include "engine/text/text_replace.h"

namespace engine {

namespace {

bool is_arithmetic_operator(const std::wstring& op) {
    return op == L"+" || op == L"-" || op == L"*" || op == L"/" || op == L"\\" || op == L"^";
}

// Most statements print one text or value: it becomes the output instead of
// being copied into it. Tokens are not read again once printed.
void append_piece(std::wstring& output, std::wstring piece) {
    if (output.empty())
        output = std::move(piece);
    else
        output += piece;
}

// A text field's count with its unit or words after it («28 дн.», «30
// (тридцать) дней», «18 500,00 руб.») is a phrase to a case alone: declined,
// it keeps its digits and unit rather than turning into its number in words.
bool declines_as_phrase(const field_value& value, const std::vector<expr_token>& format_words) {
    if (value.from_number_field || format_words.empty()) return false;
    for (const expr_token& words : format_words)
        if (case_of_letter(make_word_key(words.text)) == 0) return false;
    const std::optional<std::size_t> length = single_number_length(value.value_text);
    return length && !trimmed(std::wstring_view(value.value_text).substr(*length)).empty();
}

// The text as typed, whatever the field's type made of it.
std::wstring typed_text(const field_value& value) {
    return value.value_text + value.no_date_text + value.no_number_text;
}

}  // namespace

field_evaluator::field_evaluator(std::vector<expr_token> tokens, render_context& context)
    : context_(context), tokens_(std::move(tokens)) {
    attach_operator_signs(tokens_);
    if (tokens_.size() >= 2 && tokens_[0].kind == expr_kind::reference) {
        trim_blanks(tokens_[1].text);
        if (tokens_[1].text == L"=") {
            start_ = 2;
            assignment_ = true;
        }
    }
}

// Decided before the walk, so that every value enters the computation in
// calculable form, not as it would be displayed.
bool field_evaluator::is_arithmetic() const {
    for (std::size_t i = start_; i < tokens_.size(); ++i)
        if (tokens_[i].kind == expr_kind::operator_run &&
            is_arithmetic_operator(bare_operator(tokens_[i].text)))
            return true;
    return false;
}

std::wstring field_evaluator::evaluate() {
    markup_position in_text;
    stop_after_value stop;
    return evaluate(in_text, stop);
}

std::wstring field_evaluator::evaluate(markup_position& position, stop_after_value& stop) {
    const bool arithmetic = is_arithmetic();
    // What the statement prints follows `position` as it is appended; a value
    // printed inside a tag is escaped to stay there. A computation prints
    // only its result, an assignment nothing.
    const bool prints_pieces = !arithmetic && !assignment_;
    auto template_piece = [&](std::wstring piece) {
        if (prints_pieces) {
            if (!position.in_tag()) stop.before_template(piece);
            position.follow(piece);
        }
        return piece;
    };
    // A value in text may end with a stop that the template's next one
    // would repeat.
    auto print_value = [&](std::wstring piece) {
        if (position.in_tag()) {
            piece = escape_for_position(piece, position);
            stop.clear();
        } else {
            stop.after_value(piece);
        }
        position.follow(piece);
        return piece;
    };
    auto value_piece = [&](std::wstring piece) {
        return prints_pieces ? print_value(std::move(piece)) : piece;
    };
    std::vector<expr_token> format_words;
    std::wstring output;
    for (std::size_t i = start_; i < tokens_.size(); ++i) {
        expr_token& token = tokens_[i];
        switch (token.kind) {
            case expr_kind::literal:
            case expr_kind::open_paren:
            case expr_kind::close_paren:
                append_piece(output, template_piece(std::move(token.text)));
                format_words.clear();
                break;
            case expr_kind::operator_run:
                trim_blanks(token.text);
                output += template_piece(std::move(token.text));
                break;
            case expr_kind::format_words:
                format_words.push_back(std::move(token));
                break;  // read only from here on
            case expr_kind::indirect: {
                expr_token result(run_nested_block(token.text), expr_kind::quoted);
                first_value_ = false;
                output += value_piece(field_value(context_, std::move(result)).value_text);
                format_words.clear();
                break;
            }
            case expr_kind::reference:
            case expr_kind::quoted:
            case expr_kind::number:
            case expr_kind::date_literal:
                if (arithmetic) {
                    append_piece(output, calculable_value(token));
                } else {
                    // Quoted text is the template's own, markers among it.
                    const bool from_template = token.kind == expr_kind::quoted;
                    std::wstring piece = render_value(token, format_words);
                    append_piece(output, from_template ? template_piece(std::move(piece))
                                                       : value_piece(std::move(piece)));
                }
                format_words.clear();
                break;
            default: break;
        }
    }
    if (arithmetic) {
        output = compute(std::move(output));
        if (!assignment_) output = print_value(std::move(output));
    }
    if (assignment_) {
        set_variable(context_, tokens_[0].text, std::move(output));
        return {};
    }
    return output;
}

std::wstring field_evaluator::calculable_value(expr_token& token) {
    field_value value(context_, std::move(token));
    bool first = std::exchange(first_value_, false);
    if (value.is_image || value.is_cycle) return value.value_text;
    // A text that is no number gives no result; an empty field counts as 0,
    // and so does one that says there is none.
    if (value.holds_unread_number() ||
        (value.type == value_type::text && !trimmed(value.value_text).empty()))
        no_number_ = true;
    if (value.type == value_type::date) {
        if (first) date_first_ = true;
        return render_short_date(
            parse_date_value(value.value_text, context_.language, context_.now()));
    }
    if (first && value.kind == expr_kind::reference && names_date_field(context_, value.name_text))
        date_missing_ = true;
    if (value.type == value_type::number) {
        const number_value number = value.as_number();
        return number.negative ? L"(-" + number.digits + L")" : number.digits;
    }
    return std::move(value.value_text);
}

// The token moves into its value; its text is read back as the value's name.
std::wstring field_evaluator::render_value(expr_token& token,
                                           const std::vector<expr_token>& format_words) {
    field_value value(context_, std::move(token), &format_words);
    const std::wstring& written = value.name_text;
    first_value_ = false;
    if (value.is_image || value.is_cycle) return std::move(value.value_text);
    // A number's sign and «б/н», a place and a noun typed before a value are
    // read from the text as typed, whatever the field's type.
    if (asks_document_number(format_words))
        return render_document_number(typed_text(value), context_.language);
    if (asks_place_name(format_words)) return render_place_name(typed_text(value));
    if (const noun_format* noun = asked_noun_format(format_words))
        return render_after_noun(*noun, typed_text(value));
    // A date field's text that is no date has no date form, and is shown
    // without a form as typed, letter case and all.
    if (!value.no_date_text.empty())
        return render_date_field(
            parse_date_value(value.no_date_text, context_.language, context_.now()), format_words);
    // So has a number field's text that is no number: every number form is a
    // gap to fill in by hand when a term was typed, and what an empty field
    // prints when the text says there is none.
    if (!value.no_number_text.empty() && format_words.empty())
        return std::move(value.no_number_text);
    if (value.holds_unread_number())
        return render_unread_number(number_value(parameters_root(), L"", context_.language),
                                    format_words);
    // An empty amount asked for as money is its gap in the document's currency.
    if (value.from_number_field && trimmed(value.value_text).empty())
        if (std::optional<std::wstring> gap = render_money_gap(
                number_value(parameters_root(), L"", context_.language), format_words))
            return std::move(*gap);
    if (context_.library_shown) {
        block_field block = render_block_field(context_, value.value_text, format_words);
        if (!block.is_block) copy_letter_case(written, block.html);
        return block.html;
    }
    if (written == L" ") return L" ";
    if (value.type == value_type::number && declines_as_phrase(value, format_words))
        value.type = value_type::text;
    // Past the paragraph's or the render's budget a value is shown as it is.
    nested_runs& runs = context_.runs;
    if (runs.run_budget_spent() && value.kind == expr_kind::reference &&
        value.type != value_type::text)
        return std::move(value.value_text);
    std::wstring out;
    switch (value.type) {
        case value_type::date:
            out = render_date_field(
                parse_date_value(value.value_text, context_.language, context_.now()),
                format_words);
            copy_letter_case(written, out);
            runs.count_formatting(out.size());
            return out;
        case value_type::number: {
            number_value number = value.as_number(true);
            number.named_value = [this](const std::wstring& name) {
                return field_value(context_, expr_token(name, expr_kind::reference)).value_text;
            };
            out = render_number_field(number, format_words);
            runs.count_formatting(out.size());
            return out;
        }
        default:
            if (value.kind != expr_kind::reference) return std::move(value.value_text);
            // Declension reads the whole text: work like any other.
            runs.count_formatting(value.value_text.size());
            if (runs.stopping()) return {};
            if (runs.run_budget_spent()) return std::move(value.value_text);
            render_name_field(value.value_text, value, out, format_words);
            copy_letter_case(written, out);
            return out;
    }
}

std::wstring field_evaluator::compute(std::wstring expression) const {
    while (!expression.empty() &&
           std::wstring_view(L"+-*/\\^").find(expression.back()) != std::wstring_view::npos)
        expression.pop_back();
    if (context_.language == 1)
        replace_all(expression, L",", L".");
    else
        erase_all(expression, L",");
    // Days counted from a date nobody gave are no date either, and nothing
    // computed with a text that is no number is a number.
    if (date_missing_ || no_number_) return {};
    if (date_first_) {
        bool is_date = false;
        return date_arithmetic(expression, is_date, context_.language, context_.now());
    }
    return tidy_number_text(format_fixed6(calculate_expression(expression)), context_.language);
}

// A block nested in a statement runs as a script of its own; without the
// script floor's runner it stays as written.
std::wstring field_evaluator::run_nested_block(const std::wstring& source) {
    return context_.run_script ? context_.run_script(source, context_) : source;
}

const doc_node* field_evaluator::parameters_root() const {
    return context_.data ? &context_.data->parameters : nullptr;
}

}  // namespace engine
