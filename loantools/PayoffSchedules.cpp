#include "loantools/PayoffSchedules.h"

#include "shell/Pages.h"

namespace larkspan {

AmortizationPage::AmortizationPage(ShellServices& shell, QWidget* parent) : CalculatorPage(shell, pages::Amortization, parent) {}

void AmortizationPage::SetupAmort() {}

void AmortizationPage::CreatePrepaymentList() {}

void AmortizationPage::sizeGridColumnsToContents() {}

bool AmortizationPage::closeExtraPanel() { return false; }
void AmortizationPage::CalcAmortization() {}
void AmortizationPage::FillGrdMonthlyAmortization() {}
void AmortizationPage::FillGrdAnnualAmortization() {}
void AmortizationPage::FormatAmortizationGrids() {}
void AmortizationPage::btnCancelClick() {}

} // namespace larkspan
