// The input area: a line of invitation, the user's and the partner's
// details, and the button that asks for the reading. It stands on the same
// place as the reading view.
#pragma once

#include "person_details.h"

#include <QFrame>

#include <array>

class QLabel;

namespace amorix {

class InputArea : public QFrame {
    Q_OBJECT
public:
    explicit InputArea(QWidget* parent);

    // Fills both persons' lists and sets their defaults.
    void load();

    // Both persons' entries as the controls hold them.
    reading::Couple entries() const;

    // The person's name box, where the focus goes when the name is wanted.
    QWidget* nameBox(int person) const;

    // The line of invitation above the details.
    QString introduction() const;

signals:
    // The reading was asked for with the button.
    void proceedRequested();

private:
    QLabel* lblIntroduction_ = nullptr;
    std::array<PersonDetails*, reading::kPersons> fraDetails_{};
};

} // namespace amorix
