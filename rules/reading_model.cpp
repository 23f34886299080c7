#include "reading_model.h"

#include "date_rules.h"

#include "engine/interpretations.h"
#include "engine/numerology.h"
#include "resume_next.h"
#include "text_rules.h"

#include <cstdint>

namespace amorix::reading {

std::optional<Problem> firstProblem(const Couple& couple)
{
    const QString missingName[kPersons] = {QStringLiteral("Please Enter Your Name"),
                                           QStringLiteral("Please Enter Your Partner's Name")};
    for (int person = 0; person < kPersons; ++person)
        if (trimSpaces(couple[person].name).isEmpty())
            return Problem{missingName[person], MessageIcon::Critical, person};

    for (const Entries& entries : couple) {
        // A year that is no number cannot be checked; the lists never hold one.
        const auto year = attempt([&] { return int16FromText(entries.yearText); });
        if (!year)
            continue;
        switch (dateProblem(entries.dayIndex, entries.monthIndex, *year)) {
        case DateProblem::None: break;
        case DateProblem::FebruaryTooLong:
            return Problem{QStringLiteral("Please Enter Correct Date Or Month!"), MessageIcon::Information, {}};
        case DateProblem::ThirtyDayMonth:
            return Problem{QStringLiteral("Please Enter Correct Date Or Month !"), MessageIcon::Information, {}};
        }
    }
    return std::nullopt;
}

QString dateOfBirth(const QString& monthText, int day, int year)
{
    return monthText + u' ' + QString::number(day) + QStringLiteral(", ") + QString::number(year);
}

Reading makeReading(const Couple& couple)
{
    Reading values;
    std::optional<std::int16_t> birth[kPersons];
    for (int person = 0; person < kPersons; ++person) {
        const Entries& entries = couple[person];
        const auto day = attempt([&] { return int16FromText(entries.dayText); });
        const auto year = attempt([&] { return int16FromText(entries.yearText); });
        const auto month = static_cast<std::int16_t>(entries.monthIndex + 1);

        values[valueIndex(person, Name)] = trimSpaces(entries.name);
        if (day && year) {
            values[valueIndex(person, DateOfBirth)] = dateOfBirth(entries.monthText, *day, *year);
            birth[person] = attempt([&] { return birthNumber(*day, month, *year); });
        }
        values[valueIndex(person, Significance)] = fromUtf8View(significanceText());
        if (birth[person]) {
            values[valueIndex(person, BirthNumber)] = QString::number(*birth[person]);
            values[valueIndex(person, Interpretation)] =
                attempt([&] { return fromUtf8View(personalInterpretation(*birth[person])); });
        }
    }
    if (birth[0] && birth[1]) {
        if (const auto love = attempt([&] { return loveNumber(*birth[0], *birth[1]); })) {
            values[kLoveNumber] = QString::number(*love);
            values[kLoveInterpretation] = attempt([&] { return fromUtf8View(loveInterpretation(*love)); });
        }
    }
    return values;
}

} // namespace amorix::reading
