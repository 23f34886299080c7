#include "modHelp.h"

#include "platform.h"
#include "rules/resume_next.h"
#include "seams.h"

namespace amorix::modHelp {

void OpenAddress(const QString& address)
{
    // Whatever the desktop makes of the address, the caller goes on as usual.
    resumeNext([&] { desktop().openAddress(address); });
}

bool addressFits(const QString& address) { return address.toUtf8().size() <= platform::longestAddress(); }

void OpenSoftwaresPage() { OpenAddress(softwaresPageAddress()); }
void OpenDonatePage() { OpenAddress(donatePageAddress()); }
void OpenOnlineHelpPage() { OpenAddress(onlineHelpPageAddress()); }
void OpenFullyBrandedPage() { OpenAddress(fullyBrandedPageAddress()); }
void OpenCoBrandPage() { OpenAddress(coBrandPageAddress()); }
void OpenHomePage() { OpenAddress(homePageAddress()); }
void OpenDownloadPage() { OpenAddress(downloadPageAddress()); }

} // namespace amorix::modHelp
