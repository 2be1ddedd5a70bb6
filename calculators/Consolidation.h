#pragma once
// Consider consolidation: the loans and cards ticked on the two tally pages,
// largest balance first, and what one consolidation loan would cost each
// month against the payments it replaces.

#include "calculators/DebtMath.h"
#include "shell/CalculatorPage.h"

#include <array>

class QLabel;

namespace larkspan {

class TEditField;

class ConsolidationPage : public CalculatorPage {
    Q_OBJECT
public:
    ConsolidationPage(ShellServices& shell, QWidget* parent = nullptr);

    // Rebuilds the debt array from the ticked rows of both tally pages,
    // shows it with its totals and stores the current total monthly payment.
    void FillDebtArray();
    // The consolidation loan's payment against the current total.
    void CalculateConsolidation();
    // The sum of the array's payments, kept as the current total monthly
    // payment.
    double CalcTotalPayment(const debt::DebtArray& entries);

    void enterPage() override;

    // The array as the last FillDebtArray left it.
    const debt::DebtArray& debtArray() const { return entries_; }

private:
    struct ListRow {
        QLabel* creditor = nullptr;
        QLabel* balance = nullptr;
        QLabel* payment = nullptr;
    };

    void buildInputs();
    void buildResults();
    void buildList();

    TEditField* amount_ = nullptr;
    TEditField* rate_ = nullptr;
    TEditField* term_ = nullptr;
    QLabel* consolidationPayment_ = nullptr;
    QLabel* currentTotalPayment_ = nullptr;
    QLabel* savings_ = nullptr;
    std::array<ListRow, debt::DebtEntries> list_{};
    QLabel* totalBalance_ = nullptr;
    QLabel* totalPayment_ = nullptr;
    debt::DebtArray entries_{};
};

} // namespace larkspan
