#pragma once
// Placeholder page, to be built.

#include "shell/CalculatorPage.h"

namespace larkspan {

class PayoffOrSavePage : public CalculatorPage {
    Q_OBJECT
public:
    PayoffOrSavePage(ShellServices& shell, QWidget* parent = nullptr);
    void CalculatePayVsInvest();
};

} // namespace larkspan
