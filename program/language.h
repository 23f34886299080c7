// The language the program speaks: its own texts and Qt's (the Yes, No and
// OK of message boxes, the text boxes' menus) in the first of the user's
// languages that the program has a translation for; English otherwise.
#pragma once

#include <QLocale>

namespace amorix {

// Puts the translation for the locale's languages in place, replacing any
// earlier one, and makes its language the default locale (dates, month
// names); false, and US English, where there is none.
bool useLanguage(const QLocale& locale);

// The desktop's language: LANGUAGE and LANG on Linux, the display language
// on Windows. Start-up puts it in place.
void useDesktopLanguage();

} // namespace amorix
