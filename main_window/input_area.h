// The input area: a line of invitation, the user's and the partner's
// details, and the button that asks for the reading. It stands on the same
// place as the reading view.
#pragma once

#include "person_details.h"

#include <QFrame>

#include <array>

class QLabel;
class QPushButton;

namespace amorix {

class InputArea : public QFrame {
    Q_OBJECT
public:
    explicit InputArea(QWidget* parent);

    // Fills both persons' lists and sets their defaults.
    void load();

    // Both persons' entries as the controls hold them.
    reading::Couple entries() const;

    PersonDetails* fraDetails(int person) const { return fraDetails_.at(person); }
    QPushButton* cmdProceed() const { return cmdProceed_; }
    // The line of invitation above the details.
    QLabel* lblIntroduction() const { return lblIntroduction_; }

private:
    QLabel* lblIntroduction_ = nullptr;
    std::array<PersonDetails*, reading::kPersons> fraDetails_{};
    QPushButton* cmdProceed_ = nullptr;
};

} // namespace amorix
