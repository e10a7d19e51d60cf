// A month calendar with one selected day.
//
// It names its months and weekdays in Russian and starts weeks on Monday,
// whatever the interface language; today is drawn like any other day. One
// day is always selected, though it may be drawn as any other day until the
// user picks one. Dates are plain calendar days (month 1-12): no time zone
// enters. UI thread only.
#pragma once

#include <memory>

#include "platform/element.h"
#include "platform/event.h"

namespace platform {

struct CalendarDate {
    int year = 1970;
    int month = 1;
    int day = 1;
    friend bool operator==(const CalendarDate&, const CalendarDate&) = default;
};

class CalendarView final : public Element {
public:
    static std::shared_ptr<CalendarView> create();

    CalendarDate selected_date() const;
    // Selects the day and shows its month; raises `selected_date_changed`
    // when the day changes.
    void set_selected_date(CalendarDate date);
    // Draws the selected day as any other until the user picks a day, with
    // the pointer or a key; `selected_date` still names the day the keys
    // move from.
    void hide_selection();

    // A day of the month shown (the first).
    CalendarDate shown_month() const;
    void show_month(int year, int month);

    // Raised for every change of the selected day, by the user or by code.
    Event<CalendarView, CalendarDate> selected_date_changed;
    // A click on a day, the selected one included.
    Event<CalendarView, CalendarDate> date_clicked;
    // A double click or Enter on a day.
    Event<CalendarView, CalendarDate> date_activated;

    // Act as a user would (tests): a click on a day, and a double click.
    void click_date(CalendarDate date);
    void activate_date(CalendarDate date);

private:
    CalendarView();
};

}  // namespace platform
