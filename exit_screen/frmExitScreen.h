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

    QLabel* Picture1 = nullptr;
    QLabel* Label1 = nullptr;
    QLabel* Label2 = nullptr;
    QCheckBox* Check1 = nullptr;
    QPushButton* cmdClose = nullptr;
    QGroupBox* Frame6 = nullptr;
    QLabel* Label3 = nullptr;
    LinkLabel* lblGoToHome = nullptr;

    // Refer-a-friend form.
    QGroupBox* Frame2 = nullptr;
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
