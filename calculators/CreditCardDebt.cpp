#include "calculators/CreditCardDebt.h"

#include "shell/Pages.h"

namespace larkspan {

CreditCardDebtPage::CreditCardDebtPage(ShellServices& shell, QWidget* parent) : CalculatorPage(shell, pages::CreditCardDebt, parent) {}

void CreditCardDebtPage::TallyCreditCardDebts() {}
void CreditCardDebtPage::AccumulateCreditCardConsolidation() {}

} // namespace larkspan
