#pragma once
// Placeholder page, to be built.

#include "shell/CalculatorPage.h"

namespace larkspan {

class CreditCardDebtPage : public CalculatorPage {
    Q_OBJECT
public:
    CreditCardDebtPage(ShellServices& shell, QWidget* parent = nullptr);
    void TallyCreditCardDebts();
    void AccumulateCreditCardConsolidation();
};

} // namespace larkspan
