// The fair floor for start-up: a Qt Widgets window of the program's size
// that shows text as the program's first screen does (a word-wrapped label,
// a line edit, a list of 31 items and a button, in the stand-in face for
// Verdana), ended at its first paint.
#include "first_paint.h"

#include <QApplication>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QMainWindow>
#include <QPushButton>

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    FirstPaint firstPaint([] { QApplication::quit(); });
    app.installEventFilter(&firstPaint);

    QFont face(QStringLiteral("Verdana"));
    face.setStyleHint(QFont::SansSerif);
    face.setPixelSize(11);

    QMainWindow window;
    window.setFont(face);
    auto* area = new QWidget(&window);
    area->setFixedSize(550, 368);
    window.setCentralWidget(area);

    auto* label = new QLabel(QStringLiteral("Let QX Amorix tell you more about your relationship. Just enter your "
                                            "partner's and your date of birth and know more about your love "
                                            "prospects!"),
                             area);
    label->setWordWrap(true);
    label->setGeometry(16, 40, 517, 45);
    auto* name = new QLineEdit(area);
    name->setGeometry(213, 87, 203, 20);
    auto* days = new QComboBox(area);
    for (int day = 1; day <= 31; ++day)
        days->addItem(QString::number(day));
    days->setGeometry(312, 117, 43, 21);
    auto* button = new QPushButton(QStringLiteral("&Get My Amorix Reading"), area);
    button->setGeometry(125, 278, 300, 25);

    window.show();
    return QApplication::exec();
}
