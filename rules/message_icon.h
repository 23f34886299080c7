// The icon of a message box: the stop sign for missing or malformed input,
// the information sign for impossible dates and notices.
#pragma once

namespace amorix {

enum class MessageIcon { Information, Critical };

} // namespace amorix
