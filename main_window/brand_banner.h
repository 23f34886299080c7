// The banner below the views: two link labels on the same spot, the
// co-branding offer and the fully branded one. The one in front is seen;
// the program draws which at start.
#pragma once

#include <QFrame>

namespace amorix {

class LinkLabel;

class BrandBanner : public QFrame {
    Q_OBJECT
public:
    explicit BrandBanner(QWidget* parent);

    LinkLabel* lblCobrand() const { return lblCobrand_; }
    LinkLabel* lblFullBrand() const { return lblFullBrand_; }

private:
    LinkLabel* lblCobrand_ = nullptr;
    LinkLabel* lblFullBrand_ = nullptr;
};

} // namespace amorix
