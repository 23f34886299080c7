#include "reading_model.h"

#include "date_rules.h"

#include "engine/interpretations.h"
#include "engine/numerology.h"
#include "resume_next.h"
#include "text_rules.h"

#include <QCoreApplication>
#include <QLocale>
#include <QRegularExpression>

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

QString dateOfBirth(const QDate& date)
{
    QLocale locale;
    if (locale.language() == QLocale::C)
        locale = QLocale(QLocale::English, QLocale::UnitedStates);
    // The language's long date, its weekday and what follows it dropped.
    // Quoted parts are words ("'de'") and stay as they are; in French and
    // Portuguese the first of a month is an ordinal, which the translation
    // gives.
    const QString first = Texts::tr("1", "the first day of a month in a date: French 1er, Portuguese 1º");
    const QStringList parts = locale.dateFormat(QLocale::LongFormat).split(u'\'');
    QString format;
    for (qsizetype i = 0; i < parts.size(); ++i) {
        QString part = parts[i];
        if (i % 2 == 0) {
            part.remove(QRegularExpression(QStringLiteral("d{4}[,\\s]*")));
            if (date.day() == 1 && first != QLatin1String("1"))
                part.replace(QRegularExpression(QStringLiteral("(?<!d)d(?!d)")),
                             QLatin1Char('\'') + first + QLatin1Char('\''));
        }
        format += (i > 0 ? QStringLiteral("'") : QString()) + part;
    }
    return locale.toString(date, format.trimmed());
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
            if (const QDate date(*year, month, *day); date.isValid())
                values[valueIndex(person, DateOfBirth)] = dateOfBirth(date);
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
