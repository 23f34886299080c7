#include "view_parts.h"

#include "look/announced.h"
#include "look/captions.h"
#include "look/colours.h"
#include "look/fonts.h"
#include "look/link_label.h"
#include "look/twips.h"

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

QStackedWidget* viewStack(QWidget* parent, const QRect& place)
{
    auto* stack = new QStackedWidget(parent);
    stack->setFrameShape(QFrame::NoFrame);
    stack->setGeometry(place);
    passedOver(stack);
    return stack;
}

void addView(QStackedWidget* stack, QWidget* view)
{
    // The stack lays out a page only when it shows, and a reading's values
    // are sized to their page before that.
    view->setGeometry(stack->contentsRect());
    stack->addWidget(view);
}

QLabel* captionLabel(QWidget* parent, const QString& caption, const QRect& place, const QColor& text)
{
    auto* label = new QLabel(labelText(caption), parent);
    label->setTextFormat(Qt::PlainText);
    label->setFont(verdana(8.25, true));
    setTextColour(label, text);
    label->setGeometry(place);
    return label;
}

QLabel* autoSizeLabel(QWidget* parent, const QString& caption, int leftTwips, int topTwips, const QColor& text)
{
    QLabel* label = captionLabel(parent, caption, QRect(), text);
    label->move(pixels(leftTwips), pixels(topTwips));
    label->adjustSize();
    return label;
}

QLabel* wrappedLabel(QWidget* parent, const QString& caption, const QRect& place, const QColor& text)
{
    QLabel* label = captionLabel(parent, caption, place, text);
    label->setWordWrap(true);
    label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    return label;
}

LinkLabel* bannerLink(QWidget* parent, const QString& caption, const QRect& place, bool opaque)
{
    auto* link = new LinkLabel(caption, parent);
    link->setFont(verdana(8.25, true, true));
    // Placed before its text is wrapped: wrapping a long text in the
    // default size first costs as much again.
    link->setGeometry(place);
    link->setWordWrap(true);
    link->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
    if (opaque)
        setColours(link, colour::linkBlue, colour::black);
    else
        setTextColour(link, colour::linkBlue);
    return link;
}

} // namespace amorix
