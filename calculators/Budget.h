#pragma once
// The page "pgCreateABudget": two incomes against 22 named expense items and
// two debt-reduction items, with the two balances. The names of the expense
// items can be edited while the page is unlocked.

#include "calculators/PlanningMath.h"
#include "shell/CalculatorPage.h"

#include <array>

class QLabel;
class QPushButton;

namespace larkspan {

class TEditField;

class BudgetPage : public CalculatorPage {
    Q_OBJECT
public:
    enum class LabelMode { Locked, Editing };

    BudgetPage(ShellServices& shell, QWidget* parent = nullptr);

    // Recomputes both balances.
    void CalculateBudget();
    // Switches the item names between locked and editable.
    void btnEditBudgetLabelsClick();
    // Puts the 22 default item names back (the debt item names stay).
    void btnRestoreDefaultBudgetItemsClick();

    LabelMode labelMode() const { return mode_; }
    void enterPage() override;

private:
    void buildPage();

    std::array<TEditField*, 2> incomes_{};
    std::array<TEditField*, planning::BudgetExpenseItems> itemNames_{};
    std::array<TEditField*, planning::BudgetExpenseItems> expenses_{};
    std::array<TEditField*, 2> debtItems_{};
    std::array<TEditField*, 2> debtReductions_{};
    QLabel* lblExpenditureBalance_ = nullptr;
    QLabel* lblBudgetBalance_ = nullptr;
    QPushButton* btnEditBudgetLabels_ = nullptr;
    QPushButton* btnRestoreDefaultBudgetItems_ = nullptr;
    LabelMode mode_ = LabelMode::Locked;
};

} // namespace larkspan
