// What a person meets with keyboard and eyes across the windows: Enter on a
// focused button, where the focus goes between the views, the tab strip's
// look, frame captions, the exit screen's link check box and its catalogue
// text.
#include "about_box/frmAbout.h"
#include "engine/interpretations.h"
#include "exit_screen/frmExitScreen.h"
#include "exit_screen/paragraph_label.h"
#include "look/classic_style.h"
#include "look/colours.h"
#include "look/link_label.h"
#include "look/window_placement.h"
#include "main_window/frmMain.h"
#include "main_window_driver.h"
#include "program/application.h"
#include "program/language.h"
#include "rules/titles.h"
#include "stand_ins.h"
#include "system/modHelp.h"

#include <QAbstractButton>
#include <QAccessible>
#include <QAction>
#include <QCheckBox>
#include <QGroupBox>
#include <QHash>
#include <QImage>
#include <QLabel>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScopeGuard>
#include <QScreen>
#include <QSet>
#include <QSignalSpy>
#include <QStyleOptionTab>
#include <QTabBar>
#include <QTest>
#include <QTranslator>

#include <functional>
#include <memory>

using namespace amorix;
using amorix::test::inFront;

namespace {

// WCAG contrast ratio of two colours.
double contrast(const QColor& a, const QColor& b)
{
    const auto luminance = [](const QColor& c) {
        const auto channel = [](double v) { return v <= 0.03928 ? v / 12.92 : std::pow((v + 0.055) / 1.055, 2.4); };
        return 0.2126 * channel(c.redF()) + 0.7152 * channel(c.greenF()) + 0.0722 * channel(c.blueF());
    };
    const double la = luminance(a), lb = luminance(b);
    return (std::max(la, lb) + 0.05) / (std::min(la, lb) + 0.05);
}

int distance(const QColor& a, const QColor& b)
{
    return std::abs(a.red() - b.red()) + std::abs(a.green() - b.green()) + std::abs(a.blue() - b.blue());
}

// The leftmost column of the caption row in which the caption's own colour
// is drawn.
int captionStart(QGroupBox* frame, const QColor& caption)
{
    const QImage image = frame->grab().toImage();
    const int rows = frame->fontMetrics().height();
    for (int x = 0; x < image.width(); ++x)
        for (int y = 0; y < rows && y < image.height(); ++y)
            if (distance(image.pixelColor(x, y), caption) < 60)
                return x;
    return -1;
}

// A desktop palette: dark text on light faces, or light text on dark faces.
QPalette desktopPalette(bool dark)
{
    const QColor face = dark ? QColor(0x35, 0x35, 0x35) : QColor(0xEF, 0xEF, 0xEF);
    const QColor ink = dark ? QColor(0xF0, 0xF0, 0xF0) : QColor(0x10, 0x10, 0x10);
    const QColor base = dark ? QColor(0x2A, 0x2A, 0x2A) : QColor(0xFF, 0xFF, 0xFF);
    QPalette palette(ink, face, face.lighter(130), face.darker(160), face.darker(120), ink, ink, base, face);
    palette.setColor(QPalette::ToolTipText, ink);
    palette.setColor(QPalette::PlaceholderText, ink);
    return palette;
}

// The colour pairs the layout itself sets below 4.5:1; each keeps its own.
double prescribedContrast(const QColor& ink, const QColor& background)
{
    const std::pair<QColor, QColor> lowPairs[] = {
        {colour::brown, colour::teal}, {colour::teal, colour::darkGrey}, {colour::cyan, colour::teal}};
    for (const auto& [text, face] : lowPairs)
        if (ink == text && distance(background, face) < 12)
            return contrast(text, face);
    return 4.5;
}

// Every text of the window that can be seen and does not show whole: a
// one-line text wider than its place, a wrapped one taller, a caption wider
// than its button's or frame's face.
QStringList cutTexts(QWidget* window)
{
    QStringList cut;
    for (QWidget* widget : window->findChildren<QWidget*>()) {
        const auto* label = qobject_cast<QLabel*>(widget);
        const auto* button = qobject_cast<QAbstractButton*>(widget);
        const auto* frame = qobject_cast<QGroupBox*>(widget);
        const QString text = label ? label->text() : button ? button->text() : frame ? frame->title() : QString();
        const int room = widget->contentsRect().width(),
                  wide = widget->fontMetrics().horizontalAdvance(QString(text).remove(u'&'));
        if (widget->isVisible() && !text.isEmpty()
            && (label && label->wordWrap()             ? label->heightForWidth(room) > widget->contentsRect().height()
                    : qobject_cast<QCheckBox*>(widget) ? widget->sizeHint().width() > room
                                                       : wide + (label ? 0 : 2 * kFrameCaptionIndent) > room))
            cut.append(text);
    }
    return cut;
}

// Every label and check box of the window whose text can be seen, with the
// contrast between its text and what lies behind it that falls short.
QStringList contrastShortfalls(QWidget* window)
{
    const QImage shot = window->grab().toImage();
    QStringList shortfalls;
    for (QWidget* widget : window->findChildren<QWidget*>()) {
        const auto* label = qobject_cast<QLabel*>(widget);
        const auto* check = qobject_cast<QCheckBox*>(widget);
        const QString text = label ? label->text() : check ? check->text() : QString();
        if (text.trimmed().isEmpty() || !widget->isVisible() || widget->visibleRegion().isEmpty())
            continue;
        const QRect place = QRect(widget->mapTo(window, QPoint()), widget->size()).intersected(shot.rect());
        QHash<QRgb, int> counts;
        for (int y = place.top(); y <= place.bottom(); ++y)
            for (int x = place.left(); x <= place.right(); ++x)
                ++counts[shot.pixel(x, y)];
        QRgb background = 0;
        for (auto it = counts.cbegin(); it != counts.cend(); ++it)
            if (it.value() > counts.value(background, -1))
                background = it.key();
        double best = 1.0;
        for (auto it = counts.cbegin(); it != counts.cend(); ++it)
            best = std::max(best, contrast(QColor(it.key()), QColor(background)));
        const double wanted =
            0.9 * prescribedContrast(widget->palette().color(QPalette::WindowText), QColor(background));
        if (best < wanted)
            shortfalls.append(QStringLiteral("%1 \"%2\": %3:1 on %4")
                                  .arg(widget->objectName(), text.left(24))
                                  .arg(best, 0, 'f', 2)
                                  .arg(QColor(background).name()));
    }
    return shortfalls;
}

enum class Window { Main, Reading, About, Exit };

// Picks one control out of an open window.
using PickWidget = std::function<QWidget*(QWidget*)>;
PickWidget named(const char* name)
{
    return [name](QWidget* window) { return test::child(window, name); };
}

} // namespace

