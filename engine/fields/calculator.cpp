#include "engine/fields/calculator.h"

#include <cmath>
#include <limits>
#include <optional>
#include <string>

#include "engine/text/number_text.h"

namespace engine {

namespace {

// Deeper nesting than this makes the whole result 0 instead of exhausting the
// stack on a crafted expression.
constexpr int max_nesting = 256;

enum class token_type { none, delimiter, number, name };

bool is_delimiter(wchar_t c) {
    return std::wstring_view(L"+-*/%^=()").find(c) != std::wstring_view::npos;
}

bool ends_operand(wchar_t c) {
    return c == L' ' || c == L'\t' || c == L'\r' ||
           std::wstring_view(L"+-/*%^=()").find(c) != std::wstring_view::npos;
}

class calculator {
public:
    explicit calculator(std::wstring_view text) : text_(text) {}

    double evaluate() {
        next();
        if (type_ == token_type::none) return 0;
        if (type_ == token_type::name) {
            std::size_t name_start = token_start_;
            next();
            if (is_token(L'=')) {
                next();
            } else {
                position_ = name_start;
                next();
            }
        }
        double result = sum().value_or(0);
        not_finite_ = !std::isfinite(result);
        if (too_deep_ || not_finite_) return 0;
        return result;
    }

    bool divided_by_zero() const { return divided_by_zero_; }
    bool not_finite() const { return not_finite_; }

private:
    void next() {
        type_ = token_type::none;
        token_ = {};
        while (position_ < text_.size() && text_[position_] == L' ') ++position_;
        token_start_ = position_;
        if (position_ >= text_.size()) return;
        wchar_t c = text_[position_];
        if (is_delimiter(c)) {
            type_ = token_type::delimiter;
            token_ = text_.substr(position_, 1);
            ++position_;
            return;
        }
        bool name = c >= L'A' && c <= L'Z';
        bool number = c >= L'0' && c <= L'9';
        if (!name && !number) return;  // the position stays: evaluation ends here
        std::size_t end = position_;
        while (end < text_.size() && !ends_operand(text_[end])) ++end;
        type_ = name ? token_type::name : token_type::number;
        token_ = text_.substr(position_, end - position_);
        position_ = end;
    }

    bool is_token(wchar_t delimiter) const {
        return type_ == token_type::delimiter && token_[0] == delimiter;
    }

    // Each level answers nothing when its first operand is missing; the caller
    // decides what a missing operand is worth.
    std::optional<double> sum() {
        std::optional<double> left = term();
        if (!left) return std::nullopt;
        double result = *left;
        std::optional<double> previous;
        while (is_token(L'+') || is_token(L'-')) {
            bool add = is_token(L'+');
            next();
            double right = operand_or_fallback(term(), previous);
            previous = right;
            result = add ? result + right : result - right;
        }
        return result;
    }

    std::optional<double> term() {
        std::optional<double> left = factor();
        if (!left) return std::nullopt;
        double result = *left;
        std::optional<double> previous;
        while (is_token(L'*') || is_token(L'/') || is_token(L'%')) {
            wchar_t op = token_[0];
            next();
            double right = operand_or_fallback(factor(), previous);
            previous = right;
            if (op == L'*') {
                result *= right;
            } else if (op == L'/') {
                if (right == 0) divided_by_zero_ = true;
                result /= right == 0 ? 1 : right;
            } else {
                result = remainder_of_integer_parts(result, right);
            }
        }
        return result;
    }

    std::optional<double> factor() {
        if (++depth_ > max_nesting) too_deep_ = true;
        if (too_deep_) {
            --depth_;
            return std::nullopt;
        }
        std::optional<double> value = signed_primary();
        if (value && is_token(L'^')) {
            next();
            std::optional<double> exponent = factor();
            if (exponent) *value = power(*value, *exponent);
        }
        --depth_;
        return value;
    }

    std::optional<double> signed_primary() {
        bool negative = false;
        if (is_token(L'+') || is_token(L'-')) {
            negative = is_token(L'-');
            next();
        }
        std::optional<double> value;
        if (is_token(L'(')) {
            next();
            value = sum().value_or(0);
            next();  // normally the closing parenthesis; consumed whatever it is
        } else if (type_ == token_type::number) {
            value = read_double_prefix(token_).value_or(0);
            next();
        } else if (type_ == token_type::name) {
            value = 0;
            next();
        }
        if (value && negative) *value = -*value;
        return value;
    }

    static double operand_or_fallback(std::optional<double> operand,
                                      std::optional<double> previous) {
        if (operand) return *operand;
        return previous.value_or(0);
    }

    static double power(double base, double exponent) {
        if (exponent == 0) return 1;
        double result = std::pow(base, exponent);
        return std::isfinite(result) ? result : 0;
    }

    static double remainder_of_integer_parts(double left, double right) {
        double a = std::trunc(left);
        double b = std::trunc(right);
        // 2^63 is the first value past the int64 range; -2^63 still fits.
        constexpr double limit = 9223372036854775808.0;
        auto fits = [](double v) { return std::isfinite(v) && v >= -limit && v < limit; };
        if (!fits(a) || !fits(b)) return 0;
        auto dividend = static_cast<std::int64_t>(a);
        auto divisor = static_cast<std::int64_t>(b);
        if (divisor == 0) return left;
        if (divisor == -1) return 0;  // also keeps INT64_MIN % -1 defined
        return static_cast<double>(dividend % divisor);
    }

    std::wstring_view text_;
    std::size_t position_ = 0;
    std::size_t token_start_ = 0;
    token_type type_ = token_type::none;
    std::wstring_view token_;
    int depth_ = 0;
    bool too_deep_ = false;
    bool divided_by_zero_ = false;
    bool not_finite_ = false;
};

std::int32_t to_int32_or_zero(std::optional<std::int64_t> value) {
    if (!value || *value < std::numeric_limits<std::int32_t>::min() ||
        *value > std::numeric_limits<std::int32_t>::max())
        return 0;
    return static_cast<std::int32_t>(*value);
}

}  // namespace

double calculate_expression(std::wstring_view text, bool* divided_by_zero, bool* not_finite) {
    calculator evaluator(text);
    const double value = evaluator.evaluate();
    if (divided_by_zero) *divided_by_zero = evaluator.divided_by_zero();
    if (not_finite) *not_finite = evaluator.not_finite();
    return value;
}

std::int32_t parse_int_or_zero(std::wstring_view text) {
    return to_int32_or_zero(read_int64_prefix(text));
}

std::int32_t parse_long_or_zero(std::wstring_view text) {
    return to_int32_or_zero(read_int64_prefix(text));
}

double parse_double_or_zero(std::wstring_view text) { return read_double_prefix(text).value_or(0); }

}  // namespace engine
