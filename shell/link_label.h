// A label that acts as a web link: underlined, a pointing hand over it,
// announced as a link, and a clicked() signal on a mouse click or on
// Enter/Space when it has the keyboard focus.
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
    void keyPressEvent(QKeyEvent* event) override;

private:
    bool pressed_ = false;
};

} // namespace amorix
