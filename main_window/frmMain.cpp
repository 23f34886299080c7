// The main window's layout and loading. Positions are in twips, as laid out
// for the window's fixed size; captions and colours stand beside their control.
#include "frmMain.h"

#include "shell/captions.h"
#include "shell/classic_style.h"
#include "shell/colours.h"
#include "shell/command_button.h"
#include "shell/fonts.h"
#include "shell/forms.h"
#include "shell/link_label.h"
#include "shell/titles.h"
#include "shell/twips.h"

#include <QComboBox>
#include <QFrame>
#include <QGroupBox>
#include <QLabel>
#include <QLayout>
#include <QLineEdit>
#include <QPalette>
#include <QPushButton>
#include <QTabBar>

#include <limits>

namespace amorix {
namespace {

const QStringList kMonths = {
    QStringLiteral("January"),   QStringLiteral("February"), QStringLiteral("March"),    QStringLiteral("April"),
    QStringLiteral("May"),       QStringLiteral("June"),     QStringLiteral("July"),     QStringLiteral("August"),
    QStringLiteral("September"), QStringLiteral("October"),  QStringLiteral("November"), QStringLiteral("December"),
};

constexpr int kFirstYear = 1900;
constexpr int kLastYear = 2050;

QFrame* viewFrame(QWidget* parent, const QRect& place, const QColor& background)
{
    auto* frame = new QFrame(parent);
    frame->setGeometry(place);
    frame->setFrameShape(QFrame::NoFrame);
    setColours(frame, colour::white, background);
    return frame;
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

// A label that sizes itself to its text, placed by its top-left corner.
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
    link->setGeometry(place);
    link->setWordWrap(true);
    link->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
    if (opaque)
        setColours(link, colour::linkBlue, colour::black);
    else
        setTextColour(link, colour::linkBlue);
    return link;
}

// True when the widget sits in a view that another view of the same place
// covers: it is there, but the user cannot see it.
bool coveredByAnotherView(const QWidget* widget, const QWidget* top)
{
    for (const QWidget* w = widget; w && w != top; w = w->parentWidget()) {
        const QWidget* parent = w->parentWidget();
        if (!parent)
            break;
        const QObjectList& siblings = parent->children();
        for (qsizetype i = siblings.indexOf(w) + 1; i < siblings.size(); ++i) {
            const auto* other = qobject_cast<const QWidget*>(siblings[i]);
            if (other && other->isVisible() && other->geometry().contains(w->geometry()))
                return true;
        }
    }
    return false;
}

} // namespace

frmMain::frmMain(QWidget* parent)
    : QMainWindow(parent)
{
    setAttribute(Qt::WA_DeleteOnClose);
    setWindowTitle(kWindowTitle);
    setFont(verdana(8.25));
    // A fixed border: the window is not resized, so it offers no sizing
    // frame (on Windows); elsewhere the window manager's own frame.
    setWindowFlags(Qt::Window | Qt::WindowTitleHint | Qt::WindowSystemMenuHint | Qt::WindowMinimizeButtonHint
                   | Qt::WindowCloseButtonHint | Qt::MSWindowsFixedSizeDialogHint);

    auto* window = new QWidget(this);
    window->setFixedSize(twipsSize(8250, 5520));
    setColours(window, colour::white, colour::black);
    setCentralWidget(window);

    Label61 = bannerLink(window,
                         QStringLiteral("The Most Popular Online Mystic Discussion Board. Best Resource For "
                                        "Everything Mystic. Visit Velmora Now"),
                         twips(862, 0, 6510, 465), false);
    Label61->setAlignment(Qt::AlignCenter);
    connect(Label61, &LinkLabel::clicked, this, &frmMain::Label61_Click);

    buildInputArea(window);
    buildBanner(window);
    buildMenu();
    setTabOrder();
    layout()->setSizeConstraint(QLayout::SetFixedSize);

    forms::add(this);
    Form_Load();
}

frmMain::~frmMain() = default;

void frmMain::buildInputArea(QWidget* window)
{
    fraMain = viewFrame(window, twips(0, 480, 8250, 4200), colour::darkGrey);

    lblLabel[15] = wrappedLabel(fraMain,
                                QStringLiteral("Let QX Amorix tell you more about your relationship. Just enter your "
                                               "partner's and your date of birth and know more about your love "
                                               "prospects!"),
                                twips(240, 120, 7755, 675), colour::white);

    const QString captions[2] = {QStringLiteral("Your Personal Details"),
                                 QStringLiteral("Your Partner's Personal Details")};
    const int tops[2] = {960, 2325};
    for (int person = 0; person < reading::kPersons; ++person) {
        auto* frame = captionedFrame(captions[person], fraMain);
        frame->setGeometry(twips(1875, tops[person], 4500, 1250));
        setColours(frame, colour::brown, colour::teal);
        fraDetails[person] = frame;
        buildPersonDetails(person, frame);
    }

    cmdProceed = commandButton(QStringLiteral("&Get My Amorix Reading"), fraMain);
    cmdProceed->setGeometry(twips(1875, 3690, 4500, 375));
    cmdProceed->setFont(verdana(8.25, true));
    connect(cmdProceed, &QPushButton::clicked, this, &frmMain::cmdProceed_Click);
}

void frmMain::buildPersonDetails(int person, QGroupBox* frame)
{
    const QString whose = person == 0 ? QStringLiteral("Your") : QStringLiteral("Your partner's");
    const int nameLabel = person == 0 ? 1 : 3;
    const int dateLabel = person == 0 ? 0 : 2;

    lblLabel[nameLabel] = captionLabel(frame, QStringLiteral("Name"), twips(120, 403, 555, 195), colour::brown);

    txtName[person] = new QLineEdit(frame);
    txtName[person]->setGeometry(twips(1320, 350, 3050, 300));
    txtName[person]->setMaxLength(std::numeric_limits<int>::max()); // no length limit
    txtName[person]->setAccessibleName(whose + QStringLiteral(" name"));
    lblLabel[nameLabel]->setBuddy(txtName[person]);

    lblLabel[dateLabel] = captionLabel(frame, QStringLiteral("Birth Day"), twips(120, 860, 900, 195), colour::brown);

    const auto list = [&](const QRect& place, const QString& what) {
        auto* combo = new QComboBox(frame);
        combo->setGeometry(place);
        // On Linux a list is announced by its current item; the description
        // says whose date part it is.
        combo->setAccessibleName(whose + u' ' + what);
        combo->setAccessibleDescription(whose + u' ' + what);
        return combo;
    };
    cboMonth[person] = list(twips(1320, 800, 1455, 315), QStringLiteral("birth month"));
    cboDate[person] = list(twips(2805, 800, 650, 315), QStringLiteral("birth day"));
    cboYear[person] = list(twips(3495, 800, 900, 315), QStringLiteral("birth year"));
    lblLabel[dateLabel]->setBuddy(cboMonth[person]);
}

void frmMain::ensureReadingView()
{
    // Built on the first reading: nothing of it shows before, and start-up
    // stays as quick as the input area alone.
    if (fraResult)
        return;
    buildReadingView(centralWidget());
    fraResult->show();
    fraMain->raise();
}

void frmMain::buildReadingView(QWidget* window)
{
    fraResult = viewFrame(window, twips(0, 480, 8250, 4200), colour::darkGrey);

    TS = new QTabBar(fraResult);
    TS->setGeometry(twips(0, 60, 8250, 1215));
    TS->setStyle(classicStyle());
    TS->setFont(verdana(8.25, true));
    // Light tabs with dark captions, as the platform's tab strip has them.
    QPalette tabs = TS->palette();
    for (const QPalette::ColorRole face : {QPalette::Window, QPalette::Button, QPalette::Base, QPalette::Light})
        tabs.setColor(face, colour::tabFace);
    for (const QPalette::ColorRole caption : {QPalette::WindowText, QPalette::ButtonText, QPalette::Text})
        tabs.setColor(caption, colour::tabCaption);
    TS->setPalette(tabs);
    TS->setDrawBase(false);
    TS->setExpanding(false);
    TS->addTab(QStringLiteral("My Love Numerology Result"));
    TS->addTab(QStringLiteral("My Partner's Love Numerology Result"));
    TS->addTab(QStringLiteral("Love Number"));
    // All three tabs stay in sight; the narrow padding of the classic style
    // comes first, a smaller type only for a stand-in face wider still.
    TS->setUsesScrollButtons(false);
    shrinkFontToFit(TS, TS->width(), [this] { return TS->sizeHint().width(); });
    TS->setAccessibleName(QStringLiteral("Reading"));
    connect(TS, &QTabBar::currentChanged, this, &frmMain::TS_Click);
    // Clicking the tab that is already selected still shows its frame.
    connect(TS, &QTabBar::tabBarClicked, this, [this](int index) {
        if (index == TS->currentIndex())
            TS_Click();
    });

    for (int k = 0; k < 3; ++k)
        fraDisplay[k] = viewFrame(fraResult, twips(0, 380, 8250, 3250), colour::darkGrey);

    // The two persons' frames carry the same rows with their own indices.
    for (int person = 0; person < reading::kPersons; ++person) {
        QFrame* frame = fraDisplay[person];
        const int title = 4 + 5 * person;
        const auto value = [person](reading::Row row) { return reading::valueIndex(person, row); };
        lblLabel[title] = autoSizeLabel(frame, QStringLiteral("Name"), 120, 240, colour::teal);
        lblResult[value(reading::Name)] = autoSizeLabel(frame, QStringLiteral("Name"), 2000, 240, colour::cyan);
        lblLabel[title + 1] = autoSizeLabel(frame, QStringLiteral("Date Of Birth"), 120, 540, colour::teal);
        lblResult[value(reading::DateOfBirth)] = autoSizeLabel(frame, QStringLiteral("Date"), 2000, 540, colour::cyan);
        lblLabel[title + 2] = autoSizeLabel(frame, QStringLiteral("Birth Number"), 120, 840, colour::teal);
        lblResult[value(reading::BirthNumber)] = autoSizeLabel(frame, QStringLiteral("0"), 2000, 840, colour::cyan);
        lblLabel[title + 3] = autoSizeLabel(frame, QStringLiteral("Significance"), 120, 1140, colour::teal);
        lblResult[value(reading::Significance)] =
            wrappedLabel(frame, QString(), twips(120, 1440, 8000, 435), colour::cyan);
        lblLabel[title + 4] = autoSizeLabel(frame, QStringLiteral("Interpretation"), 120, 1980, colour::teal);
        lblResult[value(reading::Interpretation)] =
            wrappedLabel(frame, QString(), twips(120, 2280, 8000, 795), colour::cyan);
    }
    lblLabel[14] = autoSizeLabel(fraDisplay[2], QStringLiteral("Love Number"), 120, 240, colour::teal);
    lblResult[reading::kLoveNumber] = autoSizeLabel(fraDisplay[2], QStringLiteral("0"), 2000, 240, colour::cyan);
    lblResult[reading::kLoveInterpretation] =
        wrappedLabel(fraDisplay[2], QString(), twips(120, 600, 8000, 1035), colour::cyan);

    // Each value is read as its text, described by its row title.
    const QString rows[reading::kRowsPerPerson] = {QStringLiteral("name"), QStringLiteral("date of birth"),
                                                   QStringLiteral("birth number"), QStringLiteral("significance"),
                                                   QStringLiteral("interpretation")};
    const QString whose[reading::kPersons] = {QStringLiteral("Your "), QStringLiteral("Partner's ")};
    for (int person = 0; person < reading::kPersons; ++person)
        for (int row = 0; row < reading::kRowsPerPerson; ++row)
            lblResult[reading::valueIndex(person, reading::Row(row))]->setAccessibleDescription(whose[person]
                                                                                                + rows[row]);
    lblResult[reading::kLoveNumber]->setAccessibleDescription(QStringLiteral("Love number"));
    lblResult[reading::kLoveInterpretation]->setAccessibleDescription(QStringLiteral("Love interpretation"));
    for (QLabel* value : lblResult) {
        // Reachable with Tab, so that a screen reader reads each value in turn.
        value->setTextInteractionFlags(Qt::TextSelectableByKeyboard | Qt::TextSelectableByMouse);
        value->setFocusPolicy(Qt::TabFocus);
    }

    cmdBack = commandButton(QStringLiteral("&Back"), fraResult);
    cmdBack->setGeometry(twips(7080, 3680, 1000, 400));
    cmdBack->setFont(verdana(8.25, true));
    connect(cmdBack, &QPushButton::clicked, this, &frmMain::cmdBack_Click);
}

void frmMain::buildBanner(QWidget* window)
{
    fraFullBrand = viewFrame(window, twips(0, 4680, 8250, 855), colour::black);
    lblCobrand = bannerLink(fraFullBrand,
                            QStringLiteral("Co-brand this software for your site.  Increase loyalty and traffic to "
                                           "your site. Put your site's name &&  link here. See \"Help\" for details. "
                                           "Click Here for more info on co-branding."),
                            twips(120, 165, 8025, 615), true);
    lblFullBrand = bannerLink(fraFullBrand,
                              QStringLiteral("Home Business Opportunity. Start your own Internet business and make "
                                             "money online. Get this software fully branded for your website. Click "
                                             "here for more details."),
                              twips(120, 165, 8025, 615), true);
    connect(lblCobrand, &LinkLabel::clicked, this, &frmMain::lblCobrand_Click);
    connect(lblFullBrand, &LinkLabel::clicked, this, &frmMain::lblFullBrand_Click);
}

void frmMain::setTabOrder()
{
    // The entries, then the link labels: the top line and the banner.
    forms::chainTabOrder({txtName[0], cboMonth[0], cboDate[0], cboYear[0], txtName[1], cboMonth[1], cboDate[1],
                          cboYear[1], cmdProceed, Label61, lblCobrand, lblFullBrand});
}

bool frmMain::focusNextPrevChild(bool next)
{
    // Tab moves through what can be seen: the controls of the view in front.
    for (int step = 0; step < 64; ++step) {
        if (!QMainWindow::focusNextPrevChild(next))
            return false;
        const QWidget* focused = focusWidget();
        if (!focused || !coveredByAnotherView(focused, this))
            return true;
    }
    return true;
}

void frmMain::Form_Load()
{
    for (int person = 0; person < reading::kPersons; ++person)
        cboMonth[person]->addItems(kMonths);
    // Each list is filled in one go, which is quicker than item by item.
    QStringList days, years;
    for (int day = 1; day <= 31; ++day)
        days.append(QString::number(day));
    for (int year = kFirstYear; year <= kLastYear; ++year)
        years.append(QString::number(year));
    for (int person = 0; person < reading::kPersons; ++person) {
        cboDate[person]->addItems(days);
        cboYear[person]->addItems(years);
    }
    for (int person = 0; person < reading::kPersons; ++person) {
        txtName[person]->clear();
        cboMonth[person]->setCurrentIndex(0);
        cboDate[person]->setCurrentIndex(0);
        cboYear[person]->setCurrentIndex(0);
    }
    fraMain->raise();
    // The window opens ready for typing the user's name.
    txtName[0]->setFocus();
}

} // namespace amorix
