// The real desktop opener: hands a web address to the desktop's default
// handler and returns at once. Each platform has its own way, in its own
// file; whether an opener exists, fails or takes long, nothing is reported
// and nothing waits.
#pragma once

#include "seams.h"

namespace amorix {

class DesktopOpener final : public Desktop {
public:
    void openAddress(const QString& address) override;
};

} // namespace amorix
