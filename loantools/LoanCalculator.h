#pragma once
// Placeholder page, to be built.

#include "shell/CalculatorPage.h"

namespace larkspan {

class LoanCalculatorPage : public CalculatorPage {
    Q_OBJECT
public:
    LoanCalculatorPage(ShellServices& shell, QWidget* parent = nullptr);
    void CleanGrid();
    void ChooseMarigridCalculator();
    void applyEstimatesChoice();
    void setSpreadColumnWidths();
    void setSpreadFirstColumnWidth();
};

} // namespace larkspan
