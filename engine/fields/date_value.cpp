#include "engine/fields/date_value.h"

namespace engine {

namespace {

constexpr std::int64_t seconds_per_day = 86400;

std::int64_t floor_div(std::int64_t a, std::int64_t b) {
    std::int64_t q = a / b;
    return (a % b != 0 && ((a < 0) != (b < 0))) ? q - 1 : q;
}

}  // namespace

bool is_leap_year(std::int64_t year) {
    return (year % 4 == 0 && year % 100 != 0) || year % 400 == 0;
}

int days_in_month(std::int64_t year, int month) {
    static constexpr int lengths[12] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    if (month < 1 || month > 12) return 0;
    return month == 2 && is_leap_year(year) ? 29 : lengths[month - 1];
}

// Days since 1970-01-01 in eras of 400 years, which repeat exactly.
std::int64_t days_from_civil(std::int64_t year, int month, int day) {
    year -= month <= 2;
    const std::int64_t era = floor_div(year, 400);
    const std::int64_t year_of_era = year - era * 400;
    const std::int64_t day_of_year = (153 * (month + (month > 2 ? -3 : 9)) + 2) / 5 + day - 1;
    const std::int64_t day_of_era =
        year_of_era * 365 + year_of_era / 4 - year_of_era / 100 + day_of_year;
    return era * 146097 + day_of_era - 719468;
}

void civil_from_days(std::int64_t days, std::int64_t& year, int& month, int& day) {
    days += 719468;
    const std::int64_t era = floor_div(days, 146097);
    const std::int64_t day_of_era = days - era * 146097;
    const std::int64_t year_of_era =
        (day_of_era - day_of_era / 1460 + day_of_era / 36524 - day_of_era / 146096) / 365;
    const std::int64_t day_of_year =
        day_of_era - (365 * year_of_era + year_of_era / 4 - year_of_era / 100);
    const std::int64_t month_index = (5 * day_of_year + 2) / 153;
    day = int(day_of_year - (153 * month_index + 2) / 5 + 1);
    month = int(month_index < 10 ? month_index + 3 : month_index - 9);
    year = year_of_era + era * 400 + (month <= 2);
}

date_value date_value::today(int language, std::int64_t now) {
    date_value d;
    d.language = language;
    d.clock = now;
    const std::time_t time = std::time_t(now);
    std::tm local{};
    localtime_r(&time, &local);
    d.valid = true;
    d.broken_down.tm_mday = local.tm_mday;
    d.broken_down.tm_mon = local.tm_mon;
    d.broken_down.tm_year = local.tm_year;
    d.seconds =
        days_from_civil(std::int64_t(local.tm_year) + 1900, local.tm_mon + 1, local.tm_mday) *
        seconds_per_day;
    return d;
}

date_value date_value_from_filetime(std::int64_t seconds, int language) {
    date_value d;
    d.language = language;
    // Past this the year no longer fits the calendar fields.
    constexpr std::int64_t limit = std::int64_t(1) << 55;
    if (seconds > limit || seconds < -limit) return d;
    const std::int64_t days = floor_div(seconds, seconds_per_day);
    const std::int64_t time_of_day = seconds - days * seconds_per_day;
    std::int64_t year = 0;
    int month = 0;
    int day = 0;
    civil_from_days(days, year, month, day);
    d.valid = true;
    d.broken_down.tm_mday = day;
    d.broken_down.tm_mon = month - 1;
    d.broken_down.tm_year = int(year - 1900);
    d.broken_down.tm_hour = int(time_of_day / 3600);
    d.broken_down.tm_min = int(time_of_day / 60 % 60);
    d.broken_down.tm_sec = int(time_of_day % 60);
    d.seconds = seconds;
    return d;
}

}  // namespace engine
