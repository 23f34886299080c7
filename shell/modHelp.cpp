#include "modHelp.h"

#include "platform.h"
#include "resume_next.h"
#include "seams.h"
#include "web_endpoints.h"

namespace amorix::modHelp {

using web::httpAddress;

QString softwaresPageAddress() { return httpAddress(web::kMainSiteCatalogueHost, QStringLiteral("/velmorasoftwares")); }
QString donatePageAddress() { return httpAddress(web::kHelpSiteHost, QStringLiteral("/donate.html")); }
QString onlineHelpPageAddress() { return httpAddress(web::kProductSiteHost, QStringLiteral("/amorix-help.html")); }
QString fullyBrandedPageAddress() { return httpAddress(web::kHelpSiteHost, QStringLiteral("/fully-branded.html")); }
QString coBrandPageAddress() { return httpAddress(web::kHelpSiteHost, QStringLiteral("/co-brand.html")); }
QString homePageAddress() { return httpAddress(web::kMainSiteRootHost); }
QString downloadPageAddress() { return httpAddress(web::kProductSiteHost, QStringLiteral("/download-amorix.html")); }
QString productSiteRootAddress() { return httpAddress(web::kProductSiteHost, QStringLiteral("/")); }
QString referAFriendPageAddress()
{
    return httpAddress(web::kMainSiteCatalogueHost, QStringLiteral("/qxvs-refer-a-friend.php"));
}

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
