#include "brand_banner.h"

#include "view_parts.h"

#include "look/colours.h"
#include "look/link_label.h"

#include <QBoxLayout>
#include <QStackedWidget>

namespace amorix {

BrandBanner::BrandBanner(QWidget* parent)
    : QFrame(parent)
{
    setObjectName(QStringLiteral("fraFullBrand"));
    paintView(this, colour::black);

    // The two labels on one spot: one shows, start-up draws which.
    QStackedWidget* faces = viewStack(this);
    faces->setObjectName(QStringLiteral("faces"));
    lblCobrand_ = bannerLink(faces,
                             tr("Co-brand this software for your site.  Increase loyalty and traffic to "
                                "your site. Put your site's name &&  link here. See \"Help\" for details. "
                                "Click Here for more info on co-branding."),
                             true);
    lblCobrand_->setObjectName(QStringLiteral("lblCobrand"));
    lblFullBrand_ = bannerLink(faces,
                               tr("Home Business Opportunity. Start your own Internet business and make "
                                  "money online. Get this software fully branded for your website. Click "
                                  "here for more details."),
                               true);
    lblFullBrand_->setObjectName(QStringLiteral("lblFullBrand"));
    // The fully branded one shows until start-up draws (added first, it
    // shows without a switch).
    faces->addWidget(lblFullBrand_);
    faces->addWidget(lblCobrand_);
    for (LinkLabel* face : {lblFullBrand_, lblCobrand_})
        face->wrapWithin(535, 41);

    auto* banner = new QVBoxLayout(this);
    banner->setContentsMargins(8, 11, 7, 4);
    banner->addWidget(faces);
}

} // namespace amorix
