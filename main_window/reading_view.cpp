#include "reading_view.h"

#include "view_parts.h"

#include "look/announced.h"
#include "look/boxed_label.h"
#include "look/captions.h"
#include "look/classic_style.h"
#include "look/colours.h"
#include "look/command_button.h"
#include "look/fonts.h"

#include <QBoxLayout>
#include <QFontMetrics>
#include <QGridLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QPalette>
#include <QPushButton>
#include <QStackedWidget>
#include <QTabBar>

#include <algorithm>

namespace amorix {
namespace {

// The frames' layout: titles in a column as wide as the longest needs, the
// values beside them; wrapped values span both columns.
constexpr int kTitleColumn = 117;
constexpr int kRowGap = 7;

QGridLayout* valueGrid(QFrame* frame)
{
    auto* grid = new QGridLayout(frame);
    grid->setContentsMargins(8, 16, 9, 0);
    grid->setHorizontalSpacing(8);
    grid->setVerticalSpacing(kRowGap);
    grid->setColumnMinimumWidth(0, kTitleColumn);
    grid->setColumnStretch(1, 1);
    return grid;
}

// A value's box, this many pixels high (none: one line, wrapping
// otherwise); it shows its first text until a reading puts a value in its
// place.
QLabel* valueLabel(QWidget* parent, const QString& first, int height = 0)
{
    // Its text is never measured to lay the window out: a name of many
    // thousand characters widens nothing, and a new reading costs no
    // layout of its texts. Every text of the engine's fits its box (a
    // check runs in every language).
    const QFont font = verdana(8.25, true);
    auto* value = new BoxedLabel(parent);
    value->setBox({0, height > 0 ? height : QFontMetrics(font).height()});
    value->setTextFormat(Qt::PlainText);
    value->setText(first);
    value->setFont(font);
    setTextColour(value, colour::cyan);
    if (height > 0) {
        value->setWordWrap(true);
        value->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    }
    return value;
}

// What a one-line value shows before its first reading.
constexpr const char* kFirstTexts[] = {"Name", "Date", "0"};

constexpr const char* kPersonPrefix[reading::kPersons] = {"your", "partner"};
constexpr const char* kRowNames[reading::kRowsPerPerson] = {"Name", "DateOfBirth", "BirthNumber", "Significance",
                                                            "Interpretation"};

} // namespace

QString ReadingView::valueName(int value)
{
    if (value == reading::kLoveNumber)
        return QStringLiteral("loveNumber");
    if (value == reading::kLoveInterpretation)
        return QStringLiteral("loveInterpretation");
    return QLatin1String(kPersonPrefix[value / reading::kRowsPerPerson])
        + QLatin1String(kRowNames[value % reading::kRowsPerPerson]);
}

ReadingView::ReadingView(QWidget* parent)
    : QFrame(parent)
{
    setObjectName(QStringLiteral("fraResult"));
    paintView(this, colour::darkGrey);

    buildTabStrip();
    // The three display frames on one place under the tab captions.
    displays_ = viewStack(this);
    displays_->setObjectName(QStringLiteral("displays"));
    const char* const frameNames[] = {"yourResult", "partnerResult", "loveResult"};
    for (int tab = 0; tab < tabResults_->count(); ++tab) {
        displays_->addWidget(fraDisplay_[tab] = viewFrame(displays_, colour::darkGrey));
        fraDisplay_[tab]->setObjectName(QLatin1String(frameNames[tab]));
        heardAsTab(fraDisplay_[tab], tabResults_->tabText(tab));
    }
    for (int person = 0; person < reading::kPersons; ++person)
        buildPersonValues(person);
    buildLoveValues();
    for (int value = 0; value < reading::kValueCount; ++value) {
        lblResult_[value]->setObjectName(valueName(value));
        // Reachable with Tab, so that a screen reader reads each value in turn.
        lblResult_[value]->setTextInteractionFlags(Qt::TextSelectableByKeyboard | Qt::TextSelectableByMouse);
        lblResult_[value]->setFocusPolicy(Qt::TabFocus);
    }

    QPushButton* cmdBack = commandButton(tr("&Back"), this);
    cmdBack->setObjectName(QStringLiteral("cmdBack"));
    cmdBack->setFont(verdana(8.25, true));
    // As wide as drawn, or as its caption needs in a longer language.
    const int captionWidth =
        cmdBack->fontMetrics().horizontalAdvance(labelText(cmdBack->text())) + 2 * kFrameCaptionIndent;
    cmdBack->setFixedSize(std::max(67, captionWidth), 27);
    connect(cmdBack, &QPushButton::clicked, this, &ReadingView::backRequested);

    // The tab captions on top, the frames beneath, Back at the lower right.
    auto* buttons = new QHBoxLayout;
    buttons->setContentsMargins(0, 3, 11, 8);
    buttons->addStretch();
    buttons->addWidget(cmdBack);
    auto* view = new QVBoxLayout(this);
    view->setContentsMargins(0, 4, 0, 0);
    view->setSpacing(0);
    view->addWidget(tabResults_);
    view->addSpacing(2);
    view->addWidget(displays_, 1);
    view->addLayout(buttons);
}

void ReadingView::buildTabStrip()
{
    tabResults_ = new QTabBar(this);
    tabResults_->setObjectName(QStringLiteral("tabResults"));
    tabResults_->setStyle(classicStyle());
    tabResults_->setFont(verdana(8.25, true));
    // Light tabs with dark captions, as the platform's tab strip has them.
    QPalette tabs = tabResults_->palette();
    for (const QPalette::ColorRole face : {QPalette::Window, QPalette::Button, QPalette::Base, QPalette::Light})
        tabs.setColor(face, colour::tabFace);
    for (const QPalette::ColorRole caption : {QPalette::WindowText, QPalette::ButtonText, QPalette::Text})
        tabs.setColor(caption, colour::tabCaption);
    tabResults_->setPalette(tabs);
    tabResults_->setDrawBase(false);
    tabResults_->setExpanding(false);
    tabResults_->addTab(tr("My Love Numerology Result"));
    tabResults_->addTab(tr("My Partner's Love Numerology Result"));
    tabResults_->addTab(tr("Love Number"));
    // All three tabs stay in sight: a longer translation widens the window.
    tabResults_->setUsesScrollButtons(false);
    tabResults_->setElideMode(Qt::ElideNone);
    tabResults_->setAccessibleName(tr("Reading"));
    connect(tabResults_, &QTabBar::currentChanged, this, &ReadingView::tabResults_Click);
    // Clicking the tab that is already selected still shows its frame.
    connect(tabResults_, &QTabBar::tabBarClicked, this, [this](int index) {
        if (index == tabResults_->currentIndex())
            tabResults_Click();
    });
}

void ReadingView::buildPersonValues(int person)
{
    // The two persons' frames carry the same rows; each value is heard with
    // the row title tied to it, and its description says whose value it is.
    static const char* const described[reading::kPersons][reading::kRowsPerPerson] = {
        {QT_TR_NOOP("Your name"), QT_TR_NOOP("Your date of birth"), QT_TR_NOOP("Your birth number"),
         QT_TR_NOOP("Your significance"), QT_TR_NOOP("Your interpretation")},
        {QT_TR_NOOP("Partner's name"), QT_TR_NOOP("Partner's date of birth"), QT_TR_NOOP("Partner's birth number"),
         QT_TR_NOOP("Partner's significance"), QT_TR_NOOP("Partner's interpretation")},
    };
    static const char* const titles[reading::kRowsPerPerson] = {QT_TR_NOOP("Name"), QT_TR_NOOP("Date Of Birth"),
                                                                QT_TR_NOOP("Birth Number"), QT_TR_NOOP("Significance"),
                                                                QT_TR_NOOP("Interpretation")};
    QFrame* frame = fraDisplay_[person];
    QGridLayout* grid = valueGrid(frame);
    int line = 0;
    for (int row = 0; row < reading::kRowsPerPerson; ++row) {
        QLabel* title = captionLabel(frame, tr(titles[row]), colour::teal);
        title->setObjectName(valueName(reading::valueIndex(person, reading::Row(row))) + QLatin1String("Title"));
        QLabel*& value = lblResult_[reading::valueIndex(person, reading::Row(row))];
        if (row < reading::Significance) {
            value = valueLabel(frame, QLatin1String(kFirstTexts[row]));
            grid->addWidget(title, line, 0);
            grid->addWidget(value, line++, 1);
        } else {
            // The significance two lines high, the interpretation four.
            value = valueLabel(frame, QString(), row == reading::Significance ? 29 : 53);
            grid->addWidget(title, line++, 0, 1, 2);
            grid->addWidget(value, line++, 0, 1, 2);
        }
        titleFor(title, value);
        value->setAccessibleDescription(tr(described[person][row]));
    }
    grid->setRowStretch(line, 1);
}

void ReadingView::buildLoveValues()
{
    QFrame* love = fraDisplay_[2];
    QGridLayout* grid = valueGrid(love);
    QLabel* title = captionLabel(love, tr("Love Number"), colour::teal);
    title->setObjectName(QStringLiteral("loveNumberTitle"));
    lblResult_[reading::kLoveNumber] = valueLabel(love, QStringLiteral("0"));
    titleFor(title, lblResult_[reading::kLoveNumber]);
    lblResult_[reading::kLoveInterpretation] = valueLabel(love, QString(), 69);
    grid->addWidget(title, 0, 0);
    grid->addWidget(lblResult_[reading::kLoveNumber], 0, 1);
    grid->addWidget(lblResult_[reading::kLoveInterpretation], 1, 0, 1, 2);
    grid->setRowStretch(2, 1);
    lblResult_[reading::kLoveNumber]->setAccessibleDescription(tr("Love number"));
    lblResult_[reading::kLoveInterpretation]->setAccessibleDescription(tr("Love interpretation"));
}

void ReadingView::showReading(const reading::Reading& values)
{
    for (int i = 0; i < reading::kValueCount; ++i)
        if (values[i])
            lblResult_[i]->setText(*values[i]);
    displays_->setCurrentWidget(fraDisplay_[0]);
}

QLabel* ReadingView::firstValue() const { return firstValueOf(0); }

QLabel* ReadingView::firstValueOf(int tab) const
{
    return lblResult_[tab < reading::kPersons ? reading::valueIndex(tab, reading::Name) : reading::kLoveNumber];
}

void ReadingView::tabResults_Click()
{
    const int tab = tabResults_->currentIndex();
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
    tabResults_->setCurrentIndex((tabResults_->currentIndex() + step + tabResults_->count()) % tabResults_->count());
    return true;
}

} // namespace amorix
