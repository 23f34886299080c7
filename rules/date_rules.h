// Which birth dates cannot exist. Days and months come as list positions
// (day 0 is the 1st, month 0 is January), in the engine's order: day,
// month, year.
#pragma once

namespace amorix {

enum class DateProblem {
    None,
    FebruaryTooLong, // the 30th or 31st of February, or the 29th outside a leap year
    ThirtyDayMonth, // the 31st of April, June, September or November
};

// Gregorian: every fourth year, but not whole centuries unless divisible by 400.
constexpr bool isLeapYear(int year) { return (year % 4 == 0 && year % 100 != 0) || year % 400 == 0; }

constexpr DateProblem dateProblem(int dayIndex, int monthIndex, int year)
{
    constexpr int february = 1;
    if (monthIndex == february) {
        const int lastDayIndex = isLeapYear(year) ? 28 : 27;
        if (dayIndex > lastDayIndex)
            return DateProblem::FebruaryTooLong;
    }
    const bool thirtyDays = monthIndex == 3 || monthIndex == 5 || monthIndex == 8 || monthIndex == 10;
    if (thirtyDays && dayIndex == 30)
        return DateProblem::ThirtyDayMonth;
    return DateProblem::None;
}

} // namespace amorix
