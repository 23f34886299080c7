// The banner below the views: two link labels on the same spot, the
// co-branding offer and the fully branded one. The one in front is seen;
// the program draws which at start.
#pragma once

#include <QFrame>

class QStackedWidget;

namespace amorix {

class LinkLabel;

class BrandBanner : public QFrame {
    Q_OBJECT
public:
    explicit BrandBanner(QWidget* parent);

    LinkLabel* lblCobrand() const { return lblCobrand_; }
    LinkLabel* lblFullBrand() const { return lblFullBrand_; }
    // The spot both labels share, showing one of them.
    QStackedWidget* faces() const { return faces_; }

private:
    QStackedWidget* faces_ = nullptr;
    LinkLabel* lblCobrand_ = nullptr;
    LinkLabel* lblFullBrand_ = nullptr;
};

} // namespace amorix
