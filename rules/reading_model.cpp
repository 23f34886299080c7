#include "reading_model.h"

#include "date_rules.h"

#include "engine/interpretations.h"
#include "engine/numerology.h"
#include "resume_next.h"
#include "text_rules.h"

#include <QCoreApplication>

#include <cstdint>
#include <string>

namespace amorix {
namespace {

// The engine's texts, marked there under this context.
class Interpretations {
    Q_DECLARE_TR_FUNCTIONS(amorix::Interpretations)
public:
    static QString translated(std::string_view english) { return tr(std::string(english).c_str()); }
};

} // namespace
} // namespace amorix

namespace amorix::reading {
namespace {

// This module's own texts.
class Texts {
    Q_DECLARE_TR_FUNCTIONS(amorix::reading)
};

} // namespace

QString readingText(std::string_view english) { return Interpretations::translated(english); }

std::optional<Problem> firstProblem(const Couple& couple)
{
    const QString missingName[kPersons] = {Texts::tr("Please Enter Your Name"),
                                           Texts::tr("Please Enter Your Partner's Name")};
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
            //: A day past the end of February. Two messages on purpose: this one without a space
            //: before "!", the one for a 30-day month with one; translate both alike.
            return Problem{Texts::tr("Please Enter Correct Date Or Month!"), MessageIcon::Information, {}};
        case DateProblem::ThirtyDayMonth:
            //: The 31st of a 30-day month. Two messages on purpose: this one with a space before
            //: "!", the one for February without; translate both alike.
            return Problem{Texts::tr("Please Enter Correct Date Or Month !"), MessageIcon::Information, {}};
        }
    }
    return std::nullopt;
}

QString dateOfBirth(const QString& monthText, int day, int year)
{
    // The month's name, the day and the year, in the order and with the
    // marks of the user's language ("March 7, 1985").
    return Texts::tr("%1 %2, %3", "date of birth: month name, day, year")
        .arg(monthText, QString::number(day), QString::number(year));
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
        values[valueIndex(person, Significance)] = readingText(significanceText());
        if (birth[person]) {
            values[valueIndex(person, BirthNumber)] = QString::number(*birth[person]);
            values[valueIndex(person, Interpretation)] =
                attempt([&] { return readingText(personalInterpretation(*birth[person])); });
        }
    }
    if (birth[0] && birth[1]) {
        if (const auto love = attempt([&] { return loveNumber(*birth[0], *birth[1]); })) {
            values[kLoveNumber] = QString::number(*love);
            values[kLoveInterpretation] = attempt([&] { return readingText(loveInterpretation(*love)); });
        }
    }
    return values;
}

} // namespace amorix::reading
