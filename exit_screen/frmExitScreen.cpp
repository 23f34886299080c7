// The exit screen's layout and behaviour. Positions are in twips.
#include "frmExitScreen.h"

#include "paragraph_label.h"

#include "look/announced.h"
#include "look/app_icon.h"
#include "look/classic_style.h"
#include "look/colours.h"
#include "look/command_button.h"
#include "look/fonts.h"
#include "look/link_label.h"
#include "look/twips.h"
#include "look/window_placement.h"
#include "rules/titles.h"
#include "system/modHelp.h"
#include "system/seams.h"
#include "system_widgets/forms.h"
#include "system_widgets/run.h"

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
void paintNavy(QGroupBox* frame, const QRect& place)
{
    frame->setGeometry(place);
    frame->setFont(verdana(9.75, true));
    setColours(frame, colour::white, colour::navy);
}

} // namespace

frmExitScreen::frmExitScreen(QWidget* parent)
    : QWidget(parent, Qt::Window | Qt::WindowStaysOnTopHint | Qt::MSWindowsFixedSizeDialogHint) // fixed border
{
    heardAsDialog(this);
    setAttribute(Qt::WA_DeleteOnClose);
    setWindowTitle(kWindowTitle);
    setWindowIcon(appIcon());
    setFixedSize(twipsSize(11115, 4725));
    setColours(this, colour::black, colour::white);
    setFont(verdana(8.25));

    Picture1_ = new QLabel(this);
    Picture1_->setGeometry(twips(360, 120, 480, 480));
    Picture1_->setPixmap(appIcon().pixmap(32, 32));

    Label1_ = new QLabel(kWindowTitle, this);
    Label1_->setGeometry(twips(1080, 240, 5910, 435));
    Label1_->setFont(faceFont(QStringLiteral("MS Sans Serif"), 18));

    Label2_ = new QLabel(supportText(1), this);
    Label2_->setGeometry(twips(120, 840, 6975, 1095));
    Label2_->setFont(verdana(9.75, true));
    Label2_->setWordWrap(true);
    Label2_->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    Label2_->setTextFormat(Qt::PlainText);

    Check1_ = new QCheckBox(tr("Click Here To Visit Velmora Now"), this);
    Check1_->setStyle(classicStyle()); // pressed, focused and announced by its whole rectangle
    Check1_->setGeometry(twips(30, 2040, 7185, 555));
    Check1_->setFont(verdana(14.25));
    Check1_->setCursor(Qt::PointingHandCursor);
    setTextColour(Check1_, colour::blue);
    connect(Check1_, &QCheckBox::toggled, this, &frmExitScreen::Check1_Click);

    cmdClose_ = commandButton(tr("E&xit"), this);
    cmdClose_->setGeometry(twips(6000, 2760, 1245, 375));
    cmdClose_->setDefault(true);
    connect(cmdClose_, &QPushButton::clicked, this, &frmExitScreen::cmdClose_Click);

    Frame2_ = new ReferAFriendForm(this);
    paintNavy(Frame2_, twips(120, 3240, 7065, 1455));

    Frame6_ = captionedFrame(tr("Download Velmora Softwares"), this);
    paintNavy(Frame6_, twips(7320, 120, 3735, 4575));
    Label3_ = new ParagraphLabel(Frame6_);
    readWithItsWindow(Label3_); // before its text, which Qt tells at once
    Label3_->setText(catalogueText());
    Label3_->setGeometry(twips(120, 360, 3495, 3855));
    Label3_->setFont(verdana(9));
    Label3_->setWordWrap(true);
    Label3_->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    Label3_->setTextFormat(Qt::PlainText);
    setTextColour(Label3_, colour::white);

    lblGoToHome_ = new LinkLabel(tr("Click Here To Visit Velmora Softwares"), Frame6_);
    lblGoToHome_->setGeometry(twips(75, 4250, 3585, 210));
    lblGoToHome_->setFont(verdana(9, true, true));
    setTextColour(lblGoToHome_, colour::yellow);
    shrinkFontToFit(lblGoToHome_, lblGoToHome_->width(),
                    [this] { return lblGoToHome_->fontMetrics().horizontalAdvance(lblGoToHome_->text()); });
    connect(lblGoToHome_, &LinkLabel::clicked, this, &frmExitScreen::lblGoToHome_Click);

    chainTabOrder({cmdClose_, Check1_, Frame2_->txtName(), Frame2_->cmdSubmit(), Frame2_->txtEmail(),
                   Frame2_->txtFriendEmail(), Frame2_->txtFriendName(), lblGoToHome_});

    centreOnScreen(this);
    // The screen opens ready for Enter on "E&xit": the focus it takes as it
    // becomes the active window, told to a screen reader once it shows.
    cmdClose_->setFocus();

    forms::add(this);
    Form_Load();
}

void frmExitScreen::Form_Load()
{
    dice().seedFromClock();
    Label2_->setText(supportText(static_cast<std::size_t>(drawBelow(static_cast<int>(kSupportTextCount)))));
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

void frmExitScreen::Check1_Click()
{
    if (!Check1_->isChecked())
        return;
    Check1_->setChecked(false);
    modHelp::OpenHomePage();
}

void frmExitScreen::lblGoToHome_Click() { modHelp::OpenSoftwaresPage(); }

void frmExitScreen::cmdClose_Click() { ExitApplication(); }

void frmExitScreen::closeEvent(QCloseEvent* event)
{
    event->accept();
    Form_Unload();
}

void frmExitScreen::Form_Unload()
{
    forms::remove(this);
    ExitApplication();
}

} // namespace amorix
