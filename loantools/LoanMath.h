#pragma once
// The arithmetic of the loan calculator and its spread tables, free of
// widgets: the increment and frequency tables, the single four-way result,
// the 15 x 9 table around it, and the number texts they are shown in.
// The page reads its fields into LoanInputs, calls these and writes back.

#include <QLatin1StringView>
#include <QString>
#include <array>
#include <optional>
#include <span>

namespace larkspan::loanmath {

// What the calculator solves for; the item index of rgCalculate.
enum class ComputeChoice { Payments = 0, LoanAmounts = 1, Rates = 2, Term = 3 };

std::optional<ComputeChoice> computeChoiceFromIndex(int index);

// One item of an increment radio group: its step and the text the printed
// chart names it by.
struct Increment {
    double step;
    QLatin1StringView caption;  // item text of the radio group
    QLatin1StringView stepText; // SpreadLoanStepText and its siblings
};

std::span<const Increment> loanIncrements();    // rgLoan
std::span<const Increment> rateIncrements();    // rgInterest (start captions)
std::span<const Increment> paymentIncrements(); // rgPayments

// The rate increment captions of the two display formats (rgChooseFormat).
std::span<const QLatin1StringView> rateCaptionsDecimal();
std::span<const QLatin1StringView> rateCaptionsFraction();

// The step of item `index`, 0 when the index is outside the table.
double stepOf(std::span<const Increment> table, int index);
QString stepTextOf(std::span<const Increment> table, int index);

// A frequency text of the frequency box, with "Constant" (code 0) added.
struct SpreadFrequency {
    QLatin1StringView text;
    int code;
    double periodsPerYear;
};
std::span<const SpreadFrequency> spreadFrequencies();
const SpreadFrequency* spreadFrequencyForText(const QString& text);

// Fixed-point text: rounded to at most `precision` significant digits and
// at most `decimals` decimals, then written with exactly `decimals`
// decimals and the regional decimal mark; scientific form when the integer
// part has more digits than `precision`.
QString fixedText(double value, int precision, int decimals);

// The term in years beside edtTerm: "5.00 years." / "1.00 year.".
QString termYearsText(double term, double periodsPerYear);

// The calculator's figures as one computation reads them.
struct LoanInputs {
    double loan = 0;
    double rate = 0; // annual percent
    int term = 0;    // payments
    double payment = 0;
    int frequencyCode = 6;
};

// The single result of a mode: the computed figure (payment, amount, rate
// or term) with the total paid and the interest paid.
struct SingleResult {
    double value = 0;
    double totalPaid = 0;
    double interestPaid = 0;
};
SingleResult computeSingle(ComputeChoice choice, const LoanInputs& in);

// The steps the table moves by.
struct SpreadSteps {
    double loan = 1000;
    double rate = 0.5;
    double payment = 75;
};

inline constexpr int SpreadColumns = 9;
inline constexpr int SpreadRows = 15;
inline constexpr int CentreColumn = 5;
inline constexpr int CentreRow = 8;

// The texts of a table: headings and body, cells[column - 1][row - 1].
struct SpreadTable {
    std::optional<QString> corner; // written only when set
    std::array<QString, SpreadRows> rowHeadings;
    std::array<QString, SpreadColumns> columnHeadings;
    std::array<std::array<QString, SpreadRows>, SpreadColumns> cells;
    int headingRowsWritten = SpreadRows; // the placeholders of choice 1 stop at 11
    bool hasBody = true;
};

// The table of a compute choice around the calculator's figures.
// `taxesAndInsurance` is added to every payment cell (payment table only).
SpreadTable computeSpread(ComputeChoice choice, const LoanInputs& in, const SpreadSteps& steps,
                          double taxesAndInsurance);

// The placeholder headings a cleared table shows for a compute choice.
SpreadTable placeholderTable(ComputeChoice choice);

// The hint of the table for a compute choice.
QString spreadHint(ComputeChoice choice);

// A number read back from a table cell or heading: currency texts
// (parentheses or a "-" for negative), percent texts and plain numbers.
double cellValue(const QString& text);

} // namespace larkspan::loanmath
