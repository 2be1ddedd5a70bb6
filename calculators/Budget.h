#pragma once
// Placeholder page, to be built.

#include "shell/CalculatorPage.h"

namespace larkspan {

class BudgetPage : public CalculatorPage {
    Q_OBJECT
public:
    BudgetPage(ShellServices& shell, QWidget* parent = nullptr);
    void CalculateBudget();
};

} // namespace larkspan
