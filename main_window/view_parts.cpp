#include "view_parts.h"

#include "look/announced.h"
#include "look/boxed_label.h"
#include "look/captions.h"
#include "look/colours.h"
#include "look/fonts.h"
#include "look/link_label.h"

#include <QFrame>
#include <QLabel>
#include <QStackedWidget>

namespace amorix {

void paintView(QFrame* frame, const QColor& background)
{
    frame->setFrameShape(QFrame::NoFrame);
    setColours(frame, colour::white, background);
}

QFrame* viewFrame(QWidget* parent, const QColor& background)
{
    auto* frame = new QFrame(parent);
    paintView(frame, background);
    return frame;
}

QStackedWidget* viewStack(QWidget* parent)
{
    auto* stack = new QStackedWidget(parent);
    stack->setFrameShape(QFrame::NoFrame);
    passedOver(stack);
    return stack;
}

QLabel* captionLabel(QWidget* parent, const QString& caption, const QColor& text)
{
    auto* label = new QLabel(labelText(caption), parent);
    label->setTextFormat(Qt::PlainText);
    label->setFont(verdana(8.25, true));
    setTextColour(label, text);
    return label;
}

BoxedLabel* wrappedLabel(QWidget* parent, const QString& caption, const QColor& text, int width, int minimumHeight)
{
    auto* label = new BoxedLabel(labelText(caption), parent);
    label->setTextFormat(Qt::PlainText);
    label->setFont(verdana(8.25, true));
    setTextColour(label, text);
    label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    label->wrapWithin(width, minimumHeight);
    return label;
}

LinkLabel* bannerLink(QWidget* parent, const QString& caption, bool opaque)
{
    auto* link = new LinkLabel(caption, parent);
    link->setFont(verdana(8.25, true, true));
    link->setWordWrap(true);
    link->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
    if (opaque)
        setColours(link, colour::linkBlue, colour::black);
    else
        setTextColour(link, colour::linkBlue);
    return link;
}

} // namespace amorix
