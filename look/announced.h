// What a screen reader is told beyond what the widgets tell by themselves,
// in the terms Orca (the Linux desktop's screen reader) listens for.
#pragma once

#include <QString>

class QComboBox;
class QLabel;
class QStackedWidget;
class QWidget;

namespace amorix {

// Names a control by a label tied to it that is never shown, made once a
// screen reader listens. A screen reader names a control by the labels
// tied to it before its own name, and Qt on Linux gives a list its current
// item as its name, so a list is heard by this label alone. The control's
// own name is set too, for the platforms that read it.
void nameForReaders(QWidget* control, const QString& name);

// Ties a shown title to the value it stands before, so that the value is
// heard with its title ("Birth Number, 6").
void titleFor(QLabel* title, QWidget* value);

// Has a list heard with its item when it gets the focus, and its new item
// the moment it changes (arrow keys, typing). Qt reports such a change as
// a new name of the list, which Orca drops for lists; so the new item
// itself is reported as the point of focus, as Orca takes it from any
// desktop list. The item also stands as the list's description, which
// Orca reads after the list's name.
void speakItemChanges(QComboBox* list);

// A stack of views on one place is heard as nothing of its own.
void passedOver(QStackedWidget* stack);

// A tab's page is heard as the tab, by its caption, when the focus enters it.
void heardAsTab(QWidget* page, const QString& caption);

// A window heard as a dialog: when it opens, its title and every text in
// it that labels nothing else are read.
void heardAsDialog(QWidget* window);

// A text read with the dialog it stands in, when that opens, also where it
// stands in a captioned frame. Called before the label gets its text.
void readWithItsWindow(QLabel* text);

} // namespace amorix
