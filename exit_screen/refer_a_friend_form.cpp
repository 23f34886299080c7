// The refer-a-friend form inside the exit screen: boxes that show their
// placeholder while empty, no spaces in the e-mail boxes, and the submit.
#include "frmExitScreen.h"
#include "modTellAFriend.h"

#include "rules/text_rules.h"
#include "shell/command_button.h"
#include "shell/fonts.h"
#include "shell/seams.h"
#include "shell/twips.h"

#include <QFocusEvent>
#include <QGroupBox>
#include <QKeyEvent>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>

#include <limits>

namespace amorix {
namespace {

const char* const kPlaceholderProperty = "amorixPlaceholder";

// The message box keeps its text with Windows line breaks, as typed.
const QString kMessageDesignText = QStringLiteral("Your Message\r\n");

QLineEdit* formBox(QWidget* frame, const QString& placeholder, const QRect& place)
{
    auto* box = new QLineEdit(placeholder, frame);
    box->setGeometry(place);
    box->setMaxLength(std::numeric_limits<int>::max()); // any length, as the name boxes take
    box->setProperty(kPlaceholderProperty, placeholder);
    box->setAccessibleName(placeholder);
    return box;
}

} // namespace

void frmExitScreen::buildReferAFriend()
{
    txtName = formBox(Frame2, QStringLiteral("Your Name"), twips(85, 360, 3375, 285));
    txtEmail = formBox(Frame2, QStringLiteral("Your Email Address"), twips(3600, 360, 3375, 285));
    txtFriendEmail = formBox(Frame2, QStringLiteral("Friend's Email Address"), twips(3600, 720, 3375, 285));
    txtFriendName = formBox(Frame2, QStringLiteral("Friend's Name"), twips(85, 720, 3375, 285));

    // Lies below the frame's lower edge, so it is never seen, yet it takes
    // part in the Tab order and its text travels with the request.
    txtMessage = new QPlainTextEdit(Frame2);
    txtMessage->setGeometry(twips(4800, 3600, 1815, 495));
    txtMessage->setTabChangesFocus(true);
    txtMessage->setProperty(kPlaceholderProperty, QStringLiteral("Your Message"));
    txtMessage->setAccessibleName(QStringLiteral("Your Message"));
    setBoxText(txtMessage, kMessageDesignText);

    for (QWidget* box :
         {static_cast<QWidget*>(txtName), static_cast<QWidget*>(txtEmail), static_cast<QWidget*>(txtFriendEmail),
          static_cast<QWidget*>(txtFriendName), static_cast<QWidget*>(txtMessage)}) {
        box->setFont(verdana(8.25));
        box->installEventFilter(this);
    }

    cmdSubmit = commandButton(QStringLiteral("Refer A Friend &Now"), Frame2);
    cmdSubmit->setGeometry(twips(1920, 1080, 3375, 285));
    cmdSubmit->setFont(verdana(8.25, true));
    connect(cmdSubmit, &QPushButton::clicked, this, &frmExitScreen::cmdSubmit_Click);
}

QString frmExitScreen::boxText(QWidget* box) const
{
    if (box == txtMessage)
        return messageText();
    return static_cast<QLineEdit*>(box)->text();
}

void frmExitScreen::setBoxText(QWidget* box, const QString& text)
{
    if (box == txtMessage) {
        QString plain = text;
        txtMessage->setPlainText(plain.replace(QStringLiteral("\r\n"), QStringLiteral("\n")));
        return;
    }
    static_cast<QLineEdit*>(box)->setText(text);
}

QString frmExitScreen::messageText() const { return txtMessage->toPlainText().replace(u'\n', QStringLiteral("\r\n")); }

QString frmExitScreen::placeholderOf(QWidget* box) const { return box->property(kPlaceholderProperty).toString(); }

bool frmExitScreen::eventFilter(QObject* watched, QEvent* event)
{
    auto* box = qobject_cast<QWidget*>(watched);
    if (!box || placeholderOf(box).isEmpty())
        return QWidget::eventFilter(watched, event);

    // Focus that comes and goes with the whole window (a message box on top,
    // another program) is no move between the boxes.
    const auto within = [](QEvent* e) {
        const Qt::FocusReason reason = static_cast<QFocusEvent*>(e)->reason();
        return reason != Qt::ActiveWindowFocusReason && reason != Qt::PopupFocusReason;
    };
    switch (event->type()) {
    case QEvent::FocusIn:
        if (within(event))
            box_GotFocus(box);
        break;
    case QEvent::FocusOut:
        if (within(event))
            box_LostFocus(box);
        break;
    case QEvent::KeyPress:
        if (box == txtEmail || box == txtFriendEmail)
            return email_KeyPress(box, static_cast<QKeyEvent*>(event)->text());
        break;
    default: break;
    }
    return QWidget::eventFilter(watched, event);
}

void frmExitScreen::box_GotFocus(QWidget* box)
{
    if (trimSpaces(boxText(box)) == placeholderOf(box))
        setBoxText(box, QString());
}

void frmExitScreen::box_LostFocus(QWidget* box)
{
    if (trimSpaces(boxText(box)).isEmpty())
        setBoxText(box, placeholderOf(box));
}

bool frmExitScreen::email_KeyPress(QWidget* box, const QString& typed)
{
    if (typed != QStringLiteral(" "))
        return false;
    tellUser(QStringLiteral("Email Address Cannot Contain Space"), MessageIcon::Critical);
    box->setFocus();
    return true; // the space is not inserted
}

void frmExitScreen::cmdSubmit_Click()
{
    const modTellAFriend::Referral referral{
        trimSpaces(txtName->text()),       trimSpaces(txtEmail->text()),       trimSpaces(messageText()),
        trimSpaces(txtFriendName->text()), trimSpaces(txtFriendEmail->text()),
    };
    const QString problem = modTellAFriend::addressProblem(referral.email, referral.friendEmail);
    if (!problem.isEmpty()) {
        tellUser(problem, MessageIcon::Critical);
        return;
    }
    modTellAFriend::TellAFriend(referral);
}

} // namespace amorix
