// Positions are in twips within the banner.
#include "brand_banner.h"

#include "view_parts.h"

#include "look/colours.h"
#include "look/link_label.h"
#include "look/twips.h"
#include "look/views.h"

namespace amorix {

BrandBanner::BrandBanner(QWidget* parent)
    : QFrame(parent)
{
    placeView(this, twips(0, 4680, 8250, 855), colour::black);

    lblCobrand_ = bannerLink(this,
                             tr("Co-brand this software for your site.  Increase loyalty and traffic to "
                                "your site. Put your site's name &&  link here. See \"Help\" for details. "
                                "Click Here for more info on co-branding."),
                             twips(120, 165, 8025, 615), true);
    lblFullBrand_ = bannerLink(this,
                               tr("Home Business Opportunity. Start your own Internet business and make "
                                  "money online. Get this software fully branded for your website. Click "
                                  "here for more details."),
                               twips(120, 165, 8025, 615), true);
    // One of the two shows; start-up draws which.
    bringToFront(lblFullBrand_);
}

} // namespace amorix
