// Positions are in twips within the form's frame.
#include "refer_a_friend_form.h"
#include "modTellAFriend.h"

#include "look/classic_style.h"
#include "look/command_button.h"
#include "look/fonts.h"
#include "look/twips.h"
#include "rules/text_rules.h"
#include "system_widgets/message_boxes.h"

#include <QAccessible>
#include <QFocusEvent>
#include <QGroupBox>
#include <QKeyEvent>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPointer>
#include <QPushButton>

namespace amorix {
namespace {

const char* const kPlaceholderProperty = "amorixPlaceholder";

QLineEdit* formBox(QWidget* frame, const QString& placeholder, const QRect& place)
{
    auto* box = new QLineEdit(frame);
    box->setGeometry(place);
    box->setMaxLength(kLongestEntry); // as much as the name boxes take
    box->setProperty(kPlaceholderProperty, placeholder);
    // Named before it holds a text, so that it is never told by another name.
    box->setAccessibleName(placeholder);
    box->setText(placeholder);
    return box;
}

} // namespace

ReferAFriendForm::ReferAFriendForm(QWidget* parent)
    : QGroupBox(tr("Refer A Friend"), parent)
{
    setStyle(classicStyle());

    // The boxes' first texts are the ones the request's checks count as empty.
    const modTellAFriend::Referral first = modTellAFriend::placeholders();
    txtName_ = formBox(this, first.name, twips(85, 360, 3375, 285));
    txtEmail_ = formBox(this, first.email, twips(3600, 360, 3375, 285));
    txtFriendEmail_ = formBox(this, first.friendEmail, twips(3600, 720, 3375, 285));
    txtFriendName_ = formBox(this, first.friendName, twips(85, 720, 3375, 285));

    // Lies below the frame's lower edge, so it is never seen; its text
    // travels with the request. What nobody can see takes no input: it is
    // no Tab stop and is offered to no screen reader.
    txtMessage_ = new QPlainTextEdit(this);
    txtMessage_->setGeometry(twips(4800, 3600, 1815, 495));
    txtMessage_->setFocusPolicy(Qt::NoFocus);
    txtMessage_->hide();
    txtMessage_->setProperty(kPlaceholderProperty, first.message);
    txtMessage_->setAccessibleName(first.message);
    // The message box keeps its text with Windows line breaks, as typed.
    setBoxText(txtMessage_, first.message + QStringLiteral("\r\n"));

    for (QWidget* box :
         {static_cast<QWidget*>(txtName_), static_cast<QWidget*>(txtEmail_), static_cast<QWidget*>(txtFriendEmail_),
          static_cast<QWidget*>(txtFriendName_), static_cast<QWidget*>(txtMessage_)}) {
        box->setFont(verdana(8.25));
        box->installEventFilter(this);
    }

    cmdSubmit_ = commandButton(tr("Refer A Friend &Now"), this);
    cmdSubmit_->setGeometry(twips(1920, 1080, 3375, 285));
    cmdSubmit_->setFont(verdana(8.25, true));
    connect(cmdSubmit_, &QPushButton::clicked, this, &ReferAFriendForm::cmdSubmit_Click);
}

QString ReferAFriendForm::boxText(QWidget* box) const
{
    if (box == txtMessage_)
        return messageText();
    return static_cast<QLineEdit*>(box)->text();
}

void ReferAFriendForm::setBoxText(QWidget* box, const QString& text)
{
    if (box == txtMessage_) {
        QString plain = text;
        txtMessage_->setPlainText(plain.replace(QStringLiteral("\r\n"), QStringLiteral("\n")));
        return;
    }
    static_cast<QLineEdit*>(box)->setText(text);
}

QString ReferAFriendForm::messageText() const
{
    return txtMessage_->toPlainText().replace(u'\n', QStringLiteral("\r\n"));
}

QString ReferAFriendForm::placeholderOf(QWidget* box) const { return box->property(kPlaceholderProperty).toString(); }

bool ReferAFriendForm::eventFilter(QObject* watched, QEvent* event)
{
    auto* box = qobject_cast<QWidget*>(watched);
    if (!box || placeholderOf(box).isEmpty())
        return QGroupBox::eventFilter(watched, event);

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
        if (box == txtEmail_ || box == txtFriendEmail_)
            return email_KeyPress(box, static_cast<QKeyEvent*>(event)->text());
        break;
    default: break;
    }
    return QGroupBox::eventFilter(watched, event);
}

void ReferAFriendForm::box_GotFocus(QWidget* box)
{
    // With a screen reader listening, the box empties just after Qt has
    // told of its focus (the next thing the event loop does): Orca takes a
    // change in a box it has not yet heard focused for the focus itself,
    // and then passes the box over in silence.
    if (!QAccessible::isActive()) {
        emptyPlaceholder(box);
        return;
    }
    QMetaObject::invokeMethod(
        this,
        [this, box = QPointer<QWidget>(box)] {
            if (box && box->hasFocus())
                emptyPlaceholder(box);
        },
        Qt::QueuedConnection);
}

void ReferAFriendForm::emptyPlaceholder(QWidget* box)
{
    if (trimSpaces(boxText(box)) == placeholderOf(box))
        setBoxText(box, QString());
}

void ReferAFriendForm::box_LostFocus(QWidget* box)
{
    if (trimSpaces(boxText(box)).isEmpty())
        setBoxText(box, placeholderOf(box));
}

bool ReferAFriendForm::email_KeyPress(QWidget* box, const QString& typed)
{
    if (typed != QStringLiteral(" "))
        return false;
    tellUser(tr("Email Address Cannot Contain Space"), MessageIcon::Critical);
    box->setFocus();
    return true; // the space is not inserted
}

void ReferAFriendForm::cmdSubmit_Click()
{
    const modTellAFriend::Referral referral{
        trimSpaces(txtName_->text()),       trimSpaces(txtEmail_->text()),       trimSpaces(messageText()),
        trimSpaces(txtFriendName_->text()), trimSpaces(txtFriendEmail_->text()),
    };
    const QString problem = modTellAFriend::addressProblem(referral.email, referral.friendEmail);
    if (!problem.isEmpty()) {
        tellUser(problem, MessageIcon::Critical);
        return;
    }
    modTellAFriend::TellAFriend(referral);
}

} // namespace amorix
