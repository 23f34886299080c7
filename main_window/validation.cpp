// Whether the entries may become a reading: the model names the first
// problem, the window tells the user and moves the focus.
#include "frmMain.h"
#include "rules/reading_model.h"

#include "shell/seams.h"

#include <QComboBox>
#include <QLineEdit>

namespace amorix {

reading::Couple frmMain::entries() const
{
    reading::Couple couple;
    for (int person = 0; person < reading::kPersons; ++person)
        couple[person] = {txtName[person]->text(),         cboMonth[person]->currentIndex(),
                          cboDate[person]->currentIndex(), cboMonth[person]->currentText(),
                          cboDate[person]->currentText(),  cboYear[person]->currentText()};
    return couple;
}

bool frmMain::ValidateDetails()
{
    const std::optional<reading::Problem> problem = reading::firstProblem(entries());
    if (!problem)
        return true;
    tellUser(problem->message, problem->icon);
    if (problem->focusName)
        txtName[*problem->focusName]->setFocus();
    return false;
}

} // namespace amorix
