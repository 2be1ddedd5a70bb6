#include "calculators/DebtMath.h"

#include "engine/Errors.h"
#include "engine/Rw_money.h"

#include <algorithm>
#include <utility>

namespace larkspan::debt {

namespace {
// Sum over the rows of (balance / total) × rate; the weight first, then the
// product, in row order. 0 when the balances add up to exactly 0.
template <class Row>
double balanceWeightedRate(std::span<const Row> rows, double total)
{
    if (total == 0.0)
        return 0.0;
    double average = 0;
    for (const Row& row : rows) {
        const double weight = checkedDivide(row.balance, total, "average interest rate");
        average += weight * row.rate;
    }
    return checkedFinite(average, "average interest rate");
}
} // namespace

double weightedAverageRate(std::span<const CardRow> rows)
{
    double total = 0;
    for (const CardRow& row : rows)
        total += row.balance;
    return balanceWeightedRate(rows, total);
}

LoanTally tallyLoans(std::span<const LoanRow> rows)
{
    double borrowed = 0;
    double balance = 0;
    for (const LoanRow& row : rows) {
        borrowed += row.borrowed;
        balance += row.balance;
    }
    LoanTally tally;
    tally.totalDebt = checkedFinite(balance, "total debt");
    tally.principalPaid = checkedFinite(borrowed - balance, "principal paid");
    tally.averageRate = balanceWeightedRate(rows, balance);
    return tally;
}

CardTally tallyCards(std::span<const CardRow> rows)
{
    double total = 0;
    for (const CardRow& row : rows)
        total += row.balance;
    return CardTally{checkedFinite(total, "total card debt"), weightedAverageRate(rows)};
}

double tickedSum(std::span<const DebtSource> rows)
{
    double sum = 0;
    for (const DebtSource& row : rows)
        if (row.ticked)
            sum += row.balance;
    return checkedFinite(sum, "ticked balances");
}

void sortDebtArray(DebtArray& entries)
{
    for (int pass = 0; pass < DebtEntries - 1; ++pass)
        for (int i = 0; i + 1 < DebtEntries; ++i)
            if (entries[i].balance < entries[i + 1].balance)
                std::swap(entries[i], entries[i + 1]);
}

namespace {
void place(DebtArray& entries, int first, int count, std::span<const DebtSource> rows)
{
    const int n = std::min(count, static_cast<int>(rows.size()));
    for (int k = 0; k < n; ++k) {
        const DebtSource& row = rows[k];
        if (row.ticked)
            entries[first + k] = DebtEntry{row.name.left(DebtNameLength), row.payment, row.balance};
    }
}
} // namespace

DebtArray buildDebtArray(std::span<const DebtSource> cards, std::span<const DebtSource> loans)
{
    DebtArray entries{};
    place(entries, 0, CardRows, cards);
    place(entries, CardRows, LoanRows, loans);
    sortDebtArray(entries);
    return entries;
}

double CalcTotalBalance(const DebtArray& entries)
{
    double sum = 0;
    for (const DebtEntry& e : entries)
        sum += e.balance;
    return checkedFinite(sum, "total balance");
}

double totalPayment(const DebtArray& entries)
{
    double sum = 0;
    for (const DebtEntry& e : entries)
        sum += e.payment;
    return checkedFinite(sum, "total payment");
}

ConsolidationResult compareConsolidation(double amount, double annualRate, int termMonths, double currentTotal)
{
    ConsolidationResult result;
    result.payment = Rw_money::PaymentForPeriods(termMonths, Rw_money::MonthlyFrequencyCode, amount, annualRate);
    result.currentTotal = currentTotal;
    result.reduction = checkedFinite(currentTotal - result.payment, "reduction in monthly payment");
    return result;
}

} // namespace larkspan::debt
