#pragma once
// The credit card tally: up to eight card accounts, their total balance and
// the balance-weighted average rate. The ticked cards join the ticked loans
// in the consolidation list.

#include "calculators/DebtMath.h"
#include "shell/CalculatorPage.h"

#include <array>

class QCheckBox;
class QLabel;

namespace larkspan {

class TEditField;

class CreditCardDebtPage : public CalculatorPage {
    Q_OBJECT
public:
    CreditCardDebtPage(ShellServices& shell, QWidget* parent = nullptr);

    // Recomputes the two results from the rows. Leaves the consolidation
    // list alone: that page gathers the cards itself.
    void TallyCreditCardDebts();
    // The ticked-card sum: balances of the ticked rows.
    void AccumulateCreditCardConsolidation();

    void enterPage() override;

    std::array<debt::CardRow, debt::CardRows> cardRows() const;
    // The rows as the consolidation list reads them (account, minimum
    // payment, balance, Consolidate box).
    std::array<debt::DebtSource, debt::CardRows> debtSources() const;

private:
    struct Row {
        TEditField* account = nullptr;
        TEditField* balance = nullptr;
        TEditField* rate = nullptr;
        TEditField* minimumPayment = nullptr;
        QCheckBox* consolidate = nullptr;
    };

    void buildRows();
    void buildTotals();
    void buildPaymentPlans();

    std::array<Row, debt::CardRows> rows_{};
    QLabel* totalDebt_ = nullptr;
    QLabel* averageRate_ = nullptr;
};

} // namespace larkspan