Q_DECLARE_METATYPE(Window)
Q_DECLARE_METATYPE(PickWidget)

class TestKeyboardAndLook : public QObject {
    Q_OBJECT
    std::unique_ptr<test::StandIns> desktop;

    QWidget* open(Window which)
    {
        QWidget* window = nullptr;
        if (which == Window::About) {
            window = new frmAbout;
        } else if (which == Window::Exit) {
            window = new frmExitScreen;
        } else {
            auto* main = new frmMain;
            window = main;
            if (which == Window::Reading) {
                test::nameBox(main, 0)->setText("Anna");
                test::nameBox(main, 1)->setText("Ben");
                main->cmdProceed_Click();
            }
        }
        window->show();
        if (!QTest::qWaitForWindowActive(window))
            qWarning("window not active");
        return window;
    }

private slots:
    // The desktop's language, as the program takes it (the suite runs again
    // under German and Spanish).
    void initTestCase() { useLanguage(QLocale::system()); }
    void init()
    {
        beginRun();
        desktop = std::make_unique<test::StandIns>();
    }
    void cleanup()
    {
        test::resetProgram();
        desktop.reset();
    }

    // Every text the program draws stands out from its background under a
    // dark and a light desktop palette, at 4.5:1 or as the layout sets it.
    void textKeepsItsContrast_data()
    {
        QTest::addColumn<Window>("window");
        QTest::addColumn<int>("palette"); // 0 the desktop's own, 1 dark, 2 light
        const std::pair<Window, const char*> windows[] = {{Window::Main, "main window"},
                                                          {Window::Reading, "reading"},
                                                          {Window::About, "about box"},
                                                          {Window::Exit, "exit screen"}};
        const char* palettes[] = {"desktop palette", "dark palette", "light palette"};
        for (const auto& [window, name] : windows)
            for (int palette = 0; palette < 3; ++palette)
                QTest::addRow("%s, %s", name, palettes[palette]) << window << palette;
    }
    void textKeepsItsContrast()
    {
        QFETCH(Window, window);
        QFETCH(int, palette);
        const QPalette desktop = QApplication::palette();
        if (palette > 0)
            QApplication::setPalette(desktopPalette(palette == 1));
        const QStringList shortfalls = contrastShortfalls(open(window));
        QApplication::setPalette(desktop);
        QVERIFY2(shortfalls.isEmpty(), qPrintable(shortfalls.join(QStringLiteral("; "))));
    }

