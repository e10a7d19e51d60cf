#include "engine/fields/date_arithmetic.h"

#include "engine/fields/date_parse.h"
#include "engine/fields/date_render.h"
#include "engine/text/number_text.h"
#include "engine/text/plain_text.h"

namespace engine {

namespace {

constexpr std::int64_t seconds_per_day = 86400;
// About 11,000 years: no step this long can land inside the years 1-9999.
constexpr std::int64_t longest_step_days = 4'000'000;

// A negative count enters the expression as "(-5)".
std::int64_t day_count(std::wstring text) {
    if (text.size() >= 2 && text.front() == L'(' && text.back() == L')')
        text = std::wstring(trimmed(std::wstring_view(text).substr(1, text.size() - 2)));
    return read_int64_prefix(text).value_or(0);
}

}  // namespace

std::wstring date_arithmetic(const std::wstring& expression, bool& is_date, int language,
                             std::int64_t now) {
    is_date = false;
    std::size_t sign = expression.find(L'-');
    if (sign == std::wstring::npos) sign = expression.find(L'+');
    if (sign == std::wstring::npos) return expression;

    const date_value left = parse_date_value(
        std::wstring(trimmed(std::wstring_view(expression).substr(0, sign))), language, now);
    if (!left.valid) return expression;
    const std::wstring right_text(trimmed(std::wstring_view(expression).substr(sign + 1)));
    const date_value right = parse_date_value(right_text, language, now);
    if (right.valid) return format_int((left.seconds - right.seconds) / seconds_per_day);

    std::int64_t days = day_count(right_text);
    if (days > longest_step_days || days < -longest_step_days) return expression;
    if (expression[sign] == L'-') days = -days;
    const date_value result =
        date_value_from_filetime(left.seconds + days * seconds_per_day, language);
    const int year = result.broken_down.tm_year + 1900;
    if (year < 1 || year > 9999) return expression;
    is_date = true;
    return render_short_date(result);
}

}  // namespace engine
