// Positions are in twips within the frame.
#include "person_details.h"

#include "view_parts.h"

#include "look/classic_style.h"
#include "look/colours.h"
#include "look/twips.h"

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>

#include <limits>

namespace amorix {
namespace {

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

PersonDetails::PersonDetails(const QString& caption, const QString& whose, QWidget* parent)
    : QGroupBox(caption, parent)
{
    setStyle(classicStyle());
    setColours(this, colour::brown, colour::teal);

    QLabel* nameTitle = captionLabel(this, QStringLiteral("Name"), twips(120, 403, 555, 195), colour::brown);
    txtName_ = new QLineEdit(this);
    txtName_->setGeometry(twips(1320, 350, 3050, 300));
    txtName_->setMaxLength(std::numeric_limits<int>::max()); // no length limit
    txtName_->setAccessibleName(whose + QStringLiteral(" name"));
    nameTitle->setBuddy(txtName_);

    QLabel* dateTitle = captionLabel(this, QStringLiteral("Birth Day"), twips(120, 860, 900, 195), colour::brown);
    const auto list = [&](const QRect& place, const QString& what) {
        auto* combo = new QComboBox(this);
        combo->setGeometry(place);
        // On Linux a list is announced by its current item; the description
        // says whose date part it is.
        combo->setAccessibleName(whose + u' ' + what);
        combo->setAccessibleDescription(whose + u' ' + what);
        return combo;
    };
    cboMonth_ = list(twips(1320, 800, 1455, 315), QStringLiteral("birth month"));
    cboDate_ = list(twips(2805, 800, 650, 315), QStringLiteral("birth day"));
    cboYear_ = list(twips(3495, 800, 900, 315), QStringLiteral("birth year"));
    dateTitle->setBuddy(cboMonth_);
}

void PersonDetails::load()
{
    static const QStringList months = {
        QStringLiteral("January"),   QStringLiteral("February"), QStringLiteral("March"),    QStringLiteral("April"),
        QStringLiteral("May"),       QStringLiteral("June"),     QStringLiteral("July"),     QStringLiteral("August"),
        QStringLiteral("September"), QStringLiteral("October"),  QStringLiteral("November"), QStringLiteral("December"),
    };
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