    // Enter and Space press the focused button in every window.
    void keysPressTheFocusedButton_data()
    {
        QTest::addColumn<Window>("window");
        QTest::addColumn<PickWidget>("button");
        QTest::addColumn<int>("key");
        QTest::addColumn<int>("modifiers");
        const struct {
            Window window;
            const char* name;
            PickWidget button;
        } buttons[] = {{Window::Main, "cmdProceed", named("cmdProceed")},
                       {Window::Reading, "cmdBack", named("cmdBack")},
                       {Window::About, "cmdOK", named("cmdOK")},
                       {Window::Exit, "cmdClose", named("cmdClose")},
                       {Window::Exit, "cmdSubmit", named("cmdSubmit")}};
        for (const auto& b : buttons) {
            QTest::addRow("%s Return", b.name) << b.window << b.button << int(Qt::Key_Return) << int(Qt::NoModifier);
            QTest::addRow("%s keypad Enter", b.name)
                << b.window << b.button << int(Qt::Key_Enter) << int(Qt::KeypadModifier);
            QTest::addRow("%s Space", b.name) << b.window << b.button << int(Qt::Key_Space) << int(Qt::NoModifier);
        }
    }
    void keysPressTheFocusedButton()
    {
        QFETCH(Window, window);
        QFETCH(PickWidget, button);
        QFETCH(int, key);
        QFETCH(int, modifiers);
        auto* target = static_cast<QPushButton*>(button(open(window)));
        QSignalSpy pressed(target, &QPushButton::clicked);
        target->setFocus();
        QTest::keyClick(target, Qt::Key(key), Qt::KeyboardModifiers(modifiers));
        QCOMPARE(pressed.count(), 1);
    }

    // Every link label is reached with Tab after the window's other
    // controls, marks that it has the focus, and opens its page on Enter
    // and on Space.
    void linkLabelsByKeyboard_data()
    {
        QTest::addColumn<Window>("window");
        QTest::addColumn<PickWidget>("link");
        QTest::addColumn<PickWidget>("before"); // the control Tab leaves for it
        QTest::addColumn<QString>("address");
        const PickWidget proceed = named("cmdProceed");
        QTest::newRow("top label") << Window::Main << named("lblHomeLink") << proceed << modHelp::homePageAddress();
        QTest::newRow("co-brand banner") << Window::Main << named("lblCobrand") << proceed
                                         << modHelp::coBrandPageAddress();
        QTest::newRow("fully branded banner")
            << Window::Main << named("lblFullBrand") << proceed << modHelp::fullyBrandedPageAddress();
        QTest::newRow("top label over the reading")
            << Window::Reading << named("lblHomeLink") << named("cmdBack") << modHelp::homePageAddress();
        const PickWidget ok = named("cmdOK");
        QTest::newRow("about box, home page")
            << Window::About << named("lblHomePage") << ok << modHelp::homePageAddress();
        QTest::newRow("about box, details")
            << Window::About << named("lblCoBrand") << ok << modHelp::fullyBrandedPageAddress();
        QTest::newRow("exit screen, catalogue")
            << Window::Exit << named("lblGoToHome") << named("txtFriendName") << modHelp::softwaresPageAddress();
    }
    void linkLabelsByKeyboard()
    {
        QFETCH(Window, window);
        QFETCH(PickWidget, link);
        QFETCH(PickWidget, before);
        QFETCH(QString, address);
        QWidget* shown = open(window);
        auto* target = static_cast<LinkLabel*>(link(shown));
        test::bringToFront(target); // a banner label in front
        QWidget* start = before(shown);
        start->setFocus();
        for (int i = 0; i < 4 && QApplication::focusWidget() != target; ++i)
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        QCOMPARE(QApplication::focusWidget(), target);

        // The focus mark: a frame round the link in its own text colour.
        const QImage marked = target->grab().toImage();
        const QColor ink = target->palette().color(QPalette::WindowText);
        int onEdge = 0;
        for (int x = 0; x < marked.width(); ++x)
            onEdge += marked.pixelColor(x, marked.height() - 1) == ink;
        QVERIFY2(onEdge >= marked.width() / 3, qPrintable(QString::number(onEdge)));

        QTest::keyClick(target, Qt::Key_Return);
        QTest::keyClick(target, Qt::Key_Space);
        QCOMPARE(desktop->opened, QStringList({address, address}));
    }

