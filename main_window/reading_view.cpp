// Positions are in twips within the view.
#include "reading_view.h"

#include "view_parts.h"

#include "look/announced.h"
#include "look/classic_style.h"
#include "look/colours.h"
#include "look/command_button.h"
#include "look/fonts.h"
#include "look/twips.h"

#include <QFontMetrics>
#include <QKeyEvent>
#include <QLabel>
#include <QPalette>
#include <QPushButton>
#include <QStackedWidget>
#include <QTabBar>

#include <algorithm>

namespace amorix {
namespace {

// One-line values grow to the width of their text, up to the frame's
// edge. Measuring no more of the text than can show keeps a name of many
// thousand characters as quick as a short one.
void setValue(QLabel* label, const QString& text)
{
    label->setText(text);
    if (label->wordWrap())
        return;
    const int room = label->parentWidget()->width() - label->x();
    const QFontMetrics metrics(label->font());
    constexpr qsizetype kEnough = 256;
    int width = metrics.horizontalAdvance(text.left(kEnough));
    if (width < room && text.size() > kEnough)
        width = metrics.horizontalAdvance(text);
    label->resize(std::min(width + 2, room), metrics.height());
}

} // namespace

ReadingView::ReadingView(QWidget* parent)
    : QFrame(parent)
{
    paintView(this, colour::darkGrey);

    buildTabStrip();
    // The three display frames on one place under the tab captions.
    displays_ = viewStack(this, twips(0, 380, 8250, 3250));
    for (int tab = 0; tab < TS_->count(); ++tab) {
        addView(displays_, fraDisplay_[tab] = viewFrame(displays_, colour::darkGrey));
        heardAsTab(fraDisplay_[tab], TS_->tabText(tab));
    }
    buildValues();

    cmdBack_ = commandButton(tr("&Back"), this);
    cmdBack_->setGeometry(twips(7080, 3680, 1000, 400));
    cmdBack_->setFont(verdana(8.25, true));
}

void ReadingView::buildTabStrip()
{
    TS_ = new QTabBar(this);
    TS_->setGeometry(twips(0, 60, 8250, 1215));
    TS_->setStyle(classicStyle());
    TS_->setFont(verdana(8.25, true));
    // Light tabs with dark captions, as the platform's tab strip has them.
    QPalette tabs = TS_->palette();
    for (const QPalette::ColorRole face : {QPalette::Window, QPalette::Button, QPalette::Base, QPalette::Light})
        tabs.setColor(face, colour::tabFace);
    for (const QPalette::ColorRole caption : {QPalette::WindowText, QPalette::ButtonText, QPalette::Text})
        tabs.setColor(caption, colour::tabCaption);
    TS_->setPalette(tabs);
    TS_->setDrawBase(false);
    TS_->setExpanding(false);
    TS_->addTab(tr("My Love Numerology Result"));
    TS_->addTab(tr("My Partner's Love Numerology Result"));
    TS_->addTab(tr("Love Number"));
    // All three tabs stay in sight; the narrow padding of the classic style
    // comes first, a smaller type only for a stand-in face wider still.
    TS_->setUsesScrollButtons(false);
    shrinkFontToFit(TS_, TS_->width(), [this] { return TS_->sizeHint().width(); });
    TS_->setAccessibleName(tr("Reading"));
    connect(TS_, &QTabBar::currentChanged, this, &ReadingView::TS_Click);
    // Clicking the tab that is already selected still shows its frame.
    connect(TS_, &QTabBar::tabBarClicked, this, [this](int index) {
        if (index == TS_->currentIndex())
            TS_Click();
    });
}

void ReadingView::buildValues()
{
    // The two persons' frames carry the same rows; each value is heard with
    // the row title tied to it, and its description says whose value it is.
    static const char* const described[reading::kPersons][reading::kRowsPerPerson] = {
        {QT_TR_NOOP("Your name"), QT_TR_NOOP("Your date of birth"), QT_TR_NOOP("Your birth number"),
         QT_TR_NOOP("Your significance"), QT_TR_NOOP("Your interpretation")},
        {QT_TR_NOOP("Partner's name"), QT_TR_NOOP("Partner's date of birth"), QT_TR_NOOP("Partner's birth number"),
         QT_TR_NOOP("Partner's significance"), QT_TR_NOOP("Partner's interpretation")},
    };
    for (int person = 0; person < reading::kPersons; ++person) {
        QFrame* frame = fraDisplay_[person];
        const auto value = [&](reading::Row row) -> QLabel*& { return lblResult_[reading::valueIndex(person, row)]; };
        std::array<QLabel*, reading::kRowsPerPerson> titles{};
        titles[0] = autoSizeLabel(frame, tr("Name"), 120, 240, colour::teal);
        value(reading::Name) = autoSizeLabel(frame, QStringLiteral("Name"), 2000, 240, colour::cyan);
        titles[1] = autoSizeLabel(frame, tr("Date Of Birth"), 120, 540, colour::teal);
        value(reading::DateOfBirth) = autoSizeLabel(frame, QStringLiteral("Date"), 2000, 540, colour::cyan);
        titles[2] = autoSizeLabel(frame, tr("Birth Number"), 120, 840, colour::teal);
        value(reading::BirthNumber) = autoSizeLabel(frame, QStringLiteral("0"), 2000, 840, colour::cyan);
        titles[3] = autoSizeLabel(frame, tr("Significance"), 120, 1140, colour::teal);
        value(reading::Significance) = wrappedLabel(frame, QString(), twips(120, 1440, 8000, 435), colour::cyan);
        titles[4] = autoSizeLabel(frame, tr("Interpretation"), 120, 1980, colour::teal);
        value(reading::Interpretation) = wrappedLabel(frame, QString(), twips(120, 2280, 8000, 795), colour::cyan);

        for (int row = 0; row < reading::kRowsPerPerson; ++row) {
            titleFor(titles[row], value(reading::Row(row)));
            value(reading::Row(row))->setAccessibleDescription(tr(described[person][row]));
        }
    }
    QFrame* love = fraDisplay_[2];
    QLabel* loveTitle = autoSizeLabel(love, tr("Love Number"), 120, 240, colour::teal);
    lblResult_[reading::kLoveNumber] = autoSizeLabel(love, QStringLiteral("0"), 2000, 240, colour::cyan);
    titleFor(loveTitle, lblResult_[reading::kLoveNumber]);
    lblResult_[reading::kLoveInterpretation] = wrappedLabel(love, QString(), twips(120, 600, 8000, 1035), colour::cyan);
    lblResult_[reading::kLoveNumber]->setAccessibleDescription(tr("Love number"));
    lblResult_[reading::kLoveInterpretation]->setAccessibleDescription(tr("Love interpretation"));

    for (QLabel* value : lblResult_) {
        // Reachable with Tab, so that a screen reader reads each value in turn.
        value->setTextInteractionFlags(Qt::TextSelectableByKeyboard | Qt::TextSelectableByMouse);
        value->setFocusPolicy(Qt::TabFocus);
    }
}

void ReadingView::showReading(const reading::Reading& values)
{
    for (int i = 0; i < reading::kValueCount; ++i)
        if (values[i])
            setValue(lblResult_[i], *values[i]);
    displays_->setCurrentWidget(fraDisplay_[0]);
}

QLabel* ReadingView::firstValue() const { return firstValueOf(0); }

QLabel* ReadingView::firstValueOf(int tab) const
{
    return lblResult_[tab < reading::kPersons ? reading::valueIndex(tab, reading::Name) : reading::kLoveNumber];
}

void ReadingView::TS_Click()
{
    const int tab = TS_->currentIndex();
    turnTo(displays_, fraDisplay_[tab], firstValueOf(tab));
}

bool ReadingView::switchTab(const QKeyEvent* event)
{
    // As in any tabbed window: Ctrl+Tab and Ctrl+PgDn go to the next tab,
    // Ctrl+Shift+Tab and Ctrl+PgUp to the one before, round the ends. The
    // focus on a value goes on to the new tab's first value.
    if (!(event->modifiers() & Qt::ControlModifier))
        return false;
    int step = 0;
    switch (event->key()) {
    case Qt::Key_Tab: step = (event->modifiers() & Qt::ShiftModifier) ? -1 : 1; break;
    case Qt::Key_Backtab: step = -1; break;
    case Qt::Key_PageDown: step = 1; break;
    case Qt::Key_PageUp: step = -1; break;
    default: return false;
    }
    TS_->setCurrentIndex((TS_->currentIndex() + step + TS_->count()) % TS_->count());
    return true;
}

} // namespace amorix
