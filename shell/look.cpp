#include "look.h"

#include <QFontInfo>
#include <QHash>
#include <QGroupBox>
#include <QPalette>
#include <QProxyStyle>
#include <QApplication>
#include <QPainter>
#include <QStyleFactory>
#include <QStyleOptionComplex>
#include <QPushButton>
#include <QWidget>

#include <cmath>

namespace amorix {

namespace {

// The face that stands in for a family: the family itself where installed,
// otherwise the nearest sans face. Resolved once per family, so that every
// font built later is matched directly instead of through the fallback search.
QString installedFace(const QString& family)
{
    static QHash<QString, QString> faces;
    auto known = faces.constFind(family);
    if (known != faces.constEnd())
        return *known;
    QFont wanted(family);
    wanted.setStyleHint(QFont::SansSerif);
    return faces.insert(family, QFontInfo(wanted).family()).value();
}

class ClassicStyle final : public QProxyStyle {
public:
    using QProxyStyle::QProxyStyle;

    int pixelMetric(PixelMetric metric, const QStyleOption* option, const QWidget* widget) const override
    {
        // Tabs as narrow as their captions allow: the three captions fit
        // the strip in the stand-in face at their own size, and the row
        // stays above the frames beneath it.
        switch (metric) {
        case PM_TabBarTabHSpace:
            return 8;
        case PM_TabBarTabVSpace:
            return 6;
        default:
            return QProxyStyle::pixelMetric(metric, option, widget);
        }
    }

    // A check box used as a link is pressed, focused and announced by its
    // whole rectangle, as the platform's check box is, not only by its box
    // and caption.
    QRect subElementRect(SubElement element, const QStyleOption* option, const QWidget* widget) const override
    {
        switch (element) {
        case SE_CheckBoxClickRect:
            return option->rect;
        case SE_CheckBoxFocusRect:
            return option->rect.adjusted(1, 1, -1, -1);
        default:
            return QProxyStyle::subElementRect(element, option, widget);
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

} // namespace

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

QFont faceFont(const QString& family, double points, bool bold, bool underline)
{
    QFont font(installedFace(family));
    font.setStyleHint(QFont::SansSerif);
    // Sizes are in pixels at 96 dpi so text keeps its place beside controls
    // laid out in twips; the device pixel ratio scales both alike.
    font.setPixelSize(static_cast<int>(std::lround(points * 96.0 / 72.0)));
    font.setBold(bold);
    font.setUnderline(underline);
    return font;
}

QFont verdana(double points, bool bold, bool underline)
{
    return faceFont(QStringLiteral("Verdana"), points, bold, underline);
}

void shrinkFontToFit(QWidget* widget, int availableWidth, const std::function<int()>& neededWidth)
{
    QFont font = widget->font();
    while (neededWidth() > availableWidth && font.pixelSize() > 8) {
        font.setPixelSize(font.pixelSize() - 1);
        widget->setFont(font);
    }
}

void setTextColour(QWidget* widget, const QColor& text)
{
    QPalette palette = widget->palette();
    palette.setColor(QPalette::WindowText, text);
    widget->setPalette(palette);
}

void setColours(QWidget* widget, const QColor& text, const QColor& background)
{
    QPalette palette = widget->palette();
    palette.setColor(QPalette::WindowText, text);
    palette.setColor(QPalette::Window, background);
    widget->setPalette(palette);
    widget->setAutoFillBackground(true);
}

namespace {

// A button whose access key (Alt+G) moves the focus to it before it acts,
// as the platform's buttons do: a check it runs that refuses leaves the
// focus on the button.
class CommandButton final : public QPushButton {
public:
    using QPushButton::QPushButton;

protected:
    bool event(QEvent* event) override
    {
        if (event->type() == QEvent::Shortcut && focusPolicy() != Qt::NoFocus)
            setFocus(Qt::ShortcutFocusReason);
        return QPushButton::event(event);
    }
};

} // namespace

QPushButton* commandButton(const QString& caption, QWidget* parent)
{
    auto* button = new CommandButton(caption, parent);
    // An auto-default button takes Enter while focused; outside a dialog
    // that is all it does, and a dialog's default stays the one it names.
    button->setAutoDefault(true);
    return button;
}

QString labelText(const QString& caption)
{
    QString shown;
    shown.reserve(caption.size());
    for (qsizetype i = 0; i < caption.size(); ++i) {
        if (caption.at(i) == u'&') {
            if (i + 1 < caption.size() && caption.at(i + 1) == u'&')
                shown += u'&', ++i;
            continue;
        }
        shown += caption.at(i);
    }
    return shown;
}

} // namespace amorix
