#include "modTellAFriend.h"

#include "system/modHelp.h"
#include "system/seams.h"
#include "system_widgets/message_boxes.h"

namespace amorix::modTellAFriend {

void TellAFriend(const Referral& referral)
{
    const QString problem = referralProblem(referral);
    if (!problem.isEmpty()) {
        tellUser(problem, MessageIcon::Critical);
        return;
    }
    const QString address = requestAddress(referral);
    if (!modHelp::addressFits(address)) {
        tellUser(requestTooLong(), MessageIcon::Critical);
        return;
    }
    modHelp::OpenAddress(address);
}

} // namespace amorix::modTellAFriend
