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

    QLabel* Label1() const { return Label1_; }
    LinkLabel* lblHomePage() const { return lblHomePage_; }
    LinkLabel* lblCoBrand() const { return lblCoBrand_; }
    QPushButton* cmdOK() const { return cmdOK_; }

protected:
    void showEvent(QShowEvent* event) override;

private:
    QLabel* picIcon_ = nullptr; // the program's icon
    QLabel* Label2_ = nullptr; // the title, "QX Amorix v" and the version
    QLabel* Label1_ = nullptr; // what the program does
    LinkLabel* lblHomePage_ = nullptr; // the maker's home page
    QLabel* Label3_ = nullptr; // the fully-branded offer
    LinkLabel* lblCoBrand_ = nullptr; // its details page
    QFrame* Line2_ = nullptr; // the rule above the button
    QPushButton* cmdOK_ = nullptr;
};

} // namespace amorix
