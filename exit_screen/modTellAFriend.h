// The refer-a-friend request: checks the five values and opens a page of
// the maker's site whose query string carries them.
#pragma once

#include "rules/referral.h"

namespace amorix::modTellAFriend {

// Shows the first problem, or opens the request address; a request too long
// to hand to the desktop is refused with a message instead of being lost.
void TellAFriend(const Referral& referral);

} // namespace amorix::modTellAFriend
