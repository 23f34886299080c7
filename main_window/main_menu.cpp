#include "main_menu.h"

#include "look/captions.h"
#include "look/fonts.h"

#include <QCoreApplication>
#include <QMenu>
#include <QMenuBar>

#include <utility>

namespace amorix {
MainMenu::MainMenu(QMenuBar* bar)
{
    bar->setFont(verdana(8.25));

    mnuFile_ = bar->addMenu(tr("&File"));
    mnuProceed_ = mnuFile_->addAction(tr("&Get My Amorix Reading"));
    mnuFile_->addSeparator();
    mnuExit_ = mnuFile_->addAction(tr("E&xit"));

    mnuHelp_ = bar->addMenu(tr("&Help"));
    // A menu opened by its access key is heard by its title.
    for (QMenu* menu : {mnuFile_, mnuHelp_})
        menu->setAccessibleName(labelText(menu->title()));
    mnuOnline_ = mnuHelp_->addAction(tr("&Online Help"));
    mnuVisit_ = mnuHelp_->addAction(tr("&Visit Us Online"));
    mnuHelp_->addSeparator();
    mnuUpdate_ = mnuHelp_->addAction(tr("Check for Software &Update"));
    mnuHelp_->addSeparator();
    mnuAbout_ = mnuHelp_->addAction(tr("&About Software"));

    // Commands placed on the bar itself act on a single click.
    mnuDonate_ = bar->addAction(tr("&Donate"));
    mnuMakeMoney_ = bar->addAction(tr("&Make Money Online"));
    mnuMakeMoney_->setVisible(false);
    mnuMakeMoney_->setEnabled(false);

    const std::pair<QObject*, const char*> named[] = {
        {mnuFile_, "mnuFile"},     {mnuProceed_, "mnuProceed"},    {mnuExit_, "mnuExit"},     {mnuHelp_, "mnuHelp"},
        {mnuOnline_, "mnuOnline"}, {mnuVisit_, "mnuVisit"},        {mnuUpdate_, "mnuUpdate"}, {mnuAbout_, "mnuAbout"},
        {mnuDonate_, "mnuDonate"}, {mnuMakeMoney_, "mnuMakeMoney"}};
    for (const auto& [object, name] : named)
        object->setObjectName(QLatin1String(name));
}

} // namespace amorix
