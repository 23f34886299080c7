// Whether the entries may become a reading: both names present, neither
// birth date impossible. The first failure is reported and ends the check.
#include "date_rules.h"
#include "frmMain.h"

#include "shell/resume_next.h"
#include "shell/seams.h"
#include "shell/text_rules.h"

#include <QComboBox>
#include <QLineEdit>

namespace amorix {

bool frmMain::ValidateDetails()
{
    const QString missingName[2] = {QStringLiteral("Please Enter Your Name"),
                                    QStringLiteral("Please Enter Your Partner's Name")};
    for (int person = 0; person < 2; ++person) {
        bool empty = false;
        resumeNext([&] { empty = trimSpaces(txtName[person]->text()).isEmpty(); });
        if (empty) {
            resumeNext([&] { tellUser(missingName[person], MessageIcon::Critical); });
            resumeNext([&] { txtName[person]->setFocus(); });
            return false;
        }
    }
    for (int person = 0; person < 2; ++person)
        if (!validateDate(person))
            return false;
    return true;
}

bool frmMain::validateDate(int person)
{
    DateProblem problem = DateProblem::None;
    resumeNext([&] {
        problem = dateProblem(int16FromText(cboYear[person]->currentText()), cboMonth[person]->currentIndex(),
                              cboDate[person]->currentIndex());
    });
    switch (problem) {
    case DateProblem::None:
        return true;
    case DateProblem::FebruaryTooLong:
        resumeNext([] { tellUser(QStringLiteral("Please Enter Correct Date Or Month!"), MessageIcon::Information); });
        return false;
    case DateProblem::ThirtyDayMonth:
        resumeNext([] { tellUser(QStringLiteral("Please Enter Correct Date Or Month !"), MessageIcon::Information); });
        return false;
    }
    return false;
}

} // namespace amorix
