#pragma once
// Placeholder page, to be built.

#include "shell/CalculatorPage.h"

namespace larkspan {

class NetWorthPage : public CalculatorPage {
    Q_OBJECT
public:
    NetWorthPage(ShellServices& shell, QWidget* parent = nullptr);
    void CalcNetworth();
};

} // namespace larkspan
