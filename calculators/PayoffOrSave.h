#pragma once
// The page "pgPayoffOrSave": what a sum of cash grows to when invested,
// against what a debt of the same size grows to when it is not paid off,
// year by year for ten years.

#include "calculators/PlanningMath.h"
#include "shell/CalculatorPage.h"

#include <array>

namespace larkspan {

class TEditField;

class PayoffOrSavePage : public CalculatorPage {
    Q_OBJECT
public:
    PayoffOrSavePage(ShellServices& shell, QWidget* parent = nullptr);

    // Fills the 30 result fields from the three inputs.
    void CalculatePayVsInvest();

    void enterPage() override;

private:
    void buildPage();

    TEditField* edtCash_ = nullptr;
    TEditField* edtDebtInterest_ = nullptr;
    TEditField* edtInvestmentReturn_ = nullptr;
    std::array<TEditField*, planning::PayoffYears> investment_{};
    std::array<TEditField*, planning::PayoffYears> debt_{};
    std::array<TEditField*, planning::PayoffYears> difference_{};
};

} // namespace larkspan
