#include "refer_a_friend_form.h"
#include "modTellAFriend.h"

#include "look/classic_style.h"
#include "look/command_button.h"
#include "look/fonts.h"
#include "rules/text_rules.h"
#include "system_widgets/message_boxes.h"

#include <QAccessible>
#include <QFocusEvent>
#include <QGridLayout>
#include <QGroupBox>
#include <QKeyEvent>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPointer>
#include <QPushButton>

namespace amorix {
namespace {

const char* const kPlaceholderProperty = "amorixPlaceholder";

QLineEdit* formBox(QWidget* frame, const char* name, const QString& placeholder)
{
    auto* box = new QLineEdit(frame);
    box->setObjectName(QLatin1String(name));
    box->setMinimumWidth(225);
    box->setFixedHeight(19);
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

    // The boxes' first texts are the ones the request's checks count as
    // empty. Tab visits the user's name, the button, the user's e-mail, the
    // friend's e-mail, then the friend's name.
    const modTellAFriend::Referral first = modTellAFriend::placeholders();
    txtName_ = formBox(this, "txtName", first.name);
    QPushButton* cmdSubmit = commandButton(tr("Refer A Friend &Now"), this);
    cmdSubmit->setObjectName(QStringLiteral("cmdSubmit"));
    cmdSubmit->setFont(verdana(8.25, true));
    cmdSubmit->setMinimumWidth(225);
    cmdSubmit->setFixedHeight(19);
    connect(cmdSubmit, &QPushButton::clicked, this, &ReferAFriendForm::cmdSubmit_Click);
    txtEmail_ = formBox(this, "txtEmail", first.email);
    txtFriendEmail_ = formBox(this, "txtFriendEmail", first.friendEmail);
    txtFriendName_ = formBox(this, "txtFriendName", first.friendName);

    // Never seen, so it has no place in the form; its text travels with the
    // request. What nobody can see takes no input: it is no Tab stop and is
    // offered to no screen reader.
    txtMessage_ = new QPlainTextEdit(this);
    txtMessage_->setObjectName(QStringLiteral("txtMessage"));
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

    // The user's boxes on the first row, the friend's on the second, the
    // button centred under them.
    auto* grid = new QGridLayout(this);
    grid->setContentsMargins(3, 3, 3, 3);
    grid->setHorizontalSpacing(9);
    grid->setVerticalSpacing(5);
    grid->addWidget(txtName_, 0, 0);
    grid->addWidget(txtEmail_, 0, 1);
    grid->addWidget(txtFriendName_, 1, 0);
    grid->addWidget(txtFriendEmail_, 1, 1);
    grid->addWidget(cmdSubmit, 2, 0, 1, 2, Qt::AlignHCenter);
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
