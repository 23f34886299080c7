// Stand-ins for the desktop: they record what the program asks for and
// answer at once, so no test waits for a person or opens a browser.
#pragma once

#include "system/program_state.h"
#include "system/seams.h"
#include "system/single_instance.h"
#include "system_widgets/message_boxes.h"
#include "system_widgets/run.h"

#include <QApplication>
#include <QDate>
#include <QList>
#include <QStringList>

#include <cstdlib>
#include <deque>
#include <functional>

namespace amorix::test {

class StandIns final : public MessageBoxes, public Desktop, public Clock, public Dice, public ProcessControl {
public:
    StandIns()
    {
        installMessageBoxes(this);
        installDesktop(this);
        installClock(this);
        installDice(this);
        installProcessControl(this);
    }
    ~StandIns() override
    {
        installMessageBoxes(nullptr);
        installDesktop(nullptr);
        installClock(nullptr);
        installDice(nullptr);
        installProcessControl(nullptr);
    }
    StandIns(const StandIns&) = delete;
    StandIns& operator=(const StandIns&) = delete;

    // Every call in order, as "message: <text>", "open: <address>", "end: <status>".
    QStringList events;
    QList<Message> messages;
    QStringList opened;
    QList<int> ends;
    std::deque<MessageAnswer> answers; // next answers; Ok/Yes when empty
    std::function<void(const Message&)> onMessage;
    QDate date{2026, 12, 7};
    std::deque<float> draws; // next dice values; 0 when empty
    int seeds = 0;

    MessageAnswer show(const Message& message) override
    {
        messages.append(message);
        events.append(QStringLiteral("message: ") + message.text);
        if (onMessage)
            onMessage(message);
        if (!answers.empty()) {
            const MessageAnswer answer = answers.front();
            answers.pop_front();
            return answer;
        }
        return message.buttons == MessageButtons::YesNo ? MessageAnswer::Yes : MessageAnswer::Ok;
    }
    void openAddress(const QString& address) override
    {
        opened.append(address);
        events.append(QStringLiteral("open: ") + address);
    }
    QDate today() override { return date; }
    void seedFromClock() override { ++seeds; }
    float next() override
    {
        if (draws.empty())
            return 0.0f;
        const float value = draws.front();
        draws.pop_front();
        return value;
    }
    void end(int status) override
    {
        ends.append(status);
        events.append(QStringLiteral("end: ") + QString::number(status));
    }

    QStringList messageTexts() const
    {
        QStringList texts;
        for (const Message& m : messages)
            texts.append(m.text);
        return texts;
    }
};

// A single-instance rule that answers as told.
class FixedInstance final : public InstanceLock {
public:
    explicit FixedInstance(bool running)
        : running_(running)
    {
    }
    bool previousInstanceRunning() override { return running_; }

private:
    bool running_;
};

// The control of that object name inside a window or part; a test that
// asks for one the window does not have stops there.
template <class Control = QWidget>
Control* child(const QObject* parent, const char* name)
{
    auto* control = parent->findChild<Control*>(QLatin1String(name));
    if (!control)
        qFatal("no %s named %s", Control::staticMetaObject.className(), name);
    return control;
}

// The window of that class that is open, shown or not yet shown, if any:
// a closed one is hidden until it is deleted.
template <class Form>
Form* openWindow()
{
    for (QWidget* window : QApplication::topLevelWidgets())
        if (auto* form = qobject_cast<Form*>(window);
            form && !(form->isHidden() && form->testAttribute(Qt::WA_WState_ExplicitShowHide)))
            return form;
    return nullptr;
}

// True when a window has the size it was drawn with, give or take the few
// pixels a stand-in face for Verdana takes more or less.
inline bool drawnSize(const QWidget& window, QSize drawn)
{
    const QSize off = window.size() - drawn;
    return std::abs(off.width()) <= 4 && std::abs(off.height()) <= 4;
}

// Deletes every window a test left behind and starts the run afresh; the
// stand-ins stay with whoever put them in.
inline void resetProgram()
{
    for (QWidget* window : QApplication::topLevelWidgets())
        if (!window->parentWidget())
            window->deleteLater();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    beginRun();
}

} // namespace amorix::test
