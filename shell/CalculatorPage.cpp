#include "shell/CalculatorPage.h"

#include "shell/AppState.h"

namespace larkspan {

CalculatorPage::CalculatorPage(ShellServices& shell, const QString& pageName, QWidget* parent)
    : QWidget(parent), shell_(shell)
{
    setObjectName(pageName);
}

AppState& CalculatorPage::state() const
{
    return shell_.state();
}

} // namespace larkspan
