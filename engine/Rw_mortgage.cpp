#include "engine/Rw_mortgage.h"

#include "engine/Errors.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <limits>
#include <stdexcept>

namespace larkspan {

namespace {

// The cent rounding and the balance steps are formed with a 64-bit
// mantissa and only then stored as doubles, so that a product such as
// balance × rate × 100 is not rounded before its cents are taken. On x86-64
// long double is that extended format.
using Extended = long double;

// Int(x × 100 + 0.5) / 100 with Int dropping the fraction: the nearest cent,
// halves up, for the non-negative amounts that occur.
double roundToCents(Extended x, const char* where)
{
    const Extended cents = std::trunc(x * 100.0L + 0.5L);
    return checkedFinite(static_cast<double>(cents / 100.0L), where);
}

constexpr std::size_t AmountFieldWidth = 12;

std::string amountText(double value)
{
    // Large enough for any finite double in fixed notation.
    std::array<char, 400> buffer{};
    const auto result = std::to_chars(buffer.data(), buffer.data() + buffer.size(), value,
                                      std::chars_format::fixed, 2);
    std::string text(buffer.data(), result.ptr);
    if (text == "-0.00")
        text = "0.00"; // a tiny negative residue is no debt
    if (text.size() < AmountFieldWidth)
        text.insert(0, AmountFieldWidth - text.size(), ' ');
    return text;
}

} // namespace

namespace Rw_mortgage {

double PeriodicPayment(std::int32_t count, double amount, double rate)
{
    if (count == 0)
        return 0.0;
    if (rate == 0.0)
        return checkedDivide(amount, static_cast<double>(count), "PeriodicPayment");
    const Extended base = 1.0L + rate;
    if (!(base > 0.0L))
        throw ArithmeticError(ArithmeticError::Kind::InvalidOperation,
                              "logarithm of a non-positive number in PeriodicPayment");
    const double p = checkedFinite(static_cast<double>(std::exp(-static_cast<Extended>(count) * std::log(base))),
                                   "PeriodicPayment");
    const Extended denominator = 1.0L - p;
    if (denominator == 0.0L)
        throw ArithmeticError(ArithmeticError::Kind::DivisionByZero, "division by zero in PeriodicPayment");
    return checkedFinite(static_cast<double>(static_cast<Extended>(amount) * rate / denominator), "PeriodicPayment");
}

} // namespace Rw_mortgage

std::array<std::string, 9> TPayment::GetTexts() const
{
    return {std::to_string(Number), std::to_string(Month), std::to_string(Year),
            amountText(Principal), amountText(Interest), amountText(TotalPrincipal),
            amountText(TotalInterest), amountText(Prepayment), amountText(Balance)};
}

TMortgage::TMortgage(std::int32_t numberOfPayments, double amount, double annualRate, std::int32_t periodsPerYear,
                     std::int32_t startMonth, std::int32_t startYear)
{
    Create(numberOfPayments, amount, annualRate, periodsPerYear, startMonth, startYear);
}

void TMortgage::Create(std::int32_t numberOfPayments, double amount, double annualRate, std::int32_t periodsPerYear,
                       std::int32_t startMonth, std::int32_t startYear)
{
    NumberOfPayments = std::max<std::int32_t>(numberOfPayments, 0);
    Amount = amount;
    AnnualRate = annualRate;
    PeriodsPerYear = periodsPerYear;
    CurrentMonth = startMonth;
    CurrentYear = startYear;
    startMonth_ = startMonth;
    startYear_ = startYear;
    Payments.assign(static_cast<std::size_t>(NumberOfPayments), TPayment{});
    Calculate();
}

const TPayment& TMortgage::row(std::int32_t index) const
{
    if (index < 0 || static_cast<std::size_t>(index) >= Payments.size())
        throw std::out_of_range("schedule row " + std::to_string(index) + " does not exist");
    return Payments[static_cast<std::size_t>(index)];
}

bool TMortgage::SetPrepayment(std::int32_t paymentNumber, double amount)
{
    bool applied = false;
    try {
        if (isPaymentNumber(paymentNumber)) {
            assignRange(paymentNumber, paymentNumber, amount);
            Recalculate();
            applied = true;
        } else {
            showCannotApply();
        }
    } catch (...) {
        requestRepaint();
        throw;
    }
    requestRepaint();
    return applied;
}

bool TMortgage::SetPrepaymentRange(std::int32_t fromNumber, std::int32_t toNumber, double amount)
{
    // Both ends are checked before anything changes, so a range running past
    // the last payment leaves no prepayments behind that the figures do not
    // show (and that the next recomputation would silently apply).
    const std::int32_t lastNumber = std::max(fromNumber, toNumber);
    bool applied = false;
    try {
        if (isPaymentNumber(fromNumber) && isPaymentNumber(lastNumber)) {
            assignRange(fromNumber, lastNumber, amount);
            Recalculate();
            clearStalePrepayments(amount);
            applied = true;
        } else {
            showCannotApply();
        }
    } catch (...) {
        requestRepaint();
        throw;
    }
    requestRepaint();
    return applied;
}

void TMortgage::SetPrepaymentFrom(std::int32_t fromNumber, double amount)
{
    if (!isPaymentNumber(fromNumber))
        throw std::out_of_range("payment " + std::to_string(fromNumber) + " is not in the schedule");
    assignRange(fromNumber, NumberOfPayments, amount);
    Recalculate();
    clearStalePrepayments(amount);
}

void TMortgage::ClearPrepayments()
{
    for (TPayment& p : Payments)
        p.Prepayment = 0.0;
    Recalculate();
}

void TMortgage::AssignPrepayment(std::int32_t paymentNumber, double amount)
{
    if (!isPaymentNumber(paymentNumber))
        throw std::out_of_range("payment " + std::to_string(paymentNumber) + " is not in the schedule");
    assignRange(paymentNumber, paymentNumber, amount);
}

void TMortgage::Recalculate()
{
    CurrentMonth = startMonth_;
    CurrentYear = startYear_;
    Calculate();
}

void TMortgage::assignRange(std::int32_t fromNumber, std::int32_t toNumber, double amount)
{
    for (std::int32_t number = fromNumber; number <= toNumber; ++number)
        Payments.at(static_cast<std::size_t>(number - 1)).Prepayment = amount;
}

void TMortgage::Calculate()
{
    // The working month is one behind: each row first advances it.
    CurrentMonth -= 1;

    // A schedule without rows needs no rate (the empty one has no frequency).
    const double r = NumberOfPayments > 0
        ? checkedDivide(AnnualRate, static_cast<double>(PeriodsPerYear), "schedule rate")
        : 0.0;
    Payment = Rw_mortgage::PeriodicPayment(NumberOfPayments, Amount, r);
    Payment = roundToCents(static_cast<Extended>(Payment), "schedule payment");

    double balance = Amount;
    const TPayment* previous = nullptr;
    for (std::int32_t i = 0; i < NumberOfPayments; ++i) {
        TPayment& p = Payments.at(static_cast<std::size_t>(i));
        const double interest = roundToCents(static_cast<Extended>(balance) * r, "schedule interest");
        p.Number = i + 1;

        bool rolledOver = false;
        if (CurrentMonth == 12) {
            CurrentMonth = 1;
            rolledOver = true;
        } else if (CurrentMonth >= 1 && CurrentMonth <= 11) {
            ++CurrentMonth;
        } else if (CurrentMonth == 0) {
            CurrentMonth = 1; // a January start: the first row
        }
        p.Month = CurrentMonth;

        if (CurrentYear >= 1 && rolledOver) {
            if (CurrentYear == std::numeric_limits<std::int32_t>::max())
                throw ArithmeticError(ArithmeticError::Kind::Overflow, "integer overflow in schedule year");
            ++CurrentYear;
        }
        p.Year = CurrentYear;

        if (balance == 0.0) {
            // Paid off: the row carries the totals only (its prepayment stays).
            p.Principal = 0.0;
            p.Interest = 0.0;
            p.Balance = 0.0;
        } else {
            const double due = checkedFinite(
                static_cast<double>(static_cast<Extended>(Payment) - interest + p.Prepayment), "schedule principal");
            // The payment that clears the loan is capped at the balance.
            p.Principal = due > balance ? balance : due;
            p.Interest = interest;
            balance = checkedFinite(static_cast<double>(static_cast<Extended>(balance) - p.Principal),
                                    "schedule balance");
            p.Balance = balance;
        }

        p.TotalPrincipal = previous ? previous->TotalPrincipal + p.Principal : p.Principal;
        p.TotalInterest = previous ? previous->TotalInterest + p.Interest : p.Interest;
        previous = &p;
    }
}

void TMortgage::clearStalePrepayments(double amount)
{
    // A prepayment stays on a row only while the balance after it can still
    // take the amount just applied; the row's figures keep what was applied.
    for (TPayment& p : Payments) {
        if (!(p.Balance > 0.0 && p.Balance >= amount))
            p.Prepayment = 0.0;
    }
}

void TMortgage::showCannotApply() const
{
    if (observer_)
        observer_->information(std::string(Rw_mortgage::ExtraPaymentsMessage));
}

void TMortgage::requestRepaint() const
{
    if (observer_)
        observer_->repaintExtraPanel();
}

} // namespace larkspan
