#include "calculators/LoanDebt.h"

#include "calculators/Consolidation.h"
#include "calculators/DebtPageWidgets.h"
#include "shell/AmountText.h"
#include "shell/AppState.h"
#include "shell/EditField.h"
#include "shell/Hints.h"
#include "shell/Pages.h"
#include "shell/Theme.h"

#include <QCheckBox>
#include <QLabel>

namespace larkspan {

namespace {

// The fields of one loan row, left to right; the Tab key follows this order.
struct Column {
    const char* prefix;  // objectName without the row number
    const char* caption;
    FieldKind kind;
    int width;
    bool zeroPlaceholder;
    const char* hint;    // empty when none
    int maxDigits;       // count fields only
};

constexpr std::size_t Creditor = 0, Borrowed = 1, Rate = 2, Term = 3, Payment = 4, Balance = 5;
constexpr std::array<Column, 6> kColumns{{
    {"edtTDCreditor", "Creditor", FieldKind::Name, 206, false, "", 0},
    {"edtTDAmountBorrowed", "Amount Borrowed", FieldKind::Money, 104, true, "", 0},
    {"edtTDIR", "Interest Rate", FieldKind::Rate, 76, true, "Enter the interest rate of this loan.", 0},
    {"edtTDTerm", "Term (Years)", FieldKind::Count, 76, false, "Enter the term of this mortgage loan in years.", 3},
    {"edtTDPayment", "Monthly Payment", FieldKind::Money, 104, true, "", 0},
    {"edtTDCurrentBalance", "Current Balance", FieldKind::Money, 104, true, "", 0},
}};

constexpr int kLeft = 14;
constexpr int kGap = 4;
constexpr int kCaptionTop = 40;
constexpr int kFirstRowTop = 78;
constexpr int kRowStep = 24;
constexpr int kFieldHeight = 21;
constexpr int kBoxColumnWidth = 76;
constexpr int kTotalsTop = 398;

QString rowName(const char* prefix, int row)
{
    return QLatin1String(prefix) + QString::number(row);
}

} // namespace

LoanDebtPage::LoanDebtPage(ShellServices& shell, QWidget* parent) : CalculatorPage(shell, pages::LoanDebt, parent)
{
    QLabel* intro = debtui::placeLabel(this, QStringLiteral("lblMQ"),
        QStringLiteral("This calculator collects information about each of your loans and then shows you a snapshot of your debt load."),
        kLeft, 10, 760, 24);
    intro->setFont(theme::arial(10));
    intro->setWordWrap(true);
    buildRows();
    buildTotals();
}

void LoanDebtPage::buildRows()
{
    int x = kLeft;
    for (const Column& c : kColumns) {
        debtui::caption(this, QLatin1String(c.caption), x, kCaptionTop, c.width, 34);
        x += c.width + kGap;
    }
    const int boxColumn = x;
    debtui::caption(this, QStringLiteral("Consolidate"), boxColumn, kCaptionTop, kBoxColumnWidth, 34);

    QWidget* previous = nullptr;
    for (int k = 1; k <= debt::LoanRows; ++k) {
        Row& row = rows_[k - 1];
        std::array<TEditField*, kColumns.size()> fields{};
        const int top = kFirstRowTop + (k - 1) * kRowStep;
        x = kLeft;
        for (std::size_t i = 0; i < kColumns.size(); ++i) {
            const Column& c = kColumns[i];
            auto* f = new TEditField(c.kind, rowName(c.prefix, k), this);
            f->setGeometry(x, top, c.width, kFieldHeight);
            f->setZeroPlaceholder(c.zeroPlaceholder);
            if (c.maxDigits > 0)
                f->setMaxDigits(c.maxDigits);
            if (*c.hint)
                setHint(f, QLatin1String(c.hint));
            connect(f, &TEditField::exited, this, &LoanDebtPage::CalcTallyDebts);
            if (previous)
                setTabOrder(previous, f);
            previous = f;
            fields[i] = f;
            x += c.width + kGap;
        }
        row.creditor = fields[Creditor];
        row.borrowed = fields[Borrowed];
        row.rate = fields[Rate];
        row.term = fields[Term];
        row.payment = fields[Payment];
        row.balance = fields[Balance];
        row.consolidate = debtui::consolidateBox(this, rowName("chbTDConsolidate", k), boxColumn + (kBoxColumnWidth - 14) / 2, top);
        connect(row.consolidate, &QCheckBox::clicked, this, &LoanDebtPage::AccumulateDebtConsolidation);
    }
}

void LoanDebtPage::buildTotals()
{
    const Qt::Alignment right = Qt::AlignRight | Qt::AlignVCenter;
    debtui::placeLabel(this, QString(), QStringLiteral("Average Interest Rate:"), kLeft, kTotalsTop, 136, 20, right);
    averageRate_ = debtui::redResult(this, QStringLiteral("lblTDAverageInterestRate"), QStringLiteral("99.99%"), kLeft + 140, kTotalsTop, 70, 20);
    debtui::placeLabel(this, QString(), QStringLiteral("Total Principal Paid: "), 230, kTotalsTop, 130, 20, right);
    principalPaid_ = debtui::redResult(this, QStringLiteral("lblTDPrincipalPaid"), QStringLiteral("$000,000,000.00"), 364, kTotalsTop, 130, 20);
    debtui::placeLabel(this, QString(), QStringLiteral("Total Debt Balance: "), 500, kTotalsTop, 130, 20, right);
    totalDebt_ = debtui::redResult(this, QStringLiteral("lblTDTotalDebt"), QStringLiteral("$000,000,000.00"), 634, kTotalsTop, 140, 20);
}

std::array<debt::LoanRow, debt::LoanRows> LoanDebtPage::loanRows() const
{
    std::array<debt::LoanRow, debt::LoanRows> out{};
    for (std::size_t k = 0; k < rows_.size(); ++k)
        out[k] = debt::LoanRow{rows_[k].borrowed->value(), rows_[k].rate->value(), rows_[k].balance->value()};
    return out;
}

std::array<debt::DebtSource, debt::LoanRows> LoanDebtPage::debtSources() const
{
    std::array<debt::DebtSource, debt::LoanRows> out{};
    for (std::size_t k = 0; k < rows_.size(); ++k) {
        const Row& r = rows_[k];
        out[k] = debt::DebtSource{r.creditor->text(), r.payment->value(), r.balance->value(), r.consolidate->isChecked()};
    }
    return out;
}

void LoanDebtPage::CalcTallyDebts()
{
    const auto rows = loanRows();
    const debt::LoanTally tally = debt::tallyLoans(rows);
    totalDebt_->setText(amounts::currencyText(tally.totalDebt, 15, 2));
    principalPaid_->setText(amounts::currencyText(tally.principalPaid, 15, 2));
    averageRate_->setText(amounts::percentTextFixed(tally.averageRate, 3));
    if (auto* consolidation = qobject_cast<ConsolidationPage*>(shell().page(pages::Consolidation)))
        consolidation->FillDebtArray();
}

void LoanDebtPage::AccumulateDebtConsolidation()
{
    const auto sources = debtSources();
    state().TickedLoanSum = debt::tickedSum(sources);
}

void LoanDebtPage::enterPage()
{
    CalcTallyDebts();
    rows_[0].creditor->setFocus();
}

} // namespace larkspan
