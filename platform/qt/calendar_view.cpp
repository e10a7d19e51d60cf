#include "platform/calendar_view.h"

#include <QCalendarWidget>
#include <QLocale>

#include "platform/qt/native_widget.h"

namespace platform {

namespace {

QCalendarWidget* calendar_of(const Element& element) {
    return static_cast<QCalendarWidget*>(widget_of(element));
}

QDate to_qdate(CalendarDate date) { return QDate(date.year, date.month, date.day); }
CalendarDate from_qdate(QDate date) { return {date.year(), date.month(), date.day()}; }

}  // namespace

std::shared_ptr<CalendarView> CalendarView::create() {
    auto view = std::shared_ptr<CalendarView>(new CalendarView());
    std::weak_ptr<CalendarView> weak = view;
    QCalendarWidget* calendar = calendar_of(*view);
    QObject::connect(calendar, &QCalendarWidget::selectionChanged, [weak, calendar] {
        if (auto self = weak.lock())
            self->selected_date_changed.raise(*self, from_qdate(calendar->selectedDate()));
    });
    QObject::connect(calendar, &QCalendarWidget::clicked, [weak](QDate date) {
        if (auto self = weak.lock()) self->date_clicked.raise(*self, from_qdate(date));
    });
    QObject::connect(calendar, &QCalendarWidget::activated, [weak](QDate date) {
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
