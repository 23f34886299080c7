#include "app_icon.h"

#include <QIconEngine>
#include <QImage>
#include <QPainter>
#include <QPixmap>

#include <array>

namespace amorix {
namespace {

// The sizes stored in the program, the ones a window manager and the about
// box and exit screen ask for.
constexpr std::array kSizes = {16, 24, 32, 48, 64};

// Decodes a stored size only when it is asked for, and only once: Qt's
// own file icon reads every file in full when it is added.
class StoredIconEngine final : public QIconEngine {
public:
    QPixmap pixmap(const QSize& size, QIcon::Mode, QIcon::State) override
    {
        const int wanted = std::min(size.width(), size.height());
        std::size_t best = kSizes.size() - 1;
        for (std::size_t i = 0; i < kSizes.size(); ++i)
            if (kSizes[i] >= wanted) {
                best = i;
                break;
            }
        QPixmap& stored = decoded_[best];
        if (stored.isNull())
            stored =
                QPixmap::fromImage(QImage(QStringLiteral(":/amorix/icons/amorix-%1.png").arg(kSizes[best]), "PNG"));
        if (stored.width() == wanted)
            return stored;
        return stored.scaled(wanted, wanted, Qt::KeepAspectRatio, Qt::SmoothTransformation);
    }
    void paint(QPainter* painter, const QRect& rect, QIcon::Mode mode, QIcon::State state) override
    {
        painter->drawPixmap(rect, pixmap(rect.size(), mode, state));
    }
    QList<QSize> availableSizes(QIcon::Mode, QIcon::State) override
    {
        QList<QSize> sizes;
        for (const int size : kSizes)
            sizes.append(QSize(size, size));
        return sizes;
    }
    QIconEngine* clone() const override { return new StoredIconEngine(*this); }

private:
    std::array<QPixmap, kSizes.size()> decoded_;
};

} // namespace

QIcon appIcon() { return QIcon(new StoredIconEngine); }

} // namespace amorix
