#include "calculators/Budget.h"

#include "shell/AmountText.h"
#include "shell/EditField.h"
#include "shell/Pages.h"
#include "shell/Theme.h"

#include <QLabel>
#include <QPushButton>

namespace larkspan {

namespace {

constexpr int RowStep = 23;
constexpr int NameWidth = 160;
constexpr int AmountWidth = 100;
constexpr int FieldHeight = 21;
constexpr int LeftNameLeft = 24;
constexpr int RightNameLeft = 404;
constexpr int Gap = 5;
constexpr int IncomeTop = 84;
constexpr int LeftExpensesTop = IncomeTop + 2 * RowStep + 10;
constexpr int LeftColumnItems = 12;

QLabel* plainLabel(QWidget* parent, const QString& name, const QString& text, const QRect& geometry, Qt::Alignment alignment,
                   bool bold = false)
{
    auto* l = new QLabel(text, parent);
    l->setObjectName(name);
    l->setTextFormat(Qt::PlainText);
    l->setAlignment(alignment);
    l->setGeometry(geometry);
    if (bold) {
        QFont f = l->font();
        f.setBold(true);
        l->setFont(f);
    }
    return l;
}

// Where the name field of expense item k (1-based) lies.
QPoint expenseRowOrigin(int k)
{
    if (k <= LeftColumnItems)
        return {LeftNameLeft, LeftExpensesTop + (k - 1) * RowStep};
    return {RightNameLeft, IncomeTop + (k - LeftColumnItems - 1) * RowStep};
}

// Window-text colour for a balance of 0 or more, red below.
void colourBalance(QLabel* label, double value, const QColor& windowText)
{
    QPalette p = label->palette();
    p.setColor(QPalette::WindowText, value >= 0 ? windowText : theme::red());
    label->setPalette(p);
}

} // namespace

BudgetPage::BudgetPage(ShellServices& shell, QWidget* parent) : CalculatorPage(shell, pages::Budget, parent)
{
    buildPage();
}

void BudgetPage::buildPage()
{
    auto* intro = plainLabel(
        this, QStringLiteral("lblBudgetIntro"),
        QStringLiteral("A budget is a list of your expected income and expenses during a given time period.  A budget is a "
                       "planning document which allows you to anticipate your financial future and make plans accordingly.  "
                       "The goal is to have a balanced budget.  If your income exceeds expenditures, the surplus can be used to "
                       "reduce debt or may be saved.  Use this calculator to create a budget that helps you plan your finances."),
        QRect(20, 10, 747, 64), Qt::AlignLeft | Qt::AlignTop);
    intro->setWordWrap(true);

    const Qt::Alignment right = Qt::AlignRight | Qt::AlignVCenter;
    const int amountLeft = LeftNameLeft + NameWidth + Gap;
    plainLabel(this, QStringLiteral("lblPrimaryIncome"), QStringLiteral("Primary Income"),
               QRect(LeftNameLeft, IncomeTop, NameWidth, FieldHeight), right);
    plainLabel(this, QStringLiteral("lblSecondaryIncome"), QStringLiteral("Secondary Income"),
               QRect(LeftNameLeft, IncomeTop + RowStep, NameWidth, FieldHeight), right);
    for (int i = 0; i < 2; ++i) {
        incomes_[i] = new TEditField(FieldKind::Money, QStringLiteral("edtCABIncome%1").arg(i + 1), this);
        incomes_[i]->setGeometry(amountLeft, IncomeTop + i * RowStep, AmountWidth, FieldHeight);
    }

    const auto defaults = planning::defaultBudgetItems();
    for (int k = 1; k <= planning::BudgetExpenseItems; ++k) {
        const auto i = static_cast<std::size_t>(k - 1);
        const QPoint at = expenseRowOrigin(k);
        itemNames_[i] = new TEditField(FieldKind::Label, QStringLiteral("edtBudgetItem%1").arg(k), this);
        itemNames_[i]->setText(QString(defaults[i]));
        itemNames_[i]->setGeometry(at.x(), at.y(), NameWidth, FieldHeight);
        expenses_[i] = new TEditField(FieldKind::Money, QStringLiteral("edtCABExpense%1").arg(k), this);
        expenses_[i]->setGeometry(at.x() + NameWidth + Gap, at.y(), AmountWidth, FieldHeight);
    }

    const int rightAmountLeft = RightNameLeft + NameWidth + Gap;
    const int balanceTop = IncomeTop + 10 * RowStep + 12;
    plainLabel(this, QStringLiteral("lblExpenditureLabel"), QStringLiteral("Balance of Income to Expenditures:"),
               QRect(RightNameLeft - 60, balanceTop, NameWidth + 60, FieldHeight), right, true);
    lblExpenditureBalance_ = plainLabel(this, QStringLiteral("lblExpenditureBalance"), QString(),
                                        QRect(rightAmountLeft, balanceTop, 190, FieldHeight), Qt::AlignLeft | Qt::AlignVCenter, true);

    const int debtTop = balanceTop + RowStep + 12;
    const QLatin1StringView debtNames[] = {QLatin1StringView("Debt Reduction"), QLatin1StringView("Savings")};
    for (int i = 0; i < 2; ++i) {
        debtItems_[i] = new TEditField(FieldKind::Label, QStringLiteral("edtDebtItem%1").arg(i + 1), this);
        debtItems_[i]->setText(QString(debtNames[i]));
        debtItems_[i]->setGeometry(RightNameLeft, debtTop + i * RowStep, NameWidth, FieldHeight);
        debtReductions_[i] = new TEditField(FieldKind::Money, QStringLiteral("edtCABDebtReduction%1").arg(i + 1), this);
        debtReductions_[i]->setGeometry(rightAmountLeft, debtTop + i * RowStep, AmountWidth, FieldHeight);
    }

    const int budgetTop = debtTop + 2 * RowStep + 12;
    plainLabel(this, QStringLiteral("lblBalanceLabel"), QStringLiteral("Budget Balance:"),
               QRect(RightNameLeft - 60, budgetTop, NameWidth + 60, FieldHeight), right, true);
    lblBudgetBalance_ = plainLabel(this, QStringLiteral("lblBudgetBalance"), QString(),
                                   QRect(rightAmountLeft, budgetTop, 190, FieldHeight), Qt::AlignLeft | Qt::AlignVCenter, true);

    const int buttonTop = LeftExpensesTop + LeftColumnItems * RowStep + 16;
    btnEditBudgetLabels_ = new QPushButton(QStringLiteral("Edit Labels"), this);
    btnEditBudgetLabels_->setObjectName(QStringLiteral("btnEditBudgetLabels"));
    btnEditBudgetLabels_->setFocusPolicy(Qt::ClickFocus);
    btnEditBudgetLabels_->setGeometry(LeftNameLeft, buttonTop, 110, 27);
    btnRestoreDefaultBudgetItems_ = new QPushButton(QStringLiteral("Restore Default Budget Items"), this);
    btnRestoreDefaultBudgetItems_->setObjectName(QStringLiteral("btnRestoreDefaultBudgetItems"));
    btnRestoreDefaultBudgetItems_->setGeometry(LeftNameLeft + 120, buttonTop, 200, 27);
    btnRestoreDefaultBudgetItems_->hide();

    // Tab order: incomes, item names (only reachable while editing: locked
    // names take no Tab focus), expense amounts, debt reductions.
    QWidget* previous = incomes_[0];
    const auto chain = [&previous](QWidget* next) {
        setTabOrder(previous, next);
        previous = next;
    };
    chain(incomes_[1]);
    for (TEditField* f : itemNames_)
        chain(f);
    for (TEditField* f : expenses_)
        chain(f);
    for (TEditField* f : debtReductions_)
        chain(f);

    for (TEditField* f : incomes_)
        connect(f, &TEditField::exited, this, &BudgetPage::CalculateBudget);
    for (TEditField* f : expenses_)
        connect(f, &TEditField::exited, this, &BudgetPage::CalculateBudget);
    for (TEditField* f : debtReductions_)
        connect(f, &TEditField::exited, this, &BudgetPage::CalculateBudget);
    connect(btnEditBudgetLabels_, &QPushButton::clicked, this, &BudgetPage::btnEditBudgetLabelsClick);
    connect(btnRestoreDefaultBudgetItems_, &QPushButton::clicked, this, &BudgetPage::btnRestoreDefaultBudgetItemsClick);
    CalculateBudget();
}

void BudgetPage::CalculateBudget()
{
    planning::BudgetFigures figures;
    for (std::size_t i = 0; i < incomes_.size(); ++i)
        figures.incomes[i] = incomes_[i]->value();
    for (std::size_t i = 0; i < expenses_.size(); ++i)
        figures.expenses[i] = expenses_[i]->value();
    for (std::size_t i = 0; i < debtReductions_.size(); ++i)
        figures.debtReductions[i] = debtReductions_[i]->value();
    const planning::BudgetBalances b = planning::budgetBalances(figures);

    const QColor windowText = palette().color(QPalette::WindowText);
    colourBalance(lblExpenditureBalance_, b.expenditureBalance, windowText);
    colourBalance(lblBudgetBalance_, b.budgetBalance, windowText);
    lblExpenditureBalance_->setText(amounts::currencyText(b.expenditureBalance, 15, 2));
    lblBudgetBalance_->setText(amounts::currencyText(b.budgetBalance, 15, 2));
}

void BudgetPage::btnEditBudgetLabelsClick()
{
    const bool editing = mode_ == LabelMode::Locked;
    for (TEditField* f : itemNames_)
        f->setLabelEditable(editing);
    btnEditBudgetLabels_->setText(editing ? QStringLiteral("Lock Labels") : QStringLiteral("Edit Labels"));
    btnRestoreDefaultBudgetItems_->setVisible(editing);
    mode_ = editing ? LabelMode::Editing : LabelMode::Locked;
    if (editing)
        itemNames_[0]->setFocus();
    else
        expenses_[0]->setFocus();
}

void BudgetPage::btnRestoreDefaultBudgetItemsClick()
{
    const auto defaults = planning::defaultBudgetItems();
    for (std::size_t i = 0; i < itemNames_.size(); ++i)
        itemNames_[i]->setText(QString(defaults[i]));
}

void BudgetPage::enterPage()
{
    CalculateBudget();
    incomes_[0]->setFocus();
}

} // namespace larkspan
