#include "frmAbout.h"

#include "look/app_icon.h"
#include "look/colours.h"
#include "look/command_button.h"
#include "look/fonts.h"
#include "look/link_label.h"
#include "look/twips.h"
#include "look/window_placement.h"
#include "rules/titles.h"
#include "system/modHelp.h"
#include "system_widgets/forms.h"

#include <QLabel>
#include <QPushButton>

namespace amorix {
namespace {

QLabel* tealLabel(QWidget* parent, const QString& text, const QRect& place, const QFont& font, const QColor& ink)
{
    auto* label = new QLabel(text, parent);
    label->setTextFormat(Qt::PlainText);
    label->setFont(font);
    label->setGeometry(place);
    label->setWordWrap(true);
    label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    setColours(label, ink, colour::teal);
    return label;
}

LinkLabel* tealLink(QWidget* parent, const QString& text, int leftTwips, int topTwips)
{
    auto* link = new LinkLabel(text, parent);
    link->setFont(verdana(8.25, false, true));
    link->move(pixels(leftTwips), pixels(topTwips));
    setColours(link, colour::cyan, colour::teal);
    link->adjustSize();
    return link;
}

} // namespace

frmAbout::frmAbout(QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint | Qt::WindowTitleHint | Qt::WindowCloseButtonHint)
{
    setWindowTitle(kWindowTitle);
    setModal(true);
    setFixedSize(twipsSize(7065, 3045));
    setColours(this, colour::black, colour::white);

    picIcon_ = new QLabel(this);
    picIcon_->setGeometry(twips(60, 60, 480, 480));
    picIcon_->setPixmap(appIcon().pixmap(32, 32));

    Label2_ = tealLabel(this, kWindowTitle, twips(720, 60, 3990, 240), verdana(9.75, true), colour::black);
    Label2_->setWordWrap(false);
    Label2_->adjustSize();

    Label1_ = tealLabel(this,
                        tr("QX Amorix gives you a better view about the nature of your relationship "
                           "with your  partner based on birth number calculations."),
                        twips(720, 390, 6195, 615), verdana(8.25), colour::black);

    lblHomePage_ = tealLink(this, tr("Click here to visit %1").arg(modHelp::homePageAddress()), 2865, 1005);
    connect(lblHomePage_, &LinkLabel::clicked, this, &frmAbout::lblHomePage_Click);

    Label3_ = tealLabel(this,
                        tr("Home Business Opportunity. Start your own Internet business and make money "
                           "online. Get this software fully branded for your website."),
                        twips(60, 1560, 6885, 435), verdana(8.25, true), colour::white);

    lblCoBrand_ = tealLink(this, tr("Click here for more details"), 4650, 1995);
    connect(lblCoBrand_, &LinkLabel::clicked, this, &frmAbout::lblCoBrand_Click);

    // A two-pixel rule across the whole dialog.
    Line2_ = new QFrame(this);
    Line2_->setGeometry(QRect(pixels(-30), pixels(2550) - 1, pixels(7080 + 30), 2));
    setColours(Line2_, colour::white, colour::black);

    cmdOK_ = commandButton(tr("OK"), this);
    cmdOK_->setGeometry(twips(5730, 2640, 1260, 345));
    cmdOK_->setFont(verdana(8.25));
    cmdOK_->setDefault(true);
    connect(cmdOK_, &QPushButton::clicked, this, &frmAbout::cmdOK_Click);
    cmdOK_->setFocus();
    // The two links come after the button.
    chainTabOrder({cmdOK_, lblHomePage_, lblCoBrand_});

    centreOnScreen(this);
    forms::add(this);
}

void frmAbout::showEvent(QShowEvent* event)
{
    QDialog::showEvent(event);
    centreOnScreen(this);
}

void frmAbout::cmdOK_Click() { accept(); }
void frmAbout::lblHomePage_Click() { modHelp::OpenHomePage(); }
void frmAbout::lblCoBrand_Click() { modHelp::OpenFullyBrandedPage(); }

} // namespace amorix
