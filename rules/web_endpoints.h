// Where the program's web pages live. Every host name and page is here and
// nowhere else; all pages are plain http.
#pragma once

#include <QString>

namespace amorix::web {

// The maker's main site: its root page and its software catalogue live
// under two different host names.
inline const QString kMainSiteRootHost = QStringLiteral("www.velmora.example");
inline const QString kMainSiteCatalogueHost = QStringLiteral("softwares.velmora.example");
// The maker's help site.
inline const QString kHelpSiteHost = QStringLiteral("help.velmora.example");
// The product's own site on the maker's domain.
inline const QString kProductSiteHost = QStringLiteral("amorix.velmora.example");

inline QString httpAddress(const QString& host, const QString& path = QString())
{
    return QStringLiteral("http://") + host + path;
}

inline QString softwaresPageAddress()
{
    return httpAddress(kMainSiteCatalogueHost, QStringLiteral("/velmorasoftwares"));
}
inline QString donatePageAddress() { return httpAddress(kHelpSiteHost, QStringLiteral("/donate.html")); }
inline QString onlineHelpPageAddress() { return httpAddress(kProductSiteHost, QStringLiteral("/amorix-help.html")); }
inline QString fullyBrandedPageAddress() { return httpAddress(kHelpSiteHost, QStringLiteral("/fully-branded.html")); }
inline QString coBrandPageAddress() { return httpAddress(kHelpSiteHost, QStringLiteral("/co-brand.html")); }
inline QString homePageAddress() { return httpAddress(kMainSiteRootHost); }
inline QString downloadPageAddress() { return httpAddress(kProductSiteHost, QStringLiteral("/download-amorix.html")); }
inline QString productSiteRootAddress() { return httpAddress(kProductSiteHost, QStringLiteral("/")); }
inline QString referAFriendPageAddress()
{
    return httpAddress(kMainSiteCatalogueHost, QStringLiteral("/qxvs-refer-a-friend.php"));
}

} // namespace amorix::web