    // The reading's tabs switch with the keys of any tabbed window, round
    // the ends, wherever the focus is in the window.
    void tabsSwitchWithControlKeys_data()
    {
        QTest::addColumn<int>("key");
        QTest::addColumn<int>("modifiers");
        QTest::addColumn<int>("step");
        QTest::newRow("Ctrl+Tab") << int(Qt::Key_Tab) << int(Qt::ControlModifier) << 1;
        QTest::newRow("Ctrl+PgDn") << int(Qt::Key_PageDown) << int(Qt::ControlModifier) << 1;
        QTest::newRow("Ctrl+Shift+Tab") << int(Qt::Key_Backtab) << int(Qt::ControlModifier | Qt::ShiftModifier) << -1;
        QTest::newRow("Ctrl+PgUp") << int(Qt::Key_PageUp) << int(Qt::ControlModifier) << -1;
    }
    void tabsSwitchWithControlKeys()
    {
        QFETCH(int, key);
        QFETCH(int, modifiers);
        QFETCH(int, step);
        auto* main = static_cast<frmMain*>(open(Window::Reading));
        auto* tabs = test::child<QTabBar>(main, "tabResults");
        for (QWidget* focus :
             {test::child(main, "tabResults"), test::child(main, "cmdBack"), test::child(main, "lblHomeLink")}) {
            const int expected = (tabs->currentIndex() + step + 3) % 3;
            focus->setFocus();
            QTest::keyClick(focus, Qt::Key(key), Qt::KeyboardModifiers(modifiers));
            QCOMPARE(tabs->currentIndex(), expected);
            QVERIFY(inFront(test::display(main, expected)));
        }
        // From a value the focus goes on into the new tab's frame, not to Back.
        tabs->setCurrentIndex(0);
        QLabel* first = test::readingView(main)->firstValue();
        first->setFocus();
        QTest::keyClick(first, Qt::Key(key), Qt::KeyboardModifiers(modifiers));
        QVERIFY(
            test::child<QStackedWidget>(main, "displays")->currentWidget()->isAncestorOf(QApplication::focusWidget()));
        // On the entries the keys switch nothing.
        main->cmdBack_Click();
        QTest::keyClick(test::nameBox(main, 0), Qt::Key(key), Qt::KeyboardModifiers(modifiers));
        QVERIFY(inFront(test::child<QFrame>(main, "fraMain")));
    }

