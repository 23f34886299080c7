// The last window of a run: a support text, two links, the refer-a-friend
// form and the way out. Topmost from the moment it loads.
#pragma once

#include <QWidget>

#include <array>

class QCheckBox;
class QLabel;

namespace amorix {

// The texts asking the user to support the maker, in the user's language.
constexpr std::size_t kSupportTextCount = 4;
QString supportText(std::size_t index);
// The catalogue text beside the form, in the user's language.
QString catalogueText();

class frmExitScreen : public QWidget {
    Q_OBJECT
public:
    explicit frmExitScreen(QWidget* parent = nullptr);

    void chkVisitHome_Click();
    void lblGoToHome_Click();
    void cmdClose_Click();

protected:
    void showEvent(QShowEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

private:
    void Form_Load();
    void Form_Unload();

    QLabel* lblSupport_ = nullptr; // one of the four support texts, drawn at random
    QCheckBox* chkVisitHome_ = nullptr; // "Click Here To Visit Velmora Now": a check box used as a link
};

} // namespace amorix
