// A label that acts as a web link: underlined, a pointing hand over it,
// announced as a link that can be pressed, reached with Tab and marked
// while it has the focus, and a clicked() signal on a mouse click, Enter or
// Space.
#pragma once

#include "boxed_label.h"

namespace amorix {

class LinkLabel : public BoxedLabel {
    Q_OBJECT
public:
    explicit LinkLabel(const QString& caption, QWidget* parent);

signals:
    void clicked();

protected:
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void paintEvent(QPaintEvent* event) override;

private:
    bool pressed_ = false;
};

} // namespace amorix
