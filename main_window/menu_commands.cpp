// The menu bar, the link labels, and what closing the main window does.
#include "frmMain.h"

#include "rules/resume_next.h"
#include "shell/application.h"
#include "shell/fonts.h"
#include "shell/forms.h"
#include "shell/frmAbout.h"
#include "shell/modHelp.h"

#include <QCloseEvent>
#include <QMenu>
#include <QMenuBar>

namespace amorix {

void frmMain::buildMenu()
{
    QMenuBar* bar = menuBar();
    bar->setFont(verdana(8.25));

    mnuFile = bar->addMenu(QStringLiteral("&File"));
    mnuProceed = mnuFile->addAction(QStringLiteral("&Get My Amorix Reading"), this, &frmMain::mnuProceed_Click);
    mnuFile->addSeparator();
    mnuExit = mnuFile->addAction(QStringLiteral("E&xit"), this, &frmMain::mnuExit_Click);

    mnuHelp = bar->addMenu(QStringLiteral("&Help"));
    mnuOnline = mnuHelp->addAction(QStringLiteral("&Online Help"), this, &frmMain::mnuOnline_Click);
    mnuVisit = mnuHelp->addAction(QStringLiteral("&Visit Us Online"), this, &frmMain::mnuVisit_Click);
    mnuHelp->addSeparator();
    mnuUpdate = mnuHelp->addAction(QStringLiteral("Check for Software &Update"), this, &frmMain::mnuUpdate_Click);
    mnuHelp->addSeparator();
    mnuAbout = mnuHelp->addAction(QStringLiteral("&About Software"), this, &frmMain::mnuAbout_Click);

    // Commands placed on the bar itself act on a single click.
    mnuDonate = bar->addAction(QStringLiteral("&Donate"), this, &frmMain::mnuDonate_Click);
    mnuMakeMoney = bar->addAction(QStringLiteral("&Make Money Online"), this, &frmMain::mnuMakeMoney_Click);
    mnuMakeMoney->setVisible(false);
    mnuMakeMoney->setEnabled(false);
}

void frmMain::mnuProceed_Click() { cmdProceed_Click(); }
void frmMain::mnuExit_Click() { close(); }
void frmMain::mnuOnline_Click() { modHelp::OpenOnlineHelpPage(); }
void frmMain::mnuVisit_Click() { modHelp::OpenHomePage(); }
void frmMain::mnuUpdate_Click() { modHelp::OpenDownloadPage(); }
void frmMain::mnuDonate_Click() { modHelp::OpenDonatePage(); }
void frmMain::mnuMakeMoney_Click() { modHelp::OpenFullyBrandedPage(); }
void frmMain::Label61_Click() { modHelp::OpenHomePage(); }
void frmMain::lblCobrand_Click() { modHelp::OpenCoBrandPage(); }
void frmMain::lblFullBrand_Click() { modHelp::OpenFullyBrandedPage(); }

void frmMain::mnuAbout_Click()
{
    resumeNext([&] {
        auto* about = new frmAbout(this);
        about->setAttribute(Qt::WA_DeleteOnClose);
        about->exec();
    });
    // Back to the main window, also where no window manager hands the focus on.
    activateWindow();
}

void frmMain::closeEvent(QCloseEvent* event)
{
    // The main window always goes away; its unload handling decides what
    // takes its place.
    event->accept();
    Form_Unload();
}

void frmMain::setSuccessor(std::function<void()> openSuccessor) { openSuccessor_ = std::move(openSuccessor); }

void frmMain::Form_Unload()
{
    forms::remove(this);
    // Closed while the proceed action runs, or as part of ending the run:
    // nothing takes its place.
    if (proceedRunning_ || applicationExiting() || !openSuccessor_)
        return;
    resumeNext(openSuccessor_);
}

} // namespace amorix
