#include "platform/calendar_view.h"

#include <QAbstractItemView>
#include <QCalendarWidget>
#include <QLocale>
#include <QPalette>
#include <QVariant>

#include "platform/qt/native_widget.h"

namespace platform {

namespace {

QCalendarWidget* calendar_of(const Element& element) {
    return static_cast<QCalendarWidget*>(widget_of(element));
}

// The selected day drawn as any other: the highlight in the colours of the
// days around it. The table inside the calendar draws the days; under some
// window systems it does not take the calendar's palette, so it gets its own.
constexpr char palette_before_hiding[] = "palette_before_hiding";

QAbstractItemView* day_table(QCalendarWidget* calendar) {
    return calendar->findChild<QAbstractItemView*>();
}

void set_selection_drawn(QCalendarWidget* calendar, bool drawn) {
    QAbstractItemView* table = day_table(calendar);
    if (!table) return;
    const QVariant before = table->property(palette_before_hiding);
    if (drawn) {
        if (!before.isValid()) return;
        table->setPalette(before.value<QPalette>());
        table->setProperty(palette_before_hiding, QVariant());
        return;
    }
    QPalette palette = table->palette();
    if (!before.isValid()) table->setProperty(palette_before_hiding, palette);
    for (auto group : {QPalette::Active, QPalette::Inactive}) {
        palette.setBrush(group, QPalette::Highlight, palette.brush(group, QPalette::Base));
        palette.setBrush(group, QPalette::HighlightedText, palette.brush(group, QPalette::Text));
    }
    table->setPalette(palette);
}

QDate to_qdate(CalendarDate date) { return QDate(date.year, date.month, date.day); }
CalendarDate from_qdate(QDate date) { return {date.year(), date.month(), date.day()}; }

}  // namespace

std::shared_ptr<CalendarView> CalendarView::create() {
    auto view = std::shared_ptr<CalendarView>(new CalendarView());
    std::weak_ptr<CalendarView> weak = view;
    QCalendarWidget* calendar = calendar_of(*view);
    // Whatever the user does to the selection shows it again.
    QObject::connect(calendar, &QCalendarWidget::selectionChanged, [weak, calendar] {
        set_selection_drawn(calendar, true);
        if (auto self = weak.lock())
            self->selected_date_changed.raise(*self, from_qdate(calendar->selectedDate()));
    });
    QObject::connect(calendar, &QCalendarWidget::clicked, [weak, calendar](QDate date) {
        set_selection_drawn(calendar, true);
        if (auto self = weak.lock()) self->date_clicked.raise(*self, from_qdate(date));
    });
    QObject::connect(calendar, &QCalendarWidget::activated, [weak, calendar](QDate date) {
        set_selection_drawn(calendar, true);
        if (auto self = weak.lock()) self->date_activated.raise(*self, from_qdate(date));
    });
    return view;
}

CalendarView::CalendarView()
    : Element([] {
          auto* calendar = new QCalendarWidget;
          calendar->setLocale(QLocale(QLocale::Russian, QLocale::Russia));
          calendar->setFirstDayOfWeek(Qt::Monday);
          calendar->setSelectionMode(QCalendarWidget::SingleSelection);
          calendar->setVerticalHeaderFormat(QCalendarWidget::NoVerticalHeader);
          calendar->setGridVisible(false);
          return make_native(calendar);
      }()) {}

CalendarDate CalendarView::selected_date() const {
    return from_qdate(calendar_of(*this)->selectedDate());
}

void CalendarView::set_selected_date(CalendarDate date) {
    QCalendarWidget* calendar = calendar_of(*this);
    calendar->setSelectedDate(to_qdate(date));
    calendar->setCurrentPage(date.year, date.month);
}

void CalendarView::hide_selection() { set_selection_drawn(calendar_of(*this), false); }

CalendarDate CalendarView::shown_month() const {
    const QCalendarWidget* calendar = calendar_of(*this);
    return {calendar->yearShown(), calendar->monthShown(), 1};
}

void CalendarView::show_month(int year, int month) {
    calendar_of(*this)->setCurrentPage(year, month);
}

void CalendarView::click_date(CalendarDate date) {
    QCalendarWidget* calendar = calendar_of(*this);
    calendar->setSelectedDate(to_qdate(date));
    emit calendar->clicked(to_qdate(date));
}

void CalendarView::activate_date(CalendarDate date) {
    click_date(date);
    emit calendar_of(*this)->activated(to_qdate(date));
}

}  // namespace platform
