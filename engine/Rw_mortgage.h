#pragma once
// The payment-by-payment payoff schedule of one fixed-rate loan: the level
// payment rounded to cents, and per payment its month and year, the split
// into principal and interest, running totals, an optional prepayment and
// the balance left after it.

#include <array>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace larkspan {

namespace Rw_mortgage {

// Level payment that repays `amount` in `count` payments at the periodic
// rate `rate` (a fraction per period):
//   amount × rate / (1 − P),   P = e^(−count × ln(1 + rate)),
// P rounded to a double before the subtraction. Count 0 gives 0, rate 0
// gives amount / count. Not rounded to cents. Example: 60 payments on
// 50,000.00 at 0.0875 / 12 give 1,031.8616…
double PeriodicPayment(std::int32_t count, double amount, double rate);

// Shown when a prepayment names a payment outside the schedule. The line
// breaks are a line feed followed by a carriage return.
inline constexpr std::string_view ExtraPaymentsMessage =
    "Results of extra payments cannot be calculated without new values.\n\r\n\r"
    "Please use the edit boxes and radio buttons to\n\r"
    "indicate the amount of your extra payments.";

} // namespace Rw_mortgage

// One row of a schedule. A new row is all zeros.
struct TPayment {
    std::int32_t Number = 0; // 1-based
    std::int32_t Month = 0; // 1..12
    std::int32_t Year = 0; // the start year carried unchanged when below 1
    double Principal = 0.0; // prepayment included
    double Interest = 0.0;
    double TotalPrincipal = 0.0; // this row and all earlier rows
    double TotalInterest = 0.0;
    double Prepayment = 0.0; // an input of the computation
    double Balance = 0.0; // left after this payment

    // The row as nine texts in field order: the three integers in plain
    // decimal, the six amounts with two decimals and '.' as decimal mark,
    // no thousands separators, right-aligned in 12 characters (longer when
    // the number needs it). Independent of the process locale.
    std::array<std::string, 9> GetTexts() const;

    bool operator==(const TPayment&) const = default;
};

// How a schedule reaches the page that shows it.
class TMortgageObserver {
public:
    virtual ~TMortgageObserver() = default;
    // An information message box with an OK button.
    virtual void information(const std::string& text) = 0;
    // The extra-payment buttons may need repainting (the page knows whether
    // they are showing).
    virtual void repaintExtraPanel() = 0;
};

// The schedule. Its fields are public in declared order for the page and
// the files that read them; Payments holds exactly NumberOfPayments rows
// and row i has Number i + 1 once computed.
class TMortgage {
public:
    std::int32_t NumberOfPayments = 0;
    std::int32_t PeriodsPerYear = 0; // divides the annual rate
    std::int32_t CurrentMonth = 0; // working month; afterwards the last row's
    std::int32_t CurrentYear = 0; // working year, likewise
    double Amount = 0.0; // borrowed
    double AnnualRate = 0.0; // a fraction: 0.0875 for 8.75 %
    double Payment = 0.0; // level payment in cents; computed
    std::vector<TPayment> Payments;

    // The empty schedule: no rows, every field 0.
    TMortgage() = default;
    TMortgage(std::int32_t numberOfPayments, double amount, double annualRate, std::int32_t periodsPerYear,
              std::int32_t startMonth, std::int32_t startYear);

    // Stores the parameters and the start, replaces the rows by fresh zeroed
    // ones (dropping every prepayment) and computes them. `periodsPerYear`
    // must be positive when there are rows; a negative number of payments
    // counts as 0.
    void Create(std::int32_t numberOfPayments, double amount, double annualRate, std::int32_t periodsPerYear,
                std::int32_t startMonth, std::int32_t startYear);

    // Sets the prepayment of one payment and recomputes. A number outside
    // 1..NumberOfPayments shows Rw_mortgage::ExtraPaymentsMessage and
    // changes nothing. Requests the repaint either way, errors included.
    // Returns whether the prepayment was applied.
    bool SetPrepayment(std::int32_t paymentNumber, double amount);

    // Sets the prepayment of payments fromNumber..toNumber (fromNumber
    // always, even when toNumber is smaller), recomputes and clears stale
    // prepayments. When either end lies outside the schedule it shows the
    // message and changes nothing. Requests the repaint either way.
    // Returns whether the prepayments were applied.
    bool SetPrepaymentRange(std::int32_t fromNumber, std::int32_t toNumber, double amount);

    // Sets the prepayment of payments fromNumber..NumberOfPayments,
    // recomputes and clears stale prepayments. A fromNumber outside the
    // schedule throws std::out_of_range and changes nothing.
    void SetPrepaymentFrom(std::int32_t fromNumber, double amount);

    // Sets every prepayment to 0 and recomputes.
    void ClearPrepayments();

    // Sets one row's prepayment without recomputing; std::out_of_range for
    // a number outside 1..NumberOfPayments. Assigning several prepayments
    // and then calling Recalculate once gives exactly the rows that the same
    // SetPrepayment calls give, in linear rather than quadratic time.
    void AssignPrepayment(std::int32_t paymentNumber, double amount);

    // Restores the working month and year from the start and recomputes.
    void Recalculate();

    // Not owned; null (the default) shows nothing.
    void setObserver(TMortgageObserver* observer) { observer_ = observer; }

    // The start given to the most recent Create; every recomputation begins
    // from it again.
    std::int32_t StartMonth() const { return startMonth_; }
    std::int32_t StartYear() const { return startYear_; }

    // Row by 0-based index; std::out_of_range outside the rows.
    const TPayment& row(std::int32_t index) const;

private:
    bool isPaymentNumber(std::int32_t number) const { return number >= 1 && number <= NumberOfPayments; }
    void assignRange(std::int32_t fromNumber, std::int32_t toNumber, double amount);
    void Calculate();
    void clearStalePrepayments(double amount);
    void showCannotApply() const;
    void requestRepaint() const;

    std::int32_t startMonth_ = 0;
    std::int32_t startYear_ = 0;
    TMortgageObserver* observer_ = nullptr;
};

} // namespace larkspan
