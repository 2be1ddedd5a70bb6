#pragma once
// The pages of the main notebook, in page order, and what belongs to each:
// help context, caption in the title strip, main-menu button, and the three
// menu items (the "trio") that lead to it. One table read by the window
// builder, navigation, help and printing.

#include <QLatin1StringView>
#include <span>

namespace larkspan {

struct PageInfo {
    int index;
    QLatin1StringView name;
    int helpContext;
    QLatin1StringView caption;       // in lblCalculatorName
    QLatin1StringView button;        // main-menu button, empty when none
    QLatin1StringView buttonCaption;
    QLatin1StringView buttonHint;
    int buttonTop;
    int buttonTabOrder;
    // The trio: items of MnuCalculators, MnuPopup and mnuPopCalcs.
    QLatin1StringView calculatorsItem;
    QLatin1StringView calculatorsCaption;
    QLatin1StringView popItem;
    QLatin1StringView popCaption;
    QLatin1StringView popCalcsItem;
    QLatin1StringView popCalcsCaption;
};

namespace pages {
inline constexpr QLatin1StringView Menu{"pgMenu"};
inline constexpr QLatin1StringView NetWorth{"pgDiscoverYourNetWorth"};
inline constexpr QLatin1StringView Solutions{"pgSolutions"};
inline constexpr QLatin1StringView LoanDebt{"pgTallyYourLoanDebt"};
inline constexpr QLatin1StringView CreditCardDebt{"pgTallyYourCreditCardDebt"};
inline constexpr QLatin1StringView Consolidation{"pgConsiderConsolidation"};
inline constexpr QLatin1StringView CompareLoans{"pgCompareConsolidationLoans"};
inline constexpr QLatin1StringView Amortization{"pgAmortization"};
inline constexpr QLatin1StringView PayoffOrSave{"pgPayoffOrSave"};
inline constexpr QLatin1StringView SavingsPlan{"pgExploreASavingsPlan"};
inline constexpr QLatin1StringView Budget{"pgCreateABudget"};
inline constexpr QLatin1StringView CustomCalcs{"pgCustomCalcs"};
} // namespace pages

// All twelve pages in page order.
std::span<const PageInfo> pageTable();
// The page of that name, or nullptr.
const PageInfo* pageInfo(QLatin1StringView name);
const PageInfo* pageInfo(const QString& name);
// The Next ring (Previous walks it backwards; both wrap).
std::span<const QLatin1StringView> nextRing();

} // namespace larkspan
