// The reading view: a tab strip over three display frames (the user's
// reading, the partner's, the couple's love number), the twelve value labels
// and the Back button. It stands on the same place as the input area.
#pragma once

#include "rules/reading_model.h"

#include <QFrame>

#include <array>

class QKeyEvent;
class QLabel;
class QStackedWidget;
class QTabBar;

namespace amorix {

class ReadingView : public QFrame {
    Q_OBJECT
public:
    explicit ReadingView(QWidget* parent);

    // Puts the values in their labels (a missing one keeps what its label
    // showed) and brings the user's frame to the front; the tab stays.
    void showReading(const reading::Reading& values);
    // Where a reading starts: the user's name.
    QLabel* firstValue() const;

    // Brings the frame of the selected tab to the front.
    void tabResults_Click();
    // Switches tabs for the keys that do so in any tabbed window; false for
    // any other key.
    bool switchTab(const QKeyEvent* event);

    // The object name of a value label: the person ("your", "partner") or
    // "love", then the row ("yourBirthNumber", "loveInterpretation").
    static QString valueName(int value);

signals:
    // Back was pressed.
    void backRequested();

private:
    void buildTabStrip();
    QLabel* firstValueOf(int tab) const;
    void buildPersonValues(int person);
    void buildLoveValues();

    QTabBar* tabResults_ = nullptr;
    QStackedWidget* displays_ = nullptr;
    std::array<QFrame*, 3> fraDisplay_{};
    std::array<QLabel*, reading::kValueCount> lblResult_{};
};

} // namespace amorix