    // Windows opened centred stand centred by their whole frame, title bar
    // included.
    void centredByTheFrame_data()
    {
        QTest::addColumn<QMargins>("frame");
        QTest::newRow("no frame") << QMargins();
        QTest::newRow("title bar and borders") << QMargins(1, 29, 1, 1);
        QTest::newRow("wide borders") << QMargins(8, 31, 8, 8);
    }
    void centredByTheFrame()
    {
        QFETCH(QMargins, frame);
        const QRect screen(0, 27, 1280, 997);
        const QSize client(471, 203);
        const QPoint corner = centredFramePosition(screen, client, frame);
        const QRect outer(corner, client.grownBy(frame));
        QVERIFY2(std::abs(outer.center().x() - screen.center().x()) <= 1
                     && std::abs(outer.center().y() - screen.center().y()) <= 1,
                 qPrintable(QStringLiteral("%1,%2").arg(outer.center().x()).arg(outer.center().y())));
        // As opened (offscreen windows have no frame).
        for (const Window window : {Window::About, Window::Exit}) {
            const QWidget* shown = open(window);
            const QPoint centre = QGuiApplication::primaryScreen()->availableGeometry().center();
            QVERIFY(std::abs(shown->frameGeometry().center().x() - centre.x()) <= 1);
            QVERIFY(std::abs(shown->frameGeometry().center().y() - centre.y()) <= 1);
        }
    }

    // A button's access key moves the focus to it before it acts, so a
    // check that refuses leaves the focus on the button.
    void accessKeyFocusesItsButton_data()
    {
        QTest::addColumn<Window>("window");
        QTest::addColumn<int>("key");
        QTest::addColumn<QString>("message");
        QTest::newRow("Alt+G on a refused date")
            << Window::Main << int(Qt::Key_G) << "Please Enter Correct Date Or Month!";
        QTest::newRow("Alt+N on a refused address")
            << Window::Exit << int(Qt::Key_N) << "Please Enter Proper Email Address";
    }
    void accessKeyFocusesItsButton()
    {
        QFETCH(Window, window);
        QFETCH(int, key);
        QFETCH(QString, message);
        QWidget* shown = open(window);
        QPushButton* target = nullptr;
        if (auto* main = qobject_cast<frmMain*>(shown)) {
            test::nameBox(main, 0)->setText("Anna");
            test::nameBox(main, 1)->setText("Ben");
            test::dateList(main, 0, "cboMonth")->setCurrentIndex(1); // February
            test::dateList(main, 0, "cboDate")->setCurrentIndex(30); // 31
            test::nameBox(main, 1)->setFocus();
            target = test::child<QPushButton>(main, "cmdProceed");
        } else {
            auto* exit = static_cast<frmExitScreen*>(shown);
            test::child<QLineEdit>(exit, "txtEmail")->setFocus();
            target = test::child<QPushButton>(exit, "cmdSubmit");
        }
        QTest::keyClick(QApplication::focusWidget(), Qt::Key(key), Qt::AltModifier);
        QTRY_COMPARE(desktop->messageTexts(), QStringList{message});
        QCOMPARE(QApplication::focusWidget(), target);
    }

    // Every command button of a window has an access key of its own, in
    // every language: none shared with another button or a menu.
    void accessKeysAreOwn_data()
    {
        QTest::addColumn<Window>("window");
        QTest::newRow("reading") << Window::Reading;
        QTest::newRow("exit screen") << Window::Exit;
    }
    void accessKeysAreOwn()
    {
        QFETCH(Window, window);
        QWidget* shown = open(window);
        QStringList texts;
        for (const QPushButton* button : shown->findChildren<QPushButton*>())
            texts.append(button->text());
        if (QMenuBar* bar = shown->findChild<QMenuBar*>())
            for (const QAction* menu : bar->actions())
                texts.append(menu->text());
        QSet<QKeySequence> keys;
        for (const QString& text : texts) {
            const QKeySequence key = QKeySequence::mnemonic(text);
            QVERIFY2(!key.isEmpty(), qPrintable(text + " has no access key"));
            QVERIFY2(!keys.contains(key), qPrintable(text + " shares its access key"));
            keys.insert(key);
        }
    }

    // Enter typed in a text box presses no button.
    void enterInATextBoxPressesNothing_data()
    {
        QTest::addColumn<Window>("window");
        QTest::newRow("main window") << Window::Main;
        QTest::newRow("exit screen") << Window::Exit;
    }
    void enterInATextBoxPressesNothing()
    {
        QFETCH(Window, window);
        QWidget* shown = open(window);
        QLineEdit* box = window == Window::Main ? test::nameBox(shown, 0) : test::child<QLineEdit>(shown, "txtName");
        box->setFocus();
        QTest::keyClick(box, Qt::Key_Return);
        QTest::keyClick(box, Qt::Key_Enter, Qt::KeypadModifier);
        QVERIFY(desktop->events.isEmpty()); // no check ran, no exit, nothing opened
    }

