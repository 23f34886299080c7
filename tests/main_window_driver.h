// Drives the main window as a person would: typing, picking list items by
// keyboard, clicking buttons and tabs.
#pragma once

#include "look/link_label.h"
#include "main_window/frmMain.h"
#include "stand_ins.h"

#include <QComboBox>
#include <QFrame>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QStackedWidget>
#include <QTabBar>
#include <QTest>

namespace amorix::test {

// The parts of the main window, found by their object names; 0 is the
// user, 1 the partner.
inline QGroupBox* details(const QWidget* window, int person)
{
    return child<QGroupBox>(window, person == 0 ? "yourDetails" : "partnerDetails");
}
inline QLineEdit* nameBox(const QWidget* window, int person)
{
    return child<QLineEdit>(details(window, person), "txtName");
}
// One of the person's date lists: "cboMonth", "cboDate" or "cboYear".
inline QComboBox* dateList(const QWidget* window, int person, const char* which)
{
    return child<QComboBox>(details(window, person), which);
}
// The reading view, none before the first reading.
inline ReadingView* readingView(const QWidget* window)
{
    return window->findChild<ReadingView*>(QStringLiteral("fraResult"));
}
inline QLabel* value(const QWidget* window, int index)
{
    return child<QLabel>(window, qPrintable(ReadingView::valueName(index)));
}
inline QFrame* display(const QWidget* window, int tab)
{
    const char* const frames[] = {"yourResult", "partnerResult", "loveResult"};
    return child<QFrame>(window, frames[tab]);
}

// True when the view is the page its stack shows.
inline bool inFront(const QWidget* view)
{
    const auto* stack = view ? qobject_cast<const QStackedWidget*>(view->parentWidget()) : nullptr;
    return stack && stack->currentWidget() == view;
}

// Shows the view where it is a page of a stack.
inline void bringToFront(QWidget* view)
{
    if (auto* stack = qobject_cast<QStackedWidget*>(view->parentWidget()))
        stack->setCurrentWidget(view);
}

inline void type(QLineEdit* box, const QString& text)
{
    box->setFocus();
    box->selectAll();
    if (text.isEmpty())
        QTest::keyClick(box, Qt::Key_Delete);
    else
        QTest::keyClicks(box, text);
}

// Picks a list item from the keyboard: Home, then Down until it is reached.
inline void choose(QComboBox* list, const QString& item)
{
    const int target = list->findText(item, Qt::MatchExactly);
    QVERIFY2(target >= 0, qPrintable(item));
    list->setFocus();
    QTest::keyClick(list, Qt::Key_Home);
    for (int i = 0; i < target; ++i)
        QTest::keyClick(list, Qt::Key_Down);
    QCOMPARE(list->currentText(), item);
}

struct Person {
    QString name;
    QString month;
    QString day;
    QString year;
};

inline void enter(frmMain& window, int index, const Person& person)
{
    type(test::nameBox(&window, index), person.name);
    choose(test::dateList(&window, index, "cboMonth"), person.month);
    choose(test::dateList(&window, index, "cboDate"), person.day);
    choose(test::dateList(&window, index, "cboYear"), person.year);
}

inline void clickTab(QTabBar* bar, int index)
{
    QTest::mouseClick(bar, Qt::LeftButton, {}, bar->tabRect(index).center());
}

inline QStringList values(const frmMain& window)
{
    QStringList texts;
    for (int value = 0; value < reading::kValueCount; ++value)
        texts.append(test::value(&window, value)->text());
    return texts;
}

} // namespace amorix::test
