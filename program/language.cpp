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
    if (!program.load(locale, QStringLiteral("amorix"), QStringLiteral("_"), QStringLiteral(":/i18n")))
        return false;
    QCoreApplication::installTranslator(&program);
    if (qt.load(locale, QStringLiteral("qtbase"), QStringLiteral("_"), QStringLiteral(":/i18n")))
        QCoreApplication::installTranslator(&qt);
    return true;
}

void useDesktopLanguage() { useLanguage(QLocale::system()); }

} // namespace amorix
