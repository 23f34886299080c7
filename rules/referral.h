// The refer-a-friend request's rules: the checks of the five values and the
// address that carries them.
#pragma once

#include <QString>

namespace amorix::modTellAFriend {

// The five values, each trimmed of leading and trailing spaces.
struct Referral {
    QString name;
    QString email;
    QString message;
    QString friendName;
    QString friendEmail;
};

// The five boxes' first texts, in the user's language; a value still equal
// to its placeholder counts as not given.
Referral placeholders();

// The form's own check of the two addresses: the message to show, or an
// empty text when both addresses pass.
QString addressProblem(const QString& email, const QString& friendEmail);

// The first value that is empty or still its placeholder: the message to
// show, or an empty text when all five are given.
QString referralProblem(const Referral& referral);

// The request address. Every value is percent-encoded as UTF-8 so that the
// site decodes exactly the texts typed, "&", "#", "+" and line breaks included.
QString requestAddress(const Referral& referral);

// Said when the request is longer than the desktop can be handed.
QString requestTooLong();

} // namespace amorix::modTellAFriend
