// What a screen reader on Windows (NVDA, JAWS, Narrator) is told: the tree
// Qt's UI Automation provider gives for each window, walked as a reader
// walks it, and the events Qt raises while the windows are used from the
// keyboard. Runs under Wine with a stand-in for UI Automation's core
// (uia_stand_in.cpp), which Qt loads from the system folder.
#include "main_window/frmMain.h"
#include "main_window/reading_view.h"
#include "memory_store.h"
#include "program/application.h"
#include "program/composition.h"
#include "program/update_reminder.h"
#include "rules/settings_codec.h"
#include "stand_ins.h"
#include "system_widgets/message_boxes.h"

#include <QApplication>
#include <QLabel>
#include <QMessageBox>
#include <QRegularExpression>
#include <QTest>
#include <QTimer>

#include <windows.h>

#include <functional>

namespace amorix::test {
namespace {

// The stand-in core's own calls (uia_stand_in.cpp), one line an element or
// an event.
QStringList standIn(const char* call)
{
    const FARPROC found = GetProcAddress(GetModuleHandleW(L"uiautomationcore.dll"), call);
    const auto lines = reinterpret_cast<const wchar_t* (*)()>(reinterpret_cast<void (*)()>(found));
    return lines ? QString::fromWCharArray(lines()).split(u'\n', Qt::SkipEmptyParts) : QStringList();
}
QStringList takeEvents() { return standIn("AmorixTakeEvents"); }

// The tree a reader walks from a window: Type "Name" = "value" [focused].
QStringList treeOf(QWidget* window)
{
    constexpr LPARAM kRootObjectId = -25; // UI Automation's, as Qt answers it
    SendMessageW(reinterpret_cast<HWND>(window->winId()), WM_GETOBJECT, 0, kRootObjectId);
    return standIn("AmorixTree");
}

void press(int key, Qt::KeyboardModifiers modifiers = {})
{
    QWidget* target = QApplication::focusWidget() ? QApplication::focusWidget() : QApplication::activeWindow();
    QTest::keyClick(target, Qt::Key(key), modifiers);
}
void type(const QString& text) { QTest::keyClicks(QApplication::focusWidget(), text); }

QWidget* shownWindow(const char* className)
{
    for (QWidget* window : QApplication::topLevelWidgets())
        if (window->isVisible() && window->inherits(className))
            return window;
    return nullptr;
}

// What one step shows a reader: the tree of the window in front, and the
// events raised while the step was taken.
struct Heard {
    QStringList tree;
    QStringList events;
    // Lines the tree holds that only the step itself knows.
    QStringList treeAlsoHolds;
};

// One step of the route: what the user does, then what a reader must be
// told: lines the window's tree holds and lacks, events raised, and every
// point of focus in order (none checked where empty).
struct Step {
    QString name;
    std::function<Heard()> take;
    QStringList treeHolds;
    QStringList treeLacks;
    QStringList eventsHold;
    QStringList focusMoves;
};

} // namespace

class WindowsReader : public QObject {
    Q_OBJECT

private slots:
    void initTestCase();
    void route_data();
    void route();

private:
    // Takes the events of a step and the tree of its window.
    Heard heardIn(QWidget* window) const { return {treeOf(window), takeEvents(), {}}; }
    // A modal window opened by the action: heard while it is open, then closed.
    Heard whileOpen(const std::function<void()>& open)
    {
        Heard heard;
        QTimer::singleShot(200, this, [&] {
            QWidget* dialog = QApplication::activeModalWidget();
            QVERIFY(dialog);
            QTest::qWait(100);
            heard = heardIn(dialog);
            dialog->close();
        });
        open();
        return heard;
    }
    // The message boxes shown as they really are, heard, then answered No.
    void showRealMessages()
    {
        standIns_.onMessage = [this](const Message& message) {
            const std::unique_ptr<QMessageBox> box = buildMessageBox(message);
            box->show();
            box->activateWindow();
            QTest::qWait(200);
            messageHeard_ = heardIn(box.get());
        };
        standIns_.answers.assign(8, MessageAnswer::No);
    }

