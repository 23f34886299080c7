// A label that tells the layouts a box of its own instead of measuring its
// text on each of their passes (size hint, minimum size, height for
// width). Wrapped texts measured so made start-up a quarter slower and a
// reading four times as slow.
#pragma once

#include <QLabel>

namespace amorix {

class BoxedLabel : public QLabel {
public:
    using QLabel::QLabel;

    // The box the layouts are told; a width of 0 takes what the row leaves.
    void setBox(QSize box);
    // Wraps the text within this width, as high as it needs there and at
    // least minimumHeight: measured once, here.
    void wrapWithin(int width, int minimumHeight);

    QSize sizeHint() const override;
    QSize minimumSizeHint() const override;
    // Boxed, it has no height for a width: QLabel would turn that back on
    // with each new text.
    bool hasHeightForWidth() const override;

private:
    QSize box_;
};

} // namespace amorix
