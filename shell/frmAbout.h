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

    QLabel* picIcon = nullptr; // the program's icon
    QLabel* Label2 = nullptr; // the title, "QX Amorix v1.0"
    QLabel* Label1 = nullptr; // what the program does
    LinkLabel* lblHomePage = nullptr; // the maker's home page
    QLabel* Label3 = nullptr; // the fully-branded offer
    LinkLabel* lblCoBrand = nullptr; // its details page
    QFrame* Line2 = nullptr; // the rule above the button
    QPushButton* cmdOK = nullptr;

protected:
    void showEvent(QShowEvent* event) override;
};

} // namespace amorix
