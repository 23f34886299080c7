// The time from a press of the proceed button to the twelve values written
// and the view repainted, median over 1,000 presses.
#include "main_window/frmMain.h"

#include <QApplication>
#include <QComboBox>
#include <QElapsedTimer>
#include <QGroupBox>
#include <QLineEdit>
#include <QPushButton>

#include <algorithm>
#include <cstdio>
#include <vector>

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    amorix::frmMain window;
    window.show();
    QApplication::processEvents();

    // The controls, found once by their names.
    const auto* you = window.findChild<QGroupBox*>(QStringLiteral("yourDetails"));
    const auto* partner = window.findChild<QGroupBox*>(QStringLiteral("partnerDetails"));
    QLineEdit* const names[] = {you->findChild<QLineEdit*>(QStringLiteral("txtName")),
                                partner->findChild<QLineEdit*>(QStringLiteral("txtName"))};
    auto* month = you->findChild<QComboBox*>(QStringLiteral("cboMonth"));
    auto* day = partner->findChild<QComboBox*>(QStringLiteral("cboDate"));
    auto* year = you->findChild<QComboBox*>(QStringLiteral("cboYear"));
    auto* proceed = window.findChild<QPushButton*>(QStringLiteral("cmdProceed"));

    // Two different readings in turn, so that every press writes new values.
    const auto enter = [&](int turn) {
        names[0]->setText(turn ? QStringLiteral("Anna") : QStringLiteral("Carla"));
        names[1]->setText(turn ? QStringLiteral("Ben") : QStringLiteral("Dan"));
        month->setCurrentIndex(turn ? 2 : 7);
        day->setCurrentIndex(turn ? 27 : 3);
        year->setCurrentIndex(turn ? 85 : 90);
    };

    // The first reading builds the reading view; it is not counted.
    enter(0);
    proceed->click();
    QApplication::processEvents();
    auto* back = window.findChild<QPushButton*>(QStringLiteral("cmdBack"));
    auto* reading = window.findChild<QWidget*>(QStringLiteral("fraResult"));

    constexpr int kPresses = 1000;
    std::vector<double> microseconds;
    microseconds.reserve(kPresses);
    QElapsedTimer timer;
    for (int i = 0; i < kPresses; ++i) {
        back->click();
        enter(i % 2);
        QApplication::processEvents();
        timer.start();
        proceed->click();
        reading->repaint();
        microseconds.push_back(static_cast<double>(timer.nsecsElapsed()) / 1000.0);
    }
    std::sort(microseconds.begin(), microseconds.end());
    std::printf("a reading, press to repainted view (median of %d presses)\n", kPresses);
    std::printf("  %.3f ms (goal < 1 ms); 90th percentile %.3f ms\n", microseconds[kPresses / 2] / 1000.0,
                microseconds[kPresses * 9 / 10] / 1000.0);
    return 0;
}
