#include "shell/Reset.h"

#include "calculators/Budget.h"
#include "calculators/Consolidation.h"
#include "calculators/CreditCardDebt.h"
#include "calculators/LoanDebt.h"
#include "calculators/NetWorth.h"
#include "calculators/PayoffOrSave.h"
#include "calculators/SavingsPlan.h"
#include "loantools/LoanCalculator.h"
#include "loantools/PayoffSchedules.h"
#include "shell/AppState.h"
#include "shell/EditField.h"
#include "shell/Pages.h"
#include "shell/RadioGroup.h"
#include "shell/ResetValues.h"
#include "shell/ShellServices.h"
#include "shell/StringGrid.h"

#include <QAbstractButton>
#include <QComboBox>
#include <QDateTimeEdit>

namespace larkspan {

namespace {

template <class... F>
struct Overloaded : F... {
    using F::operator()...;
};

// Writes one value into the control of that name by the control's kind. A
// control the window does not hold, or one of another kind, is left alone.
void write(ShellServices& shell, const ControlSetting& setting)
{
    QWidget* w = shell.control(setting.control);
    if (!w)
        return;
    std::visit(Overloaded{
                   [w](double number) {
                       if (auto* edit = qobject_cast<TEditField*>(w))
                           edit->setValue(number);
                   },
                   [w](const QString& text) {
                       if (auto* edit = qobject_cast<QLineEdit*>(w))
                           edit->setText(text);
                       else if (auto* list = qobject_cast<QComboBox*>(w)) {
                           const int index = list->findText(text);
                           if (index >= 0)
                               list->setCurrentIndex(index);
                           else if (list->isEditable())
                               list->setEditText(text);
                       }
                   },
                   [w](bool ticked) {
                       if (auto* box = qobject_cast<QAbstractButton*>(w))
                           box->setChecked(ticked);
                   },
                   [w](int item) {
                       if (auto* group = qobject_cast<TRadioGroup*>(w))
                           group->setItemIndex(item);
                   },
                   [w](const QDate& date) {
                       if (auto* picker = qobject_cast<QDateTimeEdit*>(w))
                           picker->setDate(date);
                   },
               },
               setting.value);
}

void writeAll(ShellServices& shell, const ValueSet& values)
{
    for (const ControlSetting& setting : values)
        write(shell, setting);
}

template <class Page>
Page* pageOf(const ShellServices& shell, QLatin1StringView name)
{
    return qobject_cast<Page*>(shell.page(name));
}

// ------------------------------------------------------------ page resets

void ResetNetWorth(ShellServices& shell, bool samples)
{
    writeAll(shell, netWorthValues(samples));
    if (auto* p = pageOf<NetWorthPage>(shell, pages::NetWorth))
        p->CalcNetworth();
}

void ResetLoanDebt(ShellServices& shell, bool samples)
{
    writeAll(shell, loanDebtValues(samples));
    // Also refreshes the consolidation list.
    if (auto* p = pageOf<LoanDebtPage>(shell, pages::LoanDebt))
        p->CalcTallyDebts();
}

void ResetCreditCardDebt(ShellServices& shell, bool samples)
{
    writeAll(shell, creditCardDebtValues(samples));
    if (auto* p = pageOf<CreditCardDebtPage>(shell, pages::CreditCardDebt))
        p->TallyCreditCardDebts();
}

void ResetConsolidation(ShellServices& shell, bool samples)
{
    writeAll(shell, consolidationValues(samples));
    if (auto* p = pageOf<ConsolidationPage>(shell, pages::Consolidation)) {
        p->FillDebtArray();
        p->CalculateConsolidation();
    }
}

void ResetLoanCalculator(ShellServices& shell, bool samples)
{
    writeAll(shell, loanCalculatorValues(samples));
    if (auto* p = pageOf<LoanCalculatorPage>(shell, pages::CompareLoans)) {
        if (!samples)
            p->CleanGrid();
        p->ChooseMarigridCalculator();
    }
    if (shell.activePageName() == pages::CompareLoans)
        if (QWidget* loan = shell.control(QStringLiteral("edtLoan")))
            loan->setFocus();
}

void ResetPayoffOrSave(ShellServices& shell, bool samples)
{
    writeAll(shell, payoffOrSaveValues(samples));
    if (auto* p = pageOf<PayoffOrSavePage>(shell, pages::PayoffOrSave))
        p->CalculatePayVsInvest();
}

void ResetSavingsPlan(ShellServices& shell, bool samples)
{
    writeAll(shell, savingsPlanValues(samples, shell.state().Today.date()));
    if (auto* p = pageOf<SavingsPlanPage>(shell, pages::SavingsPlan))
        p->CalculateGrdFV();
}

void ResetBudget(ShellServices& shell, bool samples)
{
    // The item names and the edit mode stay as they are.
    writeAll(shell, budgetValues(samples));
    if (auto* p = pageOf<BudgetPage>(shell, pages::Budget))
        p->CalculateBudget();
}

struct PageReset {
    QLatin1StringView page;
    void (*reset)(ShellServices&, bool samples);
};

constexpr PageReset kPageResets[] = {
    {pages::NetWorth, &ResetNetWorth},
    {pages::LoanDebt, &ResetLoanDebt},
    {pages::CreditCardDebt, &ResetCreditCardDebt},
    {pages::Consolidation, &ResetConsolidation},
    {pages::CompareLoans, &ResetLoanCalculator},
    {pages::PayoffOrSave, &ResetPayoffOrSave},
    {pages::SavingsPlan, &ResetSavingsPlan},
    {pages::Budget, &ResetBudget},
};

void clearGrid(ShellServices& shell, const QString& name)
{
    if (auto* grid = qobject_cast<TStringGrid*>(shell.control(name))) {
        grid->cells().clearTexts();
        grid->cells().clearCellColors();
    }
}

} // namespace

void ResetCalculators(ShellServices& shell, ResetChoice choice)
{
    const bool samples = choice == ResetChoice::Samples;
    shell.state().UseSampleValues = samples;
    const QString active = shell.activePageName();
    for (const PageReset& r : kPageResets)
        if (active == r.page) {
            r.reset(shell, samples);
            return;
        }
}

void RestoreZeroValues(ShellServices& shell)
{
    AppState& state = shell.state();
    auto* payoff = pageOf<AmortizationPage>(shell, pages::Amortization);

    state.Schedule = std::make_unique<TMortgage>();

    if (!state.UseSampleValues) {
        QWidget* panel = shell.control(QStringLiteral("pnlExtraPrincipal"));
        if (panel && !panel->isHidden()) {
            writeAll(shell, {{QStringLiteral("edtFromPayment"), 0.0},
                             {QStringLiteral("edtToPayment"), 0.0},
                             {QStringLiteral("edtExtraAmount"), 0.0}});
            panel->hide();
            if (payoff)
                payoff->btnCancelClick();
        }
        // The scenario the schedule is built from, and the stored payment.
        state.ScenarioAmount = 0;
        state.ScenarioRate = 0;
        state.ScenarioTerm = 0;
        state.ScheduleTerm = 0;
        state.StoredPayment = 0;
        writeAll(shell, {{QStringLiteral("cbMonth"), state.TodayMonthShort},
                         {QStringLiteral("edtYear"), double(state.TodayYear)}});
        clearGrid(shell, QStringLiteral("grdMonthlyAmortization"));
        clearGrid(shell, QStringLiteral("grdAnnualAmortization"));
    }

    if (!payoff)
        return;
    payoff->CreatePrepaymentList();
    payoff->FormatAmortizationGrids();

    // Rebuilding and focusing the start month make sense only while the
    // payoff schedules page, which holds cbMonth, is on show.
    if (shell.activePageName() == pages::Amortization) {
        payoff->CalcAmortization();
        if (QWidget* month = shell.control(QStringLiteral("cbMonth")))
            month->setFocus();
    }
}

} // namespace larkspan
