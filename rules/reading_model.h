// The main window's rules without its widgets: both persons' entries as the
// controls hold them, the first problem that keeps them from a reading, and
// the reading's twelve values in the order of the labels that show them.
#pragma once

#include "message_icon.h"

#include <QDate>
#include <QString>

#include <string_view>

#include <array>
#include <optional>

namespace amorix::reading {

// Index 0 is the user, 1 the partner.
constexpr int kPersons = 2;

// One person's entries, as the name box and the three lists hold them.
struct Entries {
    QString name; // as typed
    int monthIndex = 0; // list position, 0 = January
    int dayIndex = 0; // list position, 0 = the 1st
    QString dayText; // "1" .. "31"
    QString yearText; // "1900" .. "2050"
};
using Couple = std::array<Entries, kPersons>;

// What keeps the entries from a reading: the message to show, its icon, and
// the person whose name box gets the focus (none: the focus stays).
struct Problem {
    QString message;
    MessageIcon icon;
    std::optional<int> focusName;
};

// Both names present, then the user's date, then the partner's: the first
// check that fails, or none.
std::optional<Problem> firstProblem(const Couple& couple);

// The value labels, in order: five rows for each person, then the couple's.
enum Row { Name, DateOfBirth, BirthNumber, Significance, Interpretation, kRowsPerPerson };
constexpr int valueIndex(int person, Row row) { return person * kRowsPerPerson + row; }
constexpr int kLoveNumber = kPersons * kRowsPerPerson;
constexpr int kLoveInterpretation = kLoveNumber + 1;
constexpr int kValueCount = kLoveInterpretation + 1;

// Each value, or none where its step failed (a text that is no number, a
// number the engine refuses): that label keeps what it showed before.
using Reading = std::array<std::optional<QString>, kValueCount>;
Reading makeReading(const Couple& couple);

// A text of the engine's (an interpretation, the significance) in the
// user's language: the one lookup for the program and its tests.
QString readingText(std::string_view english);

// The date as the user's language writes it in full, without the weekday:
// "March 7, 1985", "7. März 1985", "1er mars 1985". Where no language is
// chosen (the C locale), as in English.
QString dateOfBirth(const QDate& date);

} // namespace amorix::reading
