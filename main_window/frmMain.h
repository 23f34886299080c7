// The main window: the input area with both persons' details, the reading
// view on the same place, the banner, the menu and the link labels. Pairs
// are indexed 0 for the user and 1 for the partner.
#pragma once

#include "brand_banner.h"
#include "input_area.h"
#include "main_menu.h"
#include "reading_view.h"

#include <QMainWindow>
#include <QPointer>

#include <functional>
#include <memory>

class QStackedWidget;

namespace amorix {

class LinkLabel;

class frmMain : public QMainWindow {
    Q_OBJECT
public:
    explicit frmMain(QWidget* parent = nullptr);
    ~frmMain() override;

    // True when both names are present and neither date is impossible;
    // otherwise tells the user what is wrong and answers false.
    bool ValidateDetails();

    void cmdProceed_Click();
    void cmdBack_Click();

    void mnuProceed_Click();
    void mnuExit_Click();
    void mnuOnline_Click();
    void mnuVisit_Click();
    void mnuUpdate_Click();
    void mnuAbout_Click();
    void mnuDonate_Click();
    void mnuMakeMoney_Click();
    void lblHomeLink_Click();
    void lblCobrand_Click();
    void lblFullBrand_Click();

    // What takes the window's place when the user closes it; the program
    // decides (its exit screen). Nothing when unset.
    void setSuccessor(std::function<void()> openSuccessor);
    // What Help, About shows over the window, modally; the program decides
    // (its about box). Nothing when unset.
    void setAboutBox(std::function<void(QWidget* owner)> openAboutBox);

    // The banner's two labels on one spot, for start-up's draw.
    LinkLabel* lblCobrand() const { return fraFullBrand_->lblCobrand(); }
    LinkLabel* lblFullBrand() const { return fraFullBrand_->lblFullBrand(); }

protected:
    void closeEvent(QCloseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    void connectMenu();
    void ensureReadingView();
    void Form_Load();
    void Form_Unload();

    LinkLabel* lblHomeLink_ = nullptr;
    QStackedWidget* views_ = nullptr;
    InputArea* fraMain_ = nullptr;
    ReadingView* fraResult_ = nullptr;
    BrandBanner* fraFullBrand_ = nullptr;

    std::unique_ptr<MainMenu> menu_;

    // True while the proceed action is being handled (the button's Value).
    bool proceedRunning_ = false;
    // The input control that had the focus when the last reading was
    // shown; Back gives the focus back to it.
    QPointer<QWidget> focusBeforeReading_;
    std::function<void()> openSuccessor_;
    std::function<void(QWidget*)> openAboutBox_;
};

} // namespace amorix
