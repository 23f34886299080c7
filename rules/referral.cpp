#include "referral.h"

#include "text_rules.h"
#include "web_endpoints.h"

#include <QCoreApplication>
#include <QUrl>

namespace amorix::modTellAFriend {
namespace {

// This module's texts.
class Texts {
    Q_DECLARE_TR_FUNCTIONS(amorix::modTellAFriend)
};

QString encoded(const QString& value)
{
    // Leaves only A-Z a-z 0-9 - . _ ~ as they are.
    return QString::fromLatin1(QUrl::toPercentEncoding(value));
}

} // namespace

QString addressProblem(const QString& email, const QString& friendEmail)
{
    const QString own = trimSpaces(email);
    const QString other = trimSpaces(friendEmail);
    if (own == other)
        return Texts::tr("Please Enter Distinct Email Addresses");
    if (!own.contains(u'@') || !other.contains(u'@'))
        return Texts::tr("Please Enter Proper Email Address");
    if (!own.contains(u'.') || !other.contains(u'.'))
        return Texts::tr("Please Enter Proper Email Address");
    return QString();
}

Referral placeholders()
{
    return {Texts::tr("Your Name"), Texts::tr("Your Email Address"), Texts::tr("Your Message"),
            Texts::tr("Friend's Name"), Texts::tr("Friend's Email Address")};
}

QString referralProblem(const Referral& referral)
{
    struct Check {
        const QString& value;
        QString placeholder;
        QString message;
    };
    const Referral first = placeholders();
    const Check checks[] = {
        {referral.name, first.name, Texts::tr("Please Enter Your Name")},
        {referral.email, first.email, Texts::tr("Please Enter Your Email")},
        {referral.message, first.message, Texts::tr("Please Enter Your Message")},
        {referral.friendName, first.friendName, Texts::tr("Please Enter Your Friend's Name")},
        {referral.friendEmail, first.friendEmail, Texts::tr("Please Enter Your Friend's Email")},
    };
    for (const Check& check : checks) {
        const QString value = trimSpaces(check.value);
        if (value.isEmpty() || value == check.placeholder)
            return check.message;
    }
    return QString();
}

QString requestTooLong()
{
    return Texts::tr("The request is too long to send. Please shorten the names or email addresses.");
}

QString requestAddress(const Referral& referral)
{
    return web::referAFriendPageAddress() + QStringLiteral("?taf1=") + encoded(referral.name) + QStringLiteral("&taf2=")
        + encoded(referral.email) + QStringLiteral("&taf3=") + encoded(referral.message) + QStringLiteral("&taf4=")
        + encoded(referral.friendName) + QStringLiteral("&taf5=") + encoded(referral.friendEmail)
        + QStringLiteral("&taf6=") + web::productSiteRootAddress();
}

} // namespace amorix::modTellAFriend
