#include "calculators/PlanningMath.h"

#include "engine/Errors.h"
#include "shell/AmountText.h"

#include <cmath>

namespace larkspan::planning {

namespace {

constexpr SavingsStep PaymentStepTable[] = {
    {QLatin1StringView("10"), 10, QLatin1StringView("$10")},
    {QLatin1StringView("25"), 25, QLatin1StringView("$25")},
    {QLatin1StringView("50"), 50, QLatin1StringView("$50")},
    {QLatin1StringView("75"), 75, QLatin1StringView("$75")},
    {QLatin1StringView("100"), 100, QLatin1StringView("$100")},
    {QLatin1StringView("125"), 125, QLatin1StringView("$125")},
    {QLatin1StringView("150"), 150, QLatin1StringView("$150")},
    {QLatin1StringView("200"), 200, QLatin1StringView("$200")},
    {QLatin1StringView("250"), 250, QLatin1StringView("$250")},
};

constexpr SavingsStep RateStepTable[] = {
    {QLatin1StringView(".10"), 0.1, QLatin1StringView("1/10%")},
    {QLatin1StringView(".125"), 0.125, QLatin1StringView("1/8%")},
    {QLatin1StringView(".20"), 0.2, QLatin1StringView("1/5%")},
    {QLatin1StringView(".25"), 0.25, QLatin1StringView("1/4%")},
    {QLatin1StringView(".333"), 1.0 / 3.0, QLatin1StringView("1/3%")},
    {QLatin1StringView(".375"), 0.375, QLatin1StringView("3/8%")},
    {QLatin1StringView(".5"), 0.5, QLatin1StringView("1/2%")},
    {QLatin1StringView(".75"), 0.75, QLatin1StringView("3/4%")},
    {QLatin1StringView("1.0"), 1.0, QLatin1StringView("1%")},
};

constexpr SavingsFrequency FrequencyTable[] = {
    {QLatin1StringView("Daily 365"), 365},    {QLatin1StringView("Daily 360"), 360},
    {QLatin1StringView("Weekly 52"), 52},     {QLatin1StringView("Biweekly 26"), 26},
    {QLatin1StringView("Semimonthly 24"), 24}, {QLatin1StringView("Monthly 12"), 12},
    {QLatin1StringView("Bimonthly 6"), 6},    {QLatin1StringView("Quarterly 4"), 4},
    {QLatin1StringView("Semiannually 2"), 2}, {QLatin1StringView("Annually 1"), 1},
};

constexpr QLatin1StringView DefaultBudgetItemTable[BudgetExpenseItems] = {
    QLatin1StringView("Food"),          QLatin1StringView("Housing"),      QLatin1StringView("Utilities"),
    QLatin1StringView("Insurance"),     QLatin1StringView("Car Payment"),  QLatin1StringView("Gasoline"),
    QLatin1StringView("Clothing"),      QLatin1StringView("Education"),    QLatin1StringView("Household"),
    QLatin1StringView("Medical"),       QLatin1StringView("Pet Expenses"), QLatin1StringView("Charity"),
    QLatin1StringView("Personal Care"), QLatin1StringView("Entertainment"), QLatin1StringView("Other"),
    QLatin1StringView("Other"),         QLatin1StringView("Other"),        QLatin1StringView("Other"),
    QLatin1StringView("Other"),         QLatin1StringView("Other"),        QLatin1StringView("Other"),
    QLatin1StringView("Other"),
};

using Real = long double; // the future values are worked in extended precision

Real lnChecked(Real x, const char* where)
{
    if (!(x > 0))
        throw ArithmeticError(ArithmeticError::Kind::InvalidOperation, std::string("logarithm of a non-positive number in ") + where);
    return std::log(x);
}

double finiteResult(Real x, const char* where)
{
    return checkedFinite(static_cast<double>(x), where);
}

// Σ x^k for k = first..last (no terms when last < first).
Real geometricSum(Real x, Real first, Real last)
{
    if (last < first)
        return 0;
    if (x == 1)
        return last - first + 1;
    return (std::pow(x, last + 1) - std::pow(x, first)) / (x - 1);
}

// Σ (1 + k × q) for k = first..last.
Real arithmeticSum(Real q, Real first, Real last)
{
    if (last < first)
        return 0;
    const Real count = last - first + 1;
    return count + q * (first + last) * count / 2;
}

} // namespace

// ------------------------------------------------------------ payoff or save

std::array<PayoffYear, PayoffYears> payVsInvest(double cash, double debtRatePercent, double returnPercent)
{
    const double d = debtRatePercent / 100;
    const double i = returnPercent / 100;
    std::array<PayoffYear, PayoffYears> years{};
    double investment = cash;
    double debt = cash;
    for (PayoffYear& y : years) {
        investment = checkedFinite(investment + investment * i, "investment growth");
        debt = checkedFinite(debt + debt * d, "debt growth");
        y = {investment, debt, checkedFinite(investment - debt, "difference")};
    }
    return years;
}

// -------------------------------------------------------------- savings plan

std::span<const SavingsStep> paymentSteps()
{
    return PaymentStepTable;
}

std::span<const SavingsStep> rateSteps()
{
    return RateStepTable;
}

std::optional<SavingsStep> stepAt(std::span<const SavingsStep> steps, int index)
{
    if (index < 0 || index >= static_cast<int>(steps.size()))
        return std::nullopt;
    return steps[static_cast<std::size_t>(index)];
}

std::span<const SavingsFrequency> savingsFrequencies()
{
    return FrequencyTable;
}

int periodsPerYear(const QString& text)
{
    for (const SavingsFrequency& f : FrequencyTable)
        if (text == f.text)
            return f.periodsPerYear;
    return 12;
}

QString annuityText(int itemIndex)
{
    switch (itemIndex) {
    case 0:
        return OrdinaryText;
    case 1:
        return DueText;
    default:
        return {};
    }
}

int monthsBetween(QDate start, QDate end)
{
    return (end.year() - start.year()) * 12 + end.month() - start.month();
}

double wholePeriodValue(bool continuously, double balance, double annualRate, int paymentsPerYear, double payment,
                        bool ordinary, qint64 days)
{
    const Real p = paymentsPerYear;
    const Real q = static_cast<Real>(annualRate) / 100 / p;
    const Real n = std::trunc(static_cast<Real>(days) / 365 * p);
    // An ordinary payment is made at the end of its period, so the last one
    // earns nothing; a payment due at the start earns one period more.
    const Real first = ordinary ? 0 : 1;
    const Real last = ordinary ? n - 1 : n;
    Real value = 0;
    if (continuously) {
        const Real x = std::exp(q);
        value = balance * std::exp(n * q) + payment * geometricSum(x, first, last);
    } else {
        value = balance * (1 + n * q) + payment * arithmeticSum(q, first, last);
    }
    return finiteResult(value, "savings value");
}

double CalcFV(const QString& paymentFrequency, const QString& compounding, double balance, double annualRate,
              int months, double payment, const QString& annuity, qint64 days)
{
    const int paymentsPerYear = periodsPerYear(paymentFrequency);
    const Real p = paymentsPerYear;
    const Real m = periodsPerYear(compounding);
    const Real r = static_cast<Real>(annualRate) / 100;
    const Real n = static_cast<Real>(months) / 12 * p;
    const Real b = balance;
    const Real s = payment;

    if (balance == 0 && payment == 0)
        return 0;
    if (r == 0)
        return finiteResult(b + s * n, "savings value");
    if (compounding == ContinuouslyText || compounding == SimpleInterestText)
        return wholePeriodValue(compounding == ContinuouslyText, balance, annualRate, paymentsPerYear, payment,
                                annuity == OrdinaryText, days);

    const Real effective = std::pow(1 + r / m, m) - 1;
    const Real i = std::exp(lnChecked(1 + effective, "savings rate") / p) - 1;
    // A rate so small that it vanishes per period grows nothing.
    if (i == 0)
        return finiteResult(b + s * n, "savings value");
    const Real lnGrowth = lnChecked(1 + i, "savings growth");
    const Real g = std::exp(n * lnGrowth);
    Real value = 0;
    if (annuity == OrdinaryText)
        value = b * g + s * (g - 1) / i;
    else
        value = b * g + s * ((std::exp((n + 1) * lnGrowth) - 1) / i - 1);
    return finiteResult(value, "savings value");
}

SavingsPlanTable savingsPlanTable(const SavingsPlanInputs& in)
{
    SavingsPlanTable t;
    for (int r = 0; r < SavingsRows; ++r)
        t.amounts[static_cast<std::size_t>(r)] = in.payment + r * in.paymentStep;
    for (int c = 0; c < SavingsColumns; ++c)
        t.rates[static_cast<std::size_t>(c)] = in.rate + (c + 1 - SavingsCentreColumn) * in.rateStep;
    const int months = monthsBetween(in.begin, in.end);
    const qint64 days = in.begin.daysTo(in.end);
    for (int c = 0; c < SavingsColumns; ++c)
        for (int r = 0; r < SavingsRows; ++r)
            t.values[static_cast<std::size_t>(c)][static_cast<std::size_t>(r)]
                = CalcFV(in.paymentFrequency, in.compounding, in.balance, t.rates[static_cast<std::size_t>(c)], months,
                         t.amounts[static_cast<std::size_t>(r)], in.annuity, days);
    return t;
}

QString savingsAmountHeading(double amount)
{
    return QLatin1Char(' ') + amounts::currencyText(amount, 10, 0);
}

QString savingsRateHeading(double rate)
{
    return QStringLiteral("  ") + amounts::percentTextGeneral(rate, 5);
}

QString savingsValueCell(double value)
{
    return QLatin1Char(' ') + amounts::currencyText(value, 10, 2);
}

// -------------------------------------------------------------------- budget

std::span<const QLatin1StringView> defaultBudgetItems()
{
    return DefaultBudgetItemTable;
}

BudgetBalances budgetBalances(const BudgetFigures& f)
{
    const double income = f.incomes[0] + f.incomes[1];
    double expenses = 0;
    for (const double x : f.expenses)
        expenses += x;
    const double debtReduction = f.debtReductions[0] + f.debtReductions[1];
    return {checkedFinite(income - expenses, "budget"), checkedFinite(income - (expenses + debtReduction), "budget")};
}

} // namespace larkspan::planning
