// Typing any text into a widget, one key event per character, as a
// keyboard or an input method delivers it (QTest::keyClicks takes ASCII only).
#pragma once

#include <QTest>

namespace amorix::test {

inline void typeText(QWidget* widget, const QString& text)
{
    for (const char32_t c : text.toUcs4()) {
        if (c < 128 && c >= 32)
            QTest::keyClick(widget, static_cast<char>(c));
        else
            QTest::sendKeyEvent(QTest::Click, widget, Qt::Key_unknown, QString::fromUcs4(&c, 1), Qt::NoModifier);
    }
}

} // namespace amorix::test
