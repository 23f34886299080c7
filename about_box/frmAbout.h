// The about box: what the program is, a link to the maker's site and the
// fully branded offer. Modal over the main window; OK, Enter, Esc and the
// close box all close it.
#pragma once

#include <QDialog>

namespace amorix {

class frmAbout : public QDialog {
    Q_OBJECT
public:
    explicit frmAbout(QWidget* parent = nullptr);

    void cmdOK_Click();
    void lblHomePage_Click();
    void lblCoBrand_Click();

protected:
    void showEvent(QShowEvent* event) override;
};

} // namespace amorix