    void focusFollowsTheViewInFront()
    {
        auto* main = static_cast<frmMain*>(open(Window::Main));
        test::nameBox(main, 0)->setText("Anna");
        test::type(test::nameBox(main, 1), "Ben");
        test::child<QAction>(main, "mnuProceed")->trigger(); // File, first item: the focus stays in the name box
        QTRY_VERIFY(inFront(test::readingView(main)));
        QCOMPARE(QApplication::focusWidget(), test::readingView(main)->firstValue());

        // Back with the mouse: the focus returns to where it was.
        QTest::mouseClick(test::child<QPushButton>(main, "cmdBack"), Qt::LeftButton);
        QVERIFY(inFront(test::child<QFrame>(main, "fraMain")));
        QCOMPARE(QApplication::focusWidget(), test::nameBox(main, 1));

        // Pressed with the mouse or its access key, the proceed button had
        // the focus itself.
        QTest::keyClick(main, Qt::Key_G, Qt::AltModifier);
        QTRY_COMPARE(QApplication::focusWidget(), test::readingView(main)->firstValue());
        main->cmdBack_Click();
        QCOMPARE(QApplication::focusWidget(), test::child<QPushButton>(main, "cmdProceed"));
        QTest::mouseClick(test::child<QPushButton>(main, "cmdProceed"), Qt::LeftButton);
        QCOMPARE(QApplication::focusWidget(), test::readingView(main)->firstValue());
        QTest::keyClick(main, Qt::Key_B, Qt::AltModifier);
        QTRY_VERIFY(inFront(test::child<QFrame>(main, "fraMain")));
        QCOMPARE(QApplication::focusWidget(), test::child<QPushButton>(main, "cmdProceed"));
    }

    void backWithoutEarlierFocusGoesToTheUsersName()
    {
        auto* main = static_cast<frmMain*>(open(Window::Main));
        test::nameBox(main, 0)->setText("Anna");
        test::nameBox(main, 1)->setText("Ben");
        main->setFocus(); // nothing of the input area has the focus
        test::child<QAction>(main, "mnuProceed")->trigger();
        QVERIFY(inFront(test::readingView(main)));
        main->cmdBack_Click();
        QCOMPARE(QApplication::focusWidget(), test::nameBox(main, 0));
    }

    void tabStripIsReadable()
    {
        auto* main = static_cast<frmMain*>(open(Window::Reading));
        QTabBar* tabs = test::child<QTabBar>(main, "tabResults");
        QCOMPARE(tabs->font().pixelSize(), 11); // 8.25 pt at 96 dpi
        QVERIFY(tabs->font().bold());

        const QImage image = tabs->grab().toImage();
        int right = 0;
        for (int i = 0; i < tabs->count(); ++i) {
            const QRect tab = tabs->tabRect(i);
            // The whole tab row lies above the display frames.
            QVERIFY2(tabs->y() + tab.bottom() < test::child<QStackedWidget>(main, "displays")->y(),
                     qPrintable(QString::number(i)));
            right = std::max(right, tab.right());
            // Face: the colour left of the caption; caption: the darkest pixel.
            const QColor face = image.pixelColor(tab.left() + 3, tab.center().y());
            QColor darkest = face;
            for (int x = tab.left(); x <= tab.right(); ++x)
                for (int y = tab.top(); y <= tab.bottom(); ++y)
                    if (image.pixelColor(x, y).lightness() < darkest.lightness())
                        darkest = image.pixelColor(x, y);
            QVERIFY2(face.lightness() > 200, qPrintable(face.name()));
            QVERIFY2(contrast(face, darkest) >= 4.5, qPrintable(face.name() + " " + darkest.name()));
        }
        QVERIFY(right < tabs->width()); // all three in sight

        // Each caption fits the room the style that draws it leaves for text.
        for (int i = 0; i < tabs->count(); ++i) {
            QStyleOptionTab option;
            option.initFrom(tabs);
            option.rect = tabs->tabRect(i);
            option.text = tabs->tabText(i);
            option.shape = tabs->shape();
            const QRect room = tabs->style()->subElementRect(QStyle::SE_TabBarTabText, &option, tabs);
            const int caption = tabs->fontMetrics().horizontalAdvance(tabs->tabText(i));
            QVERIFY2(
                caption <= room.width(),
                qPrintable(QStringLiteral("%1: %2 px in %3").arg(tabs->tabText(i)).arg(caption).arg(room.width())));
        }
    }

