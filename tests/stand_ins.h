// Stand-ins for the desktop: they record what the program asks for and
// answer at once, so no test waits for a person or opens a browser.
#pragma once

#include "system/program_state.h"
#include "system/seams.h"
#include "system/single_instance.h"
#include "system_widgets/forms.h"
#include "system_widgets/message_boxes.h"

#include <QDate>
#include <QList>
#include <QStringList>

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

// Deletes every window a test left behind and starts the program afresh;
// the stand-ins stay with whoever put them in.
inline void resetProgram()
{
    for (QWidget* form : forms::loaded()) {
        forms::remove(form);
        delete form;
    }
    const SeamStandIns standIns = programState().standIns;
    programState() = ProgramState{};
    programState().standIns = standIns;
}

} // namespace amorix::test
