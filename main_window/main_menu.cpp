#include "main_menu.h"

#include "look/captions.h"
#include "look/fonts.h"

#include <QCoreApplication>
#include <QMenu>
#include <QMenuBar>

namespace amorix {
namespace {

QString caption(const char* english) { return QCoreApplication::translate("amorix::MainMenu", english); }

} // namespace

MainMenu::MainMenu(QMenuBar* bar)
{
    bar->setFont(verdana(8.25));

    mnuFile_ = bar->addMenu(caption(QT_TRANSLATE_NOOP("amorix::MainMenu", "&File")));
    mnuProceed_ = mnuFile_->addAction(caption(QT_TRANSLATE_NOOP("amorix::MainMenu", "&Get My Amorix Reading")));
    mnuFile_->addSeparator();
    mnuExit_ = mnuFile_->addAction(caption(QT_TRANSLATE_NOOP("amorix::MainMenu", "E&xit")));

    mnuHelp_ = bar->addMenu(caption(QT_TRANSLATE_NOOP("amorix::MainMenu", "&Help")));
    // A menu opened by its access key is heard by its title.
    for (QMenu* menu : {mnuFile_, mnuHelp_})
        menu->setAccessibleName(labelText(menu->title()));
    mnuOnline_ = mnuHelp_->addAction(caption(QT_TRANSLATE_NOOP("amorix::MainMenu", "&Online Help")));
    mnuVisit_ = mnuHelp_->addAction(caption(QT_TRANSLATE_NOOP("amorix::MainMenu", "&Visit Us Online")));
    mnuHelp_->addSeparator();
    mnuUpdate_ = mnuHelp_->addAction(caption(QT_TRANSLATE_NOOP("amorix::MainMenu", "Check for Software &Update")));
    mnuHelp_->addSeparator();
    mnuAbout_ = mnuHelp_->addAction(caption(QT_TRANSLATE_NOOP("amorix::MainMenu", "&About Software")));

    // Commands placed on the bar itself act on a single click.
    mnuDonate_ = bar->addAction(caption(QT_TRANSLATE_NOOP("amorix::MainMenu", "&Donate")));
    mnuMakeMoney_ = bar->addAction(caption(QT_TRANSLATE_NOOP("amorix::MainMenu", "&Make Money Online")));
    mnuMakeMoney_->setVisible(false);
    mnuMakeMoney_->setEnabled(false);
}

} // namespace amorix
