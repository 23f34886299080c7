// A check box that is pressed anywhere in its rectangle, as the platform's
// check box is, not only on its box and caption.
#pragma once

#include <QCheckBox>

namespace amorix {

class LinkCheckBox final : public QCheckBox {
public:
    using QCheckBox::QCheckBox;

protected:
    bool hitButton(const QPoint& position) const override { return rect().contains(position); }
};

} // namespace amorix
