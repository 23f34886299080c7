// What a screen reader is told beyond what the widgets tell by themselves:
// in the terms Orca (the Linux desktop's screen reader) listens for, and
// through UI Automation on Windows (NVDA, JAWS, Narrator). Where the two
// need different things, the platform says which (platform::
// screenReaderNeeds()).
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
// heard with its title ("Birth Number 6"): as the value's label, and where
// the platform's readers take no label, in the value's name too.
void titleFor(QLabel* title, QLabel* value);

// Has a list heard with its item when it gets the focus, and its new item
// the moment it changes (arrow keys, typing). Where the platform asks for
// it, the new item is reported as a point of focus of its own, standing
// for the item alone: reported inside the list's popup, Orca would walk
// every item of it first (twenty seconds for 151 years). The item then
// also stands as the list's description, which Orca reads after its name.
// With a reader listening, the closed popup keeps the item selected, so
// that nothing selects it anew out of sight.
void speakItemChanges(QComboBox* list);

// From now on, a control that cannot be seen (a covered view, a window not
// yet shown, a closed list's popup, a box out of sight) tells no screen
// reader of its focus, value, name or text: only what is shown is heard.
// Entry boxes made from now on are heard to their last character.
void hearOnlyWhatIsSeen();

// Shows a page of a stack. Where the focus was on the page it covers, the
// focus goes straight to the given control on the new page: hiding the old
// page first would pass it through whatever control follows in the Tab
// order, and a screen reader would say each of them.
void turnTo(QStackedWidget* stack, QWidget* page, QWidget* focus);

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