    // Every text of every window shows whole, in whatever language the
    // program speaks, and so does every text drawn from a table: the
    // readings and the exit screen's support texts.
    void everyTextShowsWhole()
    {
        for (const Window window : {Window::Main, Window::Reading, Window::About, Window::Exit})
            QVERIFY2(cutTexts(open(window)).isEmpty(), qPrintable(cutTexts(open(window)).join(QStringLiteral("; "))));
        QWidget* reading = open(Window::Reading);
        auto* exit = static_cast<frmExitScreen*>(open(Window::Exit));
        const QSize readingSize = reading->size(), exitSize = exit->size();
        // A longer text takes the room its window has: shown whole, without
        // the window growing.
        const auto cut = [](QLabel* box, const QString& text) {
            test::bringToFront(box->parentWidget());
            box->setText(text);
            QCoreApplication::sendPostedEvents(nullptr, QEvent::LayoutRequest);
            return box->heightForWidth(box->width()) > box->height() ? text : QString();
        };
        const auto translated = reading::readingText;
        for (int n = 1; n <= 9; ++n) {
            QCOMPARE(cut(test::value(reading, 4), translated(personalInterpretation(n)))
                         + cut(test::value(reading, 11), translated(loveInterpretation(n)))
                         + cut(test::child<QLabel>(exit, "lblSupport"),
                               supportText(static_cast<std::size_t>(n % kSupportTextCount))),
                     QString());
            QCOMPARE(reading->size(), readingSize);
            QCOMPARE(exit->size(), exitSize);
        }
    }

    // Under a pseudo-translation (every text in [ ] and a third longer) no
    // text of any window, menu or message shows outside the brackets; the
    // longer texts that would be cut are named.
    void pseudoTranslationWalk()
    {
#ifndef AMORIX_PSEUDO_QM
        QSKIP("the pseudo-translation is made by the Linux build");
#else
        QTranslator pseudo;
        QVERIFY(pseudo.load(QStringLiteral(AMORIX_PSEUDO_QM)));
        QCoreApplication::installTranslator(&pseudo);
        const auto unload = qScopeGuard([&] { QCoreApplication::removeTranslator(&pseudo); });
        QStringList outside;
        for (const Window window : {Window::Main, Window::Reading, Window::About, Window::Exit}) {
            QWidget* shown = open(window);
            QStringList texts;
            for (QWidget* widget : shown->findChildren<QWidget*>(QString(), Qt::FindChildrenRecursively))
                if (widget->isVisible() && widget->accessibleDescription().isEmpty()) // not a reading's value
                    for (const char* property : {"text", "title", "currentText"})
                        texts.append(widget->property(property).toString());
            for (const QTabBar* tabs : shown->findChildren<QTabBar*>())
                for (int i = 0; i < tabs->count(); ++i)
                    texts.append(tabs->tabText(i));
            for (const QAction* action : shown->findChildren<QAction*>())
                texts.append(action->text());
            if (window == Window::Main)
                static_cast<frmMain*>(shown)->cmdProceed_Click();
            for (const QString& text : std::as_const(texts))
                if (const QString seen = text.trimmed(); !seen.isEmpty() && seen != kWindowTitle
                    && !seen.front().isDigit() && !(seen.startsWith(u'[') && seen.endsWith(u']')))
                    outside.append(seen);
            if (const QStringList cut = cutTexts(shown); !cut.isEmpty())
                qInfo("cut when a third longer: %s", qPrintable(cut.join(QStringLiteral(" | "))));
        }
        for (const Message& message : std::as_const(desktop->messages))
            if (!message.text.startsWith(u'['))
                outside.append(message.text);
        QVERIFY2(outside.isEmpty(), qPrintable(outside.join(QStringLiteral(" | "))));
#endif
    }

