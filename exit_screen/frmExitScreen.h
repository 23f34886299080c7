// The last window of a run: a support text, two links, the refer-a-friend
// form and the way out. Topmost from the moment it loads.
#pragma once

#include "refer_a_friend_form.h"

#include <QWidget>

#include <array>

class QCheckBox;
class QGroupBox;
class QLabel;
class QPushButton;

namespace amorix {

class LinkLabel;

// The texts asking the user to support the maker, in the user's language.
constexpr std::size_t kSupportTextCount = 4;
QString supportText(std::size_t index);
// The catalogue text beside the form, in the user's language.
QString catalogueText();

class frmExitScreen : public QWidget {
    Q_OBJECT
public:
    explicit frmExitScreen(QWidget* parent = nullptr);

    void Check1_Click();
    void lblGoToHome_Click();
    void cmdClose_Click();

    QLabel* Label2() const { return Label2_; }
    QCheckBox* Check1() const { return Check1_; }
    QPushButton* cmdClose() const { return cmdClose_; }
    ReferAFriendForm* Frame2() const { return Frame2_; }
    QGroupBox* Frame6() const { return Frame6_; }
    QLabel* Label3() const { return Label3_; }
    LinkLabel* lblGoToHome() const { return lblGoToHome_; }

protected:
    void showEvent(QShowEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

private:
    void Form_Load();
    void Form_Unload();

    QLabel* Picture1_ = nullptr; // the program's icon, top left
    QLabel* Label1_ = nullptr; // the title, "QX Amorix v" and the version
    QLabel* Label2_ = nullptr; // one of the four support texts, drawn at random
    QCheckBox* Check1_ = nullptr; // "Click Here To Visit Velmora Now": a check box used as a link
    QPushButton* cmdClose_ = nullptr; // "E&xit"
    ReferAFriendForm* Frame2_ = nullptr; // "Refer A Friend", the form below the link
    QGroupBox* Frame6_ = nullptr; // "Download Velmora Softwares", the catalogue frame on the right
    QLabel* Label3_ = nullptr; // the catalogue text in that frame
    LinkLabel* lblGoToHome_ = nullptr; // the catalogue link under it
};

} // namespace amorix
