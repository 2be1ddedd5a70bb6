#pragma once
// The loan debt tally: up to thirteen loans, their total balance, the
// principal already paid and the balance-weighted average rate. The rows
// ticked for consolidation feed the consolidation page.

#include "calculators/DebtMath.h"
#include "shell/CalculatorPage.h"

#include <array>

class QCheckBox;
class QLabel;

namespace larkspan {

class TEditField;

class LoanDebtPage : public CalculatorPage {
    Q_OBJECT
public:
    LoanDebtPage(ShellServices& shell, QWidget* parent = nullptr);

    // Recomputes the three results from the rows, then refreshes the
    // consolidation list.
    void CalcTallyDebts();
    // The ticked-loan sum: current balances of the ticked rows.
    void AccumulateDebtConsolidation();

    void enterPage() override;

    // The rows as the tally reads them.
    std::array<debt::LoanRow, debt::LoanRows> loanRows() const;
    // The rows as the consolidation list reads them (creditor, monthly
    // payment, current balance, Consolidate box).
    std::array<debt::DebtSource, debt::LoanRows> debtSources() const;

private:
    struct Row {
        TEditField* creditor = nullptr;
        TEditField* borrowed = nullptr;
        TEditField* rate = nullptr;
        TEditField* term = nullptr;
        TEditField* payment = nullptr;
        TEditField* balance = nullptr;
        QCheckBox* consolidate = nullptr;
    };

    void buildRows();
    void buildTotals();

    std::array<Row, debt::LoanRows> rows_{};
    QLabel* totalDebt_ = nullptr;
    QLabel* principalPaid_ = nullptr;
    QLabel* averageRate_ = nullptr;
};

} // namespace larkspan
