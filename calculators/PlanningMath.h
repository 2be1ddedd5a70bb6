#pragma once
// The arithmetic of the three planning pages: paying a debt off against
// investing the cash, the savings plan table of future values, and the
// monthly budget. Pure functions and value types; the pages read their
// fields, call these and write the results. Rates enter as annual
// percentages (6 means 6 % a year). Arithmetic faults are raised as
// ArithmeticError (engine/Errors.h).

#include <QDate>
#include <QLatin1StringView>
#include <QString>

#include <array>
#include <optional>
#include <span>

namespace larkspan::planning {

// ------------------------------------------------------------ payoff or save

inline constexpr int PayoffYears = 10;

struct PayoffYear {
    double investment = 0; // the cash invested, at the end of the year
    double debt = 0;       // the debt it could have paid off, at the end of the year
    double difference = 0; // investment − debt
};

// Year y = 1..10 (index y − 1): both columns start from `cash` and compound
// once a year, each year from the previous year's unrounded value:
//   I(y) = I(y−1) × (1 + return/100),  D(y) = D(y−1) × (1 + debtRate/100).
// Example: 10000 at 18 % debt and 6 % return gives year 1 10,600 / 11,800.
std::array<PayoffYear, PayoffYears> payVsInvest(double cash, double debtRatePercent, double returnPercent);

// -------------------------------------------------------------- savings plan

// One choice of the two step groups: the item text of the radio group, the
// step it stands for and the text the report prints for it.
struct SavingsStep {
    QLatin1StringView item;
    double step;
    QLatin1StringView stepText;
};
// Payment steps (currency units) and rate steps (percentage points), in
// item order.
std::span<const SavingsStep> paymentSteps();
std::span<const SavingsStep> rateSteps();
// The step of item `index`, nothing when no item (or no such item) is chosen.
std::optional<SavingsStep> stepAt(std::span<const SavingsStep> steps, int index);

// The frequency texts of the two hidden frequency lists, in list order, and
// the periods per year each stands for.
struct SavingsFrequency {
    QLatin1StringView text;
    int periodsPerYear;
};
std::span<const SavingsFrequency> savingsFrequencies();
inline constexpr QLatin1StringView MonthlyText{"Monthly 12"};
inline constexpr QLatin1StringView ContinuouslyText{"Continuously"};
inline constexpr QLatin1StringView SimpleInterestText{"Simple Interest"};
// Periods per year of a frequency text; 12 for any text not in the table.
int periodsPerYear(const QString& text);

// The annuity choices, by item of the annuity group; "" when none is chosen.
inline constexpr QLatin1StringView OrdinaryText{"Ordinary"};
inline constexpr QLatin1StringView DueText{"Due"};
QString annuityText(int itemIndex);

// Whole calendar months from `start` to `end`; the days of the month play no
// part. Negative when `end` lies in an earlier month.
int monthsBetween(QDate start, QDate end);

// Future value at the end of the plan of `balance` and a regular `payment`.
// p, m: periods per year of the payment and compounding texts; r = rate/100;
// N = months / 12 × p payment periods (not rounded).
//  - balance and payment both 0: 0; r = 0: balance + payment × N.
//  - otherwise, through the effective annual rate E = (1 + r/m)^m − 1 and
//    the rate per payment period i = (1 + E)^(1/p) − 1, G = (1 + i)^N:
//      "Ordinary":   balance × G + payment × (G − 1) / i
//      other texts:  balance × G + payment × (((1 + i)^(N+1) − 1) / i − 1)
//  - "Continuously" and "Simple Interest" count whole payment periods from
//    the day count instead: see wholePeriodValue.
// Example: 1000, 100 a month, 6 %, 12 months: 2,295.23 Ordinary, 2,301.40 Due.
double CalcFV(const QString& paymentFrequency, const QString& compounding, double balance, double annualRate,
              int months, double payment, const QString& annuity, qint64 days);

// The value for the compounding texts "Continuously" and "Simple Interest":
// n = whole part of (days / 365 × p) payment periods, q = r / p, growth
// g(k) = e^(k × q) (continuously) or 1 + k × q (simple interest). The
// balance grows to balance × g(n). An "Ordinary" payment falls at the end
// of its period and grows g(k) for k = 0..n−1; any other annuity pays at
// the start and grows g(k) for k = 1..n. No payment counts when n ≤ 0.
// Example: 1000, 100 a month, 12 % simple interest, 365 days: 1120 + 1266
// = 2,386.00 Ordinary, 1120 + 1278 = 2,398.00 Due.
double wholePeriodValue(bool continuously, double balance, double annualRate, int paymentsPerYear,
                        double payment, bool ordinary, qint64 days);

inline constexpr int SavingsRows = 11;    // payment amounts
inline constexpr int SavingsColumns = 7;  // annual rates
inline constexpr int SavingsCentreColumn = 4; // the typed rate (1-based, as in the grid)

struct SavingsPlanInputs {
    double balance = 0;
    double payment = 0;
    double rate = 0;
    QString paymentFrequency = MonthlyText;
    QString compounding = MonthlyText;
    QDate begin;
    QDate end;
    QString annuity = OrdinaryText;
    double paymentStep = 0;
    double rateStep = 0;
};

struct SavingsPlanTable {
    std::array<double, SavingsRows> amounts{};   // row r+1: payment + r × step
    std::array<double, SavingsColumns> rates{};  // column c+1: rate + (c+1 − 4) × step
    // values[c][r]: the future value of column c+1, row r+1.
    std::array<std::array<double, SavingsRows>, SavingsColumns> values{};
};

SavingsPlanTable savingsPlanTable(const SavingsPlanInputs& in);

// Grid texts: " Savings / Rate" in the corner; a blank and the amount as
// currency text of precision 10 without decimals; two blanks and the rate
// with at most 5 significant digits and "%"; a blank and the value as
// currency text of precision 10 with 2 decimals.
inline constexpr QLatin1StringView SavingsCornerText{" Savings / Rate"};
QString savingsAmountHeading(double amount);
QString savingsRateHeading(double rate);
QString savingsValueCell(double value);

// -------------------------------------------------------------------- budget

inline constexpr int BudgetExpenseItems = 22;

// The default names of the expense items, item 1 first.
std::span<const QLatin1StringView> defaultBudgetItems();

struct BudgetFigures {
    std::array<double, 2> incomes{};
    std::array<double, BudgetExpenseItems> expenses{};
    std::array<double, 2> debtReductions{};
};

struct BudgetBalances {
    double expenditureBalance = 0; // income − expenses
    double budgetBalance = 0;      // income − (expenses + debt reductions)
};

// Sums run in item order.
BudgetBalances budgetBalances(const BudgetFigures& figures);

} // namespace larkspan::planning
