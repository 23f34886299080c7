// A label that acts as a web link: underlined, a pointing hand over it,
// announced as a link that can be pressed, and a clicked() signal on a
// mouse click.
#pragma once

#include <QLabel>

namespace amorix {

class LinkLabel : public QLabel {
    Q_OBJECT
public:
    explicit LinkLabel(const QString& caption, QWidget* parent);

signals:
    void clicked();

protected:
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

private:
    bool pressed_ = false;
};

} // namespace amorix
