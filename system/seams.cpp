#include "seams.h"

#include "forms.h"
#include "platform.h"
#include "program_state.h"
#include "rules/resume_next.h"

#include <QApplication>
#include <QMessageBox>

#include <algorithm>
#include <chrono>
#include <random>

namespace amorix {
namespace {

class RealMessageBoxes final : public MessageBoxes {
public:
    MessageAnswer show(const Message& message) override
    {
        // The owner may go away while the box is up (the run ends behind
        // it), taking the box with it.
        const QPointer<QMessageBox> box = buildMessageBox(message).release();
        const int pressed = box->exec();
        delete box.data();
        if (message.buttons == MessageButtons::Ok)
            return MessageAnswer::Ok;
        return pressed == QMessageBox::Yes ? MessageAnswer::Yes : MessageAnswer::No;
    }
};

class RealClock final : public Clock {
public:
    QDate today() override { return QDate::currentDate(); }
};

class RealDice final : public Dice {
public:
    void seedFromClock() override
    {
        const auto ticks = std::chrono::high_resolution_clock::now().time_since_epoch().count();
        generator_.seed(static_cast<std::mt19937::result_type>(ticks ^ (ticks >> 32)));
    }
    float next() override
    {
        // 24 random bits give every float step of [0, 1) and never 1.0.
        return static_cast<float>(generator_() >> 8) * (1.0f / 16777216.0f);
    }

private:
    std::mt19937 generator_{std::random_device{}()};
};

class RealProcessControl final : public ProcessControl {
public:
    void end(int status) override { QCoreApplication::exit(status); }
};

// The stand-in where a test put one, else the real one.
template <class Real, class Interface>
Interface& standInOr(Interface* standIn)
{
    if (standIn)
        return *standIn;
    static Real real;
    return real;
}

} // namespace

std::unique_ptr<QMessageBox> buildMessageBox(const Message& message)
{
    // A lone carriage return is a line break in the platform's own message
    // boxes; Qt's draws it as a space, so it becomes Qt's line break. The
    // words are as given.
    QString text = message.text;
    for (qsizetype i = 0; i < text.size(); ++i)
        if (text[i] == u'\r' && (i + 1 == text.size() || text[i + 1] != u'\n'))
            text[i] = u'\n';
    auto box = std::make_unique<QMessageBox>(message.icon == MessageIcon::Critical ? QMessageBox::Critical
                                                                                   : QMessageBox::Information,
                                             message.title, text, QMessageBox::NoButton, message.owner.data());
    box->setTextFormat(Qt::PlainText);
    box->setWindowModality(Qt::ApplicationModal);
    if (message.buttons == MessageButtons::YesNo) {
        box->setStandardButtons(QMessageBox::Yes | QMessageBox::No);
        box->setDefaultButton(QMessageBox::Yes);
    } else {
        box->setStandardButtons(QMessageBox::Ok);
    }
    return box;
}

QWidget* activeProgramWindow()
{
    if (QWidget* active = QApplication::activeWindow())
        return active;
    const QList<QWidget*> loaded = forms::loaded();
    const auto shown =
        std::find_if(loaded.crbegin(), loaded.crend(), [](const QWidget* window) { return window->isVisible(); });
    return shown == loaded.crend() ? nullptr : *shown;
}

MessageBoxes& messageBoxes() { return standInOr<RealMessageBoxes>(programState().standIns.messageBoxes); }
Desktop& desktop() { return standInOr<platform::DesktopOpener>(programState().standIns.desktop); }
Clock& clock() { return standInOr<RealClock>(programState().standIns.clock); }
Dice& dice() { return standInOr<RealDice>(programState().standIns.dice); }
ProcessControl& processControl() { return standInOr<RealProcessControl>(programState().standIns.processControl); }

void installMessageBoxes(MessageBoxes* standIn) { programState().standIns.messageBoxes = standIn; }
void installDesktop(Desktop* standIn) { programState().standIns.desktop = standIn; }
void installClock(Clock* standIn) { programState().standIns.clock = standIn; }
void installDice(Dice* standIn) { programState().standIns.dice = standIn; }
void installProcessControl(ProcessControl* standIn) { programState().standIns.processControl = standIn; }

MessageAnswer tellUser(const QString& text, MessageIcon icon, MessageButtons buttons)
{
    // A box that cannot be shown counts as answered with No (or OK).
    const Message message{kAppTitle, text, icon, buttons, activeProgramWindow()};
    return attempt([&] { return messageBoxes().show(message); })
        .value_or(buttons == MessageButtons::YesNo ? MessageAnswer::No : MessageAnswer::Ok);
}

int drawBelow(int count)
{
    const float r = dice().next();
    const int drawn = static_cast<int>(r * static_cast<float>(count));
    return std::clamp(drawn, 0, count - 1);
}

} // namespace amorix
