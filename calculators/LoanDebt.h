#pragma once
// Placeholder page, to be built.

#include "shell/CalculatorPage.h"

namespace larkspan {

class LoanDebtPage : public CalculatorPage {
    Q_OBJECT
public:
    LoanDebtPage(ShellServices& shell, QWidget* parent = nullptr);
    void CalcTallyDebts();
    void AccumulateDebtConsolidation();
};

} // namespace larkspan
