// Setting names and values are never stored as typed: each character is
// shifted 85 places up on the way in and back down on the way out.
#pragma once

#include <QDate>
#include <QLocale>
#include <QString>

#include <array>

namespace amorix {

// A single-byte code page: the character each byte stands for.
using CodePage = std::array<char16_t, 256>;

// Latin-1: each byte stands for the character of the same code.
const CodePage& latin1CodePage();

// Each character that has a byte in the code page is replaced by the
// character of the byte 85 higher (within 0..255; the bytes of names and
// dates, 32..170, land on 117..255); other characters are kept.
// DecodeSetting undoes EncodeSetting for every text, and also reads what
// was encoded through Latin-1, where the page has no byte for a character
// of 0..255 (the control characters 128..159 of Latin-1 that Windows-1252
// fills with printable ones).
QString EncodeSetting(const QString& text, const CodePage& page);
QString DecodeSetting(const QString& text, const CodePage& page);

// The user's short date order with a four-digit year ("M/d/yyyy" where the
// locale writes "M/d/yy"), so that a stored date reads back as the same day.
QString shortDateFormat(const QLocale& locale = QLocale());
QString shortDateText(QDate date, const QLocale& locale = QLocale());
// An invalid QDate when the text is not a date in that format.
QDate dateFromShortText(const QString& text, const QLocale& locale = QLocale());

// The reminder's date as stored: year-month-day (2026-12-07), the same in
// every locale, so that a start under another language reads the same day.
QString storedDateText(QDate date);
// The stored date: year-month-day, else the user's short date format, in
// which earlier versions stored it. Invalid when it is neither.
QDate dateFromStoredText(const QString& text, const QLocale& locale = QLocale());

} // namespace amorix
