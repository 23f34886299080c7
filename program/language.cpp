#include "language.h"

#include <QCoreApplication>
#include <QTranslator>

namespace amorix {

bool useLanguage(const QLocale& locale)
{
    static QTranslator program, qt;
    QCoreApplication::removeTranslator(&program);
    QCoreApplication::removeTranslator(&qt);
    // The program's translations and Qt's are built in, under :/i18n.
    if (!program.load(locale, QStringLiteral("amorix"), QStringLiteral("_"), QStringLiteral(":/i18n"))) {
        // Dates and month names as in the English the program is written in.
        QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates));
        return false;
    }
    QCoreApplication::installTranslator(&program);
    // Dates and month names in the language the program now speaks, as the
    // desktop's country writes them where the desktop speaks it too. Qt's
    // own data for that locale: the system's may speak one language and
    // write dates in another (LANGUAGE=fr with LANG=C).
    const QLocale spoken(program.language()), desktop(locale.name());
    QLocale::setDefault(desktop.language() == spoken.language() ? desktop : spoken);
    if (qt.load(locale, QStringLiteral("qtbase"), QStringLiteral("_"), QStringLiteral(":/i18n")))
        QCoreApplication::installTranslator(&qt);
    return true;
}

void useDesktopLanguage() { useLanguage(QLocale::system()); }

} // namespace amorix