    StandIns standIns_;
    MemoryStore store_;
    FixedInstance instance_{false};
    Heard messageHeard_;
    frmMain* main_ = nullptr;
    QList<Step> steps_;
};

void WindowsReader::initTestCase()
{
    // A reader asks for the first window before anything else is built;
    // Qt then loads the core from the system folder.
    QWidget probe;
    probe.show();
    QVERIFY2(!treeOf(&probe).isEmpty(), "Qt handed the stand-in core no provider: is the stand-in the core loaded?");
    showRealMessages();
    // The last reminder long ago, so that start-up asks about an update.
    store_.values[kReminderSetting] = storedDateText(standIns_.date.addDays(-30));

    const QString anna = "Text \"Name Anna\"";
    steps_ = {
        {"the update question at start",
         [this] {
             StartApplication(instance_, store_, openMainWindow);
             main_ = qobject_cast<frmMain*>(shownWindow("amorix::frmMain"));
             takeEvents();
             return messageHeard_;
         },
         {"Text \"There maybe an update to this software available", "Button \"Yes\"", "Button \"No\""},
         {},
         {"focus Button \"Yes\""},
         {}},
        {"the entries",
         [this] {
             main_->activateWindow();
             QTest::qWait(100);
             takeEvents();
             type("Anna");
             press(Qt::Key_Tab);
             return heardIn(main_);
         },
         {"Edit \"Your name\" = \"Anna\"", "ComboBox \"Your birth month\" = \"January\" [focused]",
          "ComboBox \"Your birth day\" = \"1\"", "ComboBox \"Your birth year\" = \"1900\"",
          "Edit \"Your partner's name\"", "ComboBox \"Your partner's birth month\" = \"January\""},
         {"Your Message"},
         {},
         {"focus ComboBox \"Your birth month\""}},
        {"a list's arrow key",
         [this] {
             press(Qt::Key_Down);
             return heardIn(main_);
         },
         {"ComboBox \"Your birth month\" = \"February\" [focused]"},
         {},
         {"notification ComboBox \"Your birth month\" \"February\""},
         {}},
        {"every list's arrow keys",
         [this] {
             press(Qt::Key_Down);
             press(Qt::Key_Tab), type("7"), press(Qt::Key_Tab), type("1985"), press(Qt::Key_Down);
             press(Qt::Key_Up), press(Qt::Key_Tab), type("Ben"), press(Qt::Key_Tab), press(Qt::Key_End);
             press(Qt::Key_Tab), press(Qt::Key_Down), press(Qt::Key_Up), press(Qt::Key_Tab), type("1979");
             press(Qt::Key_Down), press(Qt::Key_Up), press(Qt::Key_Tab);
             return heardIn(main_);
         },
         {"ComboBox \"Your birth month\" = \"March\"", "ComboBox \"Your birth day\" = \"7\"",
          "ComboBox \"Your birth year\" = \"1985\"", "ComboBox \"Your partner's birth month\" = \"December\"",
          "ComboBox \"Your partner's birth year\" = \"1979\"", "Button \"Get My Amorix Reading\" [focused]"},
         {},
         {"notification ComboBox \"Your birth month\" \"March\"", "notification ComboBox \"Your birth year\" \"1986\"",
          "notification ComboBox \"Your birth year\" \"1985\"",
          "notification ComboBox \"Your partner's birth day\" \"2\"",
          "notification ComboBox \"Your partner's birth year\" \"1980\""},
         {}},
        {"a reading opens on its first value",
         [this] {
             press(Qt::Key_Return);
             QTest::qWait(100);
             return heardIn(main_);
         },
         {anna + " [focused]", "Text \"Date Of Birth March 7, 1985\"", "Text \"Birth Number 6\"",
          "Text \"Significance ", "Text \"Interpretation ", "TabItem \"My Love Numerology Result\"", "Button \"Back\""},
         {"Edit \"Your name\"", "Text \"Name Ben\""},
         {},
         {"focus " + anna}},
        {"the partner's tab on its first value",
         [this] {
             press(Qt::Key_Tab, Qt::ControlModifier);
             return heardIn(main_);
         },
         {"Text \"Name Ben\" [focused]", "Text \"Date Of Birth December 1, 1979\""},
         {anna},
         {},
         {"focus Text \"Name Ben\""}},
        {"the love number's tab on its first value",
         [this] {
             press(Qt::Key_Tab, Qt::ControlModifier);
             Heard heard = heardIn(main_);
             // The love text as it is seen.
             heard.treeAlsoHolds.append("Text \"" + test::child<QLabel>(main_, "loveInterpretation")->text() + u'"');
             return heard;
         },
         {"Text \"Love Number 9\" [focused]"},
         {"Text \"Name Ben\""},
         {},
         {"focus Text \"Love Number 9\""}},
        {"back where the reading was asked for",
         [this] {
             press(Qt::Key_B, Qt::AltModifier);
             QTest::qWait(300); // an access key clicks after a short press
             return heardIn(main_);
         },
         {"Button \"Get My Amorix Reading\" [focused]", "Edit \"Your name\" = \"Anna\""},
         {"Text \"Love Number 9\""},
         {},
         {}},
        {"a validation message",
         [this] {
             press(Qt::Key_Backtab), press(Qt::Key_Backtab), press(Qt::Key_Backtab), press(Qt::Key_Backtab);
             press(Qt::Key_Backtab), press(Qt::Key_Backtab), press(Qt::Key_Backtab), press(Qt::Key_Backtab);
             press(Qt::Key_A, Qt::ControlModifier), press(Qt::Key_Delete);
             takeEvents();
             press(Qt::Key_G, Qt::AltModifier);
             QTest::qWait(300);
             return messageHeard_;
         },
         {"Text \"Please Enter Your Name\"", "Button \"OK\""},
         {},
         {"focus Button \"OK\""},
         {}},
        {"the about box",
         [this] {
             takeEvents();
             return whileOpen([this] { main_->mnuAbout_Click(); });
         },
         {"Button \"OK\" [focused]", "Hyperlink \""},
         {"Get My Amorix Reading"},
         {"focus Button \"OK\""},
         {}},
        {"the exit screen",
         [this] {
             main_->close();
             QTest::qWait(200);
             QWidget* exit = shownWindow("amorix::frmExitScreen");
             return exit ? heardIn(exit) : Heard{};
         },
         {"Edit \"Your Name\" = \"Your Name\"", "Edit \"Your Email Address\" = \"Your Email Address\"",
          "Edit \"Friend's Email Address\" = \"Friend's Email Address\"", "Edit \"Friend's Name\" = \"Friend's Name\"",
          "Button \"Exit\" [focused]", "Group \"Refer A Friend\""},
         {"Your Message", "Edit \"Refer A Friend\""},
         {"focus Button \"Exit\""},
         {}},
        {"the form, box by box",
         [this] {
             for (int i = 0; i < 6; ++i)
                 press(Qt::Key_Tab);
             return heardIn(shownWindow("amorix::frmExitScreen"));
         },
         {},
         {},
         {},
         {"focus CheckBox \"Click Here To Visit Velmora Now\"", "focus Edit \"Your Name\"",
          "focus Button \"Refer A Friend Now\"", "focus Edit \"Your Email Address\"",
          "focus Edit \"Friend's Email Address\"", "focus Edit \"Friend's Name\""}},
    };
}

void WindowsReader::route_data()
{
    QTest::addColumn<int>("step");
    for (int i = 0; i < steps_.size(); ++i)
        QTest::newRow(qPrintable(steps_[i].name)) << i;
}

void WindowsReader::route()
{
    QFETCH(int, step);
    const Step& expected = steps_[step];
    const Heard heard = expected.take();
    const QString tree = heard.tree.join(u'\n');
    const QString told = heard.events.join(u'\n');
    const auto show = [&] { return qPrintable("events:\n" + told + "\ntree:\n" + tree); };

    for (const QString& line : expected.treeHolds + heard.treeAlsoHolds)
        QVERIFY2(tree.contains(line), qPrintable(line + " missing; " + show()));
    for (const QString& text : expected.treeLacks)
        QVERIFY2(!tree.contains(text), qPrintable(text + " in the tree; " + show()));
    for (const QString& event : expected.eventsHold)
        QVERIFY2(told.contains(event), qPrintable(event + " not raised; " + show()));
    if (!expected.focusMoves.isEmpty()) {
        const QStringList moves = heard.events.filter(QRegularExpression("^focus "));
        QVERIFY2(moves == expected.focusMoves, show());
    }
    // Nothing nobody can see is told, and no point of focus is outside the tree.
    QVERIFY2(!told.contains("(unseen)"), show());
}

} // namespace amorix::test

QTEST_MAIN(amorix::test::WindowsReader)
#include "test_windows_reader.moc"
