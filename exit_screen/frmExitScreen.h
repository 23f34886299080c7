// The last window of a run: a support text, two links, the refer-a-friend
// form and the way out. Topmost from the moment it loads.
#pragma once

#include <QWidget>

#include <array>

class QCheckBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QPlainTextEdit;
class QPushButton;

namespace amorix {

class LinkLabel;

// The four texts asking the user to support the maker.
extern const std::array<QString, 4> kSupportTexts;
// The catalogue text beside the form.
extern const QString kCatalogueText;

class frmExitScreen : public QWidget {
    Q_OBJECT
public:
    explicit frmExitScreen(QWidget* parent = nullptr);

    void Check1_Click();
    void lblGoToHome_Click();
    void cmdClose_Click();
    void cmdSubmit_Click();

    // The message box's text with its line breaks as typed (CR LF).
    QString messageText() const;

    QLabel* Picture1 = nullptr; // the program's icon, top left
    QLabel* Label1 = nullptr; // the title, "QX Amorix v1.0"
    QLabel* Label2 = nullptr; // one of the four support texts, drawn at random
    QCheckBox* Check1 = nullptr; // "Click Here To Visit Velmora Now": a check box used as a link
    QPushButton* cmdClose = nullptr; // "E&xit"
    QGroupBox* Frame6 = nullptr; // "Download Velmora Softwares", the catalogue frame on the right
    QLabel* Label3 = nullptr; // the catalogue text in that frame
    LinkLabel* lblGoToHome = nullptr; // the catalogue link under it

    // Refer-a-friend form.
    QGroupBox* Frame2 = nullptr; // "Refer A Friend", the frame of the form
    QLineEdit* txtName = nullptr;
    QLineEdit* txtEmail = nullptr;
    QLineEdit* txtFriendEmail = nullptr;
    QLineEdit* txtFriendName = nullptr;
    QPlainTextEdit* txtMessage = nullptr;
    QPushButton* cmdSubmit = nullptr;

protected:
    void showEvent(QShowEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void buildReferAFriend();
    void Form_Load();
    void Form_Unload();
    void box_GotFocus(QWidget* box);
    void box_LostFocus(QWidget* box);
    bool email_KeyPress(QWidget* box, const QString& typed);
    QString boxText(QWidget* box) const;
    void setBoxText(QWidget* box, const QString& text);
    QString placeholderOf(QWidget* box) const;
};

} // namespace amorix
