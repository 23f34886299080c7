// Turning the entries into a reading on three tabs, switching the tabs, and
// going back to the entries.
#include "frmMain.h"
#include "rules/reading_model.h"

#include <QFontMetrics>
#include <QFrame>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QTabBar>

#include <algorithm>

namespace amorix {
namespace {

// One-line values grow to the width of their text, up to the frame's
// edge. Measuring no more of the text than can show keeps a name of many
// thousand characters as quick as a short one.
void setValue(QLabel* label, const QString& text)
{
    label->setText(text);
    if (label->wordWrap())
        return;
    const int room = label->parentWidget()->width() - label->x();
    const QFontMetrics metrics(label->font());
    constexpr qsizetype kEnough = 256;
    int width = metrics.horizontalAdvance(text.left(kEnough));
    if (width < room && text.size() > kEnough)
        width = metrics.horizontalAdvance(text);
    label->resize(std::min(width + 2, room), metrics.height());
}

// While the proceed action runs, closing the window brings up no exit screen.
class Running {
public:
    explicit Running(bool& flag)
        : flag_(flag)
        , previous_(flag)
    {
        flag_ = true;
    }
    ~Running() { flag_ = previous_; }
    Running(const Running&) = delete;
    Running& operator=(const Running&) = delete;

private:
    bool& flag_;
    bool previous_;
};

} // namespace

void frmMain::cmdProceed_Click()
{
    const Running running(proceedRunning_);
    if (!ValidateDetails())
        return;
    ensureReadingView();
    const reading::Reading values = reading::makeReading(entries());
    for (int i = 0; i < reading::kValueCount; ++i)
        if (values[i])
            setValue(lblResult[i], *values[i]);
    fraDisplay[0]->raise();
    fraResult->raise();
    // The focus goes where the user now looks; Back gives it back.
    if (QWidget* focused = focusWidget(); focused && fraMain->isAncestorOf(focused))
        focusBeforeReading_ = focused;
    TS->setFocus();
}

void frmMain::TS_Click()
{
    if (!TS)
        return;
    const int selected = TS->currentIndex();
    if (selected == 0)
        fraDisplay[0]->raise();
    else if (selected == 1)
        fraDisplay[1]->raise();
    else
        fraDisplay[2]->raise();
}

bool frmMain::readingInFront() const
{
    // The views share one place; the later of the two children is in front.
    if (!fraResult)
        return false;
    const QObjectList& views = fraResult->parentWidget()->children();
    return views.indexOf(fraResult) > views.indexOf(fraMain);
}

void frmMain::keyPressEvent(QKeyEvent* event)
{
    // As in any tabbed window: Ctrl+Tab and Ctrl+PgDn go to the next tab,
    // Ctrl+Shift+Tab and Ctrl+PgUp to the one before, round the ends.
    int step = 0;
    if (event->modifiers() & Qt::ControlModifier) {
        switch (event->key()) {
        case Qt::Key_Tab: step = (event->modifiers() & Qt::ShiftModifier) ? -1 : 1; break;
        case Qt::Key_Backtab: step = -1; break;
        case Qt::Key_PageDown: step = 1; break;
        case Qt::Key_PageUp: step = -1; break;
        default: break;
        }
    }
    if (step == 0 || !readingInFront()) {
        QMainWindow::keyPressEvent(event);
        return;
    }
    TS->setCurrentIndex((TS->currentIndex() + step + TS->count()) % TS->count());
    event->accept();
}

void frmMain::cmdBack_Click()
{
    fraMain->raise();
    // Back in the input area, where the user was before the reading.
    (focusBeforeReading_ ? focusBeforeReading_.data() : txtName[0])->setFocus();
}

} // namespace amorix
