#include "input_area.h"

#include "view_parts.h"

#include "look/boxed_label.h"
#include "look/colours.h"
#include "look/command_button.h"
#include "look/fonts.h"

#include <QBoxLayout>
#include <QLabel>
#include <QPushButton>

namespace amorix {

InputArea::InputArea(QWidget* parent)
    : QFrame(parent)
{
    setObjectName(QStringLiteral("fraMain"));
    paintView(this, colour::darkGrey);
    lblIntroduction_ =
        wrappedLabel(this,
                     tr("Let QX Amorix tell you more about your relationship. Just enter your partner's and "
                        "your date of birth and know more about your love prospects!"),
                     colour::white, 517, 45);
    lblIntroduction_->setObjectName(QStringLiteral("lblIntroduction"));

    // Tab visits the controls in the order they are made: the user's
    // details, the partner's, then the button.
    fraDetails_[0] = new PersonDetails(tr("Your Personal Details"), 0, this);
    fraDetails_[1] = new PersonDetails(tr("Your Partner's Personal Details"), 1, this);
    QPushButton* cmdProceed = commandButton(tr("&Get My Amorix Reading"), this);
    cmdProceed->setObjectName(QStringLiteral("cmdProceed"));
    cmdProceed->setFont(verdana(8.25, true));
    cmdProceed->setMinimumHeight(25);
    connect(cmdProceed, &QPushButton::clicked, this, &InputArea::proceedRequested);

    // The details and the button in one column, centred under the
    // invitation; a longer translation widens the column.
    auto* column = new QVBoxLayout;
    column->setSpacing(8);
    column->addWidget(fraDetails_[0]);
    column->addWidget(fraDetails_[1]);
    column->addWidget(cmdProceed);
    auto* centred = new QHBoxLayout;
    centred->addStretch();
    centred->addLayout(column);
    centred->addStretch();

    auto* area = new QVBoxLayout(this);
    area->setContentsMargins(16, 8, 17, 9);
    area->setSpacing(11);
    area->addWidget(lblIntroduction_);
    area->addLayout(centred);
    area->addStretch();
    for (PersonDetails* details : fraDetails_)
        details->setMinimumWidth(300);
}

void InputArea::load()
{
    for (PersonDetails* details : fraDetails_)
        details->load();
}

reading::Couple InputArea::entries() const { return {fraDetails_[0]->entries(), fraDetails_[1]->entries()}; }

QWidget* InputArea::nameBox(int person) const { return fraDetails_.at(person)->nameBox(); }

QString InputArea::introduction() const { return lblIntroduction_->text(); }

} // namespace amorix
