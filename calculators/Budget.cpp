#include "calculators/Budget.h"

#include "shell/Pages.h"

namespace larkspan {

BudgetPage::BudgetPage(ShellServices& shell, QWidget* parent) : CalculatorPage(shell, pages::Budget, parent) {}

void BudgetPage::CalculateBudget() {}

} // namespace larkspan
