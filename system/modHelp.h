// The web pages the program points its user at. Each operation hands one
// fixed address to the desktop's default browser and returns at once.
#pragma once

#include "rules/web_endpoints.h"

#include <QString>

namespace amorix::modHelp {

// The fixed addresses, for callers that show them.
using web::coBrandPageAddress;
using web::donatePageAddress;
using web::downloadPageAddress;
using web::fullyBrandedPageAddress;
using web::homePageAddress;
using web::onlineHelpPageAddress;
using web::softwaresPageAddress;

void OpenSoftwaresPage();
void OpenDonatePage();
void OpenOnlineHelpPage();
void OpenFullyBrandedPage();
void OpenCoBrandPage();
void OpenHomePage();
void OpenDownloadPage();
// Opens an address built by the caller, exactly as given.
void OpenAddress(const QString& address);
// Whether the desktop can be handed the address at all.
bool addressFits(const QString& address);

} // namespace amorix::modHelp
