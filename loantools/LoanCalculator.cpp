#include "loantools/LoanCalculator.h"

#include "shell/Pages.h"

namespace larkspan {

LoanCalculatorPage::LoanCalculatorPage(ShellServices& shell, QWidget* parent) : CalculatorPage(shell, pages::CompareLoans, parent) {}

void LoanCalculatorPage::CleanGrid() {}

void LoanCalculatorPage::ChooseMarigridCalculator() {}

void LoanCalculatorPage::applyEstimatesChoice() {}

void LoanCalculatorPage::setSpreadColumnWidths() {}

void LoanCalculatorPage::setSpreadFirstColumnWidth() {}

} // namespace larkspan
