// Where the program's web pages live. Every host name is here and nowhere
// else; all pages are plain http.
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

} // namespace amorix::web
