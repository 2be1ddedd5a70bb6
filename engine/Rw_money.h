#pragma once
// Loan arithmetic shared by the loan tools and the consolidation page: level
// payment, amount a payment repays, periods a payment needs, the rate a
// payment implies, and the capped power they rest on. All functions are
// pure; rates enter as annual percentages (8.75 means 8.75 % a year) and
// nothing is rounded to cents. Arithmetic faults are raised as
// ArithmeticError (Errors.h) and left to the application-wide handler.

#include <optional>
#include <span>
#include <string_view>

namespace larkspan::Rw_money {

// One payment frequency. The code is what the program stores and passes
// around; the text is the frequency box's item; the divisor (payments per
// year) turns the annual rate into the rate per payment period; k is
// divisor × 100,000, the factor the rate solver converts its periodic rate
// back with.
struct Frequency {
    int code;
    std::string_view text;
    int divisor;
    long k;
};

// Codes 1 to 9, in code order. Every part that maps frequency texts, codes
// or divisors reads this table.
std::span<const Frequency> frequencyTable();

// The monthly code, the program's default frequency.
inline constexpr int MonthlyFrequencyCode = 6;

// The entry of a code 1..9; null for any other code.
const Frequency* frequencyForCode(int code);

// The code whose text is exactly `text` (case-sensitive); nothing when no
// entry matches.
std::optional<int> frequencyCodeForText(std::string_view text);

// The rate per payment period as a fraction: (annualRate / 100) / divisor.
// A code outside 1..9 leaves the annual fraction undivided.
double periodicRate(int code, double annualRate);

// Base raised to Exponent as e^(ln(Base) × Exponent), with the exponent of e
// capped at 88 (e^88 ≈ 1.65e38) so a long term at a high rate cannot
// overflow. Base 0 gives 0; a negative Base is an invalid operation.
double PowerCapped(double base, double exponent);

// Level payment that repays `amount` in `periods` payments:
//   amount × r / (1 − (1 + r)^−periods),   r = periodicRate(code, annualRate).
// A term of 0 or a rate of 0 gives 0 (not amount / periods).
// Example: (60, 6, 50000, 8.75) is 1,031.8616…
double PaymentForPeriods(int periods, int code, double amount, double annualRate);

// Amount that `periods` payments of `payment` repay, less the present value
// of `finalValue`:
//   −P × (payment + finalValue × r − payment × Q) / r,
//   P = (1 + r)^−periods, Q = (1 + r)^periods (both capped).
// Without the cap this is payment × (1 − P) / r − finalValue × P. A rate of
// 0 gives periods × payment. Example: (60, 6, 0, 8.75, 1031.86) is
// 49,999.92…
double AmountForPayment(int periods, int code, double finalValue, double annualRate, double payment);

// Number of periods, not rounded, that `payment` needs to repay `amount`:
//   −ln(1 − r × amount / payment) / ln(1 + r).
// Payment 0 gives 0; rate 0 gives amount / payment; a payment that does not
// cover the first period's interest gives 0. Example: (6, 50000, 1031.86,
// 8.75) is 60.0001…
double PeriodsForPayment(int code, double amount, double payment, double annualRate);

// Annual rate in percent at which `periods` payments of `payment` repay
// (1 − fraction) × amount. The periodic rate is found by the fixed-point
// iteration e ← (1 − (1 + g)^−periods) × payment / base from g = 10/12,
// stopping when a step moves it by at most 1e-6 or after 99 steps (the last
// value stands, converged or not). Periods 0 or a zero base give 0; a code
// outside 1..9 gives 0. Example: (6, 60, 50000, 0, 1031.86) stops after 32
// steps at 8.7542, about 0.004 above the exact 8.75.
double RateForPayment(int code, double periods, double amount, double fraction, double payment);

} // namespace larkspan::Rw_money
