#include "calculators/LoanDebt.h"

#include "shell/Pages.h"

namespace larkspan {

LoanDebtPage::LoanDebtPage(ShellServices& shell, QWidget* parent) : CalculatorPage(shell, pages::LoanDebt, parent) {}

void LoanDebtPage::CalcTallyDebts() {}
void LoanDebtPage::AccumulateDebtConsolidation() {}

} // namespace larkspan
