// The exit screen's layout and behaviour.
#include "frmExitScreen.h"

#include "paragraph_label.h"
#include "refer_a_friend_form.h"

#include "look/announced.h"
#include "look/app_icon.h"
#include "look/classic_style.h"
#include "look/colours.h"
#include "look/command_button.h"
#include "look/fonts.h"
#include "look/link_label.h"
#include "look/window_placement.h"
#include "rules/titles.h"
#include "system/modHelp.h"
#include "system/seams.h"
#include "system_widgets/run.h"

#include <QBoxLayout>
#include <QCheckBox>
#include <QCloseEvent>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>

namespace amorix {

namespace {

constexpr std::array<const char*, kSupportTextCount> kSupportTexts = {
    QT_TRANSLATE_NOOP("amorix::frmExitScreen",
                      "Velmora Softwares, such as this can be created and maintained only with your support. The "
                      "best way to support Velmora Board is to visit Velmora regularly and take part in the "
                      "discussions and other activities on the board."),
    QT_TRANSLATE_NOOP("amorix::frmExitScreen",
                      "Visit Velmora regularly. Support Velmora by taking part in the discussions and other "
                      "activities. These softwares cannot be supported and maintained, without you regularly "
                      "visiting Velmora"),
    QT_TRANSLATE_NOOP("amorix::frmExitScreen",
                      "Velmora is a FREE online discussion forum for all things mystic. To help Velmora develop "
                      "and maintain this software visit Velmora regularly."),
    QT_TRANSLATE_NOOP("amorix::frmExitScreen",
                      "Velmora needs your help. All you need to do is visit Velmora regularly and take part in the "
                      "various discussions and activites to help us maintain and develop more Velmora Softwares."),
};

} // namespace

QString supportText(std::size_t index) { return frmExitScreen::tr(kSupportTexts.at(index)); }

QString catalogueText()
{
    // Two paragraphs: the run of 61 spaces between them shows as a gap.
    return frmExitScreen::tr("If you have enjoyed this software you will surely be interested in our other Velmora "
                             "Softwares. Velmora is one of the world\u2019s largest sources of programs on astrology, "
                             "psychic matters, tarot, numerology and the occult.")
        + QString(61, u' ')
        + frmExitScreen::tr("All the programs in the Velmora Softwares suite are simple and easy to use. They are fun "
                            "and informative at the same time. Try them out and share the experience with your "
                            "friends and family.")
        + u' ';
}

namespace {

// The look of the screen's two captioned frames.
void paintNavy(QGroupBox* frame, const char* name)
{
    frame->setObjectName(QLatin1String(name));
    frame->setFont(verdana(9.75, true));
    setColours(frame, colour::white, colour::navy);
}

// A text that wraps from the top left.
QLabel* paragraph(QLabel* label, const char* name, const QFont& font)
{
    label->setObjectName(QLatin1String(name));
    label->setFont(font);
    label->setWordWrap(true);
    label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    label->setTextFormat(Qt::PlainText);
    return label;
}

// The widget in a row of its own, this far in from the left and right.
QHBoxLayout* indented(QWidget* widget, int left, int right)
{
    auto* row = new QHBoxLayout;
    row->setContentsMargins(left, 0, right, 0);
    row->addWidget(widget);
    return row;
}

} // namespace

frmExitScreen::frmExitScreen(QWidget* parent)
    : QWidget(parent, Qt::Window | Qt::WindowStaysOnTopHint | Qt::MSWindowsFixedSizeDialogHint) // fixed border
{
    heardAsDialog(this);
    setAttribute(Qt::WA_DeleteOnClose);
    setWindowTitle(kWindowTitle);
    setWindowIcon(appIcon());
    setColours(this, colour::black, colour::white);
    setFont(verdana(8.25));

    // Made in the order they are read; Tab visits Exit, the link check
    // box, the form and the catalogue link.
    auto* picIcon = new QLabel(this);
    picIcon->setObjectName(QStringLiteral("picIcon"));
    picIcon->setPixmap(appIcon().pixmap(32, 32));
    auto* lblTitle = new QLabel(kWindowTitle, this);
    lblTitle->setObjectName(QStringLiteral("lblTitle"));
    lblTitle->setFont(faceFont(QStringLiteral("MS Sans Serif"), 18));
    // Its text centred 8 pixels below the icon's top, the height of two lines.
    lblTitle->setContentsMargins(0, 8, 0, 0);
    lblTitle->setMinimumHeight(37);

    lblSupport_ = paragraph(new QLabel(supportText(1), this), "lblSupport", verdana(9.75, true));
    // The left column's width sets the screen's: 741 pixels in English.
    lblSupport_->setMinimumSize(465, 73);

    auto* cmdClose = commandButton(tr("E&xit"), this);
    cmdClose->setObjectName(QStringLiteral("cmdClose"));
    cmdClose->setMinimumSize(83, 25);
    cmdClose->setDefault(true);
    connect(cmdClose, &QPushButton::clicked, this, &frmExitScreen::cmdClose_Click);

    chkVisitHome_ = new QCheckBox(tr("Click Here To Visit Velmora Now"), this);
    chkVisitHome_->setObjectName(QStringLiteral("chkVisitHome"));
    chkVisitHome_->setStyle(classicStyle()); // pressed, focused and announced by its whole rectangle
    chkVisitHome_->setMinimumHeight(37);
    chkVisitHome_->setFont(verdana(14.25));
    chkVisitHome_->setCursor(Qt::PointingHandCursor);
    setTextColour(chkVisitHome_, colour::blue);
    connect(chkVisitHome_, &QCheckBox::toggled, this, &frmExitScreen::chkVisitHome_Click);

    auto* fraReferAFriend = new ReferAFriendForm(this);
    paintNavy(fraReferAFriend, "fraReferAFriend");

    QGroupBox* fraCatalogue = captionedFrame(tr("Download Velmora Softwares"), this);
    paintNavy(fraCatalogue, "fraCatalogue");
    auto* lblCatalogue = new ParagraphLabel(fraCatalogue);
    readWithItsWindow(lblCatalogue); // before its text, which Qt tells at once
    paragraph(lblCatalogue, "lblCatalogue", verdana(9));
    lblCatalogue->setText(catalogueText());
    lblCatalogue->setMinimumWidth(233);
    setTextColour(lblCatalogue, colour::white);

    auto* lblGoToHome = new LinkLabel(tr("Click Here To Visit Velmora Softwares"), fraCatalogue);
    lblGoToHome->setObjectName(QStringLiteral("lblGoToHome"));
    lblGoToHome->setFont(verdana(9, true, true));
    // Under the text, on two lines where a wider face or a longer
    // translation needs them.
    lblGoToHome->setWordWrap(true);
    setTextColour(lblGoToHome, colour::yellow);
    connect(lblGoToHome, &LinkLabel::clicked, this, &frmExitScreen::lblGoToHome_Click);

    // Left: the icon and title, the support text, the link check box, Exit
    // at the right, the form. Right: the catalogue frame, full height.
    auto* heading = new QHBoxLayout;
    heading->setContentsMargins(22, 0, 0, 0);
    heading->setSpacing(16);
    heading->addWidget(picIcon, 0, Qt::AlignTop);
    heading->addWidget(lblTitle, 1);
    auto* left = new QVBoxLayout;
    left->setContentsMargins(2, 8, 7, 2);
    left->setSpacing(0);
    left->addLayout(heading);
    left->addSpacing(11);
    left->addLayout(indented(lblSupport_, 6, 8));
    left->addSpacing(7);
    left->addWidget(chkVisitHome_);
    left->addSpacing(11);
    left->addWidget(cmdClose, 0, Qt::AlignRight);
    left->addSpacing(7);
    left->addLayout(indented(fraReferAFriend, 6, 2));
    left->addStretch();

    auto* catalogue = new QVBoxLayout(fraCatalogue);
    catalogue->setContentsMargins(2, 3, 2, 1);
    catalogue->setSpacing(0);
    catalogue->addLayout(indented(lblCatalogue, 3, 3), 1);
    catalogue->addWidget(lblGoToHome);

    auto* screen = new QHBoxLayout(this);
    screen->setContentsMargins(0, 0, 4, 2);
    screen->setSpacing(0);
    screen->addLayout(left);
    auto* right = new QVBoxLayout;
    right->setContentsMargins(0, 8, 0, 0);
    right->addWidget(fraCatalogue);
    screen->addLayout(right);
    screen->setSizeConstraint(QLayout::SetFixedSize);
    screen->activate();

    centreOnScreen(this);
    // The screen opens ready for Enter on "E&xit": the focus it takes as it
    // becomes the active window, told to a screen reader once it shows.
    cmdClose->setFocus();

    Form_Load();
}

void frmExitScreen::Form_Load()
{
    dice().seedFromClock();
    lblSupport_->setText(supportText(static_cast<std::size_t>(drawBelow(static_cast<int>(kSupportTextCount)))));
    // Topmost is set with the window flags above; showing it is the caller's.
}

void frmExitScreen::showEvent(QShowEvent* event)
{
    QWidget::showEvent(event);
    centreOnScreen(this);
    // The screen opens as the active window.
    activateWindow();
    raise();
}

void frmExitScreen::chkVisitHome_Click()
{
    if (!chkVisitHome_->isChecked())
        return;
    chkVisitHome_->setChecked(false);
    modHelp::OpenHomePage();
}

void frmExitScreen::lblGoToHome_Click() { modHelp::OpenSoftwaresPage(); }

void frmExitScreen::cmdClose_Click() { ExitApplication(); }

void frmExitScreen::closeEvent(QCloseEvent* event)
{
    event->accept();
    Form_Unload();
}

void frmExitScreen::Form_Unload() { ExitApplication(); }

} // namespace amorix
