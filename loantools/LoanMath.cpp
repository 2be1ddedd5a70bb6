#include "loantools/LoanMath.h"

#include "engine/Errors.h"
#include "engine/Rw_money.h"
#include "shell/AmountText.h"
#include "shell/Regional.h"

#include <cmath>

namespace larkspan::loanmath {

namespace {

using L = QLatin1StringView;

constexpr Increment LoanIncrements[] = {
    {100, L("$100"), L("$100")},    {250, L("$250"), L("$250")},    {500, L("$500"), L("$500")},
    {1000, L("$1000"), L("$1000")}, {2000, L("$2000"), L("$2000")}, {2500, L("$2500"), L("$2500")},
    {3000, L("$3000"), L("$3000")}, {4000, L("$4000"), L("$4000")}, {5000, L("$5000"), L("$5000")},
};

constexpr Increment RateIncrements[] = {
    {0.125, L(" .125"), L("1/8%")}, {0.25, L(" .25"), L("1/4%")},   {0.375, L(" .375"), L("3/8%")},
    {0.5, L(" .5"), L("1/2%")},     {0.625, L(" .625"), L("5/8%")}, {0.75, L(" .75"), L("3/4%")},
    {0.875, L(" .875"), L("7/8%")}, {1.0, L("1.0"), L("1%")},
};

constexpr Increment PaymentIncrements[] = {
    {10, L("$10"), L("$10")},   {25, L("$25"), L("$25")},   {50, L("$50"), L("$50")},
    {75, L("$75"), L("$75")},   {100, L("$100"), L("$100")}, {125, L("$125"), L("$125")},
    {150, L("$150"), L("$150")}, {175, L("$175"), L("$175")}, {200, L("$200"), L("$200")},
};

constexpr QLatin1StringView RateCaptionsDecimal[] = {L(".125"), L(".25"), L(".375"), L(".5"),
                                                     L(".625"), L(".75"), L(".875"), L("1")};
constexpr QLatin1StringView RateCaptionsFraction[] = {L("1/8's"), L("1/4's"), L("3/8's"), L("1/2's"),
                                                      L("5/8's"), L("3/4's"), L("7/8's"), L("1")};

constexpr SpreadFrequency SpreadFrequencies[] = {
    {L("Constant"), 0, 24},    {L("Daily 365"), 1, 365},  {L("Daily 360"), 2, 360}, {L("Weekly 52"), 3, 52},
    {L("Biweekly 26"), 4, 26}, {L("Bimonthly 24"), 5, 24}, {L("Monthly 12"), 6, 12}, {L("Quarterly 4"), 7, 4},
    {L("Biannually 2"), 8, 2}, {L("Annually 1"), 9, 1},
};

QString blank(int n) { return QString(n, QLatin1Char(' ')); }

double rowValue(double base, double step, int row) { return base + (row - CentreRow) * step; }
double columnValue(double base, double step, int column) { return base + (column - CentreColumn) * step; }

} // namespace

std::optional<ComputeChoice> computeChoiceFromIndex(int index)
{
    if (index < 0 || index > 3)
        return std::nullopt;
    return static_cast<ComputeChoice>(index);
}

std::span<const Increment> loanIncrements() { return LoanIncrements; }
std::span<const Increment> rateIncrements() { return RateIncrements; }
std::span<const Increment> paymentIncrements() { return PaymentIncrements; }
std::span<const QLatin1StringView> rateCaptionsDecimal() { return RateCaptionsDecimal; }
std::span<const QLatin1StringView> rateCaptionsFraction() { return RateCaptionsFraction; }

double stepOf(std::span<const Increment> table, int index)
{
    return index >= 0 && index < static_cast<int>(table.size()) ? table[static_cast<std::size_t>(index)].step : 0.0;
}

QString stepTextOf(std::span<const Increment> table, int index)
{
    return index >= 0 && index < static_cast<int>(table.size()) ? QString(table[static_cast<std::size_t>(index)].stepText)
                                                                 : QStringLiteral(" ");
}

std::span<const SpreadFrequency> spreadFrequencies() { return SpreadFrequencies; }

const SpreadFrequency* spreadFrequencyForText(const QString& text)
{
    for (const SpreadFrequency& f : SpreadFrequencies)
        if (text == f.text)
            return &f;
    return nullptr;
}

QString fixedText(double value, int precision, int decimals)
{
    checkedFinite(value, "fixed-point text");
    const double magnitude = std::fabs(value);
    // Digits left of the decimal point once rounded to `precision` digits.
    int integerDigits = 0;
    if (magnitude >= 1.0) {
        const double rounded = QString::number(magnitude, 'g', precision).toDouble();
        integerDigits = static_cast<int>(std::floor(std::log10(rounded))) + 1;
    }
    if (integerDigits > precision)
        return amounts::generalText(value, precision);
    const int kept = std::min(decimals, precision - integerDigits);
    const double rounded = QString::number(value, 'f', std::max(kept, 0)).toDouble();
    QString text = QString::number(rounded, 'f', decimals);
    if (text.startsWith(QLatin1Char('-')) && QString::number(std::fabs(rounded), 'f', decimals).toDouble() == 0.0)
        text.remove(0, 1);
    const QChar dec = RegionalConventions::current().decimalSeparator;
    if (dec != QLatin1Char('.'))
        text.replace(QLatin1Char('.'), dec);
    return text;
}

QString termYearsText(double term, double periodsPerYear)
{
    const QString years = fixedText(checkedDivide(term, periodsPerYear, "term in years"), 12, 2);
    const bool one = years == QLatin1String("1.00") || years == QLatin1String("1,00");
    return years + (one ? QStringLiteral(" year.") : QStringLiteral(" years."));
}

SingleResult computeSingle(ComputeChoice choice, const LoanInputs& in)
{
    const int n = in.term;
    const int code = in.frequencyCode;
    SingleResult r;
    switch (choice) {
    case ComputeChoice::Payments:
        r.value = Rw_money::PaymentForPeriods(n, code, in.loan, in.rate);
        r.totalPaid = r.value * n;
        r.interestPaid = r.value * n - in.loan;
        break;
    case ComputeChoice::LoanAmounts:
        r.value = Rw_money::AmountForPayment(n, code, 0.0, in.rate, in.payment);
        r.totalPaid = n * in.payment;
        r.interestPaid = n * in.payment - r.value;
        break;
    case ComputeChoice::Rates:
        r.value = Rw_money::RateForPayment(code, n, in.loan, 0.0, in.payment);
        r.totalPaid = in.payment * n;
        r.interestPaid = in.payment * n - in.loan;
        break;
    case ComputeChoice::Term: {
        const double t = Rw_money::PeriodsForPayment(code, in.loan, in.payment, in.rate);
        r.value = truncToInt32(t, "term");
        r.totalPaid = checkedFinite(t * in.payment, "total paid");
        r.interestPaid = checkedFinite(t * in.payment - in.loan, "interest paid");
        break;
    }
    }
    return r;
}

SpreadTable computeSpread(ComputeChoice choice, const LoanInputs& in, const SpreadSteps& steps, double taxesAndInsurance)
{
    using amounts::currencyText;
    using amounts::percentTextGeneral;
    SpreadTable t;
    const int n = in.term;
    const int code = in.frequencyCode;
    switch (choice) {
    case ComputeChoice::Payments:
        t.corner = QStringLiteral(" Loan / Rate");
        for (int r = 1; r <= SpreadRows; ++r)
            t.rowHeadings[r - 1] = blank(1) + currencyText(rowValue(in.loan, steps.loan, r), 10, 0);
        for (int c = 1; c <= SpreadColumns; ++c)
            t.columnHeadings[c - 1] = blank(2) + percentTextGeneral(columnValue(in.rate, steps.rate, c), c <= 4 ? 10 : 5);
        for (int c = 1; c <= SpreadColumns; ++c)
            for (int r = 1; r <= SpreadRows; ++r) {
                const double p = Rw_money::PaymentForPeriods(n, code, rowValue(in.loan, steps.loan, r),
                                                              columnValue(in.rate, steps.rate, c));
                t.cells[c - 1][r - 1] = blank(1) + currencyText(p + taxesAndInsurance, 10, 2);
            }
        break;
    case ComputeChoice::LoanAmounts:
        for (int r = 1; r <= SpreadRows; ++r)
            t.rowHeadings[r - 1] = blank(1) + currencyText(rowValue(in.payment, steps.payment, r), 10, 2);
        for (int c = 1; c <= SpreadColumns; ++c)
            t.columnHeadings[c - 1] = blank(2) + percentTextGeneral(columnValue(in.rate, steps.rate, c), 10);
        for (int c = 1; c <= SpreadColumns; ++c)
            for (int r = 1; r <= SpreadRows; ++r) {
                const double a = Rw_money::AmountForPayment(n, code, 0.0, columnValue(in.rate, steps.rate, c),
                                                             rowValue(in.payment, steps.payment, r));
                t.cells[c - 1][r - 1] = blank(1) + currencyText(a, 10, 0);
            }
        break;
    case ComputeChoice::Rates:
    case ComputeChoice::Term:
        for (int r = 1; r <= SpreadRows; ++r)
            t.rowHeadings[r - 1] = blank(1) + currencyText(rowValue(in.loan, steps.loan, r), 10, 0);
        for (int c = 1; c <= SpreadColumns; ++c)
            t.columnHeadings[c - 1] = blank(2) + currencyText(columnValue(in.payment, steps.payment, c), 10, 2);
        for (int c = 1; c <= SpreadColumns; ++c)
            for (int r = 1; r <= SpreadRows; ++r) {
                const double amount = rowValue(in.loan, steps.loan, r);
                const double payment = columnValue(in.payment, steps.payment, c);
                if (choice == ComputeChoice::Rates) {
                    const double rate = Rw_money::RateForPayment(code, n, amount, 0.0, payment);
                    t.cells[c - 1][r - 1] = blank(1) + fixedText(rate, 5, 3) + QLatin1Char('%');
                } else {
                    const double term = Rw_money::PeriodsForPayment(code, amount, payment, in.rate);
                    t.cells[c - 1][r - 1] = (c == 1 ? QString() : blank(1)) + fixedText(term, 5, 2);
                }
            }
        break;
    }
    return t;
}

SpreadTable placeholderTable(ComputeChoice choice)
{
    using amounts::currencyText;
    SpreadTable t;
    t.hasBody = false;
    const auto amountHeadings = [&t] {
        for (int r = 1; r <= SpreadRows; ++r)
            t.rowHeadings[r - 1] = blank(1) + currencyText(92000.0 + 1000.0 * r, 10, 0);
    };
    const auto paymentHeadings = [&t] {
        for (int c = 1; c <= SpreadColumns; ++c)
            t.columnHeadings[c - 1] = currencyText(550.0 + 50.0 * c, 10, 2);
    };
    switch (choice) {
    case ComputeChoice::Payments:
        t.corner = QStringLiteral(" Loan / Rate");
        amountHeadings();
        for (int c = 1; c <= SpreadColumns; ++c)
            t.columnHeadings[c - 1] = amounts::percentTextFixed(7.5 + 0.25 * c, 2);
        break;
    case ComputeChoice::LoanAmounts:
        t.corner = QStringLiteral(" Pmt / Rate");
        t.headingRowsWritten = 11;
        for (int r = 1; r <= 11; ++r)
            t.rowHeadings[r - 1] = amounts::percentTextFixed(7.25 + 0.25 * r, 2).rightJustified(6, QLatin1Char(' '));
        paymentHeadings();
        break;
    case ComputeChoice::Rates:
    case ComputeChoice::Term:
        t.corner = QStringLiteral(" Loan / Pmt");
        amountHeadings();
        paymentHeadings();
        break;
    }
    return t;
}

QString spreadHint(ComputeChoice choice)
{
    switch (choice) {
    case ComputeChoice::Payments: return QStringLiteral(" Grid is displaying Payment Amounts");
    case ComputeChoice::LoanAmounts: return QStringLiteral(" Grid is displaying Loan Amounts");
    case ComputeChoice::Rates: return QStringLiteral(" Grid is displaying Interest Rates");
    case ComputeChoice::Term: return QStringLiteral(" Grid is displaying Term in Months");
    }
    return {};
}

double cellValue(const QString& text)
{
    const QString plain = amounts::StripCurrencySymbols(text);
    const double value = amounts::readNumber(plain);
    // The stripping keeps only parentheses as a sign; a leading "-" (a
    // negative rate or a regional negative pattern) counts as well.
    const bool minus = text.trimmed().startsWith(QLatin1Char('-')) || text.contains(QLatin1String("-$"));
    return minus && value > 0 ? -value : value;
}

} // namespace larkspan::loanmath
