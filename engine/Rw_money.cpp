#include "engine/Rw_money.h"

#include "engine/Errors.h"

#include <algorithm>
#include <cmath>

namespace larkspan::Rw_money {

namespace {

constexpr double ExponentCap = 88.0;

// Rate solver: stop once a step moves the periodic rate by no more than
// this, or when the step counter reaches the limit (so at most 99 steps).
constexpr double RateTolerance = 0.000001;
constexpr int RateStepLimit = 100;
constexpr double RateFirstGuess = 10.0 / 12.0;

constexpr Frequency Frequencies[] = {
    {1, "Daily 365", 365, 36500000},
    {2, "Daily 360", 360, 36000000},
    {3, "Weekly 52", 52, 5200000},
    {4, "Biweekly 26", 26, 2600000},
    {5, "Bimonthly 24", 24, 2400000},
    {6, "Monthly 12", 12, 1200000},
    {7, "Quarterly 4", 4, 400000},
    {8, "Biannually 2", 2, 200000},
    {9, "Annually 1", 1, 100000},
};

} // namespace

std::span<const Frequency> frequencyTable()
{
    return Frequencies;
}

const Frequency* frequencyForCode(int code)
{
    const auto table = frequencyTable();
    const auto it = std::find_if(table.begin(), table.end(), [code](const Frequency& f) { return f.code == code; });
    return it == table.end() ? nullptr : &*it;
}

std::optional<int> frequencyCodeForText(std::string_view text)
{
    const auto table = frequencyTable();
    const auto it = std::find_if(table.begin(), table.end(), [text](const Frequency& f) { return f.text == text; });
    if (it == table.end())
        return std::nullopt;
    return it->code;
}

double periodicRate(int code, double annualRate)
{
    const double fraction = annualRate / 100.0;
    const Frequency* frequency = frequencyForCode(code);
    return frequency ? fraction / frequency->divisor : fraction;
}

double PowerCapped(double base, double exponent)
{
    if (base == 0.0)
        return 0.0;
    const double t = std::min(checkedLog(base, "PowerCapped") * exponent, ExponentCap);
    return checkedFinite(std::exp(t), "PowerCapped");
}

double PaymentForPeriods(int periods, int code, double amount, double annualRate)
{
    if (periods == 0 || annualRate == 0.0)
        return 0.0;
    const double r = periodicRate(code, annualRate);
    const double p = PowerCapped(1.0 + r, -static_cast<double>(periods));
    return checkedDivide(amount * r, 1.0 - p, "PaymentForPeriods");
}

double AmountForPayment(int periods, int code, double finalValue, double annualRate, double payment)
{
    if (annualRate == 0.0)
        return checkedFinite(periods * payment, "AmountForPayment");
    const double r = periodicRate(code, annualRate);
    const double p = PowerCapped(1.0 + r, -static_cast<double>(periods));
    const double q = PowerCapped(1.0 + r, static_cast<double>(periods));
    return checkedDivide(-p * (payment + finalValue * r - payment * q), r, "AmountForPayment");
}

double PeriodsForPayment(int code, double amount, double payment, double annualRate)
{
    if (payment == 0.0)
        return 0.0;
    const double r = periodicRate(code, annualRate);
    if (r == 0.0)
        return checkedDivide(amount, payment, "PeriodsForPayment");
    const double x = 1.0 - r * amount / payment;
    if (!(x > 0.0))
        return 0.0; // the payment does not even cover the interest
    return checkedDivide(-checkedLog(x, "PeriodsForPayment"), checkedLog(1.0 + r, "PeriodsForPayment"),
                         "PeriodsForPayment");
}

double RateForPayment(int code, double periods, double amount, double fraction, double payment)
{
    const double base = (1.0 - fraction) * amount;
    double e = 0.0;
    if (periods != 0.0 && base != 0.0) {
        double g = RateFirstGuess;
        double d = 1.0;
        for (int i = 1; d > RateTolerance && i < RateStepLimit; ++i) {
            e = checkedDivide((1.0 - PowerCapped(1.0 + g, -periods)) * payment, base, "RateForPayment");
            d = std::abs(e - g);
            g = e;
        }
    }
    const Frequency* frequency = frequencyForCode(code);
    if (!frequency)
        return 0.0;
    // e × 100 × divisor, formed as e × k / 1000: the order of the
    // operations fixes the last digit of the result.
    return checkedFinite(e * static_cast<double>(frequency->k) / 1000.0, "RateForPayment");
}

} // namespace larkspan::Rw_money
