// The refer-a-friend form of the exit screen: four boxes that show their
// placeholder while empty, a message box below the frame's edge, and the
// button that sends the request. E-mail boxes take no spaces.
#pragma once

#include <QGroupBox>

class QLineEdit;
class QPlainTextEdit;

namespace amorix {

class ReferAFriendForm : public QGroupBox {
    Q_OBJECT
public:
    explicit ReferAFriendForm(QWidget* parent);

    // Checks both addresses and sends the request, or tells the user why not.
    void cmdSubmit_Click();

    // The message box's text with its line breaks as typed (CR LF).
    QString messageText() const;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void box_GotFocus(QWidget* box);
    void box_LostFocus(QWidget* box);
    void emptyPlaceholder(QWidget* box);
    bool email_KeyPress(QWidget* box, const QString& typed);
    QString boxText(QWidget* box) const;
    void setBoxText(QWidget* box, const QString& text);
    QString placeholderOf(QWidget* box) const;

    QLineEdit* txtName_ = nullptr;
    QLineEdit* txtEmail_ = nullptr;
    QLineEdit* txtFriendEmail_ = nullptr;
    QLineEdit* txtFriendName_ = nullptr;
    QPlainTextEdit* txtMessage_ = nullptr;
};

} // namespace amorix
