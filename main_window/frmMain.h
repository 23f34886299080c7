// The main window: both persons' details, their validation, the reading on
// three tabs, the menu and the link labels. Controls that come in pairs are
// indexed 0 for the user and 1 for the partner.
#pragma once

#include "rules/reading_model.h"

#include <QMainWindow>
#include <QPointer>

#include <array>
#include <functional>

class QAction;
class QComboBox;
class QFrame;
class QGroupBox;
class QLabel;
class QLineEdit;
class QMenu;
class QPushButton;
class QTabBar;

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
    void TS_Click();
    void cmdBack_Click();

    void mnuProceed_Click();
    void mnuExit_Click();
    void mnuOnline_Click();
    void mnuVisit_Click();
    void mnuUpdate_Click();
    void mnuAbout_Click();
    void mnuDonate_Click();
    void mnuMakeMoney_Click();
    void Label61_Click();
    void lblCobrand_Click();
    void lblFullBrand_Click();

    // What takes the window's place when the user closes it; the program
    // decides (its exit screen). Nothing when unset.
    void setSuccessor(std::function<void()> openSuccessor);

    // The top link line, to the maker's home page.
    LinkLabel* Label61 = nullptr;

    // Input area.
    QFrame* fraMain = nullptr;
    std::array<QGroupBox*, reading::kPersons> fraDetails{};
    std::array<QLineEdit*, reading::kPersons> txtName{};
    std::array<QComboBox*, reading::kPersons> cboMonth{};
    std::array<QComboBox*, reading::kPersons> cboDate{};
    std::array<QComboBox*, reading::kPersons> cboYear{};
    QPushButton* cmdProceed = nullptr;

    // Reading view, built on the first reading (see ensureReadingView).
    QFrame* fraResult = nullptr;
    QTabBar* TS = nullptr;
    std::array<QFrame*, 3> fraDisplay{};
    QPushButton* cmdBack = nullptr;
    std::array<QLabel*, reading::kValueCount> lblResult{};

    // Row titles of both views; indices as laid out (0..3 and 15 belong to
    // the input area, 4..14 to the reading view).
    std::array<QLabel*, 16> lblLabel{};

    // Banner: two labels on the same spot, the one in front is seen.
    QFrame* fraFullBrand = nullptr;
    LinkLabel* lblCobrand = nullptr;
    LinkLabel* lblFullBrand = nullptr;

    // Menu.
    QMenu* mnuFile = nullptr;
    QAction* mnuProceed = nullptr;
    QAction* mnuExit = nullptr;
    QMenu* mnuHelp = nullptr;
    QAction* mnuOnline = nullptr;
    QAction* mnuVisit = nullptr;
    QAction* mnuUpdate = nullptr;
    QAction* mnuAbout = nullptr;
    QAction* mnuDonate = nullptr;
    QAction* mnuMakeMoney = nullptr;

protected:
    void closeEvent(QCloseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    bool focusNextPrevChild(bool next) override;

private:
    void buildInputArea(QWidget* window);
    void buildPersonDetails(int person, QGroupBox* frame);
    void ensureReadingView();
    void buildReadingView(QWidget* window);
    void buildBanner(QWidget* window);
    void buildMenu();
    void setTabOrder();
    bool readingInFront() const;
    void Form_Load();
    void Form_Unload();
    // Both persons' entries as the controls hold them.
    reading::Couple entries() const;

    // True while the proceed action is being handled (the button's Value).
    bool proceedRunning_ = false;
    // The input control that had the focus when the last reading was
    // shown; Back gives the focus back to it.
    QPointer<QWidget> focusBeforeReading_;
    std::function<void()> openSuccessor_;
};

} // namespace amorix
