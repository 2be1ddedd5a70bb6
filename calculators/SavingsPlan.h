#pragma once
// Placeholder page, to be built.

#include "shell/CalculatorPage.h"

namespace larkspan {

class SavingsPlanPage : public CalculatorPage {
    Q_OBJECT
public:
    SavingsPlanPage(ShellServices& shell, QWidget* parent = nullptr);
    void CalculateGrdFV();
    void selectStartCell();
};

} // namespace larkspan