    void frameCaptionsStandIn_data()
    {
        QTest::addColumn<Window>("window");
        QTest::addColumn<PickWidget>("frame");
        QTest::addColumn<QColor>("caption");
        QTest::newRow("Your Personal Details") << Window::Main << named("yourDetails") << colour::brown;
        QTest::newRow("Your Partner's Personal Details") << Window::Main << named("partnerDetails") << colour::brown;
        QTest::newRow("Refer A Friend") << Window::Exit << named("fraReferAFriend") << colour::white;
        QTest::newRow("Download Velmora Softwares") << Window::Exit << named("fraCatalogue") << colour::white;
    }
    void frameCaptionsStandIn()
    {
        QFETCH(Window, window);
        QFETCH(PickWidget, frame);
        QFETCH(QColor, caption);
        const int start = captionStart(static_cast<QGroupBox*>(frame(open(window))), caption);
        QVERIFY2(start >= 4 && start <= 12, qPrintable(QString::number(start)));
    }

    // The link check box answers a click anywhere in its rectangle.
    void linkCheckBoxIsItsWholeRectangle_data()
    {
        QTest::addColumn<QPoint>("where");
        QTest::newRow("on the box") << QPoint(8, 18);
        QTest::newRow("far right") << QPoint(470, 18);
        QTest::newRow("bottom edge") << QPoint(240, 34);
        QTest::newRow("top left corner") << QPoint(1, 1);
    }
    void linkCheckBoxIsItsWholeRectangle()
    {
        QFETCH(QPoint, where);
        auto* link = test::child<QCheckBox>(open(Window::Exit), "chkVisitHome");
        // Screen readers are told the same rectangle.
        QCOMPARE(QAccessible::queryAccessibleInterface(link)->rect(), QRect(link->mapToGlobal(QPoint()), link->size()));
        QTest::mouseClick(link, Qt::LeftButton, {}, where);
        QCOMPARE(desktop->opened.size(), 1);
        QVERIFY(!link->isChecked());
    }

    void catalogueTextShowsAParagraphGap()
    {
        auto* exit = static_cast<frmExitScreen*>(open(Window::Exit));
        QCOMPARE(test::child<QLabel>(exit, "lblCatalogue")->text(), catalogueText()); // the text itself is unchanged

        // The longest run of empty pixel rows between the first and the last
        // line of text is a line high, not the leading between two lines.
        const QImage image = test::child<QLabel>(exit, "lblCatalogue")->grab().toImage();
        QList<bool> inked;
        for (int y = 0; y < image.height(); ++y) {
            bool any = false;
            for (int x = 0; x < image.width() && !any; ++x)
                any = image.pixelColor(x, y).red() > 128;
            inked.append(any);
        }
        const qsizetype first = inked.indexOf(true), last = inked.lastIndexOf(true);
        QVERIFY(first >= 0);
        int longest = 0, run = 0;
        for (qsizetype y = first; y <= last; ++y) {
            run = inked[y] ? 0 : run + 1;
            longest = std::max(longest, run);
        }
        QVERIFY2(longest >= test::child<QLabel>(exit, "lblCatalogue")->fontMetrics().height(),
                 qPrintable(QString::number(longest)));
    }

    void paragraphGapsReplaceLongRunsOfSpaces_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("shown");
        QTest::newRow("61 spaces") << "one." + QString(61, u' ') + "Two."
                                   << "one.\n\nTwo.";
        QTest::newRow("two spaces stay") << "one.  Two."
                                         << "one.  Two.";
        QTest::newRow("trailing run") << "one." + QString(20, u' ') << "one.\n\n";
        QTest::newRow("two runs") << "a" + QString(9, u' ') + "b" + QString(9, u' ') + "c"
                                  << "a\n\nb\n\nc";
    }
    void paragraphGapsReplaceLongRunsOfSpaces()
    {
        QFETCH(QString, text);
        QFETCH(QString, shown);
        QCOMPARE(withParagraphGaps(text), shown);
    }
};

QTEST_MAIN(TestKeyboardAndLook)
#include "test_keyboard_and_look.moc"
