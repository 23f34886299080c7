// Positions are in twips within the banner.
#include "brand_banner.h"

#include "view_parts.h"

#include "look/colours.h"
#include "look/link_label.h"
#include "look/twips.h"

#include <QStackedWidget>

namespace amorix {

BrandBanner::BrandBanner(QWidget* parent)
    : QFrame(parent)
{
    setGeometry(twips(0, 4680, 8250, 855));
    paintView(this, colour::black);

    // The two labels on one spot: one shows, start-up draws which.
    faces_ = viewStack(this, twips(120, 165, 8025, 615));
    lblCobrand_ = bannerLink(faces_,
                             tr("Co-brand this software for your site.  Increase loyalty and traffic to "
                                "your site. Put your site's name &&  link here. See \"Help\" for details. "
                                "Click Here for more info on co-branding."),
                             faces_->contentsRect(), true);
    lblFullBrand_ = bannerLink(faces_,
                               tr("Home Business Opportunity. Start your own Internet business and make "
                                  "money online. Get this software fully branded for your website. Click "
                                  "here for more details."),
                               faces_->contentsRect(), true);
    // The fully branded one shows until start-up draws (added first, it
    // shows without a switch).
    addView(faces_, lblFullBrand_);
    addView(faces_, lblCobrand_);
}

} // namespace amorix
