#include "engine/fields/condition_evaluator.h"

#include <optional>

#include "engine/document/document_data.h"
#include "engine/fields/begins_with_word.h"
#include "engine/fields/date_parse.h"
#include "engine/fields/field_value.h"
#include "engine/fields/name_field.h"
#include "engine/fields/operator_signs.h"
#include "engine/text/plain_text.h"
#include "engine/text/word_key.h"

namespace engine {

namespace {

// Deeper nesting of parentheses and connectives ends the condition with the
// value so far, so a crafted document cannot exhaust the stack.
constexpr int max_condition_depth = 1000;

class depth_guard {
public:
    explicit depth_guard(int& depth) : depth_(depth) { ++depth_; }
    ~depth_guard() { --depth_; }
    depth_guard(const depth_guard&) = delete;
    depth_guard& operator=(const depth_guard&) = delete;

private:
    int& depth_;
};

// The text an operand compares by: a name that names nothing is its own text,
// so an unquoted word works as a literal. A date field that holds no date is
// empty; a number field that holds no number compares by what was typed, so
// «нет» = "нет".
std::wstring comparison_text(field_value& value) {
    if (!value.no_number_text.empty()) return value.no_number_text;
    if (value.kind != expr_kind::reference || !value.no_date_text.empty()) return value.value_text;
    return resolve_named_value(value, value.name_text);
}

std::int64_t seconds_of(const field_value& date) {
    return parse_date_value(date.value_text, date.context->language, date.context->now()).seconds;
}

bool equals(field_value& a, field_value& b, bool exactly) {
    if (a.type == value_type::date)
        return b.type == value_type::date && seconds_of(a) == seconds_of(b);
    std::wstring left = comparison_text(a);
    std::wstring right = comparison_text(b);
    return exactly ? left == right : make_word_key(left) == make_word_key(right);
}

// For texts: whether a contains b.
bool contains(field_value& a, field_value& b, bool exactly) {
    std::wstring left = comparison_text(a);
    std::wstring right = comparison_text(b);
    if (exactly) return left.find(right) != std::wstring::npos;
    return make_word_key(left).find(make_word_key(right)) != std::wstring::npos;
}

// For dates: -1, 0 or 1 as a's day lies before, on or after b's; none when
// either is no date.
std::optional<int> day_order(const field_value& a, const field_value& b) {
    if (a.type != value_type::date || b.type != value_type::date) return std::nullopt;
    std::int64_t left = seconds_of(a);
    std::int64_t right = seconds_of(b);
    return left < right ? -1 : left > right ? 1 : 0;
}

double number_of(const field_value& value) { return value.as_number().value; }

// An operand compared with a number: its value, 0 when it is empty or says
// there is none (as in arithmetic), none when it holds a text that is no
// number.
std::optional<double> number_or_zero(const field_value& value) {
    if (value.type == value_type::number) return number_of(value);
    if (value.says_none || (value.no_number_text.empty() && trimmed(value.value_text).empty()))
        return 0.0;
    return std::nullopt;
}

// "=", "<", "<=", ">" or ">=" between two numbers; false when either side
// holds no number, so «-» or «10-15» is never larger than a sum.
bool compare_numbers(const field_value& left, const std::wstring& op, const field_value& right) {
    const std::optional<double> a = number_or_zero(left);
    const std::optional<double> b = number_or_zero(right);
    if (!a || !b) return false;
    if (op == L"=") return *a == *b;
    if (op == L"<") return *a < *b;
    if (op == L"<=") return *a <= *b;
    if (op == L">") return *a > *b;
    return *a >= *b;
}

}  // namespace

condition_evaluator::condition_evaluator(std::vector<expr_token> tokens, render_context& context)
    : context_(context), tokens_(std::move(tokens)) {
    attach_operator_signs(tokens_);
}

bool condition_evaluator::is_kind(std::size_t index, std::uint32_t kind) const {
    return index < tokens_.size() && tokens_[index].kind == kind;
}

bool condition_evaluator::is_operand(std::size_t index) const {
    return is_kind(index, expr_kind::reference) || is_kind(index, expr_kind::quoted) ||
           is_kind(index, expr_kind::number);
}

field_value condition_evaluator::value_of(const expr_token& token) const {
    return field_value(context_, token);
}

bool condition_evaluator::evaluate() {
    condition_decision deciding(context_.runs);
    bool result = false;
    while (position_ < tokens_.size()) {
        std::uint32_t kind = tokens_[position_].kind;
        if (is_operand(position_)) {
            result = operand(result);
            ++position_;
        } else if (kind == expr_kind::negation) {
            if (is_operand(position_ + 1)) {
                ++position_;
                result = !operand(result);
                ++position_;
            } else if (is_kind(position_ + 1, expr_kind::open_paren)) {
                ++position_;
                result = !group(result);
                ++position_;
            } else {
                position_ += 2;
            }
        } else if (kind == expr_kind::open_paren) {
            result = group(result);
            ++position_;
        } else if (kind == expr_kind::other) {
            ++position_;
            break;
        } else {
            ++position_;
        }
    }
    return result;
}

// On a token after a value: AND or OR joins the rest of the chain to it.
bool condition_evaluator::chain(bool value) {
    if (is_kind(position_, expr_kind::and_token)) {
        bool rest = after_connective(value);
        return value && rest;
    }
    if (is_kind(position_, expr_kind::or_token)) {
        bool rest = after_connective(value);
        return value || rest;
    }
    return value;
}

bool condition_evaluator::operand(bool carried) {
    depth_guard guard(depth_);
    if (gives_up()) return carried;
    std::size_t next = position_ + 1;
    bool single = next >= tokens_.size() || is_kind(next, expr_kind::and_token) ||
                  is_kind(next, expr_kind::or_token) || is_kind(next, expr_kind::other) ||
                  is_kind(next, expr_kind::close_paren);
    if (single) {
        bool starts = position_ == 0 || is_kind(position_ - 1, expr_kind::other) ||
                      is_kind(position_ - 1, expr_kind::open_paren) ||
                      is_kind(position_ - 1, expr_kind::negation) ||
                      is_kind(position_ - 1, expr_kind::and_token) ||
                      is_kind(position_ - 1, expr_kind::or_token);
        if (!starts) {
            ++position_;
            return carried;
        }
        bool result = not_blank(tokens_[position_]);
        ++position_;
        return chain(result);
    }
    bool comparison =
        (is_kind(next, expr_kind::operator_run) || is_kind(next, expr_kind::negation)) &&
        is_operand(next + 1);
    if (comparison) {
        bool result = compare(tokens_[position_], tokens_[next], tokens_[next + 1]);
        position_ += 3;
        if (position_ < tokens_.size()) result = chain(result);
        return result;
    }
    ++position_;
    return carried;
}

bool condition_evaluator::after_connective(bool carried) {
    depth_guard guard(depth_);
    if (gives_up()) return carried;
    if (std::optional<bool> next = read_next(carried, true)) return *next;
    ++position_;
    return carried;
}

bool condition_evaluator::negation(bool carried) {
    depth_guard guard(depth_);
    if (gives_up()) return carried;
    if (std::optional<bool> next = read_next(carried, false)) return !*next;
    ++position_;
    return carried;
}

bool condition_evaluator::group(bool carried) {
    depth_guard guard(depth_);
    if (gives_up()) return carried;
    bool result = read_next(carried, true).value_or(carried);
    if (is_kind(position_, expr_kind::close_paren)) {
        ++position_;
        result = chain(result);
    }
    return result;
}

// Moves onto the next token and reads it when it is an operand, a group or
// (where allowed) a negation; none, without moving, for anything else.
std::optional<bool> condition_evaluator::read_next(bool carried, bool negation_allowed) {
    const std::size_t next = position_ + 1;
    if (is_operand(next)) {
        position_ = next;
        return operand(carried);
    }
    if (negation_allowed && is_kind(next, expr_kind::negation)) {
        position_ = next;
        return negation(carried);
    }
    if (is_kind(next, expr_kind::open_paren)) {
        position_ = next;
        return group(carried);
    }
    return std::nullopt;
}

bool condition_evaluator::gives_up() {
    if (depth_ <= max_condition_depth) return false;
    position_ = tokens_.size();
    return true;
}

bool condition_evaluator::not_blank(const expr_token& token) {
    field_value value = value_of(token);
    if (token.kind == expr_kind::number || value.number_as_name) return number_of(value) != 0;
    // «3-6 месяцев» is a term the clerk typed, «нет» none.
    if (!value.no_number_text.empty()) return value.holds_unread_number();
    if (holds_no_name(value)) return false;
    const std::wstring& text = value.value_text;
    std::size_t end = text.size();
    while (end > 0 && is_blank(text[end - 1])) --end;
    return end > 0;
}

bool condition_evaluator::compare(const expr_token& left_token, expr_token& op_token,
                                  const expr_token& right_token) {
    std::wstring& op = op_token.text;
    trim_blanks(op);

    field_value left = value_of(left_token);
    field_value right = value_of(right_token);
    // A number on either side compares numbers; a quoted text with a text
    // compares the texts.
    const bool numeric = left.type == value_type::number || right.type == value_type::number;

    if (left.type == value_type::date &&
        (op == L"<" || op == L"<=" || op == L"<<" || op == L">" || op == L">=" || op == L">>")) {
        std::optional<int> order = day_order(left, right);
        if (!order) {
            // A date is never before a non-date; "after" falls back to the
            // texts' containment, as the right operand is then tested first.
            if (op[0] == L'<') return false;
            return contains(right, left, op == L">>");
        }
        // "<=" and ">=" include the same day.
        if (op == L"<" || op == L"<<") return *order < 0;
        if (op == L"<=") return *order <= 0;
        if (op == L">" || op == L">>") return *order > 0;
        return *order >= 0;
    }
    if (op == L"=") return numeric ? compare_numbers(left, op, right) : equals(left, right, false);
    if (op == L"==") return equals(left, right, true);
    if (op == L"!=")
        return numeric ? !compare_numbers(left, L"=", right) : !equals(left, right, true);
    if (op == L"не") return !equals(left, right, false);
    if (op == L"<" || op == L"<=")
        return numeric ? compare_numbers(left, op, right) : contains(left, right, false);
    if (op == L"<<") return contains(left, right, true);
    if (op == L">" || op == L">=")
        return numeric ? compare_numbers(left, op, right) : contains(right, left, false);
    if (op == L">>") return contains(right, left, true);
    if (op == L"^=" || op == L"^==")
        return begins_with_word(comparison_text(left), comparison_text(right), op == L"^==");
    return false;
}

}  // namespace engine
