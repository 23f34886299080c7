// Views that share one place in a window (the main window's input area and
// reading view, the reading's three display frames, the banner's two
// labels): the one brought to the front is the one shown, and the ones it
// covers are hidden, so that neither Tab nor a screen reader reaches what
// nobody can see. Hiding keeps every entry a view holds.
#pragma once

class QWidget;

namespace amorix {

// Brings the view in front of its siblings, shows it, and hides the
// siblings on the same place.
void bringToFront(QWidget* view);

// True when the view is the one shown on its place.
bool inFront(const QWidget* view);

} // namespace amorix
