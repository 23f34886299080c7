// One person's details in the input area: the name box and the three lists
// of the birth date, in a captioned frame. The main window holds two, the
// user's and the partner's.
#pragma once

#include "rules/reading_model.h"

#include <QGroupBox>

class QComboBox;
class QLineEdit;

namespace amorix {

class PersonDetails : public QGroupBox {
    Q_OBJECT
public:
    // person: 0 the user, 1 the partner, as the controls are announced.
    PersonDetails(const QString& caption, int person, QWidget* parent);

    // Fills the lists and selects January 1, 1900 with the name empty, as
    // the window loads.
    void load();

    // The entries as the controls hold them.
    reading::Entries entries() const;

    // The name box, where the focus goes when the name is wanted.
    QWidget* nameBox() const;

private:
    QLineEdit* txtName_ = nullptr;
    QComboBox* cboMonth_ = nullptr;
    QComboBox* cboDate_ = nullptr;
    QComboBox* cboYear_ = nullptr;
};

} // namespace amorix
