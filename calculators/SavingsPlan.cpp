#include "calculators/SavingsPlan.h"

#include "shell/Pages.h"

namespace larkspan {

SavingsPlanPage::SavingsPlanPage(ShellServices& shell, QWidget* parent) : CalculatorPage(shell, pages::SavingsPlan, parent) {}

void SavingsPlanPage::CalculateGrdFV() {}

void SavingsPlanPage::selectStartCell() {}

} // namespace larkspan
