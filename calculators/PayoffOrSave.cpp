#include "calculators/PayoffOrSave.h"

#include "shell/Pages.h"

namespace larkspan {

PayoffOrSavePage::PayoffOrSavePage(ShellServices& shell, QWidget* parent) : CalculatorPage(shell, pages::PayoffOrSave, parent) {}

void PayoffOrSavePage::CalculatePayVsInvest() {}

} // namespace larkspan
