// Positions are in twips within the frame.
#include "person_details.h"

#include "view_parts.h"

#include "look/announced.h"
#include "look/classic_style.h"
#include "look/colours.h"
#include "look/twips.h"
#include "rules/text_rules.h"

#include <QComboBox>
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

constexpr const char* kMonths[] = {
    QT_TRANSLATE_NOOP("amorix::PersonDetails", "January"),   QT_TRANSLATE_NOOP("amorix::PersonDetails", "February"),
    QT_TRANSLATE_NOOP("amorix::PersonDetails", "March"),     QT_TRANSLATE_NOOP("amorix::PersonDetails", "April"),
    QT_TRANSLATE_NOOP("amorix::PersonDetails", "May"),       QT_TRANSLATE_NOOP("amorix::PersonDetails", "June"),
    QT_TRANSLATE_NOOP("amorix::PersonDetails", "July"),      QT_TRANSLATE_NOOP("amorix::PersonDetails", "August"),
    QT_TRANSLATE_NOOP("amorix::PersonDetails", "September"), QT_TRANSLATE_NOOP("amorix::PersonDetails", "October"),
    QT_TRANSLATE_NOOP("amorix::PersonDetails", "November"),  QT_TRANSLATE_NOOP("amorix::PersonDetails", "December"),
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
    setStyle(classicStyle());
    setColours(this, colour::brown, colour::teal);

    const Announced& announced = kAnnounced[person];
    QLabel* nameTitle = captionLabel(this, tr("Name"), twips(120, 403, 555, 195), colour::brown);
    txtName_ = new QLineEdit(this);
    txtName_->setGeometry(twips(1320, 350, 3050, 300));
    txtName_->setMaxLength(kLongestEntry);
    // Heard by whose name it is; the shown title says only "Name".
    txtName_->setAccessibleName(tr(announced.name));
    // The title may run on up to its box, where a translation is longer
    // than the English caption; the English one draws as laid out.
    nameTitle->resize(txtName_->x() - nameTitle->x(), nameTitle->height());

    captionLabel(this, tr("Birth Day"), twips(120, 860, 900, 195), colour::brown);
    const auto list = [&](const QRect& place, const char* what) {
        auto* combo = new QComboBox(this);
        combo->setGeometry(place);
        nameForReaders(combo, tr(what));
        speakItemChanges(combo);
        return combo;
    };
    cboMonth_ = list(twips(1320, 800, 1455, 315), announced.month);
    cboDate_ = list(twips(2805, 800, 650, 315), announced.day);
    cboYear_ = list(twips(3495, 800, 900, 315), announced.year);
}

void PersonDetails::load()
{
    QStringList months;
    for (const char* month : kMonths)
        months.append(tr(month));
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
    return {txtName_->text(),         cboMonth_->currentIndex(), cboDate_->currentIndex(),
            cboMonth_->currentText(), cboDate_->currentText(),   cboYear_->currentText()};
}

} // namespace amorix
