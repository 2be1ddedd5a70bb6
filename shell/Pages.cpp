#include "shell/Pages.h"

#include <QString>
#include <array>

namespace larkspan {

namespace {
using L = QLatin1StringView;

constexpr std::array<PageInfo, 12> kPages{{
    {0, pages::Menu, 5, L(""), L(""), L(""), L(""), 0, 0,
     L("mnuCalculatorsMain"), L("&Main Menu"), L("mnuPopMain"), L("&Main Menu"), L("mnuPopCalcsMain"), L("&Main Menu")},
    {1, pages::NetWorth, 20, L("> Discover Your Net Worth"), L("btnDiscoverYourNetWorth"), L("Your Net Worth"), L("Discover Your Net Worth"), 52, 0,
     L("mnuCalculatorsDiscoverYourNetWorth"), L("Discover Your &Net Worth"), L("mnuPopDiscoverYourNetWorth"), L("&Discover Your &Net Worth"),
     L("mnuPopCalcsDiscoverYourNetWorth"), L("Discover Your &Net Worth")},
    {2, pages::Solutions, 25, L("> 3 Debt Management Solutions"), L("btnSolutions"), L("3 Debt Management Solutions"), L("3 Debt Management Solutions"), 94, 3,
     L("mnuCalculatorsSolutions"), L("&3 Debt Management Solutions"), L("mnuPopSolutions"), L("&3 Debt Management Solutions"),
     L("mnuPopCalcsSolutions"), L("&3 Debt Management Solutions")},
    {3, pages::LoanDebt, 30, L("> Your Loan Debt"), L("btnTallyYourLoanDebt"), L("Your Loan Debt"), L("Your Loan Debt"), 136, 1,
     L("MnuCalculatorsTallyYourLoanDebt"), L("Your Loan &Debt"), L("mnuPopTallyYourLoanDebt"), L("Your Loan &Debt"),
     L("mnuPopCalcsTallyYourLoanDebt"), L("Your Loan &Debt")},
    {4, pages::CreditCardDebt, 40, L("> Your Credit Card Debt"), L("btnTallyYourCreditCardDebt"), L("Your Credit Card Debt"), L("Your Credit Card Debt"), 179, 2,
     L("mnuCalculatorsTallyYourCreditCardDebt"), L("&Your Credit Card Debt"), L("mnuPopTallyYourCreditCardDebt"), L("&Your Credit Card Debt"),
     L("mnuPopCalcsTallyYourCreditCardDebt"), L("&Your Credit Card Debt")},
    {5, pages::Consolidation, 50, L("> Consider Consolidation"), L("btnConsiderConsolidation"), L("Consider Consolidation"), L("Consider Consolidation"), 222, 4,
     L("mnuCalculatorsConsiderConsolidation"), L("&Consider Consolidation"), L("mnuPopConsiderConsolidation"), L("&Consider Consolidation"),
     L("mnuPopCalcsConsiderConsolidation"), L("&Consider Consolidation")},
    {6, pages::CompareLoans, 70, L("> Compare Consolidation Loans"), L("btnCompareConsolidationLoans"), L("  Compare Consolidation Loans"),
     L("Compare Consolidation Loans"), 265, 5,
     L("MnuCalculatorsCompareConsolidationLoans"), L("Compare Consolidation &Loans"), L("mnuPopCompareConsolidationLoans"), L("Compare Consolidation &Loans"),
     L("mnuPopCalcsCompareConsolidationLoans"), L("Compare Consolidation &Loans")},
    {7, pages::Amortization, 60, L("> Review Amortization / Payment Schedules"), L(""), L(""), L(""), 0, 0, L(""), L(""), L(""), L(""), L(""), L("")},
    {8, pages::PayoffOrSave, 80, L("> Payoff Debt or Save?"), L("btnPayoffOrSave"), L("Payoff or Save?"), L("Payoff or Save?"), 326, 6,
     L("mnuCalculatorsPayoffOrSave"), L("&Payoff Or Save?"), L("mnuPopPayoffOrSave"), L("&Payoff or Save?"),
     L("mnuPopCalcsPayoffOrSave"), L("&Payoff or Save?")},
    {9, pages::SavingsPlan, 90, L("> Explore A Savings Plan"), L("btnExploreASavingsPlan"), L("Explore a Savings Plan"), L("Explore a Savings Plan"), 369, 7,
     L("MnuCalculatorsExploreASavingsPlan"), L("Explore A &Savings Plan"), L("mnuPopExploreASavingsPlan"), L("Explore A &Savings Plan"),
     L("mnuPopCalcsExploreASavingsPlan"), L("Explore A &Savings Plan")},
    {10, pages::Budget, 100, L("> Create A Budget"), L("btnCreateABudget"), L("  Create a Budget"), L("Create a Budget"), 412, 8,
     L("mnuCalculatorsCreateABudget"), L("Create A &Budget"), L("mnuPopCreateABudget"), L("Create A &Budget"),
     L("mnuPopCalcsCreateABudget"), L("Create A &Budget")},
    {11, pages::CustomCalcs, 500, L(""), L(""), L(""), L(""), 0, 0, L(""), L(""), L(""), L(""), L(""), L("")},
}};

constexpr std::array<QLatin1StringView, 10> kRing{
    pages::Menu, pages::NetWorth, pages::Solutions, pages::LoanDebt, pages::CreditCardDebt,
    pages::Consolidation, pages::CompareLoans, pages::PayoffOrSave, pages::SavingsPlan, pages::Budget};
} // namespace

std::span<const PageInfo> pageTable()
{
    return kPages;
}

const PageInfo* pageInfo(QLatin1StringView name)
{
    for (const PageInfo& p : kPages)
        if (p.name == name)
            return &p;
    return nullptr;
}

const PageInfo* pageInfo(const QString& name)
{
    for (const PageInfo& p : kPages)
        if (name == p.name)
            return &p;
    return nullptr;
}

std::span<const QLatin1StringView> nextRing()
{
    return kRing;
}

} // namespace larkspan
