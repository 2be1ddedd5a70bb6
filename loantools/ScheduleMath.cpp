#include "loantools/ScheduleMath.h"

#include "engine/Errors.h"
#include "shell/AmountText.h"
#include "shell/Regional.h"

#include <algorithm>
#include <tuple>

#include <QRegularExpression>
#include <exception>

namespace larkspan::schedule {

namespace {

constexpr const char* MonthNames[] = {"Jan", "Feb", "Mar", "Apr", "May", "Jun",
                                      "Jul", "Aug", "Sep", "Oct", "Nov", "Dec"};

QString trimmedRight(const QString& text)
{
    qsizetype end = text.size();
    while (end > 0 && text.at(end - 1).isSpace())
        --end;
    return text.left(end);
}

// Splits a currency pattern ("¤n", "(¤n)") around its number.
std::pair<QString, QString> patternAround(QString pattern, const QString& symbol)
{
    pattern.replace(QStringLiteral("¤"), symbol);
    const qsizetype n = pattern.indexOf(QLatin1Char('n'));
    return n < 0 ? std::pair{pattern, QString()} : std::pair{pattern.left(n), pattern.mid(n + 1)};
}

// One parsed line of the list.
struct ListLine {
    std::int32_t number;
    double amount;
};

// The payment number and amount of a line; nothing for a line without a
// number. Throws ConversionError for a number or amount that does not read.
std::optional<ListLine> parseLine(const QString& line)
{
    const qsizetype blank = line.indexOf(QLatin1Char(' '));
    const QString numberText = trimmedRight(blank < 0 ? line : line.left(blank));
    if (numberText.isEmpty())
        return std::nullopt;
    bool ok = false;
    const int number = numberText.toInt(&ok);
    if (!ok)
        throw ConversionError(("'" + numberText + "' is not a valid integer value").toStdString());
    const QString rest = blank < 0 ? QString() : trimmedRight(line.mid(blank + 1)).mid(1);
    const double amount = rest.isEmpty() ? 0.0 : amounts::TextToCurrency(rest);
    return ListLine{number, amount};
}

QStringList listLines(const QString& list)
{
    static const QRegularExpression lineBreak(QStringLiteral("\r?\n"));
    return list.split(lineBreak);
}

} // namespace

QStringList monthlyHeadings()
{
    return {QStringLiteral("PMT"),           QStringLiteral("Month"),          QStringLiteral("Principal"),
            QStringLiteral("Interest"),      QStringLiteral("Total Principal"), QStringLiteral("Total Interest"),
            QStringLiteral("Prepayment"),    QStringLiteral("Balance")};
}

QStringList annualHeadings()
{
    return {QStringLiteral("Year"), QStringLiteral("Period"), QStringLiteral("Total Annual Principal"),
            QStringLiteral("Total Annual Interest"), QStringLiteral("Total Annual Payment")};
}

QString monthName(int month)
{
    return month >= 1 && month <= 12 ? QString::fromLatin1(MonthNames[month - 1]) : QString();
}

int monthNumber(const QString& name)
{
    for (int m = 1; m <= 12; ++m)
        if (name == QLatin1String(MonthNames[m - 1]))
            return m;
    return 0;
}

QString monthCellText(const QString& monthText, const QString& yearText)
{
    bool ok = false;
    int month = monthText.toInt(&ok);
    if (!ok || month < 1 || month > 12 || monthText != QString::number(month))
        month = 1;
    return (monthName(month) + QLatin1Char(' ') + yearText).left(8);
}

AmountCellWriter::AmountCellWriter()
{
    const RegionalConventions& r = RegionalConventions::current();
    std::tie(positivePrefix_, positiveSuffix_) = patternAround(r.positivePattern, r.currencySymbol);
    std::tie(negativePrefix_, negativeSuffix_) = patternAround(r.negativePattern, r.currencySymbol);
    decimalSeparator_ = r.decimalSeparator;
    thousandsSeparator_ = r.thousandsSeparator;
}

QString AmountCellWriter::operator()(const std::string& amountText) const
{
    // The text is blanks, an optional "-", digits, "." and two digits.
    std::size_t i = amountText.find_first_not_of(' ');
    const bool negative = i != std::string::npos && amountText[i] == '-';
    if (negative)
        ++i;
    const std::size_t dot = amountText.find('.', i == std::string::npos ? 0 : i);
    const bool plain = i != std::string::npos && dot != std::string::npos && dot > i && dot - i <= 13
        && amountText.size() == dot + 3
        && std::all_of(amountText.begin() + static_cast<std::ptrdiff_t>(i), amountText.begin() + static_cast<std::ptrdiff_t>(dot),
                       [](char c) { return c >= '0' && c <= '9'; });
    if (!plain) // beyond 13 integer digits the general rule decides
        return amounts::currencyText(QString::fromStdString(amountText).trimmed().toDouble(), 15, 2);
    const std::size_t digits = dot - i;
    const bool zero = amountText.find_first_not_of("0.", i) == std::string::npos;
    const bool minus = negative && !zero;
    QString out;
    out.reserve(static_cast<qsizetype>(digits + digits / 3 + 8));
    out += minus ? negativePrefix_ : positivePrefix_;
    for (std::size_t k = 0; k < digits; ++k) {
        out += QLatin1Char(amountText[i + k]);
        const std::size_t left = digits - 1 - k;
        if (left > 0 && left % 3 == 0 && !thousandsSeparator_.isNull())
            out += thousandsSeparator_;
    }
    out += decimalSeparator_;
    out += QLatin1Char(amountText[dot + 1]);
    out += QLatin1Char(amountText[dot + 2]);
    out += minus ? negativeSuffix_ : positiveSuffix_;
    return out;
}

std::optional<QStringList> monthlyRow(const TPayment& payment, const AmountCellWriter& amountCell)
{
    const auto t = payment.GetTexts();
    const auto isZero = [](const std::string& s) {
        const std::size_t i = s.find_first_not_of(' ');
        return i != std::string::npos && s.compare(i, std::string::npos, "0.00") == 0;
    };
    if (isZero(t[3]) && isZero(t[8]))
        return std::nullopt;
    return QStringList{QString::fromStdString(t[0]),
                       monthCellText(QString::fromStdString(t[1]), QString::fromStdString(t[2])),
                       amountCell(t[3]), amountCell(t[4]), amountCell(t[5]), amountCell(t[6]), amountCell(t[7]),
                       amountCell(t[8])};
}

std::vector<QStringList> annualRows(const std::vector<MonthlyCells>& monthly)
{
    std::vector<QStringList> rows;
    const int n = static_cast<int>(monthly.size());
    if (n == 0)
        return rows;
    const QString firstYear = amounts::ParseYear(monthly.front().month);
    const QString firstMonth = amounts::ParseMonth(monthly.front().month);
    const int firstMonthNumber = std::max(monthNumber(firstMonth), 1);
    const QString firstLabel = firstMonth == QLatin1String("Dec") ? QStringLiteral("Dec ") + firstYear
                                                                   : firstMonth + QStringLiteral(" - Dec ") + firstYear;
    const int first = std::min(13 - firstMonthNumber, n);
    const int fullYears = (n - first) / 12;
    const int rest = (n - first) % 12;

    int next = 0; // the next monthly row to sum
    const auto addRow = [&](const QString& period, int months) {
        double principal = 0;
        double interest = 0;
        for (int i = 0; i < months; ++i, ++next) {
            principal += amounts::ChangeCurrencyStringToFloat(monthly[static_cast<std::size_t>(next)].principal);
            interest += amounts::ChangeCurrencyStringToFloat(monthly[static_cast<std::size_t>(next)].interest);
        }
        rows.push_back({QString::number(rows.size() + 1), period, amounts::currencyText(principal, 10, 2),
                        amounts::currencyText(interest, 10, 2), amounts::currencyText(principal + interest, 10, 2)});
    };

    addRow(firstLabel, first);
    const int year0 = firstYear.trimmed().toInt();
    for (int k = 1; k <= fullYears; ++k)
        addRow(QStringLiteral("Jan - Dec ") + QString::number(year0 + k), 12);
    if (rest > 0) {
        const QString last = monthly.back().month;
        const QString label = rest == 1 ? QStringLiteral("Jan ") + amounts::ParseYear(last)
                                        : QStringLiteral("Jan - ") + amounts::ParseMonth(last) + QLatin1Char(' ')
                                              + amounts::ParseYear(last);
        addRow(label, rest);
    }
    return rows;
}

QString prepaymentLine(const QString& paymentNumber, const QString& prepayment)
{
    const QString amount = prepayment.trimmed().isEmpty() ? amounts::currencyText(0.0, 15, 2) : prepayment;
    return (paymentNumber.left(4) + QLatin1Char(' ') + amount.left(25)).left(35);
}

void applyPrepaymentList(TMortgage& mortgage, const QString& list, PrepaymentBuild build, TMortgageObserver* observer)
{
    mortgage.setObserver(observer);
    const QStringList lines = listLines(list);
    if (build == PrepaymentBuild::PerLine) {
        for (const QString& line : lines)
            if (const auto l = parseLine(line))
                mortgage.SetPrepayment(l->number, l->amount);
        return;
    }

    // Every line first, up to one that does not convert; the lines before it
    // apply as they would one by one, and the error follows the rebuild.
    std::exception_ptr failure;
    std::vector<ListLine> parsed;
    parsed.reserve(static_cast<std::size_t>(lines.size()));
    try {
        for (const QString& line : lines)
            if (const auto l = parseLine(line))
                parsed.push_back(*l);
    } catch (...) {
        failure = std::current_exception();
    }
    bool any = false;
    for (const ListLine& l : parsed) {
        if (l.number >= 1 && l.number <= mortgage.NumberOfPayments) {
            mortgage.AssignPrepayment(l.number, l.amount);
            any = true;
        } else if (observer) {
            observer->information(std::string(Rw_mortgage::ExtraPaymentsMessage));
        }
    }
    try {
        if (any)
            mortgage.Recalculate();
    } catch (...) {
        if (observer)
            observer->repaintExtraPanel();
        throw;
    }
    if (observer && !parsed.empty())
        observer->repaintExtraPanel();
    if (failure)
        std::rethrow_exception(failure);
}

} // namespace larkspan::schedule
