#pragma once

#include "AuxCalcForm.h"
#include "NonModalDialog.h"

#include <QStringList>

#include <functional>

namespace orvex {

// The auxiliary-calculations dialog: integral, line, function value, quadratic equation and angle
// between planes, one tab each. The calculators themselves live in Calculators.h; this window reads the
// fields, writes the result labels and shows the errors. Fields, results and the active tab stay from
// one opening to the next; the first opening shows the planes tab.
class TOKRightDlg : public NonModalDialog {
    Q_OBJECT
  public:
    TOKRightDlg();

    // Refills both formula lists with the graph list's texts (in list order), shows the step count and
    // opens the dialog over the blocked windows.
    void openWithFormulas(const QStringList& formulas);

  private:
    void trackBar1Change(int position);
    void button4Click(); // integral
    void button2Click(); // function value
    void button3Click(); // line
    void button1Click(); // quadratic equation
    void button5Click(); // planes

    // Runs a calculation; a conversion or arithmetic error is shown in an error box and the dialog goes on.
    void guarded(const std::function<void()>& calculation);

    AuxCalcForm form_;
};

} // namespace orvex
