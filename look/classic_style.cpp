#include "classic_style.h"

#include <QApplication>
#include <QGroupBox>
#include <QPainter>
#include <QProxyStyle>
#include <QStyleFactory>
#include <QStyleOptionComplex>

namespace amorix {
namespace {

class ClassicStyle final : public QProxyStyle {
public:
    using QProxyStyle::QProxyStyle;

    int pixelMetric(PixelMetric metric, const QStyleOption* option, const QWidget* widget) const override
    {
        // Tabs as narrow as their captions allow: the three captions fit
        // the strip in the stand-in face at their own size, and the row
        // stays above the frames beneath it.
        switch (metric) {
        case PM_TabBarTabHSpace: return 8;
        case PM_TabBarTabVSpace: return 6;
        default: return QProxyStyle::pixelMetric(metric, option, widget);
        }
    }

    // A check box used as a link is pressed, focused and announced by its
    // whole rectangle, as the platform's check box is, not only by its box
    // and caption.
    QRect subElementRect(SubElement element, const QStyleOption* option, const QWidget* widget) const override
    {
        switch (element) {
        case SE_CheckBoxClickRect: return option->rect;
        case SE_CheckBoxFocusRect: return option->rect.adjusted(1, 1, -1, -1);
        default: return QProxyStyle::subElementRect(element, option, widget);
        }
    }

    QRect subControlRect(ComplexControl control, const QStyleOptionComplex* option, SubControl part,
                         const QWidget* widget) const override
    {
        if (control != CC_GroupBox)
            return QProxyStyle::subControlRect(control, option, part, widget);
        const QStyleOptionGroupBox frame = withBoldCaption(option, widget);
        QRect place = QProxyStyle::subControlRect(control, &frame, part, widget);
        if (part == SC_GroupBoxLabel || part == SC_GroupBoxCheckBox)
            place.translate(kFrameCaptionIndent, 0);
        return place;
    }

    void drawComplexControl(ComplexControl control, const QStyleOptionComplex* option, QPainter* painter,
                            const QWidget* widget) const override
    {
        if (control != CC_GroupBox) {
            QProxyStyle::drawComplexControl(control, option, painter, widget);
            return;
        }
        const QStyleOptionGroupBox frame = withBoldCaption(option, widget);
        painter->save();
        painter->setFont(boldCaption(widget));
        QProxyStyle::drawComplexControl(control, &frame, painter, widget);
        painter->restore();
    }

private:
    // The frame's option as measured with its caption in bold.
    static QStyleOptionGroupBox withBoldCaption(const QStyleOptionComplex* option, const QWidget* frame)
    {
        QStyleOptionGroupBox bold = *qstyleoption_cast<const QStyleOptionGroupBox*>(option);
        bold.fontMetrics = QFontMetrics(boldCaption(frame));
        return bold;
    }

    static QFont boldCaption(const QWidget* frame)
    {
        QFont bold = frame ? frame->font() : QApplication::font();
        bold.setBold(true);
        return bold;
    }
};

// A fresh instance of the style the desktop draws with. A desktop may wrap
// its style in a proxy of its own (qt6ct does); a style inside two proxies
// asks the inner one for its measures and so draws with other paddings
// than the ones ours sets, so ours wraps the innermost style directly.
QStyle* desktopBaseStyle()
{
    const QStyle* style = QApplication::style();
    while (const auto* proxy = qobject_cast<const QProxyStyle*>(style))
        style = proxy->baseStyle();
    QStyle* fresh = style ? QStyleFactory::create(style->name()) : nullptr;
    return fresh ? fresh : QStyleFactory::create(QStringLiteral("Fusion"));
}

} // namespace

QStyle* classicStyle()
{
    static ClassicStyle* style = new ClassicStyle(desktopBaseStyle());
    return style;
}

QGroupBox* captionedFrame(const QString& caption, QWidget* parent)
{
    auto* frame = new QGroupBox(caption, parent);
    frame->setStyle(classicStyle());
    return frame;
}

} // namespace amorix
