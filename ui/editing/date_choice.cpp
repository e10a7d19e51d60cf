#include "ui/editing/date_choice.h"

#include "core/interface_texts.h"
#include "engine/fields/date_parse.h"
#include "engine/fields/date_render.h"
#include "engine/fields/date_value.h"
#include "ui/editing/dialog_texts.h"

namespace ui {

namespace {

constexpr std::int64_t seconds_per_day = 86400;

calendar_day day_of(const engine::date_value& date) {
    return {date.broken_down.tm_year + 1900, date.broken_down.tm_mon + 1, date.broken_down.tm_mday};
}

}  // namespace

std::wstring long_date_text(const calendar_day& day) {
    const std::int64_t days = engine::days_from_civil(day.year, day.month, day.day);
    return engine::render_long_date(
        engine::date_value_from_filetime(days * seconds_per_day, core::current_language), false);
}

date_choice initial_date_choice(const std::wstring& initial_value, const engine::environment& env) {
    const std::wstring text = dialog_initial_value(initial_value);
    const std::int64_t now = env.now();
    // The parser gives a blank text today's fields, though not as a valid date.
    const engine::date_value parsed = engine::parse_date_value(text, core::current_language, now);
    if (text.empty() || parsed.valid) {
        const calendar_day day = day_of(parsed);
        return {day, day, long_date_text(day)};
    }
    return {std::nullopt, day_of(engine::date_value::today(core::current_language, now)), {}};
}

}  // namespace ui
