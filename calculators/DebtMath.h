#pragma once
// The arithmetic of the debt picture: the loan and credit card tallies, the
// list of debts chosen for consolidation, and the comparison of one
// consolidation loan with the payments it replaces. Rows in, totals out; no
// widgets. Sums run in row order and nothing is rounded here: only the
// labels round.

#include <QString>

#include <array>
#include <span>

namespace larkspan::debt {

inline constexpr int LoanRows = 13;
inline constexpr int CardRows = 8;
// Cards take entries 1..8 of the debt array, loans 9..21.
inline constexpr int DebtEntries = CardRows + LoanRows;
// The consolidation list keeps this many characters of a creditor's name.
inline constexpr int DebtNameLength = 30;

// One row of the loan tally as read from its fields.
struct LoanRow {
    double borrowed = 0;
    double rate = 0;     // annual percent
    double balance = 0;  // current balance
};

struct LoanTally {
    double totalDebt = 0;      // sum of the current balances
    double principalPaid = 0;  // total borrowed less total debt; negative
                               // when the balances exceed what was borrowed
    double averageRate = 0;    // balance-weighted, in percent
};

// One card row: balance and annual percent rate.
struct CardRow {
    double balance = 0;
    double rate = 0;
};

struct CardTally {
    double totalDebt = 0;
    double averageRate = 0;
};

// Sum over k of (balance(k) / total) × rate(k), with total the sum of the
// balances; 0 when the total is exactly 0, so that an empty page shows a
// rate instead of dividing by zero. A row whose balance is 0 adds nothing,
// whatever its rate.
double weightedAverageRate(std::span<const CardRow> rows);

LoanTally tallyLoans(std::span<const LoanRow> rows);
CardTally tallyCards(std::span<const CardRow> rows);

// A row that may go into the consolidation list: a loan (monthly payment,
// current balance) or a card (minimum payment, balance).
struct DebtSource {
    QString name;
    double payment = 0;
    double balance = 0;
    bool ticked = false;
};

// Sum of the balances of the ticked rows, in row order.
double tickedSum(std::span<const DebtSource> rows);

struct DebtEntry {
    QString name;
    double payment = 0;
    double balance = 0;

    bool operator==(const DebtEntry&) const = default;
};

using DebtArray = std::array<DebtEntry, DebtEntries>;

// Sorts by balance, largest first, with 20 passes over the pairs (1,2) ..
// (20,21) that swap only when the first balance is strictly less than the
// second. Equal balances keep their order, so an entry of balance 0 stays
// among the blank entries and a negative balance sinks below all of them.
void sortDebtArray(DebtArray& entries);

// The array of the ticked rows: card k at entry k, loan k at entry 8 + k,
// names cut to their first 30 characters, then sorted. Rows beyond 8 cards
// or 13 loans are ignored; unticked rows leave their entry blank.
DebtArray buildDebtArray(std::span<const DebtSource> cards, std::span<const DebtSource> loans);

double CalcTotalBalance(const DebtArray& entries);
double totalPayment(const DebtArray& entries);

struct ConsolidationResult {
    double payment = 0;       // monthly payment of the consolidation loan
    double currentTotal = 0;  // the listed payments it replaces
    double reduction = 0;     // currentTotal − payment; negative when the
                              // new loan costs more each month
};

// The consolidation loan of `amount` at `annualRate` percent over
// `termMonths` monthly payments against the current total of the listed
// payments. A rate or term of 0 gives a payment of 0.
ConsolidationResult compareConsolidation(double amount, double annualRate, int termMonths, double currentTotal);

} // namespace larkspan::debt
