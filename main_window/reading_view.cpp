// Turning the entries into a reading on three tabs, switching the tabs, and
// going back to the entries.
#include "frmMain.h"

#include "engine/interpretations.h"
#include "engine/numerology.h"
#include "shell/resume_next.h"
#include "shell/text_rules.h"

#include <QComboBox>
#include <QFontMetrics>
#include <QFrame>
#include <QLabel>
#include <QLineEdit>
#include <QTabBar>

#include <algorithm>
#include <cstdint>

namespace amorix {
namespace {

struct PersonDetails {
    QString name;
    std::int16_t day = 0;
    std::int16_t month = 0;
    QString monthName;
    std::int16_t year = 0;
};

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

} // namespace

void frmMain::cmdProceed_Click()
{
    // While this runs, closing the window must not bring up the exit screen.
    struct Running {
        bool& flag;
        bool previous;
        explicit Running(bool& f) : flag(f), previous(f) { flag = true; }
        ~Running() { flag = previous; }
    } running(proceedRunning_);

    if (!ValidateDetails())
        return;
    resumeNext([&] { ensureReadingView(); });
    if (!fraResult)
        return;

    PersonDetails person[2];
    for (int i = 0; i < 2; ++i) {
        PersonDetails& p = person[i];
        resumeNext([&] { p.name = trimSpaces(txtName[i]->text()); });
        resumeNext([&] { p.day = int16FromText(cboDate[i]->currentText()); });
        resumeNext([&] { p.month = static_cast<std::int16_t>(cboMonth[i]->currentIndex() + 1); });
        resumeNext([&] { p.monthName = cboMonth[i]->currentText(); });
        resumeNext([&] { p.year = int16FromText(cboYear[i]->currentText()); });
    }

    std::int16_t birth[2] = {0, 0};
    std::int16_t love = 0;
    for (int i = 0; i < 2; ++i)
        resumeNext([&] { birth[i] = birthNumber(person[i].day, person[i].month, person[i].year); });
    resumeNext([&] { love = loveNumber(birth[0], birth[1]); });

    for (int i = 0; i < 2; ++i) {
        const PersonDetails& p = person[i];
        const int first = 5 * i;
        resumeNext([&] { setValue(lblResult[first], p.name); });
        resumeNext([&] {
            setValue(lblResult[first + 1], p.monthName + u' ' + QString::number(p.day) + QStringLiteral(", ")
                                               + QString::number(p.year));
        });
        resumeNext([&] { setValue(lblResult[first + 2], QString::number(birth[i])); });
        resumeNext([&] { setValue(lblResult[first + 3], fromUtf8View(significanceText())); });
        resumeNext([&] { setValue(lblResult[first + 4], fromUtf8View(personalInterpretation(birth[i]))); });
    }
    resumeNext([&] { setValue(lblResult[10], QString::number(love)); });
    resumeNext([&] { setValue(lblResult[11], fromUtf8View(loveInterpretation(love))); });

    resumeNext([&] { fraDisplay[0]->raise(); });
    resumeNext([&] { fraResult->raise(); });
    // The focus goes where the user now looks, not stay on a control that
    // the reading view covers.
    if (QWidget* focused = focusWidget(); focused && fraMain->isAncestorOf(focused))
        focusBeforeReading_ = focused;
    TS->setFocus();
}

void frmMain::TS_Click()
{
    if (!TS)
        return;
    resumeNext([&] {
        const int selected = TS->currentIndex();
        if (selected == 0)
            fraDisplay[0]->raise();
        else if (selected == 1)
            fraDisplay[1]->raise();
        else
            fraDisplay[2]->raise();
    });
}

void frmMain::cmdBack_Click()
{
    resumeNext([&] { fraMain->raise(); });
    // Back in the input area, where the user was before the reading.
    if (focusBeforeReading_)
        focusBeforeReading_->setFocus();
    else
        txtName[0]->setFocus();
}

} // namespace amorix
