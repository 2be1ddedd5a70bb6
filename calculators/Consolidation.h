#pragma once
// Placeholder page, to be built.

#include "shell/CalculatorPage.h"

namespace larkspan {

class ConsolidationPage : public CalculatorPage {
    Q_OBJECT
public:
    ConsolidationPage(ShellServices& shell, QWidget* parent = nullptr);

    void FillDebtArray();
    void CalculateConsolidation();
};

} // namespace larkspan
