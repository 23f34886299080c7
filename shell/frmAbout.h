// The about box: what the program is, a link to the maker's site and the
// fully branded offer. Modal over the main window; OK, Enter, Esc and the
// close box all close it.
#pragma once

#include <QDialog>

class QFrame;
class QLabel;
class QPushButton;

namespace amorix {

class LinkLabel;

class frmAbout : public QDialog {
    Q_OBJECT
public:
    explicit frmAbout(QWidget* parent = nullptr);

    void cmdOK_Click();
    void lblHomePage_Click();
    void lblCoBrand_Click();

    QLabel* picIcon = nullptr;
    QLabel* Label2 = nullptr;
    QLabel* Label1 = nullptr;
    LinkLabel* lblHomePage = nullptr;
    QLabel* Label3 = nullptr;
    LinkLabel* lblCoBrand = nullptr;
    QFrame* Line2 = nullptr;
    QPushButton* cmdOK = nullptr;

protected:
    void showEvent(QShowEvent* event) override;
};

} // namespace amorix
