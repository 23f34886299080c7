// Command buttons as the platform has them.
#pragma once

#include <QString>

class QPushButton;
class QWidget;

namespace amorix {

// A command button: Enter, keypad Enter and Space press it while it has the
// focus, and its access key moves the focus to it before it acts. Enter
// typed elsewhere (in a text box) presses no button.
QPushButton* commandButton(const QString& caption, QWidget* parent);

} // namespace amorix
