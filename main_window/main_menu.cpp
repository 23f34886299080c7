#include "main_menu.h"

#include "look/fonts.h"

#include <QMenuBar>

namespace amorix {

MainMenu::MainMenu(QMenuBar* bar)
{
    bar->setFont(verdana(8.25));

    mnuFile_ = bar->addMenu(QStringLiteral("&File"));
    mnuProceed_ = mnuFile_->addAction(QStringLiteral("&Get My Amorix Reading"));
    mnuFile_->addSeparator();
    mnuExit_ = mnuFile_->addAction(QStringLiteral("E&xit"));

    mnuHelp_ = bar->addMenu(QStringLiteral("&Help"));
    mnuOnline_ = mnuHelp_->addAction(QStringLiteral("&Online Help"));
    mnuVisit_ = mnuHelp_->addAction(QStringLiteral("&Visit Us Online"));
    mnuHelp_->addSeparator();
    mnuUpdate_ = mnuHelp_->addAction(QStringLiteral("Check for Software &Update"));
    mnuHelp_->addSeparator();
    mnuAbout_ = mnuHelp_->addAction(QStringLiteral("&About Software"));

    // Commands placed on the bar itself act on a single click.
    mnuDonate_ = bar->addAction(QStringLiteral("&Donate"));
    mnuMakeMoney_ = bar->addAction(QStringLiteral("&Make Money Online"));
    mnuMakeMoney_->setVisible(false);
    mnuMakeMoney_->setEnabled(false);
}

} // namespace amorix
