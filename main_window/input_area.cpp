// Positions are in twips within the area.
#include "input_area.h"

#include "view_parts.h"

#include "look/colours.h"
#include "look/command_button.h"
#include "look/fonts.h"
#include "look/twips.h"
#include "look/window_placement.h"

#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>

namespace amorix {

InputArea::InputArea(QWidget* parent)
    : QFrame(parent)
{
    paintView(this, colour::darkGrey);
    lblIntroduction_ =
        wrappedLabel(this,
                     tr("Let QX Amorix tell you more about your relationship. Just enter your partner's and "
                        "your date of birth and know more about your love prospects!"),
                     twips(240, 120, 7755, 675), colour::white);

    fraDetails_[0] = new PersonDetails(tr("Your Personal Details"), 0, this);
    fraDetails_[0]->setGeometry(twips(1875, 960, 4500, 1250));
    fraDetails_[1] = new PersonDetails(tr("Your Partner's Personal Details"), 1, this);
    fraDetails_[1]->setGeometry(twips(1875, 2325, 4500, 1250));

    cmdProceed_ = commandButton(tr("&Get My Amorix Reading"), this);
    cmdProceed_->setGeometry(twips(1875, 3690, 4500, 375));
    cmdProceed_->setFont(verdana(8.25, true));

    const PersonDetails& you = *fraDetails_[0];
    const PersonDetails& partner = *fraDetails_[1];
    chainTabOrder({you.txtName(), you.cboMonth(), you.cboDate(), you.cboYear(), partner.txtName(), partner.cboMonth(),
                   partner.cboDate(), partner.cboYear(), cmdProceed_});
}

void InputArea::load()
{
    for (PersonDetails* details : fraDetails_)
        details->load();
}

reading::Couple InputArea::entries() const { return {fraDetails_[0]->entries(), fraDetails_[1]->entries()}; }

} // namespace amorix
