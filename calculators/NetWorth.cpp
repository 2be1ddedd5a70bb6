#include "calculators/NetWorth.h"

#include "shell/Pages.h"

namespace larkspan {

NetWorthPage::NetWorthPage(ShellServices& shell, QWidget* parent) : CalculatorPage(shell, pages::NetWorth, parent) {}

void NetWorthPage::CalcNetworth() {}

} // namespace larkspan
