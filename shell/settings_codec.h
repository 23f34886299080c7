// Setting names and values are never stored as typed: each character is
// shifted 85 places up on the way in and back down on the way out.
#pragma once

#include <QDate>
#include <QLocale>
#include <QString>

namespace amorix {

// Characters of codes 0..255 are shifted by 85 within that range (codes
// 32..170, those of names and dates, land on 117..255); other characters
// are kept. DecodeSetting undoes EncodeSetting for every text.
QString EncodeSetting(const QString& text);
QString DecodeSetting(const QString& text);

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
