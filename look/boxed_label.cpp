#include "boxed_label.h"

#include <algorithm>

namespace amorix {

void BoxedLabel::setBox(QSize box)
{
    box_ = box;
    updateGeometry();
}

void BoxedLabel::wrapWithin(int width, int minimumHeight)
{
    setWordWrap(true);
    setBox({width, std::max(minimumHeight, heightForWidth(width))});
}

QSize BoxedLabel::sizeHint() const { return box_.isValid() ? box_ : QLabel::sizeHint(); }

QSize BoxedLabel::minimumSizeHint() const { return box_.isValid() ? box_ : QLabel::minimumSizeHint(); }

bool BoxedLabel::hasHeightForWidth() const { return !box_.isValid() && QLabel::hasHeightForWidth(); }

} // namespace amorix
