#pragma once
// The texts of the payoff schedule grids and the prepayment list, free of
// widgets: one monthly row from a schedule row, the annual rows summed from
// the monthly grid's texts, and the prepayment list written from the
// monthly grid and applied to a schedule.

#include "engine/Rw_mortgage.h"

#include <QString>
#include <QStringList>
#include <optional>
#include <string>
#include <vector>

namespace larkspan::schedule {

inline constexpr int MonthlyColumns = 8;
inline constexpr int AnnualColumns = 5;

QStringList monthlyHeadings();
QStringList annualHeadings();

// "Jan".."Dec" for 1..12.
QString monthName(int month);
// 1..12 for "Jan".."Dec", 0 for any other text.
int monthNumber(const QString& name);

// The "Month" cell: the month name (a month text that is not "1".."12" is
// taken as "1"), a blank and the year text, cut to 8 characters.
QString monthCellText(const QString& monthText, const QString& yearText);

// Writes the schedule's amount texts ("   667.28") as currency texts with
// precision 15 and 2 decimals, exactly as amounts::currencyText does with
// the regional conventions in force when it was made, but without the
// general formatter's cost: a 10,000-row schedule has 60,000 of them.
class AmountCellWriter {
public:
    AmountCellWriter();
    QString operator()(const std::string& amountText) const;

private:
    QString positivePrefix_, positiveSuffix_, negativePrefix_, negativeSuffix_;
    QChar decimalSeparator_;
    QChar thousandsSeparator_;
};

// The eight cells of a monthly row, or nothing for a row after payoff
// (principal and balance both 0.00).
std::optional<QStringList> monthlyRow(const TPayment& payment, const AmountCellWriter& amount);

// One monthly row as the annual sums read it back.
struct MonthlyCells {
    QString month;     // "Jan 2009"
    QString principal; // "$667.28"
    QString interest;
};

// The annual rows summed from the monthly rows; empty when there are none.
// Amounts are read back with ChangeCurrencyStringToFloat (which throws
// ConversionError for a text it cannot read).
std::vector<QStringList> annualRows(const std::vector<MonthlyCells>& monthly);

// One line of the prepayment list from a monthly row's "PMT" and
// "Prepayment" cells.
QString prepaymentLine(const QString& paymentNumber, const QString& prepayment);

// How the list reaches the schedule: every line through SetPrepayment (one
// recomputation each), or every line assigned first and one recomputation.
// Both leave the same rows, messages and, when a line does not convert,
// the same partly applied schedule before the error is rethrown.
enum class PrepaymentBuild { Linear, PerLine };

// Applies the list (lines ended by CR LF or LF) to `mortgage`. Lines whose
// payment number is empty are skipped; a payment number outside the
// schedule shows the schedule's extra-payments message through `observer`.
void applyPrepaymentList(TMortgage& mortgage, const QString& list, PrepaymentBuild build,
                         TMortgageObserver* observer);

} // namespace larkspan::schedule
