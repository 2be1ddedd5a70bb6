#include "calculators/CreditCardDebt.h"

#include "calculators/DebtPageWidgets.h"
#include "shell/AmountText.h"
#include "shell/AppState.h"
#include "shell/EditField.h"
#include "shell/Hints.h"
#include "shell/Pages.h"

#include <QCheckBox>
#include <QGroupBox>
#include <QLabel>

namespace larkspan {

namespace {

// The fields of one card row, left to right; the Tab key follows this order.
struct Column {
    const char* prefix;  // objectName without the row number
    const char* caption;
    FieldKind kind;
    int width;
    const char* hint;    // empty when none
};

constexpr std::size_t Account = 0, Balance = 1, Rate = 2, MinimumPayment = 3;
constexpr std::array<Column, 4> kColumns{{
    {"edtTCAccount", "Credit Card Account", FieldKind::Name, 249, ""},
    {"edtTCBalance", "Current Balance", FieldKind::Money, 110, ""},
    {"edtTCIR", "Interest Rate", FieldKind::Rate, 88, "Enter the interest rate of this loan."},
    {"edtTCMinimumPayment", "Minimum Monthly Payment", FieldKind::Money, 121, ""},
}};

constexpr int kLeft = 60;
constexpr int kGap = 4;
constexpr int kCaptionTop = 24;
constexpr int kFirstRowTop = 64;
constexpr int kRowStep = 24;
constexpr int kFieldHeight = 21;
constexpr int kBoxColumnWidth = 80;
constexpr int kTotalsTop = kFirstRowTop + debt::CardRows * kRowStep + 20;

QString rowName(const char* prefix, int row)
{
    return QLatin1String(prefix) + QString::number(row);
}

} // namespace

CreditCardDebtPage::CreditCardDebtPage(ShellServices& shell, QWidget* parent)
    : CalculatorPage(shell, pages::CreditCardDebt, parent)
{
    buildRows();
    buildTotals();
    buildPaymentPlans();
}

void CreditCardDebtPage::buildRows()
{
    int x = kLeft;
    for (const Column& c : kColumns) {
        debtui::caption(this, QLatin1String(c.caption), x, kCaptionTop, c.width, 34);
        x += c.width + kGap;
    }
    const int boxColumn = x;
    debtui::caption(this, QStringLiteral("Consolidate"), boxColumn, kCaptionTop, kBoxColumnWidth, 34);

    QWidget* previous = nullptr;
    for (int k = 1; k <= debt::CardRows; ++k) {
        Row& row = rows_[k - 1];
        std::array<TEditField*, kColumns.size()> fields{};
        const int top = kFirstRowTop + (k - 1) * kRowStep;
        x = kLeft;
        for (std::size_t i = 0; i < kColumns.size(); ++i) {
            const Column& c = kColumns[i];
            auto* f = new TEditField(c.kind, rowName(c.prefix, k), this);
            f->setGeometry(x, top, c.width, kFieldHeight);
            if (*c.hint)
                setHint(f, QLatin1String(c.hint));
            connect(f, &TEditField::exited, this, &CreditCardDebtPage::TallyCreditCardDebts);
            if (previous)
                setTabOrder(previous, f);
            previous = f;
            fields[i] = f;
            x += c.width + kGap;
        }
        row.account = fields[Account];
        row.balance = fields[Balance];
        row.rate = fields[Rate];
        row.minimumPayment = fields[MinimumPayment];
        row.consolidate = debtui::consolidateBox(this, rowName("chbTCConsolidate", k), boxColumn + (kBoxColumnWidth - 14) / 2, top);
        connect(row.consolidate, &QCheckBox::clicked, this, &CreditCardDebtPage::AccumulateCreditCardConsolidation);
    }
}

void CreditCardDebtPage::buildTotals()
{
    const Qt::Alignment right = Qt::AlignRight | Qt::AlignVCenter;
    debtui::placeLabel(this, QString(), QStringLiteral("Average Interest Rate:"), kLeft, kTotalsTop, 136, 20, right);
    averageRate_ = debtui::redResult(this, QStringLiteral("lblTCAverageInterestRate"), QStringLiteral("99.99%"), kLeft + 140, kTotalsTop, 80, 20);
    debtui::placeLabel(this, QString(), QStringLiteral("Total Debt Balance: "), 330, kTotalsTop, 150, 20, right);
    totalDebt_ = debtui::redResult(this, QStringLiteral("lblTCTotalDebt"), QStringLiteral("$000,000,000.00"), 484, kTotalsTop, 150, 20);
}

// Three values of a payment-plan comparison that the page keeps (the
// settings file stores them) but never shows.
void CreditCardDebtPage::buildPaymentPlans()
{
    auto* group = new QGroupBox(QStringLiteral("  Compare 3 Types of Payment Plans  "), this);
    group->setObjectName(QStringLiteral("gbTCPaymentPlans"));
    group->setGeometry(kLeft, kTotalsTop + 40, 580, 90);

    debtui::placeLabel(group, QString(), QStringLiteral("Minimum Payment"), 12, 24, 120, 20);
    auto* minimum = new TEditField(FieldKind::Money, QStringLiteral("edtTCDebtFreeMinimum"), group);
    minimum->setGeometry(12, 48, 110, kFieldHeight);
    debtui::placeLabel(group, QString(), QStringLiteral("Years"), 140, 24, 80, 20);
    auto* years = new TEditField(FieldKind::Count, QStringLiteral("edtTCDebtFreeYears"), group);
    years->setMaxDigits(3);
    years->setZeroPlaceholder(true);
    years->setGeometry(140, 48, 60, kFieldHeight);
    debtui::placeLabel(group, QString(), QStringLiteral("Months"), 220, 24, 80, 20);
    auto* months = new TEditField(FieldKind::Count, QStringLiteral("edtTCDebtFreeMonths"), group);
    months->setMaxDigits(2);
    months->setZeroPlaceholder(true);
    months->setGeometry(220, 48, 60, kFieldHeight);
    for (TEditField* f : {minimum, years, months})
        connect(f, &TEditField::exited, this, &CreditCardDebtPage::TallyCreditCardDebts);
    group->hide();
}

std::array<debt::CardRow, debt::CardRows> CreditCardDebtPage::cardRows() const
{
    std::array<debt::CardRow, debt::CardRows> out{};
    for (std::size_t k = 0; k < rows_.size(); ++k)
        out[k] = debt::CardRow{rows_[k].balance->value(), rows_[k].rate->value()};
    return out;
}

std::array<debt::DebtSource, debt::CardRows> CreditCardDebtPage::debtSources() const
{
    std::array<debt::DebtSource, debt::CardRows> out{};
    for (std::size_t k = 0; k < rows_.size(); ++k) {
        const Row& r = rows_[k];
        out[k] = debt::DebtSource{r.account->text(), r.minimumPayment->value(), r.balance->value(), r.consolidate->isChecked()};
    }
    return out;
}

void CreditCardDebtPage::TallyCreditCardDebts()
{
    const auto rows = cardRows();
    const debt::CardTally tally = debt::tallyCards(rows);
    averageRate_->setText(amounts::percentTextFixed(tally.averageRate, 3));
    totalDebt_->setText(amounts::currencyText(tally.totalDebt, 15, 2));
}

void CreditCardDebtPage::AccumulateCreditCardConsolidation()
{
    const auto sources = debtSources();
    state().TickedCardSum = debt::tickedSum(sources);
}

void CreditCardDebtPage::enterPage()
{
    TallyCreditCardDebts();
    rows_[0].account->setFocus();
}

} // namespace larkspan
