#include "shell/ResetValues.h"

#include <span>

namespace larkspan {

namespace {

// One amount, rate or count field and its sample value.
struct AmountSample {
    const char* field;
    double value;
};

// One row of the loan tally.
struct LoanSample {
    const char* creditor;
    double borrowed;
    double ratePercent;
    int termYears;
    double monthlyPayment;
    double currentBalance;
    bool consolidate;
};

// One row of the credit card tally.
struct CardSample {
    const char* account;
    double balance;
    double ratePercent;
    double minimumPayment;
    bool consolidate;
};

// ------------------------------------------------------------ the samples

// Assets 355,560.00, liabilities 174,000.00: net worth 181,560.00.
constexpr AmountSample kNetWorthSamples[] = {
    {"edtAsset1", 148000},     {"edtAsset2", 45000},      {"edtAsset3", 4000},   {"edtAsset4", 5000},
    {"edtAsset5", 400},        {"edtAsset6", 500},        {"edtAsset7", 500},    {"edtAsset13", 160},
    {"edtAsset18", 143000},    {"edtAsset21", 5000},      {"edtAsset22", 4000},  {"edtLiability1", 81000},
    {"edtLiability2", 54000},  {"edtLiability13", 18000}, {"edtLiability15", 21000},
};

// Rows 1 to 4; the ticked "Lender 4" joins the two ticked cards in the
// consolidation sample.
constexpr LoanSample kLoanDebtSamples[] = {
    {"Lender 1", 91000, 5.5, 30, 516.69, 75111.90, false},
    {"Lender 2", 63000, 8.5, 5, 1292.41, 50590.70, false},
    {"Lender 3", 50000, 9, 5, 1037.92, 47996.29, false},
    {"Lender 4", 5000, 13, 2, 113.77, 3676.91, true},
};

constexpr CardSample kCreditCardSamples[] = {
    {"Credit Card 1", 14000, 19.99, 500, true},
    {"Credit Card 2", 4500, 29.98, 200, true},
};

// The ticked sample debts: 14,000.00 + 4,500.00 + 3,676.91.
constexpr AmountSample kConsolidationSamples[] = {
    {"edtCCConsolidationTotal", 22176.91},
    {"edtCCInterestRate", 5.5},
    {"edtCCTerm", 60},
};

// The scenario the payoff schedules start from.
constexpr AmountSample kLoanCalculatorSamples[] = {
    {"edtLoan", 50000},
    {"edtInterest", 8.75},
    {"edtTerm", 60},
    {"edtPayment", 1031.86},
};

constexpr AmountSample kPayoffOrSaveSamples[] = {
    {"edtCash", 3000},
    {"edtDebtInterest", 19},
    {"edtInvestmentReturn", 8},
};

constexpr AmountSample kSavingsPlanSamples[] = {
    {"edtFVBalance", 50000},
    {"edtFVSavings", 500},
    {"edtFVInterest", 8.25},
};

// Income 4,400.00, expenses 3,780.00, debt reduction 500.00.
constexpr AmountSample kBudgetSamples[] = {
    {"edtCABIncome1", 3600},         {"edtCABIncome2", 800},          {"edtCABExpense1", 600},
    {"edtCABExpense2", 600},         {"edtCABExpense3", 180},         {"edtCABExpense4", 180},
    {"edtCABExpense5", 250},         {"edtCABExpense6", 200},         {"edtCABExpense7", 150},
    {"edtCABExpense8", 250},         {"edtCABExpense9", 500},         {"edtCABExpense10", 200},
    {"edtCABExpense11", 20},         {"edtCABExpense12", 300},        {"edtCABExpense13", 200},
    {"edtCABExpense14", 150},        {"edtCABDebtReduction1", 300},   {"edtCABDebtReduction2", 200},
};

constexpr int kLoanRows = 13;
constexpr int kCardRows = 8;

// ---------------------------------------------------------------- helpers

QString numbered(const char* prefix, int number)
{
    return QLatin1String(prefix) + QString::number(number);
}

// Fields prefix1 .. prefixN, all 0.
void appendZeroRange(ValueSet& set, const char* prefix, int count)
{
    for (int k = 1; k <= count; ++k)
        set.append({numbered(prefix, k), 0.0});
}

// The fields of the table, each with its sample value or with 0.
ValueSet amounts(std::span<const AmountSample> table, bool samples)
{
    ValueSet set;
    for (const AmountSample& s : table)
        set.append({QLatin1String(s.field), samples ? s.value : 0.0});
    return set;
}

// Puts the samples of the table in place of the values of the same fields.
void overlay(ValueSet& set, std::span<const AmountSample> table)
{
    for (const AmountSample& s : table)
        for (ControlSetting& c : set)
            if (c.control == QLatin1String(s.field))
                c.value = s.value;
}

void appendLoanRow(ValueSet& set, int k, const LoanSample& row)
{
    set.append({numbered("edtTDCreditor", k), QString::fromLatin1(row.creditor)});
    set.append({numbered("edtTDAmountBorrowed", k), row.borrowed});
    set.append({numbered("edtTDIR", k), row.ratePercent});
    set.append({numbered("edtTDTerm", k), double(row.termYears)});
    set.append({numbered("edtTDPayment", k), row.monthlyPayment});
    set.append({numbered("edtTDCurrentBalance", k), row.currentBalance});
    set.append({numbered("chbTDConsolidate", k), row.consolidate});
}

void appendCardRow(ValueSet& set, int k, const CardSample& row)
{
    set.append({numbered("edtTCAccount", k), QString::fromLatin1(row.account)});
    set.append({numbered("edtTCBalance", k), row.balance});
    set.append({numbered("edtTCIR", k), row.ratePercent});
    set.append({numbered("edtTCMinimumPayment", k), row.minimumPayment});
    set.append({numbered("chbTCConsolidate", k), row.consolidate});
}

} // namespace

// ------------------------------------------------------------------ sets

ValueSet netWorthValues(bool samples)
{
    ValueSet set;
    appendZeroRange(set, "edtAsset", 24);
    appendZeroRange(set, "edtLiability", 24);
    if (samples)
        overlay(set, kNetWorthSamples);
    return set;
}

ValueSet loanDebtValues(bool samples)
{
    const std::span<const LoanSample> rows = samples ? std::span<const LoanSample>(kLoanDebtSamples) : std::span<const LoanSample>();
    ValueSet set;
    for (int k = 1; k <= kLoanRows; ++k)
        appendLoanRow(set, k, k <= int(rows.size()) ? rows[k - 1] : LoanSample{"", 0, 0, 0, 0, 0, false});
    return set;
}

ValueSet creditCardDebtValues(bool samples)
{
    const std::span<const CardSample> rows = samples ? std::span<const CardSample>(kCreditCardSamples) : std::span<const CardSample>();
    ValueSet set;
    for (int k = 1; k <= kCardRows; ++k)
        appendCardRow(set, k, k <= int(rows.size()) ? rows[k - 1] : CardSample{"", 0, 0, 0, false});
    // The hidden payment-plan values are 0 in both sets.
    for (const char* hidden : {"edtTCDebtFreeMinimum", "edtTCDebtFreeYears", "edtTCDebtFreeMonths"})
        set.append({QLatin1String(hidden), 0.0});
    return set;
}

ValueSet consolidationValues(bool samples)
{
    return amounts(kConsolidationSamples, samples);
}

ValueSet loanCalculatorValues(bool samples)
{
    ValueSet set = amounts(kLoanCalculatorSamples, samples);
    // Both sets compute the payment.
    set.append({QStringLiteral("rgCalculate"), 0});
    return set;
}

ValueSet payoffOrSaveValues(bool samples)
{
    return amounts(kPayoffOrSaveSamples, samples);
}

ValueSet savingsPlanValues(bool samples, const QDate& today)
{
    const QString monthly = QStringLiteral("Monthly 12");
    ValueSet set = amounts(kSavingsPlanSamples, samples);
    // Both sets: a ten-year plan from the start-up date, monthly, ordinary
    // annuity, steps of 25 and .25.
    set.append({QStringLiteral("dtpBeginDate"), today});
    set.append({QStringLiteral("dtpEndDate"), today.addDays(3652)});
    set.append({QStringLiteral("cbFVPaymentFrequency"), monthly});
    set.append({QStringLiteral("cbFVCompoundingFrequency"), monthly});
    set.append({QStringLiteral("rgFVAnnuity"), 0});
    set.append({QStringLiteral("rgFVSavings"), 1});
    set.append({QStringLiteral("rgFVInterest"), 3});
    return set;
}

ValueSet budgetValues(bool samples)
{
    ValueSet set;
    appendZeroRange(set, "edtCABIncome", 2);
    appendZeroRange(set, "edtCABExpense", 22);
    appendZeroRange(set, "edtCABDebtReduction", 2);
    if (samples)
        overlay(set, kBudgetSamples);
    return set;
}

} // namespace larkspan
