#include "seams.h"

#include "platform.h"
#include "program_state.h"

#include <QCoreApplication>

#include <algorithm>
#include <chrono>
#include <random>

namespace amorix {
namespace {

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

Desktop& desktop() { return standInOr<platform::DesktopOpener>(programState().standIns.desktop); }
Clock& clock() { return standInOr<RealClock>(programState().standIns.clock); }
Dice& dice() { return standInOr<RealDice>(programState().standIns.dice); }
ProcessControl& processControl() { return standInOr<RealProcessControl>(programState().standIns.processControl); }

void installDesktop(Desktop* standIn) { programState().standIns.desktop = standIn; }
void installClock(Clock* standIn) { programState().standIns.clock = standIn; }
void installDice(Dice* standIn) { programState().standIns.dice = standIn; }
void installProcessControl(ProcessControl* standIn) { programState().standIns.processControl = standIn; }

int drawBelow(int count)
{
    const float r = dice().next();
    const int drawn = static_cast<int>(r * static_cast<float>(count));
    return std::clamp(drawn, 0, count - 1);
}

} // namespace amorix
