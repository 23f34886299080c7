#include "frmAbout.h"

#include "look/app_icon.h"
#include "look/colours.h"
#include "look/command_button.h"
#include "look/fonts.h"
#include "look/link_label.h"
#include "look/window_placement.h"
#include "rules/titles.h"
#include "system/modHelp.h"

#include <QBoxLayout>
#include <QLabel>
#include <QPushButton>

namespace amorix {
namespace {

QLabel* tealLabel(QWidget* parent, const char* name, const QString& text, const QFont& font, const QColor& ink)
{
    auto* label = new QLabel(text, parent);
    label->setObjectName(QLatin1String(name));
    label->setTextFormat(Qt::PlainText);
    label->setFont(font);
    label->setWordWrap(true);
    label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    setColours(label, ink, colour::teal);
    return label;
}

LinkLabel* tealLink(QWidget* parent, const char* name, const QString& text)
{
    auto* link = new LinkLabel(text, parent);
    link->setObjectName(QLatin1String(name));
    link->setFont(verdana(8.25, false, true));
    setColours(link, colour::cyan, colour::teal);
    return link;
}

} // namespace

frmAbout::frmAbout(QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint | Qt::WindowTitleHint | Qt::WindowCloseButtonHint)
{
    setWindowTitle(kWindowTitle);
    setModal(true);
    setColours(this, colour::black, colour::white);

    // Made in the order they are read; Tab visits the button, then the
    // two links.
    auto* picIcon = new QLabel(this);
    picIcon->setObjectName(QStringLiteral("picIcon"));
    picIcon->setPixmap(appIcon().pixmap(32, 32));
    QLabel* lblTitle = tealLabel(this, "lblTitle", kWindowTitle, verdana(9.75, true), colour::black);
    lblTitle->setWordWrap(false);
    QLabel* lblDescription = tealLabel(this, "lblDescription",
                                       tr("QX Amorix gives you a better view about the nature of your relationship "
                                          "with your  partner based on birth number calculations."),
                                       verdana(8.25), colour::black);
    // The text column's width sets the dialog's: 471 pixels in English.
    lblDescription->setMinimumSize(413, 41);
    LinkLabel* lblHomePage =
        tealLink(this, "lblHomePage", tr("Click here to visit %1").arg(modHelp::homePageAddress()));
    QLabel* lblFullBrandOffer = tealLabel(this, "lblFullBrandOffer",
                                          tr("Home Business Opportunity. Start your own Internet business and make "
                                             "money online. Get this software fully branded for your website."),
                                          verdana(8.25, true), colour::white);
    lblFullBrandOffer->setMinimumHeight(29);
    LinkLabel* lblCoBrand = tealLink(this, "lblCoBrand", tr("Click here for more details"));

    // A two-pixel rule across the whole dialog.
    auto* rule = new QFrame(this);
    rule->setObjectName(QStringLiteral("lineAboveButton"));
    rule->setFixedHeight(2);
    setColours(rule, colour::white, colour::black);

    QPushButton* cmdOK = commandButton(tr("OK"), this);
    cmdOK->setObjectName(QStringLiteral("cmdOK"));
    cmdOK->setFont(verdana(8.25));
    cmdOK->setMinimumSize(84, 23);
    cmdOK->setDefault(true);
    connect(cmdOK, &QPushButton::clicked, this, &frmAbout::cmdOK_Click);
    connect(lblHomePage, &LinkLabel::clicked, this, &frmAbout::lblHomePage_Click);
    connect(lblCoBrand, &LinkLabel::clicked, this, &frmAbout::lblCoBrand_Click);
    cmdOK->setFocus();
    chainTabOrder({cmdOK, lblHomePage, lblCoBrand});

    // The icon beside the title and what the program does, each link under
    // its text at the right, the rule, and OK at the lower right.
    auto* text = new QVBoxLayout;
    text->setSpacing(0);
    text->addWidget(lblTitle);
    text->addSpacing(6);
    text->addWidget(lblDescription);
    text->addWidget(lblHomePage, 0, Qt::AlignRight);
    auto* heading = new QHBoxLayout;
    heading->setSpacing(12);
    heading->addWidget(picIcon, 0, Qt::AlignTop);
    heading->addLayout(text);
    auto* content = new QVBoxLayout;
    content->setContentsMargins(4, 4, 10, 0);
    content->setSpacing(0);
    content->addLayout(heading);
    content->addSpacing(24);
    content->addWidget(lblFullBrandOffer);
    content->addWidget(lblCoBrand, 0, Qt::AlignRight);
    content->addSpacing(23);
    auto* buttons = new QHBoxLayout;
    buttons->setContentsMargins(0, 5, 5, 4);
    buttons->addStretch();
    buttons->addWidget(cmdOK);
    auto* dialog = new QVBoxLayout(this);
    dialog->setContentsMargins(0, 0, 0, 0);
    dialog->setSpacing(0);
    dialog->addLayout(content);
    dialog->addStretch();
    dialog->addWidget(rule);
    dialog->addLayout(buttons);
    dialog->setSizeConstraint(QLayout::SetFixedSize);
    dialog->activate();

    centreOnScreen(this);
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
