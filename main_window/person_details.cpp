#include "person_details.h"

#include "view_parts.h"

#include "look/announced.h"
#include "look/classic_style.h"
#include "look/colours.h"
#include "rules/text_rules.h"

#include <QComboBox>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>

namespace amorix {
namespace {

// How a screen reader announces each control, for the user and the partner.
struct Announced {
    const char* name;
    const char* month;
    const char* day;
    const char* year;
};
constexpr Announced kAnnounced[reading::kPersons] = {
    {QT_TRANSLATE_NOOP("amorix::PersonDetails", "Your name"),
     QT_TRANSLATE_NOOP("amorix::PersonDetails", "Your birth month"),
     QT_TRANSLATE_NOOP("amorix::PersonDetails", "Your birth day"),
     QT_TRANSLATE_NOOP("amorix::PersonDetails", "Your birth year")},
    {QT_TRANSLATE_NOOP("amorix::PersonDetails", "Your partner's name"),
     QT_TRANSLATE_NOOP("amorix::PersonDetails", "Your partner's birth month"),
     QT_TRANSLATE_NOOP("amorix::PersonDetails", "Your partner's birth day"),
     QT_TRANSLATE_NOOP("amorix::PersonDetails", "Your partner's birth year")},
};

constexpr int kFirstYear = 1900;
constexpr int kLastYear = 2050;

QStringList numbers(int first, int last)
{
    QStringList texts;
    for (int number = first; number <= last; ++number)
        texts.append(QString::number(number));
    return texts;
}

} // namespace

PersonDetails::PersonDetails(const QString& caption, int person, QWidget* parent)
    : QGroupBox(caption, parent)
{
    setObjectName(person == 0 ? QStringLiteral("yourDetails") : QStringLiteral("partnerDetails"));
    setStyle(classicStyle());
    setColours(this, colour::brown, colour::teal);

    const Announced& announced = kAnnounced[person];
    // Made in the order they are read: each title before its controls.
    QLabel* nameTitle = captionLabel(this, tr("Name"), colour::brown);
    nameTitle->setObjectName(QStringLiteral("nameTitle"));
    txtName_ = new QLineEdit(this);
    txtName_->setObjectName(QStringLiteral("txtName"));
    txtName_->setMaxLength(kLongestEntry);
    txtName_->setFixedHeight(20);
    // Heard by whose name it is; the shown title says only "Name".
    txtName_->setAccessibleName(tr(announced.name));

    QLabel* dateTitle = captionLabel(this, tr("Birth Day"), colour::brown);
    dateTitle->setObjectName(QStringLiteral("birthDayTitle"));
    const auto list = [&](const char* objectName, const char* what, int width) {
        auto* combo = new QComboBox(this);
        combo->setObjectName(QLatin1String(objectName));
        // As wide as laid out for English; the month's list grows where a
        // language's longest month needs more.
        combo->setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
        combo->setMinimumWidth(width);
        combo->setFixedHeight(21);
        nameForReaders(combo, tr(what));
        speakItemChanges(combo);
        return combo;
    };
    cboMonth_ = list("cboMonth", announced.month, 97);
    cboMonth_->setSizeAdjustPolicy(QComboBox::AdjustToContents);
    cboDate_ = list("cboDate", announced.day, 43);
    cboYear_ = list("cboYear", announced.year, 60);

    // The titles in a column of their own, as wide as the longest needs;
    // the name box spans the three lists below it.
    auto* grid = new QGridLayout(this);
    grid->setContentsMargins(5, 4, 5, 6);
    grid->setHorizontalSpacing(2);
    grid->setVerticalSpacing(10);
    grid->setColumnMinimumWidth(0, 78);
    grid->addWidget(nameTitle, 0, 0);
    grid->addWidget(txtName_, 0, 1, 1, 3);
    grid->addWidget(dateTitle, 1, 0);
    grid->addWidget(cboMonth_, 1, 1);
    grid->addWidget(cboDate_, 1, 2);
    grid->addWidget(cboYear_, 1, 3);
}

void PersonDetails::load()
{
    // The months as the language of the program names them.
    QStringList months;
    for (int month = 1; month <= 12; ++month)
        months.append(QLocale().standaloneMonthName(month));
    static const QStringList days = numbers(1, 31);
    static const QStringList years = numbers(kFirstYear, kLastYear);
    // Each list is filled in one go, which is quicker than item by item.
    cboMonth_->addItems(months);
    cboDate_->addItems(days);
    cboYear_->addItems(years);

    txtName_->clear();
    cboMonth_->setCurrentIndex(0);
    cboDate_->setCurrentIndex(0);
    cboYear_->setCurrentIndex(0);
}

reading::Entries PersonDetails::entries() const
{
    return {txtName_->text(), cboMonth_->currentIndex(), cboDate_->currentIndex(), cboDate_->currentText(),
            cboYear_->currentText()};
}

QWidget* PersonDetails::nameBox() const { return txtName_; }

} // namespace amorix
