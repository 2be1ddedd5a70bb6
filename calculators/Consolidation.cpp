#include "calculators/Consolidation.h"

#include "calculators/CreditCardDebt.h"
#include "calculators/DebtPageWidgets.h"
#include "calculators/LoanDebt.h"
#include "shell/AmountText.h"
#include "shell/AppState.h"
#include "shell/EditField.h"
#include "shell/Hints.h"
#include "shell/Pages.h"
#include "shell/Theme.h"

#include <QFrame>
#include <QLabel>

namespace larkspan {

namespace {

constexpr int kLeft = 12;
constexpr int kListLeft = 418;
constexpr int kCreditorWidth = 135;
constexpr int kAmountWidth = 104;
constexpr int kBalanceLeft = kListLeft + kCreditorWidth + 4;
constexpr int kPaymentLeft = kBalanceLeft + kAmountWidth + 4;
constexpr int kFirstListTop = 60;
constexpr int kListStep = 18;
constexpr int kListRowHeight = 17;

const QString kZeroAmount = QStringLiteral("$0.00");

QString listAmount(double value)
{
    return amounts::currencyText(value, 15, 2);
}

QString resultAmount(double value)
{
    return amounts::currencyText(value, 12, 2);
}

QLabel* boldCentred(QWidget* parent, const QString& name, int x, int y, int w, int h)
{
    QLabel* l = debtui::placeLabel(parent, name, kZeroAmount, x, y, w, h, Qt::AlignCenter);
    QFont f = l->font();
    f.setBold(true);
    l->setFont(f);
    return l;
}

} // namespace

ConsolidationPage::ConsolidationPage(ShellServices& shell, QWidget* parent)
    : CalculatorPage(shell, pages::Consolidation, parent)
{
    QLabel* intro = debtui::placeLabel(this, QStringLiteral("lblECC"),
        QStringLiteral("This calculator shows how much cash you can effectively free up each month by consolidating some "
                       "or all of your loans and credit card balances into a single consolidation loan.  The creditors "
                       "and balances listed below are those you chose to consider consolidating when you tallied your "
                       "loan and credit card debts."),
        kLeft, 14, 380, 112, Qt::AlignLeft | Qt::AlignTop);
    intro->setFont(theme::arial(10));
    intro->setWordWrap(true);
    buildInputs();
    buildResults();
    buildList();
}

void ConsolidationPage::buildInputs()
{
    struct Input {
        TEditField** field;
        FieldKind kind;
        const char* name;
        const char* caption;
    };
    const std::array<Input, 3> inputs{{
        {&amount_, FieldKind::CentredMoney, "edtCCConsolidationTotal", "Amount Consolidated"},
        {&rate_, FieldKind::Rate, "edtCCInterestRate", "Interest Rate"},
        {&term_, FieldKind::Count, "edtCCTerm", "Term in Months"},
    }};
    int top = 124;
    QWidget* previous = nullptr;
    for (const Input& in : inputs) {
        debtui::placeLabel(this, QString(), QLatin1String(in.caption), kLeft + 40, top, 150, 21, Qt::AlignRight | Qt::AlignVCenter);
        auto* f = new TEditField(in.kind, QLatin1String(in.name), this);
        f->setGeometry(kLeft + 200, top, 130, 21);
        connect(f, &TEditField::exited, this, &ConsolidationPage::CalculateConsolidation);
        if (previous)
            setTabOrder(previous, f);
        previous = f;
        *in.field = f;
        top += 30;
    }
    term_->setMaxDigits(3);
    setHint(term_, QStringLiteral("Enter the term of your consolidation loan in months."));
}

void ConsolidationPage::buildResults()
{
    auto* rule = new QFrame(this);
    rule->setFrameShape(QFrame::HLine);
    rule->setFrameShadow(QFrame::Sunken);
    rule->setGeometry(kLeft, 222, 380, 4);
    const Qt::Alignment right = Qt::AlignRight | Qt::AlignVCenter;
    debtui::placeLabel(this, QString(), QStringLiteral("Monthly Consolidation Loan Payment"), kLeft, 244, 228, 21, right);
    consolidationPayment_ = boldCentred(this, QStringLiteral("lblCCConsolidationPayment"), kLeft + 236, 244, 140, 21);
    debtui::placeLabel(this, QString(), QStringLiteral("Current Total Monthly Payments"), kLeft, 274, 228, 21, right);
    currentTotalPayment_ = boldCentred(this, QStringLiteral("lblCCCurrentTotalPayment"), kLeft + 236, 274, 140, 21);
    debtui::placeLabel(this, QString(), QStringLiteral("Reduction in Monthly Payment"), kLeft, 304, 228, 21, right);
    savings_ = boldCentred(this, QStringLiteral("lblCCMonthlyPaymentSavings"), kLeft + 236, 304, 140, 21);
}

void ConsolidationPage::buildList()
{
    QLabel* heading = debtui::placeLabel(this, QString(), QStringLiteral("List of Debts to be Consolidated"), kListLeft, 4, 355, 20,
                                         Qt::AlignCenter);
    QFont headingFont = heading->font();
    headingFont.setBold(true);
    heading->setFont(headingFont);
    QLabel* c1 = debtui::caption(this, QStringLiteral("Creditor"), kListLeft, 26, kCreditorWidth, 32);
    c1->setAlignment(Qt::AlignLeft | Qt::AlignBottom);
    debtui::caption(this, QStringLiteral("Balance"), kBalanceLeft, 26, kAmountWidth, 32)->setAlignment(Qt::AlignRight | Qt::AlignBottom);
    debtui::caption(this, QStringLiteral("Monthly Payment"), kPaymentLeft, 26, kAmountWidth, 32)->setAlignment(Qt::AlignRight | Qt::AlignBottom);

    const Qt::Alignment right = Qt::AlignRight | Qt::AlignVCenter;
    for (int i = 1; i <= debt::DebtEntries; ++i) {
        const int top = kFirstListTop + (i - 1) * kListStep;
        ListRow& row = list_[i - 1];
        row.creditor = debtui::placeLabel(this, QStringLiteral("lblCCCreditor%1").arg(i), QStringLiteral("Creditor"), kListLeft, top,
                                          kCreditorWidth, kListRowHeight);
        row.balance = debtui::placeLabel(this, QStringLiteral("lblCCBalance%1").arg(i), kZeroAmount, kBalanceLeft, top, kAmountWidth,
                                         kListRowHeight, right);
        row.payment = debtui::placeLabel(this, QStringLiteral("lblCCPayment%1").arg(i), kZeroAmount, kPaymentLeft, top, kAmountWidth,
                                         kListRowHeight, right);
    }
    const int totalsTop = kFirstListTop + debt::DebtEntries * kListStep + 6;
    auto* rule = new QFrame(this);
    rule->setFrameShape(QFrame::HLine);
    rule->setFrameShadow(QFrame::Sunken);
    rule->setGeometry(kListLeft, totalsTop - 5, kPaymentLeft + kAmountWidth - kListLeft, 4);
    QLabel* totals = debtui::placeLabel(this, QString(), QStringLiteral("Totals"), kListLeft, totalsTop, kCreditorWidth, 20);
    QFont bold = totals->font();
    bold.setBold(true);
    totals->setFont(bold);
    totalBalance_ = debtui::placeLabel(this, QStringLiteral("lblCCTotalBalance"), kZeroAmount, kBalanceLeft, totalsTop, kAmountWidth, 20, right);
    totalPayment_ = debtui::placeLabel(this, QStringLiteral("lblCCTotalPayment"), kZeroAmount, kPaymentLeft, totalsTop, kAmountWidth, 20, right);
    totalBalance_->setFont(bold);
    totalPayment_->setFont(bold);
}

double ConsolidationPage::CalcTotalPayment(const debt::DebtArray& entries)
{
    const double total = debt::totalPayment(entries);
    state().CurrentTotalMonthlyPayment = total;
    return total;
}

void ConsolidationPage::FillDebtArray()
{
    std::array<debt::DebtSource, debt::CardRows> cards{};
    std::array<debt::DebtSource, debt::LoanRows> loans{};
    if (auto* page = qobject_cast<CreditCardDebtPage*>(shell().page(pages::CreditCardDebt)))
        cards = page->debtSources();
    if (auto* page = qobject_cast<LoanDebtPage*>(shell().page(pages::LoanDebt)))
        loans = page->debtSources();
    entries_ = debt::buildDebtArray(cards, loans);

    for (std::size_t i = 0; i < list_.size(); ++i) {
        list_[i].creditor->setText(entries_[i].name);
        list_[i].payment->setText(listAmount(entries_[i].payment));
        list_[i].balance->setText(listAmount(entries_[i].balance));
    }
    totalBalance_->setText(listAmount(debt::CalcTotalBalance(entries_)));
    totalPayment_->setText(listAmount(CalcTotalPayment(entries_)));
}

void ConsolidationPage::CalculateConsolidation()
{
    const debt::ConsolidationResult r
        = debt::compareConsolidation(amount_->value(), rate_->value(), term_->intValue(), state().CurrentTotalMonthlyPayment);
    consolidationPayment_->setText(resultAmount(r.payment));
    currentTotalPayment_->setText(resultAmount(r.currentTotal));
    savings_->setText(resultAmount(r.reduction));
}

void ConsolidationPage::enterPage()
{
    auto* loans = qobject_cast<LoanDebtPage*>(shell().page(pages::LoanDebt));
    auto* cards = qobject_cast<CreditCardDebtPage*>(shell().page(pages::CreditCardDebt));
    if (loans)
        loans->AccumulateDebtConsolidation();
    if (cards)
        cards->AccumulateCreditCardConsolidation();
    amount_->setValue(state().TickedLoanSum + state().TickedCardSum);
    FillDebtArray();
    CalculateConsolidation();
    amount_->setFocus();
}

} // namespace larkspan
