#include "calculators/Consolidation.h"

#include "shell/Pages.h"

namespace larkspan {

ConsolidationPage::ConsolidationPage(ShellServices& shell, QWidget* parent) : CalculatorPage(shell, pages::Consolidation, parent) {}

void ConsolidationPage::FillDebtArray() {}
void ConsolidationPage::CalculateConsolidation() {}

} // namespace larkspan
