// The main window's layout, its handlers and what closing it does.
#include "frmMain.h"

#include "view_parts.h"

#include "look/announced.h"
#include "look/colours.h"
#include "look/fonts.h"
#include "look/link_label.h"
#include "look/window_placement.h"
#include "rules/resume_next.h"
#include "rules/titles.h"
#include "system/modHelp.h"
#include "system/seams.h"
#include "system_widgets/message_boxes.h"
#include "system_widgets/run.h"

#include <QAction>
#include <QBoxLayout>
#include <QCloseEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScopedValueRollback>
#include <QStackedWidget>
#include <QTabBar>

namespace amorix {

frmMain::frmMain(QWidget* parent)
    : QMainWindow(parent)
{
    setAttribute(Qt::WA_DeleteOnClose);
    setWindowTitle(kWindowTitle);
    setFont(verdana(8.25));
    // A fixed border: the window is not resized, so it offers no sizing
    // frame (on Windows); elsewhere the window manager's own frame.
    setWindowFlags(Qt::Window | Qt::WindowTitleHint | Qt::WindowSystemMenuHint | Qt::WindowMinimizeButtonHint
                   | Qt::WindowCloseButtonHint | Qt::MSWindowsFixedSizeDialogHint);

    auto* window = new QWidget(this);
    setColours(window, colour::white, colour::black);
    setCentralWidget(window);

    // Tab visits the controls in the order they are made: the entries and
    // their button, the top link line, then the banner's link.
    views_ = viewStack(window);
    views_->setObjectName(QStringLiteral("views"));
    views_->addWidget(fraMain_ = new InputArea(views_));
    connect(fraMain_, &InputArea::proceedRequested, this, &frmMain::cmdProceed_Click);
    // Heard with the window's title when the program starts.
    setAccessibleDescription(fraMain_->introduction());

    lblHomeLink_ = bannerLink(window,
                              tr("The Most Popular Online Mystic Discussion Board. Best Resource For "
                                 "Everything Mystic. Visit Velmora Now"),
                              false);
    lblHomeLink_->setObjectName(QStringLiteral("lblHomeLink"));
    lblHomeLink_->setAlignment(Qt::AlignCenter);
    lblHomeLink_->wrapWithin(434, 31);
    connect(lblHomeLink_, &LinkLabel::clicked, this, &frmMain::lblHomeLink_Click);

    fraFullBrand_ = new BrandBanner(window);
    connect(lblCobrand(), &LinkLabel::clicked, this, &frmMain::lblCobrand_Click);
    connect(lblFullBrand(), &LinkLabel::clicked, this, &frmMain::lblFullBrand_Click);
    menu_ = std::make_unique<MainMenu>(menuBar());
    connectMenu();

    // The link line on top, the views below it, the banner at the foot. The
    // window takes the size its parts need: 550 by 368 in English.
    auto* column = new QVBoxLayout(window);
    column->setContentsMargins(0, 0, 0, 0);
    column->setSpacing(0);
    column->addWidget(lblHomeLink_, 0, Qt::AlignHCenter);
    column->addSpacing(1);
    column->addWidget(views_, 1);
    column->addWidget(fraFullBrand_);
    views_->setMinimumSize(550, 280);
    layout()->setSizeConstraint(QLayout::SetFixedSize);

    Form_Load();
}

frmMain::~frmMain() = default;

void frmMain::connectMenu()
{
    using Handler = void (frmMain::*)();
    const std::pair<QAction*, Handler> commands[] = {
        {menu_->mnuProceed(), &frmMain::mnuProceed_Click}, {menu_->mnuExit(), &frmMain::mnuExit_Click},
        {menu_->mnuOnline(), &frmMain::mnuOnline_Click},   {menu_->mnuVisit(), &frmMain::mnuVisit_Click},
        {menu_->mnuUpdate(), &frmMain::mnuUpdate_Click},   {menu_->mnuAbout(), &frmMain::mnuAbout_Click},
        {menu_->mnuDonate(), &frmMain::mnuDonate_Click},   {menu_->mnuMakeMoney(), &frmMain::mnuMakeMoney_Click},
    };
    for (const auto& [action, handler] : commands)
        connect(action, &QAction::triggered, this, handler);
}

void frmMain::Form_Load()
{
    fraMain_->load();
    views_->setCurrentWidget(fraMain_);
    // The window opens ready for typing the user's name.
    fraMain_->nameBox(0)->setFocus();
}

bool frmMain::ValidateDetails()
{
    const std::optional<reading::Problem> problem = reading::firstProblem(fraMain_->entries());
    if (!problem)
        return true;
    tellUser(problem->message, problem->icon);
    if (problem->focusName)
        fraMain_->nameBox(*problem->focusName)->setFocus();
    return false;
}

void frmMain::cmdProceed_Click()
{
    // While this runs, closing the window brings up nothing in its place.
    const QScopedValueRollback running(proceedRunning_, true);
    if (!ValidateDetails())
        return;
    // The focus goes where the user now looks; Back gives it back.
    if (QWidget* focused = focusWidget(); focused && fraMain_->isAncestorOf(focused))
        focusBeforeReading_ = focused;
    ensureReadingView();
    fraResult_->showReading(reading::makeReading(fraMain_->entries()));
    // The reading is heard from its start: the user's name with its title.
    turnTo(views_, fraResult_, fraResult_->firstValue());
    fraResult_->firstValue()->setFocus();
}

void frmMain::ensureReadingView()
{
    // Built on the first reading: nothing of it shows before, and start-up
    // stays as quick as the input area alone.
    if (fraResult_)
        return;
    views_->addWidget(fraResult_ = new ReadingView(views_));
    connect(fraResult_, &ReadingView::backRequested, this, &frmMain::cmdBack_Click);
}

void frmMain::cmdBack_Click()
{
    // Back in the input area, where the user was before the reading.
    QWidget* before = focusBeforeReading_ ? focusBeforeReading_.data() : fraMain_->nameBox(0);
    turnTo(views_, fraMain_, before);
    before->setFocus();
}

void frmMain::keyPressEvent(QKeyEvent* event)
{
    if (fraResult_ && views_->currentWidget() == fraResult_ && fraResult_->switchTab(event))
        event->accept();
    else
        QMainWindow::keyPressEvent(event);
}

void frmMain::mnuProceed_Click() { cmdProceed_Click(); }
void frmMain::mnuExit_Click() { close(); }
void frmMain::mnuOnline_Click() { modHelp::OpenOnlineHelpPage(); }
void frmMain::mnuVisit_Click() { modHelp::OpenHomePage(); }
void frmMain::mnuUpdate_Click() { modHelp::OpenDownloadPage(); }
void frmMain::mnuDonate_Click() { modHelp::OpenDonatePage(); }
void frmMain::mnuMakeMoney_Click() { modHelp::OpenFullyBrandedPage(); }
void frmMain::lblHomeLink_Click() { modHelp::OpenHomePage(); }
void frmMain::lblCobrand_Click() { modHelp::OpenCoBrandPage(); }
void frmMain::lblFullBrand_Click() { modHelp::OpenFullyBrandedPage(); }

void frmMain::mnuAbout_Click()
{
    if (openAboutBox_)
        resumeNext([&] { openAboutBox_(this); });
    // Back to the main window, also where no window manager hands the focus on.
    activateWindow();
}

void frmMain::setSuccessor(std::function<void()> openSuccessor) { openSuccessor_ = std::move(openSuccessor); }

void frmMain::setAboutBox(std::function<void(QWidget*)> openAboutBox) { openAboutBox_ = std::move(openAboutBox); }

void frmMain::closeEvent(QCloseEvent* event)
{
    // The main window always goes away; its unload handling decides what
    // takes its place.
    event->accept();
    Form_Unload();
}

void frmMain::Form_Unload()
{
    // Closed while the proceed action runs, or as part of ending the run:
    // nothing takes its place.
    if (proceedRunning_ || applicationExiting() || !openSuccessor_)
        return;
    resumeNext(openSuccessor_);
}

} // namespace amorix
