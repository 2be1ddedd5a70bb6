#pragma once
// Placeholder page, to be built.

#include "shell/CalculatorPage.h"

namespace larkspan {

class AmortizationPage : public CalculatorPage {
    Q_OBJECT
public:
    AmortizationPage(ShellServices& shell, QWidget* parent = nullptr);
    void SetupAmort();
    void CreatePrepaymentList();
    void sizeGridColumnsToContents();
    // Hides the extra-payment panel if it shows and runs its cancel action;
    // true when it was showing.
    bool closeExtraPanel();
    void CalcAmortization();
    void FillGrdMonthlyAmortization();
    void FillGrdAnnualAmortization();
    void FormatAmortizationGrids();
    void btnCancelClick();
};

} // namespace larkspan
