// What the date dialog shows and hands back, without the calendar.
//
// A chosen day becomes the plain long date in the interface language
// ("March 8, 2025", "08 марта 2025 г."). Days are taken as calendar days:
// no time zone enters between the calendar and the text. UI thread only.
#pragma once

#include <optional>
#include <string>

#include "engine/document/environment.h"

namespace ui {

// Month 1-12.
struct calendar_day {
    int year = 1970;
    int month = 1;
    int day = 1;
    friend bool operator==(const calendar_day&, const calendar_day&) = default;
};

// The plain long date of `day` in `current_language`.
std::wstring long_date_text(const calendar_day& day);

struct date_choice {
    // The day the calendar opens with selected; none for a text that is no date.
    std::optional<calendar_day> selected;
    // Today: the calendar opens on it when the text is no date.
    calendar_day shown;
    // What OK hands back before the user picks: empty when the text is no date.
    std::wstring result;
};

// A blank text chooses today, a date that day; any other text opens on
// today's month with nothing to hand back until a day is picked. Today is
// read from the clock of `env`.
date_choice initial_date_choice(const std::wstring& initial_value,
                                const engine::environment& env = engine::system_environment());

}  // namespace ui
